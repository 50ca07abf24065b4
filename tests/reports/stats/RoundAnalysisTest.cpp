// The round analysis item: its stored record and the gap's version gate, every row of the
// statistics of a small league worked by hand, and what it draws and writes as HTML.
#include "../layout/ReportTestHelpers.h"
#include "BestRoundTestLeague.h"
#include "DrawnText.h"
#include "RecordingDC.h"
#include "reports/stats/RoundStats.h"
#include "league/BowlingDoc.h"
#include "reports/stats/RoundAnalysisItem.h"

#include <gtest/gtest.h>

#include <memory>

TEST(RoundAnalysisStored, RecordRowsFontsAndTheGapGate)
{
    CRepItem_Analysis1 item;
    item.m_bAllRoundsToCurrent = 1, item.m_bCurrentRoundOnly = 0, item.m_nLeagueKind = 1, item.m_nFirstRound = 2;
    item.m_nLastRound = 300, item.m_nStyle = 1, item.m_nGap = 40;
    item.m_bEnabled[9] = 1, item.m_nClass[9] = 2, item.m_nBasis[9] = 1, item.m_nValueFrom[9] = 200;
    item.m_nValueTo[9] = 0x1234, item.m_nMeasure[9] = 1, item.m_nGroup[9] = 3, item.m_nStatistic[9] = 5;
    item.m_fontHeader.m_bBold = 1;
    std::vector<BYTE> expected{1, 0, 1, 1, 2, 0, 44, 1, 1, 0};
    for (int r = 0; r < 9; ++r)
        Append(expected, std::vector<BYTE>(10, 0));
    Append(expected, {1, 2, 1, 200, 0, 0x34, 0x12, 1, 3, 5});
    Append(expected, BytesOf(item.m_fontDetail));
    Append(expected, BytesOf(item.m_fontHeader));
    EXPECT_EQ(BytesOf(item, 56), expected);
    std::vector<BYTE> withGap = expected;
    Append(withGap, {40, 0});
    EXPECT_EQ(BytesOf(item, 57), withGap);

    CRepItem_Analysis1 loaded;
    LoadFrom(loaded, withGap, 57);
    EXPECT_EQ(BytesOf(loaded, 57), withGap);
    EXPECT_EQ((std::pair<int, int>(loaded.m_nGap, loaded.m_nType)), (std::pair<int, int>(40, RIT_ANALYSIS)));
    // An older file has no gap: five hundredths of an inch.
    CRepItem_Analysis1 old;
    LoadFrom(old, expected, 56);
    EXPECT_EQ((std::vector<int>{old.m_nGap, old.m_nValueTo[9], old.m_nStyle}), (std::vector<int>{5, 0x1234, 1}));
    EXPECT_TRUE(old.m_fontHeader == item.m_fontHeader);

    std::unique_ptr<CRepItem> pMade(CreateRepItemOfType(RIT_ANALYSIS));
    ASSERT_NE(dynamic_cast<CRepItem_Analysis1*>(pMade.get()), nullptr);
    EXPECT_EQ(pMade->GetName(), "Round Analysis");
    std::unique_ptr<CRepItem> pCopy(item.Clone());
    EXPECT_EQ(BytesOf(*pCopy), BytesOf(item));
}

namespace {

struct Row
{
    BYTE nMeasure, nGroup, nClass, nBasis, nStatistic;
    WORD nFrom, nTo;
    const char* pszLabel;
    const char* pszText;
};

// Rounds 1 and 2 of the test league, with round 1's Bees defaulting game 3 (Cy also flagged
// blind in it) and Di's second game non-qualifying:
//   bowled games  Ann 150 180 210 | Bob 200 190 160 | Cy 210 140 | Di 120
//                 Ann 215 160 170 | Bob 230 210 (game 2 blind)           = 14 games
//   complete series: Ann 600 and Bob 580 in round 1, Ann 605 in round 2 (with handicap)
const Row kRows[10] = {
    {0, 3, 0, 0, 0, 200, 300, "Percentage Scratch Games 200 - 300.", "42.86"},   // 6 of 14
    {1, 0, 0, 0, 0, 201, 230, "Total Male Scratch Games 201 - 230.", "3"},       // 210 230 210; not 200
    {2, 3, 0, 1, 1, 0, 0, "Average Hcap Series.", "595.0"},                      // 1785 / 3
    {2, 1, 1, 0, 0, 0, 0, "Average Female Category-A Scratch Games.", "180.8"},  // Ann: 1085 / 6
    {0, 3, 0, 0, 2, 150, 300, "Percentage Scratch 1st Game 150 - 300.", "166.67"}, // 5 over 3 series
    {1, 2, 0, 1, 4, 0, 500, "Total Junior Hcap 3rd Game 0 - 500.", "0"},         // Di's defaulted
    {2, 3, 3, 0, 3, 0, 0, "Average Category-C Scratch 2nd Game.", "0.0"},        // nobody
    {1, 3, 0, 0, 6, 0, 999, "Total Scratch  0 - 999.", "0"},                     // the empty statistic
    {1, 1, 0, 1, 1, 600, 605, "Total Female Hcap Series 600 - 605.", "2"},       // Ann's 600 and 605
    {3, 3, 0, 0, 0, 0, 0, "Scratch Games.", "???"},                              // a measure from nowhere
};

class RoundAnalysis : public ::testing::Test
{
protected:
    void SetUp() override
    {
        league.Build();
        CFixture* f = league.round1;
        f->m_nDefaulted[1] = DefaultedBit(2);
        f->m_dwPosFlags[CFixture::SlotOf(1, 0)] |= PosBlind(2);
        f->m_dwPosFlags[CFixture::SlotOf(1, 1)] |= PosNonQual(1);
        league.ann->m_nCategory = 1, league.bob->m_nCategory = 2;
        item.m_pDoc = &league.doc, item.m_bCurrentRoundOnly = 0, item.m_nLeagueKind = 1;
        item.m_nFirstRound = 1, item.m_nLastRound = 2;
        for (int r = 0; r < 10; ++r) {
            const Row& row = kRows[r];
            item.m_bEnabled[r] = 1, item.m_nMeasure[r] = row.nMeasure, item.m_nGroup[r] = row.nGroup;
            item.m_nClass[r] = row.nClass, item.m_nBasis[r] = row.nBasis, item.m_nStatistic[r] = row.nStatistic;
            item.m_nValueFrom[r] = row.nFrom, item.m_nValueTo[r] = row.nTo;
        }
    }
    BestRoundLeague league;
    CRepItem_Analysis1 item;
};

} // namespace

TEST_F(RoundAnalysis, GeneralTotalsAndEveryRowWorkedByHand)
{
    const CRoundStats stats(&league.doc, &item);
    // Cy's blind-flagged third game counts as defaulted only.
    EXPECT_EQ((std::vector<long>{stats.m_nGamesBowled, stats.m_nPinsScratch, stats.m_nPinsHandicap, stats.m_nBlindGames,
                                 stats.m_nDefaultedGames, stats.m_nCompositeGames, stats.m_nCompleteSeries}),
              (std::vector<long>{14, 540 + 550 + 350 + 120 + 545 + 440, 600 + 580 + 360 + 160 + 605 + 460, 1, 2, 1, 3}));
    for (int r = 0; r < 10; ++r) {
        EXPECT_EQ(CRoundStats::RowLabel(item, r), kRows[r].pszLabel) << r;
        EXPECT_EQ(stats.m_strRow[r], kRows[r].pszText) << r;
    }
    // The empty statistic and the unknown measure take nothing.
    EXPECT_EQ((std::pair<long, long>(stats.m_nRowCount[7], stats.m_nRowCount[9])), (std::pair<long, long>(0, 0)));

    // A span with no match: no divisor, and a scratch league has no handicap pins.
    league.doc.m_bHandicapLeague = 0;
    item.m_nFirstRound = item.m_nLastRound = 9;
    const CRoundStats none(&league.doc, &item);
    EXPECT_EQ(none.m_strRow[0] + "|" + none.m_strRow[4] + "|" + none.m_strRow[2], " 0.00| 0.00|0.0");
    item.m_nFirstRound = 1;
    const CRoundStats scratch(&league.doc, &item);
    EXPECT_EQ((std::pair<long, long>(scratch.m_nPinsHandicap, scratch.m_nGamesBowled)), (std::pair<long, long>(0, 14 + 6)));  // and round 3's six games

    // Round 3 put before round 1: the walk stops at it.
    league.doc.m_listFixtures.RemoveTail();
    league.doc.m_listFixtures.AddHead(league.round3);
    item.m_nLastRound = 2;
    const CRoundStats stopped(&league.doc, &item);
    EXPECT_EQ(stopped.m_nGamesBowled, 0);
}

TEST_F(RoundAnalysis, DrawnWithTheGapAndItsHeight)
{
    item.m_nGap = 50;
    for (int r = 2; r < 10; ++r)
        item.m_bEnabled[r] = 0;
    item.m_nLeagueKind = 0, item.m_y = -1000;
    CRecordingDC dc;
    const int h = item.GetHeight(&dc);
    item.Draw(&dc, nullptr);
    const std::string title = "Scratch League Statistics for Round 1 thru Round 2";
    EXPECT_EQ(dc.Texts(), (std::vector<std::string>{
                              title, "Total Pins Scratch", "2545", "Total Pins Handicap", "2765", "Total Games Bowled",
                              "14", "Total Blind Games", "1", "Total Defaulted Games", "2", "Total Composite Games",
                              "1", kRows[0].pszLabel, "42.86", kRows[1].pszLabel, "3"}));
    const int nLine = item.m_fontDetail.GetLineHeight(0);
    const int yPins = -1000 + item.m_fontHeader.GetLineHeight(10);
    // Six lines, then half an inch, then the rows; figures end at 8064 and 8640.
    EXPECT_EQ((std::vector<std::pair<int, int>>{Pos(dc, title.c_str()), Pos(dc, "Total Pins Scratch"),
                                                Pos(dc, kRows[0].pszLabel),
                                                {Pos(dc, "2545").first + 4 * 100, Pos(dc, "42.86").first + 5 * 100}}),
              (std::vector<std::pair<int, int>>{{PAGE_CENTRE - static_cast<int>(title.size()) * 100 / 2, -1000},
                                                {3456, yPins}, {2880, yPins + 6 * nLine - 720}, {8064, 8640}}));
    // The height holds all that was drawn, the gap included.
    EXPECT_EQ(h, item.m_fontHeader.GetLineHeight(10) + 8 * nLine - 720);

    // Nothing but the title; one round names no second.
    item.m_bGeneralStats = 0;
    item.m_bEnabled[0] = item.m_bEnabled[1] = 0, item.m_nFirstRound = 2;
    CRecordingDC bare;
    EXPECT_EQ(item.GetHeight(&bare), item.m_fontHeader.GetLineHeight(10));
    item.Draw(&bare, nullptr);
    EXPECT_EQ(bare.Texts(), (std::vector<std::string>{"Scratch League Statistics for Round 2"}));
}

TEST_F(RoundAnalysis, HtmlTablesAndTheSpanFromTheCurrentRound)
{
    for (int r = 1; r < 10; ++r)
        item.m_bEnabled[r] = 0;
    league.doc.m_bHandicapLeague = 0;
    const std::string head = "<CENTER><TABLE BORDER=0 COLS=1 WIDTH=100% ><TR>\n" +
                             CellHtml('c', "Handicap League Statistics for Round 1 thru Round 2") +
                             "</TR>\n</TABLE></CENTER>\n<CENTER><TABLE BORDER=0 COLS=2 WIDTH=50% >";
    auto line = [](const char* label, const char* figure) {
        return "<TR>\n" + CellHtml('l', label) + CellHtml('r', figure) + "</TR>\n";
    };
    EXPECT_EQ(HtmlOf(item), head + line("Total Pins Scratch", "2545") + line("Total Games Bowled", "14") +
                                line("Total Blind Games", "1") + line("Total Defaulted Games", "2") +
                                line("Total Composite games", "1") +
                                "</TABLE></CENTER>\n<CENTER><TABLE BORDER=0 COLS=2 WIDTH=80% >" +
                                line(kRows[0].pszLabel, "42.86") + "</TABLE></CENTER>\n");
    item.m_bGeneralStats = 0, item.m_bEnabled[0] = 0;
    EXPECT_EQ(HtmlOf(item), head + "</TABLE></CENTER>\n");

    // The span as the layout fixes it.
    league.doc.m_nCurrentRound = 7;
    item.m_bAllRoundsToCurrent = 1;
    item.Expand(league.doc.m_listRepForms);
    EXPECT_EQ(item.TitleText(), "Handicap League Statistics for Round 1 thru Round 7");
    item.m_bCurrentRoundOnly = 1;
    item.Expand(league.doc.m_listRepForms);
    EXPECT_EQ(item.TitleText(), "Handicap League Statistics for Round 7");
    item.m_bAllRoundsToCurrent = item.m_bCurrentRoundOnly = 0;
    item.m_nFirstRound = item.m_nLastRound = 0;
    item.Expand(league.doc.m_listRepForms);
    EXPECT_EQ((std::pair<int, int>(item.m_nFirstRound, item.m_nLastRound)), (std::pair<int, int>(1, 7)));
    EXPECT_TRUE(league.doc.m_listRepForms.IsEmpty());
}

TEST(RoundAnalysisDefaults, NewItemFollowsTheLeague)
{
    CBowlingDoc doc;
    doc.m_bScratchLeague = 0, doc.m_bHandicapLeague = 1;
    CRepItem_Analysis1 item;
    item.m_pDoc = &doc, item.m_nValueTo[3] = 9;
    item.SetDefaults();
    EXPECT_EQ((std::vector<int>{item.m_nLeagueKind, item.CountEnabledRows(), item.m_nValueTo[3]}), (std::vector<int>{1, 1, 0}));
    EXPECT_EQ(CRoundStats::RowLabel(item, 0), "Average Scratch Games.");
}
