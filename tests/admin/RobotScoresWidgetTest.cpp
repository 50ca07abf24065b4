// The rules dialogs typed into on the real widgets: in Vacancy/Robot Score(s) the game with
// handicap beside a flat rule follows what is typed as soon as the box is left; a scoring
// system's pinfall points take no 0 pins per point.
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

// Pinfall points switched on with a click, the series' "Pins per Point" left at 0: Enter is
// refused with the range, the box is given the focus, and the 50 typed into it is kept.
TEST(ScoringWidgets, PinfallPointsOnTakeNoZeroPinsPerPoint)
{
    RegisterResources();
    CBowlingDoc doc;
    doc.m_bScratchLeague = 1;
    CRealUi ui;
    ui.OnDialog(IDD_SCRATCH_SCORING, [](CRealDialog& d) {
        d.Click(IDC_SC_PP_ENABLED);
        EXPECT_EQ(d.Text(IDC_SC_PP_PINS[4]), "0");
        d.Enter();
        EXPECT_EQ(d.FocusID(), static_cast<UINT>(IDC_SC_PP_PINS[4]));
        d.Type("50").Enter();
    });
    ui.AnswerMessageBox(IDOK, "Please enter an integer between 1 and 255.");
    ASSERT_TRUE(doc.EditScratchScoring());
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Please enter an integer between 1 and 255."});
    EXPECT_EQ(Nums(doc.m_Petersen.m_bScratch, doc.m_Petersen.m_nPinsPerPoint[PASS_SCRATCH][4]), Nums(1, 50));
}
