// Vacancy/Robot Score(s) typed into on the real widgets: the game with handicap beside a flat
// rule follows what is typed as soon as the box is left.
#include <gtest/gtest.h>

#include "AdminChecks.h"
#include "RealDialogs.h"
#include "admin/RulesSetup.h"
#include "league/BowlingDoc.h"
#include "league/Rules.h"
#include "resources/Resource.h"
#include "resources/dialogs/RulesDialogs.h"

TEST(RobotScoresWidgets, TheGameWithHandicapFollowsTheTypedHandicap)
{
    RegisterResources();
    CBowlingDoc doc;
    doc.m_bHandicapLeague = 1, doc.m_bScratchLeague = 0, doc.m_bTeamHandicaps = 0;
    CRealUi ui;
    ui.OnDialog(IDD_ROBOT_SCORES, [&](CRealDialog& d) {
        EXPECT_EQ(d.Text(IDC_RB_DIFF[0]), "(150)");
        d.Click(IDC_RB_SECOND[0]).Key(Qt::Key_A, Qt::ControlModifier).Type("45");
        EXPECT_EQ(d.Text(IDC_RB_DIFF[0]), "(150)");  // not yet: the box still has the focus
        d.Tab();
        EXPECT_EQ(d.Text(IDC_RB_DIFF[0]), "(165)");
        EXPECT_EQ(doc.GetRobot(1)->m_nFlatHandicap, 30u);  // the league's own rule waits for OK
        d.Click(IDC_RB_FIRST[0]).Key(Qt::Key_A, Qt::ControlModifier).Type("110").Tab();
        EXPECT_EQ(d.Text(IDC_RB_DIFF[0]), "(155)");
        d.Click(IDOK);
    });
    ASSERT_TRUE(RulesSetup::EditRobotScores(&doc));
    EXPECT_EQ(Nums(doc.GetRobot(1)->m_nFlatScore, doc.GetRobot(1)->m_nFlatHandicap, ui.messages.size()), Nums(110, 45, 0));
}
