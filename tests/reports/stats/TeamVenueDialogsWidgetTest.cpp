// "Team Stats Setup" and "Venue Hi Stats Style" typed into and clicked on the real widgets.
#include <gtest/gtest.h>

#include "RealDialogs.h"
#include "reports/stats/TeamReportItem.h"
#include "reports/stats/VenueReportItems.h"
#include "resources/Resource.h"

TEST(TeamVenueDialogs, ThresholdsRoundDownOnLeavingTheirBoxAndTheSplitFollowsItsCheckBox)
{
    RegisterResources();
    CRealUi ui;
    ui.OnDialog(IDD_TEAM_STATS_SETUP, [&](CRealDialog& d) {
        ASSERT_EQ(d.FocusID(), IDC_TSS_VALUE[0]);
        d.Type("230").Tab();
        EXPECT_EQ(d.Text(IDC_TSS_VALUE[0]), "225");
        EXPECT_EQ(d.FocusID(), IDC_TSS_VALUE[1]);
        // Not a number: the row keeps its value.
        d.Type("-").Tab();
        EXPECT_EQ(d.Text(IDC_TSS_VALUE[1]), "150");
        d.Click(IDC_TSS_SPLIT[2]);
        EXPECT_EQ((std::vector<std::string>{d.Text(IDC_TSS_SPLIT[2]), d.Text(IDC_TSS_SPLIT[7]), d.Text(IDC_TSS_KIND[1]),
                                            d.Text(IDC_TSS_KIND[2])}),
                  (std::vector<std::string>{"1", "0", "Game", "Series"}));
        // The two game rows are out of order now: sorted on request, and the dialog stays.
        d.Click(IDOK);
        EXPECT_EQ(d.Text(IDC_TSS_VALUE[0]) + "," + d.Text(IDC_TSS_VALUE[1]), "150,225");
        d.Click(IDOK);
    });
    ui.AnswerMessageBox(IDOK, "G2 0 (225) > 1 (150)");
    ui.AnswerMessageBox(IDYES, "Would you like them sorted for you?");
    CTeamStatsSetupDlg dlg;
    const int values[16] = {125, 150, 175, 200, 225, 250, 275, 500, 525, 550, 575, 600, 625, 650, 675, 700};
    std::copy(values, values + 16, dlg.m_nValues);
    dlg.m_nSplit = 7;
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ((std::vector<int>{dlg.m_nValues[0], dlg.m_nValues[1], dlg.m_nSplit}), (std::vector<int>{150, 225, 2}));
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0], "G2 0 (225) > 1 (150)");
}

TEST(TeamVenueDialogs, NumberToListIsRefusedOutsideOneToTen)
{
    RegisterResources();
    CRealUi ui;
    ui.OnDialog(IDD_VENUE_HI_STATS_STYLE, [&](CRealDialog& d) {
        EXPECT_EQ(d.Text(IDC_VHS_NUMBER), "10");
        d.Click(IDC_VHS_NUMBER).Key(Qt::Key_End).Key(Qt::Key_Backspace).Key(Qt::Key_Backspace).Type("11").Enter();
        EXPECT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(d.FocusID(), IDC_VHS_NUMBER);
        d.Key(Qt::Key_End).Key(Qt::Key_Backspace).Key(Qt::Key_Backspace).Type("7").Enter();
    });
    ui.AnswerMessageBox(IDOK, "between 1 and 10");
    CVenueHiStatsStyleDlg dlg;
    dlg.m_nNumberToList = 12;   // only a damaged file holds more than 10
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_nNumberToList, 7);
}
