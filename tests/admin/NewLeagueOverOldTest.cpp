// File > New over the sample league. Answered No, the new league is one made anew: every
// setting, those no dialog shows included, as the program's start without a file makes it, so
// its blind games score a new league's flat 120 and a defaulted game nothing. Answered Yes, it
// is the next season of the old league, on the old league's rules.
#include "AdminChecks.h"
#include "AdminTest.h"
#include "admin/PlayerSetup.h"
#include "admin/RulesSetup.h"
#include "admin/SeasonCommands.h"
#include "league/Awards.h"
#include "league/Player.h"
#include "league/SampleLeague.h"
#include "reports/layout/ScoreSheetItem.h"
#include "resources/CommandIds.h"
#include "resources/dialogs/ResultDialogs.h"
#include "resources/dialogs/RulesDialogs.h"
#include "results/ResultCommands.h"
#include "results/SelectionCommands.h"

#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

// From New League Details on, as the secretary makes it: the dialog's own 4 teams of singles
// over 3 games, weekly from Mon 6 Jan 2025, then the new league's rule dialogs taken as they
// come. Those show a new league's rules, not the sample's 90 % of 220, 9 games on the entering
// average and 1 point a game.
void ScriptNewSingles(CScriptedBackend& ui)
{
    ui.OnDialog(IDD_NEW_LEAGUE).SetText(IDC_NL_LEAGUE_NAME, "Spring Singles").OK();
    ui.AnswerMessageBox(IDYES, "consisting of 4 teams, with each match consisting of 1 playing members, bowling a 3 game");
    ui.OnDialog(IDD_SET_FIXTURE_LIST)
        .SetText(IDC_DATE_DAY, "6").Select(IDC_DATE_MONTH, 0).SetText(IDC_DATE_YEAR, "2025")
        .Focus(IDC_SFL_ROUNDS_PER_INTERVAL)
        .OK();
    ui.OnDialog(IDD_FIXTURE_DATES).OK();
    ui.OnDialog(IDD_HANDICAP_DETAILS)
        .Check([](CDialog& d) {
            EXPECT_EQ(TextsOf(d, {IDC_HD_BASIS[0], IDC_HD_PERCENT[0], IDC_HD_ENTERING_GAMES}), (Texts{"200", "80", "0"}));
        })
        .OK();
    ui.OnDialog(IDD_HANDICAP_SCORING)
        .Check([](CDialog& d) { EXPECT_EQ(TextsOf(d, {IDC_SC_IND_GAME[0], IDC_SC_TEAM_GAME[0]}), (Texts{"0", "0"})); })
        .OK();
    ui.OnDialog(IDD_HANDICAP_STANDINGS_SEQ).OK();
}

// The offset of the first byte that differs, or the shorter length when one file starts the
// other.
size_t FirstDifference(const std::vector<BYTE>& a, const std::vector<BYTE>& b)
{
    size_t i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i])
        ++i;
    return i;
}

} // namespace

class NewLeagueOverOld : public ::testing::Test
{
protected:
    // The program's steps after the fixture dates (the rule dialogs) and after new teams (new
    // bowlers) are taken here; the other tests of the binary go without them.
    void SetUp() override
    {
        SetUpAdmin();
        m_pfnScoringSetup = LeagueSetup::pfnScoringSetup;
        m_pfnAddNewPlayer = LeagueSetup::pfnAddNewPlayer;
        PlayerSetup::Install();
        SeasonCommands::Install();
        RulesSetup::Install();
    }
    void TearDown() override
    {
        LeagueSetup::pfnScoringSetup = m_pfnScoringSetup;
        LeagueSetup::pfnAddNewPlayer = m_pfnAddNewPlayer;
    }

    // The sample league with what no step of the new league's road shows set too: a split
    // season (through its dialog), a score-sheet style of one sheet a page and the multiple
    // prize rules on.
    void MakeOldLeague(CScriptedBackend& ui)
    {
        BuildSampleLeague(doc, GetSampleLeagueShape(FALSE));
        ui.OnDialog(IDD_SPLIT_SEASON)
            .SetText(IDC_SS_ROUNDS_PER_SPLIT, "7").Focus(IDC_SS_SPLITS).Click(IDC_SS_ENABLED)
            .SetText(IDC_SS_SPLITS, "3")
            .OK();
        ASSERT_TRUE(doc.OnCmdMsg(ID_LEAGUE_SPLIT_SEASON, CN_COMMAND, nullptr));
        ASSERT_EQ(Nums(doc.m_bSplitsActive, doc.m_nSplitCount), Nums(1, 3));
        auto* pStyle = dynamic_cast<CRepItem_ScoreSheet*>(doc.m_pScoreSheetPrototype);
        ASSERT_NE(pStyle, nullptr);
        pStyle->m_nSheetsPerPage = 1;
        doc.m_pAwardRestrictions->m_bRulesEnabled = 1;
        doc.SetPathName("/leagues/Monday.lgf", FALSE);
        doc.SetModifiedFlag(FALSE);
    }

    CBowlingDoc doc;
    void (*m_pfnScoringSetup)(CBowlingDoc*) = nullptr;
    void (*m_pfnAddNewPlayer)(CBowlingDoc*) = nullptr;
};

TEST_F(NewLeagueOverOld, AnsweredNoItIsTheLeagueTheProgramMakesWithNoFileOpen)
{
    CScriptedBackend ui;
    // The program started without a file: a document made, then File > New on it.
    CBowlingDoc made;
    ScriptNewSingles(ui);
    made.OnFileNew();
    ASSERT_TRUE(ui.AllUsed());

    MakeOldLeague(ui);
    ui.AnswerMessageBox(IDYES, "Do you really want to start a new league?");
    ui.AnswerMessageBox(IDNO, "Do you want to base the new league on the old league setup?");
    ScriptNewSingles(ui);
    ASSERT_TRUE(doc.OnCmdMsg(ID_FILE_NEW, CN_COMMAND, nullptr));
    EXPECT_TRUE(ui.AllUsed());

    // What the document works out from its settings, before a save works it out again: no
    // split season, 80 % as a factor, the red line at 199.
    EXPECT_EQ(Nums(doc.m_bSplitsActive, doc.m_nSplitCount, doc.GetStatsRound(), doc.m_nAverageLimit),
              Nums(made.m_bSplitsActive, made.m_nSplitCount, made.GetStatsRound(), made.m_nAverageLimit));
    EXPECT_EQ(Nums(doc.m_bSplitsActive, doc.m_nAverageLimit), Nums(0, 199));
    EXPECT_DOUBLE_EQ(doc.m_dHcpFactor[HCP_RULE_ALL], made.m_dHcpFactor[HCP_RULE_ALL]);
    EXPECT_DOUBLE_EQ(doc.m_dMinGamesFraction[0], 0.0);

    // Every stored byte the same: each setting, those of the rule objects and the score-sheet
    // style included, and any setting a later version of the file keeps, with no list to
    // update here.
    std::vector<BYTE> bytesMade, bytesRenewed;
    made.SaveToBytes(bytesMade);
    doc.SaveToBytes(bytesRenewed);
    EXPECT_EQ(FirstDifference(bytesMade, bytesRenewed), bytesMade.size());
    EXPECT_TRUE(bytesRenewed == bytesMade);

    // Not settings: the new league is named beside the old one and saved under a name chosen.
    EXPECT_EQ(Strs(doc.GetPathName(), doc.m_strLeagueName),
              (std::vector<std::string>{"/leagues/NewLeage.lgf", "Spring Singles"}));
    EXPECT_EQ(Nums(doc.m_bNewLeague, doc.IsModified(), doc.m_listPlayers.GetCount(), doc.m_listVenues.GetCount()),
              Nums(1, 1, 0, 0));
}

TEST_F(NewLeagueOverOld, AnsweredNoABlindGameScoresAFlat120AndADefaultedGameNothing)
{
    CScriptedBackend ui;
    MakeOldLeague(ui);
    ui.AnswerMessageBox(IDYES, "Do you really want to start a new league?");
    ui.AnswerMessageBox(IDNO, "Do you want to base the new league on the old league setup?");
    ScriptNewSingles(ui);
    ASSERT_TRUE(doc.OnCmdMsg(ID_FILE_NEW, CN_COMMAND, nullptr));

    // Player > Add a New Player, one bowler a team; Ann of Team_01 enters on 149.0.
    const char* const names[] = {"Ann", "Bea", "Cas", "Dot"};
    for (int t = 0; t < 4; ++t) {
        auto& details = ui.OnDialog(IDD_NEW_PLAYER)
                            .SetText(IDC_PD_FORENAME_NEW, names[t]).SetText(IDC_PD_SURNAME, "Lane")
                            .SelectString(IDC_PD_TEAM, ("Team_0" + std::to_string(t + 1)).c_str());
        if (t == 0)
            details.SetText(IDC_PD_ENTERING_NEW, "149");
        if (t < 3)
            details.Click(IDC_PD_ANOTHER);
        details.OK();
    }
    ASSERT_TRUE(doc.OnCmdMsg(ID_PLAYER_ADD, CN_COMMAND, nullptr));
    ASSERT_TRUE(ui.AllUsed());
    ASSERT_EQ(doc.m_listPlayers.GetCount(), 4);

    // Round 1 through Set Current Round and Enter Results. On Team_01's sheet Ann is blind in
    // game 1 and bowls 160 and 170; her opponent defaults game 2 and bowls 150 and 155. The
    // other match bowls 150 a game.
    CFixture* pMatch = doc.FindFixtureForTeam(1, 1);
    ASSERT_NE(pMatch, nullptr);
    const int nAnn = pMatch->m_nTeamA == 1 ? 0 : 1;
    const int nOpp = 1 - nAnn;
    ui.OnDialog(IDD_SET_ROUND).SetText(IDC_SET_ROUND_NUMBER, "1").OK();
    ASSERT_TRUE(SetCurrentRound(&doc));
    ui.OnDialog(IDD_SELECT_ROUND).Select(IDC_SELECT_ROUND_LIST, 0).OK();
    for (CFixture* f : Fixtures(doc, 1)) {
        auto& sheet = ui.OnDialog(IDD_SINGLES_SCORESHEET);
        auto type = [](int nSide, std::vector<std::pair<int, const char*>> games) {
            return [nSide, games](CDialog& d) {
                for (const auto& [g, score] : games)
                    d.UserSetText(static_cast<UINT>((nSide == 0 ? IDC_SS_SCORE_A : IDC_SS_SCORE_B)[0] + g), score);
            };
        };
        if (f == pMatch) {
            sheet.Click(IDC_SS_BLINDS[nAnn]);
            ui.OnDialog(IDD_SINGLES_BLIND_SCORES).Click(IDC_BLIND_BOX[0][0]).OK();
            sheet.Click(IDC_SS_DEFAULTED[nOpp][1])
                .Check(type(nAnn, {{1, "160"}, {2, "170"}}))
                .Check(type(nOpp, {{0, "150"}, {2, "155"}}));
        } else {
            sheet.Check(type(0, {{0, "150"}, {1, "150"}, {2, "150"}})).Check(type(1, {{0, "150"}, {1, "150"}, {2, "150"}}));
        }
        sheet.OK();
    }
    OnResultEnterResults(doc);
    EXPECT_TRUE(ui.AllUsed());

    // The sample would have given Ann's blind game her 149 less 10 pins, 139, and the
    // defaulted game its robot's 139 (her 149 less 10) with handicap 30.
    const CBowledGame blind = pMatch->GetCellGame(nAnn, 0, 0);
    const CBowledGame defaulted = pMatch->GetCellGame(nOpp, 0, 1);
    EXPECT_TRUE(blind.bBlind);
    EXPECT_TRUE(defaulted.bDefaulted);
    EXPECT_EQ(Nums(blind.nScore, blind.nHandicap, defaulted.nScore, defaulted.nHandicap), Nums(120, 0, 0, 0));
    // The opponent's game 2 with handicap is nothing at all: no robot stands in.
    EXPECT_EQ(pMatch->GetGameScore(nOpp, 1, TRUE), 0);
    EXPECT_EQ(Nums(pMatch->m_bPlayed[0], pMatch->m_bPlayed[1]), Nums(1, 1));
}

TEST_F(NewLeagueOverOld, AnsweredYesTheNextSeasonKeepsTheOldLeaguesRules)
{
    CScriptedBackend ui;
    MakeOldLeague(ui);
    const CLeagueSettings old = doc;
    int nInTeams = 0;
    for (POSITION pos = doc.m_listPlayers.GetHeadPosition(); pos;)
        nInTeams += static_cast<CPlayer*>(doc.m_listPlayers.GetNext(pos))->m_nTeamNo != 0;
    ui.AnswerMessageBox(IDYES, "Do you really want to start a new league?");
    ui.AnswerMessageBox(IDYES, "Do you want to base the new league on the old league setup?");
    ui.OnDialog(IDD_NEW_LEAGUE_SETUP).OK();
    ui.OnDialog(IDD_NEW_LEAGUE).OK();
    ui.OnDialog(IDD_NEW_LEAGUE_TEAMS)
        .Check([](CDialog& d) { ASSERT_EQ(Items(d, IDC_NLT_AVAILABLE).size(), 8u); })
        .DblClk(IDC_NLT_AVAILABLE, 0).DblClk(IDC_NLT_AVAILABLE, 0).DblClk(IDC_NLT_AVAILABLE, 0)
        .DblClk(IDC_NLT_AVAILABLE, 0).DblClk(IDC_NLT_AVAILABLE, 0).DblClk(IDC_NLT_AVAILABLE, 0)
        .DblClk(IDC_NLT_AVAILABLE, 0).DblClk(IDC_NLT_AVAILABLE, 0)
        .OK();
    // 21 rounds again, so that splits of 7 rounds still fit.
    ui.OnDialog(IDD_SET_FIXTURE_LIST)
        .SetText(IDC_DATE_DAY, "7").Select(IDC_DATE_MONTH, 8).SetText(IDC_DATE_YEAR, "2026")
        .Select(IDC_SFL_MATCHES, 2)
        .OK();
    ui.AnswerMessageBox(IDYES, "Retain old Income Items?");
    ui.AnswerMessageBox(IDYES, "Retain old Expense Items?");
    ui.AnswerMessageBox(IDYES, "Retain old 'weekly payments' Items?");
    ASSERT_TRUE(doc.OnCmdMsg(ID_FILE_NEW, CN_COMMAND, nullptr));
    EXPECT_TRUE(ui.AllUsed());

    // The old league's blind rule (average less 10 pins), robot scores against a default,
    // handicap rule, entering-average games, points, split rule and score-sheet style stay.
    EXPECT_TRUE(doc.m_BlindScore[3] == old.m_BlindScore[3]);
    EXPECT_EQ(Nums(doc.m_BlindScore[3].m_nMethod, doc.m_BlindScore[3].m_nPins, doc.m_dwRobotIfDefault),
              Nums(CBlindScore::methodAverageLessPins, 10, 2));
    EXPECT_TRUE(doc.m_HcpRule[HCP_RULE_ALL] == old.m_HcpRule[HCP_RULE_ALL]);
    EXPECT_TRUE(doc.m_HcpPoints == old.m_HcpPoints);
    EXPECT_EQ(Nums(doc.m_nEnteringAvgGames, doc.m_nRoundsPerSplit, doc.m_pAwardRestrictions->m_bRulesEnabled,
                   dynamic_cast<CRepItem_ScoreSheet*>(doc.m_pScoreSheetPrototype)->m_nSheetsPerPage),
              Nums(9, 7, 1, 1));
    EXPECT_EQ(Nums(doc.m_nRounds, doc.m_listPlayers.GetCount()), Nums(21, nInTeams));
}
