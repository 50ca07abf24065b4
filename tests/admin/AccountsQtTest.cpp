// Money typed into the arrears dialog on the real widgets: leaving the box shows the amount in
// its own form, the buttons act on what was typed, and text that is no amount is refused with
// the focus kept in the box. An entry posted through the accounts dialogs reaches the accounts
// page on show when "Finished" is clicked.

#include <QComboBox>
#include <QMessageBox>
#include <QPushButton>

#include "AdminTest.h"
#include "QtWidgetSteps.h"
#include "RealDialogs.h"
#include "admin/AccountsCommands.h"
#include "admin/ArrearsDlg.h"
#include "framework/qt/QtBackendImpl.h"
#include "league/Accounts.h"
#include "league/BowlingDoc.h"
#include "view/BowlingView.h"

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

TEST(AccountsOnRealWidgets, FinishedShowsThePostedEntryOnTheAccountsPage)
{
    SetUpAdmin();
    CBowlingDoc doc;
    MakeLeague(doc, 4, 10, At(2026, 9, 7));
    auto* subs = new CAccountItemType;
    subs->m_bIncome = TRUE;
    subs->m_strName = "Subs";
    subs->m_nDefaultAmount = 250;
    doc.m_listIncomeTypes.AddTail(subs);
    // The accounts page is on show in the window.
    CBowlingView view;
    view.AttachTo(&doc, nullptr);
    doc.m_nDisplayMode = 14;
    view.OnInitialUpdate();
    const INT_PTR nBefore = doc.m_listAccountsItems.GetCount();

    CRealUi ui;
    ui.OnDialog(IDD_ACCOUNTS_CONTROL, [&](CRealDialog& d) {
        ui.OnDialog(IDD_ACCOUNT_POSTING, [](CRealDialog& p) {
            p.Pick(IDC_AP_HEADINGS, "Subs");
            EXPECT_EQ(p.Text(IDC_AP_AMOUNT), "  2.50");
            p.Click(IDOK);
        });
        d.Click(IDC_AC_POST_INCOME);
        // Nothing is shown of it until the secretary has finished.
        EXPECT_EQ(doc.m_listAccountsItems.GetCount(), nBefore);
        d.Click(IDOK);
    });
    AccountsCommands::LeagueAccounts(&doc);
    ASSERT_EQ(doc.m_listAccountItems.GetCount(), 1);
    // The page's heading, the income heads, the entry, the week's totals, two rules, heads, the
    // heading's total, the rule before the (no) expense headings and the season's totals.
    EXPECT_EQ(doc.m_listAccountsItems.GetCount(), 10);
    EXPECT_EQ(ui.dialogsOpened, (std::vector<UINT>{IDD_ACCOUNTS_CONTROL, IDD_ACCOUNT_POSTING}));
}
