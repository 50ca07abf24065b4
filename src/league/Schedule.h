#pragma once
// The pairing tables of the schedule builder.
//
// For P = 2..25 matches a round there is one table for 2P team-list positions: round after
// round, two 1-based positions per match (side A first), ended by PAIRING_END. One table is
// one full cycle: 2P - 1 rounds in which every position meets every other once. A walk that
// reaches the end starts again at the first round with the sides changed over, so the second
// cycle is the first one played the other way round.
//
// A league with an odd number of teams N uses the table of P = (N + 1) / 2; the position N + 1
// does not exist, and the team drawn against it has a bye that round.
#include "framework/core/Types.h"

#include <vector>

constexpr BYTE PAIRING_END = 127;
constexpr int PAIRING_MIN_MATCHES = 2;
constexpr int PAIRING_MAX_MATCHES = 25;

// The table for nMatches matches a round, ended by PAIRING_END; null outside 2..25.
const BYTE* GetPairingTable(int nMatches);
// The number of bytes before PAIRING_END (2P x (2P - 1)); 0 when there is no table.
int GetPairingTableLength(int nMatches);

// One match of a round: 1-based team-list positions.
struct CPairing
{
    int nSideA;
    int nSideB;
};

// Walks the table as the schedule builder does, one round at a time. nRoundsBefore rounds
// of the table are passed over first (0 starts at its first row; a schedule continued as if
// the league had always had this many teams passes over the rounds already played), and
// past the end of the table the walk starts again with the sides changed over.
class CPairingWalk
{
public:
    // nTeams: 3..50 (an odd count is played with byes).
    explicit CPairingWalk(int nTeams, int nRoundsBefore = 0);

    bool IsValid() const { return m_pTable != nullptr; }
    int GetMatchesPerRound() const { return m_nMatches; }
    // The pairs of the next round. With an odd number of teams the pair holding the missing
    // position is left out when bSkipByes is set, else kept as it is.
    void NextRound(std::vector<CPairing>& pairs, bool bSkipByes = true);

private:
    const BYTE* m_pTable = nullptr;
    int m_nTeams = 0;
    int m_nMatches = 0;
    int m_nPos = 0;
    bool m_bFlip = false;
};
