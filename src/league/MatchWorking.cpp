#include "league/MatchWorking.h"

#include "framework/ui/Dialog.h"
#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/Player.h"
#include "league/Team.h"

#include <algorithm>
#include <limits>
#include <tuple>
#include <unordered_map>
#include <utility>

namespace {

// The figures held are those of the day.
bool IsDay(const std::optional<CTime>& held, CTime day)
{
    return held && CBowlingDoc::SameFiguresDay(*held, day);
}

// Whether a side of the match bowled before the day its figures are worked to: the figures
// leave the match's own sides out, so they would count for another match of the same day.
bool SideBowledBefore(const CFixture& match, const CBowlingDoc::CBowledBefore& day)
{
    return match.GetDayBowled(0) < day.DayStart() || match.GetDayBowled(1) < day.DayStart();
}

} // namespace

// ---- the figures held ---------------------------------------------------------------------

bool CHeldFigures::Holds(const CFixture& match, CTime date) const
{
    if (!m_bHeld || match.m_nRound != m_nRound)
        return false;
    const CBowlingDoc::CBowledBefore day(match, date);
    if (day.Round() != m_nRound || day.DayStart() != m_dayStart || day.IsDueDay() != m_bDueDay)
        return false;
    return &match == m_pMatch || (!m_bOwnSideBefore && !SideBowledBefore(match, day));
}

void CHeldFigures::Keep(const CFixture& match, CTime date)
{
    const CBowlingDoc::CBowledBefore day(match, date);
    m_bHeld = true;
    m_nRound = day.Round();
    m_dayStart = day.DayStart();
    m_bDueDay = day.IsDueDay();
    m_pMatch = &match;
    m_bOwnSideBefore = SideBowledBefore(match, day);
    m_bowlers.clear();
    for (POSITION pos = m_doc.m_listPlayers.GetHeadPosition(); pos;) {
        auto* p = static_cast<CPlayer*>(m_doc.m_listPlayers.GetNext(pos));
        m_bowlers.push_back({p, p->m_nAverage, p->m_nHandicap});
    }
    m_teamBlindGames.clear();
    for (POSITION pos = m_doc.m_listTeams.GetHeadPosition(); pos;) {
        const auto* t = static_cast<const CTeam*>(m_doc.m_listTeams.GetNext(pos));
        m_teamBlindGames.insert(m_teamBlindGames.end(), t->m_nBlindGames, t->m_nBlindGames + 2);
    }
}

void CHeldFigures::Restore()
{
    for (const CBowlerFigures& b : m_bowlers) {
        b.pPlayer->m_nAverage = b.nAverage;
        b.pPlayer->m_nHandicap = b.nHandicap;
    }
    size_t i = 0;
    for (POSITION pos = m_doc.m_listTeams.GetHeadPosition(); pos && i + 2 <= m_teamBlindGames.size(); i += 2) {
        auto* t = static_cast<CTeam*>(m_doc.m_listTeams.GetNext(pos));
        std::copy(m_teamBlindGames.begin() + static_cast<std::ptrdiff_t>(i),
                  m_teamBlindGames.begin() + static_cast<std::ptrdiff_t>(i + 2), t->m_nBlindGames);
    }
}

// ---- one match ----------------------------------------------------------------------------

void CMatchWorking::Bind(CBowlingDoc* pDoc, CFixture* pFixture, int nPositions, BOOL bHandicap, BOOL bScratch)
{
    m_pDoc = pDoc;
    m_pFixture = pFixture;
    m_nPositions = std::clamp(nPositions, 1, MAX_POSITIONS);
    m_bHandicapScoring = bHandicap;
    m_bScratchScoring = bScratch;
    for (int s = 0; s < 2; ++s)
        m_timePlayed[s] = pFixture->GetDayBowled(s);
    m_figuresDay.reset();
    m_blindGamesDay[0].reset();
    m_blindGamesDay[1].reset();
}

void CMatchWorking::ScoringSystems(const CBowlingDoc& doc, const CFixture& f, BOOL& bHandicap, BOOL& bScratch)
{
    const bool bPosition = f.m_bPositionRound != 0;
    const bool bPosScratch = bPosition && f.m_bPositionRoundScratch != 0;
    bHandicap = doc.m_bHandicapLeague && !(bPosScratch && !doc.m_bPositionBothWays);
    bScratch = doc.m_bScratchLeague && (!bPosition || bPosScratch || doc.m_bPositionBothWays);
}

void CMatchWorking::DefaultFoldedSides(CBowlingDoc& doc, CFixture& f)
{
    const int nGames = doc.m_nGamesPerMatch;
    for (int s = 0; s < 2; ++s) {
        CTeam* pTeam = s == 0 ? f.m_pTeamA : f.m_pTeamB;
        if (!pTeam)
            pTeam = doc.FindTeam(s == 0 ? f.m_nTeamA : f.m_nTeamB);
        if (pTeam && pTeam->IsFoldedBefore(f.m_nRound)) {
            f.SetPlayed(s, true);
            if (f.m_timePlayed[s].GetTime() == 0)
                f.m_timePlayed[s] = f.m_timeDue;
            BYTE mask = 8;
            if (nGames > 1)
                mask |= 4;
            if (nGames > 2)
                mask |= 2;
            if (nGames > 3)
                mask |= 1;
            f.m_nDefaulted[s] = mask;
        }
    }
}

int CMatchWorking::LeagueGames() const { return std::clamp<int>(m_pDoc->m_nGamesPerMatch, 1, 4); }

CPlayer* CMatchWorking::SlotPlayer(int nGame, int nSlot) const
{
    if (CPlayer* p = m_pFixture->m_pPlayer[nGame][nSlot])
        return p;
    return m_pDoc->FindPlayer(m_pFixture->m_wPlayerNo[nGame][nSlot]);
}

BYTE CMatchWorking::DefaultedFlag(int nSide, int nGame) const
{
    if (!(m_pFixture->m_nDefaulted[nSide] & DefaultedBit(nGame)))
        return 0;
    BYTE flag = static_cast<BYTE>((m_pDoc->m_dwRobotIfDefault & 0xFF) + 1);
    return flag ? flag : 1;
}

void CMatchWorking::FiguresInForce(CTime date)
{
    if (m_bHandicapScoring)
        m_pDoc->m_bHandicapPass = PASS_HANDICAP;
    if (m_pHeld && m_pHeld->Holds(*m_pFixture, date)) {
        m_pHeld->Restore();
    } else {
        m_pDoc->RecalculateFixture(date, *m_pFixture);
        if (m_pHeld)
            m_pHeld->Keep(*m_pFixture, date);
    }
    m_figuresDay = date;
    // Every recount of a side's blind games starts from its team's count on its day, so the
    // match's own blind games count once however often the match is worked.
    for (int s = 0; s < 2; ++s) {
        CTeam* t = m_pFixture->GetSideTeam(s);
        if (t && CBowlingDoc::SameFiguresDay(SideDay(s), date)) {
            std::copy(t->m_nBlindGames, t->m_nBlindGames + 2, m_nBlindGames[s]);
            m_blindGamesDay[s] = date;
        }
    }
}

void CMatchWorking::FiguresOfSide(int nSide)
{
    const CTime day = SideDay(nSide);
    if (!IsDay(m_figuresDay, day) || !IsDay(m_blindGamesDay[nSide], day))
        FiguresInForce(day);
    else if (m_bHandicapScoring)
        m_pDoc->m_bHandicapPass = PASS_HANDICAP;
    if (CTeam* t = m_pFixture->GetSideTeam(nSide))
        std::copy(m_nBlindGames[nSide], m_nBlindGames[nSide] + 2, t->m_nBlindGames);
}

void CMatchWorking::Recalculate()
{
    CFixture& f = *m_pFixture;
    // Each side is scored on the figures in force on the day it bowled, in every league.
    if (CBowlingDoc::SameFiguresDay(m_timePlayed[0], m_timePlayed[1])) {
        FiguresOfSide(0);
        FiguresOfSide(1);
        RecalculateSide(0);
        RecalculateSide(1);
        RecalculateOpponentCells(0);
        return;
    }
    // The side whose day the league holds goes first, so that one recalculation serves.
    const int nFirst = IsDay(m_figuresDay, m_timePlayed[1]) ? 1 : 0;
    const int nSecond = 1 - nFirst;
    FiguresOfSide(nFirst);
    m_pDoc->SetNewBowlerFigures(&f, nFirst);
    RecalculateSide(nFirst);
    // The second side's blind games on their opponents' handicaps take them as they stand on
    // the first side's day: a blind opponent's own handicap is his on his own day.
    int nOppHandicap[MAX_POSITIONS][4];
    bool bOnOpponent[MAX_POSITIONS][4] = {};
    for (int g = 0; g < LeagueGames(); ++g)
        for (int p = 0; p < m_nPositions; ++p) {
            const int k = CFixture::SlotOf(nSecond, p);
            const CPlayer* pPlayer = SlotPlayer(g, k);
            if (!(f.m_dwPosFlags[k] & PosBlind(g)) || DefaultedFlag(nSecond, g) || (pPlayer && pPlayer->IsRobot()) ||
                m_pDoc->GetBlindRule(pPlayer ? pPlayer->m_wFlags : 0).m_nHandicapMethod != CBlindScore::hcpOpponents)
                continue;
            bOnOpponent[p][g] = true;
            nOppHandicap[p][g] = m_pDoc->CalcBlindHandicap(&f, nSecond, p, g, 0);
        }
    FiguresOfSide(nSecond);
    m_pDoc->SetNewBowlerFigures(&f, nSecond);
    RecalculateSide(nSecond);
    for (int g = 0; g < LeagueGames(); ++g)
        for (int p = 0; p < m_nPositions; ++p)
            if (bOnOpponent[p][g])
                f.m_nHandicap[g][CFixture::SlotOf(nSecond, p)] = nOppHandicap[p][g];
    RecalculateOpponentCells(nFirst);
}

void CMatchWorking::RecalculateOpponentCells(int nSide)
{
    // Worked after the other side, they follow its final cells: blind games worked just now,
    // and games it defaulted, included.
    CFixture& f = *m_pFixture;
    for (int g = 0; g < LeagueGames(); ++g)
        for (int p = 0; p < m_nPositions; ++p) {
            const int k = CFixture::SlotOf(nSide, p);
            const CPlayer* pPlayer = SlotPlayer(g, k);
            if (!(f.m_dwPosFlags[k] & PosBlind(g))) {
                if (DefaultedFlag(nSide, g))
                    RecordScorelessRobotAverage(nSide, p, g);
                continue;
            }
            if (!(DefaultedFlag(nSide, g) || (pPlayer && pPlayer->IsRobot()))) {
                const CBlindScore& rule = m_pDoc->GetBlindRule(pPlayer ? pPlayer->m_wFlags : 0);
                if (rule.m_nHandicapMethod == CBlindScore::hcpOpponents)
                    f.m_nHandicap[g][k] = m_pDoc->CalcBlindHandicap(&f, nSide, p, g, 0);
                continue;
            }
            const int nScore = std::clamp(m_pDoc->CalcBlindScore(&f, nSide, p, g, DefaultedFlag(nSide, g)), 0, 0xFFFF);
            f.m_nScore[g][k] = static_cast<WORD>(nScore);
        }
}

void CMatchWorking::RecordScorelessRobotAverage(int nSide, int nPos, int nGame)
{
    // A vacancy in a game its side defaulted without robot scores scores nothing, and is
    // scored on its rule's average all the same, as the team averages take it.
    CFixture& f = *m_pFixture;
    if (const CRobot* pRule = f.GetScoringRobot(nSide, nPos, nGame))
        f.m_nAverage[nGame][CFixture::SlotOf(nSide, nPos)] =
            static_cast<DWORD>(f.GetRobotAverage(*pRule, nSide, nPos, nGame));
}

void CMatchWorking::RecalculateSide(int s)
{
    CFixture& f = *m_pFixture;
    CTeam* pTeam = s == 0 ? f.m_pTeamA : f.m_pTeamB;
    BYTE flag[4];
    for (int g = 0; g < 4; ++g)
        flag[g] = DefaultedFlag(s, g);
    const int nGames = LeagueGames();
    for (int g = 0; g < nGames; ++g) {
        for (int p = 0; p < m_nPositions; ++p) {
            const int k = CFixture::SlotOf(s, p);
            const DWORD dwFlags = f.m_dwPosFlags[k];
            const bool bBlind = (dwFlags & PosBlind(g)) != 0;
            const bool bNonQual = (dwFlags & PosNonQual(g)) != 0;
            const bool bDefaulted = flag[g] != 0;
            // The bowler's figures in force, not those the line-up was filled with: a blind or
            // Non Qual cell beside a pacer is its own bowler's, whichever dialog came first.
            CPlayer* pBowler = SlotPlayer(g, k);
            if (pBowler && !pBowler->IsRobot() && !f.IsCellPaced(g, k))
                f.m_nAverage[g][k] = pBowler->m_nAverage;
            if (bBlind) {
                int nScore = std::clamp(m_pDoc->CalcBlindScore(&f, s, p, g, flag[g]), 0, 0xFFFF);
                f.m_nScore[g][k] = static_cast<WORD>(nScore);
                if (!bDefaulted && pTeam) {
                    ++pTeam->m_nBlindGames[0];
                    ++pTeam->m_nBlindGames[1];
                }
                f.m_nHandicap[g][k] = m_pDoc->CalcBlindHandicap(&f, s, p, g, flag[g]);
                // A pacer beside the blind score bowls his own game on his figures in force.
                if (dwFlags & PosPacer(g))
                    f.SetPacerFigures(g, k);
            } else if (bDefaulted) {
                f.m_nHandicap[g][k] = 0;
                RecordScorelessRobotAverage(s, p, g);
            } else if (dwFlags & PosPacer(g)) {
                // His own game on his figures in force; the cell too unless it is Non Qual.
                f.SetPacerFigures(g, k);
            } else if (!bNonQual) {
                // A position without a bowler bowls off nothing.
                f.m_nHandicap[g][k] = pBowler ? pBowler->m_nHandicap : 0;
            }
        }
    }
    // A game the league does not bowl holds no figures: those the line-up was filled with
    // would stay, and differ by the order the results were typed in.
    for (int g = nGames; g < MAX_GAMES; ++g)
        for (int p = 0; p < m_nPositions; ++p) {
            const int k = CFixture::SlotOf(s, p);
            f.m_nHandicap[g][k] = 0;
            f.m_nAverage[g][k] = 0;
        }
}

void CMatchWorking::MarkDefaultedGame(int nSide, int nGame, BOOL bDefaulted)
{
    CFixture& f = *m_pFixture;
    const bool bRobot = m_pDoc->m_dwRobotIfDefault != 0;
    if (bDefaulted) {
        for (int p = 0; p < std::min<int>(f.m_nPlayers, MAX_POSITIONS); ++p) {
            const int k = CFixture::SlotOf(nSide, p);
            if (bRobot) {
                f.m_dwPosFlags[k] |= PosBlind(nGame);
            } else {
                f.m_dwPosFlags[k] &= ~PosBlind(nGame);
                f.m_nScore[nGame][k] = 0;
                f.m_nHandicap[nGame][k] = 0;
            }
        }
    } else {
        // The game is its bowlers' again, and a vacancy's or robot's its rule's again.
        for (int p = 0; p < std::min<int>(f.m_nPlayers, MAX_POSITIONS); ++p) {
            const int k = CFixture::SlotOf(nSide, p);
            if (bRobot)
                f.m_dwPosFlags[k] &= ~PosBlind(nGame);
            f.MarkRobotGame(nGame, k);
        }
    }
}

CMatchWorking::CCellFigures CMatchWorking::RobotGameFigures(int nSide, int nPos, int nGame, CPlayer* pRobot) const
{
    if (nSide < 0 || nSide > 1 || nPos < 0 || nPos >= MAX_POSITIONS || nGame < 0 || nGame >= MAX_GAMES)
        return {};
    // Worked on a copy holding the robot, as the Substitutions worker puts it in: it paces nobody.
    CFixture trial(*m_pFixture);
    const int k = CFixture::SlotOf(nSide, nPos);
    trial.m_dwPosFlags[k] &= ~PosPacer(nGame);
    trial.SetGamePlayer(nGame, k, pRobot, trial.m_nScore[nGame][k]);
    const BYTE flag = DefaultedFlag(nSide, nGame);
    return {std::clamp(m_pDoc->CalcBlindScore(&trial, nSide, nPos, nGame, flag), 0, 0xFFFF),
            m_pDoc->CalcBlindHandicap(&trial, nSide, nPos, nGame, flag)};
}

void CMatchWorking::WorkPassPoints(int nPass)
{
    CFixture& f = *m_pFixture;
    for (int s = 0; s < 2; ++s) {
        if (nPass == PASS_HANDICAP)
            f.m_nHandicapMatchPoints[s] = 0;
        else
            f.m_nScratchMatchPoints[s] = 0;
        f.m_dwPointsEligible[s] = 1;
    }
    if (nPass == PASS_HANDICAP)
        f.m_bHandicapPointsDone = 0;
    else
        f.m_bScratchPointsDone = 0;
    m_pDoc->CalcMatchPoints(&f);
}

CMatchWorking::CPointsWorked CMatchWorking::WorkPoints()
{
    CFixture& f = *m_pFixture;
    const bool bTeamHandicaps = m_pDoc->m_bTeamHandicaps != 0;
    CPointsWorked worked;
    const bool bBothPlayed = f.m_bPlayed[0] && f.m_bPlayed[1];
    // Without both results the match has no points: a side taken back takes them with it.
    if (!bBothPlayed) {
        f.ClearPoints(PASS_HANDICAP);
        f.ClearPoints(PASS_SCRATCH);
    }
    // The singles sheet sets the pass and shows its scratch points before both sides are in.
    if (m_bHandicapScoring && (bBothPlayed || IsSingles()))
        m_pDoc->m_bHandicapPass = PASS_HANDICAP;
    if (m_bHandicapScoring && bBothPlayed) {
        // A new bowler's figures reach his blind and vacancy games and his opponent's before
        // the points, and the team handicaps follow them, on every sheet.
        m_pDoc->SetNewBowlerFiguresSideA(&f);
        m_pDoc->SetNewBowlerFiguresSideB(&f);
        Recalculate();
        if (bTeamHandicaps)
            f.SetMatchAverages();
        WorkPassPoints(PASS_HANDICAP);
        worked.bHandicap = true;
    }
    if (m_bScratchScoring && bBothPlayed) {
        m_pDoc->SetNewBowlerFiguresSideA(&f);
        m_pDoc->SetNewBowlerFiguresSideB(&f);
        Recalculate();
    }
    if (m_bScratchScoring && (bBothPlayed || IsSingles())) {
        m_pDoc->m_bHandicapPass = PASS_SCRATCH;
        WorkPassPoints(PASS_SCRATCH);
        worked.bScratch = true;
    }
    if (bTeamHandicaps)
        f.SetMatchAverages();
    return worked;
}

void CMatchWorking::WorkPlayedMatch()
{
    CFixture& f = *m_pFixture;
    // As the scoresheet opens: folded sides, the defaulted games' rule, each side's day.
    DefaultFoldedSides(*m_pDoc, f);
    const int nGames = m_pDoc->m_nGamesPerMatch;
    for (int s = 0; s < 2; ++s)
        for (int g = 0; g < 4; ++g)
            if (g < nGames && (f.m_nDefaulted[s] & DefaultedBit(g)))
                MarkDefaultedGame(s, g, TRUE);
    for (int s = 0; s < 2; ++s)
        m_timePlayed[s] = f.GetDayBowled(s);
    FiguresInForce(m_timePlayed[0]);
    Recalculate();
    WorkPoints();
}

// ---- later matches ------------------------------------------------------------------------

struct CLaterMatches::CNoted
{
    CFixture* pLive;
    CFixture before;
    bool bWorked;
};

CLaterMatches::CLaterMatches(CBowlingDoc& doc) : m_doc(doc) {}
CLaterMatches::~CLaterMatches() = default;

void CLaterMatches::NoteMatch(CFixture& match, bool bWorked)
{
    for (const CNoted& n : m_noted)
        if (n.pLive == &match)
            return;
    m_noted.push_back({&match, match, bWorked});
}

void CLaterMatches::Note(CFixture& match) { NoteMatch(match, true); }

void CLaterMatches::NoteAll()
{
    std::vector<const CFixture*> noted;
    noted.reserve(m_noted.size());
    for (const CNoted& n : m_noted)
        noted.push_back(n.pLive);
    std::sort(noted.begin(), noted.end());
    m_noted.reserve(m_noted.size() + static_cast<size_t>(m_doc.m_listFixtures.GetCount()));
    for (POSITION pos = m_doc.m_listFixtures.GetHeadPosition(); pos;) {
        auto* f = static_cast<CFixture*>(m_doc.m_listFixtures.GetNext(pos));
        if (!std::binary_search(noted.begin(), noted.end(), f))
            m_noted.push_back({f, *f, false});
    }
    m_bAll = true;
}

namespace {

using CPlace = CBowlingDoc::CBowledBefore::CPlace;
// A side with nothing the figures of others count: no result, no round, or no longer in the season.
constexpr CPlace NOWHERE{std::numeric_limits<int>::max(), std::numeric_limits<int>::max()};

bool BothPlayed(const CFixture& f) { return f.m_bPlayed[0] && f.m_bPlayed[1]; }

// The calendar day of each time asked, worked once: a season's sides bowl at a few hundred times.
class CDays
{
public:
    int Of(CTime t)
    {
        auto [it, bNew] = m_days.try_emplace(t.GetTime(), 0);
        if (bNew)
            it->second = CBowlingDoc::CBowledBefore::DayOf(t);
        return it->second;
    }

private:
    std::unordered_map<LONGLONG, int> m_days;
};

// Where a side's games stand for the figures of others, and up to where its own figures count.
CPlace PlaceOf(const CFixture& f, int nSide, CDays& days)
{
    if (f.m_nRound == 0 || !f.m_bPlayed[nSide])
        return NOWHERE;
    return CBowlingDoc::CBowledBefore::Place(f.m_nRound, days.Of(f.GetDayBowled(nSide)));
}

CPlace BoundOf(const CFixture& f, int nSide, CDays& days)
{
    return CBowlingDoc::CBowledBefore::Bound(f.m_nRound, days.Of(f.m_timeDue), days.Of(f.GetDayBowled(nSide)));
}

// A side of a match in the season or noted: where it stood before the change and stands now, and
// whether the match changed in what the figures of others read of it, beyond its days.
struct CSide
{
    const CFixture* pMatch;
    CPlace was, is;
    bool bChanged;
};

// A side of a match that may be worked again: up to where its figures counted and count, its
// match's sides, and the answers.
struct CCounting
{
    size_t nMatch; // into the candidates
    CPlace was, is;
    size_t nOwn; // its match's first side, the other next to it
    bool bSetChanged = false;
};

// Counts inserted at ranks 0..n-1, summed over a prefix of them.
class CRankCounts
{
public:
    explicit CRankCounts(size_t n) : m_tree(n + 1, 0) {}
    void Add(size_t nRank)
    {
        for (size_t i = nRank + 1; i < m_tree.size(); i += i & (~i + 1))
            ++m_tree[i];
    }
    int Below(size_t nRank) const
    {
        int n = 0;
        for (size_t i = nRank; i > 0; i -= i & (~i + 1))
            n += m_tree[i];
        return n;
    }

private:
    std::vector<int> m_tree;
};

size_t Rank(const std::vector<CPlace>& sorted, CPlace p)
{
    return static_cast<size_t>(std::lower_bound(sorted.begin(), sorted.end(), p) - sorted.begin());
}

// Whether the sides of other matches that each side counts are no longer the sides it counted:
// of every side, how many counted before, how many count now and how many both; the same sides
// only when the three agree. Sorted by place, one pass: the work grows with the season's size,
// not with its square.
void FindChangedSets(const std::vector<CSide>& sides, std::vector<CCounting>& counting)
{
    std::vector<CPlace> was, is;
    was.reserve(sides.size());
    is.reserve(sides.size());
    for (const CSide& s : sides) {
        was.push_back(s.was);
        is.push_back(s.is);
    }
    std::sort(was.begin(), was.end());
    std::sort(is.begin(), is.end());
    std::vector<const CSide*> byWas;
    byWas.reserve(sides.size());
    for (const CSide& s : sides)
        byWas.push_back(&s);
    std::sort(byWas.begin(), byWas.end(), [](const CSide* a, const CSide* b) { return a->was < b->was; });
    std::vector<CCounting*> byBound;
    byBound.reserve(counting.size());
    for (CCounting& c : counting)
        byBound.push_back(&c);
    std::sort(byBound.begin(), byBound.end(), [](const CCounting* a, const CCounting* b) { return a->was < b->was; });

    CRankCounts both(is.size());
    size_t nIn = 0;
    for (CCounting* c : byBound) {
        for (; nIn < byWas.size() && byWas[nIn]->was < c->was; ++nIn)
            both.Add(Rank(is, byWas[nIn]->is));
        int nWas = static_cast<int>(Rank(was, c->was));
        const size_t nIsRank = Rank(is, c->is);
        int nIs = static_cast<int>(nIsRank);
        int nBoth = both.Below(nIsRank);
        // Its own match's sides are no one else's.
        for (size_t i = c->nOwn; i < c->nOwn + 2; ++i) {
            const CSide& own = sides[i];
            const bool bWas = own.was < c->was, bIs = own.is < c->is;
            nWas -= bWas;
            nIs -= bIs;
            nBoth -= bWas && bIs;
        }
        c->bSetChanged = nWas != nBoth || nIs != nBoth;
    }
}

// Whether a side counts, as it was or as it is, a side of another match that changed: the
// changed sides in place order, of which only the first few can be its own match's.
bool CountsChanged(const std::vector<const CSide*>& byWas, const std::vector<const CSide*>& byIs, const CCounting& c,
                   const CFixture* pMatch)
{
    for (const CSide* s : byWas) {
        if (!(s->was < c.was))
            break;
        if (s->pMatch != pMatch)
            return true;
    }
    for (const CSide* s : byIs) {
        if (!(s->is < c.is))
            break;
        if (s->pMatch != pMatch)
            return true;
    }
    return false;
}

} // namespace

int CLaterMatches::Rework()
{
    m_nWorked = 0;
    // Each change is reworked once: what is noted from now on starts afresh.
    std::vector<CNoted> noted = std::move(m_noted);
    m_noted.clear();
    const bool bAll = m_bAll;
    m_bAll = false;
    const int nPositions = m_doc.m_nPlayersPerTeam;
    if (nPositions < 1 || nPositions > MAX_POSITIONS)
        return 0;

    // Every side of the season, and of the noted matches no longer in it (their rounds deleted),
    // where it stood and stands. A noted match that only moved changes what others count by its
    // places; one otherwise changed counts for whoever counted or counts it. A match no
    // scoresheet works that changed otherwise is worked again for its own sake, as is one
    // new to the season with both results.
    CDays days;
    std::unordered_map<const CFixture*, CNoted*> byLive;
    byLive.reserve(noted.size());
    for (CNoted& n : noted)
        byLive.emplace(n.pLive, &n);
    std::vector<CSide> sides;
    sides.reserve(2 * (static_cast<size_t>(m_doc.m_listFixtures.GetCount()) + noted.size()));
    std::vector<CFixture*> candidates;
    std::vector<CCounting> counting;
    std::vector<bool> own;
    bool bAnyChange = false;
    for (POSITION pos = m_doc.m_listFixtures.GetHeadPosition(); pos;) {
        auto* f = static_cast<CFixture*>(m_doc.m_listFixtures.GetNext(pos));
        const auto it = byLive.find(f);
        CNoted* n = it != byLive.end() ? it->second : nullptr;
        const size_t nFirst = sides.size();
        bool bChanged = false, bOwn = false;
        CPlace wasBound[2];
        for (int s = 0; s < 2; ++s) {
            const CPlace is = PlaceOf(*f, s, days);
            CPlace was = is;
            wasBound[s] = BoundOf(*f, s, days);
            if (n) {
                was = PlaceOf(n->before, s, days);
                wasBound[s] = BoundOf(n->before, s, days);
            } else if (bAll) {
                was = NOWHERE;
            }
            sides.push_back({f, was, is, false});
        }
        if (n && !f->IsBowledAs(n->before)) {
            // Its own bounds may have moved with its due day alone.
            bAnyChange = true;
            // Moved only when it is the match it was once given its new days.
            n->before.m_timeDue = f->m_timeDue;
            std::copy(f->m_timePlayed, f->m_timePlayed + 2, n->before.m_timePlayed);
            bChanged = !f->IsBowledAs(n->before);
            bOwn = bChanged && !n->bWorked;
        } else if (!n && bAll) {
            bOwn = true;
            bAnyChange = bAnyChange || BothPlayed(*f);
        }
        for (size_t i = nFirst; i < sides.size(); ++i) {
            sides[i].bChanged = bChanged;
            bAnyChange = bAnyChange || bChanged || sides[i].was != sides[i].is;
        }
        if (it != byLive.end())
            byLive.erase(it);
        if (!BothPlayed(*f) || f->IsBye() || f->IsUnsetPositionMatch() || f->m_nRound == 0)
            continue;
        const size_t nMatch = candidates.size();
        candidates.push_back(f);
        own.push_back(bOwn);
        for (int s = 0; s < 2; ++s) {
            // A match its scoresheet works is worked on the figures it counts now.
            const CPlace is = BoundOf(*f, s, days);
            counting.push_back({nMatch, n && !n->bWorked ? wasBound[s] : is, is, nFirst});
        }
    }
    // What is left was noted and has gone from the season: it counted as it was.
    for (const auto& [pLive, n] : byLive)
        for (int s = 0; s < 2; ++s) {
            const CPlace was = PlaceOf(n->before, s, days);
            sides.push_back({pLive, was, NOWHERE, true});
            bAnyChange = bAnyChange || was != NOWHERE;
        }
    if (!bAnyChange)
        return 0;

    FindChangedSets(sides, counting);
    std::vector<const CSide*> changedByWas, changedByIs;
    for (const CSide& s : sides)
        if (s.bChanged) {
            changedByWas.push_back(&s);
            changedByIs.push_back(&s);
        }
    std::sort(changedByWas.begin(), changedByWas.end(), [](const CSide* a, const CSide* b) { return a->was < b->was; });
    std::sort(changedByIs.begin(), changedByIs.end(), [](const CSide* a, const CSide* b) { return a->is < b->is; });

    // In date order; in each round the matches bowled on the day they were due first, which
    // share the figures of the round and its day.
    struct CLater
    {
        std::tuple<LONGLONG, int, bool> order;
        CFixture* pMatch;
    };
    std::vector<CLater> later;
    for (size_t i = 0; i < counting.size(); i += 2) {
        const size_t nMatch = counting[i].nMatch;
        CFixture* f = candidates[nMatch];
        bool bWork = own[nMatch];
        for (size_t k = i; k < i + 2 && !bWork; ++k)
            bWork = counting[k].bSetChanged || CountsChanged(changedByWas, changedByIs, counting[k], f);
        if (!bWork)
            continue;
        const int nDue = days.Of(f->m_timeDue);
        const bool bBothOnDue = days.Of(f->GetDayBowled(0)) == nDue && days.Of(f->GetDayBowled(1)) == nDue;
        later.push_back({{f->m_timeDue.GetTime(), f->m_nRound, !bBothOnDue}, f});
    }
    std::stable_sort(later.begin(), later.end(), [](const CLater& a, const CLater& b) { return a.order < b.order; });

    CHeldFigures held(m_doc);
    int nReworked = 0;
    for (const CLater& l : later) {
        CFixture* f = l.pMatch;
        const CFixture before(*f);
        BOOL bHandicap = FALSE, bScratch = FALSE;
        CMatchWorking::ScoringSystems(m_doc, *f, bHandicap, bScratch);
        CMatchWorking working;
        working.Bind(&m_doc, f, nPositions, bHandicap, bScratch);
        working.m_pHeld = &held;
        working.WorkPlayedMatch();
        if (!f->IsScoredAs(before))
            ++nReworked;
    }
    m_nWorked = static_cast<int>(later.size());
    return nReworked;
}

CString CLaterMatches::NoticeText(int nReworked)
{
    CString text;
    if (nReworked == 1)
        text = "1 later match was worked again on the figures in force when it was bowled.";
    else
        text.Format("%d later matches were worked again on the figures in force when they were bowled.", nReworked);
    return text;
}

int CLaterMatches::ReworkAndRecalculate()
{
    const int nReworked = Rework();
    if (nReworked > 0)
        m_doc.SetModifiedFlag();
    m_doc.Recalculate();
    if (nReworked > 0)
        AfxMessageBox(NoticeText(nReworked), MB_OK | MB_ICONINFORMATION);
    return nReworked;
}

int CLaterMatches::ReworkAndTell()
{
    const int nReworked = Rework();
    if (nReworked > 0)
        m_doc.SetModifiedFlag();
    // Working a match leaves the league's figures at its day, changed or not: the season's come back.
    if (m_nWorked > 0)
        m_doc.Recalculate();
    if (nReworked > 0)
        AfxMessageBox(NoticeText(nReworked), MB_OK | MB_ICONINFORMATION);
    return nReworked;
}
