#pragma once
// A league as a file of the previous build holds it. That build filled each game of a line-up
// with its bowler's handicap and average, the league's games and those it does not bowl alike,
// and working a match left the others as they were filled: so every played match's games the
// league does not bowl hold each bowler's handicap and average as his first game has them (a
// vacancy's none), which is what the sample league file it wrote holds. This build's working of
// a match clears them.
#include <gtest/gtest.h>

#include <vector>

#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/Player.h"

// The league saved by this build and opened again from those bytes.
inline void Reopen(CBowlingDoc& doc)
{
    std::vector<BYTE> bytes;
    doc.SaveToBytes(bytes);
    CString error;
    ASSERT_TRUE(doc.LoadFromBytes(bytes, "league.lgf", error)) << error.GetString();
}

// The league written out as the previous build wrote it and opened again.
inline void ReopenAsThePreviousBuildWroteIt(CBowlingDoc& doc)
{
    for (POSITION pos = doc.m_listFixtures.GetHeadPosition(); pos;) {
        auto* f = static_cast<CFixture*>(doc.m_listFixtures.GetNext(pos));
        if (!f->m_bPlayed[0] || !f->m_bPlayed[1])
            continue;
        for (int s = 0; s < 2; ++s)
            for (int p = 0; p < f->m_nPlayers; ++p) {
                const int k = CFixture::SlotOf(s, p);
                const CPlayer* pBowler = f->GetSlotPlayer(0, k);
                if (!pBowler || pBowler->IsRobot())
                    continue;
                for (int g = doc.m_nGamesPerMatch; g < MAX_GAMES; ++g) {
                    f->m_nHandicap[g][k] = f->m_nHandicap[0][k];
                    f->m_nAverage[g][k] = f->m_nAverage[0][k];
                }
            }
    }
    Reopen(doc);
}
