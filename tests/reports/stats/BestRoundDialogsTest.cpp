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
    item.m_nBasis = CRepItem_best::BASIS_HANDICAP, item.m_bTeams = 1, item.m_nGroup = 2;
    item.m_nFirstRound = item.m_nLastRound = 0;
    ui.OnDialog(IDD_BEST_GAMES_SERIES)
        .Check([](CDialog& d) {
            EXPECT_EQ(d.GetCaption(), "Best Games Series");
            EXPECT_EQ(Selected(d, IDC_BG_BASIS), "Scratch");
            EXPECT_EQ(Selected(d, IDC_BG_WHO), "Teams");
            EXPECT_FALSE(Enabled(d, IDC_BG_GROUP));
            EXPECT_EQ(Selected(d, IDC_BG_GROUP), "Junior");
            // Rounds 0 open as 1 and the current round.
            EXPECT_EQ(Ctl(d, IDC_BG_FIRST_ROUND).text + "-" + Ctl(d, IDC_BG_LAST_ROUND).text, "1-6");
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
    EXPECT_EQ((std::vector<long>{item.m_nBasis, long(item.m_bTeams), item.m_nGroup, item.m_nKind, item.m_nColumns,
                                 item.m_nCount, item.m_nFirstRound, item.m_nLastRound}),
              (std::vector<long>{CRepItem_best::BASIS_OVER_AVERAGE, 0, 2, CRepItem_best::KIND_GAMES, 1, 12, 1, 6}));
}

TEST_F(BestGamesDialog, CurrentRoundRefusedNumbersAndCancel)
{
    item.m_nFirstRound = 2, item.m_nLastRound = 4;
    ui.OnDialog(IDD_BEST_GAMES_SERIES)
        .Click(IDC_BG_CURRENT_ROUND)
        .Check([](CDialog& d) {
            EXPECT_EQ(Ctl(d, IDC_BG_FIRST_ROUND).text + "-" + Ctl(d, IDC_BG_LAST_ROUND).text, "6-6");
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
    EXPECT_EQ((std::vector<long>{long(item.m_bCurrentRoundOnly), item.m_nFirstRound, item.m_nCount, long(item.m_bTeams)}),
              (std::vector<long>{1, 6, 9999, 1}));

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
            EXPECT_EQ((std::vector<bool>{Enabled(d, IDC_RA_FIRST_ROUND), Ctl(d, IDC_RA_STYLE).visible,
                                         Enabled(d, IDC_RA_LEAGUE_KIND)}),
                      (std::vector<bool>{false, false, true}));
            EXPECT_EQ((std::pair(Items(d, IDC_RA_STATISTIC[1]).size(), Items(d, IDC_RA_STATISTIC[2]).size())),
                      (std::pair<size_t, size_t>(7, 6)));
            // Row 1 is an average: no range; row 2 is off.
            EXPECT_EQ(Selected(d, IDC_RA_MEASURE[0]), "Average");
            EXPECT_TRUE(Enabled(d, IDC_RA_STATISTIC[0]));
            EXPECT_FALSE(Enabled(d, IDC_RA_FROM[0]) || Enabled(d, IDC_RA_GROUP[1]));
        })
        .Click(IDC_RA_ALL_ROUNDS)
        .Check([](CDialog& d) {
            EXPECT_EQ(Ctl(d, IDC_RA_CURRENT_ROUND).check, 0);
            EXPECT_EQ(Ctl(d, IDC_RA_FIRST_ROUND).text + "-" + Ctl(d, IDC_RA_LAST_ROUND).text, "1-5");
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
    EXPECT_EQ((std::vector<long>{item.m_bCurrentRoundOnly, item.m_bAllRoundsToCurrent, item.m_nFirstRound,
                                 item.m_nLastRound, item.m_nGap, item.m_nLeagueKind, item.m_nMeasure[0], item.m_bEnabled[1],
                                 item.m_nValueFrom[1], item.m_nValueTo[1], item.m_nStatistic[1], item.m_nGroup[1],
                                 item.m_nClass[1], item.m_nBasis[1]}),
              (std::vector<long>{0, 0, 1, 1, 25, 0, 0, 1, 200, 200, 1, 1, 2, 0}));

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
    EXPECT_EQ((std::pair<int, std::string>(item.m_nLeagueKind, item.m_fontHeader.m_strFaceName.GetString())),
              (std::pair<int, std::string>(0, "Arial")));
}
