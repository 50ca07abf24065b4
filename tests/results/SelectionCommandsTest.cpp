// League > Miscellaneous Setup > Individual Award Percentages through its dialog, and the
// round number dialog.
#include <gtest/gtest.h>

#include "ResultsLeague.h"
#include "ResultsControlTexts.h"
#include "ScriptedBackend.h"
#include "resources/CommandIds.h"
#include "results/SelectionCommands.h"
#include "results/SetRoundDlg.h"

using Texts = std::vector<std::string>;

namespace {

struct AwardLeague : ResultsLeague {
    AwardLeague() : ResultsLeague(2, 1, 3, 1)
    {
        const BYTE pct[5] = {50, 25, 0, 100, 10};
        for (int i = 0; i < 5; ++i)
            doc.m_nQualifyingPct[i] = pct[i];
        doc.m_bGamesOverEntering = 1;
        doc.m_bExcludeFloatingSubs = 0;
        doc.m_bExcludePacers = 1;
        doc.UpdateHandicapFactors();
        doc.SetModifiedFlag(FALSE);
        // A figure the recalculation puts right, to see that it ran.
        Team(1)->m_nPointsWon[PASS_HANDICAP] = 77;
    }

    std::vector<int> Pct() const { return {doc.m_nQualifyingPct, doc.m_nQualifyingPct + 5}; }
};

}  // namespace

TEST(HiAwardQualify, ShowsTheLeagueValuesAndStoresThemAfterOK)
{
    AwardLeague L;
    CScriptedBackend ui;
    ui.OnDialog(IDD_HI_AWARD_QUALIFY)
        .Check([](CDialog& d) {
            EXPECT_EQ(CtlTexts(d, {IDC_HAQ_PCT[0], IDC_HAQ_PCT[1], IDC_HAQ_PCT[2], IDC_HAQ_PCT[3], IDC_HAQ_PCT[4]}),
                      (Texts{"50", "25", "0", "100", "10"}));
            EXPECT_EQ(CtlChecks(d, {IDC_HAQ_GAMES_OVER_ENTERING, IDC_HAQ_EXCLUDE_FLOATING, IDC_HAQ_EXCLUDE_PACERS}),
                      (std::vector<int>{1, 0, 1}));
        })
        .SetText(IDC_HAQ_PCT[0], "75")
        .SetText(IDC_HAQ_PCT[2], "33")
        .SetText(IDC_HAQ_PCT[4], "0")
        .Click(IDC_HAQ_GAMES_OVER_ENTERING)
        .Click(IDC_HAQ_EXCLUDE_FLOATING)
        .OK();
    ASSERT_TRUE(EditHiAwardQualifying(&L.doc));
    EXPECT_EQ(L.Pct(), (std::vector<int>{75, 25, 33, 100, 0}));
    EXPECT_EQ((std::vector<DWORD>{L.doc.m_bGamesOverEntering, L.doc.m_bExcludeFloatingSubs, L.doc.m_bExcludePacers}),
              (std::vector<DWORD>{0, 1, 1}));
    for (auto [i, want] : {std::pair{0, 0.75}, std::pair{2, 0.33}, std::pair{4, 0.0}})
        EXPECT_DOUBLE_EQ(L.doc.m_dMinGamesFraction[i], want) << i;
    EXPECT_TRUE(L.doc.IsModified());
    EXPECT_EQ(L.Team(1)->m_nPointsWon[PASS_HANDICAP], 0);
}

TEST(HiAwardQualify, RefusesPercentagesOutOfRangeAndCancelChangesNothing)
{
    AwardLeague L;
    CScriptedBackend ui;
    for (int i = 0; i < 3; ++i)
        ui.AnswerMessageBox(IDOK);
    ui.OnDialog(IDD_HI_AWARD_QUALIFY)
        .SetText(IDC_HAQ_PCT[1], "101")
        .OK()
        .SetText(IDC_HAQ_PCT[1], "-1")
        .OK()
        .SetText(IDC_HAQ_PCT[1], "ten")
        .OK()
        .Check([](CDialog& d) { EXPECT_FALSE(d.IsEnded()); })
        .SetText(IDC_HAQ_PCT[1], "40")
        .Click(IDC_HAQ_EXCLUDE_PACERS)
        .Cancel();
    EXPECT_FALSE(EditHiAwardQualifying(&L.doc));
    EXPECT_EQ(ui.MessageTexts(), (Texts{"Please enter an integer between 0 and 100.",
                                        "Please enter an integer between 0 and 100.", "Please enter an integer."}));
    EXPECT_EQ(L.Pct(), (std::vector<int>{50, 25, 0, 100, 10}));
    EXPECT_EQ((std::vector<int>{static_cast<int>(L.doc.m_bExcludePacers), L.doc.IsModified(),
                                L.Team(1)->m_nPointsWon[PASS_HANDICAP]}),
              (std::vector<int>{1, FALSE, 77}));
}

TEST(HiAwardQualify, RunsFromTheLeagueMenuCommand)
{
    AwardLeague L;
    SelectionCommands::Install();
    CScriptedBackend ui;
    ui.OnDialog(IDD_HI_AWARD_QUALIFY).SetText(IDC_HAQ_PCT[3], "60").OK();
    EXPECT_TRUE(L.doc.OnCmdMsg(ID_LEAGUE_AWARD_PERCENTAGES, CN_COMMAND, nullptr));
    EXPECT_EQ(L.doc.m_nQualifyingPct[3], 60);
    EXPECT_EQ(ui.dialogsOpened, std::vector<UINT>{IDD_HI_AWARD_QUALIFY});
}

TEST(SetRound, TakesARoundThatFitsTheStoredByte)
{
    RegisterResources();
    CScriptedBackend ui;
    ui.AnswerMessageBox(IDOK);
    ui.OnDialog(IDD_SET_ROUND)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_SET_ROUND_NUMBER).text, "7"); })
        .SetText(IDC_SET_ROUND_NUMBER, "256")  // would wrap to round 0
        .OK()
        .Check([](CDialog& d) { EXPECT_FALSE(d.IsEnded()); })
        .SetText(IDC_SET_ROUND_NUMBER, "255")
        .OK();
    CSetRoundDlg dlg;
    dlg.m_nRound = 7;
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(ui.MessageTexts(), Texts{"Please enter an integer between 1 and 255."});
    EXPECT_EQ(dlg.m_nRound, 255);
}

TEST(SetRound, TheMenuCommandMovesTheLeaguesRoundAndRecalculates)
{
    AwardLeague L;
    L.doc.m_nCurrentRound = 1;
    SelectionCommands::Install();
    CScriptedBackend ui;
    ui.OnDialog(IDD_SET_ROUND)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_SET_ROUND_NUMBER).text, "1"); })
        .SetText(IDC_SET_ROUND_NUMBER, "2")
        .OK();
    ui.OnDialog(IDD_SET_ROUND).Cancel();
    EXPECT_TRUE(L.doc.OnCmdMsg(ID_RESULT_SET_ROUND, CN_COMMAND, nullptr));
    EXPECT_EQ(std::make_pair(static_cast<int>(L.doc.m_nCurrentRound), L.doc.IsModified()), std::make_pair(2, TRUE));
    EXPECT_NE(L.Team(1)->m_nPointsWon[PASS_HANDICAP], 77);  // the recalculation ran
    L.doc.SetModifiedFlag(FALSE);
    EXPECT_TRUE(L.doc.OnCmdMsg(ID_RESULT_SET_ROUND, CN_COMMAND, nullptr));
    EXPECT_EQ(std::make_pair(static_cast<int>(L.doc.m_nCurrentRound), L.doc.IsModified()), std::make_pair(2, FALSE));
}
