#include "league/Schedule.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <vector>

namespace {

using Rounds = std::vector<std::vector<CPairing>>;

Rounds Walk(int nTeams, int nRounds, int nRoundsBefore = 0, bool bSkipByes = true)
{
    CPairingWalk walk(nTeams, nRoundsBefore);
    Rounds rounds(static_cast<size_t>(nRounds));
    for (auto& round : rounds)
        walk.NextRound(round, bSkipByes);
    return rounds;
}

// How often each pair of teams meets over the rounds (key: lower position, higher position).
std::map<std::pair<int, int>, int> Meetings(const Rounds& rounds)
{
    std::map<std::pair<int, int>, int> met;
    for (const auto& round : rounds)
        for (const CPairing& p : round)
            ++met[{std::min(p.nSideA, p.nSideB), std::max(p.nSideA, p.nSideB)}];
    return met;
}

} // namespace

TEST(SchedulePairing, TablesExistFor2To25MatchesOnly)
{
    EXPECT_EQ(std::make_pair(GetPairingTable(1), GetPairingTable(26)),
              std::make_pair((const BYTE*)nullptr, (const BYTE*)nullptr));
    EXPECT_EQ(GetPairingTableLength(0), 0);
    for (int p = 2; p <= 25; ++p) {
        const BYTE* table = GetPairingTable(p);
        ASSERT_NE(table, nullptr) << p;
        const int n = 2 * p;
        ASSERT_EQ(GetPairingTableLength(p), n * (n - 1)) << p;
        EXPECT_EQ(table[n * (n - 1)], PAIRING_END);
        for (int i = 0; i < n * (n - 1); ++i) {
            EXPECT_GE(table[i], 1);
            EXPECT_LE(table[i], n);
        }
    }
}

TEST(SchedulePairing, FourTeamTableWorkedOut)
{
    // Circle of positions 1..3 with position 4 fixed; sides alternate.
    const BYTE expected[] = {1, 4, 2, 3, 4, 2, 3, 1, 3, 4, 1, 2, PAIRING_END};
    const BYTE* table = GetPairingTable(2);
    ASSERT_NE(table, nullptr);
    EXPECT_TRUE(std::equal(std::begin(expected), std::end(expected), table));
}

TEST(SchedulePairing, EveryPairMeetsEvenlyAndNobodyTwiceInARound)
{
    for (int nTeams = 4; nTeams <= 50; ++nTeams) {
        const int nPositions = nTeams + (nTeams % 2);
        const int nCycle = nPositions - 1;
        // A partial cycle, one cycle, two and a half cycles.
        for (int nRounds : {nCycle / 2, nCycle, 2 * nCycle + nCycle / 2}) {
            Rounds rounds = Walk(nTeams, nRounds);
            for (const auto& round : rounds) {
                std::set<int> seen;
                for (const CPairing& p : round) {
                    EXPECT_NE(p.nSideA, p.nSideB);
                    EXPECT_GE(std::min(p.nSideA, p.nSideB), 1);
                    EXPECT_LE(std::max(p.nSideA, p.nSideB), nTeams) << "bye left in";
                    EXPECT_TRUE(seen.insert(p.nSideA).second & seen.insert(p.nSideB).second) << nTeams << " teams";
                }
                // Everybody plays, but one team sits out when the count is odd.
                EXPECT_EQ(static_cast<int>(seen.size()), nTeams - nTeams % 2);
            }
            auto met = Meetings(rounds);
            const int nFull = nRounds / nCycle;
            int nMin = 1 << 30, nMax = 0;
            for (int a = 1; a <= nTeams; ++a)
                for (int b = a + 1; b <= nTeams; ++b) {
                    const int c = met.count({a, b}) ? met[{a, b}] : 0;
                    nMin = std::min(nMin, c);
                    nMax = std::max(nMax, c);
                }
            EXPECT_LE(nMax - nMin, 1) << nTeams << " teams, " << nRounds << " rounds";
            EXPECT_GE(nMin, nFull);
            if (nRounds % nCycle == 0) {
                EXPECT_EQ(nMin, nMax) << nTeams << " teams";
            }
        }
    }
}

TEST(SchedulePairing, SidesAlternateAndTheSecondCycleIsReturned)
{
    for (int nTeams = 4; nTeams <= 50; nTeams += 2) {
        const int nCycle = nTeams - 1;
        Rounds rounds = Walk(nTeams, 2 * nCycle);
        std::vector<std::vector<int>> side(static_cast<size_t>(nTeams + 1)); // 0 = A, 1 = B
        for (int r = 0; r < nCycle; ++r)
            for (const CPairing& p : rounds[static_cast<size_t>(r)]) {
                side[static_cast<size_t>(p.nSideA)].push_back(0);
                side[static_cast<size_t>(p.nSideB)].push_back(1);
            }
        int nRepeats = 0;
        for (int t = 1; t <= nTeams; ++t) {
            const auto& s = side[static_cast<size_t>(t)];
            ASSERT_EQ(static_cast<int>(s.size()), nCycle);
            const int nB = static_cast<int>(std::count(s.begin(), s.end(), 1));
            EXPECT_LE(std::abs(2 * nB - nCycle), 1) << "team " << t << " of " << nTeams;
            for (size_t i = 1; i < s.size(); ++i)
                nRepeats += s[i] == s[i - 1];
        }
        // n - 2 side repeats is the least a round robin allows.
        EXPECT_EQ(nRepeats, nTeams - 2) << nTeams << " teams";

        // Two cycles: each pair once on each side.
        std::map<std::pair<int, int>, int> ordered;
        for (const auto& round : rounds)
            for (const CPairing& p : round)
                ++ordered[{p.nSideA, p.nSideB}];
        for (int a = 1; a <= nTeams; ++a)
            for (int b = 1; b <= nTeams; ++b)
                if (a != b) {
                    EXPECT_EQ((ordered[{a, b}]), 1) << a << " v " << b << " of " << nTeams;
                }
    }
}

TEST(SchedulePairing, ContinuedWalkMatchesAWalkFromTheStart)
{
    // A schedule continued from round 10 of a 12-team league is the table walked as if the
    // league had always had 12 teams, across the end of the table too.
    for (int nBefore : {0, 9, 11, 12, 30}) {
        Rounds all = Walk(12, nBefore + 15);
        Rounds tail = Walk(12, 15, nBefore);
        for (int r = 0; r < 15; ++r) {
            const auto& a = all[static_cast<size_t>(nBefore + r)];
            const auto& b = tail[static_cast<size_t>(r)];
            ASSERT_EQ(a.size(), b.size());
            for (size_t k = 0; k < a.size(); ++k)
                EXPECT_EQ(std::make_pair(a[k].nSideA, a[k].nSideB), std::make_pair(b[k].nSideA, b[k].nSideB));
        }
    }
}

TEST(SchedulePairing, OddTeamCountGivesEachTeamOneByeACycle)
{
    Rounds rounds = Walk(7, 7, 0, false);
    std::map<int, int> byes;
    for (const auto& round : rounds) {
        ASSERT_EQ(round.size(), 4u);
        int nByesThisRound = 0;
        for (const CPairing& p : round)
            if (p.nSideA == 8 || p.nSideB == 8) {
                ++nByesThisRound;
                ++byes[p.nSideA == 8 ? p.nSideB : p.nSideA];
            }
        EXPECT_EQ(nByesThisRound, 1);
    }
    ASSERT_EQ(byes.size(), 7u);
    for (const auto& [team, n] : byes)
        EXPECT_EQ(n, 1) << team;
    EXPECT_FALSE(CPairingWalk(2).IsValid() || CPairingWalk(51).IsValid());
}
