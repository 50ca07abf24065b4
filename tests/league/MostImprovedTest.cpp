// The most improved start point worked by hand: one bowler entering at 140.0 bowls 150 three
// times in round 1 and 180 three times in round 2, an average of 165.0.
#include "RecalcTestLeague.h"

#include <gtest/gtest.h>

TEST(MostImproved, StartPointRules)
{
    RecalcTestLeague L(2, 1, 3);
    CBowlingDoc& doc = L.doc;
    L.AddMatch(1, 1, 2, {{150, 150, 150}}, {{150, 150, 150}});
    L.AddMatch(2, 1, 2, {{180, 180, 180}}, {{150, 150, 150}});
    doc.m_nCurrentRound = 2;
    CPlayer* p = L.Player(11);
    p->m_nEnteringAvg = p->m_nCurEnteringAvg = 1400;
    L.Player(21)->m_nEnteringAvg = L.Player(21)->m_nCurEnteringAvg = 1500;
    struct Case
    {
        const char* what;
        BYTE nGames, bAfter, bBoth;
        WORD nEntering, nOwnBase;
        double dImprovement;  // 0 with no start point: not ranked
    };
    const Case cases[] = {
        {"entering average", 0, 0, 0, 1400, 0, 25.0},
        {"games set, but entering average ticked", 6, 0, 0, 1400, 0, 25.0},
        {"after 3 games: 150.0", 3, 1, 0, 1400, 0, 15.0},
        {"after 4 games: 630 / 4 = 157.5", 4, 1, 0, 1400, 0, 7.5},
        {"after more games than bowled", 7, 1, 0, 1400, 0, 0.0},
        {"both: the entering average first", 4, 0, 1, 1400, 0, 25.0},
        {"both: no entering average", 4, 0, 1, 0, 0, 7.5},
        {"the bowler's own base", 4, 1, 0, 1400, 1600, 5.0},
    };
    for (const Case& c : cases) {
        doc.m_nMostImprovedGames = c.nGames;
        doc.m_bMostImprovedAfterGames = c.bAfter;
        doc.m_bMostImprovedBoth = c.bBoth;
        p->m_nEnteringAvg = p->m_nCurEnteringAvg = c.nEntering;
        p->m_nMostImprovedBase = c.nOwnBase;
        doc.Recalculate();
        // The league's own system, whose games were counted.
        {
            doc.m_bHandicapPass = doc.m_bHandicapLeague ? PASS_HANDICAP : PASS_SCRATCH;
            const int nRanked = doc.RankPlayersByImprovement(5, 7, 0);
            if (c.dImprovement == 0.0) {
                EXPECT_EQ(p->m_nRank, 0u) << c.what;
                continue;
            }
            EXPECT_DOUBLE_EQ(p->GetImprovement(), c.dImprovement) << c.what;
            EXPECT_GE(nRanked, 1) << c.what;
            EXPECT_NE(p->m_nRank, 0u) << c.what;
        }
    }
}
