// The two table designers on the real Qt widgets: a column picked with the mouse, a width
// typed into the box and kept when a button or the list takes the click, the room figures
// and "TOO LONG" following, a refused width, and Enter keeping what the boxes hold.
#include "QtWidgetSteps.h"
#include "TempDir.h"
#include "framework/qt/QtBackend.h"
#include "framework/ui/Dialog.h"
#include "league/BowlingDoc.h"
#include "reports/stats/CustomPlayerStats.h"
#include "reports/stats/CustomStandings.h"
#include "resources/Resource.h"
#include "resources/dialogs/ReportDialogs.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

void ClickRow(QWidget* dlg, int nRow)
{
    auto* list = Control<QListWidget>(dlg, IDC_CD_COLUMNS);
    ASSERT_NE(list, nullptr);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(nRow)).center());
}

void Type(QWidget* dlg, UINT id, const char* text)
{
    auto* edit = Control<QLineEdit>(dlg, id);
    ASSERT_NE(edit, nullptr);
    QTest::mouseClick(edit, Qt::LeftButton);
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

QString Text(QWidget* dlg, UINT id)
{
    if (auto* label = Control<QLabel>(dlg, id))
        return label->text();
    auto* edit = Control<QLineEdit>(dlg, id);
    return edit ? edit->text() : QString("<none>");
}

} // namespace

TEST(DesignersOnRealWidgets, StandingsWidthTypedThenAddClicked)
{
    QtUi ui;
    CBowlingDoc doc;
    CRepItem_CustomStandings item;
    item.m_pDoc = &doc;
    item.SetDefaults();
    WhenModal([](QWidget* w) {
        EXPECT_EQ(w->windowTitle(), "Custom Standings Report Designer.");
        ClickRow(w, 2);
        EXPECT_EQ(Text(w, IDC_CD_WIDTH), "   1.70 ");
        Type(w, IDC_CD_WIDTH, "2.5");
        QTest::mouseClick(Control<QPushButton>(w, IDC_CD_ADD), Qt::LeftButton);
        // 700 - 170 + 250 and the new half inch.
        EXPECT_EQ(Text(w, IDC_CD_USED) + "|" + Text(w, IDC_CD_FREE) + "|" + Text(w, IDC_CD_WIDTH), "8.30|0.00|   0.50 ");
        EXPECT_FALSE(Control<QLabel>(w, IDC_CD_TOO_LONG)->isHidden());
        EXPECT_EQ(Control<QListWidget>(w, IDC_CD_COLUMNS)->currentRow(), 2);
        // A width typed and the list clicked: kept before the other column shows.
        Type(w, IDC_CD_WIDTH, "0.2");
        ClickRow(w, 3);
        EXPECT_EQ(Text(w, IDC_CD_USED) + "|" + Text(w, IDC_CD_TITLE), "8.00|Name");
        Type(w, IDC_CD_TITLE, "Team");
        QTest::keyClick(Control<QLineEdit>(w, IDC_CD_TITLE), Qt::Key_Return);
    });
    item.Edit();
    ASSERT_EQ(item.m_arrColumns.size(), 13u);
    EXPECT_EQ((std::pair<int, int>(item.m_arrColumns[2]->m_nWidth, item.m_arrColumns[3]->m_nWidth)), (std::pair<int, int>(20, 250)));
    EXPECT_EQ(item.m_arrColumns[3]->m_strTitle, "Team");
}

TEST(DesignersOnRealWidgets, PlayerWidthRefusedThenKeptByEnter)
{
    QtUi ui;
    CBowlingDoc doc;
    CRepItem_CustomPlayerStats item;
    item.m_pDoc = &doc;
    item.SetDefaults();
    QString seen;
    WhenModal([&seen](QWidget* w) {
        ClickRow(w, 1);
        Type(w, IDC_CD_WIDTH, "150");
        WhenModal([&seen, w](QWidget* box) {
            auto* mb = qobject_cast<QMessageBox*>(box);
            ASSERT_NE(mb, nullptr);
            seen = mb->text();
            mb->accept();
            QTimer::singleShot(0, [w] {
                // Back on the width, nothing added; a good width and Enter.
                EXPECT_EQ(Control<QListWidget>(w, IDC_CD_COLUMNS)->count(), 8);
                Type(w, IDC_CD_WIDTH, "40");
                QTest::keyClick(Control<QLineEdit>(w, IDC_CD_WIDTH), Qt::Key_Return);
            });
        });
        QTest::mouseClick(Control<QPushButton>(w, IDC_CD_ADD), Qt::LeftButton);
    });
    item.Edit();
    EXPECT_EQ(seen, "Please enter an integer between 0 and 99.");
    ASSERT_EQ(item.m_arrColumns.size(), 8u);
    EXPECT_EQ(item.m_arrColumns[1]->m_nWidth, 40);
}
