// The best games and round statistics dialogs on the real Qt widgets: numbers typed into the
// boxes, a refused number and the box it sends the user back to, Enter keeping what is typed.
#include "RealDialogs.h"
#include "league/BowlingDoc.h"
#include "reports/stats/BestGamesItem.h"
#include "reports/stats/RoundAnalysisItem.h"
#include "resources/Resource.h"
#include "resources/dialogs/ReportDialogs.h"

#include <gtest/gtest.h>

TEST(BestRoundOnRealWidgets, BestGamesCountRefusedThenKeptByEnter)
{
    RegisterResources();
    CBowlingDoc doc;
    doc.m_nCurrentRound = 4;
    CRepItem_best item;
    item.m_pDoc = &doc;
    CRealUi ui;
    ui.OnDialog(IDD_BEST_GAMES_SERIES, [](CRealDialog& d) {
        d.Click(IDC_BG_CURRENT_ROUND);
        EXPECT_EQ(d.Text(IDC_BG_FIRST_ROUND), "4");
        d.Click(IDC_BG_COUNT).Key(Qt::Key_A, Qt::ControlModifier).Type("0").Enter();
        // Refused: back in the count box, its text selected for typing over.
        EXPECT_EQ(d.FocusID(), static_cast<UINT>(IDC_BG_COUNT));
        d.Type("25").Enter();
    });
    ui.AnswerMessageBox(IDOK, "Please enter an integer between 1 and 9999.");
    item.Edit();
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Please enter an integer between 1 and 9999."});
    EXPECT_EQ((std::vector<long>{item.m_nCount, item.m_nFirstRound, long(item.m_bCurrentRoundOnly)}), (std::vector<long>{25, 4, 1}));
}

TEST(BestRoundOnRealWidgets, RoundStatisticsGapRefusedThenKeptByEnter)
{
    RegisterResources();
    CBowlingDoc doc;
    doc.m_nCurrentRound = 3;
    CRepItem_Analysis1 item;
    item.m_pDoc = &doc;
    item.SetDefaults();
    CRealUi ui;
    ui.OnDialog(IDD_ROUND_STATISTICS, [](CRealDialog& d) {
        // Ticking the row's box opens its value boxes; a range typed there is kept.
        d.Click(IDC_RA_ENABLED[2]);
        d.Click(IDC_RA_FROM[2]).Key(Qt::Key_A, Qt::ControlModifier).Type("250").Tab().Type("300");
        d.Click(IDC_RA_GAP).Key(Qt::Key_A, Qt::ControlModifier).Type("250").Enter();
        EXPECT_EQ(d.FocusID(), static_cast<UINT>(IDC_RA_GAP));
        d.Type("30").Enter();
    });
    ui.AnswerMessageBox(IDOK, "Please enter an integer between 0 and 200.");
    item.Edit();
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Please enter an integer between 0 and 200."});
    EXPECT_EQ((std::vector<int>{item.m_nGap, item.m_bEnabled[2], item.m_nValueFrom[2], item.m_nValueTo[2], item.m_nFirstRound}),
              (std::vector<int>{30, 1, 250, 300, 3}));
}
