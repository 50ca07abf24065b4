// The options dialogs of the best games and the round analysis items, driven through their
// controls.
#include "BestRoundTestLeague.h"
#include "DialogControls.h"
#include "ScriptedBackend.h"
#include "reports/stats/BestGamesItem.h"
#include "resources/Resource.h"
#include "resources/dialogs/ReportDialogs.h"

#include <gtest/gtest.h>

namespace {

bool Enabled(CDialog& d, UINT id)
{
    return d.GetDlgItem(id)->IsWindowEnabled();
}

class BestGamesDialog : public ::testing::Test
{
protected:
    void SetUp() override
    {
        RegisterResources();
        league.Build();
        league.doc.m_nCurrentRound = 6;
        item.m_pDoc = &league.doc;
    }
    BestRoundLeague league;
    CRepItem_best item;
    CScriptedBackend ui;
};

} // namespace

TEST_F(BestGamesDialog, OverAverageTakesBowlersAndAScratchLeagueShowsScratch)
{
    league.doc.m_bHandicapLeague = 0;
    item.m_nBasis = CRepItem_best::BASIS_HANDICAP;
    item.m_bTeams = 1;
    item.m_nGroup = 2;
    item.m_nFirstRound = 0;
    item.m_nLastRound = 0;
    ui.OnDialog(IDD_BEST_GAMES_SERIES)
        .Check([](CDialog& d) {
            EXPECT_EQ(d.GetCaption(), "Best Games Series");
            EXPECT_EQ(Selected(d, IDC_BG_BASIS), "Scratch");
            EXPECT_EQ(Selected(d, IDC_BG_WHO), "Teams");
            EXPECT_FALSE(Enabled(d, IDC_BG_GROUP));
            EXPECT_EQ(Selected(d, IDC_BG_GROUP), "Junior");
            // Rounds 0 open as 1 and the current round.
            EXPECT_EQ(Ctl(d, IDC_BG_FIRST_ROUND).text, "1");
            EXPECT_EQ(Ctl(d, IDC_BG_LAST_ROUND).text, "6");
        })
        .Select(IDC_BG_BASIS, 1)
        .Check([](CDialog& d) { EXPECT_EQ(Selected(d, IDC_BG_BASIS), "Handicap"); })
        .Select(IDC_BG_BASIS, 2)
        .Check([](CDialog& d) {
            EXPECT_EQ(Selected(d, IDC_BG_WHO), "Individuals");
            EXPECT_FALSE(Enabled(d, IDC_BG_WHO));
            EXPECT_TRUE(Enabled(d, IDC_BG_GROUP));
        })
        .Select(IDC_BG_KIND, 1)
        .Select(IDC_BG_COLUMNS, 1)
        .SetText(IDC_BG_COUNT, "12")
        .OK();
    item.Edit();
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_EQ(item.m_nBasis, CRepItem_best::BASIS_OVER_AVERAGE);
    EXPECT_EQ(item.m_bTeams, 0u);
    EXPECT_EQ(item.m_nGroup, 2);
    EXPECT_EQ(item.m_nKind, CRepItem_best::KIND_GAMES);
    EXPECT_EQ(item.m_nColumns, 1);
    EXPECT_EQ(item.m_nCount, 12);
    EXPECT_EQ(item.m_nFirstRound, 1);
    EXPECT_EQ(item.m_nLastRound, 6);
}

TEST_F(BestGamesDialog, CurrentRoundRefusedNumbersAndCancel)
{
    item.m_nFirstRound = 2;
    item.m_nLastRound = 4;
    ui.OnDialog(IDD_BEST_GAMES_SERIES)
        .Click(IDC_BG_CURRENT_ROUND)
        .Check([](CDialog& d) {
            EXPECT_EQ(Ctl(d, IDC_BG_FIRST_ROUND).text, "6");
            EXPECT_EQ(Ctl(d, IDC_BG_LAST_ROUND).text, "6");
        })
        .SetText(IDC_BG_COUNT, "0")
        .OK()
        .SetText(IDC_BG_COUNT, "10000")
        .OK()
        .SetText(IDC_BG_COUNT, "9999")
        .SetText(IDC_BG_LAST_ROUND, "six")
        .OK()
        .SetText(IDC_BG_LAST_ROUND, "6")
        .Select(IDC_BG_WHO, 1)
        .Check([](CDialog& d) { EXPECT_FALSE(Enabled(d, IDC_BG_GROUP)); })
        .OK();
    ui.AnswerMessageBox(IDOK, "Please enter an integer between 1 and 9999.");
    ui.AnswerMessageBox(IDOK, "Please enter an integer between 1 and 9999.");
    ui.AnswerMessageBox(IDOK, "Please enter an integer.");
    item.Edit();
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_EQ(item.m_bCurrentRoundOnly, 1u);
    EXPECT_EQ(item.m_nFirstRound, 6);
    EXPECT_EQ(item.m_nCount, 9999);
    EXPECT_EQ(item.m_bTeams, 1u);

    // Cancel keeps every option and puts back a font chosen meanwhile.
    const CFontData before = item.m_fontDetail;
    ui.OnDialog(IDD_BEST_GAMES_SERIES)
        .Click(IDC_BG_DETAIL_FONT)
        .Check([](CDialog& d) { EXPECT_NE(Ctl(d, IDC_BG_DETAIL_DESC).text.Find("Tahoma"), -1); })
        .SetText(IDC_BG_COUNT, "3")
        .Cancel();
    ui.ChooseFont("Tahoma", 90, FALSE, FALSE, FALSE, FALSE, RGB(0, 0, 0));
    item.Edit();
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_EQ(item.m_nCount, 9999);
    EXPECT_TRUE(item.m_fontDetail == before);
}
