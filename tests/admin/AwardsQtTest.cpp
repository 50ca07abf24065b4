// "Edit Automatic Award" through the real Qt widgets: a value typed and left for another
// control is in the rule's description at once, and one typed and confirmed with Enter,
// still in its box, is in the result.
#include "AdminChecks.h"
#include "QtWidgetSteps.h"
#include "admin/EditAutoAwardDlg.h"

#include <QRadioButton>

namespace {

void Type(QWidget* box, const char* text)
{
    auto* edit = qobject_cast<QLineEdit*>(box);
    ASSERT_NE(edit, nullptr);
    QTest::mouseClick(edit, Qt::LeftButton);
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

} // namespace

TEST(EditAutoAwardQt, LeavingABoxShowsTheRuleAndEnterKeepsTheLastValue)
{
    QtUi ui;
    CEditAutoAwardDlg dlg;
    QString shown;
    WhenModal([&shown](QWidget* w) {
        QTest::mouseClick(qobject_cast<QRadioButton*>(Control(w, IDC_EA_KIND[1])), Qt::LeftButton);
        Type(Control(w, IDC_EA_LOW), "40");
        QTest::mouseClick(qobject_cast<QRadioButton*>(Control(w, IDC_EA_GAME)), Qt::LeftButton);
        shown = qobject_cast<QLabel*>(Control(w, IDC_EA_DESCRIPTION))->text();
        Type(Control(w, IDC_EA_HIGH), "90");
        QTest::keyClick(w, Qt::Key_Return);
    });
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(shown, "Gme  40-300 > Avg.");
    EXPECT_EQ(Nums(dlg.m_award.m_nKind, dlg.m_award.m_nLow, dlg.m_award.m_nHigh), Nums(CAwards::kindOverAverage, 40, 90));
    EXPECT_EQ(dlg.m_award.m_strName, "Gme  40-90 > Avg.");
}
