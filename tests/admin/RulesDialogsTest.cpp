// The rule dialogs driven through their controls: what they show of the league, what they
// refuse, and what OK writes back.
#include "AdminChecks.h"
#include "ScriptedBackend.h"
#include "admin/RulesSetup.h"
#include "league/BowlingDoc.h"
#include "league/Rules.h"
#include "resources/CommandIds.h"
#include "resources/Resource.h"
#include "resources/dialogs/RulesDialogs.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace {

using Texts = std::vector<std::string>;

struct Rules : ::testing::Test
{
    CBowlingDoc doc;
    CScriptedBackend ui;
    void SetUp() override
    {
        RegisterResources();
        doc.m_nGamesPerMatch = 3;
        doc.m_nPlayersPerTeam = 4;
        doc.m_nRounds = 18;
        doc.m_nCurrentRound = 1;
        doc.SetModifiedFlag(FALSE);
    }
};

} // namespace

// ------------------------------------------------------------------ handicap details

TEST_F(Rules, HandicapDetailsRefusesOutOfRangeNumbersAndShortRollingAverages)
{
    doc.m_nRecalcFrequency = 0;  // a damaged value is put right before the dialog opens
    ui.OnDialog(IDD_HANDICAP_DETAILS)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_HD_RECALC_FREQ).text, "1"); })
        .SetText(IDC_HD_PERCENT[0], "151")
        .OK()
        .SetText(IDC_HD_PERCENT[0], "90")
        .SetText(IDC_HD_BASIS[0], "220")
        .SetText(IDC_HD_MAX[0], "60")
        .Click(IDC_HD_APPLY_MAX[0])
        .SetText(IDC_HD_MIN[0], "-101")
        .OK()
        .SetText(IDC_HD_MIN[0], "-10")
        .Click(IDC_HD_APPLY_MIN[0])
        .Click(IDC_HD_ROLLING).SetText(IDC_HD_ROLLING_GAMES, "2").OK()
        .Check([](CDialog& d) { EXPECT_FALSE(d.IsEnded()); })
        .SetText(IDC_HD_ROLLING_GAMES, "9").SetText(IDC_HD_FLOAT_SERIES, "2")
        .OK();
    ASSERT_TRUE(doc.EditHandicapDetails());
    EXPECT_EQ(ui.MessageTexts(),
              (Texts{"Please enter an integer between 0 and 150.", "Please enter an integer between -100 and 300.",
                     "Minimum rolling average games is 3!",
                     "You have selected a Truncated Rolling Average.  This will calculate bowlers averages over the "
                     "most recent number of games specified only. Please be sure this is what you require!"}));
    const CHandicapRule& rule = doc.m_HcpRule[HCP_RULE_ALL];
    EXPECT_EQ(Nums(rule.m_nPercent, rule.m_nBasis, rule.m_nMax, rule.m_bApplyMax, rule.m_nMin,
                   doc.m_bTruncatedRollingAvg, doc.m_nRollingAvgGames, doc.m_nFloatingAvgSeries,
                   doc.m_bFloatingAverage),
              Nums(90, 220, 60, 1, -10, 1, 9, 2, 1));
    EXPECT_DOUBLE_EQ(doc.m_dHcpFactor[HCP_RULE_ALL], 0.9);
    // 90 % of 220 with a maximum of 60: a 150 bowler gets 63, cut to 60.
    EXPECT_EQ(doc.CalcHandicap(150.0, 0, 10), 60);
    // The runner leaves the modified flag to its command.
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(Rules, HandicapDetailsShowsAMinimumOnlyWhenItApplies)
{
    doc.m_HcpRule[HCP_RULE_ALL].m_nMin = -10;
    doc.m_HcpRule[HCP_RULE_ALL].m_bApplyMin = 1;
    doc.m_HcpRule[HCP_RULE_MEN].m_nMin = -10;  // not applied: shown and stored as 0
    doc.m_HcpRule[HCP_RULE_WOMEN].m_nMin = 500; // out of range from a file: shown as 0
    doc.m_HcpRule[HCP_RULE_WOMEN].m_bApplyMin = 1;
    doc.m_nFloatingAvgSeries = 2;
    doc.m_bFloatingAverage = 1;
    ui.OnDialog(IDD_HANDICAP_DETAILS)
        .Check([](CDialog& d) {
            EXPECT_EQ(TextsOf(d, {IDC_HD_MIN[0], IDC_HD_MIN[1], IDC_HD_MIN[2]}), (Texts{"-10", "0", "0"}));
        })
        .SetText(IDC_HD_FLOAT_SERIES, "1")
        .OK();
    ASSERT_TRUE(doc.EditHandicapDetails());
    EXPECT_EQ(Nums(doc.m_HcpRule[HCP_RULE_ALL].m_nMin, doc.m_HcpRule[HCP_RULE_MEN].m_nMin,
                   doc.m_HcpRule[HCP_RULE_WOMEN].m_nMin, doc.m_bFloatingAverage),
              Nums(-10, 0, 0, 0));

    // A series count of 0 sets the floating average too; Cancel changes nothing.
    ui.OnDialog(IDD_HANDICAP_DETAILS).SetText(IDC_HD_FLOAT_SERIES, "0").OK();
    ASSERT_TRUE(doc.EditHandicapDetails());
    EXPECT_EQ(doc.m_bFloatingAverage, 1u);
    const CLeagueSettings before = doc;
    ui.OnDialog(IDD_HANDICAP_DETAILS).SetText(IDC_HD_PERCENT[0], "10").Click(IDC_HD_ROW[0]).Cancel();
    EXPECT_FALSE(doc.EditHandicapDetails());
    EXPECT_TRUE(static_cast<const CLeagueSettings&>(doc) == before);
}

TEST_F(Rules, HandicapDetailsEnablesTheRowsOfTheRuleInUse)
{
    doc.m_nPlayersPerTeam = 1;
    doc.m_bTeamHandicaps = 1;
    ui.OnDialog(IDD_HANDICAP_DETAILS)
        .Check([](CDialog& d) {
            // One bowler a team: no team handicaps.
            EXPECT_EQ(EnabledOf(d, {IDC_HD_PERCENT[0], IDC_HD_PERCENT[1], IDC_HD_ROW[2], IDC_HD_APPLY_MAX[3],
                                    IDC_HD_TEAM_ENABLED, IDC_HD_DROP5_GAMES}),
                      "100100");
            EXPECT_EQ(ChecksOf(d, {IDC_HD_TEAM_ENABLED, IDC_HD_USE_COMBINED}), (std::vector<int>{0, 1}));
            EXPECT_FALSE(Ctl(d, IDC_HD_ROLLING_GAMES).visible);
        })
        .Click(IDC_HD_ROW[0])
        .Check([](CDialog& d) {
            for (int r = 1; r < 4; ++r) {
                EXPECT_EQ(Ctl(d, IDC_HD_ROW[r]).check, 1);
                EXPECT_TRUE(Ctl(d, IDC_HD_BASIS[r]).enabled);
            }
            EXPECT_FALSE(Ctl(d, IDC_HD_BASIS[0]).enabled);
        })
        .Click(IDC_HD_ROLLING).Click(IDC_HD_DROP5)
        .Check([](CDialog& d) {
            EXPECT_TRUE(Ctl(d, IDC_HD_ROLLING_GAMES).visible);
            EXPECT_TRUE(Ctl(d, IDC_HD_DROP5_PINS).enabled);
        })
        // A cut-off past the season is brought back to the last round.
        .SetText(IDC_HD_CUTOFF, "40").Focus(IDC_HD_ENTERING_GAMES)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_HD_CUTOFF).text, "18"); })
        .Click(IDC_HD_ROLLING)
        .OK();
    ASSERT_TRUE(doc.EditHandicapDetails());
    EXPECT_EQ(Nums(doc.m_bOneRuleForAll, doc.m_bMenRule, doc.m_bJuniorsRule, doc.m_bTeamHandicaps,
                   doc.m_nEnteringAvgCutoff, doc.m_bDrop5),
              Nums(0, 1, 1, 0, 18, 1));
}

TEST_F(Rules, TeamHandicapBoxesFollowTheEnabledBox)
{
    doc.m_bOneRuleForAll = 0;
    doc.m_bMenRule = 1;
    ui.OnDialog(IDD_HANDICAP_DETAILS)
        .Check([](CDialog& d) { EXPECT_FALSE(Ctl(d, IDC_HD_ZERO_BASED).enabled); })
        .Click(IDC_HD_TEAM_ENABLED)
        .Check([](CDialog& d) {
            EXPECT_TRUE(Ctl(d, IDC_HD_ZERO_BASED).enabled);
            EXPECT_EQ(Ctl(d, IDC_HD_ROW[0]).check, 1);
        })
        .Click(IDC_HD_ZERO_BASED)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_HD_USE_COMBINED).check, 0); })
        .OK();
    ASSERT_TRUE(doc.EditHandicapDetails());
    EXPECT_EQ(Nums(doc.m_bTeamHandicaps, doc.m_bZeroBasedPctDiff, doc.m_bOneRuleForAll), Nums(1, 1, 1));
}

// ------------------------------------------------------------------ points systems

TEST_F(Rules, ScoringShowsWholePointsStoresHalfPointsAndKeepsTheMaximum)
{
    // Fours, 3 games: individual 1 a game and 1 for the series, team 2 a game and 3 for the
    // series = 25 points a match.
    doc.m_HcpPoints.m_nTeamGame[0] = 3;   // an odd half point from a file
    doc.m_HcpPoints.m_nTeamGame[3] = 8;   // a fourth game the league does not bowl
    doc.m_HcpPoints.m_bTeam = 1;
    ui.OnDialog(IDD_HANDICAP_SCORING)
        .Check([](CDialog& d) {
            EXPECT_EQ(TextsOf(d, {IDC_SC_TEAM_GAME[0], IDC_SC_TEAM_GAME[3], IDC_SC_IND_TOTAL}), (Texts{"1", "0", ""}));
            EXPECT_EQ(EnabledOf(d, {IDC_SC_TEAM_GAME[3], IDC_SC_IND_GAME[0]}), "00");
        })
        .Click(IDC_SC_INDIVIDUAL)
        .SetText(IDC_SC_IND_GAME[0], "1")
        .SetText(IDC_SC_IND_GAME[1], "1")
        .SetText(IDC_SC_IND_GAME[2], "1")
        .SetText(IDC_SC_IND_SERIES, "1")
        .SetText(IDC_SC_TEAM_GAME[0], "2")
        .SetText(IDC_SC_TEAM_GAME[1], "2")
        .SetText(IDC_SC_TEAM_GAME[2], "2")
        .SetText(IDC_SC_TEAM_SERIES, "3")
        .Focus(IDC_SC_PP_PINS[0])
        .Check([](CDialog& d) {
            EXPECT_EQ(TextsOf(d, {IDC_SC_IND_TOTAL, IDC_SC_TEAM_TOTAL, IDC_SC_BONUS, IDC_SC_MAX}),
                      (Texts{"16", "9", "0", "25"}));
        })
        .OK();
    ASSERT_TRUE(doc.EditHandicapScoring());
    EXPECT_EQ(Nums(doc.m_HcpPoints.m_nTeamGame[0], doc.m_HcpPoints.m_nTeamGame[3], doc.m_HcpPoints.m_nTeamSeries,
                   doc.m_HcpPoints.m_nIndividualSeries, doc.m_nMaxHandicapPoints),
              Nums(4, 0, 6, 2, 50));
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(Rules, ScoringRangesAndTheOddHalfPointRoundedDown)
{
    doc.m_ScrPoints.m_bTeam = 1;
    doc.m_ScrPoints.m_nTeamGame[0] = 3;
    // The scratch series takes up to 125, the handicap series only 99.
    ui.OnDialog(IDD_SCRATCH_SCORING).SetText(IDC_SC_TEAM_SERIES, "126").OK().SetText(IDC_SC_TEAM_SERIES, "125").OK();
    ASSERT_TRUE(doc.EditScratchScoring());
    // The odd game point is shown as 1 and stored again doubled.
    EXPECT_EQ(Nums(doc.m_ScrPoints.m_nTeamSeries, doc.m_ScrPoints.m_nTeamGame[0], doc.m_nMaxScratchPoints),
              Nums(250, 2, 252));
    doc.m_HcpPoints.m_bTeam = 1;
    ui.OnDialog(IDD_HANDICAP_SCORING).SetText(IDC_SC_TEAM_SERIES, "125").OK().SetText(IDC_SC_TEAM_GAME[0], "125")
        .SetText(IDC_SC_TEAM_SERIES, "99").OK();
    ASSERT_TRUE(doc.EditHandicapScoring());
    EXPECT_EQ(doc.m_HcpPoints.m_nTeamGame[0], 250);
    EXPECT_EQ(ui.MessageTexts(), (Texts{"Please enter an integer between 0 and 125.",
                                        "Please enter an integer between 0 and 99."}));
}

TEST_F(Rules, ScoringKeepsOneRowTickedAndThePinfallBoxesTogether)
{
    doc.m_ScrPoints.m_bIndividual = 1;
    doc.m_bCycleOpponent = 1;
    ui.OnDialog(IDD_SCRATCH_SCORING)
        .Click(IDC_SC_INDIVIDUAL)  // clearing the only row ticks the other
        .Check([](CDialog& d) {
            EXPECT_EQ(ChecksOf(d, {IDC_SC_TEAM, IDC_SC_CYCLE}), (std::vector<int>{1, 0}));
            EXPECT_EQ(EnabledOf(d, {IDC_SC_CYCLE, IDC_SC_PP_PINS[4]}), "00");
        })
        .Click(IDC_SC_TEAM)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_SC_INDIVIDUAL).check, 1); })
        .Click(IDC_SC_PP_COLUMN[4])
        .Check([](CDialog& d) {
            EXPECT_EQ(ChecksOf(d, {IDC_SC_PP_ENABLED, IDC_SC_PP_HUNDREDTHS}), (std::vector<int>{1, 1}));
            EXPECT_TRUE(Ctl(d, IDC_SC_PP_PINS[4]).enabled);
        })
        .Click(IDC_SC_PP_PERCENT)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_SC_PP_HUNDREDTHS).check, 0); })
        .SetText(IDC_SC_PP_PINS[4], "10")
        .OK();
    ASSERT_TRUE(doc.EditScratchScoring());
    EXPECT_EQ(Nums(doc.m_ScrPoints.m_bIndividual, doc.m_ScrPoints.m_bTeam, doc.m_bCycleOpponent,
                   doc.m_Petersen.m_bScratch, doc.m_Petersen.m_bColumn[PASS_SCRATCH][4],
                   doc.m_Petersen.m_nPinsPerPoint[PASS_SCRATCH][4], doc.m_Petersen.m_nRemainderMode,
                   doc.m_Petersen.m_bHandicap),
              Nums(1, 0, 0, 1, 1, 10, 1, 0));
}

// Pinfall points divide a game's or the series' pins by its "Pins per Point": switched on,
// every column that earns them needs at least 1 pin a point; off, the 0 of a new league stays.
TEST_F(Rules, PinfallPointsOnRefuseNoPinsPerPoint)
{
    doc.m_ScrPoints.m_bTeam = 1;
    ui.OnDialog(IDD_SCRATCH_SCORING)
        .Check([](CDialog& d) { EXPECT_EQ(TextsOf(d, {IDC_SC_PP_PINS[0], IDC_SC_PP_PINS[4]}), (Texts{"0", "0"})); })
        .OK();
    ASSERT_TRUE(doc.EditScratchScoring());
    EXPECT_EQ(Nums(doc.m_Petersen.m_bScratch, doc.m_Petersen.m_nPinsPerPoint[PASS_SCRATCH][4]), Nums(0, 0));

    // On: the series at 0 is refused, then game 1 ticked at 0; 50 and 100 are taken.
    ui.OnDialog(IDD_SCRATCH_SCORING)
        .Click(IDC_SC_PP_ENABLED)
        .OK()
        .SetText(IDC_SC_PP_PINS[4], "50")
        .Click(IDC_SC_PP_COLUMN[0])
        .OK()
        .SetText(IDC_SC_PP_PINS[0], "100")
        .OK();
    ASSERT_TRUE(doc.EditScratchScoring());
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_EQ(ui.MessageTexts(), (Texts{"Please enter an integer between 1 and 255.",
                                        "Please enter an integer between 1 and 255."}));
    EXPECT_EQ(Nums(doc.m_Petersen.m_bScratch, doc.m_Petersen.m_bColumn[PASS_SCRATCH][0],
                   doc.m_Petersen.m_nPinsPerPoint[PASS_SCRATCH][0], doc.m_Petersen.m_bColumn[PASS_SCRATCH][4],
                   doc.m_Petersen.m_nPinsPerPoint[PASS_SCRATCH][4]),
              Nums(1, 1, 100, 1, 50));

    // Game 2, not ticked, keeps its 0, and game 1 its 0 once pinfall points are off again.
    ui.ClearMessages();
    ui.OnDialog(IDD_SCRATCH_SCORING)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_SC_PP_PINS[1]).text, "0"); })
        .Click(IDC_SC_PP_ENABLED)
        .SetText(IDC_SC_PP_PINS[0], "0")
        .OK();
    ASSERT_TRUE(doc.EditScratchScoring());
    EXPECT_TRUE(ui.messages.empty()) << ::testing::PrintToString(ui.MessageTexts());
    EXPECT_EQ(Nums(doc.m_Petersen.m_bScratch, doc.m_Petersen.m_nPinsPerPoint[PASS_SCRATCH][0],
                   doc.m_Petersen.m_nPinsPerPoint[PASS_SCRATCH][1]),
              Nums(0, 0, 0));
}

TEST_F(Rules, ScoringCancelAndUnchangedOkLeaveTheLeagueAlone)
{
    doc.m_ScrPoints.m_bTeam = 1;
    doc.m_ScrPoints.m_nTeamGame[0] = 4;
    const CLeagueSettings before = doc;
    ui.OnDialog(IDD_SCRATCH_SCORING).SetText(IDC_SC_TEAM_GAME[0], "9").Cancel();
    EXPECT_FALSE(doc.EditScratchScoring());
    EXPECT_TRUE(static_cast<const CLeagueSettings&>(doc) == before);
    ui.OnDialog(IDD_SCRATCH_SCORING).OK();
    EXPECT_TRUE(doc.EditScratchScoring());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.m_nMaxScratchPoints, 4);
}

// ------------------------------------------------------------------ standings sequence

TEST_F(Rules, StandingsSequenceShowsDefaultsAndStoresEachKindInItsOwnBits)
{
    doc.m_dwStandingsKeys = 0;
    doc.m_nDisplayMode = DISPLAY_FIXTURES;
    ui.OnDialog(IDD_HANDICAP_STANDINGS_SEQ).Check([](CDialog& d) {
        EXPECT_EQ(Ctl(d, IDC_SEQ_KEY[0]).items.size(), 6u);
        EXPECT_EQ(Ctl(d, IDC_SEQ_KEY[2]).items[5].text, "Handicap Pinfall");
        EXPECT_EQ(Nums(Ctl(d, IDC_SEQ_KEY[0]).curSel, Ctl(d, IDC_SEQ_KEY[1]).curSel, Ctl(d, IDC_SEQ_KEY[2]).curSel),
                  Nums(0, 1, 5));
    }).OK();
    ASSERT_TRUE(doc.EditHandicapStandingsSequence());
    EXPECT_EQ(doc.m_dwStandingsKeys, (1u << 20) | (2u << 16) | (6u << 12));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.m_nDisplayMode, DISPLAY_STANDINGS);

    ui.OnDialog(IDD_SCRATCH_STANDINGS_SEQ)
        .Check([](CDialog& d) {
            EXPECT_EQ(Ctl(d, IDC_SEQ_KEY[0]).items.size(), 5u);
            EXPECT_EQ(Ctl(d, IDC_SEQ_KEY[2]).curSel, 2);  // "Scratch Pinfall"
        })
        .Select(IDC_SEQ_KEY[0], 2)
        .Select(IDC_SEQ_KEY[1], 4)
        .Select(IDC_SEQ_KEY[2], 2)  // the same key twice is allowed
        .OK();
    ASSERT_TRUE(doc.EditScratchStandingsSequence());
    EXPECT_EQ(doc.m_dwStandingsKeys, (1u << 20) | (2u << 16) | (6u << 12) | (3u << 8) | (5u << 4) | 3u);

    doc.SetModifiedFlag(FALSE);
    doc.m_nDisplayMode = DISPLAY_RESULTS;
    ui.OnDialog(IDD_HANDICAP_STANDINGS_SEQ).Select(IDC_SEQ_KEY[0], 3).Cancel();
    EXPECT_FALSE(doc.EditHandicapStandingsSequence());
    EXPECT_EQ(doc.m_dwStandingsKeys, (1u << 20) | (2u << 16) | (6u << 12) | (3u << 8) | (5u << 4) | 3u);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.m_nDisplayMode, DISPLAY_RESULTS);
}

// ------------------------------------------------------------------ vacancy/robot scores

TEST_F(Rules, RobotScoresAskAboutPercentagesOverAHundred)
{
    doc.GetRobot(1)->m_nKind = CRobot::kindAverageLessPercent;
    doc.GetRobot(1)->m_nPercent = 90;
    doc.GetRobot(3)->m_nKind = CRobot::kindAverageLessPercent;
    doc.GetRobot(3)->m_nPercent = 100;  // exactly 100 asks nothing
    ui.OnDialog(IDD_ROBOT_SCORES)
        .Check([](CDialog& d) {
            EXPECT_EQ(TextsOf(d, {IDC_RB_SECOND[0], IDC_RB_SECOND_LABEL[0]}), (Texts{"90", "Percentage"}));
            EXPECT_FALSE(Ctl(d, IDC_RB_FIRST[0]).visible);
        })
        .SetText(IDC_RB_SECOND[0], "101")
        .OK()
        .Check([](CDialog& d) { EXPECT_FALSE(d.IsEnded()); })
        .SetText(IDC_RB_SECOND[0], "-5")
        .OK()
        .SetText(IDC_RB_SECOND[0], "95")
        .Click(IDC_RB_EXCLUDE[1])
        .Click(IDC_RB_NO_POINTS)
        .OK();
    ui.AnswerMessageBox(IDNO, "#1 - 101% seems a little tough.  Are you sure?");
    ASSERT_TRUE(RulesSetup::EditRobotScores(&doc));
    EXPECT_EQ(ui.MessageTexts(), (Texts{"#1 - 101% seems a little tough.  Are you sure?",
                                        "Please enter an integer between 0 and 2147483647."}));
    EXPECT_EQ(Nums(doc.GetRobot(1)->m_nPercent, doc.GetRobot(2)->m_bExclude, doc.m_bRobotsCannotGainPoints),
              Nums(95, 1, 1));
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(Rules, RobotKindsKeepEveryValueAndShowTheScoreWithHandicap)
{
    doc.m_bHandicapLeague = 1;
    CRobot& rule = *doc.GetRobot(2);
    rule.m_nKind = CRobot::kindFlatScore;
    rule.m_nFlatScore = 120;
    rule.m_nFlatHandicap = 150;
    const CRobot original = [&] { CRobot r; r.CopyFrom(rule); return r; }();
    ui.OnDialog(IDD_ROBOT_SCORES)
        .Check([](CDialog& d) {
            // A game of 120 with 150 handicap: 270.
            EXPECT_EQ(TextsOf(d, {IDC_RB_FIRST_LABEL[1], IDC_RB_SECOND_LABEL[1], IDC_RB_DIFF[1]}),
                      (Texts{"Scr Score", "Hcp Score", "(270)"}));
            EXPECT_TRUE(Ctl(d, IDC_RB_HCP_NOTE[1]).visible);
        })
        .Select(IDC_RB_KIND[1], 3)
        .Check([](CDialog& d) {
            EXPECT_EQ(VisibleOf(d, {IDC_RB_FIRST[1], IDC_RB_SECOND[1]}), "00");
            EXPECT_EQ(Ctl(d, IDC_RB_SECOND_LABEL[1]).text, "");
        })
        .Select(IDC_RB_KIND[1], 0)
        .Check([](CDialog& d) { EXPECT_EQ(TextsOf(d, {IDC_RB_FIRST[1], IDC_RB_SECOND[1]}), (Texts{"120", "150"})); })
        .SetText(IDC_RB_FIRST[1], "140")
        .Cancel();
    EXPECT_FALSE(RulesSetup::EditRobotScores(&doc));
    EXPECT_TRUE(rule == original);

    // A scratch league never shows the difference.
    doc.m_bHandicapLeague = 0;
    doc.m_bScratchLeague = 1;
    ui.OnDialog(IDD_ROBOT_SCORES)
        .Check([](CDialog& d) { EXPECT_EQ(VisibleOf(d, {IDC_RB_DIFF[1], IDC_RB_HCP_NOTE[1]}), "00"); })
        .Cancel();
    EXPECT_FALSE(RulesSetup::EditRobotScores(&doc));
}

// A new league's flat rule, 120 with 30 handicap, as the scoresheet scores it: 150 a game with
// handicap. With team handicaps the 30 is still the handicap (the team average takes 120), and
// no game adds it.
TEST_F(Rules, TheFlatRulesPreviewIsTheGameTheScoresheetScores)
{
    doc.m_bHandicapLeague = 1;
    doc.m_bTeamHandicaps = 0;
    const CRobot fresh;
    ASSERT_EQ(Nums(fresh.m_nKind, fresh.m_nFlatScore, fresh.m_nFlatHandicap), Nums(CRobot::kindFlatScore, 120, 30));
    for (int n = 1; n <= 4; ++n)
        doc.GetRobot(n)->CopyFrom(fresh);
    ui.OnDialog(IDD_ROBOT_SCORES)
        .Check([](CDialog& d) {
            for (int s = 0; s < 4; ++s) {
                EXPECT_EQ(TextsOf(d, {IDC_RB_FIRST[s], IDC_RB_SECOND[s], IDC_RB_SECOND_LABEL[s], IDC_RB_DIFF[s],
                                      IDC_RB_HCP_NOTE[s]}),
                          (Texts{"120", "30", "Hcp Score", "(150)", "(hcp)"}));
                EXPECT_EQ(VisibleOf(d, {IDC_RB_DIFF[s], IDC_RB_HCP_NOTE[s]}), "11");
            }
        })
        // Leaving either box shows the game again; a handicap of 0 adds nothing to show.
        .SetText(IDC_RB_SECOND[0], "25")
        .Focus(IDC_RB_FIRST[0])
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_RB_DIFF[0]).text, "(145)"); })
        .SetText(IDC_RB_FIRST[0], "130")
        .Focus(IDC_RB_SECOND[0])
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_RB_DIFF[0]).text, "(155)"); })
        .SetText(IDC_RB_SECOND[1], "0")
        .Focus(IDC_RB_FIRST[1])
        .Check([](CDialog& d) { EXPECT_EQ(VisibleOf(d, {IDC_RB_DIFF[1], IDC_RB_HCP_NOTE[1]}), "00"); })
        .OK();
    ASSERT_TRUE(RulesSetup::EditRobotScores(&doc));
    EXPECT_EQ(Nums(doc.GetRobot(1)->m_nFlatScore, doc.GetRobot(1)->m_nFlatHandicap, doc.GetRobot(2)->m_nFlatHandicap),
              Nums(130, 25, 0));

    // Team handicaps: the box is the handicap still, and no game with handicap is shown.
    doc.m_bTeamHandicaps = 1;
    ui.OnDialog(IDD_ROBOT_SCORES)
        .Check([](CDialog& d) {
            EXPECT_EQ(TextsOf(d, {IDC_RB_SECOND_LABEL[2], IDC_RB_SECOND[2]}), (Texts{"Hcp Score", "30"}));
            EXPECT_EQ(VisibleOf(d, {IDC_RB_SECOND[2], IDC_RB_DIFF[2], IDC_RB_HCP_NOTE[2]}), "100");
        })
        .Cancel();
    EXPECT_FALSE(RulesSetup::EditRobotScores(&doc));
}

// ------------------------------------------------------------------ the commands

TEST_F(Rules, TheLeagueMenuCommandsRunTheirDialogs)
{
    doc.m_bHandicapLeague = 1;
    doc.m_bScratchLeague = 0;
    ui.OnDialog(IDD_HANDICAP_DETAILS).OK();
    EXPECT_TRUE(RulesSetup::RulesCmdMsg(&doc, ID_LEAGUE_HCP_SYSTEM, CN_COMMAND, nullptr));
    EXPECT_TRUE(doc.IsModified());
    ui.OnDialog(IDD_HANDICAP_STANDINGS_SEQ).Cancel();
    EXPECT_TRUE(RulesSetup::RulesCmdMsg(&doc, ID_LEAGUE_HCP_STANDINGS, CN_COMMAND, nullptr));
    EXPECT_EQ(ui.dialogsOpened, (std::vector<UINT>{IDD_HANDICAP_DETAILS, IDD_HANDICAP_STANDINGS_SEQ}));
    CCmdUI state;
    state.m_nID = ID_LEAGUE_SCR_POINTS;
    EXPECT_TRUE(RulesSetup::RulesCmdMsg(&doc, ID_LEAGUE_SCR_POINTS, CN_COMMAND, &state));
    EXPECT_FALSE(state.m_bEnabled);
}
