// A split season's two switches: "Reset Hi Stats Each Split" starts the high scores again at
// each split, "Complete Reset Each Split" the standings too, while every bowler's average and
// handicap runs through the whole season. The league is the worked example of docs/scoring.md
// (section 6), entered round by round as the secretary does it: Result > Set Round No., then
// Result > Enter Results on each match's scoresheet. Every figure below is worked by hand there.
#include "SplitLeague.h"
#include "admin/SeasonCommands.h"
#include "league/Awards.h"
#include "reports/stats/BestGamesItem.h"
#include "reports/stats/HiWeekItem.h"

#include <string>
#include <tuple>
#include <vector>

namespace {

using namespace SplitLeague;

class SplitReset : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SetUpAdmin();
        SeasonCommands::Install();
    }
};

} // namespace

TEST_F(SplitReset, HandicapsRunThroughTheWholeSeasonWhateverTheSwitches)
{
    CBowlingDoc plain, both;
    MakeSplitLeague(plain);
    MakeSplitLeague(both);
    SetSplits(plain, 6, false, false);
    SetSplits(both, 6, true, true);
    EnterSeason(plain);
    EnterSeason(both);
    for (int r = 1; r <= 12; ++r) {
        SCOPED_TRACE(r);
        EXPECT_EQ(HandicapsOfRound(both, r), kHandicaps[r - 1]);
        EXPECT_EQ(HandicapsOfRound(plain, r), kHandicaps[r - 1]);
    }
    // After round 12, 36 games each: Ann 6 375 pins, average 177, handicap 18.
    for (WORD n = 1; n <= 4; ++n) {
        const CPlayer* a = plain.FindPlayer(n);
        const CPlayer* b = both.FindPlayer(n);
        EXPECT_EQ(V({int(b->m_nGames[PASS_HANDICAP]), int(b->m_nPins[PASS_HANDICAP]), b->m_nAverage, b->m_nHandicap}),
                  V({int(a->m_nGames[PASS_HANDICAP]), int(a->m_nPins[PASS_HANDICAP]), a->m_nAverage, a->m_nHandicap}));
    }
    const CPlayer* ann = both.FindPlayer(1);
    EXPECT_EQ(V({int(ann->m_nGames[PASS_HANDICAP]), int(ann->m_nPins[PASS_HANDICAP]), ann->m_nAverage, ann->m_nHandicap}),
              V({36, 6375, 177, 18}));
}

TEST_F(SplitReset, StandingsAndHighScoresAfterRounds5And9WithEachSwitch)
{
    CBowlingDoc doc;
    MakeSplitLeague(doc);
    SetSplits(doc, 6, false, false);
    EnterSeason(doc);

    // Round 5 lies in split 1: whatever the switches, the season so far. Bill and Dan 24 half
    // points (Bill ahead on pinfall 2 430 to 2 175), Ann and Cara 16 (2 865 to 2 280).
    const V standings5 = {2, 4, 1, 3, /*won*/ 16, 24, 16, 24};
    const V highs5 = {230, 170, 160, 150, /*hcp*/ 246, 204, 200, 196};
    // Round 9 over the season: Dan 56, Bill 40, Cara 32, Ann 16; Ann's 230 of round 4 and
    // Cara's 220 (256 with handicap) of round 8 lead the high games.
    const V season9 = {4, 2, 3, 1, 16, 40, 32, 56};
    const V seasonHighs9 = {230, 175, 220, 190, 246, 204, 256, 227};
    // Round 9 over split 2 (rounds 7 to 9) only: Dan won all three matches, Cara two, Bill one.
    const V split9 = {4, 3, 2, 1, 0, 8, 16, 24};
    const V splitHighs9 = {170, 175, 220, 190, 184, 204, 256, 227};
    struct Case
    {
        bool bHi, bComplete;
        const V& standings9;
        const V& highs9;
    };
    const Case cases[] = {
        {false, false, season9, seasonHighs9},
        {true, false, season9, splitHighs9},
        {false, true, split9, splitHighs9}, // a complete reset takes the high scores with it
        {true, true, split9, splitHighs9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.bHi) + std::to_string(c.bComplete));
        SetSplits(doc, 6, c.bHi, c.bComplete);
        SetRound(doc, 5);
        EXPECT_EQ(Standings(doc), standings5);
        EXPECT_EQ(HighGames(doc), highs5);
        SetRound(doc, 9);
        EXPECT_EQ(Standings(doc), c.standings9);
        EXPECT_EQ(HighGames(doc), c.highs9);
    }

    // With a complete reset every standings figure starts again at round 7: Ann's 9 games of
    // split 2 (165, 160 and 170, three times each) and their 1 485 pins, 24 half points lost.
    const CTeam* pAnn = doc.FindTeam(1);
    EXPECT_EQ(V({pAnn->m_nGames[PASS_HANDICAP], int(pAnn->m_nHcpScrPins), pAnn->m_nPointsLost[PASS_HANDICAP],
                 pAnn->m_nHighGame[PASS_SCRATCH], pAnn->m_nHighSeries[PASS_HANDICAP]}),
              V({9, 1485, 24, 170, 552}));
    // The average is the season's still: Ann's 4 890 pins in 27 games, 181, handicap 15; 9 of
    // the games count for the high-score lists' minimum.
    const CPlayer* ann = doc.FindPlayer(1);
    EXPECT_EQ(V({int(ann->m_nGames[PASS_HANDICAP]), int(ann->GetHighScoreGames(PASS_HANDICAP)), ann->m_nAverage,
                 ann->m_nHandicap}),
              V({27, 9, 181, 15}));
}

TEST_F(SplitReset, HighScoreListsAwardsAndBestGamesCountTheSplitOnlyWithTheHighScoreSwitch)
{
    CBowlingDoc doc;
    MakeSplitLeague(doc);
    // An automatic award for every game of 200 or more.
    auto* pCategory = new CAwards(static_cast<WORD>(doc.m_listAwards.GetCount()));
    std::tie(pCategory->m_nKind, pCategory->m_nLow, pCategory->m_nHigh) = std::make_tuple(CAwards::kindAbsoluteRange, 200, 300);
    pCategory->MakeDescription();
    doc.m_listAwards.AddTail(pCategory);
    SetSplits(doc, 6, false, false);
    EnterSeason(doc, 9);

    auto awards = [&doc] {
        std::vector<std::string> v;
        for (POSITION pos = doc.m_listAwardData.GetHeadPosition(); pos;) {
            const auto* r = static_cast<const CAwardData*>(doc.m_listAwardData.GetNext(pos));
            v.push_back(std::to_string(r->m_nRound) + ":" + std::to_string(r->m_nPlayerNo) + ":" + std::to_string(r->m_nScore));
        }
        return v;
    };
    CRepItem_best best;
    best.m_pDoc = &doc;
    best.m_nKind = CRepItem_best::KIND_GAMES;
    best.m_nCount = 3;
    best.m_nFirstRound = 1;
    best.m_nLastRound = 9;
    CRepItem_best early;
    early.m_pDoc = &doc;
    early.m_nFirstRound = 1;
    early.m_nLastRound = 5;
    int nFirst = 0, nLast = 0;
    doc.m_nRoundsPerInterval = 2; // the round's high scores take the two rounds of a date

    // The season: Ann's three 230s of round 4, and Cara's 220s of round 8, win the award; the
    // best games lead with Ann's; a minimum of 10 games is met by all 27 bowled.
    using S = std::vector<std::string>;
    EXPECT_EQ(awards(), S({"4:1:230", "4:1:230", "4:1:230", "8:3:220", "8:3:220", "8:3:220"}));
    best.RebuildList();
    EXPECT_EQ(V({best.EntryAt(0)->m_pPlayer->m_nPlayerNo, best.EntryAt(0)->m_nValue}), V({1, 230}));
    EXPECT_EQ(std::string(best.HeadingText()), "Best 3 Scratch Games by any Bowler  from round 1 to round 9.");
    SetRound(doc, 7);
    GetWeeklyRoundSpan(doc, nFirst, nLast);
    EXPECT_EQ(V({nFirst, nLast}), V({6, 7}));
    SetRound(doc, 9);
    doc.m_bHandicapPass = PASS_HANDICAP;
    EXPECT_EQ(doc.RankPlayersByHighGameScratch(4, 7, 10, 0), 4);

    // Split 2 only (rounds 7 to 9, three of them: the lists ask 9 games): Cara's alone.
    SetSplits(doc, 6, true, false);
    EXPECT_EQ(awards(), S({"8:3:220", "8:3:220", "8:3:220"}));
    best.RebuildList();
    EXPECT_EQ(V({best.EntryAt(0)->m_pPlayer->m_nPlayerNo, best.EntryAt(0)->m_nValue}), V({3, 220}));
    EXPECT_EQ(std::string(best.HeadingText()), "Best 3 Scratch Games by any Bowler  from round 7 to round 9.");
    // A span that lies wholly in split 1 lists nobody, and says which rounds it was set to.
    early.RebuildList();
    EXPECT_TRUE(early.EntryAt(0) == nullptr || early.EntryAt(0)->IsEmpty());
    EXPECT_EQ(std::string(early.HeadingText()), "Best 50 Scratch Series by any Bowler  from round 1 to round 5.");
    // The date of rounds 6 and 7 gives round 7's high scores alone.
    SetRound(doc, 7);
    GetWeeklyRoundSpan(doc, nFirst, nLast);
    EXPECT_EQ(V({nFirst, nLast}), V({7, 7}));
    SetRound(doc, 9);
    EXPECT_EQ(doc.GetStatsRound(), 3);
    doc.m_bHandicapPass = PASS_HANDICAP;
    EXPECT_EQ(doc.RankPlayersByHighGameScratch(4, 7, 10, 0), 0);
    EXPECT_EQ(doc.RankPlayersByHighGameScratch(4, 7, 9, 0), 4);
    // The average list still ranks on the season's games.
    EXPECT_EQ(doc.RankPlayersByAverage(TRUE, 4, 7, 10, 0), 4);
    // Set back into split 1, the secretary sees split 1's awards.
    SetRound(doc, 6);
    EXPECT_EQ(awards(), S({"4:1:230", "4:1:230", "4:1:230"}));
}

TEST_F(SplitReset, SplitsOfUnequalLengthEachStartAfresh)
{
    CBowlingDoc doc;
    MakeSplitLeague(doc);
    // Custom splits from rounds 5 and 10: rounds 1-4, 5-9 and 10-12.
    SetSplits(doc, 0, true, true, {1, 5, 10});
    ASSERT_EQ(V({int(doc.m_bCustomSplits), int(doc.m_nSplitCount)}), V({1, 3}));
    EnterSeason(doc);
    struct Case
    {
        int nRound, nSplit, nStatsRound;
        V standings, highs;
    };
    const Case cases[] = {
        // Bill 24; Ann and Dan 16, Ann ahead on pinfall (2 310 to 1 725); Cara 8.
        {4, 1, 4, {2, 1, 4, 3, 16, 24, 8, 16}, {230, 170, 160, 150, 246, 204, 200, 196}},
        // Rounds 5-9: Dan all five matches, Cara three, Bill two; Ann's 185 of round 5 counts.
        {9, 2, 5, {4, 3, 2, 1, 0, 16, 24, 40}, {185, 175, 220, 190, 191, 204, 256, 227}},
        {12, 3, 3, {4, 3, 2, 1, 0, 8, 16, 24}, {170, 175, 180, 195, 186, 203, 209, 225}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nRound);
        SetRound(doc, c.nRound);
        EXPECT_EQ(V({int(doc.m_nCurrentSplit), doc.GetStatsRound()}), V({c.nSplit, c.nStatsRound}));
        EXPECT_EQ(Standings(doc), c.standings);
        EXPECT_EQ(HighGames(doc), c.highs);
    }

    // Simple splits of 5 in a 12-round season: 5 rounds, then 7. After round 9 (rounds 6-9)
    // Bill and Cara have 16 each and Cara is ahead on the split's pinfall, 2 100 to 2 010,
    // where the season's (4 440 to 4 380) would put Bill ahead.
    CScriptedBackend ui;
    ui.OnDialog(IDD_SPLIT_SEASON)
        .SetText(IDC_SS_ROUNDS_PER_SPLIT, "5")
        .Focus(IDC_SS_SPLITS)
        .Click(IDC_SS_ENABLED)
        .Check([](CDialog& d) {
            EXPECT_EQ(TextsOf(d, {IDC_SS_SUMMARY1, IDC_SS_SUMMARY2}),
                      (std::vector<std::string>{"1 split of 5 rounds", "1 split of 7 rounds"}));
        })
        .OK();
    ASSERT_TRUE(doc.OnCmdMsg(ID_LEAGUE_SPLIT_SEASON, CN_COMMAND, nullptr));
    SetRound(doc, 9);
    EXPECT_EQ(V({int(doc.m_nCurrentSplit), doc.GetStatsRound()}), V({2, 4}));
    EXPECT_EQ(Standings(doc), V({4, 3, 2, 1, 0, 16, 16, 32}));
    EXPECT_EQ(V({int(doc.FindTeam(2)->m_nHcpScrPins), int(doc.FindTeam(3)->m_nHcpScrPins)}), V({2010, 2100}));
}

TEST_F(SplitReset, ALeagueFileWithBothSwitchesReadsRecalculatesAndSavesToTheSameBytes)
{
    CBowlingDoc doc;
    MakeSplitLeague(doc);
    SetSplits(doc, 6, true, true);
    EnterSeason(doc, 9);
    std::vector<BYTE> saved;
    doc.SaveToBytes(saved);
    for (BYTE nVersion : {LEAGUE_FILE_VERSION, BYTE(40)}) {
        SCOPED_TRACE(nVersion);
        std::vector<BYTE> bytes;
        doc.SaveToBytes(bytes, nVersion);
        CBowlingDoc loaded;
        CString strError;
        ASSERT_TRUE(loaded.LoadFromBytes(bytes, "split.lgf", strError)) << strError.GetString();
        // Read and recalculated: split 2's standings and high scores, the season's handicaps.
        EXPECT_EQ(V({int(loaded.m_bSplitSeason), int(loaded.m_bResetHiStatsEachSplit),
                     int(loaded.m_bCompleteResetEachSplit), int(loaded.m_nCurrentSplit)}),
                  V({1, 1, 1, 2}));
        EXPECT_EQ(Standings(loaded), V({4, 3, 2, 1, 0, 8, 16, 24}));
        EXPECT_EQ(HighGames(loaded), V({170, 175, 220, 190, 184, 204, 256, 227}));
        EXPECT_EQ(V({loaded.FindPlayer(1)->m_nHandicap, loaded.FindPlayer(4)->m_nHandicap}), V({15, 34}));
        std::vector<BYTE> again;
        loaded.SaveToBytes(again);
        EXPECT_TRUE(again == saved);
    }
}

TEST_F(SplitReset, CustomSplitsChangedAndSplitSeasonCancelledRecalculateAtOnce)
{
    CBowlingDoc doc;
    MakeSplitLeague(doc);
    SetSplits(doc, 0, true, true, {1, 5, 10});
    EnterSeason(doc, 9);
    ASSERT_EQ(Standings(doc), V({4, 3, 2, 1, 0, 16, 24, 40}));
    doc.SetModifiedFlag(FALSE);
    // Split 2 now from round 8: Dan 16; Bill and Cara 8 each, Cara ahead on the pinfall of
    // rounds 8 and 9 (1 140 to 1 020).
    CScriptedBackend ui;
    ui.OnDialog(IDD_SPLIT_SEASON).Click(IDC_SS_DEFINE_CUSTOM).Cancel();
    ui.OnDialog(IDD_CUSTOM_SPLITS).SetText(IDC_CS_START + 1, "8").Focus(IDOK).OK();
    ASSERT_TRUE(doc.OnCmdMsg(ID_LEAGUE_SPLIT_SEASON, CN_COMMAND, nullptr));
    EXPECT_TRUE(ui.AllUsed());
    EXPECT_EQ(V({doc.m_nCustomSplitStart[1], doc.GetStatsRound(), int(doc.IsModified())}), V({8, 2, 1}));
    EXPECT_EQ(Standings(doc), V({4, 3, 2, 1, 0, 8, 8, 16}));
}
