// Automatic awards over average are judged on the average the game or series was bowled on: a
// series that lifts the bowler's own average keeps its award, and so does every award when a
// later match is amended upward. A singles season typed through the scoresheets from a new
// league's defaults, the categories made in League > Awards > Automatic Award Categories, the
// awards read from the awards item as it prints them. docs/scoring.md 7.1.
#include "../reports/layout/AwardLines.h"
#include "WorkedLeague.h"
#include "admin/AwardCommands.h"
#include "resources/dialogs/AdminDialogs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

// Two singles teams over three games. Bowler 11 enters at 150.0 and bowls (the average each
// match was bowled on, the figures in force, in brackets):
//   round 1 (150)  150 150 150 = 450    his average after it 450 / 3 = 150
//   round 2 (150)  200 180 160 = 540    after it (450 + 540) / 6 = 165
//   round 3 (165)  170 170 170 = 510    later amended to 250 250 250 = 750
// Bowler 21, a new bowler, bowls 150s on his own 150: nothing over.
struct AwardsSeason
{
    WorkedLeague L{2, 1, 3, 3};

    AwardsSeason()
    {
        L.Player(11)->SetEnteringAverage(1500);
        L.doc.Recalculate();
        // Series 75 to 300 over, games 40 to 300 over, series more than 10 % over.
        CScriptedBackend ui;
        ui.OnDialog(IDD_AUTOMATIC_AWARDS).Click(IDC_AW_ADD).Click(IDC_AW_ADD).Click(IDC_AW_ADD).OK();
        ui.OnDialog(IDD_EDIT_AUTO_AWARD)
            .Click(IDC_EA_KIND[1]).Click(IDC_EA_SERIES).SetText(IDC_EA_LOW, "75").SetText(IDC_EA_HIGH, "300").OK();
        ui.OnDialog(IDD_EDIT_AUTO_AWARD)
            .Click(IDC_EA_KIND[1]).SetText(IDC_EA_LOW, "40").SetText(IDC_EA_HIGH, "300").OK();
        ui.OnDialog(IDD_EDIT_AUTO_AWARD).Click(IDC_EA_KIND[2]).Click(IDC_EA_SERIES).SetText(IDC_EA_LOW, "10").OK();
        AwardCommands::EditAutomaticCategories(&L.doc);
        EXPECT_TRUE(ui.AllUsed());
    }

    // The individual report of every award, as it prints.
    Texts Printed()
    {
        CRepItem_Awards item;
        item.m_pDoc = &L.doc;
        item.m_nIndividualFilter = 3;
        return AwardLines(item);
    }
};

const char kRound2[] = "Bowler 11|Ser  75-300 > Avg.|Mon Sep 09 2024|540|150";
const char kRound2Game[] = "Bowler 11|Gme  40-300 > Avg.|Mon Sep 09 2024|200 (1)|150";
const char kRound2Pct[] = "Bowler 11|10% > Avg|Mon Sep 09 2024|540|150";

} // namespace

TEST(AwardsOverAverage, ASeriesThatLiftsHisAverageKeepsItsAward)
{
    AwardsSeason S;
    S.L.EnterRound(1, {{1, {{150, 150, 150}}}});
    S.L.EnterRound(2, {{1, {{200, 180, 160}}}});
    // Bowled on 150: the series is 540 - 450 = 90 over and above 150 x 110 x 3 / 100 = 495;
    // the game of 200 is 50 over. The series lifted his average to 990 / 6 = 165, on which it
    // would be 45 over and short of 544: it is judged on the 150 it was bowled on, which prints.
    EXPECT_EQ(S.L.Player(11)->m_nAverage, 165);
    EXPECT_EQ(S.Printed(), (Texts{kRound2, kRound2Game, kRound2Pct}));
}

TEST(AwardsOverAverage, ALaterMatchAmendedUpwardTakesNoAwardAway)
{
    AwardsSeason S;
    WorkedLeague& L = S.L;
    L.EnterRound(1, {{1, {{150, 150, 150}}}});
    L.EnterRound(2, {{1, {{200, 180, 160}}}});
    // Round 3 on 165: 510 is 15 over, 170 is 5 over a game; nothing new.
    L.EnterRound(3, {{1, {{170, 170, 170}}}});
    EXPECT_EQ(S.Printed(), (Texts{kRound2, kRound2Game, kRound2Pct}));

    // Typed wrongly: 250 each. His average goes to 1 740 / 9 = 193, on which round 2's 540
    // would be short of 579; its awards stay. Round 3 is still bowled on 165: 750 is 255 over,
    // each 250 is 85 over, and 750 is above 165 x 3.3 = 544.
    CScriptedBackend ui;
    ui.OnDialog(IDD_SELECT_ROUND).Select(IDC_SELECT_ROUND_LIST, 2).OK();
    ui.OnDialog(IDD_SELECT_FIXTURE).Select(IDC_SELECT_FIXTURE_LIST, 0).OK();
    ui.OnDialog(IDD_SINGLES_SCORESHEET)
        .Check([](CDialog& d) {
            for (int g = 0; g < 3; ++g)
                d.UserSetText(ScoreCell(0, 0, g), "250");
        })
        .OK();
    OnResultAmendResults(L.doc);
    L.TakeMessages(ui, "amending round 3");
    EXPECT_EQ(L.Player(11)->m_nAverage, 193);
    EXPECT_EQ(S.Printed(), (Texts{kRound2, "Bowler 11|Ser  75-300 > Avg.|Mon Sep 16 2024|750|165",
                                  kRound2Game, "Bowler 11|Gme  40-300 > Avg.|Mon Sep 16 2024|250 (3)|165",
                                  "Bowler 11|Gme  40-300 > Avg.|Mon Sep 16 2024|250 (2)|165",
                                  "Bowler 11|Gme  40-300 > Avg.|Mon Sep 16 2024|250 (1)|165", kRound2Pct,
                                  "Bowler 11|10% > Avg|Mon Sep 16 2024|750|165"}));
}
