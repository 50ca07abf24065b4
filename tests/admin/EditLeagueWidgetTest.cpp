// General Details on the real widgets: a league that holds games over 300 keeps its five-pin
// rules, so that it still opens once it is saved.
#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>

#include "AdminChecks.h"
#include "RealDialogs.h"
#include "ReloadedLeague.h"
#include "admin/LeagueDetailsCommands.h"
#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/SampleLeague.h"
#include "resources/Resource.h"
#include "resources/dialogs/AdminDialogs.h"

namespace {

// A click on the box itself: the control is wider than its caption, whose end a click in the
// middle would miss.
CRealDialog& ClickFivePin(CRealDialog& d)
{
    QWidget* pBox = d.Widget(IDC_EL_FIVE_PIN);
    QTest::mouseClick(pBox, Qt::LeftButton, Qt::NoModifier, QPoint(4, pBox->height() / 2));
    return d;
}

}  // namespace

TEST(EditLeagueOnRealWidgets, GamesOver300KeepTheFivePinRules)
{
    RegisterResources();
    CBowlingDoc doc;
    BuildSampleLeague(doc, GetSampleLeagueShape(FALSE));
    doc.m_bFivePinRules = 1;
    CFixture* f = doc.FindFixtureByRoundMatch(1, 1);
    ASSERT_TRUE(f->m_bPlayed[0]);
    f->m_nScore[2][0] = 412;  // as the scoresheet takes it under five-pin rules
    CRealUi ui;
    ui.OnDialog(IDD_EDIT_LEAGUE, [](CRealDialog& d) {
        EXPECT_EQ(d.Text(IDC_EL_FIVE_PIN), "1");
        ClickFivePin(d).Enter();
        // Refused: ticked again, the dialog still up.
        EXPECT_EQ(std::make_pair(d.Text(IDC_EL_FIVE_PIN), d.FocusID()),
                  std::make_pair(std::string("1"), static_cast<UINT>(IDC_EL_FIVE_PIN)));
        d.Enter();
    });
    ui.AnswerMessageBox(IDOK, "Games over 300 have been entered");
    EXPECT_TRUE(LeagueDetailsCommands::EditLeagueDetails(&doc));
    EXPECT_EQ(doc.m_bFivePinRules, 1u);
    CBowlingDoc opened;
    EXPECT_TRUE(Reload(doc, opened));

    // Without such a game the rules can go.
    f->m_nScore[2][0] = 300;
    ui.OnDialog(IDD_EDIT_LEAGUE, [](CRealDialog& d) { ClickFivePin(d).Enter(); });
    EXPECT_TRUE(LeagueDetailsCommands::EditLeagueDetails(&doc));
    EXPECT_EQ(Nums(doc.m_bFivePinRules, ui.messages.size()), Nums(0, 1));
    EXPECT_TRUE(Reload(doc, opened));
}
