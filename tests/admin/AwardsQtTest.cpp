// "Edit Automatic Award" through the real Qt widgets: a value typed and left for another
// control is in the rule's description at once, and one typed and confirmed with Enter,
// still in its box, is in the result.
#include "AdminChecks.h"
#include "QtWidgetSteps.h"
#include "RealDialogs.h"
#include "admin/EditAutoAwardDlg.h"
#include "admin/EditManualAwardDataDlg.h"
#include "league/Awards.h"
#include "league/BowlingDoc.h"
#include "league/SampleLeague.h"

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

// "Edit Manual Award Data" of an award for game 4, in a league of three games: the box shows
// the 4, Enter refuses it with the range and gives the box back, and the 2 typed over it is
// the result.
TEST(EditManualAwardDataQt, AGameTheLeagueDoesNotBowlIsRefusedWithTheRange)
{
    CBowlingDoc doc;
    BuildSampleLeague(doc, GetSampleLeagueShape(FALSE));
    ASSERT_EQ(doc.m_nGamesPerMatch, 3);
    auto* pRecord = static_cast<CAwardData*>(doc.m_listAwardData.GetHead());
    pRecord->m_nGame = 4;
    CRealUi ui;
    CEditManualAwardDataDlg dlg;
    dlg.m_pDoc = &doc;
    dlg.m_pRecord = pRecord;
    ui.OnDialog(IDD_EDIT_MANUAL_AWARD_DATA, [](CRealDialog& d) {
        EXPECT_EQ(d.Text(IDC_EM_GAME), "4");
        d.Click(IDC_EM_GAME).Enter();
        EXPECT_EQ(d.FocusID(), static_cast<UINT>(IDC_EM_GAME));
        d.Type("2").Enter();
    });
    ui.AnswerMessageBox(IDOK, "Please enter an integer between 0 and 3.");
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Please enter an integer between 0 and 3."});
    EXPECT_EQ(Nums(dlg.m_nGame, dlg.m_nCategory), Nums(2, pRecord->m_nCategory));
}
