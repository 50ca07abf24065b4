// Result > Points Adjust: Adjustment, Report and Clear All through their dialogs and questions.
#include <gtest/gtest.h>

#include "ResultsLeague.h"
#include "ScriptedBackend.h"
#include "reports/layout/OfficersItem.h"
#include "results/PointsCommands.h"
#include "results/ResultEntry.h"

namespace {

// Four teams of doubles, three games, a handicap point a game and one for the series.
struct PointsLeague : ResultsLeague {
    PointsLeague() : ResultsLeague(4, 2, 3, 2)
    {
        HandicapTeamPoints();
        // Round 1: team 1 wins every game from team 2, team 3 and team 4 tie throughout.
        Play(Match(1, 1), 200, 150);
        Play(Match(1, 2), 170, 170);
        doc.Recalculate();
    }

    int Won(int t) { return Team(t)->m_nPointsWon[PASS_HANDICAP]; }
    // Won and lost of each team asked for, in turn.
    std::vector<int> WonLost(std::initializer_list<int> teams)
    {
        std::vector<int> v;
        for (int t : teams)
            v.push_back(Won(t)), v.push_back(Lost(t));
        return v;
    }
    int Lost(int t) { return Team(t)->m_nPointsLost[PASS_HANDICAP]; }
};

}  // namespace

TEST(PointsAdjustCommands, AdjustmentIsStoredInTheMatchAndMovesTheStandings)
{
    PointsLeague L;
    ASSERT_EQ((std::vector<int>{L.Won(1), L.Won(2), L.Won(3)}), (std::vector<int>{8, 0, 4}));
    L.doc.m_nCurrentRound = 2;
    L.doc.SetModifiedFlag(FALSE);

    CScriptedBackend ui;
    ui.OnDialog(IDD_SELECT_ROUND).Select(IDC_SELECT_ROUND_LIST, 0).OK();
    ui.OnDialog(IDD_SELECT_FIXTURE).OK();   // the first entered match: 1 v 2
    ui.OnDialog(IDD_FIXTURE_POINTS_ADJUST)
        .SelectString(IDC_FPA_ADJUST_A, "-1\xBD")
        .SelectString(IDC_FPA_ADJUST_B, "+ \xBD")
        .OK();
    ASSERT_TRUE(PointsCommands::AdjustPoints(&L.doc));
    const CFixture* f = L.Match(1, 1);
    EXPECT_EQ((std::vector<int>{f->m_nHandicapAdjust[0], f->m_nHandicapAdjust[1], f->m_nScratchAdjust[0],
                                L.doc.m_nCurrentRound}),
              (std::vector<int>{-3, 1, 0, 1}));
    EXPECT_TRUE(L.doc.IsModified() && ui.AllUsed());
    // Recalculated: the match points carry the adjustment, and so do the teams' totals.
    EXPECT_EQ(L.WonLost({1, 2}), (std::vector<int>{5, 3, 1, 7}));
    EXPECT_EQ(L.Won(3), 4);

    // Cancel in the dialog leaves the match alone.
    ui.OnDialog(IDD_SELECT_ROUND).Select(IDC_SELECT_ROUND_LIST, 0).OK();
    ui.OnDialog(IDD_SELECT_FIXTURE).OK();
    ui.OnDialog(IDD_FIXTURE_POINTS_ADJUST).SelectString(IDC_FPA_ADJUST_A, "+4 ").Cancel();
    EXPECT_FALSE(PointsCommands::AdjustPoints(&L.doc));
    EXPECT_EQ(std::make_pair(static_cast<int>(f->m_nHandicapAdjust[0]), L.Won(1)), std::make_pair(-3, 5));
}

TEST(PointsAdjustCommands, NegativeAdjustmentCanTakeASideBelowNothing)
{
    PointsLeague L;
    CScriptedBackend ui;
    ui.OnDialog(IDD_FIXTURE_POINTS_ADJUST).SelectString(IDC_FPA_ADJUST_B, "-4 ").OK();
    ASSERT_TRUE(PointsCommands::AdjustFixture(&L.doc, L.Match(1, 1)));
    EXPECT_EQ(L.Match(1, 1)->m_nHandicapAdjust[1], -8);
    EXPECT_EQ(L.WonLost({2}), (std::vector<int>{-8, 16}));
    EXPECT_EQ(L.Won(1), 8);   // nothing makes the sides balance
}

TEST(PointsAdjustCommands, ReportListsEachAdjustedMatchOnce)
{
    PointsLeague L;
    CScriptedBackend ui;
    ui.AnswerMessageBox(IDOK, "No 'fiddled' points.");
    EXPECT_EQ((std::vector<int>{PointsCommands::ReportAdjustments(&L.doc), L.doc.m_nDisplayMode}),
              (std::vector<int>{0, DISPLAY_STANDINGS}));
    EXPECT_TRUE(L.doc.m_listGeneratedItems.IsEmpty());

    L.Match(1, 2)->m_nScratchAdjust[1] = 2;
    L.Match(1, 1)->m_nHandicapAdjust[0] = -3;
    L.Match(2, 1)->m_nHandicapAdjust[1] = 1;
    EXPECT_EQ((std::vector<int>{PointsCommands::ReportAdjustments(&L.doc), L.doc.m_nDisplayMode}), (std::vector<int>{3, 13}));
    EXPECT_EQ(L.doc.m_strReportTitle, "3 matches with points 'fiddled'");
    std::vector<std::string> lines;
    for (POSITION pos = L.doc.m_listGeneratedItems.GetHeadPosition(); pos;) {
        auto* pLine = dynamic_cast<CRepItem_PointsAdjust*>(L.doc.m_listGeneratedItems.GetNext(pos));
        ASSERT_NE(pLine, nullptr);
        lines.push_back(pLine->GetText().GetString());
    }
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "Round 1  Team 1 v Team 2        Hcp -1\xBD : 0 ",
                         "Round 1  Team 3 v Team 4        Scr 0  : 1 ",
                         "Round 2  Team 1 v Team 2        Hcp 0  :  \xBD",
                     }));

    // Running it again replaces the lines; a match set back to nothing drops out.
    L.Match(1, 2)->m_nScratchAdjust[1] = 0;
    EXPECT_EQ((std::vector<int>{PointsCommands::ReportAdjustments(&L.doc), static_cast<int>(L.doc.m_listGeneratedItems.GetCount())}),
              (std::vector<int>{2, 2}));
}

TEST(PointsAdjustCommands, ClearAllAsksFirstAndThenRemovesEveryAdjustment)
{
    PointsLeague L;
    L.Match(1, 1)->m_nHandicapAdjust[0] = -3;
    L.Match(1, 2)->m_nScratchAdjust[1] = 2;
    L.Match(2, 2)->m_nHandicapAdjust[1] = 5;
    L.doc.Recalculate();
    ASSERT_EQ(L.Won(1), 5);
    L.doc.SetModifiedFlag(FALSE);
    L.doc.m_nDisplayMode = 13;

    CScriptedBackend ui;
    ui.AnswerMessageBox(IDNO, "Please click YES to confirm you wish to remove all points adjustments");
    EXPECT_FALSE(PointsCommands::ClearAllAdjustments(&L.doc));
    EXPECT_EQ((std::vector<int>{L.Match(1, 1)->m_nHandicapAdjust[0], L.doc.IsModified(), L.doc.m_nDisplayMode}),
              (std::vector<int>{-3, FALSE, 13}));

    ui.AnswerMessageBox(IDYES);
    EXPECT_TRUE(PointsCommands::ClearAllAdjustments(&L.doc));
    for (POSITION pos = L.doc.m_listFixtures.GetHeadPosition(); pos;)
        EXPECT_FALSE(PointsCommands::HasAdjustment(static_cast<CFixture*>(L.doc.m_listFixtures.GetNext(pos))));
    EXPECT_EQ((std::vector<int>{L.Won(1), L.doc.IsModified(), L.doc.m_nDisplayMode}),
              (std::vector<int>{8, TRUE, DISPLAY_STANDINGS}));
}
