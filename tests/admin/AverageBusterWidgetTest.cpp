// The average buster set-up and the Average Busters item's dialog typed into on the real
// widgets: a number out of range is refused when OK is pressed with Enter, the box keeps the
// focus and can be typed over at once.
#include <gtest/gtest.h>

#include "../reports/stats/CustomPlayerTestLeague.h"
#include "AdminChecks.h"
#include "RealDialogs.h"
#include "admin/AverageBuster.h"
#include "reports/stats/AvgBustersItem.h"
#include "resources/Resource.h"
#include "resources/dialogs/ReportDialogs.h"
#include "resources/dialogs/RulesDialogs.h"

TEST(AverageBusterWidgets, UnitOutOfRangeIsRefusedAndTypedOver)
{
    RegisterResources();
    CBowlingDoc doc;
    doc.m_nAvgBusterUnit = 20;
    CRealUi ui;
    ui.OnDialog(IDD_AVERAGE_BUSTER_SETUP, [&](CRealDialog& d) {
        EXPECT_EQ(d.Text(IDC_AB_UNIT), "20");
        d.Click(IDC_AB_UNIT).Key(Qt::Key_A, Qt::ControlModifier).Type("150").Enter();
        EXPECT_EQ(d.FocusID(), static_cast<UINT>(IDC_AB_UNIT));
        d.Key(Qt::Key_A, Qt::ControlModifier).Type("15").Tab();
        EXPECT_EQ(d.FocusID(), static_cast<UINT>(IDC_AB_PER_GAME));
        d.Key(Qt::Key_Space).Tab().Type("3").Enter();
    });
    ui.AnswerMessageBox(IDOK, "Please enter an integer between 0 and 100.");
    EXPECT_TRUE(AverageBuster::EditAverageBuster(&doc));
    EXPECT_EQ(Nums(ui.messages.size(), doc.m_nAvgBusterUnit, doc.m_bAvgBusterPerGame, doc.m_nAvgBusterOver),
              Nums(1, 15, 1, 3));
}

TEST(AverageBusterWidgets, ItemNumberToDisplayOutOfRangeIsRefused)
{
    RegisterResources();
    CBowlingDoc doc;
    CRepItem_AvgBusters item;
    item.m_pDoc = &doc;
    CRealUi ui;
    ui.OnDialog(IDD_AVG_BUSTERS_ITEM, [&](CRealDialog& d) {
        d.Click(IDC_AB_DISPLAY).Key(Qt::Key_A, Qt::ControlModifier).Type("101").Enter();
        EXPECT_EQ(d.FocusID(), static_cast<UINT>(IDC_AB_DISPLAY));
        d.Key(Qt::Key_A, Qt::ControlModifier).Type("25").Tab();
        EXPECT_EQ(d.FocusID(), static_cast<UINT>(IDC_AB_CURRENT_ROUND));
        d.Key(Qt::Key_Space);
        EXPECT_EQ(item.m_bCurrentRound, 1u);
        d.Enter();
    });
    ui.AnswerMessageBox(IDOK, "Please enter an integer between 1 and 100.");
    item.Edit();
    EXPECT_EQ(Nums(ui.messages.size(), item.m_nDisplay, item.m_bCurrentRound), Nums(1, 25, 1));
}
