// Money typed into the arrears dialog on the real widgets: leaving the box shows the amount in
// its own form, the buttons act on what was typed, and text that is no amount is refused with
// the focus kept in the box.

#include <QComboBox>
#include <QMessageBox>
#include <QPushButton>

#include "QtWidgetSteps.h"
#include "admin/ArrearsDlg.h"
#include "framework/qt/QtBackendImpl.h"
#include "league/Accounts.h"
#include "league/BowlingDoc.h"

TEST(ArrearsOnRealWidgets, TypedMoneyIsShownReadAndRefused)
{
    RegisterResources();
    QtUi ui;
    CBowlingDoc doc;
    auto* subs = new CPaymentItem;
    subs->m_strDescription = "Subs";
    subs->m_nAmount = 250;
    doc.m_listPaymentItems.AddTail(subs);
    CPlayerArrearsDlg dlg;
    dlg.m_pDoc = &doc;
    dlg.m_strName = "Ann Able";
    QString refused;
    QString afterRefusal;
    bool bFocusKept = false;
    WhenModal([&](QWidget* w) {
        // Focus moves only inside the active window.
        QApplication::setActiveWindow(w);
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
        auto* amount = Control<QLineEdit>(w, IDC_AR_AMOUNT);
        ASSERT_NE(amount, nullptr);
        EXPECT_EQ(amount->text(), "0.00");
        EXPECT_EQ(amount->maxLength(), 9);
        Retype(amount, "12.5");
        QTest::keyClick(amount, Qt::Key_Tab);
        EXPECT_EQ(amount->text(), "12.50");
        // The button acts on the amount as typed, read when the box lost the focus to it.
        Retype(amount, "1");
        QTest::mouseClick(Control<QPushButton>(w, IDC_AR_ADD_ITEM), Qt::LeftButton);
        EXPECT_EQ(amount->text(), "3.50");
        Retype(amount, "1,5");
        WhenModal([&, w, amount](QWidget* box) {
            auto* mb = qobject_cast<QMessageBox*>(box);
            ASSERT_NE(mb, nullptr);
            refused = mb->text();
            mb->accept();
            QTimer::singleShot(0, [&, w, amount] {
                afterRefusal = amount->text();
                bFocusKept = w->focusWidget() == amount;
                QTest::mouseClick(Control<QPushButton>(w, IDOK), Qt::LeftButton);
            });
        });
        QTest::mouseClick(Control<QPushButton>(w, IDOK), Qt::LeftButton);
    });
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ((QStringList{refused, afterRefusal}), (QStringList{"Please enter an amount of money, such as 12.50.", "3.50"}));
    EXPECT_TRUE(bFocusKept);
    EXPECT_EQ(dlg.m_nAmount, 350);
}
