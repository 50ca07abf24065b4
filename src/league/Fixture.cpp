#include "league/Fixture.h"

#include "framework/core/Archive.h"
#include "league/BowlingDoc.h"
#include "league/FileCheck.h"
#include "league/Player.h"
#include "league/Team.h"

#include <algorithm>
#include <cstring>

IMPLEMENT_SERIAL(CFixture, CObject, 1)

CFixture::CFixture() : CFixture(0, 0, 0, 1)
{
}

CFixture::CFixture(int nRound, int nTeamA, int nTeamB, int nPlayersPerSide)
    : m_pDoc(nullptr), m_nRound(static_cast<BYTE>(nRound)), m_nMatch(0),
      m_nPlayers(static_cast<BYTE>(std::clamp(nPlayersPerSide, 1, MAX_POSITIONS))), m_nGames(0),
      m_nTeamA(static_cast<BYTE>(nTeamA)), m_nTeamB(static_cast<BYTE>(nTeamB)), m_pTeamA(nullptr),
      m_pTeamB(nullptr), m_nVenue(0), m_bPlayed{0, 0}, m_nDefaulted{0, 0}, m_dwScoresMarker{0, 0},
      m_dwPointsEligible{0, 0}, m_bPositionRound(0), m_bPositionRoundScratch(0), m_bOneSystem(0),
      m_bOneSystemScratch(0), m_bScratchPointsDone(0), m_bHandicapPointsDone(0)
{
    std::memset(m_dwPosFlags, 0, sizeof m_dwPosFlags);
    std::memset(m_wPlayerNo, 0, sizeof m_wPlayerNo);
    std::fill(&m_pPlayer[0][0], &m_pPlayer[0][0] + MAX_GAMES * SLOTS_PER_GAME, nullptr);
    std::memset(m_nScore, 0, sizeof m_nScore);
    std::memset(m_nAverage, 0, sizeof m_nAverage);
    std::memset(m_nHandicap, 0, sizeof m_nHandicap);
    std::memset(m_wPacerNo, 0, sizeof m_wPacerNo);
    std::fill(&m_pPacer[0][0], &m_pPacer[0][0] + MAX_GAMES * SLOTS_PER_GAME, nullptr);
    std::memset(m_nPacerScore, 0, sizeof m_nPacerScore);
    std::memset(m_nPacerHandicap, 0, sizeof m_nPacerHandicap);
    std::memset(m_nPacerAverage, 0, sizeof m_nPacerAverage);
    std::memset(m_nTeamHandicap, 0, sizeof m_nTeamHandicap);
    std::memset(m_nTeamAverage, 0, sizeof m_nTeamAverage);
    std::memset(m_nHandicapAdjust, 0, sizeof m_nHandicapAdjust);
    std::memset(m_nScratchAdjust, 0, sizeof m_nScratchAdjust);
    std::memset(m_nBowlerIndex, 0, sizeof m_nBowlerIndex);
    ClearPoints(PASS_SCRATCH);
    ClearPoints(PASS_HANDICAP);
    std::memset(m_nHandicapPyramidPoints, 0, sizeof m_nHandicapPyramidPoints);
    std::memset(m_nScratchPyramidPoints, 0, sizeof m_nScratchPyramidPoints);
}

// Every member is a plain value, an array of them or a non-owning pointer, so the
// member-wise copy is the complete copy the undo of result entry needs.
CFixture::CFixture(const CFixture& other) = default;
CFixture& CFixture::operator=(const CFixture& other) = default;

void CFixture::ClearPoints(int nPass)
{
    if (nPass == PASS_HANDICAP) {
        std::memset(m_wHandicapPoints, 0, sizeof m_wHandicapPoints);
        std::memset(m_wHandicapBonus, 0, sizeof m_wHandicapBonus);
        std::memset(m_nHandicapTotals, 0, sizeof m_nHandicapTotals);
        std::memset(m_nHandicapMatchPoints, 0, sizeof m_nHandicapMatchPoints);
        std::memset(m_nHandicapBonusPoints, 0, sizeof m_nHandicapBonusPoints);
        m_bHandicapPointsDone = 0;
    } else {
        std::memset(m_wScratchPoints, 0, sizeof m_wScratchPoints);
        std::memset(m_wScratchBonus, 0, sizeof m_wScratchBonus);
        std::memset(m_nScratchTotals, 0, sizeof m_nScratchTotals);
        std::memset(m_nScratchMatchPoints, 0, sizeof m_nScratchMatchPoints);
        std::memset(m_nScratchBonusPoints, 0, sizeof m_nScratchBonusPoints);
        m_bScratchPointsDone = 0;
    }
}

// ---------------------------------------------------------------- comparison

#define SAME_ARRAY(a) (std::memcmp(a, o.a, sizeof a) == 0)

bool CFixture::IsSameAs(const CFixture& o) const
{
    return m_nRound == o.m_nRound && m_nMatch == o.m_nMatch && m_nPlayers == o.m_nPlayers &&
           m_nGames == o.m_nGames && m_nTeamA == o.m_nTeamA && m_nTeamB == o.m_nTeamB && m_nVenue == o.m_nVenue &&
           m_timeDue == o.m_timeDue && m_timeDisplay == o.m_timeDisplay && SAME_ARRAY(m_bPlayed) &&
           m_timePlayed[0] == o.m_timePlayed[0] && m_timePlayed[1] == o.m_timePlayed[1] &&
           SAME_ARRAY(m_nDefaulted) && SAME_ARRAY(m_dwScoresMarker) && SAME_ARRAY(m_dwPointsEligible) &&
           m_bPositionRound == o.m_bPositionRound && m_bPositionRoundScratch == o.m_bPositionRoundScratch &&
           m_bOneSystem == o.m_bOneSystem && m_bOneSystemScratch == o.m_bOneSystemScratch &&
           SAME_ARRAY(m_dwPosFlags) && SAME_ARRAY(m_wPlayerNo) && SAME_ARRAY(m_nScore) && SAME_ARRAY(m_nAverage) &&
           SAME_ARRAY(m_nHandicap) && SAME_ARRAY(m_wPacerNo) && SAME_ARRAY(m_nPacerScore) &&
           SAME_ARRAY(m_nPacerHandicap) && SAME_ARRAY(m_nPacerAverage) && SAME_ARRAY(m_nTeamHandicap) &&
           SAME_ARRAY(m_nTeamAverage) && SAME_ARRAY(m_wScratchPoints) && SAME_ARRAY(m_wHandicapPoints) &&
           SAME_ARRAY(m_wScratchBonus) && SAME_ARRAY(m_wHandicapBonus) && SAME_ARRAY(m_nScratchTotals) &&
           SAME_ARRAY(m_nHandicapTotals) && SAME_ARRAY(m_nScratchMatchPoints) &&
           SAME_ARRAY(m_nHandicapMatchPoints) && SAME_ARRAY(m_nScratchBonusPoints) &&
           SAME_ARRAY(m_nHandicapBonusPoints) && SAME_ARRAY(m_nHandicapAdjust) && SAME_ARRAY(m_nScratchAdjust) &&
           m_bScratchPointsDone == o.m_bScratchPointsDone && m_bHandicapPointsDone == o.m_bHandicapPointsDone &&
           SAME_ARRAY(m_nHandicapPyramidPoints) && SAME_ARRAY(m_nScratchPyramidPoints);
}

#undef SAME_ARRAY

// ---------------------------------------------------------------- the stored form
//
// Fixed blocks are read in one piece and decoded, which keeps loading a big league close to
// the speed of reading its bytes. The layout is in docs/league-file.md.

namespace {

class CBlockWriter
{
public:
    void U8(BYTE v) { m_buf.push_back(v); }
    void U16(WORD v) { U8(static_cast<BYTE>(v)); U8(static_cast<BYTE>(v >> 8)); }
    void U32(DWORD v) { U16(static_cast<WORD>(v)); U16(static_cast<WORD>(v >> 16)); }
    void I32(int v) { U32(static_cast<DWORD>(v)); }
    void Flush(CArchive& ar) { ar.Write(m_buf.data(), m_buf.size()); m_buf.clear(); }

private:
    std::vector<BYTE> m_buf;
};

class CBlockReader
{
public:
    CBlockReader(CArchive& ar, size_t n) : m_pos(0)
    {
        ASSERT(n <= sizeof m_buf);
        ar.ReadExact(m_buf, n);
    }
    BYTE U8() { return m_buf[m_pos++]; }
    WORD U16() { WORD v = static_cast<WORD>(m_buf[m_pos] | (m_buf[m_pos + 1] << 8)); m_pos += 2; return v; }
    DWORD U32() { DWORD lo = U16(); return lo | (static_cast<DWORD>(U16()) << 16); }
    int I32() { return static_cast<int>(U32()); }

private:
    BYTE m_buf[1280];
    size_t m_pos;
};

constexpr int CELLS = MAX_GAMES * SLOTS_PER_GAME;
constexpr size_t SLOT_BLOCK = CELLS * 12;       // number, score, average, handicap
constexpr size_t PACER_BLOCK = CELLS * 10;      // number, score, handicap, average
constexpr size_t TEAM_BLOCK = 2 * POINTS_COLS * 8 + 4 * 4; // team handicaps, averages, adjustments
constexpr int TABLE_CELLS = 2 * POINTS_ROWS * POINTS_COLS;
constexpr size_t POINTS_BLOCK = (4 * TABLE_CELLS + 4 * POINTS_COLS + 12) * 4 + 8;

template <class T, size_t N>
bool AnyNonZero(const T (&a)[N])
{
    return std::any_of(std::begin(a), std::end(a), [](const auto& row) {
        if constexpr (std::is_array_v<std::remove_cvref_t<decltype(row)>>)
            return AnyNonZero(row);
        else
            return row != 0;
    });
}

} // namespace

bool CFixture::HasAnyPoints() const
{
    return AnyNonZero(m_wScratchPoints) || AnyNonZero(m_wHandicapPoints) || AnyNonZero(m_wScratchBonus) ||
           AnyNonZero(m_wHandicapBonus) || AnyNonZero(m_nScratchTotals) || AnyNonZero(m_nHandicapTotals) ||
           AnyNonZero(m_nScratchMatchPoints) || AnyNonZero(m_nHandicapMatchPoints) ||
           AnyNonZero(m_nScratchBonusPoints) || AnyNonZero(m_nHandicapBonusPoints) || m_bScratchPointsDone ||
           m_bHandicapPointsDone || AnyNonZero(m_nHandicapPyramidPoints) || AnyNonZero(m_nScratchPyramidPoints);
}

void CFixture::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << m_nRound << m_nMatch << m_nPlayers << m_nGames << m_nTeamA << m_nTeamB << m_nVenue;
        ar << m_timeDue << m_timeDisplay;
        for (int s = 0; s < 2; ++s)
            ar << m_bPlayed[s] << m_timePlayed[s] << m_nDefaulted[s] << m_dwScoresMarker[s] << m_dwPointsEligible[s];
        ar << m_bPositionRound << m_bPositionRoundScratch << m_bOneSystem << m_bOneSystemScratch;

        CBlockWriter w;
        for (DWORD f : m_dwPosFlags)
            w.U32(f);
        for (int g = 0; g < MAX_GAMES; ++g)
            for (int k = 0; k < SLOTS_PER_GAME; ++k) {
                w.U16(m_wPlayerNo[g][k]);
                w.U16(m_nScore[g][k]);
                w.U32(m_nAverage[g][k]);
                w.I32(m_nHandicap[g][k]);
            }
        bool bPacers = AnyNonZero(m_wPacerNo) || AnyNonZero(m_nPacerScore) || AnyNonZero(m_nPacerHandicap) ||
                       AnyNonZero(m_nPacerAverage);
        w.U8(bPacers ? 1 : 0);
        if (bPacers)
            for (int g = 0; g < MAX_GAMES; ++g)
                for (int k = 0; k < SLOTS_PER_GAME; ++k) {
                    w.U16(m_wPacerNo[g][k]);
                    w.U16(m_nPacerScore[g][k]);
                    w.I32(m_nPacerHandicap[g][k]);
                    w.U16(m_nPacerAverage[g][k]);
                }
        for (int s = 0; s < 2; ++s)
            for (int c = 0; c < POINTS_COLS; ++c) {
                w.U32(m_nTeamHandicap[s][c]);
                w.U32(m_nTeamAverage[s][c]);
            }
        for (int s = 0; s < 2; ++s) {
            w.I32(m_nHandicapAdjust[s]);
            w.I32(m_nScratchAdjust[s]);
        }
        bool bPoints = HasAnyPoints();
        w.U8(bPoints ? 1 : 0);
        if (bPoints) {
            for (auto* table : {&m_wScratchPoints, &m_wHandicapPoints, &m_wScratchBonus, &m_wHandicapBonus})
                for (int s = 0; s < 2; ++s)
                    for (int r = 0; r < POINTS_ROWS; ++r)
                        for (int c = 0; c < POINTS_COLS; ++c)
                            w.I32((*table)[s][r][c]);
            for (int s = 0; s < 2; ++s) {
                for (int c = 0; c < POINTS_COLS; ++c)
                    w.I32(m_nScratchTotals[s][c]);
                for (int c = 0; c < POINTS_COLS; ++c)
                    w.I32(m_nHandicapTotals[s][c]);
                w.I32(m_nScratchMatchPoints[s]);
                w.I32(m_nHandicapMatchPoints[s]);
                w.I32(m_nScratchBonusPoints[s]);
                w.I32(m_nHandicapBonusPoints[s]);
                w.I32(m_nScratchPyramidPoints[s]);
                w.I32(m_nHandicapPyramidPoints[s]);
            }
            w.U32(m_bScratchPointsDone);
            w.U32(m_bHandicapPointsDone);
        }
        w.Flush(ar);
        return;
    }

    ar >> m_nRound >> m_nMatch >> m_nPlayers >> m_nGames >> m_nTeamA >> m_nTeamB >> m_nVenue;
    CheckRange(m_nPlayers, 1, MAX_POSITIONS, "a match with a number of bowlers");
    CheckRange(m_nGames, 1, MAX_GAMES, "a match with a number of games");
    ar >> m_timeDue >> m_timeDisplay;
    for (int s = 0; s < 2; ++s)
        ar >> m_bPlayed[s] >> m_timePlayed[s] >> m_nDefaulted[s] >> m_dwScoresMarker[s] >> m_dwPointsEligible[s];
    ar >> m_bPositionRound >> m_bPositionRoundScratch >> m_bOneSystem >> m_bOneSystemScratch;
    {
        CBlockReader r(ar, SLOTS_PER_GAME * 4 + SLOT_BLOCK + 1);
        for (DWORD& f : m_dwPosFlags)
            f = r.U32();
        for (int g = 0; g < MAX_GAMES; ++g)
            for (int k = 0; k < SLOTS_PER_GAME; ++k) {
                m_wPlayerNo[g][k] = r.U16();
                m_nScore[g][k] = r.U16();
                m_nAverage[g][k] = r.U32();
                m_nHandicap[g][k] = r.I32();
            }
        BYTE bPacers = r.U8();
        CheckRange(bPacers, 0, 1, "a substitutes marker");
        if (bPacers) {
            CBlockReader p(ar, PACER_BLOCK);
            for (int g = 0; g < MAX_GAMES; ++g)
                for (int k = 0; k < SLOTS_PER_GAME; ++k) {
                    m_wPacerNo[g][k] = p.U16();
                    m_nPacerScore[g][k] = p.U16();
                    m_nPacerHandicap[g][k] = p.I32();
                    m_nPacerAverage[g][k] = p.U16();
                }
        }
    }
    {
        CBlockReader r(ar, TEAM_BLOCK + 1);
        for (int s = 0; s < 2; ++s)
            for (int c = 0; c < POINTS_COLS; ++c) {
                m_nTeamHandicap[s][c] = r.U32();
                m_nTeamAverage[s][c] = r.U32();
            }
        for (int s = 0; s < 2; ++s) {
            m_nHandicapAdjust[s] = r.I32();
            m_nScratchAdjust[s] = r.I32();
        }
        BYTE bPoints = r.U8();
        CheckRange(bPoints, 0, 1, "a points marker");
        if (bPoints) {
            CBlockReader p(ar, POINTS_BLOCK);
            for (auto* table : {&m_wScratchPoints, &m_wHandicapPoints, &m_wScratchBonus, &m_wHandicapBonus})
                for (int s = 0; s < 2; ++s)
                    for (int row = 0; row < POINTS_ROWS; ++row)
                        for (int c = 0; c < POINTS_COLS; ++c)
                            (*table)[s][row][c] = p.I32();
            for (int s = 0; s < 2; ++s) {
                for (int c = 0; c < POINTS_COLS; ++c)
                    m_nScratchTotals[s][c] = p.I32();
                for (int c = 0; c < POINTS_COLS; ++c)
                    m_nHandicapTotals[s][c] = p.I32();
                m_nScratchMatchPoints[s] = p.I32();
                m_nHandicapMatchPoints[s] = p.I32();
                m_nScratchBonusPoints[s] = p.I32();
                m_nHandicapBonusPoints[s] = p.I32();
                m_nScratchPyramidPoints[s] = p.I32();
                m_nHandicapPyramidPoints[s] = p.I32();
            }
            m_bScratchPointsDone = p.U32();
            m_bHandicapPointsDone = p.U32();
        }
    }
}

// ---------------------------------------------------------------- line-ups

int CFixture::GetLeagueGames() const
{
    int n = m_pDoc ? m_pDoc->m_nGamesPerMatch : m_nGames;
    return std::clamp(n, 0, MAX_GAMES);
}

BOOL CFixture::IsBye() const
{
    const CTeam* pA = m_pTeamA;
    const CTeam* pB = m_pTeamB;
    if (m_pDoc) {
        if (!pA && m_nTeamA)
            pA = m_pDoc->FindTeam(m_nTeamA);
        if (!pB && m_nTeamB)
            pB = m_pDoc->FindTeam(m_nTeamB);
    }
    return (pA && pA->m_bBye) || (pB && pB->m_bBye);
}

void CFixture::SetPlayer(int nSide, int nPos, CPlayer* pPlayer)
{
    if (nSide < 0 || nSide > 1 || nPos < 0 || nPos >= MAX_POSITIONS)
        return;
    int k = SlotOf(nSide, nPos);
    for (int g = 0; g < MAX_GAMES; ++g) {
        m_pPlayer[g][k] = pPlayer;
        m_wPlayerNo[g][k] = pPlayer ? pPlayer->m_nPlayerNo : 0;
        m_nHandicap[g][k] = pPlayer ? pPlayer->m_nHandicap : 0;
        m_nAverage[g][k] = pPlayer ? pPlayer->m_nAverage : 0;
        m_dwPosFlags[k] &= ~(PosPacer(g) | PosBlind(g));
    }
    if (pPlayer && pPlayer->m_nRobot != 0)
        for (int g = 0; g < std::min<int>(m_nGames, MAX_GAMES); ++g)
            m_dwPosFlags[k] |= PosBlind(g);
}

BOOL CFixture::IsSameBowlerAllGames(int nSide, int nPos) const
{
    int k = SlotOf(nSide, nPos);
    for (int g = 1; g < std::min<int>(m_nGames, MAX_GAMES); ++g)
        if (m_wPlayerNo[g][k] != m_wPlayerNo[0][k])
            return FALSE;
    return TRUE;
}

BOOL CFixture::AreScoresComplete(BOOL bSideA) const
{
    int nSide = bSideA ? 0 : 1;
    int nGames = GetLeagueGames();
    for (int p = 0; p < m_nPlayers; ++p) {
        int k = SlotOf(nSide, p);
        for (int g = 0; g < nGames; ++g) {
            if (m_nScore[g][k] != 0 || (m_nDefaulted[nSide] & DefaultedBit(g)))
                continue;
            if (m_dwPosFlags[k] & (PosBlind(g) | PosNonQual(g)))
                continue;
            return FALSE;
        }
    }
    return TRUE;
}

BOOL CFixture::HasDuplicateBowler() const
{
    for (int s = 0; s < 2; ++s)
        for (int p = 0; p < m_nPlayers; ++p)
            for (int q = p + 1; q < m_nPlayers; ++q) {
                WORD a = m_wPlayerNo[0][SlotOf(s, p)];
                if (a != 0 && a == m_wPlayerNo[0][SlotOf(s, q)])
                    return TRUE;
            }
    return FALSE;
}

BOOL CFixture::HasPlayerBowled(WORD nPlayerNo, BOOL bEnteredOnly) const
{
    for (int s = 0; s < 2; ++s) {
        if (bEnteredOnly && !m_bPlayed[s])
            continue;
        for (int p = 0; p < m_nPlayers; ++p) {
            int k = SlotOf(s, p);
            for (int g = 0; g < MAX_GAMES; ++g) {
                if (!(m_nDefaulted[s] & DefaultedBit(g)) && m_wPlayerNo[g][k] == nPlayerNo)
                    return TRUE;
                if ((m_dwPosFlags[k] & PosPacer(g)) && m_wPacerNo[g][k] == nPlayerNo)
                    return TRUE;
            }
        }
    }
    return FALSE;
}

BOOL CFixture::HasPlayerBowledSide(int nSide, WORD nPlayerNo, BOOL bEnteredOnly) const
{
    if (bEnteredOnly && !m_bPlayed[nSide])
        return FALSE;
    int nGames = std::min<int>(m_nGames, MAX_GAMES);
    for (int p = 0; p < m_nPlayers; ++p) {
        int k = SlotOf(nSide, p);
        for (int g = 0; g < nGames; ++g) {
            if ((m_dwPosFlags[k] & PosPacer(g)) && m_wPacerNo[g][k] == nPlayerNo)
                return TRUE;
            if (m_nDefaulted[nSide] & DefaultedBit(g))
                continue;
            if (m_dwPosFlags[k] & (PosBlind(g) | PosNonQual(g)))
                continue;
            if (m_wPlayerNo[g][k] == nPlayerNo)
                return TRUE;
        }
    }
    return FALSE;
}

int CFixture::CountBowlersAtPosition(int nSide, int nPos)
{
    int k = SlotOf(nSide, nPos);
    int nGames = GetLeagueGames();
    WORD seen[MAX_GAMES];
    int nSeen = 0;
    for (int g = 0; g < MAX_GAMES; ++g)
        m_nBowlerIndex[nSide][g] = 0;
    for (int g = 0; g < nGames; ++g) {
        WORD no = m_wPlayerNo[g][k];
        int i = 0;
        while (i < nSeen && seen[i] != no)
            ++i;
        if (i == nSeen)
            seen[nSeen++] = no;
        m_nBowlerIndex[nSide][g] = static_cast<BYTE>(i);
    }
    return nSeen > 0 ? nSeen - 1 : 0;
}

int CFixture::GetBowlerIndex(int nSide, int nGame) const
{
    if (nSide < 0 || nSide > 1 || nGame < 0 || nGame >= MAX_GAMES)
        return 0;
    return m_nBowlerIndex[nSide][nGame];
}

int CFixture::CountSubstitutions(int nSide, int nPos) const
{
    int k = SlotOf(nSide, nPos);
    WORD seen[MAX_GAMES];
    int nSeen = 0;
    for (int g = 0; g < GetLeagueGames(); ++g) {
        if (!(m_dwPosFlags[k] & PosPacer(g)))
            continue;
        WORD no = m_wPacerNo[g][k];
        if (std::find(seen, seen + nSeen, no) == seen + nSeen)
            seen[nSeen++] = no;
    }
    return nSeen;
}

// ---------------------------------------------------------------- scores

namespace {

BOOL UsesTeamHandicaps(const CBowlingDoc* pDoc)
{
    return pDoc && pDoc->m_bTeamHandicaps;
}

} // namespace

int CFixture::GetGameScore(int nSide, int nGame, BOOL bHandicap) const
{
    if (nSide < 0 || nSide > 1 || nGame < 0 || nGame >= GetLeagueGames() || !m_bPlayed[nSide])
        return 0;
    const BOOL bTeamHcp = UsesTeamHandicaps(m_pDoc);
    // In a game the side defaulted with robot scores on, the defaulted-match robot's rule
    // decides whether the positions count.
    const CRobot* pDefaultRobot = nullptr;
    if (m_pDoc && m_pDoc->m_dwRobotIfDefault && (m_nDefaulted[nSide] & DefaultedBit(nGame)))
        pDefaultRobot = m_pDoc->GetRobot(m_pDoc->GetDefaultedRobotNumber());
    int nTotal = 0;
    for (int p = 0; p < m_nPlayers; ++p) {
        int k = SlotOf(nSide, p);
        if (pDefaultRobot) {
            if (pDefaultRobot->m_bExclude)
                continue;
        } else if (m_pDoc) {
            const CPlayer* pPlayer = m_pPlayer[nGame][k];
            if (!pPlayer && m_wPlayerNo[nGame][k])
                pPlayer = m_pDoc->FindPlayer(m_wPlayerNo[nGame][k]);
            if (pPlayer && pPlayer->m_nRobot) {
                const CRobot* pRobot = m_pDoc->GetRobot(pPlayer->m_nRobot);
                if (pRobot && pRobot->m_bExclude)
                    continue;
            }
        }
        nTotal += m_nScore[nGame][k];
        if (bHandicap && !bTeamHcp)
            nTotal += m_nHandicap[nGame][k];
    }
    if (bHandicap && bTeamHcp)
        nTotal += static_cast<int>(m_nTeamHandicap[nSide][nGame]);
    return nTotal;
}

int CFixture::GetSeriesScore(int nSide, BOOL bHandicap) const
{
    int nTotal = 0;
    for (int g = 0; g < GetLeagueGames(); ++g)
        nTotal += GetGameScore(nSide, g, bHandicap);
    return nTotal;
}

int CFixture::GetGameBowled(int nSide, int nGame, BOOL bHandicap) const
{
    if (nSide < 0 || nSide > 1 || nGame < 0 || nGame >= std::min<int>(m_nGames, MAX_GAMES))
        return 0;
    if (m_nDefaulted[nSide] & DefaultedBit(nGame))
        return 0;
    const BOOL bTeamHcp = UsesTeamHandicaps(m_pDoc);
    int nTotal = 0;
    for (int p = 0; p < m_nPlayers; ++p) {
        int k = SlotOf(nSide, p);
        if (m_dwPosFlags[k] & (PosBlind(nGame) | PosNonQual(nGame)))
            continue;
        nTotal += m_nScore[nGame][k];
        if (bHandicap && !bTeamHcp)
            nTotal += m_nHandicap[nGame][k];
    }
    if (bHandicap && bTeamHcp)
        nTotal += static_cast<int>(m_nTeamHandicap[nSide][nGame]);
    return nTotal;
}

int CFixture::GetSeriesBowled(int nSide, BOOL bHandicap) const
{
    int nTotal = 0;
    for (int g = 0; g < std::min<int>(m_nGames, MAX_GAMES); ++g)
        nTotal += GetGameBowled(nSide, g, bHandicap);
    return nTotal;
}

int CFixture::GetPositionSeries(int nSide, int nPos, BOOL bHandicap) const
{
    if (nSide < 0 || nSide > 1 || nPos < 0 || nPos >= MAX_POSITIONS)
        return 0;
    int k = SlotOf(nSide, nPos);
    const BOOL bWithHcp = bHandicap && !UsesTeamHandicaps(m_pDoc);
    int nTotal = 0;
    for (int g = 0; g < GetLeagueGames(); ++g)
        nTotal += m_nScore[g][k] + (bWithHcp ? m_nHandicap[g][k] : 0);
    return nTotal;
}

int CFixture::GetPositionBowledSeries(int nSide, int nPos, BOOL bHandicap) const
{
    if (nSide < 0 || nSide > 1 || nPos < 0 || nPos >= MAX_POSITIONS)
        return 0;
    int k = SlotOf(nSide, nPos);
    const BOOL bCountBlind = m_pDoc && m_pDoc->m_bCountBlindGames;
    int nTotal = 0;
    for (int g = 0; g < GetLeagueGames(); ++g) {
        if (m_nDefaulted[nSide] & DefaultedBit(g))
            continue;
        if (!bCountBlind && (m_dwPosFlags[k] & PosBlind(g)))
            continue;
        nTotal += m_nScore[g][k] + (bHandicap ? m_nHandicap[g][k] : 0);
    }
    return nTotal;
}

int CFixture::GetSubstituteSeries(int nSide, int nPos, BOOL bHandicap) const
{
    if (nSide < 0 || nSide > 1 || nPos < 0 || nPos >= MAX_POSITIONS)
        return 0;
    int k = SlotOf(nSide, nPos);
    int nGames = GetLeagueGames();
    if (nGames == 0)
        return 0;
    for (int g = 0; g < nGames; ++g)
        if (!(m_dwPosFlags[k] & PosPacer(g)) || m_wPacerNo[g][k] != m_wPacerNo[0][k])
            return 0;
    int nTotal = 0;
    for (int g = 0; g < nGames; ++g)
        nTotal += m_nPacerScore[g][k] + (bHandicap ? m_nPacerHandicap[g][k] : 0);
    return nTotal;
}

int CFixture::CountSeriesInRange(int nSide, int nLow, int nHigh) const
{
    if (nSide < 0 || nSide > 1 || !m_bPlayed[nSide])
        return 0;
    int n = 0;
    for (int p = 0; p < m_nPlayers; ++p) {
        int k = SlotOf(nSide, p);
        for (int g = 0; g < std::min<int>(m_nGames, MAX_GAMES); ++g) {
            if (m_dwPosFlags[k] & (PosBlind(g) | PosNonQual(g)))
                continue;
            if (m_nScore[g][k] >= nLow && m_nScore[g][k] <= nHigh)
                ++n;
        }
    }
    return n;
}
