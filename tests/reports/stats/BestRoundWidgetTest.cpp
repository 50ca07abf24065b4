// The best games and round statistics dialogs on the real Qt widgets: numbers typed into the
// boxes, a refused number and the box it sends the user back to, Enter keeping what is typed.
#include "TempDir.h"
#include "framework/qt/QtBackend.h"
#include "framework/ui/Dialog.h"
#include "league/BowlingDoc.h"
#include "reports/stats/BestGamesItem.h"
#include "reports/stats/RoundAnalysisItem.h"
#include "resources/Resource.h"
#include "resources/dialogs/ReportDialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

void WhenModal(std::function<void(QWidget*)> fn)
{
    QTimer::singleShot(0, [fn] {
        QWidget* w = QApplication::activeModalWidget();
        for (int i = 0; !w && i < 50; ++i) {
            QApplication::processEvents();
            w = QApplication::activeModalWidget();
        }
        ASSERT_NE(w, nullptr);
        fn(w);
    });
}

template <class T>
T* Control(QWidget* dlg, UINT id)
{
    for (QWidget* c : dlg->findChildren<QWidget*>()) {
        QVariant v = c->property("torvaneCtl");
        if (v.isValid() && static_cast<CControlState*>(v.value<void*>())->id == id)
            return qobject_cast<T*>(c);
    }
    return nullptr;
}

void Type(QWidget* dlg, UINT id, const char* text)
{
    auto* edit = Control<QLineEdit>(dlg, id);
    ASSERT_NE(edit, nullptr);
    QTest::mouseClick(edit, Qt::LeftButton);
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

// Answers the message box that comes up, then runs then on the dialog.
void AnswerBox(QString* pSeen, std::function<void()> then)
{
    WhenModal([pSeen, then](QWidget* box) {
        auto* mb = qobject_cast<QMessageBox*>(box);
        ASSERT_NE(mb, nullptr);
        *pSeen = mb->text();
        mb->accept();
        QTimer::singleShot(0, then);
    });
}

struct QtUi
{
    TempDir settings;
    std::unique_ptr<CUiBackend> backend;
    CUiBackend* previous;
    QtUi()
    {
        RegisterResources();
        AfxUseSettingsFolder(settings.path().string().c_str());
        backend.reset(AfxCreateQtBackend());
        previous = AfxSetBackend(backend.get());
    }
    ~QtUi() { AfxSetBackend(previous); }
};

} // namespace

TEST(BestRoundOnRealWidgets, BestGamesCountRefusedThenKeptByEnter)
{
    QtUi ui;
    CBowlingDoc doc;
    doc.m_nCurrentRound = 4;
    CRepItem_best item;
    item.m_pDoc = &doc;
    QString seen;
    WhenModal([&seen](QWidget* w) {
        EXPECT_EQ(w->windowTitle(), "Best Games Series");
        QTest::mouseClick(Control<QCheckBox>(w, IDC_BG_CURRENT_ROUND), Qt::LeftButton);
        EXPECT_EQ(Control<QLineEdit>(w, IDC_BG_FIRST_ROUND)->text(), "4");
        Type(w, IDC_BG_COUNT, "0");
        AnswerBox(&seen, [w] {
            // Back in the count box: what is typed there now replaces it.
            EXPECT_EQ(w->focusWidget(), Control<QLineEdit>(w, IDC_BG_COUNT));
            QTest::keyClicks(Control<QLineEdit>(w, IDC_BG_COUNT), "25");
            QTest::keyClick(Control<QLineEdit>(w, IDC_BG_COUNT), Qt::Key_Return);
        });
        QTest::keyClick(Control<QLineEdit>(w, IDC_BG_COUNT), Qt::Key_Return);
    });
    item.Edit();
    EXPECT_EQ(seen, "Please enter an integer between 1 and 9999.");
    EXPECT_EQ(item.m_nCount, 25);
    EXPECT_EQ(item.m_nFirstRound, 4);
    EXPECT_EQ(item.m_bCurrentRoundOnly, 1u);
}

TEST(BestRoundOnRealWidgets, RoundStatisticsGapRefusedThenKeptByEnter)
{
    QtUi ui;
    CBowlingDoc doc;
    doc.m_nCurrentRound = 3;
    CRepItem_Analysis1 item;
    item.m_pDoc = &doc;
    item.SetDefaults();
    QString seen;
    WhenModal([&seen](QWidget* w) {
        EXPECT_EQ(w->windowTitle(), "Round Statistics");
        // Ticking the row's box opens its value boxes; a range typed there is kept.
        QTest::mouseClick(Control<QCheckBox>(w, IDC_RA_ENABLED[2]), Qt::LeftButton);
        EXPECT_TRUE(Control<QLineEdit>(w, IDC_RA_TO[2])->isEnabled());
        Type(w, IDC_RA_FROM[2], "250");
        Type(w, IDC_RA_TO[2], "300");
        Type(w, IDC_RA_GAP, "250");
        AnswerBox(&seen, [w] {
            EXPECT_EQ(w->focusWidget(), Control<QLineEdit>(w, IDC_RA_GAP));
            QTest::keyClicks(Control<QLineEdit>(w, IDC_RA_GAP), "30");
            QTest::keyClick(Control<QLineEdit>(w, IDC_RA_GAP), Qt::Key_Return);
        });
        QTest::keyClick(Control<QLineEdit>(w, IDC_RA_GAP), Qt::Key_Return);
    });
    item.Edit();
    EXPECT_EQ(seen, "Please enter an integer between 0 and 200.");
    EXPECT_EQ(item.m_nGap, 30);
    EXPECT_EQ(item.m_bEnabled[2], 1);
    EXPECT_EQ(item.m_nValueFrom[2], 250);
    EXPECT_EQ(item.m_nValueTo[2], 300);
    EXPECT_EQ(item.m_nFirstRound, 3);
}
