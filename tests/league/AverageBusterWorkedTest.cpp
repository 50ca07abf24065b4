// The average buster's tables rank every bowler who bowled in them, however low his total, and
// no one who did not: a doubles season typed through the scoresheets from a new league's
// defaults, the competition set up in its dialog with points per game (1 over, 0 level, 50
// under), the Average Busters item drawn and written as HTML. docs/scoring.md 7.2.
#include "AverageBusterOn.h"
#include "FileContents.h"
#include "RecordingDC.h"
#include "TempDir.h"
#include "WorkedLeague.h"
#include "reports/stats/AvgBustersItem.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

// Each bowler bowls the same three games in a round (average bowled on in brackets; entering
// averages stand for the first match only, a new league's "Games played with entering average"
// being 0). Points a game: +1 over, 0 level, -50 under.
//            round 1          round 2          round 3          season
//   11      160 (150) +3     150 (160) -150   160 (155) +3     -144
//   12      away             170 (160) +3     170 (170)  0       +3
//   91      180 (180)  0     -                -                   0   floater, pacing 12 in round 1
//   21      150 (200) -150   140 (150) -150   130 (145) -150   -450
//   22      170 (170)  0     170 (170)  0     173 (170) +3       +3
//   92      -                -                -                       floater, never bowls
struct BusterSeason
{
    WorkedLeague L{2, 2, 3, 3};
    AverageBusterOn buster{L.doc, "1", "0", "50"};

    BusterSeason()
    {
        L.Player(11)->SetEnteringAverage(1500);
        L.Player(12)->SetEnteringAverage(1600);
        L.Player(21)->SetEnteringAverage(2000);
        L.Player(22)->SetEnteringAverage(1700);
        L.AddBowler(0, 91)->SetEnteringAverage(1800);
        L.AddBowler(0, 92)->SetEnteringAverage(1800);
        L.doc.BuildFloatingSubs();
        L.EnterRound(1, {{1, {{160, 160, 160}, {180, 180, 180}}}, {2, {{150, 150, 150}, {170, 170, 170}}}},
                     [this](CScriptedBackend& ui, Sheet& sheet, CFixture* f) {
                         L.PaceGame1(ui, sheet, f, 1, 1, "Bowler 91");
                     });
        L.EnterRound(2, {{1, {{150, 150, 150}, {170, 170, 170}}}, {2, {{140, 140, 140}, {170, 170, 170}}}});
        L.EnterRound(3, {{1, {{160, 160, 160}, {170, 170, 170}}}, {2, {{130, 130, 130}, {173, 173, 173}}}});
    }

    // The item as the tester had it: forty to list.
    Texts Drawn(BOOL bRound)
    {
        CRepItem_AvgBusters item;
        item.m_pDoc = &L.doc;
        item.m_nDisplay = 40;
        item.m_bCurrentRound = bRound;
        CRecordingDC dc;
        item.GetHeight(&dc);
        item.Draw(&dc, nullptr);
        return dc.Texts();
    }
    // The item's HTML page: its cells' texts in order.
    Texts Html()
    {
        CRepItem_AvgBusters item;
        item.m_pDoc = &L.doc;
        item.m_nDisplay = 40;
        TempDir dir;
        const std::string path = dir.File("busters.htm");
        {
            CStdioFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
            item.WriteHtml(file);
            file.Close();
        }
        const std::string page = FileContents(path);
        Texts cells;
        for (size_t a = page.find("'#000000'>"); a != std::string::npos; a = page.find("'#000000'>", a)) {
            a += 10;
            cells.push_back(page.substr(a, page.find('<', a) - a));
        }
        return cells;
    }
};

} // namespace

TEST(AverageBusterWorked, EveryTotalRankedAndOnlyTheRoundsBowlersInTheRound)
{
    BusterSeason S;
    const std::vector<int> season = {S.L.Player(11)->m_nAvgBusterSeason, S.L.Player(12)->m_nAvgBusterSeason,
                                     S.L.Player(91)->m_nAvgBusterSeason, S.L.Player(21)->m_nAvgBusterSeason,
                                     S.L.Player(22)->m_nAvgBusterSeason};
    EXPECT_EQ(season, (std::vector<int>{-144, 3, 0, -450, 3}));
    // Bowler 21's -450 takes its place at the foot; Bowler 92, who never bowled, has none;
    // the tie of 3 goes to the bowler earlier in the list.
    const Texts seasonTable = {"Top Average Busters", "Bowler 12", "3", "Bowler 22", "3", "Bowler 91", "0",
                               "Bowler 11", "-144", "Bowler 21", "-450"};
    EXPECT_EQ(S.Drawn(FALSE), seasonTable);
    // The page gives each total before its name.
    EXPECT_EQ(S.Html(), (Texts{"Top Average Busters", "3", "Bowler 12", "3", "Bowler 22", "0", "Bowler 91", "-144",
                               "Bowler 11", "-450", "Bowler 21"}));
    // Round 3: Bowler 91, level in round 1 and away since, is not among those who bowled level.
    EXPECT_EQ(S.Drawn(TRUE), (Texts{"Top Average Busters for Round 3", "Bowler 11", "3", "Bowler 22", "3",
                                    "Bowler 12", "0", "Bowler 21", "-150"}));
}
