// The printed score sheets: both layouts drawn for a match worked by hand (recording DC:
// characters half the font height wide, a line as high as the font), the style's stored bytes
// alone and through the league file, the sheets placed on their pages, and the Fixture menu's
// commands through the view.
#include "FixtureTestLeague.h"
#include "PlacedTexts.h"
#include "RecordingDC.h"
#include "ReportTestHelpers.h"
#include "ScriptedBackend.h"
#include "TempDir.h"
#include "league/Player.h"
#include "reports/layout/NotesItem.h"
#include "reports/layout/ScoreSheetItem.h"
#include "reports/layout/ScoreSheets.h"
#include "reports/stats/CustomPlayerStats.h"
#include "resources/Resource.h"
#include "resources/dialogs/ReportDialogs.h"
#include "resources/dialogs/ResultDialogs.h"
#include "view/BowlingView.h"
#include "view/DisplayPages.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Four teams of three bowlers; bowler n of team t is number 10t + n with handicap 10 + n.
class ScoreSheetLeague : public ::testing::Test
{
protected:
    void SetUp() override
    {
        L.doc.m_strLeagueName = "Tuesday";
        L.FourTeamRounds(2);
        for (int t = 1; t <= 4; ++t)
            for (int n = 1; n <= 3; ++n) {
                auto* p = new CPlayer(static_cast<WORD>(10 * t + n));
                p->m_strName.Format("%s %d", FixtureTestLeague::Name(t), n);
                p->m_nTeamNo = static_cast<WORD>(t);
                p->m_nHandicap = 10 + n;
                L.doc.AddPlayer(p);
                L.doc.FindTeam(static_cast<WORD>(t))->m_arrTeamOrder.Add(p->m_nPlayerNo);
            }
        m_pStyle = dynamic_cast<CRepItem_ScoreSheet*>(L.doc.m_pScoreSheetPrototype);
        ASSERT_NE(m_pStyle, nullptr);
        // The style was made before the league had its team size.
        m_pStyle->m_nPlayerLines = 3;
    }
    // A sheet of the first match of round 1 (Aces v Kings, lanes 1 and 2) at (720, -720).
    CRepItem_ScoreSheet& Sheet()
    {
        if (!m_pSheet) {
            m_pSheet = std::make_unique<CRepItem_ScoreSheet>(&L.doc);
            m_pSheet->CopyFrom(*m_pStyle);
            m_pSheet->m_pFixture = L.doc.FindTeamFixture(1, 1);
            m_pSheet->m_x = 720;
            m_pSheet->m_y = -720;
        }
        return *m_pSheet;
    }
    int Draw(CRecordingDC& dc)
    {
        int h = Sheet().GetHeight(&dc);
        Sheet().Draw(&dc, nullptr);
        return h;
    }
    static int CountText(const CRecordingDC& dc, const char* psz)
    {
        int n = 0;
        for (const std::string& s : dc.Texts())
            n += s == psz;
        return n;
    }

    FixtureTestLeague L;
    CRepItem_ScoreSheet* m_pStyle = nullptr;
    std::unique_ptr<CRepItem_ScoreSheet> m_pSheet;
};

} // namespace

// Fonts 200 twips high: H = R = 200, q = p = 25, bands and rows 250 high.
TEST_F(ScoreSheetLeague, SideBySideThreeGamesInAHandicapLeague)
{
    EXPECT_EQ(m_pStyle->m_bSideBySide, 1);
    EXPECT_EQ(CRepItem_ScoreSheet(&L.doc).m_nPlayerLines, 3);  // a line per bowler of a team
    Sheet().m_bFillInNames = 1;
    CRecordingDC dc;
    // 3 bowler rows + 4 summary rows of -250, two bands, 72 for the missing opponents line.
    EXPECT_EQ(Draw(dc), -72 - 7 * 250 - 2 * 250);
    EXPECT_EQ(Sheet().m_y, -720);  // drawing leaves the item where it stood

    // Title band: league name centred on 5760 (7 characters of 100), date, round and lanes.
    // Heading band: name column 2400, hcp 3120-3600, games 3600/4140/4680, series 5220-5760.
    // Bowler lines: names, handicaps ending at the hcp column. Summary from y -1970: Signed,
    // three totals, then the points row with its box.
    ExpectPlaced(dc, {{"Tuesday", 5760 - 350, -745}, {"01 Sep 25  07:30 PM", 745, -745},
                      {"Round 1/2  Lanes 1/2", 10775 - 2000, -745}, {"Aces", 745, -995}, {"Kings", 5785, -995},
                      {"hcp", 3600 - 25 - 300, -995}, {"Avg", 3120 - 25 - 300, -995},
                      {"Gm 1", 4140 - 25 - 400, -995}, {"Ser", 5760 - 25 - 300, -995}, {"Aces 1", 745, -1245},
                      {"Kings 3", 5785, -1745}, {"13", 3575 - 200, -1745}, {"Signed", 745, -1995},
                      {"Total Scr", 3575 - 900, -1995}, {"Points Hcp", 3575 - 1000, -2745},
                      {"Pts", 720 + 540 + 25, -2745}});
    EXPECT_EQ(CountText(dc, "Gm 3"), 2);
    EXPECT_EQ(CountText(dc, "Total H+S"), 2);
    EXPECT_EQ(CountText(dc, "Match Played"), 0);
    // The names are where a right click finds them.
    EXPECT_TRUE(L.doc.FindTeam(2)->HitTest(CPoint(6000, -1100)));
}

TEST_F(ScoreSheetLeague, MakeUpSheetShowsTheEnteredSideAsPlayedAndNamesNextOpponents)
{
    CFixture* f = L.doc.FindTeamFixture(1, 1);
    f->m_bPlayed[1] = 1;
    Sheet().m_bPrintNextOpponents = 1;
    CRecordingDC dc;
    // The opponents row replaces the 72 twips.
    EXPECT_EQ(Draw(dc), -8 * 250 - 2 * 250);
    EXPECT_EQ(CountText(dc, "Signed"), 1);
    // Round 2: Owls v Aces on lanes 1/2, Pins v Kings on 3/4.
    ExpectPlaced(dc, {{"Match Played", 5785, -1995}, {"Opponents next round: Owls - Lane 1 ", 745, -2995},
                      {"Opponents next round: Pins - Lane 3 ", 5785, -2995}});

    // The last round has no next round: no row, 72 twips instead.
    CRepItem_ScoreSheet last(&L.doc);
    last.CopyFrom(Sheet());
    last.m_pFixture = L.doc.FindTeamFixture(1, 2);
    CRecordingDC dc2;
    EXPECT_EQ(last.GetHeight(&dc2), -72 - 7 * 250 - 2 * 250);
    last.Draw(&dc2, nullptr);
    for (const std::string& s : dc2.Texts())
        EXPECT_EQ(s.find("Opponents"), std::string::npos);
}

TEST_F(ScoreSheetLeague, StandardFourGamesInAScratchLeague)
{
    L.doc.m_bScratchLeague = 1;
    L.doc.m_bHandicapLeague = 0;
    L.doc.m_nGamesPerMatch = 4;
    Sheet().m_bSideBySide = 0;
    Sheet().m_nLaneOverride = 7;
    CRecordingDC dc;
    // Per team: band, 3 rows, 2 summary rows, the row below; plus the title band and 72.
    const int h = Draw(dc);
    EXPECT_EQ(h, -72 - 3 * 250 - 2 * (3 + 2 + 1) * 250);
    // Columns of 576 after a name column of 3204 and an hcp column of 540: game 1 at 4464.
    // The second block: its band after title (250), block one (250 + 750 + 500 + 250).
    ExpectPlaced(dc, {{"Round 1/2", 10775 - 900, -745}, {"Lane 7  Aces", 745, -995},
                      {"1", 4464 + 576 - 192 - 25 - 100, -995}, {"SCR ", 4464 + 8 * 576 + 576 - 25 - 400, -995},
                      {"Total", 10775 - 500, -995}, {"Lane 8  Kings", 745, -720 - 250 - 1750 - 25},
                      {"Points Scr", 3924 + 540 - 25 - 1000, -720 - 250 - 250 - 750 - 250 - 25}});
    EXPECT_EQ(CountText(dc, " Hcp"), 0);  // no handicap in a scratch league
    EXPECT_EQ(CountText(dc, "Pts SCR"), 2);
    // Only the first summary row is hatched, in its HCP and Total cells, once per team: the
    // slanting lines all lie in those cells.
    std::vector<std::pair<int, int>> hatched;  // (column left, row top)
    for (const DrawCall& c : dc.calls) {
        if (c.kind != DrawCall::Line || c.x1 == c.x2 || c.y1 == c.y2)
            continue;
        EXPECT_EQ(std::abs(c.x2 - c.x1), std::abs(c.y2 - c.y1));  // 45 degrees
        const int col = 4464 + (std::min(c.x1, c.x2) - 4464) / 576 * 576;
        EXPECT_LE(std::max(c.x1, c.x2), col + 576);
        const int top = std::max(c.y1, c.y2);
        std::pair<int, int> cell(col, top >= -2220 ? -1970 : -3720);
        if (std::find(hatched.begin(), hatched.end(), cell) == hatched.end())
            hatched.push_back(cell);
    }
    EXPECT_EQ(hatched, (std::vector<std::pair<int, int>>{
                           {4464 + 9 * 576, -1970}, {4464 + 10 * 576, -1970},
                           {4464 + 9 * 576, -3720}, {4464 + 10 * 576, -3720}}));
    // Nothing is drawn below what the height promised.
    for (const DrawCall& c : dc.calls)
        EXPECT_GE(std::min(c.y1, c.y2), -720 + h) << dc.Dump();
}

TEST_F(ScoreSheetLeague, SpaceForAllPlayersCountsTheRosters)
{
    L.doc.FindTeam(1)->m_arrTeamOrder.Add(99);  // a bowler the league no longer has
    Sheet().m_bSpaceForAll = 1;
    EXPECT_EQ(Sheet().CountPlayerRows(TRUE), 4);
    EXPECT_EQ(Sheet().CountPlayerRows(FALSE), 7);
    Sheet().m_bFillInNames = 1;
    CRecordingDC dc;
    Draw(dc);  // the unknown bowler's line stays empty
    EXPECT_EQ(CountText(dc, "Aces 3"), 1);
}

TEST_F(ScoreSheetLeague, TeamAveragesLeaveTheLeaguesMatchAlone)
{
    L.doc.m_bTeamHandicaps = 1;
    Sheet().m_bPrintTeamAverage = 1;
    Sheet().m_bFillInNames = 1;
    CFixture* f = L.doc.FindTeamFixture(1, 1);
    const CFixture before(*f);
    CRecordingDC dc;
    Draw(dc);
    EXPECT_TRUE(f->IsSameAs(before));
    bool bAverage = false;
    for (const std::string& s : dc.Texts())
        bAverage |= s.rfind("Aces [Avg ", 0) == 0;
    EXPECT_TRUE(bAverage);
}

TEST_F(ScoreSheetLeague, LanesAndNoteBelowTheSheet)
{
    L.doc.m_nSecretaryTeam = 2;
    Sheet().m_bSecTreasLanes = 1;
    Sheet().m_bPrintNote = 1;
    Sheet().m_pNote->m_strTitle = "Notice";
    CRecordingDC dc;
    Draw(dc);
    // Kings play on lane 2 in round 1; the sheet (two bands, 3 + 4 rows) ends 72 above.
    ExpectPlaced(dc,
                 {{"Secretary on lane 2 ", 720, -720 - 2250 - 72},
                  {"Treasurer's lane unknown!", 10800 - 2500, -720 - 2250 - 72}});
    EXPECT_NE(dc.FindText("Notice"), nullptr);
}

TEST_F(ScoreSheetLeague, StyleBytesRoundTripAndTheTwelfthByteWins)
{
    m_pStyle->m_bFillInNames = 1;
    m_pStyle->m_bPrintTeamAverage = 1;
    m_pStyle->m_bPrintNextOpponents = 1;
    m_pStyle->m_nPlayerLines = 5;
    m_pStyle->m_nSheetsPerPage = 3;
    m_pStyle->m_bSideBySide = 0;
    m_pStyle->m_bSecTreasLanes = 1;
    m_pStyle->m_fontNames.m_strFaceName = "Georgia";
    m_pStyle->m_pNote->m_strBody = "Bring your own shoes";
    std::vector<BYTE> bytes = BytesOf(*m_pStyle);
    ASSERT_GE(bytes.size(), 12u);
    EXPECT_EQ(std::vector<BYTE>(bytes.begin(), bytes.begin() + 12),
              (std::vector<BYTE>{27, 0, 0, 0, 1, 3, 5, 0, 3, 0, 1, 3}));

    bytes[11] = 4;  // the ninth byte says 3
    CRepItem_ScoreSheet loaded;
    LoadFrom(loaded, bytes);
    EXPECT_EQ(loaded.m_nSheetsPerPage, 4);
    bytes[8] = 4;  // stored again, both bytes agree
    EXPECT_EQ(BytesOf(loaded), bytes);
}

TEST_F(ScoreSheetLeague, TheLeagueFileKeepsTheStyle)
{
    TempDir dir;
    const std::string path = dir.File("Tuesday.lgf");
    m_pStyle->m_nSheetsPerPage = 4;
    m_pStyle->m_bSideBySide = 0;
    m_pStyle->m_bFillInNames = 1;
    m_pStyle->m_fontHeader.m_nPrinterHeight = -320;
    m_pStyle->m_pNote->m_strTitle = "Lanes";
    ASSERT_TRUE(L.doc.OnSaveDocument(path.c_str()));

    CBowlingDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path.c_str()));
    auto* p = dynamic_cast<CRepItem_ScoreSheet*>(doc.m_pScoreSheetPrototype);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(BytesOf(*p), BytesOf(*m_pStyle));
    EXPECT_NE(p->m_pPlayerStats, nullptr);
}

// Each font of the style in the league file, grey RGB(100, 100, 100) or white, damaged in its
// colour's fourth byte opens with its colour and one notice and saves back undamaged; its
// name's length cut by 1 to 3 is refused naming the style's font, never as a file cut short.
TEST_F(ScoreSheetLeague, AStyleFontDamagedInItsColourIsMendedAndACutNameLengthNamesIt)
{
    m_pStyle->m_fontNames.m_bBold = 1;
    // The league as a file holds it: the one opened from it saves the same bytes.
    std::vector<BYTE> good;
    {
        std::vector<BYTE> made;
        L.doc.SaveToBytes(made);
        CBowlingDoc opened;
        CString error;
        ASSERT_TRUE(opened.LoadFromBytes(made, "style.lgf", error)) << error.GetString();
        opened.SaveToBytes(good);
    }
    const std::vector<BYTE> style = BytesOf(*m_pStyle);
    const auto record = std::search(good.begin(), good.end(), style.begin(), style.end());
    ASSERT_NE(record, good.end());
    const std::string arial = "\x05" "Arial";
    int nFonts = 0;
    for (auto it = std::search(record, record + style.size(), arial.begin(), arial.end()); it < record + style.size();
         it = std::search(it + 1, record + style.size(), arial.begin(), arial.end()), ++nFonts) {
        const size_t at = static_cast<size_t>(it - good.begin());
        for (BYTE colour : {100, 255}) {
            SCOPED_TRACE(testing::Message() << "font " << nFonts << ", colour " << int(colour));
            std::vector<BYTE> undamaged = good;
            std::fill_n(undamaged.begin() + at + 6, 3, colour);
            CString error;
            for (BYTE nFourth : {0x41, 0x07, 0xC8}) {
                std::vector<BYTE> bytes = undamaged;
                bytes[at + 9] = nFourth;
                CBowlingDoc loaded;
                ASSERT_TRUE(loaded.LoadFromBytes(bytes, "style.lgf", error)) << error.GetString();
                EXPECT_EQ(loaded.m_strReadNotice, "In the league file \"style.lgf\" the report font of the score-sheet "
                                                  "style (its colour) was damaged: it was mended. Save the league to "
                                                  "keep it.");
                std::vector<BYTE> again;
                loaded.SaveToBytes(again);
                ASSERT_EQ(again, undamaged);
            }
            for (BYTE nCut : {1, 2, 3}) {
                std::vector<BYTE> bytes = undamaged;
                bytes[at] = static_cast<BYTE>(5 - nCut);
                CBowlingDoc loaded;
                ASSERT_FALSE(loaded.LoadFromBytes(bytes, "style.lgf", error));
                EXPECT_EQ(error, "The league file \"style.lgf\" cannot be opened. The file holds a report font whose "
                                 "name's length is damaged, in the score-sheet style.")
                    << int(nCut);
            }
        }
    }
    EXPECT_GE(nFonts, 4);
}

// The style's fonts after the report font table's last entry, whose colour's red is a letter
// or sign: that entry's name read a byte longer makes a whole font too, yet a style font's
// name length cut by 1 to 3 is refused naming the style's font, whatever that red.
TEST_F(ScoreSheetLeague, AStyleFontsCutNameLengthNamesItWhateverTheColourOfTheFontBefore)
{
    std::vector<BYTE> good;
    L.doc.SaveToBytes(good);
    const std::vector<BYTE> style = BytesOf(*m_pStyle);
    const auto record = std::search(good.begin(), good.end(), style.begin(), style.end());
    ASSERT_NE(record, good.end());
    // The table's last font ends with its colour just before the record's length.
    const size_t nLastRed = static_cast<size_t>(record - good.begin()) - 8;
    ASSERT_EQ(std::vector<BYTE>(good.begin() + nLastRed - 6, good.begin() + nLastRed),
              (std::vector<BYTE>{5, 'A', 'r', 'i', 'a', 'l'}));
    std::vector<size_t> fonts;
    const std::string arial = "\x05" "Arial";
    for (auto it = std::search(record, record + style.size(), arial.begin(), arial.end()); it < record + style.size();
         it = std::search(it + 1, record + style.size(), arial.begin(), arial.end()))
        fonts.push_back(static_cast<size_t>(it - good.begin()));
    ASSERT_GE(fonts.size(), 4u);
    int nCases = 0;
    for (int nRed = 0; nRed < 256; ++nRed)
        for (size_t at : fonts)
            for (BYTE nCut : {1, 2, 3}) {
                std::vector<BYTE> bytes = good;
                bytes[nLastRed] = static_cast<BYTE>(nRed);
                bytes[at] = static_cast<BYTE>(5 - nCut);
                CBowlingDoc loaded;
                CString error;
                ASSERT_FALSE(loaded.LoadFromBytes(bytes, "style.lgf", error));
                ASSERT_EQ(error, "The league file \"style.lgf\" cannot be opened. The file holds a report font whose "
                                 "name's length is damaged, in the score-sheet style.")
                    << "red " << nRed << ", font at " << at << ", cut by " << int(nCut);
                ++nCases;
            }
    EXPECT_EQ(nCases, 256 * 3 * static_cast<int>(fonts.size()));

    // Where the table's last font is the damaged one, cut by a letter, the record's length is
    // read a byte early, 65536 for 256: in a league long enough for it the record is read out
    // of step, and its first font, read whole a byte further on, names the table's font.
    for (int r = 3; r <= 100; ++r)
        L.Match(r, 1, 1, 2), L.Match(r, 2, 3, 4);
    std::vector<BYTE> big;
    L.doc.SaveToBytes(big);
    ASSERT_EQ(std::search(big.begin(), big.end(), style.begin(), style.end()) - big.begin(), record - good.begin());
    ASSERT_GT(big.size(), nLastRed + 8 + 65536);
    for (BYTE colour : {0, 100, 255}) {
        std::vector<BYTE> bytes = big;
        std::fill_n(bytes.begin() + nLastRed, 3, colour);
        bytes[nLastRed - 6] = 4;
        CBowlingDoc loaded;
        CString error;
        ASSERT_FALSE(loaded.LoadFromBytes(bytes, "style.lgf", error));
        EXPECT_EQ(error, "The league file \"style.lgf\" cannot be opened. The file holds a report font whose name's "
                         "length is damaged, in the report font table, entry 100.")
            << int(colour);
    }
}

// The style's first font whose name's length runs it past the record's end is the style's own
// damage, named so, whatever the colour of the report font table's last entry before it: one
// whose red is a letter or sign leaves that entry in doubt, yet the record's length was read in
// step.
TEST_F(ScoreSheetLeague, AStyleFontsNameRunningPastTheRecordsEndNamesTheStyle)
{
    std::vector<BYTE> good;
    L.doc.SaveToBytes(good);
    const std::vector<BYTE> style = BytesOf(*m_pStyle);
    const auto record = std::search(good.begin(), good.end(), style.begin(), style.end());
    ASSERT_NE(record, good.end());
    const size_t nLastRed = static_cast<size_t>(record - good.begin()) - 8;
    const std::string arial = "\x05" "Arial";
    const size_t nFirst = static_cast<size_t>(std::search(record, record + style.size(), arial.begin(), arial.end()) -
                                              good.begin());
    ASSERT_LT(nFirst, static_cast<size_t>(record - good.begin()) + style.size());
    const size_t nToTheEnd = static_cast<size_t>(record - good.begin()) + style.size() - nFirst - 1;
    int nCases = 0;
    for (BYTE nRed : {0x00, 0x41, 0x64, 0xFF})
        for (int nLength = static_cast<int>(nToTheEnd) - 3; nLength <= 0xFF; ++nLength) {
            std::vector<BYTE> bytes = good;
            bytes[nLastRed] = nRed;
            bytes[nFirst] = static_cast<BYTE>(nLength);
            CBowlingDoc loaded;
            CString error;
            ASSERT_FALSE(loaded.LoadFromBytes(bytes, "style.lgf", error));
            ASSERT_EQ(error, "The league file \"style.lgf\" cannot be opened. The file holds a report font whose "
                             "name's length is damaged, in the score-sheet style.")
                << "red " << int(nRed) << ", length " << nLength;
            ++nCases;
        }
    EXPECT_GT(nCases, 4 * 20);
}

TEST_F(ScoreSheetLeague, SheetsStandInTheirPageSlots)
{
    L.doc.m_nCurrentRound = 2;
    EXPECT_EQ(BuildScoreSheets(L.doc, SCORE_SHEETS_MAKEUP, 0), 4);
    CRecordingDC dc;
    m_pStyle->m_nSheetsPerPage = 3;
    EXPECT_EQ(LayoutScoreSheets(&L.doc, &dc), 2);
    auto slots = [&] {
        std::vector<std::pair<int, int>> v;
        for (POSITION pos = L.doc.m_listScoreSheetItems.GetHeadPosition(); pos;) {
            auto* p = static_cast<CRepItem*>(L.doc.m_listScoreSheetItems.GetNext(pos));
            v.emplace_back(p->m_nPage, p->m_y);
        }
        return v;
    };
    EXPECT_EQ(slots(), (std::vector<std::pair<int, int>>{{1, -720}, {1, -6240}, {1, -11760}, {2, -720}}));

    // Economy: each sheet 2322 high (3 rows + 4 + two bands + 72), 720 between them.
    m_pStyle->m_nSheetsPerPage = 0;
    EXPECT_EQ(LayoutScoreSheets(&L.doc, &dc), 1);
    EXPECT_EQ(slots(), (std::vector<std::pair<int, int>>{
                           {1, -720}, {1, -720 - 3042}, {1, -720 - 2 * 3042}, {1, -720 - 3 * 3042}}));
}

TEST_F(ScoreSheetLeague, RecapThroughTheView)
{
    RegisterResources();
    L.doc.m_nCurrentRound = 1;
    L.doc.FindTeamFixture(2, 2)->m_bPlayed[0] = 1;  // Pins v Kings already started
    CBowlingView view;
    view.AttachTo(&L.doc, nullptr);
    view.OnInitialUpdate();
    CCmdUI state;
    state.m_nID = ID_FIXTURE_SCORESHEETS_RECAP;
    view.OnCmdMsg(ID_FIXTURE_SCORESHEETS_RECAP, CN_UPDATE_COMMAND_UI, &state);
    EXPECT_TRUE(state.m_bEnabled);
    {
        // Cancelling the round leaves the display and the league as they were.
        CScriptedBackend ui;
        ui.OnDialog(IDD_SELECT_ROUND).Cancel();
        view.OnCmdMsg(ID_FIXTURE_SCORESHEETS_RECAP, CN_COMMAND, nullptr);
        EXPECT_TRUE(ui.AllUsed());
        EXPECT_NE(L.doc.m_nDisplayMode, MODE_SCORE_SHEETS);
        EXPECT_EQ(L.doc.m_nCurrentRound, 1);
    }
    CScriptedBackend ui;
    ui.OnDialog(IDD_SELECT_ROUND).OK();  // offered the round after the current one
    ui.OnDialog(IDD_SCORESHEET_STYLE).OK();
    ui.AnswerMessageBox(IDNO, "Override Lane Numbers?");
    view.OnCmdMsg(ID_FIXTURE_SCORESHEETS_RECAP, CN_COMMAND, nullptr);
    EXPECT_TRUE(ui.AllUsed());
    // The figures run to the round before.
    EXPECT_EQ(std::tie(L.doc.m_nDisplayMode, L.doc.m_nScoreSheetRound, L.doc.m_nCurrentRound),
              std::make_tuple(MODE_SCORE_SHEETS, 2u, 1));
    ASSERT_EQ(L.doc.m_listScoreSheetItems.GetCount(), 1);
    auto* pSheet = static_cast<CRepItem_ScoreSheet*>(L.doc.m_listScoreSheetItems.GetHead());
    EXPECT_EQ(std::make_tuple(pSheet->m_pFixture, pSheet->m_bTemporary),
              std::make_tuple(L.doc.FindTeamFixture(1, 2), DWORD(TEMP_SHOWING)));
    EXPECT_EQ(view.GetPageCount(), 1);

    // Every match of the round played: nothing to print, and the display stays.
    L.doc.FindTeamFixture(1, 2)->m_bPlayed[1] = 1;
    ui.OnDialog(IDD_SELECT_ROUND).OK();
    ui.OnDialog(IDD_SCORESHEET_STYLE).Cancel();
    ui.AnswerMessageBox(IDNO, "Override Lane Numbers?");
    ui.AnswerMessageBox(IDOK, "no unplayed matches");
    view.OnCmdMsg(ID_FIXTURE_SCORESHEETS_RECAP, CN_COMMAND, nullptr);
    EXPECT_TRUE(L.doc.m_listScoreSheetItems.IsEmpty());

    // A season bowled to the end: said so, with no empty round list and no change.
    for (POSITION pos = L.doc.m_listFixtures.GetHeadPosition(); pos;) {
        auto* f = static_cast<CFixture*>(L.doc.m_listFixtures.GetNext(pos));
        f->m_bPlayed[0] = f->m_bPlayed[1] = 1;
    }
    const int nRound = L.doc.m_nCurrentRound;
    ui.AnswerMessageBox(IDOK, "no unplayed matches in the league");
    view.OnCmdMsg(ID_FIXTURE_SCORESHEETS_RECAP, CN_COMMAND, nullptr);
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_EQ(std::make_pair(L.doc.m_nCurrentRound, L.doc.m_listScoreSheetItems.IsEmpty()), std::make_pair(static_cast<BYTE>(nRound), true));
}

TEST_F(ScoreSheetLeague, StyleDialogOkKeepsAndCancelPutsBack)
{
    RegisterResources();
    m_pStyle->m_nSheetsPerPage = 2;
    {
        CScriptedBackend ui;
        ui.ChooseFont("Georgia", 120, TRUE, FALSE, FALSE, FALSE, RGB(0, 0, 128));
        ui.OnDialog(IDD_SCORESHEET_STYLE)
            .Check([](CDialog& d) {
                EXPECT_EQ(d.GetDlgItemText(IDC_SSS_PLAYER_LINES), "3");
                EXPECT_FALSE(d.GetDlgItem(IDC_SSS_TEAM_AVERAGE)->IsWindowEnabled());  // no team handicaps
                EXPECT_TRUE(d.IsDlgButtonChecked(IDC_SSS_SIDE_BY_SIDE));
            })
            .Click(IDC_SSS_SIDE_BY_SIDE)
            .Click(IDC_SSS_HEADER_FONT)
            .Select(IDC_SSS_PER_PAGE, 4)
            .Cancel();
        m_pStyle->Edit();
        EXPECT_TRUE(ui.AllUsed());
    }
    // Cancel leaves the style as it was, the font chosen on the way included.
    EXPECT_EQ(std::tie(m_pStyle->m_bSideBySide, m_pStyle->m_fontHeader.m_strFaceName, m_pStyle->m_nSheetsPerPage),
              std::make_tuple(1, CString("Arial"), 2));
    EXPECT_FALSE(L.doc.IsModified());

    CScriptedBackend ui;
    ui.ChooseFont("Georgia", 120, TRUE, FALSE, FALSE, FALSE, RGB(0, 0, 128));
    ui.OnDialog(IDD_SCORESHEET_STYLE)
        .Click(IDC_SSS_SPACE_FOR_ALL)
        .Check([](CDialog& d) {
            EXPECT_TRUE(d.IsDlgButtonChecked(IDC_SSS_FILL_NAMES));  // names come with a line each
            EXPECT_FALSE(d.GetDlgItem(IDC_SSS_PLAYER_LINES)->IsWindowEnabled());
        })
        .Click(IDC_SSS_NAMES_FONT)
        .Click(IDC_SSS_NEXT_OPPONENTS)
        .Select(IDC_SSS_PER_PAGE, 0)
        .OK();
    m_pStyle->Edit();
    // The line height is measured again on the next drawing.
    EXPECT_EQ(std::tie(m_pStyle->m_bSpaceForAll, m_pStyle->m_bFillInNames, m_pStyle->m_bPrintNextOpponents,
                       m_pStyle->m_nSheetsPerPage, m_pStyle->m_fontNames.m_strFaceName,
                       m_pStyle->m_fontNames.m_nLineHeight),
              std::make_tuple(1, 1u, 1, 0, CString("Georgia"), 0));
    EXPECT_TRUE(L.doc.IsModified());
}

TEST_F(ScoreSheetLeague, DesignPlayerStatsRunsTheTableDesigner)
{
    RegisterResources();
    CRepItem_CustomPlayerStats* pTable = m_pStyle->m_pPlayerStats;
    ASSERT_NE(pTable, nullptr);
    const size_t nColumns = pTable->m_arrColumns.size();
    CScriptedBackend ui;
    ui.OnDialog(IDD_SCORESHEET_STYLE).Click(IDC_SSS_DESIGN_STATS).OK();
    // The sheet's own table keeps its layout and list by team; its fonts go nowhere else.
    ui.OnDialog(IDD_DESIGN_CUSTOM_PLAYER_STATS)
        .Check([](CDialog& d) {
            EXPECT_FALSE(d.GetDlgItem(IDC_CPD_LAYOUT)->IsWindowEnabled());
            EXPECT_FALSE(d.GetDlgItem(IDC_CPD_BY_TEAM)->IsWindowEnabled());
            EXPECT_FALSE(d.GetDlgItem(IDC_CPD_APPLY_TO_ALL)->IsWindowEnabled());
        })
        .Click(IDC_CD_ADD)
        .SetText(IDC_CD_TITLE, "Extra")
        .OK();
    m_pStyle->Edit();
    EXPECT_TRUE(ui.MessageTexts().empty());
    ASSERT_EQ(pTable->m_arrColumns.size(), nColumns + 1);
    EXPECT_EQ(pTable->m_arrColumns[0]->m_strTitle, "Extra");
    EXPECT_EQ(pTable->m_bEmbedded, 1);
}

TEST_F(ScoreSheetLeague, AnUnsetPositionRoundStopsTheSheetsWhenNotSet)
{
    RegisterResources();
    L.doc.m_nCurrentRound = 1;
    CFixture* f = L.doc.FindTeamFixture(1, 2);
    f->m_bPositionRound = 1;
    f->m_nTeamB = 0;
    CBowlingView view;
    view.AttachTo(&L.doc, nullptr);
    view.OnInitialUpdate();
    CScriptedBackend ui;
    ui.OnDialog(IDD_SELECT_ROUND).OK();
    ui.AnswerMessageBox(IDNO, "position round match which has not been set");
    view.OnCmdMsg(ID_FIXTURE_SCORESHEETS_RECAP, CN_COMMAND, nullptr);
    EXPECT_NE(L.doc.m_nDisplayMode, MODE_SCORE_SHEETS);
    EXPECT_TRUE(L.doc.m_listScoreSheetItems.IsEmpty());
}

TEST_F(ScoreSheetLeague, MakeupLanesOverriddenMatchByMatch)
{
    RegisterResources();
    L.doc.m_nCurrentRound = 2;
    L.doc.m_nStartLane = 4;  // offered as 5
    CBowlingView view;
    view.AttachTo(&L.doc, nullptr);
    view.OnInitialUpdate();
    CScriptedBackend ui;
    ui.OnDialog(IDD_SCORESHEET_STYLE).OK();
    ui.AnswerMessageBox(IDYES, "Override Lane Numbers?");
    ui.OnDialog(IDD_MAKEUP_LANE_OVERRIDE).OK();                          // 1 v 2 on 5/6
    ui.OnDialog(IDD_MAKEUP_LANE_OVERRIDE).Click(IDC_MLO_CANCELLED).OK();  // 3 v 4 postponed
    ui.OnDialog(IDD_MAKEUP_LANE_OVERRIDE).Click(IDC_MLO_UP).OK();        // 3 v 1 moved up to 9/10
    ui.OnDialog(IDD_MAKEUP_LANE_OVERRIDE).OK();                          // 4 v 2 on 11/12
    view.OnCmdMsg(ID_FIXTURE_MAKEUP_SCORESHEETS, CN_COMMAND, nullptr);
    EXPECT_EQ(L.doc.m_nDisplayMode, MODE_SCORE_SHEETS);
    std::vector<std::pair<int, int>> sheets;  // (team A, first lane)
    for (POSITION pos = L.doc.m_listScoreSheetItems.GetHeadPosition(); pos;) {
        auto* p = static_cast<CRepItem_ScoreSheet*>(L.doc.m_listScoreSheetItems.GetNext(pos));
        sheets.emplace_back(p->m_pFixture->m_nTeamA, p->m_nLaneOverride);
    }
    EXPECT_EQ(sheets, (std::vector<std::pair<int, int>>{{1, 5}, {3, 9}, {4, 11}}));
}
