// The awards item: its stored bytes and version gate, a league file and a report layout file
// holding one; the individual report's heading and lines and the hi-award listing, drawn and
// written as HTML, in a small league whose awards are worked by hand; its options dialog.
#include "AwardLines.h"
#include "DialogControls.h"
#include "FixtureTestLeague.h"
#include "PlacedTexts.h"
#include "RecordingDC.h"
#include "ReportTestHelpers.h"
#include "ScriptedBackend.h"
#include "TempDir.h"
#include "league/Awards.h"
#include "league/Player.h"
#include "reports/layout/AwardsItem.h"
#include "resources/Resource.h"
#include "resources/dialogs/ReportDialogs.h"
#include "view/RepForm.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

using Texts = std::vector<std::string>;

void Fill(CRepItem_Awards& item)
{
    item.m_nIndividualFilter = 2;
    for (int c = 0; c < 4; ++c) {
        item.m_nColumnFilter[c] = static_cast<BYTE>(c);
        item.m_nColumnAward[c] = static_cast<WORD>(c + 1);
    }
    item.m_nIndividualAward = 5;
    item.m_nRoundFrom = 3;
    item.m_nRoundTo = 9;
    item.m_bExcludeResigned = 1;
    item.m_nToList = 7;
    item.m_bIndividual = 0;
    item.m_bAllRounds = 0;
    item.m_bColumnNotUsed[1] = 1;
    item.m_bFirstOnly = 1;
    item.m_fontHeading.m_strFaceName = "Heading Face";
    item.m_fontDetail.m_strFaceName = "Detail Face";
}

} // namespace

TEST(AwardsItemStored, BytesFlagsAndTheFontGate)
{
    CRepItem_Awards item;
    Fill(item);
    const std::vector<BYTE> v40 = BytesOf(item, 40);
    EXPECT_EQ(v40, (std::vector<BYTE>{15, 2, 0, 1, 2, 3, 1, 0, 2, 0, 3, 0, 4, 0, 5, 0,
                                      0x03, 0x80,      // round 3 with "exclude resigned" in bit 15
                                      9, 0, 7, 0,
                                      0x26,            // all awards, title, column 2 not used
                                      0x02}));         // first award only
    // From version 41 the detail font and then the heading font follow.
    CFontData font;
    font.m_strFaceName = "Detail Face";
    std::vector<BYTE> expected = v40;
    Append(expected, BytesOf(font));
    font.m_strFaceName = "Heading Face";
    Append(expected, BytesOf(font));
    EXPECT_EQ(BytesOf(item), expected);

    for (BYTE nVersion : {BYTE(40), LEAGUE_FILE_VERSION}) {
        CRepItem_Awards back;
        const std::vector<BYTE> bytes = BytesOf(item, nVersion);
        LoadFrom(back, bytes, nVersion);
        EXPECT_EQ(BytesOf(back, nVersion), bytes);
        EXPECT_EQ(std::make_tuple(back.m_nRoundFrom, back.m_bExcludeResigned, back.m_bColumnNotUsed[1],
                                  back.m_bIndividual),
                  std::make_tuple(3, 1u, 1u, 0u));
        // An older file keeps the new item's fonts.
        EXPECT_EQ(back.m_fontDetail.m_strFaceName, nVersion == 40 ? CFontData().m_strFaceName : CString("Detail Face"));
    }
    // A new item: the individual report of all awards and rounds, with its title.
    CRepItem_Awards fresh;
    const std::vector<BYTE> f = BytesOf(fresh, 40);
    EXPECT_EQ(std::make_tuple(f[22], f[23], fresh.m_nToList), std::make_tuple(BYTE(0x07), BYTE(0x01), 3));
}

TEST(AwardsItemStored, LeagueFileAndLayoutFileHoldingOne)
{
    FixtureTestLeague L;
    L.FourTeamRounds(2);
    L.doc.m_nCurrentRound = 1;
    auto* pForm = new CRepForm;
    pForm->m_strTitle = "Awards night";
    auto* pItem = new CRepItem_Awards;
    Fill(*pItem);
    pForm->AddItem(pItem);
    L.doc.m_listRepForms.AddTail(pForm);
    L.doc.m_pCurrentRepForm = pForm;
    auto* c = new CAwards(0);
    c->m_nKind = CAwards::kindManual;
    c->m_strName = "Spare of the night";
    L.doc.m_listAwards.AddTail(c);

    std::vector<BYTE> data;
    L.doc.SaveToBytes(data);
    CBowlingDoc loaded;
    CString strError;
    ASSERT_TRUE(loaded.LoadFromBytes(data, "awards.lgf", strError)) << strError.GetString();
    auto* pBack = dynamic_cast<CRepItem_Awards*>(static_cast<CRepForm*>(loaded.m_listRepForms.GetHead())->m_listItems.GetHead());
    ASSERT_NE(pBack, nullptr);
    EXPECT_EQ(pBack->m_nToList, 7);
    std::vector<BYTE> again;
    loaded.SaveToBytes(again);
    EXPECT_EQ(again, data);

    TempDir dir;
    const std::string path = dir.File("awards.rep");
    ASSERT_TRUE(ExportRepForm(*pForm, path.c_str(), strError)) << strError.GetString();
    CString notice;
    std::unique_ptr<CRepForm> pImported(ImportRepForm(path.c_str(), &loaded, strError, notice));
    ASSERT_TRUE(pImported) << strError.GetString();
    EXPECT_EQ(notice, "");
    EXPECT_EQ(pImported->GetStoredBytes(), pForm->GetStoredBytes());
    // A copied layout copies the item with every setting.
    CRepForm copy;
    copy.CopyFrom(*pForm);
    EXPECT_EQ(copy.GetStoredBytes(), pForm->GetStoredBytes());
}

namespace {

// Four teams of three; bowlers 11 Ann Adams (F) and 12 Bob Brown (M) of team 1, 21 Cal Cooper
// (M, junior, resigned) of team 2. Round 1: Aces (1) v Kings (2), side A bowled on Monday
// 1 September 2025, side B on the Tuesday; round 2: Owls (3) v Aces (1). Categories: 0 the
// manual "Turkey", 1 "Gme 200-300", 2 "Ser 600-900". Awards:
//   Turkey to Cal in round 1, game 2          (manual)
//   Gme 200-300: Ann 233 in game 3 of round 1 (average 180), Bob 210 in game 1 of round 1
//                (170), Ann 245 in game 1 of round 2 (185)
//   Ser 600-900: Ann 640 in round 1 (180)
//   a manual award of category 7, which no longer exists, to Bob in round 2; and one deleted.
class AwardsLeague : public ::testing::Test
{
protected:
    void SetUp() override
    {
        L.FourTeamRounds(2);
        L.doc.m_nCurrentRound = 2;
        Bowler(11, "Ann", "Adams", PF_FEMALE, 1);
        Bowler(12, "Bob", "Brown", PF_MALE, 1);
        Bowler(21, "Cal", "Cooper", PF_MALE | PF_JUNIOR | PF_RESIGNED, 2);
        CFixture* r1 = L.doc.FindFixtureByRoundMatch(1, 1);
        r1->SetPlayer(0, 0, L.doc.FindPlayer(11));
        r1->SetPlayer(0, 1, L.doc.FindPlayer(12));
        r1->SetPlayer(1, 0, L.doc.FindPlayer(21));
        r1->m_timePlayed[0] = CTime(2025, 9, 1, 19, 30, 0);
        r1->m_timePlayed[1] = CTime(2025, 9, 2, 19, 30, 0);
        CFixture* r2 = L.doc.FindFixtureByRoundMatch(2, 1);
        r2->SetPlayer(1, 0, L.doc.FindPlayer(11));
        r2->SetPlayer(1, 1, L.doc.FindPlayer(12));
        Category(0, CAwards::kindManual, "Turkey");
        Category(1, CAwards::kindAbsoluteRange, "Gme 200-300");
        Category(2, CAwards::kindAbsoluteRange, "Ser 600-900");
        Record(0, 1, 21, 2, 0, 0);
        Record(1, 1, 11, 3, 233, 180);
        Record(1, 1, 12, 1, 210, 170);
        Record(1, 2, 11, 1, 245, 185);
        Record(2, 1, 11, 0, 640, 180);
        Record(7, 2, 12, 0, 0, 0);
        Record(0, 0, 12, 1, 0, 0);  // deleted by the secretary
        m_item.m_pDoc = &L.doc;
        m_item.m_x = PAGE_LEFT;
        m_item.m_y = -1000;
        m_item.m_nIndividualFilter = 3;
    }
    void Bowler(int nNo, const char* pszFirst, const char* pszSurname, WORD wFlags, int nTeam)
    {
        auto* p = new CPlayer(static_cast<WORD>(nNo));
        p->m_strFirstName = pszFirst;
        p->m_strSurname = pszSurname;
        p->m_strName = CString(pszFirst) + " " + pszSurname;
        p->m_wFlags = wFlags;
        p->m_nTeamNo = static_cast<WORD>(nTeam);
        L.doc.AddPlayer(p);
    }
    void Category(int nId, BYTE nKind, const char* pszName)
    {
        auto* c = new CAwards(static_cast<WORD>(nId));
        c->m_nKind = nKind;
        c->m_strName = pszName;
        L.doc.m_listAwards.AddTail(c);
    }
    void Record(int nCategory, int nRound, int nPlayer, int nGame, int nScore, int nAverage)
    {
        auto* r = new CAwardData;
        r->m_nCategory = static_cast<WORD>(nCategory);
        r->m_nRound = static_cast<WORD>(nRound);
        r->m_nMatch = 1;
        r->m_nPlayerNo = static_cast<WORD>(nPlayer);
        r->m_nGame = static_cast<WORD>(nGame);
        r->m_nScore = static_cast<WORD>(nScore);
        r->m_nAverage = static_cast<WORD>(nAverage);
        r->m_nKind = nScore ? 1 : 0;
        L.doc.AddAwardRecord(r);
        if (r->m_nKind) {
            auto* copy = new CAwardData;
            copy->CopyFrom(*r);
            L.doc.AddAwardRecordByScore(copy);
        }
    }
    // Each temporary line of the individual report as "name|award|date|score|average".
    Texts Lines() { return AwardLines(m_item); }
    static Texts Lines(CRepItem_Awards& item) { return AwardLines(item); }

    FixtureTestLeague L;
    CRepItem_Awards m_item;
};

const char kMon[] = "Mon Sep 01 2025";
const char kTue[] = "Tue Sep 02 2025";
const char kRound2[] = "Mon Sep 08 2025";

} // namespace

TEST_F(AwardsLeague, IndividualReportListsTheRecordsByCategoryRoundAndName)
{
    EXPECT_EQ(Lines(), (Texts{
        std::string("Cal Cooper|Turkey|") + kTue + "|2|",          // side B's day; manual: the game
        std::string("Ann Adams|Gme 200-300|") + kMon + "|233 (3)|180",
        std::string("Bob Brown|Gme 200-300|") + kMon + "|210 (1)|170",
        std::string("Ann Adams|Gme 200-300|") + kRound2 + "|245 (1)|185",
        std::string("Ann Adams|Ser 600-900|") + kMon + "|640|180",
        std::string("Bob Brown|Award Removed!|") + kRound2 + "||",
    }));
    // The items: the title, the captions, then the lines, all temporary.
    CObList list;
    m_item.Expand(list);
    ASSERT_EQ(list.GetCount(), 8);
    auto* title = dynamic_cast<CRepItem_AwardHeading*>(list.GetHead());
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->m_strTitle, "All Awards  (All)   Rnd 1 thru Rnd 2");
    EXPECT_TRUE(title->IsTemporary());
    while (!list.IsEmpty())
        delete list.RemoveHead();
    // No title: the captions come first.
    m_item.m_bTitle = 0;
    m_item.Expand(list);
    EXPECT_EQ(static_cast<CRepItem_AwardHeading*>(list.GetHead())->m_bTitle, 0);
    while (!list.IsEmpty())
        delete list.RemoveHead();
}

TEST_F(AwardsLeague, ChoicesOfTheIndividualReport)
{
    struct Case
    {
        const char* what;
        std::function<void(CRepItem_Awards&)> set;
        Texts names;  // "bowler award score"
        const char* title;
    };
    const Case cases[] = {
        {"men only", [](CRepItem_Awards& i) { i.m_nIndividualFilter = 0; }, {"Cal Turkey 2", "Bob Gme 210 (1)", "Bob Award 0"},
         "All Awards  (M)   Rnd 1 thru Rnd 2"},
        {"resigned left out", [](CRepItem_Awards& i) { i.m_bExcludeResigned = 1; i.m_nIndividualFilter = 0; },
         {"Bob Gme 210 (1)", "Bob Award 0"}, nullptr},
        {"one category, rounds 2 to 2",
         [](CRepItem_Awards& i) { i.m_bAllAwards = 0; i.m_nIndividualAward = 1; i.m_bAllRounds = 0; i.m_nRoundFrom = i.m_nRoundTo = 2; },
         {"Ann Gme 245 (1)"}, "Gme 200-300  (All)   Rnd 2 thru Rnd 2"},
        {"the current week", [](CRepItem_Awards& i) { i.m_bCurrentWeek = 1; }, {"Ann Gme 245 (1)", "Bob Award 0"},
         "All Awards  (All)   Rnd 2"},
        {"first award only", [](CRepItem_Awards& i) { i.m_bFirstOnly = 1; },
         {"Cal Turkey 2", "Ann Gme 233 (3)", "Bob Gme 210 (1)", "Ann Ser 640", "Bob Award 0"}, nullptr},
        {"highest award only: no manual awards",
         [](CRepItem_Awards& i) { i.m_bHighestOnly = 1; }, {"Ann Ser 640", "Ann Gme 245 (1)", "Bob Gme 210 (1)"}, nullptr},
    };
    for (const Case& c : cases) {
        CRepItem_Awards item;
        item.m_pDoc = &L.doc;
        item.m_nIndividualFilter = 3;
        c.set(item);
        // "Bob Gme 210 (1)": the first name, the award's first word and the score.
        Texts got;
        for (const std::string& line : Lines(item)) {
            std::vector<std::string> f;
            size_t a = 0;
            for (size_t b; (b = line.find('|', a)) != std::string::npos; a = b + 1)
                f.push_back(line.substr(a, b - a));
            got.push_back(f[0].substr(0, 3) + " " + f[1].substr(0, f[1].find(' ')) + " " + (f[3].empty() ? "0" : f[3]));
        }
        EXPECT_EQ(got, c.names) << c.what;
        if (c.title) {
            EXPECT_EQ(item.GetIndividualTitle(), c.title) << c.what;
        }
    }
}

// A manual award shows the game it names, and none for 0 or for a game the league does not
// bowl (an older version took game 4 in a league of three).
TEST_F(AwardsLeague, AManualAwardShowsOnlyAGameTheLeagueBowls)
{
    L.doc.m_nGamesPerMatch = 3;
    CAwardData* pTurkey = nullptr;
    for (POSITION pos = L.doc.m_listAwardData.GetHeadPosition(); pos;) {
        auto* r = static_cast<CAwardData*>(L.doc.m_listAwardData.GetNext(pos));
        if (r->m_nPlayerNo == 21)
            pTurkey = r;
    }
    ASSERT_NE(pTurkey, nullptr);
    const std::string turkey = std::string("Cal Cooper|Turkey|") + kTue + "|";
    for (const auto& [nGame, shown] : {std::pair<int, const char*>{3, "3|"}, {4, "|"}, {0, "|"}, {65535, "|"}}) {
        pTurkey->m_nGame = static_cast<WORD>(nGame);
        EXPECT_EQ(Lines().front(), turkey + shown) << nGame;
    }
}

TEST_F(AwardsLeague, AwardLinesAndHeadingsDrawnInTheirColumnsAndWrittenAsHtml)
{
    CObList list;
    m_item.Expand(list);
    std::vector<CRepItem*> items;
    for (POSITION pos = list.GetHeadPosition(); pos;)
        items.push_back(static_cast<CRepItem*>(list.GetNext(pos)));
    CRecordingDC dc;
    for (CRepItem* p : items) {
        p->m_y = -2000;
        EXPECT_EQ(p->GetHeight(&dc), -200);  // the line height the device gives the font
    }
    // Characters are 100 twips wide: right-aligned texts start their width before the edge.
    items[0]->Draw(&dc, nullptr);
    EXPECT_EQ(Pos(dc, "All Awards  (All)   Rnd 1 thru Rnd 2"), std::make_pair(5760 - 1800, -2000));
    CRecordingDC captions;
    items[1]->Draw(&captions, nullptr);
    EXPECT_EQ(TextsAt(captions, -2000), (Texts{"Name", "Award", "Date", "Score", "Avg."}));
    ExpectPlaced(captions, {{"Award", 4032, -2000}, {"Avg.", 10080 - 400, -2000}});
    CRecordingDC line;
    items[3]->Draw(&line, nullptr);  // Ann's 233
    ExpectPlaced(line, {{"Ann Adams", 1152, -2000}, {"Gme 200-300", 4032, -2000}, {kMon, 7920 - 1500, -2000},
                        {"233 (3)", 9072 - 700, -2000}, {"180", 10080 - 300, -2000}});

    EXPECT_EQ(HtmlOf(*items[1]).substr(0, 40), "<CENTER><TABLE COLS=5 WIDTH=80% >\n<TR>\n<");
    const std::string turkey = HtmlOf(*items[2]);
    EXPECT_EQ(turkey.substr(0, 39), "<CENTER><TABLE COLS=5 WIDTH=80% >\n<TR> ");
    for (const std::string& cell : Texts{">Cal Cooper<", std::string(">") + kTue + "<", ">2<", "> <" /* no average */})
        EXPECT_NE(turkey.find(cell), std::string::npos) << cell;
    const std::string end = "</TR>\n</TABLE></CENTER>\n\n";
    EXPECT_EQ(turkey.substr(turkey.size() - end.size()), end);
    EXPECT_NE(HtmlOf(*items[7]).find(">Award Removed!<"), std::string::npos);
    const std::string title = HtmlOf(*items[0]);
    EXPECT_EQ(title.substr(0, 3), "<P>");
    EXPECT_NE(title.find("All Awards  (All)   Rnd 1 thru Rnd 2"), std::string::npos);
    // The item itself draws and writes nothing in this style, and takes no room.
    CRecordingDC own;
    EXPECT_EQ(m_item.GetHeight(&own), 0);
    m_item.Draw(&own, nullptr);
    EXPECT_TRUE(own.calls.empty());
    EXPECT_EQ(HtmlOf(m_item), "");
    while (!list.IsEmpty())
        delete list.RemoveHead();
}

TEST_F(AwardsLeague, HiAwardListingRanksEachColumn)
{
    // Column 1: "Gme 200-300" for all; column 2: "Ser 600-900" for men (nobody); column 3 not
    // used; column 4: a category that does not exist, for women.
    m_item.m_bIndividual = 0;
    m_item.m_nColumnAward[0] = 1;
    m_item.m_nColumnFilter[0] = 3;
    m_item.m_nColumnAward[1] = 2;
    m_item.m_nColumnFilter[1] = 0;
    m_item.m_bColumnNotUsed[2] = 1;
    m_item.m_nColumnAward[3] = 9;
    m_item.m_nColumnFilter[3] = 1;
    CRecordingDC dc;
    // Title and captions and four detail lines (number to list 3, plus one), 200 each.
    EXPECT_EQ(m_item.GetHeight(&dc), -200 * 2 - 200 * 4);
    m_item.Draw(&dc, nullptr);
    EXPECT_EQ(TextsAt(dc, -1200), (Texts{"Gme 200-300", "(All)", "Ser 600-900", "(M)", "No Award", "(F)"}));
    EXPECT_EQ(TextsAt(dc, -1400), Texts{"  2 Ann Adams"});
    EXPECT_EQ(TextsAt(dc, -1600), Texts{"  1 Bob Brown"});
    ExpectPlaced(dc, {{"Awards", 5760 - 300, -1000}, {"Ser 600-900", 4644, -1200}, {"(F)", 8316 + 2232 - 300, -1200},
                      {"  1 Bob Brown", 972, -1600}});
    // The names are where a click finds the bowler.
    EXPECT_TRUE(L.doc.FindPlayer(12)->HitTest(CPoint(1000, -1700)));

    const std::string html = HtmlOf(m_item);
    EXPECT_EQ(html.substr(0, 3), "<P>");
    for (const char* part : {"<CENTER><TABLE COLS=3 WIDTH=90%>\n<TR>\n", ">Gme 200-300 (All)<", ">  2 Ann Adams<"})
        EXPECT_NE(html.find(part), std::string::npos) << part;
    size_t nEmpty = 0;
    for (size_t at = 0; (at = html.find("<TD></TD>\n", at)) != std::string::npos; ++at)
        ++nEmpty;
    EXPECT_EQ(nEmpty, 2u + 2u + 3u);  // two rows with one name, one with none
    EXPECT_EQ(html.substr(html.size() - 20), "\n</TABLE></CENTER>\n\n");

    // Every column unused: the title alone, and no table.
    for (DWORD& b : m_item.m_bColumnNotUsed)
        b = 1;
    CRecordingDC titleOnly;
    m_item.Draw(&titleOnly, nullptr);
    EXPECT_EQ(titleOnly.Texts(), Texts{"Awards"});
    EXPECT_EQ(HtmlOf(m_item).find("TABLE"), std::string::npos);
}

TEST_F(AwardsLeague, OptionsDialogEnablesChoosesAndKeepsFontsOnCancel)
{
    RegisterResources();
    CScriptedBackend ui;
    ui.OnDialog(IDD_AWARDS_REPORT_ITEMS)
        .Check([](CDialog& d) {
            EXPECT_EQ(Ctl(d, IDC_AR_INDIVIDUAL).check, 1);
            EXPECT_FALSE(Ctl(d, IDC_AR_COL_AWARD[0]).enabled);
            EXPECT_FALSE(Ctl(d, IDC_AR_TO_LIST).enabled);
            EXPECT_FALSE(Ctl(d, IDC_AR_IND_AWARD).enabled);  // "All Awards"
            EXPECT_FALSE(Ctl(d, IDC_AR_ROUND_FROM).enabled); // "All Rounds"
            EXPECT_EQ(Items(d, IDC_AR_COL_AWARD[0]), (Texts{"Turkey", "Gme 200-300", "Ser 600-900"}));
            EXPECT_EQ(Items(d, IDC_AR_IND_FILTER), (Texts{"Male", "Female", "Junior", "All"}));
            EXPECT_EQ(Selected(d, IDC_AR_IND_FILTER), "All");
        })
        .Click(IDC_AR_CURRENT_WEEK)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_AR_ALL_ROUNDS).check, 0); })
        .Click(IDC_AR_FIRST_ONLY)
        .Click(IDC_AR_HIGHEST_ONLY)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_AR_FIRST_ONLY).check, 0); })
        .Click(IDC_AR_HI_STYLE)
        .Check([](CDialog& d) {
            EXPECT_TRUE(Ctl(d, IDC_AR_COL_AWARD[1]).enabled);
            EXPECT_FALSE(Ctl(d, IDC_AR_CURRENT_WEEK).enabled);
        })
        .Click(IDC_AR_COL_NOT_USED[1])
        .Check([](CDialog& d) { EXPECT_FALSE(Ctl(d, IDC_AR_COL_FILTER[1]).enabled); })
        .Select(IDC_AR_COL_AWARD[0], 2)
        .Select(IDC_AR_COL_FILTER[0], 1)
        .SetText(IDC_AR_TO_LIST, "26")
        .OK()
        .SetText(IDC_AR_TO_LIST, "10")
        .OK();
    ui.AnswerMessageBox(IDOK, "Please enter an integer between 0 and 25.");
    m_item.Edit();
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_EQ(std::make_tuple(m_item.m_bIndividual, m_item.m_nColumnAward[0], m_item.m_nColumnFilter[0],
                              m_item.m_bColumnNotUsed[1], m_item.m_nToList, m_item.m_bCurrentWeek, m_item.m_bAllRounds,
                              m_item.m_bHighestOnly, m_item.m_bFirstOnly),
              std::make_tuple(0u, 2, 1, 1u, 10, 1u, 0u, 1u, 0u));

    // Cancel keeps the settings; a font chosen meanwhile stays, as in every item.
    ui.ChooseFont("Liberation Serif", 120, TRUE, FALSE, FALSE, FALSE, RGB(0, 0, 128));
    ui.OnDialog(IDD_AWARDS_REPORT_ITEMS).Click(IDC_AR_INDIVIDUAL).Click(IDC_AR_HDR_FONT).Cancel();
    m_item.Edit();
    EXPECT_EQ(std::tie(m_item.m_bIndividual, m_item.m_fontHeading.m_strFaceName),
              std::make_tuple(0u, CString("Liberation Serif")));
}

TEST_F(AwardsLeague, TheLayoutFlowExpandsTheItemAgainEachTime)
{
    auto* pForm = new CRepForm;
    auto* pItem = new CRepItem_Awards;
    pItem->m_nIndividualFilter = 3;
    pForm->AddItem(pItem);
    L.doc.m_listRepForms.AddTail(pForm);
    L.doc.m_pCurrentRepForm = pForm;
    const std::vector<BYTE> stored = pForm->GetStoredBytes();
    for (int pass = 0; pass < 2; ++pass) {
        CRecordingDC dc;
        EXPECT_EQ(L.doc.LayoutReportForm(&dc), 1);
        // The item, its title and captions, six lines (and the page's heading).
        int nLines = 0;
        for (POSITION pos = pForm->m_listItems.GetHeadPosition(); pos;)
            nLines += dynamic_cast<CRepItem_AwardLine*>(pForm->GetItem(pos)) != nullptr;
        EXPECT_EQ(nLines, 6);
        CPageInfo page;
        L.doc.DrawReportPage(&dc, &page);
        EXPECT_NE(dc.FindText("Award Removed!"), nullptr);
    }
    EXPECT_EQ(pForm->GetStoredBytes(), stored);
}
