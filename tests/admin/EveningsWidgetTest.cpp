// The minutes between rounds of a league of two rounds an evening, chosen in Fixture Dates on the
// real widgets: every choice the combo offers is shown again when the dialog opens and kept.
#include "AdminChecks.h"
#include "AdminTest.h"
#include "RealDialogs.h"

#include <string>

// Four teams of four, six rounds two an evening from Tue 8 Dec 2026 at 6 pm, 45 minutes apart
// as File > New gives them. 70 minutes picked with the mouse and Finished: the second round of
// every evening is due at 7.10. Opened again the combo shows 70, and Enter (Finished) leaves the
// league unmodified; 90 picked and Escape keep 70.
TEST(EveningsWidgets, SeventyMinutesChosenAreShownAgainAndKept)
{
    SetUpAdmin();
    CBowlingDoc doc;
    MakeLeague(doc, 4, 6, At(2026, 12, 8), 0, 2);
    ASSERT_EQ(doc.m_nMinutesBetweenRounds, 45);
    CRealUi ui;
    ui.OnDialog(IDD_FIXTURE_DATES, [](CRealDialog& d) {
        EXPECT_EQ(d.Text(IDC_FD_MINUTES), "45");
        d.Pick(IDC_FD_MINUTES, "70");
        d.Click(IDOK);
    });
    ASSERT_TRUE(doc.OnCmdMsg(ID_FIXTURE_AMEND_DATES, CN_COMMAND, nullptr));
    EXPECT_EQ(doc.m_nMinutesBetweenRounds, 70);
    for (int r : {2, 4, 6})
        EXPECT_EQ(Nums(doc.FindFixtureByRoundMatch(r, 2)->m_timeDue.GetHour(),
                       doc.FindFixtureByRoundMatch(r, 2)->m_timeDue.GetMinute()),
                  Nums(19, 10))
            << r;

    doc.SetModifiedFlag(FALSE);
    ui.OnDialog(IDD_FIXTURE_DATES, [](CRealDialog& d) {
        EXPECT_EQ(d.Text(IDC_FD_MINUTES), "70");
        d.Enter();
    });
    ASSERT_TRUE(doc.OnCmdMsg(ID_FIXTURE_AMEND_DATES, CN_COMMAND, nullptr));
    EXPECT_FALSE(doc.IsModified());
    ui.OnDialog(IDD_FIXTURE_DATES, [](CRealDialog& d) {
        d.Pick(IDC_FD_MINUTES, "90");
        d.Escape();
    });
    ASSERT_TRUE(doc.OnCmdMsg(ID_FIXTURE_AMEND_DATES, CN_COMMAND, nullptr));
    EXPECT_EQ(doc.m_nMinutesBetweenRounds, 70);
    EXPECT_FALSE(doc.IsModified());
    ui.OnDialog(IDD_FIXTURE_DATES, [](CRealDialog& d) {
        EXPECT_EQ(d.Text(IDC_FD_MINUTES), "70");
        d.Escape();
    });
    ASSERT_TRUE(doc.OnCmdMsg(ID_FIXTURE_AMEND_DATES, CN_COMMAND, nullptr));
    EXPECT_EQ(ui.messages, std::vector<std::string>{});
}
