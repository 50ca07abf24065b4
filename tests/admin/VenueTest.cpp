// The Venue menu driven through its dialogs: venues added with their lanes and split lanes,
// edited, deleted with what that does to the matches bowled there, assigned to rounds and seen
// in the fixture list, the lane ranges, and the venues kept in the league file.
#include "ReloadedLeague.h"
#include "AdminChecks.h"
#include "AdminTest.h"
#include "DrawnText.h"
#include "RecordingDC.h"
#include "admin/VenueCommands.h"
#include "league/SampleLeague.h"
#include "league/Venue.h"
#include "framework/core/Archive.h"
#include "reports/layout/FixtureItems.h"
#include "reports/layout/VenueDetailsItem.h"

#include <memory>
#include <stdexcept>
#include <string>

namespace {

using Texts = std::vector<std::string>;

std::vector<CVenue*> Venues(const CBowlingDoc& doc)
{
    std::vector<CVenue*> v;
    for (POSITION pos = doc.m_listVenues.GetHeadPosition(); pos;)
        v.push_back(static_cast<CVenue*>(doc.m_listVenues.GetNext(pos)));
    return v;
}

// The sample league: 8 teams, one venue "Calder Valley Bowl" (number 1, lanes 1 to 16), here
// taken off every match.
struct Venues_ : ::testing::Test
{
    CBowlingDoc doc;
    CScriptedBackend ui;

    void SetUp() override
    {
        SetUpAdmin();
        VenueCommands::Install();
        BuildSampleLeague(doc, GetSampleLeagueShape(FALSE));
        for (CFixture* f : Fixtures(doc))
            f->m_nVenue = 0;
        doc.SetModifiedFlag(FALSE);
    }

    BOOL Command(UINT nID) { return doc.OnCmdMsg(nID, CN_COMMAND, nullptr); }

    bool Enabled(UINT nID)
    {
        CCmdUI ui;
        ui.m_nID = nID;
        doc.OnCmdMsg(nID, CN_UPDATE_COMMAND_UI, &ui);
        return ui.m_bEnabled;
    }

    CVenue* Add(const char* pszName, BYTE nStart, BYTE nLast)
    {
        auto* v = new CVenue(VenueCommands::FreeVenueNumber(&doc));
        v->m_strName = pszName;
        v->m_nStartLane = nStart;
        v->m_nLastLane = nLast;
        doc.m_listVenues.AddTail(v);
        return v;
    }

    Texts FixtureLine(int nRound, int nLine)
    {
        CRepItem_FixWeek item;
        item.m_pDoc = &doc;
        item.m_nRound = static_cast<BYTE>(nRound);
        item.m_y = -1000;
        CRecordingDC dc;
        item.Draw(&dc, nullptr);
        return TextsAt(dc, -1000 - 200 * nLine);
    }
};

} // namespace

// ------------------------------------------------------------------ add and edit

TEST_F(Venues_, AddAVenueWithItsAddressLanesAndSplit)
{
    ui.OnDialog(IDD_VENUE_DETAILS)
        .Check([](CDialog& d) {
            EXPECT_EQ(d.GetFocusID(), IDC_VD_NAME);
            EXPECT_EQ(TextsOf(d, {IDC_VD_NAME, IDC_VD_START_LANE, IDC_VD_LAST_LANE, IDC_VD_SPLIT_START}),
                      (Texts{"", "1", "0", "0"}));
            EXPECT_EQ(EnabledOf(d, {IDC_VD_SPLIT_START, IDC_VD_BEFORE_SPLIT}), "00");
        })
        .SetText(IDC_VD_NAME, "Riverside Lanes").SetText(IDC_VD_PHONE, "0113 496 0000")
        .SetText(IDC_VD_ADDRESS[0], "1 Mill Road")
        .SetText(IDC_VD_ADDRESS[3], "Leeds")
        .SetText(IDC_VD_POSTCODE, "LS1 4AA").SetText(IDC_VD_DIRECTIONS, "Junction 3\r\nSecond left")
        .SetText(IDC_VD_START_LANE, "5").Click(IDC_VD_SPLIT_LANES)
        .Check([](CDialog& d) { EXPECT_EQ(EnabledOf(d, {IDC_VD_SPLIT_START, IDC_VD_BEFORE_SPLIT}), "11"); })
        .SetText(IDC_VD_SPLIT_START, "21").SetText(IDC_VD_BEFORE_SPLIT, "4")
        .OK();
    EXPECT_TRUE(Command(ID_VENUE_ADD));
    EXPECT_TRUE(doc.IsModified());
    const auto v = Venues(doc);
    ASSERT_EQ(v.size(), 2u);
    const CVenue& r = *v[1];
    EXPECT_EQ(Strs(r.m_strName, r.m_strPhone, r.m_strAddress[0], r.m_strAddress[1], r.m_strAddress[3], r.m_strPostcode,
                   r.m_strDirections),
              (Texts{"Riverside Lanes", "0113 496 0000", "1 Mill Road", "", "Leeds", "LS1 4AA",
                     "Junction 3\r\nSecond left"}));
    EXPECT_EQ(Nums(r.m_nVenueNo, r.m_nStartLane, r.m_nLastLane, r.m_bSplitLanes, r.m_nSplitStartLane,
                   r.m_nLanesBeforeSplit),
              Nums(2, 5, 0, 1, 21, 4));

    // The lanes of its matches: four from lane 5, then on from the split at 21.
    doc.BuildLaneTable(2);
    EXPECT_EQ((std::vector<int>(doc.m_nLaneTable, doc.m_nLaneTable + 8)),
              (std::vector<int>{5, 6, 7, 8, 21, 22, 23, 24}));
}

TEST_F(Venues_, SplitFiguresTypedAndThenUntickedAreNotKept)
{
    ui.OnDialog(IDD_VENUE_DETAILS)
        .SetText(IDC_VD_NAME, "Bowlplex").Click(IDC_VD_SPLIT_LANES).SetText(IDC_VD_SPLIT_START, "9")
        .SetText(IDC_VD_BEFORE_SPLIT, "2").Click(IDC_VD_SPLIT_LANES)
        .Check([](CDialog& d) { EXPECT_FALSE(Ctl(d, IDC_VD_SPLIT_START).enabled); })
        .OK();
    // Ticked, but with no lanes before the split: no split at all.
    ui.OnDialog(IDD_VENUE_DETAILS)
        .SetText(IDC_VD_NAME, "Half Split").Click(IDC_VD_SPLIT_LANES).SetText(IDC_VD_SPLIT_START, "9")
        .OK();
    EXPECT_TRUE(Command(ID_VENUE_ADD));
    EXPECT_TRUE(Command(ID_VENUE_ADD));
    for (const CVenue* v : {Venues(doc)[1], Venues(doc)[2]})
        EXPECT_EQ(Nums(v->m_bSplitLanes, v->m_nSplitStartLane, v->m_nLanesBeforeSplit), Nums(0, 0, 0))
            << v->m_strName.GetString();
}

TEST_F(Venues_, LaneNumbersOutOfRangeKeepTheDialogOpen)
{
    ui.OnDialog(IDD_VENUE_DETAILS)
        .SetText(IDC_VD_NAME, "Strike Zone").SetText(IDC_VD_START_LANE, "100").OK()
        .Check([](CDialog& d) { EXPECT_FALSE(d.IsEnded()); })
        .SetText(IDC_VD_START_LANE, "3").SetText(IDC_VD_LAST_LANE, "abc").OK()
        .Check([](CDialog& d) { EXPECT_FALSE(d.IsEnded()); })
        .SetText(IDC_VD_LAST_LANE, "99").Click(IDC_VD_SPLIT_LANES).SetText(IDC_VD_BEFORE_SPLIT, "250").OK()
        .Check([](CDialog& d) { EXPECT_FALSE(d.IsEnded()); })
        .SetText(IDC_VD_BEFORE_SPLIT, "0")
        .OK();
    EXPECT_TRUE(Command(ID_VENUE_ADD));
    ASSERT_EQ(ui.messages.size(), 3u);
    EXPECT_EQ(ui.messages[0].text, "Please enter an integer between 0 and 99.");
    EXPECT_EQ(ui.messages[2].text, "Please enter an integer between 0 and 99.");
    EXPECT_EQ(Nums(Venues(doc)[1]->m_nStartLane, Venues(doc)[1]->m_nLastLane), Nums(3, 99));
}

TEST_F(Venues_, CancelAddsNothing)
{
    ui.OnDialog(IDD_VENUE_DETAILS).SetText(IDC_VD_NAME, "Nowhere").Cancel();
    EXPECT_TRUE(Command(ID_VENUE_ADD));
    EXPECT_EQ(doc.m_listVenues.GetCount(), 1);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(Venues_, EditChoosesTheVenueAndCopiesBackOnlyOnOK)
{
    Add("Riverside Lanes", 1, 0);
    ui.OnDialog(IDD_SELECT_VENUE)
        .Check([](CDialog& d) {
            EXPECT_EQ(Items(d, IDC_SV_LIST), (Texts{"Calder Valley Bowl", "Riverside Lanes"}));
            EXPECT_EQ(Ctl(d, IDC_SV_LIST).curSel, 0);
        })
        .Select(IDC_SV_LIST, 1)
        .OK();
    ui.OnDialog(IDD_VENUE_DETAILS)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_VD_NAME).text, "Riverside Lanes"); })
        .SetText(IDC_VD_NAME, "Riverside Superbowl").SetText(IDC_VD_LAST_LANE, "12")
        .OK();
    EXPECT_TRUE(Command(ID_VENUE_EDIT));
    EXPECT_EQ(Strs(Venues(doc)[1]->m_strName, Venues(doc)[0]->m_strName),
              (Texts{"Riverside Superbowl", "Calder Valley Bowl"}));
    EXPECT_EQ(Venues(doc)[1]->m_nLastLane, 12);
    EXPECT_TRUE(doc.IsModified());

    doc.SetModifiedFlag(FALSE);
    ui.OnDialog(IDD_SELECT_VENUE).OK();
    ui.OnDialog(IDD_VENUE_DETAILS).SetText(IDC_VD_NAME, "Gone").SetText(IDC_VD_START_LANE, "7").Cancel();
    Command(ID_VENUE_EDIT);
    EXPECT_EQ(Venues(doc)[0]->m_strName, "Calder Valley Bowl");
    EXPECT_EQ(Venues(doc)[0]->m_nStartLane, 1);
    EXPECT_FALSE(doc.IsModified());

    // Cancelling the choice opens nothing.
    ui.OnDialog(IDD_SELECT_VENUE).Cancel();
    Command(ID_VENUE_EDIT);
}

TEST_F(Venues_, TheOnlyVenueIsEditedWhateverItsNumber)
{
    Venues(doc)[0]->m_nVenueNo = 3;
    ui.OnDialog(IDD_VENUE_DETAILS)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_VD_NAME).text, "Calder Valley Bowl"); })
        .SetText(IDC_VD_PHONE, "01422 000000")
        .OK();
    EXPECT_TRUE(Command(ID_VENUE_EDIT));
    EXPECT_EQ(Venues(doc)[0]->m_strPhone, "01422 000000");
}

TEST_F(Venues_, AStoredSplitShowsTickedAndSurvivesAnEdit)
{
    CVenue* v = Venues(doc)[0];
    v->m_nSplitStartLane = 21;
    v->m_nLanesBeforeSplit = 6;
    CBowlingDoc copy;
    ASSERT_TRUE(Reload(doc, copy));
    VenueCommands::Install();
    ui.OnDialog(IDD_VENUE_DETAILS)
        .Check([](CDialog& d) {
            EXPECT_EQ(Nums(Ctl(d, IDC_VD_SPLIT_LANES).check, Ctl(d, IDC_VD_SPLIT_START).enabled), Nums(1, 1));
            EXPECT_EQ(Ctl(d, IDC_VD_SPLIT_START).text, "21");
        })
        .OK();
    EXPECT_TRUE(VenueCommands::EditVenue(&copy));
    const CVenue* r = static_cast<CVenue*>(copy.m_listVenues.GetHead());
    EXPECT_EQ(Nums(r->m_nSplitStartLane, r->m_nLanesBeforeSplit), Nums(21, 6));
}

// ------------------------------------------------------------------ numbers and deletion

TEST_F(Venues_, ANewVenueNeverTakesTheNumberOfOneStillThere)
{
    Add("Second", 1, 0);   // 2
    Add("Third", 1, 0);    // 3
    // Delete the second; the third keeps its number and a new venue takes the free 2, not 3.
    ui.OnDialog(IDD_SELECT_VENUE).Select(IDC_SV_LIST, 1).OK();
    EXPECT_TRUE(Command(ID_VENUE_DELETE));
    ui.OnDialog(IDD_VENUE_DETAILS).SetText(IDC_VD_NAME, "Fourth").OK();
    EXPECT_TRUE(Command(ID_VENUE_ADD));
    const auto v = Venues(doc);
    ASSERT_EQ(v.size(), 3u);
    EXPECT_EQ(Nums(v[0]->m_nVenueNo, v[1]->m_nVenueNo, v[2]->m_nVenueNo), Nums(1, 3, 2));
    EXPECT_EQ(Strs(v[1]->m_strName, v[2]->m_strName), (Texts{"Third", "Fourth"}));
}

TEST_F(Venues_, ALeagueWithEveryNumberTakenIsToldSo)
{
    for (int n = 2; n <= 255; ++n)
        Add("More", 1, 0);
    EXPECT_EQ(VenueCommands::FreeVenueNumber(&doc), 0);
    EXPECT_TRUE(Command(ID_VENUE_ADD));   // no dialog opens
    EXPECT_EQ(ui.MessageTexts(), (Texts{"The league already has as many venues as it can hold."}));
    EXPECT_EQ(doc.m_listVenues.GetCount(), 255);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(Venues_, DeletingAVenueInUseAsksAndClearsItsMatches)
{
    Add("Riverside Lanes", 31, 0);
    for (CFixture* f : Fixtures(doc))
        f->m_nVenue = f->m_nRound <= 2 ? 2 : f->m_nRound == 3 ? 1 : 0;
    const size_t nAtTwo = Fixtures(doc, 1).size() + Fixtures(doc, 2).size();

    // No keeps everything.
    ui.OnDialog(IDD_SELECT_VENUE).Select(IDC_SV_LIST, 1).OK();
    ui.AnswerMessageBox(IDNO);
    Command(ID_VENUE_DELETE);
    EXPECT_EQ(ui.MessageTexts(), (Texts{"This Venue is allocated to " + std::to_string(nAtTwo) +
                                        " Fixtures.  Remove them?"}));
    EXPECT_EQ(doc.m_listVenues.GetCount(), 2);
    EXPECT_EQ(static_cast<size_t>(VenueCommands::CountFixturesAt(&doc, 2)), nAtTwo);
    EXPECT_FALSE(doc.IsModified());

    // Yes removes the venue; its matches have none, the others keep theirs.
    ui.OnDialog(IDD_SELECT_VENUE).Select(IDC_SV_LIST, 1).OK();
    ui.AnswerMessageBox(IDYES, "Remove them?");
    EXPECT_TRUE(Command(ID_VENUE_DELETE));
    EXPECT_EQ(doc.m_listVenues.GetCount(), 1);
    EXPECT_EQ(doc.FindVenue(2), nullptr);
    for (CFixture* f : Fixtures(doc))
        EXPECT_EQ(f->m_nVenue, f->m_nRound == 3 ? 1 : 0) << int(f->m_nRound);
    EXPECT_TRUE(doc.IsModified());
    // The round shows the league's own lanes again, with no venue name.
    EXPECT_EQ(FixtureLine(1, 1)[1], "1");
}

TEST_F(Venues_, DeletingAnUnusedVenueAsksNothing)
{
    EXPECT_TRUE(Enabled(ID_VENUE_DELETE));
    EXPECT_TRUE(Command(ID_VENUE_DELETE));
    EXPECT_TRUE(doc.m_listVenues.IsEmpty());
    EXPECT_TRUE(ui.messages.empty());
    // Without venues only Add is offered.
    EXPECT_EQ(Nums(Enabled(ID_VENUE_ADD), Enabled(ID_VENUE_EDIT), Enabled(ID_VENUE_DELETE),
                   Enabled(ID_VENUE_ASSIGN_ROUNDS)),
              Nums(1, 0, 0, 0));
}

// ------------------------------------------------------------------ assign to rounds

TEST_F(Venues_, AssignedRoundsShowTheVenueAndItsLanesInTheFixtureList)
{
    Add("Riverside Lanes", 11, 14);
    const auto weeks = Weeks(doc);
    ui.OnDialog(IDD_ASSIGN_VENUES)
        .Check([&](CDialog& d) {
            EXPECT_EQ(Items(d, IDC_AV_ROUNDS).size(), weeks.size());
            EXPECT_EQ(Items(d, IDC_AV_VENUE), (Texts{"Calder Valley Bowl", "Riverside Lanes"}));
            EXPECT_EQ(Ctl(d, IDC_AV_VENUE).curSel, 0);
        })
        .Select(IDC_AV_VENUE, 1).SetSel(IDC_AV_ROUNDS, 1).SetSel(IDC_AV_ROUNDS, 3).Click(IDC_AV_ASSIGN)
        .Check([](CDialog& d) {
            for (const CtlItem& item : Ctl(d, IDC_AV_ROUNDS).items)
                EXPECT_FALSE(item.selected);
        })
        .Select(IDC_AV_VENUE, 0).SetSel(IDC_AV_ROUNDS, 4).Click(IDC_AV_ASSIGN)
        .Cancel();   // what the buttons did stays
    EXPECT_TRUE(Command(ID_VENUE_ASSIGN_ROUNDS));
    EXPECT_TRUE(doc.IsModified());
    for (CFixture* f : Fixtures(doc))
        EXPECT_EQ(f->m_nVenue, f->m_nRound == 2 || f->m_nRound == 4 ? 2 : f->m_nRound == 5 ? 1 : 0)
            << int(f->m_nRound);

    // Round 2 at Riverside: lanes 11 to 14 and round again; round 1 the league's own.
    CRepItem_FixWeek item;
    item.m_pDoc = &doc;
    item.m_nRound = 2;
    item.m_y = -1000;
    CRecordingDC dc;
    item.Draw(&dc, nullptr);
    EXPECT_NE(dc.FindText("Riverside Lanes"), nullptr);
    const Texts first = TextsAt(dc, -1200), third = TextsAt(dc, -1600);
    ASSERT_EQ(first.size(), 4u);
    EXPECT_EQ(Texts(first.begin() + 1, first.begin() + 3), (Texts{"11", "12"}));
    ASSERT_EQ(third.size(), 4u);
    EXPECT_EQ(third[1], "11");   // the fifth lane wraps back to the start lane
    EXPECT_EQ(FixtureLine(1, 1)[1], "1");
}

TEST_F(Venues_, FreeDatesTakeNoVenueAndClearEmptiesEveryMatch)
{
    auto* pFree = new CFreeWeek;
    pFree->m_bFreeDate = 1;
    pFree->m_nFirstRound = 1;
    pFree->m_nLastRound = 3;
    pFree->m_strReason = "Christmas";
    doc.m_listFreeWeeks.AddHead(pFree);
    ui.OnDialog(IDD_ASSIGN_VENUES).SetSel(IDC_AV_ROUNDS, 0).Click(IDC_AV_ASSIGN).OK();
    Command(ID_VENUE_ASSIGN_ROUNDS);
    auto expectNoVenues = [&] {
        for (CFixture* f : Fixtures(doc))
            EXPECT_EQ(f->m_nVenue, 0);
    };
    expectNoVenues();
    for (CFixture* f : Fixtures(doc))
        f->m_nVenue = 1;
    ui.OnDialog(IDD_ASSIGN_VENUES).Click(IDC_AV_CLEAR).OK();
    Command(ID_VENUE_ASSIGN_ROUNDS);
    expectNoVenues();
}

// ------------------------------------------------------------------ the venue pages

TEST_F(Venues_, DisplayDetailsShowsTheChosenVenueUntilItIsDeleted)
{
    CVenue* pRiverside = Add("Riverside Lanes", 1, 0);
    pRiverside->m_strDirections = "Over the bridge";
    ui.OnDialog(IDD_SELECT_VENUE).Select(IDC_SV_LIST, 1).OK();
    EXPECT_TRUE(Enabled(ID_VENUE_DISPLAY_DETAILS));
    EXPECT_TRUE(Command(ID_VENUE_DISPLAY_DETAILS));
    ASSERT_EQ(doc.m_listGeneratedItems.GetCount(), 1);
    auto* pItem = dynamic_cast<CRepItem_VenueDetails*>(doc.m_listGeneratedItems.GetHead());
    ASSERT_NE(pItem, nullptr);
    EXPECT_EQ(pItem->m_pVenue, pRiverside);
    EXPECT_EQ(Nums(pItem->m_nType, doc.m_nDisplayMode), Nums(32, 13));
    EXPECT_EQ(doc.m_strReportTitle, "Venue Details.");
    CRecordingDC dc;
    EXPECT_EQ(pItem->GetHeight(&dc), -480);

    // The page points at the venue, so deleting the venue takes the page with it.
    ui.OnDialog(IDD_SELECT_VENUE).Select(IDC_SV_LIST, 1).OK();
    EXPECT_TRUE(Command(ID_VENUE_DELETE));
    EXPECT_TRUE(doc.m_listGeneratedItems.IsEmpty());
}

// ------------------------------------------------------------------ the league file

TEST_F(Venues_, VenuesAndTheirRoundsSurviveSaveAndReload)
{
    ui.OnDialog(IDD_VENUE_DETAILS)
        .SetText(IDC_VD_NAME, "Riverside Lanes")
        .SetText(IDC_VD_DIRECTIONS, "Left at the lights\r\nPark behind").SetText(IDC_VD_START_LANE, "7")
        .SetText(IDC_VD_LAST_LANE, "18").Click(IDC_VD_SPLIT_LANES).SetText(IDC_VD_SPLIT_START, "31")
        .SetText(IDC_VD_BEFORE_SPLIT, "8")
        .OK();
    ASSERT_TRUE(Command(ID_VENUE_ADD));
    ui.OnDialog(IDD_ASSIGN_VENUES).Select(IDC_AV_VENUE, 1).SetSel(IDC_AV_ROUNDS, 0).Click(IDC_AV_ASSIGN).OK();
    Command(ID_VENUE_ASSIGN_ROUNDS);

    CBowlingDoc copy;
    ASSERT_TRUE(Reload(doc, copy));
    const auto v = Venues(copy);
    ASSERT_EQ(v.size(), 2u);
    EXPECT_TRUE(v[0]->IsSameAs(*Venues(doc)[0]));
    EXPECT_TRUE(v[1]->IsSameAs(*Venues(doc)[1]));
    EXPECT_EQ(v[1]->m_strDirections, "Left at the lights\r\nPark behind");
    EXPECT_EQ(v[1]->m_bSplitLanes, 1u);
    for (CFixture* f : Fixtures(copy))
        EXPECT_EQ(f->m_nVenue, f->m_nRound == 1 ? 2 : 0);
}

namespace {

std::vector<BYTE> Store(const CVenue& v, int nVersion)
{
    std::vector<BYTE> bytes;
    CArchive ar(&bytes, CArchive::store);
    ar.SetFileVersion(nVersion);
    const_cast<CVenue&>(v).Serialize(ar);
    ar.Close();
    return bytes;
}

std::unique_ptr<CVenue> Load(std::vector<BYTE> bytes, int nVersion)
{
    CArchive ar(&bytes, CArchive::load);
    ar.SetFileVersion(nVersion);
    auto r = std::make_unique<CVenue>();
    r->Serialize(ar);
    return r;
}

} // namespace

TEST(VenueFile, AnOldFileKeepsTheConstructedLanesAndAHalfSplitReadsAsNone)
{
    CVenue v(4);
    v.m_strName = "Old Hall";
    v.m_nStartLane = 9;
    v.m_nLastLane = 20;
    std::vector<BYTE> old = Store(v, 21);
    // Number, then eight strings of a length byte each: no lane bytes in a version 21 file.
    EXPECT_EQ(old.size(), 1u + 8u + 8u);
    const auto r = Load(old, 21);
    EXPECT_EQ(r->m_strName, "Old Hall");
    EXPECT_EQ(Nums(r->m_nVenueNo, r->m_nStartLane, r->m_nLastLane), Nums(4, 1, 0));

    // Split start 5 with no lanes before the split: both read back as 0.
    v.m_nSplitStartLane = 5;
    v.m_nLanesBeforeSplit = 0;
    std::vector<BYTE> now = Store(v, 40);
    ASSERT_EQ(now.size(), old.size() + 4);
    EXPECT_EQ((std::vector<BYTE>(now.end() - 4, now.end())), (std::vector<BYTE>{9, 20, 5, 0}));
    const auto r2 = Load(now, 40);
    EXPECT_EQ(Nums(r2->m_nStartLane, r2->m_nLastLane, r2->m_nSplitStartLane, r2->m_bSplitLanes), Nums(9, 20, 0, 0));
}
