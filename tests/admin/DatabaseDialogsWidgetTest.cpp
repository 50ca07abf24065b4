// The player database's look-up typed into through the real Qt widgets: each key press
// narrows the list, the surname field holds no more than a record keeps, and a click on a line
// and on OK takes that record.

#include <QListWidget>
#include <QPushButton>

#include "AdminChecks.h"
#include "QtWidgetSteps.h"
#include "TempDir.h"
#include "admin/CheckPlayerDbDlg.h"
#include "framework/ui/Registry.h"
#include "league/BowlingDoc.h"
#include "playerdb/BowlingDocDatabase.h"
#include "playerdb/PlayerDatabase.h"

namespace {

QStringList Lines(QListWidget* list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

} // namespace

TEST(DatabaseDialogWidgets, TypingASurnameNarrowsTheListAndAClickTakesTheRecord)
{
    RegisterResources();
    TempDir dir;
    AfxUseSettingsFolder(dir.File("settings").c_str());
    std::unique_ptr<CUiBackend> qt(AfxCreateQtBackend());
    CUiBackend* previous = AfxSetBackend(qt.get());
    {
        CRegistryKey key;
        ASSERT_TRUE(key.Open(TORVANE_REGISTRY_KEY));
        key.SetStringValue(TORVANE_DATABASE_PATH_VALUE, dir.File("db").c_str());
    }
    PlayerDatabase::Install();
    DWORD bob = 0;
    {
        CBowlingDoc doc;
        ASSERT_TRUE(doc.m_pPlayerDb && doc.PlayerDbReady());
        DWORD bStop = 1;
        for (const char* name : {"Ann Baker", "Bob Bakewell", "Cy Jones"}) {
            CPlayer p;
            CString s(name);
            p.m_strFirstName = s.Left(s.Find(' '));
            p.m_strSurname = s.Mid(s.Find(' ') + 1);
            ASSERT_EQ(doc.m_pPlayerDb->PutDbasePlayer(&p, bStop), 0);
            bob = p.m_strFirstName == "Bob" ? p.m_dwDbKey : bob;
        }

        CCheckPlayerDbDlg dlg;
        dlg.m_pDoc = &doc;
        WhenModal([](QWidget* w) {
            auto* surname = Control<QLineEdit>(w, IDC_DB_SURNAME);
            auto* list = Control<QListWidget>(w, IDC_DB_LIST);
            ASSERT_TRUE(surname && list);
            EXPECT_EQ(Lines(list), (QStringList{"Baker Ann", "Bakewell Bob", "Jones Cy"}));
            QTest::keyClicks(surname, "bake");
            EXPECT_EQ(Lines(list), (QStringList{"Ann Baker", "Bob Bakewell"}));
            QTest::keyClicks(surname, "w");
            EXPECT_EQ(Lines(list), QStringList{"Bob Bakewell"});
            QTest::keyClick(surname, Qt::Key_Backspace);
            EXPECT_EQ(Lines(list), (QStringList{"Ann Baker", "Bob Bakewell"}));
            EXPECT_EQ(surname->maxLength(), 32);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
            QTest::mouseClick(Control<QPushButton>(w, IDOK), Qt::LeftButton);
        });
        ASSERT_EQ(dlg.DoModal(), IDOK);
        EXPECT_EQ(Nums(dlg.m_bAddNew, dlg.m_player.m_dwDbKey), Nums(0, bob));
        EXPECT_EQ(Strs(dlg.m_player.m_strSurname, dlg.m_strSurname), (std::vector<std::string>{"Bakewell", "bake"}));
    }
    CBowlingDoc::s_pfnOpenPlayerDb = nullptr;
    CBowlingDoc::s_pfnClosePlayerDb = nullptr;
    AfxSetBackend(previous);
}
