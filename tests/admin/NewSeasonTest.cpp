// The next season made from the sample league: what it keeps, what it clears, the teams chosen
// again in a new order and the entering averages the season just ended gives every bowler.
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
    doc.m_nQualifyingPct[0] = 50; // 21 rounds x 3 games: 31 games to qualify
    doc.m_nHcpMinGames = 9;
    doc.m_nSecretaryTeam = 3;
    doc.m_nTreasurerTeam = 8;
    const CString strOldTitle = doc.m_strLeagueName;
    const int nVenues = static_cast<int>(doc.m_listVenues.GetCount());
    doc.m_HcpRule[0].m_nPercent = 90;

    // The figures of three bowlers set by hand: exactly the minimum games, one game more, and
    // more handicap games than scratch games.
    std::vector<CPlayer*> before = Players(doc);
    std::map<std::string, WORD> oldTeam;
    std::map<std::string, WORD> expected;
    std::map<std::string, DWORD> shortSeason;
    for (CPlayer* p : before) {
        oldTeam[p->m_strName.GetString()] = p->m_nTeamNo;
        const int nSet = p->m_nGames[1] > p->m_nGames[0] ? 1 : 0;
        expected[p->m_strName.GetString()] =
            p->m_nGames[nSet] > 9 ? static_cast<WORD>(p->m_nPins[nSet] * 10 / p->m_nGames[nSet]) : 0;
        shortSeason[p->m_strName.GetString()] = p->m_nGames[nSet] < 31 ? 1 : 0;
    }
    CTeam* pOld3 = doc.FindTeam(3);
    CPlayer* pAtMinimum = doc.FindPlayer(pOld3->GetOrderAt(0));
    CPlayer* pOneMore = doc.FindPlayer(pOld3->GetOrderAt(1));
    CPlayer* pHcp = doc.FindPlayer(pOld3->GetOrderAt(2));
    pAtMinimum->m_nGames[0] = 9, pAtMinimum->m_nPins[0] = 1500, pAtMinimum->m_nGames[1] = 0;
    pOneMore->m_nGames[0] = 10, pOneMore->m_nPins[0] = 1567, pOneMore->m_nGames[1] = 10;
    pHcp->m_nGames[0] = 12, pHcp->m_nPins[0] = 2400, pHcp->m_nGames[1] = 40, pHcp->m_nPins[1] = 6123;
    expected[pAtMinimum->m_strName.GetString()] = 0;
    expected[pOneMore->m_strName.GetString()] = 1567;
    expected[pHcp->m_strName.GetString()] = 1530;
    shortSeason[pAtMinimum->m_strName.GetString()] = shortSeason[pOneMore->m_strName.GetString()] = 1;
    shortSeason[pHcp->m_strName.GetString()] = 0;
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

// A season longer than the league file's 16-bit counts hold (66,000 pins in 300 games) is kept
// as fewer games and pins of the same average, 220.0.
TEST_F(NewSeasonTest, ASeasonPastTheFilesCountsKeepsItsAverage)
{
    CBowlingDoc doc;
    BuildSampleLeague(doc, GetSampleLeagueShape(FALSE));
    CPlayer* p = doc.FindPlayer(Teams(doc)[0]->GetOrderAt(0));
    const CString strName = p->m_strName;
    p->m_nGames[PASS_SCRATCH] = p->m_nGames[PASS_HANDICAP] = 300;
    p->m_nPins[PASS_SCRATCH] = p->m_nPins[PASS_HANDICAP] = 66000;
    MakeNextSeason(doc);
    const auto players = Players(doc);
    const auto it = std::find_if(players.begin(), players.end(), [&](const CPlayer* q) { return q->m_strName == strName; });
    ASSERT_NE(it, players.end());
    p = *it;
    EXPECT_EQ(Nums(p->m_nEnteringAvg, p->m_nEnteringGames, p->m_nEnteringPins), Nums(2200, 290, 63800));
}
