// The next season made from the sample league: what it keeps, what it clears, the teams chosen
// again in a new order and the entering averages the season just ended gives every bowler.
#include "../league/WorkedLeague.h"
#include "AdminChecks.h"
#include "AdminTest.h"
#include "FileContents.h"
#include "NextSeason.h"
#include "ReloadedLeague.h"
#include "TempDir.h"
#include "admin/PlayerSetup.h"
#include "league/Accounts.h"
#include "league/Player.h"
#include "league/SampleLeague.h"
#include "resources/CommandIds.h"

#include <map>
#include <string>
#include <tuple>

namespace {

struct Before {
    std::map<std::string, std::pair<int, int>> teamOf; // bowler -> old team, games of the set used
    std::map<std::string, int> entering;               // the expected entering average
};

std::vector<CPlayer*> Players(const CBowlingDoc& doc)
{
    std::vector<CPlayer*> v;
    for (POSITION pos = doc.m_listPlayers.GetHeadPosition(); pos;)
        v.push_back(static_cast<CPlayer*>(doc.m_listPlayers.GetNext(pos)));
    return v;
}

// What the new details may touch in a team.
using TeamState = std::tuple<const CTeam*, std::string, WORD, const CBowlingDoc*, DWORD, DWORD, DWORD, BYTE>;
std::vector<TeamState> TeamStates(const CBowlingDoc& doc)
{
    std::vector<TeamState> v;
    for (const CTeam* t : Teams(doc))
        v.emplace_back(t, t->m_strName.GetString(), t->m_nTeamNo, t->m_pDoc, t->m_bRemoved, t->m_bOmitHiTeamStats,
                       t->m_bOmitStandings, t->m_nVacancyStartRound);
    return v;
}

} // namespace

class NewSeasonTest : public ::testing::Test
{
protected:
    void SetUp() override { SetUpAdmin(); }
};

TEST_F(NewSeasonTest, TheNextSeasonKeepsTheLeagueAndItsBowlersAndStartsAFreshSchedule)
{
    CScriptedBackend ui;
    CBowlingDoc doc;
    BuildSampleLeague(doc, GetSampleLeagueShape(FALSE));
    doc.SetPathName("/leagues/Thursday.lgf", FALSE);
    doc.SetModifiedFlag(FALSE);
    doc.m_nQualifyingPct[0] = 48; // 21 rounds x 3 games: 30 games to qualify
    doc.m_nHcpMinGames = 29;       // the fewest any bowler has: no entering average
    doc.m_nSecretaryTeam = 3;
    doc.m_nTreasurerTeam = 8;
    const CString strOldTitle = doc.m_strLeagueName;
    const int nVenues = static_cast<int>(doc.m_listVenues.GetCount());
    doc.m_HcpRule[0].m_nPercent = 90;
    // The league scores scratch too, and old team 3's first match was marked for handicap only:
    // its bowlers have more handicap games than scratch games, the others as many of each.
    doc.m_bScratchLeague = 1;
    CTeam* pOld3 = doc.FindTeam(3);
    doc.FindFixtureForTeam(3, 1)->m_bOneSystem = 1;
    doc.Recalculate(); // to round 11, the first without results: every game of the season

    std::vector<CPlayer*> before = Players(doc);
    std::map<std::string, WORD> oldTeam;
    std::map<std::string, WORD> expected;
    std::map<std::string, DWORD> shortSeason;
    int nAtMinimum = 0, nOneMore = 0;
    for (CPlayer* p : before) {
        oldTeam[p->m_strName.GetString()] = p->m_nTeamNo;
        const int nSet = p->m_nGames[1] > p->m_nGames[0] ? 1 : 0;
        expected[p->m_strName.GetString()] =
            p->m_nGames[nSet] > 29 ? static_cast<WORD>(p->m_nPins[nSet] * 10 / p->m_nGames[nSet]) : 0;
        shortSeason[p->m_strName.GetString()] = p->m_nGames[nSet] < 30 ? 1 : 0;
        if (p->m_nTeamNo >= 1 && p->m_nTeamNo <= 6 && !p->IsRobot()) {
            nAtMinimum += p->m_nGames[nSet] == 29;
            nOneMore += p->m_nGames[nSet] == 30;
        }
    }
    // The bowler who sat out a game as a blind and the one a substitute stood in for.
    EXPECT_EQ(Nums(nAtMinimum, nOneMore), Nums(2, 22));
    const CPlayer* pHcp = doc.FindPlayer(pOld3->GetOrderAt(0));
    ASSERT_EQ(Nums(pHcp->m_nGames[PASS_SCRATCH], pHcp->m_nGames[PASS_HANDICAP]), Nums(27, 30));
    EXPECT_NE(pHcp->m_nPins[PASS_SCRATCH], pHcp->m_nPins[PASS_HANDICAP]);
    const CString strCaptain3 = doc.FindPlayer(pOld3->m_nCaptain)->m_strName;

    ui.AnswerMessageBox(IDYES, "Do you really want to start a new league?");
    ui.AnswerMessageBox(IDYES, "Do you want to base the new league on the old league setup?");
    ui.OnDialog(IDD_NEW_LEAGUE_SETUP).OK();
    ui.OnDialog(IDD_NEW_LEAGUE)
        .Check([&](CDialog& d) {
            EXPECT_EQ(TextsOf(d, {IDC_NL_LEAGUE_NAME, IDC_NL_TEAMS, IDC_NL_PLAYERS, IDC_NL_GAMES}),
                      (std::vector<std::string>{strOldTitle.GetString(), "8 Teams", "4 Players/Team", "3 Game Series"}));
            EXPECT_EQ(Ctl(d, IDC_NL_HANDICAP).check, 1);
        })
        .SetText(IDC_NL_LEAGUE_NAME, "Thursday Triples 2026").SelectString(IDC_NL_TEAMS, "6 Teams")
        .SelectString(IDC_NL_PLAYERS, "3 Players/Team")
        .OK();
    ui.OnDialog(IDD_NEW_LEAGUE_TEAMS)
        .Check([](CDialog& d) {
            EXPECT_EQ(Items(d, IDC_NLT_AVAILABLE).size(), 8u);
            EXPECT_FALSE(Ctl(d, IDC_NLT_MOVE).enabled);
        })
        .OK() // none chosen yet
        .Select(IDC_NLT_AVAILABLE, 2) // old team 3 first
        .Click(IDC_NLT_MOVE).Select(IDC_NLT_AVAILABLE, 0).Click(IDC_NLT_MOVE).Select(IDC_NLT_AVAILABLE, 0)
        .Click(IDC_NLT_MOVE).Select(IDC_NLT_AVAILABLE, 0).DblClk(IDC_NLT_AVAILABLE, 0)
        .Select(IDC_NLT_AVAILABLE, 0).Click(IDC_NLT_MOVE).Select(IDC_NLT_AVAILABLE, 0).Click(IDC_NLT_MOVE)
        .Select(IDC_NLT_AVAILABLE, 0)
        .Check([](CDialog& d) {
            EXPECT_EQ(Nums(Items(d, IDC_NLT_ORDER).size(), Items(d, IDC_NLT_AVAILABLE).size()), Nums(6, 2));
            EXPECT_FALSE(Ctl(d, IDC_NLT_MOVE).enabled); // six is all the new league takes
        })
        .OK();
    ui.AnswerMessageBox(IDOK, "Not enough teams yet!");
    ui.OnDialog(IDD_SET_FIXTURE_LIST).SetText(IDC_DATE_DAY, "7").Select(IDC_DATE_MONTH, 8).SetText(IDC_DATE_YEAR, "2026")
        .Select(IDC_SFL_MATCHES, 1).OK(); // 10 rounds
    ui.AnswerMessageBox(IDYES, "Retain old Income Items?");
    ui.AnswerMessageBox(IDNO, "Retain old Expense Items?");
    ui.AnswerMessageBox(IDYES, "Retain old 'weekly payments' Items?");
    ASSERT_TRUE(doc.OnCmdMsg(ID_FILE_NEW, CN_COMMAND, nullptr));

    // Kept: details, rules, venues, the money headings the secretary kept.
    EXPECT_EQ(Strs(doc.m_strLeagueName, doc.GetPathName()),
              (std::vector<std::string>{"Thursday Triples 2026", "/leagues/NewLeage.lgf"}));
    EXPECT_EQ(Nums(doc.m_HcpRule[0].m_nPercent, doc.m_listVenues.GetCount(), doc.m_listIncomeTypes.GetCount(),
                   doc.m_listPaymentItems.GetCount()),
              Nums(90, nVenues, 1, 1));
    // Cleared: the season's results, awards, posted money and the old expense headings.
    EXPECT_EQ(Nums(doc.m_listAwardData.GetCount(), doc.m_listAccountItems.GetCount(), doc.m_listExpenseTypes.GetCount(),
                   doc.m_nTeams, doc.m_nPlayersPerTeam, doc.m_nRounds, Fixtures(doc).size(), doc.m_nCurrentRound,
                   doc.m_bSetupInProgress, doc.m_bNewLeague),
              Nums(0, 0, 0, 6, 3, 10, 30, 1, 0, 1));
    // Every round of the season that ended was at Calder Valley: so is every round of the new one.
    for (CFixture* f : Fixtures(doc))
        EXPECT_EQ(Nums(f->m_bPlayed[0], f->m_bPlayed[1], f->m_nVenue), Nums(0, 0, 1));
    EXPECT_EQ(Weeks(doc)[0]->m_time, At(2026, 9, 7));
    EXPECT_GT(doc.m_nMaxHandicapPoints, 0);
    EXPECT_TRUE(doc.IsModified());

    // Teams in the order chosen, numbered afresh; teams 7 and 8 are gone with their bowlers,
    // and so are the bowlers without a team.
    auto teams = Teams(doc);
    ASSERT_EQ(teams.size(), 6u);
    EXPECT_EQ(teams[0], pOld3);
    EXPECT_EQ(doc.FindPlayer(teams[0]->m_nCaptain)->m_strName, strCaptain3);
    // The treasurer's team was left out.
    EXPECT_EQ(Nums(teams[0]->m_nTeamNo, doc.m_nSecretaryTeam, doc.m_nTreasurerTeam), Nums(1, 1, 0));
    const auto players = Players(doc);
    for (size_t i = 0; i < players.size(); ++i) {
        CPlayer* p = players[i];
        const std::string name = p->m_strName.GetString();
        EXPECT_TRUE(oldTeam[name] >= 1 && oldTeam[name] <= 6) << name << " " << oldTeam[name];
        EXPECT_EQ(Nums(p->m_nPlayerNo, p->m_nEnteringAvg, p->m_bShortSeason),
                  Nums(i + 1, expected[name], shortSeason[name]))
            << name;
    }
    // Every place in every team order names a bowler of that team.
    size_t nInOrders = 0;
    for (CTeam* t : teams)
        for (int i = 0; i < t->GetOrderCount(); ++i, ++nInOrders)
            EXPECT_EQ(doc.FindPlayer(t->GetOrderAt(i))->m_nTeamNo, t->m_nTeamNo);
    EXPECT_EQ(nInOrders, players.size());
}

TEST_F(NewSeasonTest, GrowingAddsNumberedTeamsAndCancellingTheTeamsLeavesTheSchedule)
{
    CScriptedBackend ui;
    CBowlingDoc doc;
    MakeLeague(doc, 8, 7, At(2025, 9, 2));
    EnterResult(Fixtures(doc, 1)[0]);
    doc.SetModifiedFlag(FALSE);
    ui.AnswerMessageBox(IDYES, "Do you really want to start a new league?");
    ui.AnswerMessageBox(IDYES, "Do you want to base the new league on the old league setup?");
    ui.OnDialog(IDD_NEW_LEAGUE_SETUP).OK();
    ui.OnDialog(IDD_NEW_LEAGUE).SelectString(IDC_NL_TEAMS, "10 Teams").OK();
    ui.OnDialog(IDD_NEW_LEAGUE_TEAMS)
        .Check([](CDialog& d) {
            const auto names = Items(d, IDC_NLT_AVAILABLE);
            ASSERT_EQ(names.size(), 10u);
            EXPECT_EQ(std::vector<std::string>(names.begin() + 8, names.end()),
                      (std::vector<std::string>{"Team0009", "Team0010"}));
        })
        .Cancel();
    doc.OnFileNew();
    EXPECT_TRUE(ui.AllUsed());
    // The teams offered for the new league go again with the choice.
    EXPECT_EQ(Nums(doc.m_listTeams.GetCount(), doc.m_nTeams, Fixtures(doc).size(), doc.m_bSetupInProgress, doc.IsModified()),
              Nums(8, 8, 28, 0, 0));
    EXPECT_TRUE(Fixtures(doc, 1)[0]->m_bPlayed[0]);

    // Cancelling the notice changes nothing at all.
    doc.SetModifiedFlag();
    ui.AnswerMessageBox(IDYES, "Do you really want to start a new league?");
    ui.AnswerMessageBox(IDNO, "Save changes to");
    ui.AnswerMessageBox(IDYES, "Do you want to base the new league on the old league setup?");
    ui.OnDialog(IDD_NEW_LEAGUE_SETUP).Cancel();
    doc.OnFileNew();
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_EQ(Nums(doc.m_nTeams, Fixtures(doc).size()), Nums(8, 28));
}

TEST_F(NewSeasonTest, CancellingTheTeamsLeavesTheLeagueAsItWasSaved)
{
    TempDir dir;
    const std::string strFile = dir.File("Thursday.lgf");
    CScriptedBackend ui;
    CBowlingDoc doc;
    BuildSampleLeague(doc, GetSampleLeagueShape(FALSE));
    // Two teams dropped after round 10, and a vacancy team: flags the new details clear.
    const std::string strDrop1 = Teams(doc)[2]->m_strName.GetString(), strDrop2 = Teams(doc)[4]->m_strName.GetString();
    ui.OnDialog(IDD_NEW_SCHEDULE_RULE).OK();
    ui.OnDialog(IDD_CONTRACT_LEAGUE).SetText(IDC_LSZ_START_ROUND, "11").SelectString(IDC_LSZ_DROP1, strDrop1.c_str())
        .SelectString(IDC_LSZ_DROP2, strDrop2.c_str()).OK();
    ASSERT_TRUE(doc.OnCmdMsg(ID_FIXTURE_REDUCE_LEAGUE_SIZE, CN_COMMAND, nullptr));
    ASSERT_EQ(Nums(doc.m_nTeams, doc.m_nExtraTeams, doc.m_listTeams.GetCount()), Nums(6, 2, 8));
    ASSERT_TRUE(doc.IsLeagueSetUp());
    Teams(doc)[1]->m_bOmitStandings = 1;
    Teams(doc)[1]->m_nVacancyStartRound = 4;
    doc.SetPathName(strFile.c_str(), FALSE);
    ASSERT_TRUE(doc.OnCmdMsg(ID_FILE_SAVE, CN_COMMAND, nullptr));
    const std::string strSaved = FileContents(strFile);
    ASSERT_FALSE(strSaved.empty());
    const CLeagueSettings settings = doc;
    const auto teams = TeamStates(doc);
    const std::string strOldName = doc.m_strLeagueName.GetString();

    ui.AnswerMessageBox(IDYES, "Do you really want to start a new league?");
    ui.AnswerMessageBox(IDYES, "Do you want to base the new league on the old league setup?");
    ui.OnDialog(IDD_NEW_LEAGUE_SETUP).OK();
    ui.OnDialog(IDD_NEW_LEAGUE)
        .SetText(IDC_NL_LEAGUE_NAME, "Thursday 2027").SetText(IDC_NL_SECRETARY, "A. Newcomer")
        .SelectString(IDC_NL_GAMES, "1 Game Series").SelectString(IDC_NL_TEAMS, "10 Teams")
        .SelectString(IDC_NL_PLAYERS, "3 Players/Team").Click(IDC_NL_SCRATCH).Click(IDC_NL_PRIVACY)
        .OK();
    ui.OnDialog(IDD_NEW_LEAGUE_TEAMS)
        .Check([](CDialog& d) { EXPECT_EQ(Items(d, IDC_NLT_AVAILABLE).back(), "Team0010"); })
        .Select(IDC_NLT_AVAILABLE, 8).Click(IDC_NLT_MOVE)
        .Cancel();
    ASSERT_TRUE(doc.OnCmdMsg(ID_FILE_NEW, CN_COMMAND, nullptr));
    EXPECT_TRUE(ui.AllUsed());

    EXPECT_EQ(Strs(doc.m_strLeagueName, doc.GetPathName(), doc.GetTitle()),
              (std::vector<std::string>{strOldName, strFile, "Thursday.lgf"}));
    EXPECT_EQ(Nums(doc.m_nGamesPerMatch, doc.m_nTeams, doc.m_nExtraTeams, doc.m_bSetupInProgress, doc.m_bNewLeague,
                   doc.IsModified()),
              Nums(3, 6, 2, 0, 0, 0));
    EXPECT_TRUE(static_cast<const CLeagueSettings&>(doc) == settings);
    EXPECT_EQ(TeamStates(doc), teams);

    // File > Save is offered again and writes the league the secretary had.
    CCmdUI save;
    doc.OnCmdMsg(ID_FILE_SAVE, CN_UPDATE_COMMAND_UI, &save);
    EXPECT_TRUE(save.m_bEnabled);
    std::filesystem::remove(strFile);
    ASSERT_TRUE(doc.OnCmdMsg(ID_FILE_SAVE, CN_COMMAND, nullptr));
    EXPECT_TRUE(FileContents(strFile) == strSaved);
}

TEST_F(NewSeasonTest, ChangingTheMindBeforeTheNewDetailsKeepsTheOldLeagueUnderItsName)
{
    CScriptedBackend ui;
    CBowlingDoc doc;
    MakeLeague(doc, 6, 5, At(2025, 9, 2));
    doc.SetPathName("/leagues/trios.lgf", FALSE);
    enum Cancelled { NOTICE, DETAILS, TEAMS };
    struct Case {
        BOOL bModified;
        Cancelled at;
    };
    for (const Case c : {Case{TRUE, DETAILS}, Case{FALSE, NOTICE}, Case{TRUE, TEAMS}, Case{FALSE, TEAMS}}) {
        doc.SetModifiedFlag(c.bModified);
        ui.AnswerMessageBox(IDYES, "Do you really want to start a new league?");
        if (c.bModified)
            ui.AnswerMessageBox(IDNO, "Save changes to");
        ui.AnswerMessageBox(IDYES, "Do you want to base the new league on the old league setup?");
        if (c.at == NOTICE) {
            ui.OnDialog(IDD_NEW_LEAGUE_SETUP).Cancel();
        } else {
            ui.OnDialog(IDD_NEW_LEAGUE_SETUP).OK();
            auto& details = ui.OnDialog(IDD_NEW_LEAGUE).SetText(IDC_NL_LEAGUE_NAME, "Changed");
            if (c.at == DETAILS) {
                details.Cancel();
            } else {
                details.SelectString(IDC_NL_GAMES, "1 Game Series").OK();
                ui.OnDialog(IDD_NEW_LEAGUE_TEAMS).Cancel();
            }
        }
        doc.OnFileNew();
        EXPECT_TRUE(ui.AllUsed());
        EXPECT_EQ(Strs(doc.GetPathName(), doc.GetTitle()),
                  (std::vector<std::string>{"/leagues/trios.lgf", "trios.lgf"}));
        // Changes the secretary chose not to save are still there to be saved.
        EXPECT_EQ(Nums(doc.m_bNewLeague, doc.IsModified(), doc.m_listFixtures.GetCount(), doc.m_nGamesPerMatch),
                  Nums(0, c.bModified, 15, 3));
        EXPECT_NE(doc.m_strLeagueName, "Changed");
    }
}

// The next season made with a minimum of games that two bowlers of the sample missed (one sat
// out a game as a blind, the other had a game bowled by a substitute): they start without an
// entering average, and Player > Entering Averages offers each the average of the games he
// bowled, for the secretary to accept or change. Every bowler keeps the games and pins of the
// season that ended, in the league file too.
TEST_F(NewSeasonTest, BowlersShortOfTheMinimumGamesAreOfferedTheAverageOfTheirShortSeason)
{
    // The player commands, without the bowlers Add extra Teams would ask for in later tests.
    PlayerSetup::Install();
    LeagueSetup::pfnAddNewPlayer = nullptr;
    CBowlingDoc doc;
    BuildSampleLeague(doc, GetSampleLeagueShape(FALSE));
    const SeasonFigures before = FiguresOfTheSeason(doc);
    DWORD nFewest = 0xFFFFFFFF;
    for (const CPlayer* p : Players(doc))
        if (p->m_nTeamNo != 0 && !p->IsRobot())
            nFewest = std::min(nFewest, before.at(p->m_strName.GetString()).first);
    doc.m_nHcpMinGames = static_cast<WORD>(nFewest);

    MakeNextSeason(doc);
    ASSERT_EQ(Nums(doc.m_nRounds, doc.m_nCurrentRound), Nums(7, 1));
    std::vector<CPlayer*> shorts;
    for (CPlayer* p : Players(doc)) {
        const std::string name = p->m_strName.GetString();
        const auto [nGames, nPins] = before.at(name);
        EXPECT_EQ(Nums(p->m_nEnteringGames, p->m_nEnteringPins), Nums(nGames, nPins)) << name;
        if (p->IsRobot())
            continue;
        if (nGames == nFewest)
            shorts.push_back(p);
        else
            EXPECT_EQ(p->m_nEnteringAvg, nPins * 10 / nGames) << name;
    }
    ASSERT_EQ(shorts.size(), 2u);
    EXPECT_EQ(Nums(nFewest, shorts[0]->m_nEnteringAvg, shorts[1]->m_nEnteringAvg, shorts[0]->m_bShortSeason),
              Nums(29, 0, 0, 1));

    // Each is offered his games, pins and their average.
    auto offered = [&before](const CPlayer* p) {
        const auto [nGames, nPins] = before.at(p->m_strName.GetString());
        const long nTenths = static_cast<long>(nPins * 10 / nGames);
        CString strAverage;
        strAverage.Format("%3ld.%ld", nTenths / 10, nTenths % 10);
        return std::vector<std::string>{(p->m_strFirstName + " " + p->m_strSurname).GetString(),
                                        std::to_string(nGames), std::to_string(nPins), strAverage.GetString(),
                                        strAverage.GetString()};
    };
    auto shown = [](CDialog& d) {
        return TextsOf(d, {IDC_SEA_NAME, IDC_SEA_GAMES, IDC_SEA_PINS, IDC_SEA_AVERAGE, IDC_SEA_ENTERING});
    };
    CScriptedBackend ui;
    ui.OnDialog(IDD_SET_ENTERING_AVERAGE)
        .Check([&](CDialog& d) { EXPECT_EQ(shown(d), offered(shorts[0])); })
        .OK();
    ui.OnDialog(IDD_SET_ENTERING_AVERAGE)
        .Check([&](CDialog& d) { EXPECT_EQ(shown(d), offered(shorts[1])); })
        .Cancel(); // Ignore
    ASSERT_TRUE(doc.OnCmdMsg(ID_PLAYER_ENTERING_AVERAGES, CN_COMMAND, nullptr));
    EXPECT_TRUE(ui.AllUsed());
    const auto [nGames0, nPins0] = before.at(shorts[0]->m_strName.GetString());
    EXPECT_EQ(Nums(shorts[0]->m_nEnteringAvg, shorts[0]->m_nCurEnteringAvg, shorts[1]->m_nEnteringAvg),
              Nums(nPins0 * 10 / nGames0, nPins0 * 10 / nGames0, 0));

    // The one ignored is offered again, and the secretary gives him another average.
    ui.OnDialog(IDD_SET_ENTERING_AVERAGE)
        .Check([&](CDialog& d) { EXPECT_EQ(shown(d), offered(shorts[1])); })
        .SetText(IDC_SEA_ENTERING, "150").OK();
    ASSERT_TRUE(doc.OnCmdMsg(ID_PLAYER_ENTERING_AVERAGES, CN_COMMAND, nullptr));
    ui.AnswerMessageBox(IDOK, "All players have an entering average.");
    ASSERT_TRUE(doc.OnCmdMsg(ID_PLAYER_ENTERING_AVERAGES, CN_COMMAND, nullptr));
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_EQ(shorts[1]->m_nEnteringAvg, 1500);

    // What the league file keeps.
    CBowlingDoc reloaded;
    ASSERT_TRUE(Reload(doc, reloaded));
    for (const CPlayer* p : Players(reloaded)) {
        const std::string name = p->m_strName.GetString();
        EXPECT_EQ(Nums(p->m_nEnteringGames, p->m_nEnteringPins), Nums(before.at(name).first, before.at(name).second))
            << name;
    }
}

// A season longer than the league file's 16-bit counts hold: two singles teams bowl four games
// a week for 75 weeks, every game 220, so each bowler ends with 300 games and 66,000 pins. The
// entering average is 220.0, kept as 290 games and 63,800 pins, as many as fit at that average.
TEST_F(NewSeasonTest, ASeasonPastTheFilesCountsKeepsItsAverage)
{
    WorkedLeague L(2, 1, 4, 75);
    for (int r = 1; r <= 75; ++r)
        L.EnterRound(r, {}, {}, 220);
    ASSERT_EQ(Nums(L.Player(11)->m_nGames[PASS_HANDICAP], L.Player(11)->m_nPins[PASS_HANDICAP]), Nums(300, 66000));
    MakeNextSeason(L.doc, 2);
    for (const CPlayer* p : Players(L.doc))
        EXPECT_EQ(Nums(p->m_nEnteringAvg, p->m_nEnteringGames, p->m_nEnteringPins), Nums(2200, 290, 63800))
            << p->m_strName.GetString();
}

namespace {

// A secretary's first league, with File > New's rules (handicap 80 % of 200, no minimum games):
// four trios teams, three games, six rounds. The bowler of team t at place p bowls
// 100 + 10 t + 5 p + 4 r + g in game g (from 0) of round r; Bowler 11 sits out game 3 of round 4,
// scored blind, which is not his game.
//   Bowler 11: 115 + 4 r + g. Round 1: 119 + 120 + 121 = 360 pins, 120.0. The season: 2,340 pins
//   in 18 games, less the 133 of the blind game: 2,207 pins in 17 games, 129.8.
int Score(int nTeam, int nPlace, int nRound, int nGame)
{
    return 100 + 10 * nTeam + 5 * nPlace + 4 * nRound + nGame;
}

std::map<int, Lineup> RoundScores(int nRound)
{
    std::map<int, Lineup> scores;
    for (int t = 1; t <= 4; ++t)
        for (int p = 1; p <= 3; ++p)
            scores[t].push_back({Score(t, p, nRound, 0), Score(t, p, nRound, 1), Score(t, p, nRound, 2)});
    return scores;
}

void BlindInRound4(CScriptedBackend& ui, Sheet& sheet, CFixture* f)
{
    if (f->m_nRound != 4 || (f->m_nTeamA != 1 && f->m_nTeamB != 1))
        return;
    sheet.Click(IDC_SS_BLINDS[WorkedLeague::SideOf(f, 1)]);
    ui.OnDialog(IDD_THREES_BLIND_SCORES).Click(IDC_BLIND_BOX[0][2]).OK();
}

// Each bowler's games and pins of the whole season, from the scores typed.
// The bowler of that name ("Bowler 11"): the next season numbers the bowlers afresh.
const CPlayer* Named(const CBowlingDoc& doc, int nNumber)
{
    for (const CPlayer* p : Players(doc))
        if (p->m_strName == (CString("Bowler ") + std::to_string(nNumber).c_str()))
            return p;
    return nullptr;
}

std::map<int, std::pair<int, int>> SeasonTyped()
{
    std::map<int, std::pair<int, int>> season;
    for (int t = 1; t <= 4; ++t)
        for (int p = 1; p <= 3; ++p) {
            auto& [nGames, nPins] = season[10 * t + p];
            for (int r = 1; r <= 6; ++r)
                for (int g = 0; g < 3; ++g)
                    if (!(t == 1 && p == 1 && r == 4 && g == 2))
                        ++nGames, nPins += Score(t, p, r, g);
        }
    return season;
}

enum class Road {
    EnterResultsOnly, // Result > Enter Results for each round in turn: the current round stays 1
    RoundByRound      // Set Current Round each week first: the current round ends on the last
};

void TypeTheSeason(WorkedLeague& L, Road road)
{
    for (int r = 1; r <= 6; ++r) {
        if (road == Road::RoundByRound) {
            L.EnterRound(r, RoundScores(r), BlindInRound4);
            continue;
        }
        CScriptedBackend ui;
        // The list offers the rounds without results, the first chosen.
        ui.OnDialog(IDD_SELECT_ROUND)
            .Check([r](CDialog& d) {
                const CControlState& list = Ctl(d, IDC_SELECT_ROUND_LIST);
                ASSERT_EQ(list.curSel, 0);
                EXPECT_EQ(list.items[0].data, static_cast<DWORD_PTR>(r));
            })
            .OK();
        L.QueueSheets(ui, r, RoundScores(r), BlindInRound4);
        OnResultEnterResults(L.doc);
        EXPECT_TRUE(ui.AllUsed()) << "round " << r;
        L.TakeMessages(ui, "round " + std::to_string(r));
    }
    L.doc.SetModifiedFlag(FALSE);
}

} // namespace

// The next season starts each bowler on every game he bowled in the season that ends, whichever
// round the secretary left current: Bowler 11 on 129.8 (his handicap (200 - 129) x 80 % = 56),
// not on the 120.0 of round 1. Cancelling the choice of teams first leaves the league at its
// current round with its figures there.
TEST_F(NewSeasonTest, EachBowlerStartsOnTheWholeSeasonWhateverTheCurrentRound)
{
    const auto season = SeasonTyped();
    ASSERT_EQ(season.at(11), std::make_pair(17, 2207));
    for (const Road road : {Road::EnterResultsOnly, Road::RoundByRound}) {
        SCOPED_TRACE(road == Road::EnterResultsOnly ? "Enter Results only" : "round by round");
        WorkedLeague L(4, 3, 3, 6);
        TypeTheSeason(L, road);
        const int nCurrent = road == Road::EnterResultsOnly ? 1 : 6;
        ASSERT_EQ(L.doc.m_nCurrentRound, nCurrent);
        auto figuresOf11 = [&L] {
            const CPlayer* p = L.Player(11);
            return Nums(L.doc.m_nCurrentRound, p->m_nGames[PASS_HANDICAP], p->m_nPins[PASS_HANDICAP], p->m_nAverage,
                        L.doc.IsModified());
        };
        const auto before = figuresOf11();
        EXPECT_EQ(before, road == Road::EnterResultsOnly ? Nums(1, 3, 360, 120, 0) : Nums(6, 17, 2207, 129, 0));

        CScriptedBackend ui;
        ui.AnswerMessageBox(IDYES, "Do you really want to start a new league?");
        ui.AnswerMessageBox(IDYES, "Do you want to base the new league on the old league setup?");
        ui.OnDialog(IDD_NEW_LEAGUE_SETUP).OK();
        ui.OnDialog(IDD_NEW_LEAGUE).OK();
        ui.OnDialog(IDD_NEW_LEAGUE_TEAMS).Select(IDC_NLT_AVAILABLE, 0).Click(IDC_NLT_MOVE).Cancel();
        ASSERT_TRUE(L.doc.OnCmdMsg(ID_FILE_NEW, CN_COMMAND, nullptr));
        EXPECT_TRUE(ui.AllUsed());
        EXPECT_EQ(figuresOf11(), before);
        EXPECT_EQ(Nums(Fixtures(L.doc).size(), L.doc.m_listTeams.GetCount()), Nums(12, 4));

        MakeNextSeason(L.doc, 4);
        EXPECT_EQ(Nums(L.doc.m_nRounds, L.doc.m_nCurrentRound, Fixtures(L.doc).size()), Nums(3, 1, 6));
        for (const auto& [nNumber, figures] : season) {
            const CPlayer* p = Named(L.doc, nNumber);
            ASSERT_NE(p, nullptr) << nNumber;
            const auto [nGames, nPins] = figures;
            EXPECT_EQ(Nums(p->m_nEnteringAvg, p->m_nEnteringGames, p->m_nEnteringPins, p->m_bShortSeason),
                      Nums(nPins * 10 / nGames, nGames, nPins, 0))
                << nNumber;
        }
        const CPlayer* p11 = Named(L.doc, 11);
        EXPECT_EQ(Nums(p11->m_nEnteringAvg, p11->m_nAverage, p11->m_nHandicap), Nums(1298, 129, 56));
    }
}

// With the minimum games at 17 (a league file keeps it; no dialog sets it) and every game of the
// six rounds needed for the high awards, Bowler 11's 17 games are a short season; the others'
// 18 give their averages. Player > Entering Averages offers him the 17 games and 2,207 pins of
// the whole season, though the round current when the season ended was 1.
TEST_F(NewSeasonTest, AShortSeasonIsOfferedTheGamesAndPinsOfEveryRound)
{
    PlayerSetup::Install();
    LeagueSetup::pfnAddNewPlayer = nullptr;
    WorkedLeague L(4, 3, 3, 6);
    TypeTheSeason(L, Road::EnterResultsOnly);
    L.doc.m_nHcpMinGames = 17;
    L.doc.m_nQualifyingPct[0] = 100; // 6 rounds x 3 games: 18
    MakeNextSeason(L.doc, 4);
    std::vector<long long> shortSeason, entering;
    for (const CPlayer* p : Players(L.doc)) {
        shortSeason.push_back(p->m_bShortSeason);
        entering.push_back(p->m_nEnteringAvg != 0);
    }
    EXPECT_EQ(shortSeason, (std::vector<long long>{1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(entering, (std::vector<long long>{0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}));

    CScriptedBackend ui;
    ui.OnDialog(IDD_SET_ENTERING_AVERAGE)
        .Check([](CDialog& d) {
            EXPECT_EQ(TextsOf(d, {IDC_SEA_GAMES, IDC_SEA_PINS, IDC_SEA_AVERAGE, IDC_SEA_ENTERING}),
                      (std::vector<std::string>{"17", "2207", "129.8", "129.8"}));
        })
        .OK();
    ASSERT_TRUE(L.doc.OnCmdMsg(ID_PLAYER_ENTERING_AVERAGES, CN_COMMAND, nullptr));
    ui.AnswerMessageBox(IDOK, "All players have an entering average.");
    ASSERT_TRUE(L.doc.OnCmdMsg(ID_PLAYER_ENTERING_AVERAGES, CN_COMMAND, nullptr));
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_EQ(Nums(Named(L.doc, 11)->m_nEnteringAvg, Named(L.doc, 11)->m_nAverage), Nums(1298, 129));
}
