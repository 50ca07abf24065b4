// A pacer's game entered on the real widgets: the floating substitute picked and the Pacer box
// ticked with the mouse, the score typed in Substitutions and then over it in the scoresheet's
// cell. The cell and the pacer slot hold one score throughout.
#include <gtest/gtest.h>

#include <QTest>

#include "RealDialogs.h"
#include "WorkedLeague.h"
#include "results/ResultEntry.h"

TEST(PacerWidgets, TheCellAndThePacerSlotHoldOneScore)
{
    WorkedLeague L(4, 2, 3, 3);
    L.AddBowler(0, 91)->SetEnteringAverage(1600);
    L.doc.BuildFloatingSubs();
    L.doc.Recalculate();
    CFixture* f = L.Match(1, 1);
    const int s = WorkedLeague::SideOf(f, 1);
    const int k = CFixture::SlotOf(s, 1);

    CRealUi ui;
    ui.OnDialog(IDD_DOUBLES_SCORESHEET, [&](CRealDialog& d) {
        d.Click(IDC_SS_SUBS[s]);
        // Typed in Substitutions, the pacer's 150 is the cell's too; the position keeps Bowler 12.
        EXPECT_EQ(d.Text(ScoreCell(s, 1, 0)), "150");
        EXPECT_EQ((std::vector<int>{f->m_nScore[0][k], f->m_nPacerScore[0][k], f->m_wPacerNo[0][k],
                                    f->m_wPlayerNo[0][k], f->m_nPacerHandicap[0][k]}),
                  (std::vector<int>{150, 150, 91, 12, 32}));
        // Typed over in the cell, the pacer's score follows.
        d.Click(ScoreCell(s, 1, 0)).Type("155").Tab();
        EXPECT_EQ((std::vector<int>{f->m_nScore[0][k], f->m_nPacerScore[0][k]}), (std::vector<int>{155, 155}));
        d.Escape();
    });
    ui.OnDialog(IDD_DOUBLES_SUBSTITUTES, [](CRealDialog& d) { d.Click(IDC_SUBS_POSITION[1]).Click(IDOK); });
    ui.OnDialog(IDD_SUBSTITUTIONS, [](CRealDialog& d) {
        d.Click(IDC_SUB_FROM_FLOATING).Pick(IDC_SUB_PLAYER[0], "Bowler 91").Click(IDC_SUB_PACER[0]);
        d.Click(IDC_SUB_SCORE[0]).Key(Qt::Key_A, Qt::ControlModifier).Type("150").Enter();
    });
    EXPECT_FALSE(EnterResult(&L.doc, f));
    EXPECT_EQ(ui.messages, std::vector<std::string>{});
}
