#pragma once
// The figures a split season begins again. A statistics pass walks every match of the season,
// as the averages and handicaps need them all; when it reaches the first match of the split that
// holds the current round, the high-score figures ("Reset Hi Stats Each Split") and the
// standings ("Complete Reset Each Split") of its set start again, so that from there on they
// count that split's matches only. The matches are kept in round order, so the point is met once.
#include "framework/core/Types.h"

#include <vector>

class CBowlingDoc;

class CSplitRestart
{
public:
    // Made at the start of the pass of set nSet (PASS_SCRATCH, PASS_HANDICAP); does nothing
    // when no split starts anything again.
    CSplitRestart(CBowlingDoc& doc, int nSet);
    // A match of nRound comes next: the figures start again before it when it is the split's.
    void Reach(int nRound)
    {
        if (m_nFirstRound != 0 && nRound >= m_nFirstRound)
            Restart();
    }
    // The end of the pass: a split of which no match was reached counts nothing.
    void Finish()
    {
        if (m_nFirstRound != 0)
            Restart();
    }

private:
    void Restart();

    // The high figures both passes raise, whichever set they belong to: as they stood when
    // this pass began (nothing in the first pass, the split's own in the second), so that the
    // matches this pass walks before the split leave no trace in them.
    struct CPlayerHighs
    {
        WORD nGame[2], nSeries[2], nGame2[2], nSeries2[2], nBest[2][4];
    };
    struct CTeamHighs
    {
        WORD nGame[2], nSeries[2];
    };

    CBowlingDoc& m_doc;
    int m_nSet;
    int m_nFirstRound = 0; // 0 once restarted, or when nothing restarts
    bool m_bStandings = false;
    std::vector<CPlayerHighs> m_players;
    std::vector<CTeamHighs> m_teams;
};
