// The fixture items: a round's matches (lanes, columns, byes, position rounds, venues, the
// HTML and the stored record), a free date, and a team's fixture line.
#include "FixtureTestLeague.h"
#include "PlacedTexts.h"
#include "RecordingDC.h"
#include "ReportTestHelpers.h"
#include "ScriptedBackend.h"
#include "reports/layout/FixtureItems.h"
#include "reports/layout/LayoutItems.h"
#include "reports/layout/NotesItem.h"
#include "resources/Resource.h"
#include "resources/dialogs/ReportDialogs.h"
#include "view/RepForm.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using Texts = std::vector<std::string>;
using At = std::pair<int, int>;

// The HTML cell and division writers' forms for a plain 10-point black Arial font.
std::string Cell(const char* pszAlign, const std::string& text, const char* pszClose = "</td>\n")
{
    return std::string("<td align=") + pszAlign + "><font face='Arial'><font color='#000000'>" + text +
           "</font></font>" + pszClose;
}

// Each fixture of the league in turn.
template <class F>
void EachFixture(CBowlingDoc& doc, F f)
{
    for (POSITION pos = doc.m_listFixtures.GetHeadPosition(); pos;)
        f(static_cast<CFixture*>(doc.m_listFixtures.GetNext(pos)));
}

// A ten-team league's first round of five matches, and an item showing it at -720.
struct TenTeamRound
{
    TenTeamRound()
    {
        for (int m = 1; m <= 5; ++m)
            big.Match(1, m, 2 * m - 1, 2 * m);
        item.m_pDoc = &big.doc;
        item.m_nRound = 1;
        item.m_y = -720;
    }
    FixtureTestLeague big{10};
    CRepItem_FixWeek item;
};

class FixWeek : public ::testing::Test
{
protected:
    void SetUp() override
    {
        L.FourTeamRounds(3);
        m_item.m_pDoc = &L.doc;
        m_item.m_nRound = 2;
        m_item.m_y = -1000;
    }
    FixtureTestLeague L;
    CRepItem_FixWeek m_item;
};

} // namespace

TEST_F(FixWeek, OneColumnWithLanesCountedFromTheStartLane)
{
    // No last lane: lanes run on from the start lane, two to a match.
    CRecordingDC dc;
    EXPECT_EQ(m_item.GetHeight(&dc), -200 - 2 * 200);
    m_item.Draw(&dc, nullptr);
    EXPECT_EQ(TextsAt(dc, -1000), Texts{"Round 2   Mon 08 Sep 25 at 07:30 PM"}) << dc.Dump();
    EXPECT_EQ(TextsAt(dc, -1200), (Texts{"Owls", "1", "2", "Aces"}));
    EXPECT_EQ(TextsAt(dc, -1400), (Texts{"Pins", "3", "4", "Kings"}));
    // Home name ends 360 left of the centre, lanes 72 either side of it, away name 360 right.
    ExpectPlaced(dc, {{"Round 2   Mon 08 Sep 25 at 07:30 PM", 720, -1000}, {"Owls", 5400 - 400, -1200},
                      {"1", 5688 - 100, -1200}, {"2", 5832, -1200}, {"Aces", 6120, -1200}, {"Kings", 6120, -1400}});
    // Each name's rectangle, one detail line high.
    EXPECT_TRUE(L.Team(3)->HitTest(CPoint(5001, -1201)));
    EXPECT_TRUE(L.Team(3)->HitTest(CPoint(5399, -1399)));
    EXPECT_FALSE(L.Team(3)->HitTest(CPoint(5401, -1300)));
    EXPECT_TRUE(L.Team(2)->HitTest(CPoint(6120 + 499, -1450)));
    EXPECT_EQ(dc.GetTextColor(), RGB(0, 0, 0));
}

TEST_F(FixWeek, LastLaneWrapsTheLanesRound)
{
    L.doc.m_nStartLane = 7;
    L.doc.m_nLastLane = 8;
    CRecordingDC dc;
    m_item.Draw(&dc, nullptr);
    EXPECT_EQ(TextsAt(dc, -1200), (Texts{"Owls", "7", "8", "Aces"}));
    EXPECT_EQ(TextsAt(dc, -1400), (Texts{"Pins", "7", "8", "Kings"}));
}

TEST_F(FixWeek, OmitLanesAndTime)
{
    m_item.m_bOmitLanes = 1;
    m_item.m_bOmitTime = 1;
    CRecordingDC dc;
    m_item.Draw(&dc, nullptr);
    EXPECT_EQ(TextsAt(dc, -1000), Texts{"Round 2   Mon 08 Sep 25"});
    // One "v" centred on the column instead of both lanes.
    EXPECT_EQ(TextsAt(dc, -1200), (Texts{"Owls", "v", "Aces"}));
    EXPECT_EQ(Pos(dc, "v"), At(5760 - 50, -1200));
}

TEST_F(FixWeek, TwoAndThreeColumns)
{
    TenTeamRound ten;
    auto& [big, item] = ten;
    auto awayAt = [&](CRecordingDC& dc) {
        std::vector<At> at;
        for (int m = 1; m <= 5; ++m)
            at.push_back(Pos(dc, FixtureTestLeague::Name(2 * m)));
        return at;
    };

    big.doc.m_nFixturePrintColumns = 2;
    CRecordingDC dc2;
    EXPECT_EQ(item.GetHeight(&dc2), -200 - 3 * 200);
    item.Draw(&dc2, nullptr);
    // Centres 3120, 8400 on a line; the away name starts 360 right of the centre.
    EXPECT_EQ(awayAt(dc2), (std::vector<At>{{3480, -920}, {8760, -920}, {3480, -1120}, {8760, -1120}, {3480, -1320}}))
        << dc2.Dump();
    EXPECT_EQ(Pos(dc2, "Aces"), At(3120 - 360 - 400, -920));

    big.doc.m_nFixturePrintColumns = 3;
    CRecordingDC dc3;
    EXPECT_EQ(item.GetHeight(&dc3), -200 - 2 * 200);
    item.Draw(&dc3, nullptr);
    EXPECT_EQ(awayAt(dc3), (std::vector<At>{{2760, -920}, {6120, -920}, {9480, -920}, {2760, -1120}, {6120, -1120}}));

    // A column count a damaged file left at 0 is one column, not a division by zero.
    big.doc.m_nFixturePrintColumns = 0;
    CRecordingDC dc1;
    EXPECT_EQ(item.GetHeight(&dc1), -200 - 5 * 200);
    item.Draw(&dc1, nullptr);
    EXPECT_EQ(Pos(dc1, "Zebras"), At(6120, -720 - 5 * 200));
}

TEST_F(FixWeek, ByeMatchLeavesNoGap)
{
    TenTeamRound ten;
    ten.big.Team(4)->m_bBye = 1;
    ten.big.doc.m_nFixturePrintColumns = 2;
    CRecordingDC dc;
    ten.item.Draw(&dc, nullptr);
    EXPECT_EQ(dc.FindText("Owls"), nullptr);
    EXPECT_EQ(dc.FindText("Pins"), nullptr);
    // Matches 3, 4 and 5 move up into the places of 2, 3 and 4.
    ExpectPlaced(dc, {{"Kings", 3480, -920}, {"Stars", 8760, -920}, {"Vikings", 3480, -1120}, {"Zebras", 8760, -1120}});
    // Lanes stay those of the match's own number.
    EXPECT_EQ(TextsAt(dc, -1120), (Texts{"Tigers", "7", "8", "Vikings", "Wasps", "9", "10", "Zebras"}));
}

TEST_F(FixWeek, UnsetPositionRoundShowsItsHeadingAlone)
{
    EachFixture(L.doc, [](CFixture* f) {
        if (f->m_nRound == 3) {
            f->m_bPositionRound = 1;
            f->m_bPositionRoundScratch = 1;
            f->m_nTeamA = f->m_nTeamB = 0;
            f->m_pTeamA = f->m_pTeamB = nullptr;
        }
    });
    m_item.m_nRound = 3;
    CRecordingDC dc;
    EXPECT_EQ(m_item.GetHeight(&dc), -200);
    m_item.Draw(&dc, nullptr);
    EXPECT_EQ(dc.Texts(), Texts{"Round 3   Mon 15 Sep 25 at 07:30 PM  Position Round (Scratch)"});
    EXPECT_EQ(HtmlOf(m_item).find("<td align=right>"), std::string::npos);
}

TEST_F(FixWeek, SplitSessionsShowEachMatchTime)
{
    L.doc.m_bSplitSessions = 1;
    // The second squad starts later.
    EachFixture(L.doc, [](CFixture* f) {
        if (f->m_nRound == 2 && f->m_nMatch == 2)
            f->m_timeDue = f->m_timeDue + CTimeSpan(0, 1, 15, 0);
    });
    CRecordingDC dc;
    m_item.Draw(&dc, nullptr);
    EXPECT_EQ(TextsAt(dc, -1200), (Texts{"Owls", "1", "2", "Aces", "Mon 08 Sep 25 at 07:30 PM"}));
    EXPECT_EQ(TextsAt(dc, -1400), (Texts{"Pins", "3", "4", "Kings", "Mon 08 Sep 25 at 08:45 PM"}));
    EXPECT_EQ(Pos(dc, "Mon 08 Sep 25 at 08:45 PM"), At(720, -1400));
}

TEST_F(FixWeek, VenueLanesAndName)
{
    L.Venue(1, "Calder Valley Bowl", 11, 14);
    EachFixture(L.doc, [](CFixture* f) {
        if (f->m_nRound == 2)
            f->m_nVenue = 1;
    });
    CRecordingDC dc;
    m_item.Draw(&dc, nullptr);
    EXPECT_EQ(Pos(dc, "Calder Valley Bowl"), At(10800 - 18 * 100, -1000));
    EXPECT_EQ(TextsAt(dc, -1200), (Texts{"Owls", "11", "12", "Aces"}));
    EXPECT_EQ(TextsAt(dc, -1400), (Texts{"Pins", "13", "14", "Kings"}));

    // The next round has no venue: the league's own lanes again, not the venue's left over.
    m_item.m_nRound = 3;
    m_item.m_y = -720;
    CRecordingDC dc3;
    m_item.Draw(&dc3, nullptr);
    EXPECT_EQ(TextsAt(dc3, -920), (Texts{"Aces", "1", "2", "Kings"}));
}

TEST_F(FixWeek, MatchNumberWithoutALaneEntry)
{
    // Match numbers 0 and 21 have no place in the 40-entry lane table.
    EachFixture(L.doc, [](CFixture* f) {
        if (f->m_nRound == 2)
            f->m_nMatch = f->m_nMatch == 1 ? 0 : 21;
    });
    CRecordingDC dc;
    m_item.Draw(&dc, nullptr);
    EXPECT_EQ(TextsAt(dc, -1200), (Texts{"Owls", "Aces"}));
    EXPECT_EQ(TextsAt(dc, -1400), (Texts{"Pins", "Kings"}));
    EXPECT_NE(HtmlOf(m_item).find(Cell("right", "Owls", "</td>\n") + Cell("left", "Aces")), std::string::npos);
}

TEST_F(FixWeek, RoundZeroShowsNothing)
{
    m_item.m_nRound = 0;
    CRecordingDC dc;
    EXPECT_EQ(m_item.GetHeight(&dc), 0);
    m_item.Draw(&dc, nullptr);
    EXPECT_TRUE(dc.calls.empty());
    EXPECT_EQ(HtmlOf(m_item), "");
}

TEST_F(FixWeek, HtmlPadsTheLastRowAndWritesByes)
{
    FixtureTestLeague six(6);
    six.Match(2, 1, 3, 1);
    six.Match(2, 2, 4, 2);
    six.Match(2, 3, 5, 6);
    six.Team(6)->m_bBye = 1;
    six.Team(6)->m_strName = "R&B";
    six.doc.m_nFixturePrintColumns = 2;
    CRepItem_FixWeek item;
    item.m_pDoc = &six.doc;
    item.m_nRound = 2;
    const std::string expected = "<CENTER><TABLE WIDTH=99%>\n" +
                                 Cell("center", "Round 2   Mon 08 Sep 25 at 07:30 PM", "</td\n>") +
                                 "</TABLE></CENTER>\n"
                                 "<CENTER><TABLE WIDTH=99% COLS=4>\n" +
                                 Cell("right", "Owls 1") + Cell("left", "2 Aces") + Cell("right", "Pins 3") +
                                 Cell("left", "4 Kings") + "</TR>\n" + Cell("right", "Reds 5") +
                                 Cell("left", "6 R&amp;B") +
                                 "<TD><TD>\n"
                                 "</TR>\n"
                                 "</TABLE></CENTER>\n";
    EXPECT_EQ(HtmlOf(item), expected);

    // Without lanes just the names; three columns make six cells to a row.
    item.m_bOmitLanes = 1;
    six.doc.m_nFixturePrintColumns = 3;
    std::string html = HtmlOf(item);
    EXPECT_NE(html.find("<CENTER><TABLE WIDTH=99% COLS=6>\n" + Cell("right", "Owls") + Cell("left", "Aces")),
              std::string::npos);
    EXPECT_NE(html.find(Cell("left", "R&amp;B") + "</TR>\n</TR>\n</TABLE></CENTER>\n"), std::string::npos) << html;
}

TEST_F(FixWeek, HtmlWithAVenue)
{
    L.Venue(1, "Calder Valley Bowl", 11, 14);
    EachFixture(L.doc, [](CFixture* f) {
        f->m_nVenue = static_cast<BYTE>(f->m_nRound == 2 ? 1 : 7);
    });
    std::string html = HtmlOf(m_item);
    EXPECT_EQ(html.substr(0, 200),
              ("<CENTER><TABLE WIDTH=99%>\n" + Cell("left", "Round 2   Mon 08 Sep 25 at 07:30 PM") +
               Cell("right", "Calder Valley Bowl") + "</TABLE></CENTER>\n<CENTER><TABLE WIDTH=99% COLS=2>\n" +
               Cell("right", "Owls 11") + Cell("left", "12 Aces") + "</TR>\n")
                  .substr(0, 200));
    EXPECT_NE(html.find(Cell("right", "Owls 11") + Cell("left", "12 Aces") + "</TR>\n"), std::string::npos);
    // A venue number that names no venue.
    m_item.m_nRound = 3;
    EXPECT_NE(HtmlOf(m_item).find(Cell("right", "Unknown Venue")), std::string::npos);
}

TEST(FixWeekStored, RecordAndVersionGate)
{
    CRepItem_FixWeek item;
    item.m_fontHeading.m_bBold = 1;
    item.m_fontHeading.m_strFaceName = "Verdana";
    item.m_fontDetail.m_nPrinterHeight = -240;
    item.m_nRound = 7;
    item.m_bOmitLanes = 1;

    // No type byte: the item version, then the detail font before the heading font.
    std::vector<BYTE> expected{1};
    Append(expected, BytesOf(item.m_fontDetail));
    Append(expected, BytesOf(item.m_fontHeading));
    EXPECT_EQ(BytesOf(item), expected);
    // Files up to version 41 hold the version byte alone.
    EXPECT_EQ(BytesOf(item, 41), std::vector<BYTE>{1});
    EXPECT_EQ(BytesOf(item, 42), expected);

    CRepItem_FixWeek loaded;
    loaded.m_fontHeading.m_bItalic = 1;
    loaded.m_nItemVersion = 0;
    LoadFrom(loaded, expected);
    EXPECT_TRUE(loaded.m_fontHeading == item.m_fontHeading && loaded.m_fontDetail == item.m_fontDetail);
    // Round and flags are not stored: a layout item shows lanes and times.
    EXPECT_EQ(std::make_tuple(loaded.m_nItemVersion, loaded.m_nRound, loaded.m_bOmitLanes), std::make_tuple(1, 1, 0u));

    // An old file's item takes the default fonts.
    CRepItem_FixWeek old;
    old.m_fontHeading.m_bBold = 1;
    LoadFrom(old, {1}, 41);
    EXPECT_TRUE(old.m_fontHeading == CFontData() && old.m_fontDetail == CFontData());

    // A short record is refused, not read past its end.
    std::vector<BYTE> cut(expected.begin(), expected.begin() + 6);
    CRepItem_FixWeek torn;
    EXPECT_THROW(LoadFrom(torn, cut), CArchiveException);
}

TEST(FixWeekLayout, RoundsHandedOutAfterTheCurrentRound)
{
    FixtureTestLeague L;
    L.FourTeamRounds(12);
    L.doc.m_nCurrentRound = 10;
    auto* pForm = new CRepForm;
    CRepItem_FixWeek* items[3];
    for (auto*& p : items) {
        p = new CRepItem_FixWeek;
        pForm->AddItem(p);
    }
    L.doc.m_listRepForms.AddTail(pForm);
    L.doc.m_pCurrentRepForm = pForm;
    CRecordingDC dc;
    EXPECT_EQ(L.doc.LayoutReportForm(&dc), 1);
    // Each round below the last: heading line and two match lines; the third takes no room.
    EXPECT_EQ(std::make_tuple(items[0]->m_nRound, items[1]->m_nRound, items[2]->m_nRound, items[1]->m_y - items[0]->m_y,
                              items[2]->m_y - items[1]->m_y),
              std::make_tuple(11, 12, 0, -600, -600));
    CPageInfo info;
    CRecordingDC page;
    L.doc.DrawReportPage(&page, &info);
    EXPECT_NE(page.FindText("Round 11   Mon 10 Nov 25 at 07:30 PM"), nullptr) << page.Dump();
    EXPECT_NE(page.FindText("Round 12   Mon 17 Nov 25 at 07:30 PM"), nullptr);

    // In the last round nothing is left to show.
    L.doc.m_nCurrentRound = 12;
    L.doc.LayoutReportForm(&dc);
    for (auto* p : items)
        EXPECT_EQ(p->m_nRound, 0);
}

TEST(FixWeekCopy, CopiesRoundFlagsAndFonts)
{
    FixtureTestLeague L;
    L.doc.GetDefaultFont(CRepItem_FixWeek::HEADING_FONT)->m_bBold = 1;
    L.doc.GetDefaultFont(CRepItem_FixWeek::DETAIL_FONT)->m_strFaceName = "Tahoma";
    CRepItem_FixWeek item;
    item.m_pDoc = &L.doc;
    item.ApplyDefaultFonts();
    EXPECT_EQ(item.m_fontHeading.m_bBold, 1);
    EXPECT_EQ(item.m_fontDetail.m_strFaceName, "Tahoma");
    item.m_nPage = 3;
    ExpectCopyStoresTheSame(item);
}

TEST(FixWeekDialog, FontsAppliedToEveryRoundItemOfTheEditor)
{
    RegisterResources();
    FixtureTestLeague L;
    CObList editorItems;
    CRepItem_FixWeek item, other;
    CRepItem_Notes note;
    for (CRepItem* p : std::initializer_list<CRepItem*>{&item, &note, &other}) {
        p->m_pDoc = &L.doc;
        editorItems.AddTail(p);
    }
    L.doc.m_pEditorItems = &editorItems;
    CScriptedBackend ui;
    ui.OnDialog(IDD_FIXTURES_BY_WEEK)
        .Check([](CDialog& d) { EXPECT_EQ(d.GetDlgItemText(IDC_FW_HEADING_DESC), "Black  Arial  10 Pt. "); })
        .Click(IDC_FW_HEADING_FONT)
        .Check([](CDialog& d) { EXPECT_EQ(d.GetDlgItemText(IDC_FW_HEADING_DESC), "Navy  Verdana Bold  12 Pt. "); })
        .Click(IDC_FW_DETAIL_FONT)
        .Click(IDC_FW_APPLY_TO_ALL)
        .OK();
    ui.ChooseFont("Verdana", 120, TRUE, FALSE, FALSE, FALSE, RGB(0, 0, 128));
    ui.ChooseFont("Tahoma", 90, FALSE, FALSE, FALSE, FALSE, RGB(0, 0, 0));
    item.Edit();
    EXPECT_EQ(std::tie(item.m_fontHeading.m_strFaceName, item.m_fontHeading.m_nPrinterHeight,
                       item.m_fontDetail.m_strFaceName),
              std::make_tuple(CString("Verdana"), -240, CString("Tahoma")));
    EXPECT_TRUE(other.m_fontHeading == item.m_fontHeading && other.m_fontDetail == item.m_fontDetail);
    EXPECT_TRUE(note.m_fontHeading == CFontData());
    L.doc.m_pEditorItems = nullptr;
    editorItems.RemoveAll();
}

TEST(FixWeekDialog, CancelLeavesTheFontsAsTheyWere)
{
    RegisterResources();
    FixtureTestLeague L;
    CObList editorItems;
    CRepItem_FixWeek item, other;
    editorItems.AddTail(&item);
    editorItems.AddTail(&other);
    item.m_pDoc = &L.doc;
    L.doc.m_pEditorItems = &editorItems;
    CScriptedBackend ui;
    ui.OnDialog(IDD_FIXTURES_BY_WEEK).Click(IDC_FW_HEADING_FONT).Click(IDC_FW_APPLY_TO_ALL).Cancel();
    ui.ChooseFont("Verdana", 120, TRUE, FALSE, FALSE, FALSE, RGB(255, 0, 0));
    item.Edit();
    EXPECT_TRUE(item.m_fontHeading == CFontData());
    EXPECT_TRUE(other.m_fontHeading == CFontData());
    L.doc.m_pEditorItems = nullptr;
    editorItems.RemoveAll();
}

// --- the free date ------------------------------------------------------------------------

TEST(FreeDate, OneLineInTheFirstFont)
{
    FixtureTestLeague L;
    L.doc.GetDefaultFont(CRepItem_FixWeek::HEADING_FONT)->m_nPrinterHeight = -240;
    L.doc.GetDefaultFont(CRepItem_FixWeek::HEADING_FONT)->m_crColour = RGB(128, 0, 0);
    CRepItem_FreeDate item;
    item.m_pDoc = &L.doc;
    item.ApplyDefaultFonts();
    item.m_time = CTime(2025, 12, 22, 19, 30, 0);
    item.m_strReason = "Christmas";
    item.m_y = -3000;
    CRecordingDC dc;
    EXPECT_EQ(item.GetHeight(&dc), -240);
    item.Draw(&dc, nullptr);
    ASSERT_EQ(dc.Texts(), Texts{"Free Date - Mon 22 Dec 2025    Christmas"});
    EXPECT_EQ(Pos(dc, "Free Date - Mon 22 Dec 2025    Christmas"), At(720, -3000));
    EXPECT_EQ(dc.calls[0].color, RGB(128, 0, 0));
    EXPECT_EQ(dc.GetTextColor(), RGB(0, 0, 0));
    EXPECT_EQ(HtmlOf(item), "");
}

// --- a team's fixture line ----------------------------------------------------------------

namespace {

class FixTeam : public ::testing::Test
{
protected:
    void SetUp() override
    {
        L.FourTeamRounds(3);
        CFontData* pHeading = L.doc.GetDefaultFont(CRepItem_FixTeam::HEADING_FONT);
        pHeading->m_bBold = 1;
        pHeading->m_crColour = RGB(0, 0, 128);
        L.doc.GetDefaultFont(CRepItem_FixTeam::DETAIL_FONT)->m_strFaceName = "Courier New";
        m_item.m_pDoc = &L.doc;
        m_item.ApplyDefaultFonts();
        m_item.m_pFixture = L.doc.FindFixtureByRoundMatch(2, 1);  // Owls v Aces
        m_item.m_nTeamNo = 1;               // Aces' list: they play away
        m_item.m_y = -2000;
    }
    FixtureTestLeague L;
    CRepItem_FixTeam m_item;
};

std::string Face(const DrawCall* p)
{
    return p ? p->font.lfFaceName : "";
}

} // namespace

TEST_F(FixTeam, TeamInTheDetailFontOpponentInTheHeadingFont)
{
    CRecordingDC dc;
    m_item.Draw(&dc, nullptr);
    EXPECT_EQ(dc.Texts(), (Texts{"Rnd  2 Mon 08 Sep 25 at 07:30 PM", "1", "2", "Owls", "Aces"})) << dc.Dump();
    // The opponent, at home, ends at 6120 in the heading font and its colour; the team itself,
    // away, from 6840 in the detail font.
    ExpectPlaced(dc, {{"Rnd  2 Mon 08 Sep 25 at 07:30 PM", 720, -2000}, {"1", 6390 - 100, -2000}, {"2", 6570, -2000},
                      {"Owls", 6120 - 400, -2000}, {"Aces", 6840, -2000}});
    EXPECT_EQ(std::make_tuple(Face(dc.FindText("Owls")), dc.FindText("Owls")->font.lfWeight,
                              dc.FindText("Owls")->color),
              std::make_tuple(std::string("Arial"), FW_BOLD, RGB(0, 0, 128)));
    EXPECT_EQ(Face(dc.FindText("Aces")) + "|" + Face(dc.FindText("1")), "Courier New|Courier New");
    // Name rectangles: 2000 twips wide from the name's left, one line high.
    EXPECT_TRUE(L.Team(1)->HitTest(CPoint(6840 + 1999, -2199)));
    EXPECT_TRUE(L.Team(3)->HitTest(CPoint(5720, -2001)));
    EXPECT_FALSE(L.Team(3)->HitTest(CPoint(5719, -2001)));
    EXPECT_EQ(dc.GetTextColor(), RGB(0, 0, 0));
}

TEST_F(FixTeam, OutstandingLineShowsBothTeamsInTheDetailFont)
{
    m_item.m_nTeamNo = CRepItem_FixTeam::ALL_TEAMS;
    CRecordingDC dc;
    m_item.Draw(&dc, nullptr);
    EXPECT_EQ(Face(dc.FindText("Owls")) + "|" + Face(dc.FindText("Aces")), "Courier New|Courier New");
    // In a home team's list the opponent is on the right.
    m_item.m_nTeamNo = 3;
    CRecordingDC home;
    m_item.Draw(&home, nullptr);
    EXPECT_EQ(Face(home.FindText("Owls")) + "|" + Face(home.FindText("Aces")), "Courier New|Arial");
}

TEST_F(FixTeam, OmitTimeAndLanes)
{
    m_item.m_bOmitTime = 1;
    m_item.m_bOmitLanes = 1;
    CRecordingDC dc;
    m_item.Draw(&dc, nullptr);
    EXPECT_EQ(dc.Texts(), (Texts{"Rnd  2 Mon 08 Sep 25", "v", "Owls", "Aces"}));
    EXPECT_EQ(Pos(dc, "v"), At(6516 - 100, -2000));
}

TEST_F(FixTeam, PositionRoundShowsNoLanesButItsVenue)
{
    L.Venue(2, "Riverside", 1, 8);
    CFixture* f = L.doc.FindFixtureByRoundMatch(3, 2);
    f->m_bPositionRound = 1;
    f->m_nVenue = 2;
    m_item.m_pFixture = f;
    CRecordingDC dc;
    m_item.Draw(&dc, nullptr);
    EXPECT_EQ(dc.Texts(), (Texts{"Rnd  3 Mon 15 Sep 25 at 07:30 PM", "Handicap Position Round.", "Riverside"}));
    ExpectPlaced(dc, {{"Handicap Position Round.", 6480 - 1200, -2000}, {"Riverside", 10800 - 900, -2000}});
    EXPECT_EQ(Face(dc.FindText("Handicap Position Round.")) + "|" + Face(dc.FindText("Riverside")),
              "Arial|Courier New");
    f->m_bPositionRoundScratch = 1;
    CRecordingDC scratch;
    m_item.Draw(&scratch, nullptr);
    EXPECT_NE(scratch.FindText("Scratch Position Round."), nullptr);
}

TEST_F(FixTeam, HeightOfTheTallerFont)
{
    CRecordingDC dc;
    EXPECT_EQ(m_item.GetHeight(&dc), -200);
    m_item.m_fontHeading.m_nPrinterHeight = -300;
    m_item.m_fontHeading.m_nLineHeight = 0;
    EXPECT_EQ(m_item.GetHeight(&dc), -300);
    // Never stored: the base record, the type byte alone.
    EXPECT_EQ(BytesOf(m_item), std::vector<BYTE>{RIT_FIX_TEAM});
    std::unique_ptr<CRepItem> pCopy(m_item.Clone());
    auto* p = dynamic_cast<CRepItem_FixTeam*>(pCopy.get());
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(std::make_tuple(p->m_pFixture, p->m_nTeamNo), std::make_tuple(m_item.m_pFixture, 1));
    EXPECT_TRUE(p->m_fontHeading == m_item.m_fontHeading);
}
