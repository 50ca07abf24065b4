#include "league/Fixture.h"

#include "framework/core/Archive.h"
#include "league/BowlingDoc.h"
#include "league/FileCheck.h"
#include "league/Player.h"
#include "league/Team.h"

#include <algorithm>
#include <bit>
#include <cstring>

IMPLEMENT_SERIAL(CFixture, CObject, 1)

CFixture::CFixture() : CFixture(0, 0, 0, 1)
{
}

// Every other member starts at zero (or null) by its initialiser in the class.
CFixture::CFixture(int nRound, int nTeamA, int nTeamB, int nPlayersPerSide)
    : m_nRound(static_cast<BYTE>(nRound)), m_nPlayers(static_cast<BYTE>(std::clamp(nPlayersPerSide, 1, MAX_POSITIONS))),
      m_nTeamA(static_cast<BYTE>(nTeamA)), m_nTeamB(static_cast<BYTE>(nTeamB))
{
}

// Every member is a plain value, an array of them or a non-owning pointer, so the
// member-wise copy is the complete copy the undo of result entry needs.
CFixture::CFixture(const CFixture& other) = default;
CFixture& CFixture::operator=(const CFixture& other) = default;

CString CFixture::GetFilePlace() const
{
    CString place;
    place.Format("round %d, match %d", m_nRound, m_nMatch);
    return place;
}

void CFixture::SetPlayed(int nSide, bool bPlayed)
{
    if (nSide < 0 || nSide > 1)
        return;
    m_bPlayed[nSide] = bPlayed ? 1 : 0;
    m_dwScoresMarker[nSide] = bPlayed ? 1 : 0;
}

CTime CFixture::GetDayBowled(int nSide) const
{
    if (nSide < 0 || nSide > 1 || !m_bPlayed[nSide] || m_timePlayed[nSide].GetTime() == 0)
        return m_timeDue;
    return m_timePlayed[nSide];
}

void CFixture::DeleteResult(int nSide)
{
    if (nSide < 0 || nSide > 1)
        return;
    SetPlayed(nSide, false);
    ClearSide(nSide, false);
    for (int p = 0; p < MAX_POSITIONS; ++p)
        for (int g = 0; g < MAX_GAMES; ++g) {
            m_wPlayerNo[g][SlotOf(nSide, p)] = 0;
            m_pPlayer[g][SlotOf(nSide, p)] = nullptr;
        }
}

void CFixture::ClearLeftovers(int nSide)
{
    if (nSide < 0 || nSide > 1 || m_bPlayed[nSide])
        return;
    ClearSide(nSide, true);
}

void CFixture::ClearSide(int nSide, bool bKeepTypedScores)
{
    for (int p = 0; p < MAX_POSITIONS; ++p) {
        const int k = SlotOf(nSide, p);
        for (int g = 0; g < MAX_GAMES; ++g) {
            const CPlayer* pPlayer = GetSlotPlayer(g, k);
            const bool bTyped = !(m_dwPosFlags[k] & (PosBlind(g) | PosNonQual(g) | PosPacer(g))) &&
                                !(m_nDefaulted[nSide] & DefaultedBit(g)) && !(pPlayer && pPlayer->IsRobot());
            if (!bKeepTypedScores || !bTyped)
                m_nScore[g][k] = 0;
            m_nHandicap[g][k] = 0;
            m_nAverage[g][k] = 0;
            m_wPacerNo[g][k] = 0;
            m_pPacer[g][k] = nullptr;
            m_nPacerScore[g][k] = 0;
            m_nPacerHandicap[g][k] = 0;
            m_nPacerAverage[g][k] = 0;
        }
        m_dwPosFlags[k] = 0;
    }
    m_nDefaulted[nSide] = 0;
    m_timePlayed[nSide] = CTime();
    std::memset(m_nTeamHandicap[nSide], 0, sizeof m_nTeamHandicap[nSide]);
    std::memset(m_nTeamAverage[nSide], 0, sizeof m_nTeamAverage[nSide]);
    ClearPoints(PASS_HANDICAP);
    ClearPoints(PASS_SCRATCH);
}

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

bool CFixture::IsScoredAs(const CFixture& o) const { return IsLeagueSame(o, true); }

bool CFixture::IsBowledAs(const CFixture& o) const { return IsLeagueSame(o, false); }

bool CFixture::IsLeagueSame(const CFixture& o, bool bWorked) const
{
    if (m_nRound != o.m_nRound || m_nTeamA != o.m_nTeamA || m_nTeamB != o.m_nTeamB || m_timeDue != o.m_timeDue ||
        m_nPlayers != o.m_nPlayers)
        return false;
    const int nGames = GetLeagueGames();
    const int nPlaces = std::clamp<int>(m_nPlayers, 0, MAX_POSITIONS);
    BYTE games = 0;
    DWORD marks = 0;
    for (int g = 0; g < nGames; ++g) {
        games |= DefaultedBit(g);
        marks |= PosNonQual(g) | PosBlind(g) | PosExcluded(g) | PosPacer(g);
    }
    for (int s = 0; s < 2; ++s) {
        if (m_bPlayed[s] != o.m_bPlayed[s] || ((m_nDefaulted[s] ^ o.m_nDefaulted[s]) & games) ||
            (m_bPlayed[s] && GetDayBowled(s) != o.GetDayBowled(s)))
            return false;
        for (int p = 0; p < nPlaces; ++p) {
            const int k = SlotOf(s, p);
            const DWORD dwFlags = m_dwPosFlags[k] & marks;
            if (dwFlags != (o.m_dwPosFlags[k] & marks))
                return false;
            for (int g = 0; g < nGames; ++g) {
                // A blind or vacancy score is worked from the figures, never read by them.
                const bool bTyped = !(dwFlags & PosBlind(g));
                if (m_wPlayerNo[g][k] != o.m_wPlayerNo[g][k] ||
                    ((bWorked || bTyped) && m_nScore[g][k] != o.m_nScore[g][k]) ||
                    (bWorked && (m_nHandicap[g][k] != o.m_nHandicap[g][k] || m_nAverage[g][k] != o.m_nAverage[g][k])))
                    return false;
                if ((dwFlags & PosPacer(g)) &&
                    (m_wPacerNo[g][k] != o.m_wPacerNo[g][k] || m_nPacerScore[g][k] != o.m_nPacerScore[g][k] ||
                     (bWorked && (m_nPacerHandicap[g][k] != o.m_nPacerHandicap[g][k] ||
                                  m_nPacerAverage[g][k] != o.m_nPacerAverage[g][k]))))
                    return false;
            }
        }
    }
    if (!bWorked)
        return true;

    // The figures of each game the league bowls and of the series; the points of each place,
    // the team and the bonus row.
    int cols[POINTS_COLS], nCols = 0;
    for (int c = 0; c < nGames; ++c)
        cols[nCols++] = c;
    cols[nCols++] = POINTS_COLS - 1;
    int rows[POINTS_ROWS], nRows = 0;
    for (int r = 0; r < nPlaces; ++r)
        rows[nRows++] = r;
    rows[nRows++] = POINTS_ROWS - 2;
    rows[nRows++] = POINTS_ROWS - 1;
    for (int s = 0; s < 2; ++s) {
        if (m_nHandicapMatchPoints[s] != o.m_nHandicapMatchPoints[s] ||
            m_nScratchMatchPoints[s] != o.m_nScratchMatchPoints[s] ||
            m_nHandicapBonusPoints[s] != o.m_nHandicapBonusPoints[s] ||
            m_nScratchBonusPoints[s] != o.m_nScratchBonusPoints[s] ||
            m_nHandicapAdjust[s] != o.m_nHandicapAdjust[s] || m_nScratchAdjust[s] != o.m_nScratchAdjust[s] ||
            m_nHandicapPyramidPoints[s] != o.m_nHandicapPyramidPoints[s] ||
            m_nScratchPyramidPoints[s] != o.m_nScratchPyramidPoints[s])
            return false;
        for (int i = 0; i < nCols; ++i) {
            const int c = cols[i];
            if (m_nTeamHandicap[s][c] != o.m_nTeamHandicap[s][c] || m_nTeamAverage[s][c] != o.m_nTeamAverage[s][c] ||
                m_nHandicapTotals[s][c] != o.m_nHandicapTotals[s][c] ||
                m_nScratchTotals[s][c] != o.m_nScratchTotals[s][c])
                return false;
            for (int j = 0; j < nRows; ++j) {
                const int r = rows[j];
                if (m_wHandicapPoints[s][r][c] != o.m_wHandicapPoints[s][r][c] ||
                    m_wScratchPoints[s][r][c] != o.m_wScratchPoints[s][r][c] ||
                    m_wHandicapBonus[s][r][c] != o.m_wHandicapBonus[s][r][c] ||
                    m_wScratchBonus[s][r][c] != o.m_wScratchBonus[s][r][c])
                    return false;
            }
        }
    }
    return true;
}

// ---------------------------------------------------------------- the stored form
//
// The slot tables are stored plane by plane (every player number, then every score, ...), so
// that on a little-endian machine each table is read straight into its member. This keeps
// loading a big league close to the speed of reading its bytes. The layout is in
// docs/league-file.md.

namespace {

template <class T, size_t N>
void WritePlane(CArchive& ar, const T (&plane)[N])
{
    if constexpr (std::endian::native == std::endian::little) {
        ar.Write(plane, sizeof plane);
    } else {
        for (const T& v : plane)
            ar << v;
    }
}

template <class T, size_t N>
void ReadPlane(CArchive& ar, T (&plane)[N])
{
    if constexpr (std::endian::native == std::endian::little) {
        ar.ReadExact(plane, sizeof plane);
    } else {
        for (T& v : plane)
            ar >> v;
    }
}

// The same for two- and three-dimensional tables of plain integers.
template <class T, size_t N, size_t M>
void WritePlane(CArchive& ar, const T (&table)[N][M])
{
    for (const auto& row : table)
        WritePlane(ar, row);
}
template <class T, size_t N, size_t M>
void ReadPlane(CArchive& ar, T (&table)[N][M])
{
    for (auto& row : table)
        ReadPlane(ar, row);
}
template <class T, size_t N, size_t M, size_t K>
void WritePlane(CArchive& ar, const T (&table)[N][M][K])
{
    for (const auto& row : table)
        WritePlane(ar, row);
}
template <class T, size_t N, size_t M, size_t K>
void ReadPlane(CArchive& ar, T (&table)[N][M][K])
{
    for (auto& row : table)
        ReadPlane(ar, row);
}

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

// The fixed leading fields, decoded from one read.
class CHeaderReader
{
public:
    static constexpr size_t SIZE = 7 + 8 + 2 * 14 + 16;
    explicit CHeaderReader(CArchive& ar) { ar.ReadExact(m_buf, SIZE); }
    BYTE U8() { return m_buf[m_pos++]; }
    DWORD U32()
    {
        DWORD v = static_cast<DWORD>(m_buf[m_pos]) | static_cast<DWORD>(m_buf[m_pos + 1]) << 8 |
                  static_cast<DWORD>(m_buf[m_pos + 2]) << 16 | static_cast<DWORD>(m_buf[m_pos + 3]) << 24;
        m_pos += 4;
        return v;
    }
    CTime Time() { return CTime(static_cast<LONGLONG>(static_cast<int>(U32()))); }

private:
    BYTE m_buf[SIZE];
    size_t m_pos = 0;
};

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
    } else {
        CHeaderReader r(ar);
        m_nRound = r.U8();
        m_nMatch = r.U8();
        m_nPlayers = r.U8();
        m_nGames = r.U8();
        m_nTeamA = r.U8();
        m_nTeamB = r.U8();
        m_nVenue = r.U8();
        auto place = [this] { return GetFilePlace(); };
        CheckRangeAt(m_nPlayers, 1, MAX_POSITIONS, "a match with a number of bowlers", place);
        CheckRangeAt(m_nGames, 1, MAX_GAMES, "a match with a number of games", place);
        m_timeDue = r.Time();
        m_timeDisplay = r.Time();
        for (int s = 0; s < 2; ++s) {
            m_bPlayed[s] = r.U8();
            m_timePlayed[s] = r.Time();
            m_nDefaulted[s] = r.U8();
            m_dwScoresMarker[s] = r.U32();
            m_dwPointsEligible[s] = r.U32();
            // Earlier builds ticked a side without dating it: it was bowled when due. Nor did
            // they mark its scores, so that no typed result counted in the average buster.
            if (m_bPlayed[s] && m_timePlayed[s].GetTime() == 0)
                m_timePlayed[s] = m_timeDue;
            if (m_bPlayed[s] && !m_dwScoresMarker[s])
                m_dwScoresMarker[s] = 1;
        }
        m_bPositionRound = r.U32();
        m_bPositionRoundScratch = r.U32();
        m_bOneSystem = r.U32();
        m_bOneSystemScratch = r.U32();
    }

    // Each part: the position flags, the regular slots, the substitutes' slots (when any),
    // the team figures, the points (when any). A marker byte says whether an optional part
    // follows.
    auto serializeParts = [&](auto plane) {
        plane(m_dwPosFlags);
        plane(m_wPlayerNo);
        plane(m_nScore);
        plane(m_nAverage);
        plane(m_nHandicap);
    };
    auto serializePacers = [&](auto plane) {
        plane(m_wPacerNo);
        plane(m_nPacerScore);
        plane(m_nPacerHandicap);
        plane(m_nPacerAverage);
    };
    auto serializeTeams = [&](auto plane) {
        plane(m_nTeamHandicap);
        plane(m_nTeamAverage);
        plane(m_nHandicapAdjust);
        plane(m_nScratchAdjust);
    };
    auto serializePoints = [&](auto plane) {
        plane(m_wScratchPoints);
        plane(m_wHandicapPoints);
        plane(m_wScratchBonus);
        plane(m_wHandicapBonus);
        plane(m_nScratchTotals);
        plane(m_nHandicapTotals);
        plane(m_nScratchMatchPoints);
        plane(m_nHandicapMatchPoints);
        plane(m_nScratchBonusPoints);
        plane(m_nHandicapBonusPoints);
        plane(m_nScratchPyramidPoints);
        plane(m_nHandicapPyramidPoints);
    };

    if (ar.IsStoring()) {
        auto write = [&ar](const auto& table) { WritePlane(ar, table); };
        serializeParts(write);
        BYTE bPacers = (AnyNonZero(m_wPacerNo) || AnyNonZero(m_nPacerScore) || AnyNonZero(m_nPacerHandicap) ||
                        AnyNonZero(m_nPacerAverage)) ? 1 : 0;
        ar << bPacers;
        if (bPacers)
            serializePacers(write);
        serializeTeams(write);
        BYTE bPoints = HasAnyPoints() ? 1 : 0;
        ar << bPoints;
        if (bPoints) {
            serializePoints(write);
            ar << m_bScratchPointsDone << m_bHandicapPointsDone;
        }
        return;
    }
    auto read = [&ar](auto& table) { ReadPlane(ar, table); };
    serializeParts(read);
    BYTE bPacers = 0;
    ar >> bPacers;
    CheckRangeAt(bPacers, 0, 1, "a substitutes marker", [this] { return GetFilePlace(); });
    if (bPacers)
        serializePacers(read);
    serializeTeams(read);
    BYTE bPoints = 0;
    ar >> bPoints;
    CheckRangeAt(bPoints, 0, 1, "a points marker", [this] { return GetFilePlace(); });
    if (bPoints) {
        serializePoints(read);
        ar >> m_bScratchPointsDone >> m_bHandicapPointsDone;
    }
}

// ---------------------------------------------------------------- line-ups

int CFixture::GamesSetting() const
{
    return m_pDoc ? m_pDoc->m_nGamesPerMatch : m_nGames;
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
    const int k = SlotOf(nSide, nPos);
    for (int g = 0; g < MAX_GAMES; ++g) {
        // No mark of the bowler before stays; a robot's own goes in SetGamePlayer, its score too.
        m_dwPosFlags[k] &= ~PosPacer(g);
        if (!HoldsRobotGame(g, k))
            m_dwPosFlags[k] &= ~PosBlind(g);
        SetGamePlayer(g, k, pPlayer, m_nScore[g][k]);
        m_nHandicap[g][k] = pPlayer ? pPlayer->m_nHandicap : 0;
    }
}

bool CFixture::HoldsRobotGame(int nGame, int nSlot) const
{
    const CPlayer* p = GetSlotPlayer(nGame, nSlot);
    return p && p->IsRobot() && (m_dwPosFlags[nSlot] & PosBlind(nGame));
}

void CFixture::SetGamePlayer(int nGame, int nSlot, CPlayer* pPlayer, WORD nScore)
{
    if (nGame < 0 || nGame >= MAX_GAMES || nSlot < 0 || nSlot >= SLOTS_PER_GAME)
        return;
    const bool bGivenBack = HoldsRobotGame(nGame, nSlot) && !(pPlayer && pPlayer->IsRobot());
    const WORD nHeld = m_nScore[nGame][nSlot];
    m_pPlayer[nGame][nSlot] = pPlayer;
    m_wPlayerNo[nGame][nSlot] = pPlayer ? pPlayer->m_nPlayerNo : 0;
    m_nAverage[nGame][nSlot] = pPlayer ? pPlayer->m_nAverage : 0;
    m_nScore[nGame][nSlot] = nScore;
    if (bGivenBack) {
        m_dwPosFlags[nSlot] &= ~PosBlind(nGame);
        if (nScore == nHeld)
            m_nScore[nGame][nSlot] = 0;
    }
    MarkRobotGame(nGame, nSlot);
}

void CFixture::MarkRobotGame(int nGame, int nSlot)
{
    if (nGame < 0 || nGame >= std::min<int>(m_nGames, MAX_GAMES) || nSlot < 0 || nSlot >= SLOTS_PER_GAME)
        return;
    const CPlayer* p = GetSlotPlayer(nGame, nSlot);
    if (p && p->IsRobot())
        m_dwPosFlags[nSlot] |= PosBlind(nGame);
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

bool CFixture::HoldsRobotGames(int nSide) const
{
    if (nSide < 0 || nSide > 1)
        return false;
    for (int p = 0; p < std::min<int>(m_nPlayers, MAX_POSITIONS); ++p)
        for (int g = 0; g < GetLeagueGames(); ++g)
            if (HoldsRobotGame(g, SlotOf(nSide, p)))
                return true;
    return false;
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
    return HasPlayerBowledSide(0, nPlayerNo, bEnteredOnly) || HasPlayerBowledSide(1, nPlayerNo, bEnteredOnly);
}

BOOL CFixture::HasPlayerBowledSide(int nSide, WORD nPlayerNo, BOOL bEnteredOnly) const
{
    if (nSide < 0 || nSide > 1 || (bEnteredOnly && !m_bPlayed[nSide]))
        return FALSE;
    for (int p = 0; p < std::min<int>(m_nPlayers, MAX_POSITIONS); ++p)
        for (int g = 0; g < GetLeagueGames(); ++g) {
            const CPlayer* pBowler = GetBowledGame(nSide, p, g).pBowler;
            if (pBowler && pBowler->m_nPlayerNo == nPlayerNo)
                return TRUE;
        }
    return FALSE;
}

namespace {

bool ValidGameRef(int nSide, int nPos, int nGame)
{
    return nSide >= 0 && nSide <= 1 && nPos >= 0 && nPos < MAX_POSITIONS && nGame >= 0 && nGame < MAX_GAMES;
}

// The marks of a game, with nothing else of it.
CBowledGame MarksOf(DWORD dwFlags, BYTE nDefaulted, int nGame)
{
    CBowledGame b;
    b.bPacer = (dwFlags & PosPacer(nGame)) != 0;
    b.bBlind = (dwFlags & PosBlind(nGame)) != 0;
    b.bNonQual = (dwFlags & PosNonQual(nGame)) != 0;
    b.bDefaulted = (nDefaulted & DefaultedBit(nGame)) != 0;
    return b;
}

} // namespace

CBowledGame CFixture::GetCellGame(int nSide, int nPos, int nGame) const
{
    if (!ValidGameRef(nSide, nPos, nGame))
        return CBowledGame{};
    const int k = SlotOf(nSide, nPos);
    CBowledGame b = MarksOf(m_dwPosFlags[k], m_nDefaulted[nSide], nGame);
    b.pBowler = GetSlotPlayer(nGame, k);
    b.nScore = m_nScore[nGame][k];
    b.nHandicap = m_nHandicap[nGame][k];
    b.nAverage = static_cast<int>(m_nAverage[nGame][k]);
    return b;
}

CBowledGame CFixture::GetPacerGame(int nSide, int nPos, int nGame) const
{
    if (!ValidGameRef(nSide, nPos, nGame))
        return CBowledGame{};
    const int k = SlotOf(nSide, nPos);
    CBowledGame b = MarksOf(m_dwPosFlags[k], m_nDefaulted[nSide], nGame);
    if (!b.bPacer)
        return b;
    // The cell of a pacer's game holds his score too, or the absent bowler's blind score.
    b.pBowler = GetPacer(nGame, k);
    b.nScore = m_nPacerScore[nGame][k];
    b.nHandicap = m_nPacerHandicap[nGame][k];
    b.nAverage = m_nPacerAverage[nGame][k];
    return b;
}

bool CFixture::HoldsGameOver(int nMost) const
{
    for (int g = 0; g < MAX_GAMES; ++g)
        for (int k = 0; k < SLOTS_PER_GAME; ++k)
            if ((m_nScore[g][k] > nMost && !(m_dwPosFlags[k] & PosBlind(g))) || m_nPacerScore[g][k] > nMost)
                return true;
    return false;
}

CBowledGame CFixture::GetBowledGame(int nSide, int nPos, int nGame) const
{
    if (!ValidGameRef(nSide, nPos, nGame))
        return CBowledGame{};
    CBowledGame b = MarksOf(m_dwPosFlags[SlotOf(nSide, nPos)], m_nDefaulted[nSide], nGame);
    if (b.bDefaulted) {
        b.bPacer = false;
        return b;
    }
    if (b.bPacer)
        b = GetPacerGame(nSide, nPos, nGame);
    else if (!b.bBlind)
        b = GetCellGame(nSide, nPos, nGame);
    return Judge(b, nSide, nPos, nGame);
}

CBowledGame& CFixture::Judge(CBowledGame& b, int nSide, int nPos, int nGame) const
{
    if (b.pBowler && b.pBowler->IsRobot())
        b.pBowler = nullptr;
    // A Non Qual score qualifies for nothing, whoever bowled it.
    b.bCounts = b.pBowler && !b.bNonQual && !(b.bPacer && m_pDoc && m_pDoc->m_bExcludePacers);
    b.bHighFigures = b.bCounts && !(m_dwPosFlags[SlotOf(nSide, nPos)] & PosExcluded(nGame));
    return b;
}

CBowledGame CFixture::GetMarkedMatchedGame(int nSide, int nPos, int nGame) const
{
    CBowledGame b = GetBowledGame(nSide, nPos, nGame);
    if (!ValidGameRef(nSide, nPos, nGame))
        return b;
    // A blind cell holds the blind score, which no bowler bowled, even with a pacer beside it.
    if (!b.bCounts || b.bBlind)
        b.pBowler = nullptr, b.bCounts = b.bHighFigures = false;
    const int k = SlotOf(nSide, nPos);
    b.nScore = m_nScore[nGame][k];
    b.nHandicap = m_nHandicap[nGame][k];
    b.nAverage = static_cast<int>(m_nAverage[nGame][k]);
    return b;
}

namespace {

// A position's series from its games: one bowler's every game of the match, each counting.
CBowledSeries SeriesOf(const CBowledGame* pGames, int nGames, DWORD dwPosFlags)
{
    CBowledSeries series;
    for (int g = 0; g < nGames; ++g) {
        const CBowledGame& b = pGames[g];
        if (!b.bCounts || (g > 0 && b.pBowler != series.pBowler))
            return CBowledSeries{};
        series.pBowler = b.pBowler;
        series.nScratch += b.nScore;
        series.nHandicap += b.nScore + b.nHandicap;
        series.nAverages += b.nAverage;
    }
    // Any exclusion of the position keeps the match out of the high series.
    const DWORD dwExcluded = PosExcluded(0) | PosExcluded(1) | PosExcluded(2) | PosExcluded(3);
    series.bHighFigures = series.pBowler && !(dwPosFlags & dwExcluded);
    return series;
}

} // namespace

CBowledSeries CFixture::GetBowledSeries(int nSide, int nPos) const
{
    return SeriesAt(nSide, nPos, false);
}

CBowledSeries CFixture::GetPositionHighSeries(int nSide, int nPos) const
{
    return SeriesAt(nSide, nPos, m_pDoc && m_pDoc->m_bCountBlindGames);
}

CBowledSeries CFixture::SeriesAt(int nSide, int nPos, bool bBlindGames) const
{
    if (nSide < 0 || nSide > 1 || nPos < 0 || nPos >= MAX_POSITIONS)
        return CBowledSeries{};
    CBowledGame games[MAX_GAMES];
    const int nGames = GetLeagueGames();
    for (int g = 0; g < nGames; ++g) {
        games[g] = GetBowledGame(nSide, nPos, g);
        // The position's bowler's blind game, on its blind score; a paced one stays the pacer's.
        if (bBlindGames && games[g].bBlind && !games[g].bPacer && !games[g].bDefaulted) {
            games[g] = GetCellGame(nSide, nPos, g);
            Judge(games[g], nSide, nPos, g);
        }
    }
    return SeriesOf(games, nGames, m_dwPosFlags[SlotOf(nSide, nPos)]);
}

int CFixture::GetTopScore(int nSide) const
{
    int nTop = 0;
    for (int g = 0; g < MAX_GAMES && (nSide == 0 || nSide == 1); ++g)
        for (int p = 0; p < MAX_POSITIONS; ++p)
            nTop = std::max({nTop, int(m_nScore[g][SlotOf(nSide, p)]), int(m_nPacerScore[g][SlotOf(nSide, p)])});
    return nTop;
}

void CFixture::GetBowledSide(int nSide, CBowledGame games[MAX_POSITIONS][MAX_GAMES],
                             CBowledSeries series[MAX_POSITIONS]) const
{
    const int nGames = GetLeagueGames();
    if (nSide < 0 || nSide > 1)
        return;
    // A position without marks on a side without defaults, as GetBowledGame takes it, in one go:
    // the awards ask for every game of the season.
    for (int p = 0; p < std::min<int>(m_nPlayers, MAX_POSITIONS); ++p) {
        const int k = SlotOf(nSide, p);
        const bool bPlain = !(m_dwPosFlags[k] & POS_ANY_MARK) && !m_nDefaulted[nSide];
        CPlayer* const pFirst = GetSlotPlayer(0, k);
        const bool bFirstCounts = pFirst && !pFirst->IsRobot();
        for (int g = 0; g < nGames; ++g) {
            if (!bPlain) {
                games[p][g] = GetBowledGame(nSide, p, g);
                continue;
            }
            CPlayer* pBowler = GetSlotPlayer(g, k);
            const bool bCounts = pBowler == pFirst ? bFirstCounts : pBowler && !pBowler->IsRobot();
            games[p][g] = CBowledGame{bCounts ? pBowler : nullptr, m_nScore[g][k], m_nHandicap[g][k],
                                      static_cast<int>(m_nAverage[g][k]), false, bCounts, bCounts};
        }
        series[p] = SeriesOf(games[p], nGames, m_dwPosFlags[k]);
    }
}

CBowledGame CFixture::GetBowledGameOf(const CPlayer* pPlayer, int nSide, int nGame) const
{
    for (int p = 0; p < std::min<int>(m_nPlayers, MAX_POSITIONS); ++p) {
        const CBowledGame b = GetBowledGame(nSide, p, nGame);
        if (b.bCounts && b.pBowler == pPlayer)
            return b;
    }
    return CBowledGame{};
}

int CFixture::GetSideCountingFor(const CPlayer* pPlayer) const
{
    for (int s = 0; s < 2; ++s)
        for (int g = 0; g < GetLeagueGames(); ++g)
            if (GetBowledGameOf(pPlayer, s, g).bCounts)
                return s;
    return -1;
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

// One side's game: the scores of the positions that count, with the handicap either per
// bowler or once for the team.
template <class Counts>
int SideGameTotal(const CFixture& f, int nSide, int nGame, BOOL bHandicap, Counts counts)
{
    const BOOL bTeamHcp = UsesTeamHandicaps(f.m_pDoc);
    int nTotal = 0;
    for (int p = 0; p < f.m_nPlayers; ++p) {
        const int k = CFixture::SlotOf(nSide, p);
        if (!counts(k))
            continue;
        nTotal += f.m_nScore[nGame][k];
        if (bHandicap && !bTeamHcp)
            nTotal += f.m_nHandicap[nGame][k];
    }
    if (bHandicap && bTeamHcp)
        nTotal += static_cast<int>(f.m_nTeamHandicap[nSide][nGame]);
    return nTotal;
}

} // namespace

BYTE CFixture::GetScorelessGames(int nSide) const
{
    if (nSide < 0 || nSide > 1 || (m_pDoc && m_pDoc->m_dwRobotIfDefault))
        return 0;
    return m_nDefaulted[nSide];
}

void CFixture::SumTeamGame(int nSide, int nGame, int& nPins, int& nHandicap) const
{
    nPins = nHandicap = 0;
    if (nSide < 0 || nSide > 1 || nGame < 0 || nGame >= GetLeagueGames() || IsScorelessGame(nSide, nGame))
        return;
    for (int p = 0; p < std::min<int>(m_nPlayers, MAX_POSITIONS); ++p) {
        // A vacancy's, a robot's or, in a game the side defaulted with robot scores on, the
        // defaulted-match robot's rule decides whether the position counts.
        const CRobot* pRule = GetScoringRobot(nSide, p, nGame);
        if (pRule && pRule->m_bExclude)
            continue;
        nPins += m_nScore[nGame][SlotOf(nSide, p)];
        nHandicap += m_nHandicap[nGame][SlotOf(nSide, p)];
    }
    if (UsesTeamHandicaps(m_pDoc))
        nHandicap = static_cast<int>(m_nTeamHandicap[nSide][nGame]);
}

int CFixture::GetGameHandicap(int nSide, int nGame) const
{
    int nPins, nHandicap;
    SumTeamGame(nSide, nGame, nPins, nHandicap);
    return nHandicap;
}

int CFixture::GetGameScore(int nSide, int nGame, BOOL bHandicap) const
{
    if (nSide < 0 || nSide > 1 || !m_bPlayed[nSide])
        return 0;
    int nPins, nHandicap;
    SumTeamGame(nSide, nGame, nPins, nHandicap);
    return nPins + (bHandicap ? nHandicap : 0);
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
    return SideGameTotal(*this, nSide, nGame, bHandicap,
                         [&](int k) { return !(m_dwPosFlags[k] & (PosBlind(nGame) | PosNonQual(nGame))); });
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
        if (!IsScorelessGame(nSide, g))
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
