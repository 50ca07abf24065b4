// The program as a league secretary uses it, started through the application object with
// every dialog driven through its controls: a new league from nothing to its first round of
// results, the standings, the file, the HTML page and the printed pages; and the sample
// league's weekly sheet.
#include <gtest/gtest.h>

#include "DialogControls.h"
#include "ResultsControlTexts.h"
#include "FileContents.h"
#include "RecordingDC.h"
#include "ScriptedBackend.h"
#include "StartedApp.h"
#include "TempDir.h"
#include "app/BowlingApp.h"
#include "framework/core/File.h"
#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/Player.h"
#include "league/SampleLeague.h"
#include "league/Team.h"
#include "playerdb/PlayerDatabase.h"
#include "resources/CommandIds.h"
#include "resources/Resource.h"
#include "resources/dialogs/AdminDialogs.h"
#include "resources/dialogs/ResultDialogs.h"
#include "resources/dialogs/RulesDialogs.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

UINT Cell(int nSide, int nPos, int nGame)
{
    return (nSide == 0 ? IDC_SS_SCORE_A : IDC_SS_SCORE_B)[nPos] + static_cast<UINT>(nGame);
}

std::vector<CTeam*> Teams(const CBowlingDoc& doc)
{
    std::vector<CTeam*> v;
    for (POSITION pos = doc.m_listTeams.GetHeadPosition(); pos;)
        v.push_back(static_cast<CTeam*>(doc.m_listTeams.GetNext(pos)));
    return v;
}

std::vector<CFixture*> Round(const CBowlingDoc& doc, int nRound)
{
    std::vector<CFixture*> v;
    for (POSITION pos = doc.m_listFixtures.GetHeadPosition(); pos;) {
        auto* f = static_cast<CFixture*>(doc.m_listFixtures.GetNext(pos));
        if (f->m_nRound == nRound && !f->IsBye())
            v.push_back(f);
    }
    return v;
}

// The index of the first text that holds s, or -1.
int IndexOf(const Texts& texts, const std::string& s, int nFrom = 0)
{
    for (int i = std::max(0, nFrom); i < static_cast<int>(texts.size()); ++i)
        if (texts[i].find(s) != std::string::npos)
            return i;
    return -1;
}

// The games of round 1, side A then side B, each bowler of a side bowling the same three
// games. Averages of 153 or less take the maximum handicap of 60 on both sides, so these
// matches are won on scratch; the first match is the one worked by hand below.
struct MatchScores {
    std::array<int, 3> a, b;
};
const MatchScores kRound1[4] = {
    {{200, 200, 200}, {150, 150, 150}},  // A all three games and the series: 9 - 0
    {{150, 150, 120}, {140, 140, 130}},  // A games 1, 2 and the series, B game 3: 7 - 2
    {{150, 120, 120}, {120, 130, 130}},  // A game 1 and the series, B games 2, 3: 5 - 4
    {{150, 150, 130}, {140, 140, 130}},  // A games 1, 2 and the series, game 3 tied: 8 - 1
};
// Whole points each side wins (team points: 2 a game, 3 for the series).
const int kPointsA[4] = {9, 7, 5, 8};
const int kPointsB[4] = {0, 2, 4, 1};

// File > New as the program starts without a file: New League Details, Set Fixture List,
// Fixture Dates, then the handicap details, the handicap points and the standings sequence.
void ScriptNewLeague(CScriptedBackend& ui)
{
    ui.OnDialog(IDD_NEW_LEAGUE)
        .SetText(IDC_NL_LEAGUE_NAME, "Thursday Fours")
        .SetText(IDC_NL_PRESIDENT, "Ann President")
        .SetText(IDC_NL_SECRETARY, "Jo Bloggs")
        .SelectString(IDC_NL_TEAMS, "8 Teams")
        .SelectString(IDC_NL_PLAYERS, "4 Players/Team")
        .SelectString(IDC_NL_GAMES, "3 Game Series")
        .OK();
    ui.AnswerMessageBox(IDYES, "consisting of 8 teams, with each match consisting of 4 playing members, bowling a 3 game");
    ui.OnDialog(IDD_SET_FIXTURE_LIST)
        .SetText(IDC_DATE_DAY, "4")
        .Select(IDC_DATE_MONTH, 8)  // September
        .SetText(IDC_DATE_YEAR, "2025")
        .Focus(IDC_SFL_ROUNDS_PER_INTERVAL)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_DATE_WEEKDAY).text, "Thursday"); })
        .OK();
    ui.OnDialog(IDD_FIXTURE_DATES)
        .Check([](CDialog& d) {
            const Texts items = Items(d, IDC_FD_ROUNDS);
            ASSERT_EQ(items.size(), 7u);
            EXPECT_EQ((Texts{items[0], items[1]}), (Texts{"Rnd 1   Thu 04 Sep 2025 06:00 PM", "Rnd 2   Thu 11 Sep 2025 06:00 PM"}));
        })
        .OK();
    // 90 % of 220, at most 60.
    ui.OnDialog(IDD_HANDICAP_DETAILS)
        .SetText(IDC_HD_PERCENT[0], "90")
        .SetText(IDC_HD_BASIS[0], "220")
        .SetText(IDC_HD_MAX[0], "60")
        .Check([](CDialog& d) {
            if (!Ctl(d, IDC_HD_APPLY_MAX[0]).check)
                d.UserClick(IDC_HD_APPLY_MAX[0]);
        })
        .OK();
    // Team points only: 2 a game, 3 for the series.
    ui.OnDialog(IDD_HANDICAP_SCORING)
        .Check([](CDialog& d) {
            if (!Ctl(d, IDC_SC_TEAM).check)
                d.UserClick(IDC_SC_TEAM);
            if (Ctl(d, IDC_SC_INDIVIDUAL).check)
                d.UserClick(IDC_SC_INDIVIDUAL);
        })
        .SetText(IDC_SC_TEAM_GAME[0], "2").SetText(IDC_SC_TEAM_GAME[1], "2").SetText(IDC_SC_TEAM_GAME[2], "2")
        .SetText(IDC_SC_TEAM_SERIES, "3")
        .Focus(IDC_SC_TEAM_GAME[0])
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_SC_MAX).text, "9"); })
        .OK();
    // Ties broken on handicap pinfall before the second key of the defaults.
    ui.OnDialog(IDD_HANDICAP_STANDINGS_SEQ)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_SEQ_KEY[2]).items[5].text, "Handicap Pinfall"); })
        .Select(IDC_SEQ_KEY[1], 5)
        .Select(IDC_SEQ_KEY[2], 1)
        .OK();
}

// Player > Add a New Player, four bowlers to each team, "Another New Player" ticked until the
// last.
void ScriptBowlers(CScriptedBackend& ui)
{
    for (int t = 1; t <= 8; ++t)
        for (int p = 1; p <= 4; ++p) {
            char team[16], first[16], last[16];
            std::snprintf(team, sizeof team, "Team_%02d", t);
            std::snprintf(first, sizeof first, "B%d", p);
            std::snprintf(last, sizeof last, "Bowler%d", t);
            auto& s = ui.OnDialog(IDD_NEW_PLAYER)
                          .SelectString(IDC_PD_TEAM, team)
                          .SetText(IDC_PD_FORENAME_NEW, first)
                          .SetText(IDC_PD_SURNAME, last);
            if (t < 8 || p < 4)
                s.Click(IDC_PD_ANOTHER);
            s.OK();
        }
}

// The sample league written to path, without a report layout.
void SaveSampleLeague(const std::string& path)
{
    CBowlingDoc doc;
    BuildSampleLeague(doc, GetSampleLeagueShape(FALSE));
    CString strError;
    ASSERT_TRUE(doc.SaveToFile(path.c_str(), strError)) << strError.GetString();
    ASSERT_TRUE(doc.m_listRepForms.IsEmpty());
}

} // namespace

TEST(Walkthrough, ANewLeagueFromNothingToItsFirstRoundOfResultsSavedReopenedAndPrinted)
{
    CScriptedBackend ui;
    TempDir dir;
    ScriptNewLeague(ui);
    Started s({});
    ASSERT_TRUE(s.ok);
    EXPECT_TRUE(ui.AllUsed());
    CBowlingDoc* pDoc = s.Doc();
    ASSERT_NE(pDoc, nullptr);
    EXPECT_EQ(ui.MessageTexts().size(), 1u) << ::testing::PrintToString(ui.MessageTexts());
    EXPECT_EQ(pDoc->m_strLeagueName, "Thursday Fours");
    EXPECT_EQ((std::vector<int>{pDoc->m_nTeams, pDoc->m_nRounds, pDoc->m_HcpRule[HCP_RULE_ALL].m_nPercent,
                                pDoc->m_nMaxHandicapPoints}),
              (std::vector<int>{8, 7, 90, 18}));
    EXPECT_EQ(pDoc->m_dwStandingsKeys & 0xFFF000u, (1u << 20) | (6u << 16) | (2u << 12));

    ScriptBowlers(ui);
    ASSERT_TRUE(s.Run(ID_PLAYER_ADD));
    EXPECT_TRUE(ui.AllUsed());
    ASSERT_EQ(pDoc->m_listPlayers.GetCount(), 32);
    for (CTeam* t : Teams(*pDoc))
        EXPECT_EQ(t->GetOrderCount(), 4) << t->m_strName.GetString();

    // Result > Enter Results, round 1: each match's scores typed into its sheet.
    std::vector<CFixture*> round1 = Round(*pDoc, 1);
    ASSERT_EQ(round1.size(), 4u);
    ui.ClearMessages();
    ui.OnDialog(IDD_SELECT_ROUND).Select(IDC_SELECT_ROUND_LIST, 0).OK();
    for (int m = 0; m < 4; ++m) {
        auto& sheet = ui.OnDialog(IDD_FOURS_SCORESHEET);
        const CString nameA = round1[m]->m_pTeamA->m_strName;
        sheet.Check([nameA](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_SS_TEAM[0]).text, nameA); });
        for (int p = 0; p < 4; ++p)
            for (int g = 0; g < 3; ++g) {
                sheet.SetText(Cell(0, p, g), std::to_string(kRound1[m].a[g]).c_str());
                sheet.SetText(Cell(1, p, g), std::to_string(kRound1[m].b[g]).c_str());
            }
        sheet.Focus(IDOK);
        if (m == 0)
            sheet.Check([](CDialog& d) {
                // Worked by hand: side A's bowlers average 200, a handicap of (220 - 200)
                // x 90 % = 18, so 4 x 218 = 872 a game; side B's average 150 gives 63, cut
                // to the maximum 60: 4 x 210 = 840. A takes the three games and the series.
                EXPECT_EQ(CtlTexts(d, {IDC_SS_HCPTOTAL[0][0], IDC_SS_HCPTOTAL[1][0], IDC_SS_POINTS_HCP[0],
                                       IDC_SS_POINTS_HCP[1]}),
                          (Texts{"872", "840", "9 ", "0 "}));
            });
        sheet.OK();
    }
    ASSERT_TRUE(s.Run(ID_RESULT_ENTER));
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_TRUE(ui.messages.empty()) << ::testing::PrintToString(ui.MessageTexts());

    // The standings: the winners' points in half points, and the order they give.
    std::vector<std::pair<int, std::string>> expected;
    auto checkPoints = [&](int m) {
        EXPECT_EQ((std::vector<int>{round1[m]->m_pTeamA->m_nPointsWon[PASS_HANDICAP],
                                    round1[m]->m_pTeamB->m_nPointsWon[PASS_HANDICAP]}),
                  (std::vector<int>{2 * kPointsA[m], 2 * kPointsB[m]}))
            << m;
    };
    for (int m = 0; m < 4; ++m) {
        checkPoints(m);
        expected.emplace_back(kPointsA[m], round1[m]->m_pTeamA->m_strName.GetString());
        expected.emplace_back(kPointsB[m], round1[m]->m_pTeamB->m_strName.GetString());
    }
    std::sort(expected.begin(), expected.end(), [](auto& x, auto& y) { return x.first > y.first; });
    EXPECT_EQ(pDoc->m_nDisplayMode, DISPLAY_STANDINGS);

    // Print preview: the standings table of the default layout, row by row in that order,
    // each team's name between its place and its points won and lost.
    auto checkStandings = [&](const char* pszWhen) {
        SCOPED_TRACE(pszWhen);
        ui.printedPages.clear();
        ASSERT_TRUE(s.Run(ID_FILE_PRINT_PREVIEW));
        EXPECT_TRUE(ui.lastPrintWasPreview);
        ASSERT_FALSE(ui.printedPages.empty());
        const Texts texts = ui.printedPages[0]->Texts();
        const std::string dump = ui.printedPages[0]->Dump();
        ASSERT_GE(IndexOf(texts, "Handicap Standings after Round 1 of 7 on 04 Sep 25"), 0) << dump;
        int nAt = IndexOf(texts, "Handicap Standings");
        for (size_t i = 0; i < expected.size(); ++i) {
            const auto& [nPoints, name] = expected[i];
            const int n = IndexOf(texts, name, nAt + 1);
            ASSERT_GT(n, 0) << name << "\n" << dump;
            EXPECT_EQ((Texts{texts[n - 1], texts[n + 1], texts[n + 2]}),
                      (Texts{std::to_string(i + 1), std::to_string(nPoints) + " ", std::to_string(9 - nPoints) + " "}))
                << name;
            nAt = n;
        }
        // The hand-worked match's winners: 3 x 872 handicap pins, 3 x 800 scratch.
        const int nFirst = IndexOf(texts, expected[0].second);
        EXPECT_EQ((Texts{texts[nFirst + 4], texts[nFirst + 5]}), (Texts{"2616", "2400"}));
        // The officials above the table, the bowlers below it.
        EXPECT_GE(IndexOf(texts, "Ann President"), 0);
        EXPECT_GT(IndexOf(texts, "B4 Bowler1"), nAt);
    };
    checkStandings("after entry");

    // File > Save As, then File > Open of that file.
    const std::string path = dir.File("Thursday.lgf");
    ui.ChooseFile(path);
    ASSERT_TRUE(s.Run(ID_FILE_SAVE_AS));
    EXPECT_FALSE(pDoc->IsModified());
    EXPECT_EQ(ui.frameTitle, "Thursday.lgf[*] - Torvane");
    ui.ChooseFile(path);
    ASSERT_TRUE(s.Run(ID_FILE_OPEN));
    EXPECT_TRUE(ui.AllUsed());
    pDoc = s.Doc();
    EXPECT_EQ(pDoc->GetPathName(), path);
    EXPECT_EQ(pDoc->m_listRepForms.GetCount(), 1);
    round1 = Round(*pDoc, 1);
    ASSERT_EQ(round1.size(), 4u);
    for (int m = 0; m < 4; ++m) {
        EXPECT_TRUE(round1[m]->m_bPlayed[0] && round1[m]->m_bPlayed[1]);
        for (int p = 0; p < 4; ++p)
            for (int g = 0; g < 3; ++g)
                EXPECT_EQ((std::vector<int>{round1[m]->m_nScore[g][CFixture::SlotOf(0, p)],
                                            round1[m]->m_nScore[g][CFixture::SlotOf(1, p)]}),
                          (std::vector<int>{kRound1[m].a[g], kRound1[m].b[g]}));
        checkPoints(m);
    }
    checkStandings("after reopening");

    // File > HTML > Report: the standings rows with their points, in the same order.
    const std::string html = dir.File("Thursday.htm");
    ui.ChooseFile(html);
    ASSERT_TRUE(s.Run(ID_FILE_HTML_REPORT));
    const std::string page = FileContents(html);
    EXPECT_NE(page.find("<H2>Thursday Fours</H2>"), std::string::npos);
    size_t nAt = page.find("Handicap Standings after Round 1 of 7");
    ASSERT_NE(nAt, std::string::npos) << page;
    for (const auto& [nPoints, name] : expected) {
        const size_t n = page.find(">" + name + "<", nAt);
        ASSERT_NE(n, std::string::npos) << name;
        const size_t won = page.find("<font SIZE=+1>" + std::to_string(nPoints) + " </font>", n);
        EXPECT_EQ(won, page.find("<font SIZE=+1>", n + 1)) << name;
        nAt = n;
    }
    EXPECT_TRUE(ui.messages.empty()) << ::testing::PrintToString(ui.MessageTexts());

    // Result > Display Results by Round, round 1: a card a match, printed.
    ui.OnDialog(IDD_SELECT_ROUND).Select(IDC_SELECT_ROUND_LIST, 0).OK();
    ASSERT_TRUE(s.Run(ID_RESULT_DISPLAY_BY_ROUND));
    ui.printedPages.clear();
    ASSERT_TRUE(s.Run(ID_FILE_PRINT_PREVIEW));
    ASSERT_FALSE(ui.printedPages.empty());
    const Texts cards = ui.printedPages[0]->Texts();
    const std::string cardDump = ui.printedPages[0]->Dump();
    EXPECT_EQ(IndexOf(cards, "Results for Round 1"), 0) << cardDump;
    // The hand-worked match's card: the first bowler of each side with his handicap and his
    // handicap games, the sides' scratch games and handicap rows (4 x 18 and 4 x 60).
    const int nA = IndexOf(cards, round1[0]->m_pTeamA->m_strName.GetString());
    const int nB = IndexOf(cards, round1[0]->m_pTeamB->m_strName.GetString());
    ASSERT_GT(nA, 0) << cardDump;
    ASSERT_GT(nB, nA) << cardDump;
    const int nRowA = IndexOf(cards, "B1 Bowler", nB);
    ASSERT_GT(nRowA, nB) << cardDump;
    EXPECT_EQ((Texts{cards.begin() + nRowA + 1, cards.begin() + nRowA + 10}),
              (Texts{"18", "200 ", "218", "200 ", "218", "200 ", "218", "600", "654"}));
    const int nRowB = IndexOf(cards, "B1 Bowler", nRowA + 1);
    EXPECT_EQ((Texts{cards.begin() + nRowB + 1, cards.begin() + nRowB + 10}),
              (Texts{"60", "150 ", "210", "150 ", "210", "150 ", "210", "450", "630"}));
    const int nHcpRow = IndexOf(cards, "72", nRowB);
    ASSERT_GT(nHcpRow, nRowB) << cardDump;
    EXPECT_EQ(IndexOf(cards, "240", nHcpRow), nHcpRow + 4) << cardDump;
    // The other three matches have their cards too.
    for (int m = 1; m < 4; ++m)
        EXPECT_GT(IndexOf(cards, round1[m]->m_pTeamB->m_strName.GetString()), nB) << m;
}

TEST(Walkthrough, TheSampleLeaguesDefaultReportShowsHeadingOfficialsStandingsAndBowlers)
{
    TempDir dir;
    const std::string path = dir.File("Sample.lgf");
    SaveSampleLeague(path);
    CScriptedBackend ui;
    Started s({path});
    ASSERT_TRUE(s.ok);
    CBowlingDoc* pDoc = s.Doc();
    ASSERT_NE(pDoc, nullptr);
    EXPECT_TRUE(ui.messages.empty()) << ::testing::PrintToString(ui.MessageTexts());
    EXPECT_EQ(pDoc->m_nDisplayMode, DISPLAY_STANDINGS);
    ASSERT_NE(pDoc->m_pCurrentRepForm, nullptr);
    // Opening is not a change.
    EXPECT_FALSE(pDoc->IsModified());

    ASSERT_TRUE(s.Run(ID_FILE_PRINT_PREVIEW));
    ASSERT_FALSE(ui.printedPages.empty());
    const Texts texts = ui.printedPages[0]->Texts();
    const std::string dump = ui.printedPages[0]->Dump();
    const int nHeading = IndexOf(texts, "Calder Valley Monday League");
    const int nPage = IndexOf(texts, "(Page 1/");
    const int nOfficers = IndexOf(texts, "Alan Ashdown");
    const int nSecretary = IndexOf(texts, "Hazel Hallam");
    CString strStandings;
    strStandings.Format("Handicap Standings after Round %d of 21", pDoc->m_nCurrentRound);
    const int nStandings = IndexOf(texts, strStandings.GetString());
    const int nTeam = IndexOf(texts, "Pin Pals", nStandings);
    const int nBowlers = IndexOf(texts, "Avg", nTeam);
    ASSERT_GE(nHeading, 0) << dump;
    // heading, page, officers and secretary, standings, a team, the bowlers: in that order
    const std::pair<int, int> order[] = {{nPage, nHeading}, {nOfficers, nPage},      {nSecretary, nPage},
                                         {nStandings, nOfficers}, {nTeam, nStandings}, {nBowlers, nTeam}};
    for (const auto& [later, earlier] : order)
        EXPECT_GT(later, earlier) << dump;
    // The standings hold every team once.
    for (CTeam* t : Teams(*pDoc))
        EXPECT_GE(IndexOf(texts, t->m_strName.GetString(), nStandings), 0) << t->m_strName.GetString();
    // Opened again, the layout is the one the program gave it.
    EXPECT_EQ(pDoc->m_listRepForms.GetCount(), 1);
}

TEST(Walkthrough, ThePlayerDatabaseIsClosedWhilePagesPrintAndOpenAfterwards)
{
    CScriptedBackend ui;
    ui.OnDialog(IDD_NEW_LEAGUE).Cancel();
    Started s({});
    ASSERT_TRUE(s.ok);
    CBowlingDoc* pDoc = s.Doc();
    ASSERT_NE(pDoc->m_pPlayerDb, nullptr);
    ASSERT_TRUE(pDoc->PlayerDbReady()) << pDoc->m_pPlayerDb->GetErrorText().GetString();
    CView* pView = s.app.m_pMainWnd->GetActiveView();
    ASSERT_NE(pView, nullptr);

    CRecordingDC dc(true);
    CPrintInfo info;
    ASSERT_TRUE(pView->OnPreparePrinting(&info));
    std::vector<bool> open;
    pView->OnBeginPrinting(&dc, &info);
    open.push_back(pDoc->m_pPlayerDb->IsOpen());
    pView->OnPrint(&dc, &info);
    open.push_back(pDoc->m_pPlayerDb->IsOpen());
    pView->OnEndPrinting(&dc, &info);
    open.push_back(pDoc->m_pPlayerDb->IsOpen());
    EXPECT_EQ(open, (std::vector<bool>{false, false, true}));

    // Through File > Print: the bowler written before printing is found after it.
    CPlayer player(1);
    player.m_strFirstName = "Ada", player.m_strSurname = "Lane";
    ASSERT_EQ(pDoc->PutDbasePlayer(&player), 0);
    ASSERT_TRUE(s.Run(ID_FILE_PRINT));
    EXPECT_EQ(ui.printRuns, 1);
    EXPECT_EQ((std::vector<bool>{ui.lastPrintWasPreview, pDoc->m_pPlayerDb->IsOpen() != FALSE}), (std::vector<bool>{false, true}));
    EXPECT_EQ(pDoc->FindDbasePlayer(player.m_dwDbKey), 0);

    // A database that was never open is left alone, and nothing is said.
    pDoc->m_pPlayerDb->Close();
    ASSERT_TRUE(s.Run(ID_FILE_PRINT_PREVIEW));
    EXPECT_FALSE(pDoc->m_pPlayerDb->IsOpen());
    EXPECT_TRUE(ui.messages.empty()) << ::testing::PrintToString(ui.MessageTexts());
}

TEST(Walkthrough, FileNewOverAChangedLeagueOffersToSaveItFirst)
{
    TempDir dir;
    const std::string path = dir.File("Sample.lgf");
    SaveSampleLeague(path);
    CScriptedBackend ui;
    Started s({path});
    ASSERT_TRUE(s.ok);
    CBowlingDoc* pDoc = s.Doc();
    pDoc->m_strLeagueName = "Renamed but not saved";
    pDoc->SetModifiedFlag();

    // Cancel at the save question leaves the league as it was.
    ui.AnswerMessageBox(IDYES, "Do you really want to start a new league?");
    ui.AnswerMessageBox(IDCANCEL, "Sample.lgf?");
    ASSERT_TRUE(s.Run(ID_FILE_NEW));
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_EQ((Texts{pDoc->m_strLeagueName.str(), pDoc->GetPathName().str()}), (Texts{"Renamed but not saved", path}));
    EXPECT_TRUE(pDoc->IsModified());

    // Yes saves it under its own name before the new league starts.
    ui.AnswerMessageBox(IDYES, "Do you really want to start a new league?");
    ui.AnswerMessageBox(IDYES, "Sample.lgf?");
    ui.AnswerMessageBox(IDNO, "Do you want to base the new league on the old league setup?");
    ui.OnDialog(IDD_NEW_LEAGUE).Cancel();
    ASSERT_TRUE(s.Run(ID_FILE_NEW));
    // The new league has no name of its own yet: File > Save, menu or Ctrl+S, does nothing.
    EXPECT_FALSE(s.app.m_pMainWnd->IsCommandEnabled(ID_FILE_SAVE));
    EXPECT_FALSE(s.Run(ID_FILE_SAVE));
    CBowlingDoc saved;
    CString strError;
    ASSERT_TRUE(saved.LoadFromFile(path.c_str(), strError)) << strError.GetString();
    EXPECT_EQ(saved.m_strLeagueName, "Renamed but not saved");
}
