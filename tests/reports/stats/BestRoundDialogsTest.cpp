// The options dialogs of the best games and the round analysis items, driven through their
// controls.
#include "BestRoundTestLeague.h"
#include "DialogControls.h"
#include "ScriptedBackend.h"
#include "reports/stats/BestGamesItem.h"
#include "reports/stats/RoundAnalysisItem.h"
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
    EXPECT_EQ(item.m_nCount, 9999);
    EXPECT_TRUE(item.m_fontDetail == before);
}

TEST(RoundStatisticsDialog, RoundBoxesRowsLeagueKindAndTheGap)
{
    RegisterResources();
    BestRoundLeague league;
    league.Build();
    league.doc.m_nCurrentRound = 5;
    CRepItem_Analysis1 item;
    item.m_pDoc = &league.doc;
    item.SetDefaults();
    CScriptedBackend ui;
    ui.OnDialog(IDD_ROUND_STATISTICS)
        .Check([](CDialog& d) {
            EXPECT_EQ(d.GetCaption(), "Round Statistics");
            EXPECT_EQ(Ctl(d, IDC_RA_FIRST_ROUND).text, "5");
            EXPECT_FALSE(Enabled(d, IDC_RA_FIRST_ROUND));
            EXPECT_FALSE(Ctl(d, IDC_RA_STYLE).visible);
            EXPECT_TRUE(Enabled(d, IDC_RA_LEAGUE_KIND));
            EXPECT_EQ(Items(d, IDC_RA_STATISTIC[1]).size(), 7u);
            EXPECT_EQ(Items(d, IDC_RA_STATISTIC[2]).size(), 6u);
            // Row 1 is an average: no range; row 2 is off.
            EXPECT_EQ(Selected(d, IDC_RA_MEASURE[0]), "Average");
            EXPECT_TRUE(Enabled(d, IDC_RA_STATISTIC[0]));
            EXPECT_FALSE(Enabled(d, IDC_RA_FROM[0]));
            EXPECT_FALSE(Enabled(d, IDC_RA_GROUP[1]));
        })
        .Click(IDC_RA_ALL_ROUNDS)
        .Check([](CDialog& d) {
            EXPECT_EQ(Ctl(d, IDC_RA_CURRENT_ROUND).check, 0);
            EXPECT_EQ(Ctl(d, IDC_RA_FIRST_ROUND).text, "1");
            EXPECT_EQ(Ctl(d, IDC_RA_LAST_ROUND).text, "5");
            EXPECT_FALSE(Enabled(d, IDC_RA_LAST_ROUND));
        })
        .Click(IDC_RA_ALL_ROUNDS)
        .Check([](CDialog& d) { EXPECT_TRUE(Enabled(d, IDC_RA_LAST_ROUND)); })
        .Select(IDC_RA_MEASURE[0], 0)
        .Check([](CDialog& d) { EXPECT_TRUE(Enabled(d, IDC_RA_TO[0])); })
        .Click(IDC_RA_ENABLED[1])
        .Check([](CDialog& d) {
            EXPECT_TRUE(Enabled(d, IDC_RA_GROUP[1]));
            EXPECT_FALSE(Enabled(d, IDC_RA_BASIS[1]));
        })
        .Select(IDC_RA_LEAGUE_KIND, 1)
        .Select(IDC_RA_BASIS[1], 1)
        .Select(IDC_RA_LEAGUE_KIND, 0)
        .Check([](CDialog& d) {
            EXPECT_EQ(Selected(d, IDC_RA_BASIS[1]), "Scratch");
            EXPECT_FALSE(Enabled(d, IDC_RA_BASIS[1]));
        })
        .Select(IDC_RA_STATISTIC[1], 1)
        .Select(IDC_RA_GROUP[1], 1)
        .Select(IDC_RA_CLASS[1], 2)
        .SetText(IDC_RA_FROM[1], "300")
        .SetText(IDC_RA_TO[1], "200")
        .SetText(IDC_RA_FIRST_ROUND, "0")
        .SetText(IDC_RA_LAST_ROUND, "0")
        .SetText(IDC_RA_GAP, "201")
        .OK()
        .SetText(IDC_RA_GAP, "2x")
        .OK()
        .SetText(IDC_RA_GAP, "25")
        .OK();
    ui.AnswerMessageBox(IDOK, "Please enter an integer between 0 and 200.");
    ui.AnswerMessageBox(IDOK, "Please enter an integer.");
    item.Edit();
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_EQ(item.m_bCurrentRoundOnly, 0);
    EXPECT_EQ(item.m_bAllRoundsToCurrent, 0);
    EXPECT_EQ(item.m_nFirstRound, 1);
    EXPECT_EQ(item.m_nLastRound, 1);
    EXPECT_EQ(item.m_nGap, 25);
    EXPECT_EQ(item.m_nLeagueKind, 0);
    EXPECT_EQ(item.m_nMeasure[0], 0);
    EXPECT_EQ(item.m_bEnabled[1], 1);
    EXPECT_EQ(item.m_nValueFrom[1], 200);
    EXPECT_EQ(item.m_nValueTo[1], 200);
    EXPECT_EQ(item.m_nStatistic[1], 1);
    EXPECT_EQ(item.m_nGroup[1], 1);
    EXPECT_EQ(item.m_nClass[1], 2);
    EXPECT_EQ(item.m_nBasis[1], 0);

    // A league of handicap only: the kind is set and fixed while the dialog is open, and
    // Cancel puts it back with the fonts.
    league.doc.m_bScratchLeague = 0;
    ui.OnDialog(IDD_ROUND_STATISTICS)
        .Check([](CDialog& d) {
            EXPECT_EQ(Selected(d, IDC_RA_LEAGUE_KIND), "Handicap League");
            EXPECT_FALSE(Enabled(d, IDC_RA_LEAGUE_KIND));
            EXPECT_TRUE(Enabled(d, IDC_RA_BASIS[1]));
        })
        .Click(IDC_RA_HEADER_FONT)
        .Cancel();
    ui.ChooseFont("Tahoma", 90, TRUE, FALSE, FALSE, FALSE, RGB(0, 0, 0));
    item.Edit();
    EXPECT_EQ(item.m_nLeagueKind, 0);
    EXPECT_EQ(item.m_fontHeader.m_strFaceName, "Arial");
}
