#pragma once
// Small helpers of the scoring engine shared by its files and the tests.
#include "framework/core/Types.h"

#include <algorithm>
#include <climits>

// The whole pins of an average, cut (never rounded); 0 for no average.
WORD WholePins(double dAverage);

// Asks a Yes/No question; TRUE on Yes. The blind-game-limit check asks through it. It is the
// framework's message box unless a test puts its own answer in.
using AskYesNoFn = BOOL (*)(const char* pszQuestion);
extern AskYesNoFn g_pfnScoringAskYesNo;

class CFixture;

// Both team scores of every game of one side at once, as CFixture::GetGameScore gives them
// (scratch and with handicap; 0 beyond the league's games or before the result): one walk
// over the positions where GetGameScore walks them for each game and each system.
void GetTeamGameScores(const CFixture& fixture, int nSide, int nScratch[4], int nWithHandicap[4]);

// The largest handicap a rule can give: a basis of 65535 at 150%. Handicaps from a file and
// from the vacancy and blind rules are held within it either way.
constexpr int kMaxHandicap = 65535 * 3 / 2;

// A figure a rule works out for a game (a score or an average), held to what a game slot keeps.
inline int ToGameFigure(long long n)
{
    return static_cast<int>(std::clamp<long long>(n, 0, 0xFFFF));
}

inline int ToHandicap(long long n)
{
    return static_cast<int>(std::clamp<long long>(n, -kMaxHandicap, kMaxHandicap));
}

// The most a side can win in one match, in half points, as the league keeps it: far above
// any league's rules (about 4 000 half points), yet small enough that a season of them, in
// hundredths, stays within an int. A hand adjustment of a match is held to it too.
constexpr int kMaxMatchPointsStored = 9999;
constexpr int kMaxPointsInUnits = kMaxMatchPointsStored * 50;

// A match's worked points (a table cell, a total, the match or bonus points) never pass this
// either way: the calculation holds its sums to it, and two of them still add within an int.
// A league file holding one beyond it has that match's points worked out again.
constexpr int kMaxPointsFigure = 1000000000;

inline int ToPointsFigure(long long n)
{
    return static_cast<int>(std::clamp<long long>(n, -kMaxPointsFigure, kMaxPointsFigure));
}

// Adds to a season's running total without overflow: a total beyond an int's range stays at
// its end (a damaged league can name one team in more matches than a season holds).
inline void AddClamped(int& nTotal, long long nAdd)
{
    nTotal = static_cast<int>(std::clamp<long long>(static_cast<long long>(nTotal) + nAdd, INT_MIN, INT_MAX));
}
