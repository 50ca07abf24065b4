// The league file: CBowlingDoc::Serialize, loading and saving. The byte layout is described
// in docs/league-file.md; keep the two in step.
#include "league/BowlingDoc.h"

#include "framework/core/Archive.h"
#include "framework/core/File.h"
#include "framework/ui/Dialog.h"
#include "league/Accounts.h"
#include "league/FileCheck.h"
#include "league/Fixture.h"
#include "league/FontData.h"
#include "league/FreeWeek.h"
#include "league/NameList.h"
#include "league/Player.h"
#include "league/Scoring.h"
#include "league/SeasonRounds.h"
#include "league/Team.h"
#include "league/Venue.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <functional>
#include <memory>
#include <new>
#include <unordered_set>

namespace {

const char* const kNotALeagueFile = "It is not a league file of this program.";
const char* const kDamagedHeader =
    "It is damaged: the league details at its start (the league's name, its officers and their phone numbers) "
    "cannot be read.";

// Bits of the first option-flags dword of the header.
struct OptionBit
{
    DWORD CLeagueSettings::*pField;
    int nBit;
};

const OptionBit g_options1[] = {
    {&CLeagueSettings::m_bPrivacy, 0},
    {&CLeagueSettings::m_bFormatText, 1},
    {&CLeagueSettings::m_bListPlayersOnCollectionSheet, 2},
    {&CLeagueSettings::m_bSurnameFirst, 3},
    {&CLeagueSettings::m_bDivisions, 4},
    {&CLeagueSettings::m_bScratchLeague, 5},
    {&CLeagueSettings::m_bHandicapLeague, 6},
    {&CLeagueSettings::m_bOneSystemOverride, 7},
    {&CLeagueSettings::m_bPositionBothWays, 8},
    {&CLeagueSettings::m_bPyramidScoring, 9},
    {&CLeagueSettings::m_bFivePinRules, 10},
    {&CLeagueSettings::m_bFloatingSubsAsTeam, 11},
    {&CLeagueSettings::m_bRepeatLastRoundOrder, 12},
    {&CLeagueSettings::m_bPlayerDatabase, 13},
    {&CLeagueSettings::m_bOmitSecondHighs, 14},
    {&CLeagueSettings::m_bSplitSeason, 15},
    {&CLeagueSettings::m_bCustomSplits, 16},
    {&CLeagueSettings::m_bResetHiStatsEachSplit, 17},
    {&CLeagueSettings::m_bCompleteResetEachSplit, 18},
    {&CLeagueSettings::m_bSplitLanes, 19},
    {&CLeagueSettings::m_bSplitSessions, 20},
    {&CLeagueSettings::m_bCustomLanes, 21},
    {&CLeagueSettings::m_bRollMatches, 22},
    {&CLeagueSettings::m_bAutoTabScores, 25},
};

DWORD PackOptions(const CLeagueSettings& s)
{
    DWORD dw = 0;
    for (const OptionBit& o : g_options1)
        if (s.*o.pField)
            dw |= 1u << o.nBit;
    return dw;
}

void UnpackOptions(CLeagueSettings& s, DWORD dw)
{
    for (const OptionBit& o : g_options1)
        s.*o.pField = (dw >> o.nBit) & 1;
}

void WriteHandicapRule(CArchive& ar, const CHandicapRule& r)
{
    ar << r.m_nBasis << r.m_nPercent << r.m_nMax << r.m_nMin << r.m_bApplyMax << r.m_bApplyMin;
}

void ReadHandicapRule(CArchive& ar, CHandicapRule& r)
{
    ar >> r.m_nBasis >> r.m_nPercent >> r.m_nMax >> r.m_nMin >> r.m_bApplyMax >> r.m_bApplyMin;
}

void SerializePointsRule(CArchive& ar, CPointsRule& r, int nMaxSeries = 125)
{
    if (ar.IsStoring()) {
        ar << r.m_bIndividual << r.m_bTeam;
        ar.Write(r.m_nIndividualGame, 4);
        ar.Write(r.m_nTeamGame, 4);
        ar << r.m_nIndividualSeries << r.m_nTeamSeries << r.m_bBlindCannotWin << r.m_bMostWinsCountsPoints;
    } else {
        ar >> r.m_bIndividual >> r.m_bTeam;
        ar.ReadExact(r.m_nIndividualGame, 4);
        ar.ReadExact(r.m_nTeamGame, 4);
        ar >> r.m_nIndividualSeries >> r.m_nTeamSeries >> r.m_bBlindCannotWin >> r.m_bMostWinsCountsPoints;
        // The scoring-system dialog's ranges: it takes whole points and keeps half points.
        for (int g = 0; g < 4; ++g) {
            CheckRange(r.m_nIndividualGame[g], 0, 2 * 125, "individual points for a game");
            CheckRange(r.m_nTeamGame[g], 0, 2 * 125, "team points for a game");
        }
        CheckRange(r.m_nIndividualSeries, 0, 2 * nMaxSeries, "individual points for the series");
        CheckRange(r.m_nTeamSeries, 0, 2 * nMaxSeries, "team points for the series");
    }
}

// Where a match's value lies, for a refusal: "round 3, match 2", and within it the side's
// team, the position and the game when they are known.
CString MatchPlace(const CFixture& f, int nSide = -1, int nPos = -1, int nGame = -1)
{
    const CString place = f.GetFilePlace();
    if (nSide < 0)
        return place;
    const CTeam* pTeam = nSide == 0 ? f.m_pTeamA : f.m_pTeamB;
    CString detail;
    if (pTeam)
        detail = pTeam->m_strName;
    else
        detail.Format("team %d", nSide == 0 ? f.m_nTeamA : f.m_nTeamB);
    CString more;
    if (nPos >= 0)
        more.Format(", position %d", nPos + 1);
    if (nGame >= MAX_GAMES)
        more += ", series";
    else if (nGame >= 0)
        more.AppendFormat(", game %d", nGame + 1);
    return place + " (" + detail + more + ")";
}

// A match's stored figures as its dialogs allow them: games up to the game's maximum (a blind
// game follows its own rules, capped at 65535 by its field), handicaps within what a rule can
// give, hand adjustments and pyramid points within the points limit. Its worked points are
// not refused: the recalculation makes them again (see HasImpossiblePoints).
void CheckMatchValues(const CFixture& f, int nMaxGame)
{
    for (int g = 0; g < MAX_GAMES; ++g)
        for (int k = 0; k < SLOTS_PER_GAME; ++k) {
            auto place = [&] { return MatchPlace(f, k / MAX_POSITIONS, k % MAX_POSITIONS, g); };
            if (!(f.m_dwPosFlags[k] & PosBlind(g)))
                CheckRangeAt(f.m_nScore[g][k], 0, nMaxGame, "a game score", place);
            CheckRangeAt(f.m_nPacerScore[g][k], 0, nMaxGame, "a substitute's game score", place);
            CheckRangeAt(f.m_nHandicap[g][k], -kMaxHandicap, kMaxHandicap, "a game handicap", place);
            CheckRangeAt(f.m_nPacerHandicap[g][k], -kMaxHandicap, kMaxHandicap, "a substitute's game handicap", place);
            CheckRangeAt(f.m_nAverage[g][k], 0, 0xFFFF, "a match average", place);
        }
    for (int s = 0; s < 2; ++s) {
        for (int c = 0; c <= MAX_GAMES; ++c) {
            auto place = [&] { return MatchPlace(f, s, -1, c); };
            // Kept unsigned, worked signed: a team of negative handicaps wraps round.
            const long long nTeamMax = MAX_GAMES * MAX_POSITIONS * static_cast<long long>(kMaxHandicap);
            CheckRangeAt(static_cast<int>(f.m_nTeamHandicap[s][c]), -nTeamMax, nTeamMax, "a team handicap", place);
            CheckRangeAt(f.m_nTeamAverage[s][c], 0, MAX_GAMES * MAX_POSITIONS * 0xFFFFLL, "a team average", place);
        }
        auto place = [&] { return MatchPlace(f, s); };
        const long long nMax = kMaxPointsInUnits;
        CheckRangeAt(f.m_nHandicapAdjust[s], -nMax, nMax, "a handicap points adjustment", place);
        CheckRangeAt(f.m_nScratchAdjust[s], -nMax, nMax, "a scratch points adjustment", place);
        // No rule works them out: they are kept as the file holds them.
        CheckRangeAt(f.m_nScratchPyramidPoints[s], -nMax, nMax, "a match's pyramid points", place);
        CheckRangeAt(f.m_nHandicapPyramidPoints[s], -nMax, nMax, "a match's pyramid points", place);
    }
}

// A match's worked points (the tables, totals, match and bonus points) beyond anything the
// calculation makes: the file was damaged there.
bool HasImpossiblePoints(const CFixture& f)
{
    auto bad = [](int v) { return v < -kMaxPointsFigure || v > kMaxPointsFigure; };
    for (const auto* pPlane : {&f.m_wScratchPoints, &f.m_wHandicapPoints, &f.m_wScratchBonus, &f.m_wHandicapBonus})
        for (const auto& side : *pPlane)
            for (const auto& row : side)
                for (int v : row)
                    if (bad(v))
                        return true;
    for (const auto* pTotals : {&f.m_nScratchTotals, &f.m_nHandicapTotals})
        for (const auto& side : *pTotals)
            for (int v : side)
                if (bad(v))
                    return true;
    for (const int* p : {f.m_nScratchMatchPoints, f.m_nHandicapMatchPoints, f.m_nScratchBonusPoints,
                         f.m_nHandicapBonusPoints})
        if (bad(p[0]) || bad(p[1]))
            return true;
    return false;
}

void WriteList(CArchive& ar, const CObList& list)
{
    ar.WriteCount(static_cast<DWORD>(list.GetCount()));
    for (POSITION pos = list.GetHeadPosition(); pos;)
        ar.WriteObject(list.GetNext(pos));
}

// Reads object lists whose every element must be a new object of the class given. The file
// never refers back to an object, so an element met twice is a damaged file; Check() says so
// before anything relies on the lists.
class CListReader
{
public:
    void Read(CArchive& ar, CObList& list, const CRuntimeClass* pClass, const char* pszWhat,
              const std::function<void(CObject*)>& each = nullptr)
    {
        DWORD n = ar.ReadCount(2);
        m_all.reserve(m_all.size() + n);
        for (DWORD i = 0; i < n; ++i) {
            // A check that knows the entry better (its round and match, its bowler) names that.
            SetReadEntry(pszWhat, i + 1);
            CObject* p = ar.ReadOwnedObject(pClass);
            if (!p) {
                CString reason;
                reason.Format("The file holds an empty entry in the %s.", pszWhat);
                CArchive::ThrowCorrupt(reason);
            }
            list.AddTail(p);
            m_all.push_back(p);
            if (each)
                each(p);
        }
        SetReadEntry(nullptr, 0);
    }

    void Check()
    {
        std::sort(m_all.begin(), m_all.end());
        if (std::adjacent_find(m_all.begin(), m_all.end()) != m_all.end())
            CArchive::ThrowCorrupt("The file lists one entry twice.");
    }

private:
    std::vector<const CObject*> m_all;
};

// Deletes every element once, even when a damaged file put one in twice.
void DeleteAllOnce(CObList& list, std::unordered_set<CObject*>& deleted)
{
    while (!list.IsEmpty()) {
        CObject* p = list.RemoveHead();
        if (deleted.insert(p).second)
            delete p;
    }
}

void DeleteAllOf(CObList& list)
{
    while (!list.IsEmpty())
        delete list.RemoveHead();
}

void MoveList(CObList& from, CObList& to)
{
    while (!from.IsEmpty())
        to.AddTail(from.RemoveHead());
}

// ---------------------------------------------------------------- the player database's parts

// A list of the league's last parts, its entries running on to the file's end. A file that ends
// among them is told so: cut short inside an entry or after one. Where a whole file of this
// version ends with the list, it may instead be the count that was damaged, and both are said.
class CTailList
{
public:
    CTailList(CArchive& ar, const char* pszList, bool bEndsTheFile)
        : m_ar(ar), m_pszList(pszList), m_bEndsTheFile(bEndsTheFile), m_nCount(ar.ReadCountAsStored())
    {
    }
    DWORD GetCount() const { return m_nCount; }
    // Whether the parts after the list, the first of that name, read whole from an offset: an
    // entry that fails where they do shows the count too large.
    void SetNextPart(const char* pszNext, std::function<bool(size_t)> wholeFrom)
    {
        m_pszNext = pszNext;
        m_nextWholeFrom = std::move(wholeFrom);
    }

    // Entry i (from 0), read by read(), which may refuse what it reads.
    template <class F>
    void ReadEntry(DWORD i, F read)
    {
        SetReadEntry(m_pszList, i + 1);
        const size_t nStart = m_ar.GetPosition();
        try {
            read();
        } catch (const CArchiveException& e) {
            if (m_nextWholeFrom && m_nextWholeFrom(nStart)) {
                CString after = "the count";
                if (i > 0)
                    after.Format("entry %u", i);
                CString reason;
                reason.Format("The file holds a count of %u that cannot be right, in the %s: the %s follow %s.",
                              m_nCount, m_pszList, m_pszNext, after.GetString());
                CArchive::ThrowCorrupt(reason);
            }
            if (e.m_cause != CArchiveException::endOfFile)
                throw;
            if (nStart == m_ar.GetPosition() + m_ar.BytesRemaining())
                EndsAfter(i);
            CString reason;
            // The file's last entry wanting more than the file holds: a damaged mark in it
            // (one that says more follows) reads so as well as a cut.
            if (m_bEndsTheFile) {
                reason.Format("The file ends inside entry %u of %u in the %s: the entry is damaged, or the file is "
                              "cut short there.",
                              i + 1, m_nCount, m_pszList);
                CArchive::ThrowCorrupt(reason);
            }
            reason.Format("It ends inside entry %u of %u in the %s.", i + 1, m_nCount, m_pszList);
            throw CArchiveException(CArchiveException::endOfFile, reason);
        }
    }

private:
    [[noreturn]] void EndsAfter(DWORD nRead) const
    {
        CString entries = "before the one entry";
        if (nRead == 0 && m_nCount > 1)
            entries.Format("before the first of the %u entries", m_nCount);
        else if (nRead > 0)
            entries.Format("after %u of the %u entries", nRead, m_nCount);
        CString reason;
        if (!m_bEndsTheFile) {
            reason.Format("It ends %s of the %s.", entries.GetString(), m_pszList);
            throw CArchiveException(CArchiveException::endOfFile, reason);
        }
        reason.Format("The file ends %s that it counts in the %s: the count is damaged, or the file is cut short "
                      "there.",
                      entries.GetString(), m_pszList);
        CArchive::ThrowCorrupt(reason);
    }

    CArchive& m_ar;
    const char* m_pszList;
    bool m_bEndsTheFile;
    DWORD m_nCount;
    const char* m_pszNext = nullptr;
    std::function<bool(size_t)> m_nextWholeFrom;
};

// Only a bowler with a record has anything waiting for it.
bool Waits(const CPlayer* p)
{
    return p->m_dwDbKey != 0 && p->m_pDbPending && p->m_pDbPending->Kept() != 0;
}

bool Stamped(const CPlayer* p)
{
    return p->m_dwDbKey != 0 && p->m_qwDbStamp != 0;
}

DWORD CountPlayers(const CObList& players, bool (*pfnWhich)(const CPlayer*))
{
    DWORD nCount = 0;
    for (POSITION pos = players.GetHeadPosition(); pos;)
        nCount += pfnWhich(static_cast<const CPlayer*>(players.GetNext(pos))) ? 1 : 0;
    return nCount;
}

DWORD CountDbWaiting(const CObList& players)
{
    return CountPlayers(players, Waits);
}

// The stamps of the bowlers' records: how many, then each one's number and stamp.
void WriteDbStamps(CArchive& ar, const CObList& players)
{
    ar.WriteCount(CountPlayers(players, Stamped));
    for (POSITION pos = players.GetHeadPosition(); pos;) {
        const auto* p = static_cast<const CPlayer*>(players.GetNext(pos));
        if (Stamped(p))
            ar << p->m_nPlayerNo << p->m_qwDbStamp;
    }
}

bool KnowsInStep(const CPlayer* p)
{
    return p->m_dwDbKey != 0 && !p->m_dbInStep.IsEmpty();
}

// What the linked bowlers' copies were last in step with: how many, then each one's number and
// what his copy knows.
void WriteDbInStep(CArchive& ar, const CObList& players)
{
    ar.WriteCount(CountPlayers(players, KnowsInStep));
    for (POSITION pos = players.GetHeadPosition(); pos;) {
        const auto* p = static_cast<const CPlayer*>(players.GetNext(pos));
        if (KnowsInStep(p)) {
            ar << p->m_nPlayerNo;
            p->m_dbInStep.Write(ar);
        }
    }
}

// The bowlers with details waiting for their records: how many, then each one's number and
// what waits.
void WriteDbWaiting(CArchive& ar, const CObList& players)
{
    ar.WriteCount(CountDbWaiting(players));
    for (POSITION pos = players.GetHeadPosition(); pos;) {
        const auto* p = static_cast<const CPlayer*>(players.GetNext(pos));
        if (Waits(p)) {
            ar << p->m_nPlayerNo;
            p->m_pDbPending->Write(ar);
        }
    }
}

// The parts that follow the league in a file of a later version, in file order: each a count,
// then entries of one linked bowler each, none twice.
enum class DbPart { Waiting, Stamps, InStep };

struct CDbPartText
{
    DbPart part;
    BYTE nFromVersion;
    const char* pszList;  // as a refusal names it: "in the <list>, entry 2"
    // The refusals of an entry's bowler: %u the number of one the league does not hold; %s one
    // without a record; %s one met twice in the part.
    const char* pszNotHeld;
    const char* pszNoRecord;
    const char* pszTwice;
};

const CDbPartText kDbParts[] = {
    {DbPart::Waiting, LEAGUE_FILE_VERSION_WAITING, "details waiting for the player database",
     "The file holds details waiting for the player database of bowler %u, whom the league does not hold.",
     "The file holds details waiting for the player database of %s, who has no record there.",
     "The file holds details waiting for the player database of %s twice."},
    {DbPart::Stamps, LEAGUE_FILE_VERSION_LINKS, "stamps of the player database records",
     "The file holds the stamp of a player database record of bowler %u, whom the league does not hold.",
     "The file holds the stamp of a player database record of %s, who has no record there.",
     "The file holds the stamp of the player database record of %s twice."},
    {DbPart::InStep, LEAGUE_FILE_VERSION_IN_STEP, "marks of the bowlers' copies of their records",
     "The file holds what the copy of bowler %u was last in step with in the player database, but the league "
     "does not hold that bowler.",
     "The file holds what the copy of %s was last in step with in the player database, but the bowler has no "
     "record there.",
     "The file holds what the copy of %s was last in step with in the player database twice."},
};

// What a file says that ends where a part would start, as a file of the version before the
// part's does when its version byte is damaged, and a file cut there. None for the stamps: they
// came with the details' times, so no file of the version before ends where they start.
CString EndsBefore(DbPart part, int nVersion)
{
    CString reason;
    if (part == DbPart::Waiting)
        reason.Format("Its file version, %d, says that %s follow the league, but the file ends before them: its "
                      "version is damaged, or the file is cut short there.",
                      nVersion,
                      nVersion == LEAGUE_FILE_VERSION_WAITING
                          ? "bowlers' details waiting for the player database"
                          : "the bowlers' links to the player database and the details waiting for it");
    else if (part == DbPart::InStep)
        reason.Format("Its file version, %d, says that what the copies of the league's bowlers were last in step "
                      "with in the player database follows the league, but the file ends before it: its version is "
                      "damaged, or the file is cut short there.",
                      nVersion);
    return reason;
}

// Reads the parts of the file's version. One rule for each of them: a cut names the part and the
// entry; a whole entry of the last part at the file's end may be a count damaged larger as well;
// an entry that fails where the parts after it read whole to the file's end shows its part's
// count damaged larger.
class CDbPartsReader
{
public:
    CDbPartsReader(CArchive& ar, const CObList& players)
        : m_ar(ar), m_byNumber(CBowlingDoc::PlayersByNumber(players))
    {
        for (const CDbPartText& t : kDbParts)
            if (ar.GetFileVersion() >= t.nFromVersion)
                m_parts.push_back(&t);
    }

    void Read()
    {
        for (size_t i = 0; i < m_parts.size(); ++i) {
            if (m_ar.IsBufferEmpty()) {
                const CString reason = EndsBefore(m_parts[i]->part, m_ar.GetFileVersion());
                if (!reason.IsEmpty())
                    CArchive::ThrowCorrupt(reason);
            }
            CTailList list(m_ar, m_parts[i]->pszList, i + 1 == m_parts.size());
            if (i + 1 < m_parts.size())
                list.SetNextPart(m_parts[i + 1]->pszList, [this, i](size_t nPos) { return WholeFrom(nPos, i + 1); });
            std::vector<bool> seen(m_byNumber.size());
            for (DWORD k = 0; k < list.GetCount(); ++k)
                list.ReadEntry(k, [&] { ReadEntry(m_ar, *m_parts[i], seen, true); });
            SetReadEntry(nullptr, 0);
        }
        // An entry no marks of his copy date stands on its own bytes alone: weighed against the record.
        for (CPlayer* p : m_byNumber)
            if (p && p->m_pDbPending && p->m_dbInStep.m_qwDatabase == 0)
                p->m_pDbPending->m_asRead = {p->m_pDbPending->m_dwDetails, true};
        if (m_ar.GetFileVersion() >= LEAGUE_FILE_VERSION_LINKS)
            WaitingAsMarked();
    }

private:
    // The copy of a bowler who knows his database marks when the league typed each detail, as the
    // change waiting for his record dates it: in a whole file the two agree. Where a waiting entry
    // does not, one damaged byte is at fault. An entry dated when his copy typed nothing is no
    // change of his (its bowler number was damaged): it waits no longer, and every bowler's change
    // typed since his copy was last in step with his record, waiting nowhere now, waits again. His
    // own entry that his marks date otherwise in more than one detail was damaged, or the marks
    // were: each of its details waits on, and his changes missing from it wait again as above,
    // until the record shows which of the two to believe (CDbPending::m_asRead, weighed in
    // PlayerDatabase.cpp); a detail his marks do not date, not known when typed. One time alone
    // that differs was damaged itself: the earlier of the two stands, and the entry with it.
    void WaitingAsMarked() const
    {
        bool bOutOfStep = false;
        std::vector<CPlayer*> rebuilt;
        for (CPlayer* p : m_byNumber) {
            if (!p || !p->m_pDbPending)
                continue;
            CDbPending& w = *p->m_pDbPending;
            if (p->m_dbInStep.m_qwDatabase == 0) {
                EarlierOfTwins(w);
                continue;
            }
            const CDbInStep& marks = p->m_dbInStep;
            DWORD dwUnmarked = 0, dwDiffering = 0;
            bool bHis = false;
            for (int n = 0; n < SD_COUNT; ++n) {
                const DWORD bit = 1u << n;
                if (!(w.m_dwDetails & bit))
                    continue;
                // Neither knowing when (a change of the league's value of an earlier version's
                // file) is agreeing.
                if (marks.m_nTyped[n] == 0 && (w.m_nTyped[n] != 0 || (w.m_dwTimeUnsound & bit)))
                    dwUnmarked |= bit;
                else if (w.m_nTyped[n] != marks.m_nTyped[n])
                    dwDiffering |= bit;
                // His, where a time of the entry is one his copy marks, or a damaged byte away from it.
                bHis = bHis || OneByteApart(static_cast<ULONGLONG>(w.m_nTyped[n]),
                                            static_cast<ULONGLONG>(marks.m_nTyped[n]));
                for (int m = 0; m < SD_COUNT && w.m_nTyped[n] != 0; ++m)
                    bHis = bHis || w.m_nTyped[n] == marks.m_nTyped[m];
            }
            if (!dwUnmarked && !dwDiffering)
                continue;
            if (!bHis) {
                // Dated when his copy typed nothing: another bowler's entry.
                p->m_pDbPending.reset();
                bOutOfStep = true;
                continue;
            }
            // His, with marks or entry damaged: a detail undated waits on, not known when typed (its
            // time kept as read, so that a league file saved before it is weighed reads so again).
            for (int n = 0; n < SD_COUNT; ++n) {
                const DWORD bit = 1u << n;
                if (dwUnmarked & bit)
                    w.m_dwTimeUnsound |= bit;
                if (!(dwDiffering & bit))
                    continue;
                const LONGLONG a = w.m_nTyped[n], b = marks.m_nTyped[n];
                const bool bA = IsSoundTime(a), bB = IsSoundTime(b);
                w.m_nTyped[n] = bA && bB ? std::min(a, b) : bA ? a : bB ? b : 0;
                if (w.m_nTyped[n] == 0)
                    w.m_dwTimeUnsound |= bit;
                else
                    w.m_dwTimeUnsound &= ~bit;
            }
            if (dwUnmarked || (dwDiffering & (dwDiffering - 1))) {
                // Which of the two was damaged the record may show: weighed against it.
                w.m_asRead.dwEntry = w.m_dwDetails;
                w.m_asRead.dwEntryAlone = dwUnmarked;
                rebuilt.push_back(p);
                bOutOfStep = true;
            }
        }
        if (!bOutOfStep)
            return;
        for (CPlayer* p : m_byNumber) {
            if (!p || p->m_dbInStep.m_qwDatabase == 0 ||
                (p->m_pDbPending && std::find(rebuilt.begin(), rebuilt.end(), p) == rebuilt.end()))
                continue;
            const CDbInStep& marks = p->m_dbInStep;
            // His own entry was read, and did not name it: which of the two to believe, the record shows.
            const bool bOwnEntry = p->m_pDbPending != nullptr;
            for (int n = 0; n < SD_COUNT; ++n) {
                const LONGLONG t = marks.m_nTyped[n];
                if ((p->m_pDbPending && (p->m_pDbPending->m_dwDetails & (1u << n))) || !IsSoundTime(t) ||
                    t <= marks.m_nRecordTypedBy)
                    continue;
                if (!p->m_pDbPending)
                    p->m_pDbPending = std::make_unique<CDbPending>();
                if (bOwnEntry)
                    p->m_pDbPending->m_asRead.dwMarksAlone |= 1u << n;
                p->m_pDbPending->m_dwDetails |= 1u << n;
                p->m_pDbPending->m_nTyped[n] = t;
                p->m_pDbPending->ForgetBase(1u << n, *p);
            }
        }
    }

    // Without marks to tell, two times of one entry one byte apart are what one damaged byte makes
    // of one (a change typed at once dates each of its details alike): the earlier stands for both.
    static void EarlierOfTwins(CDbPending& w)
    {
        for (int n = 0; n < SD_COUNT; ++n)
            for (int m = n + 1; m < SD_COUNT; ++m) {
                LONGLONG& a = w.m_nTyped[n];
                LONGLONG& b = w.m_nTyped[m];
                if ((w.m_dwDetails & (1u << n)) && (w.m_dwDetails & (1u << m)) && IsSoundTime(a) && IsSoundTime(b) &&
                    OneByteApart(static_cast<ULONGLONG>(a), static_cast<ULONGLONG>(b)))
                    a = b = std::min(a, b);
            }
    }

    // Whether the parts from the i-th on read whole from nPos to the file's end, given to nobody.
    bool WholeFrom(size_t nPos, size_t i) const
    {
        std::vector<BYTE> rest(m_ar.GetPosition() + m_ar.BytesRemaining() - nPos);
        m_ar.PeekAt(nPos, rest.data(), rest.size());
        CArchive trial(&rest, CArchive::load);
        trial.SetFileVersion(m_ar.GetFileVersion());
        try {
            for (; i < m_parts.size(); ++i) {
                std::vector<bool> seen(m_byNumber.size());
                for (DWORD n = trial.ReadCountAsStored(); n > 0; --n)
                    ReadEntry(trial, *m_parts[i], seen, false);
            }
        } catch (const CArchiveException&) {
            return false;
        }
        return trial.IsBufferEmpty();
    }

    // One entry: a bowler of the league with a record, not met before in the part, then what the
    // part holds of him, given to him when bApply.
    void ReadEntry(CArchive& ar, const CDbPartText& t, std::vector<bool>& seen, bool bApply) const
    {
        WORD nPlayerNo = 0;
        ar >> nPlayerNo;
        CPlayer* p = nPlayerNo < m_byNumber.size() ? m_byNumber[nPlayerNo] : nullptr;
        CString reason;
        if (!p)
            reason.Format(t.pszNotHeld, nPlayerNo);
        else if (p->m_dwDbKey == 0)
            reason.Format(t.pszNoRecord, p->GetFilePlace().GetString());
        else if (seen[nPlayerNo])
            reason.Format(t.pszTwice, p->GetFilePlace().GetString());
        if (!reason.IsEmpty())
            CArchive::ThrowCorrupt(reason);
        seen[nPlayerNo] = true;
        switch (t.part) {
        case DbPart::Waiting: {
            auto pending = std::make_unique<CDbPending>();
            pending->Read(ar);
            if (bApply)
                p->m_pDbPending = std::move(pending);
            break;
        }
        case DbPart::Stamps: {
            // A stamp of 0 is none: the record is matched as plainly the same person.
            ULONGLONG qwStamp = 0;
            ar >> qwStamp;
            if (bApply)
                p->m_qwDbStamp = qwStamp;
            break;
        }
        case DbPart::InStep: {
            CDbInStep inStep;
            inStep.Read(ar);
            if (bApply)
                p->m_dbInStep = inStep;
            break;
        }
        }
    }

    CArchive& m_ar;
    const std::vector<CPlayer*> m_byNumber;
    std::vector<const CDbPartText*> m_parts;
};

} // namespace

// A league set aside while another is read into the document, put back if the read fails.
struct CLeagueSetAside
{
    explicit CLeagueSetAside(CBowlingDoc& doc) : m_doc(doc), m_settings(doc)
    {
        CObList* lists[CBowlingDoc::STORED_LIST_COUNT];
        doc.GetStoredLists(lists);
        for (int i = 0; i < CBowlingDoc::STORED_LIST_COUNT; ++i)
            MoveList(*lists[i], m_lists[i]);
        m_pRestrictions = doc.m_pAwardRestrictions;
        m_pPrototype = doc.m_pScoreSheetPrototype;
        m_prototypeBytes.swap(doc.m_arrPrototypeBytes);
        m_pCurrentRepForm = doc.m_pCurrentRepForm;

        // The document starts the read as a new league would.
        static_cast<CLeagueSettings&>(doc) = CLeagueSettings();
        doc.m_pAwardRestrictions = new CAwardRestrictions;
        doc.m_pScoreSheetPrototype =
            CBowlingDoc::s_pfnMakeScoreSheetPrototype ? CBowlingDoc::s_pfnMakeScoreSheetPrototype(&doc) : nullptr;
        doc.m_pCurrentRepForm = nullptr;
    }

    // The read failed: drop what was read and put the old league back.
    void Restore()
    {
        CObList* lists[CBowlingDoc::STORED_LIST_COUNT];
        m_doc.GetStoredLists(lists);
        std::unordered_set<CObject*> deleted;
        for (int i = 0; i < CBowlingDoc::STORED_LIST_COUNT; ++i) {
            DeleteAllOnce(*lists[i], deleted);
            MoveList(m_lists[i], *lists[i]);
        }
        static_cast<CLeagueSettings&>(m_doc) = m_settings;
        delete m_doc.m_pAwardRestrictions;
        m_doc.m_pAwardRestrictions = m_pRestrictions;
        m_pRestrictions = nullptr;
        delete m_doc.m_pScoreSheetPrototype;
        m_doc.m_pScoreSheetPrototype = m_pPrototype;
        m_pPrototype = nullptr;
        m_doc.m_arrPrototypeBytes.swap(m_prototypeBytes);
        m_doc.m_pCurrentRepForm = m_pCurrentRepForm;
    }

    // Deletes the old league (after a successful read, or after Restore: nothing).
    ~CLeagueSetAside()
    {
        for (CObList& list : m_lists)
            DeleteAllOf(list);
        delete m_pRestrictions;
        delete m_pPrototype;
    }

    CBowlingDoc& m_doc;
    CLeagueSettings m_settings;
    CObList m_lists[CBowlingDoc::STORED_LIST_COUNT];
    CAwardRestrictions* m_pRestrictions;
    CObject* m_pPrototype;
    std::vector<BYTE> m_prototypeBytes;
    CRepForm* m_pCurrentRepForm;
};

// ---------------------------------------------------------------- Serialize

void CBowlingDoc::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        WriteLeague(ar);
        AfterFileReadOrWrite();
        return;
    }
    // Loading straight from an archive: the same all-or-nothing read as LoadFromBytes;
    // a failure leaves the league as it was and the exception goes to the caller.
    CLeagueSetAside aside(*this);
    try {
        ReadLeague(ar);
    } catch (...) {
        aside.Restore();
        throw;
    }
    // The old league's display items, selections and the like go with it.
    DeleteRunTimeState();
    AfterFileRead();
}

void CBowlingDoc::WriteLeague(CArchive& ar)
{
    // A league with no bowler linked to a stamped record and nothing waiting for the player
    // database keeps the bytes it always had.
    const bool bLinks = CountDbWaiting(m_listPlayers) > 0 || CountPlayers(m_listPlayers, Stamped) > 0;
    BYTE nVersion = CountPlayers(m_listPlayers, KnowsInStep) > 0 ? LEAGUE_FILE_VERSION_IN_STEP
                    : bLinks                                       ? LEAGUE_FILE_VERSION_LINKS
                                                                   : LEAGUE_FILE_VERSION;
    if (ar.GetFileVersion() > 0 && ar.GetFileVersion() < LEAGUE_FILE_VERSION)
        nVersion = static_cast<BYTE>(ar.GetFileVersion());
    SetFileVersion(nVersion);
    ar.SetFileVersion(nVersion);
    ar.m_pDocument = this;
    m_timeCurrent = CTime::GetCurrentTime();

    ar << nVersion;
    WriteHeader(ar, nVersion);
    WriteList(ar, m_listTeams);
    WriteList(ar, m_listPlayers);
    WriteList(ar, m_listFixtures);
    WriteList(ar, m_listFreeWeeks);

    WriteList(ar, m_listRepForms);
    // The current layout as its place in the list, 0 for none.
    WORD nCurrent = 0, nIndex = 0;
    for (POSITION pos = m_listRepForms.GetHeadPosition(); pos && m_pCurrentRepForm;) {
        ++nIndex;
        if (m_listRepForms.GetNext(pos) == reinterpret_cast<CObject*>(m_pCurrentRepForm))
            nCurrent = nIndex;
    }
    ar << nCurrent;

    if (nVersion >= 15)
        WriteList(ar, m_listVenues);
    if (nVersion >= 26) {
        WriteList(ar, m_listAccountItems);
        WriteList(ar, m_listPaymentItems);
        WriteList(ar, m_listIncomeTypes);
        WriteList(ar, m_listExpenseTypes);
    }
    if (nVersion >= 28) {
        WriteList(ar, m_listAwards);
        // Automatic records are made again by every recalculation.
        CObList manual;
        for (POSITION pos = m_listAwardData.GetHeadPosition(); pos;) {
            CObject* p = m_listAwardData.GetNext(pos);
            if (static_cast<CAwardData*>(p)->m_nKind == 0)
                manual.AddTail(p);
        }
        WriteList(ar, manual);
        manual.RemoveAll();
    }
    if (nVersion >= 58)
        ar.WriteObject(m_pAwardRestrictions);
    if (nVersion >= 62) {
        ar << m_timeJuniorQualifying;
        WriteList(ar, m_listJuniorCategories);
    }
    if (nVersion >= 63)
        m_JuniorReport.Serialize(ar);
    if (nVersion >= LEAGUE_FILE_VERSION_WAITING)
        WriteDbWaiting(ar, m_listPlayers);
    if (nVersion >= LEAGUE_FILE_VERSION_LINKS)
        WriteDbStamps(ar, m_listPlayers);
    if (nVersion >= LEAGUE_FILE_VERSION_IN_STEP)
        WriteDbInStep(ar, m_listPlayers);
}

void CBowlingDoc::WriteHeader(CArchive& ar, BYTE nVersion)
{
    // League details
    ar << m_strLeagueName << m_strSanctionedBy << m_strSanctionNumber << m_strPresident << m_strVicePresident
       << m_strSecretary << m_strTreasurer << m_strPresidentPhone << m_strVicePresidentPhone << m_strSecretaryPhone
       << m_strTreasurerPhone;
    ar << PackOptions(*this);
    if (nVersion > 51)
        ar << m_nSecretaryTeam << m_nTreasurerTeam;
    m_arrMembershipTypes.Serialize(ar);

    // Size, rounds and calendar
    ar << m_nGamesPerMatch << m_nPlayersPerTeam << m_nMaxPlayersPerTeam << m_nTeams << m_nExtraTeams << m_nRounds
       << m_nCurrentRound << m_nRoundsPerInterval << m_nMinutesBetweenRounds << m_nDivisions
       << m_nFixturePrintColumns << m_nTeamsPerPage << m_nTreasurerRound << m_nScoreSheetRound;

    // Splits and lanes
    ar << m_nRoundsPerSplit << m_nSplits;
    ar.Write(m_nCustomSplitStart, sizeof m_nCustomSplitStart);
    ar << m_nStartLane << m_nLastLane << m_nSplitStartLane << m_nLanesBeforeSplit;
    ar.Write(m_nCustomLanes, sizeof m_nCustomLanes);
    for (WORD w : m_nSquadDelay)
        ar << w;

    // Scoring systems
    ar << m_strPyramid << m_nFloatingSubsOrder << m_nTeamOrderMode;

    // Handicap and average rules
    ar << m_bOneRuleForAll << m_bMenRule << m_bWomenRule << m_bJuniorsRule;
    for (const CHandicapRule& r : m_HcpRule)
        WriteHandicapRule(ar, r);
    ar << m_nGamesBeforeHandicap << m_nHcpMinGames << m_bTeamHandicaps << m_bZeroBasedPctDiff << m_bRound1Scratch
       << m_nEnteringAvgGames << m_nEnteringAvgCutoff << m_nRecalcFrequency << m_nFloatingAvgSeries
       << m_bFloatingAverage << m_bTruncatedRollingAvg << m_nRollingAvgGames << m_bFullAverageForHiAvg
       << m_bPlayingAvgForMostImproved << m_bShowNegativeMostImproved << m_bDrop5 << m_nDrop5Games
       << m_nDrop5MaxPins << m_nCategoryA << m_nCategoryB << m_bEnteringAvgForCategories;

    // Points rules
    SerializePointsRule(ar, m_HcpPoints);
    SerializePointsRule(ar, m_ScrPoints);
    ar << m_bCycleOpponent << m_nMaxHandicapPoints << m_nMaxScratchPoints;
    m_Petersen.Serialize(ar);
    ar << m_dwStandingsKeys << m_bBonusAcceptEqual << m_bBonusHiTeamGameHcp << m_bBonusHiTeamGameScr
       << m_nBonusHiTeamGameHcpPts << m_nBonusHiTeamGameScrPts << m_bRobotsCannotGainPoints;
    for (CRobot& r : m_Robot)
        r.Serialize(ar);
    WriteList(ar, m_listBonusPts);

    // Blind and defaulted games
    ar << m_nBlindGameLimit << m_dwRobotIfDefault;
    for (CBlindScore& b : m_BlindScore)
        b.Serialize(ar);
    ar << m_bOneBlindRuleForAll << m_bBlindGamesPerTeam << m_bCountBlindGames << m_nMaxBlindScore;

    // Awards and high-score policy
    ar.Write(m_nQualifyingPct, sizeof m_nQualifyingPct);
    ar << m_bGamesOverEntering << m_bExcludeFloatingSubs << m_bExcludePacers << m_nMostImprovedGames
       << m_bMostImprovedAfterGames << m_bMostImprovedBoth << m_nAvgBusterUnit << m_bAvgBusterPerGame
       << m_nAvgBusterEqual << m_nAvgBusterOver << m_nAvgBusterUnder;
    for (WORD w : m_nScoreThresholds)
        ar << w;
    ar << m_nDividerIndex;

    // Reports
    ar << m_strReportTitle;
    m_fontReportTitle.Serialize(ar);
    m_fontLayoutTitle.Serialize(ar);
    for (DWORD dw : m_bPlayerListShow)
        ar << dw;
    for (CFontData& f : m_DefaultFonts)
        f.Serialize(ar);
    // The score-sheet prototype, from version 44: its record, framed by its length.
    if (nVersion > 43)
        WritePrototype(ar);
    if (nVersion >= 70) {
        m_fontVenueHeader.Serialize(ar);
        m_fontVenueDetail.Serialize(ar);
        ar << m_nVenueReportNumber;
    }
}

void CBowlingDoc::WritePrototype(CArchive& ar)
{
    std::vector<BYTE> record;
    if (m_pScoreSheetPrototype) {
        CArchive inner(&record, CArchive::store);
        inner.SetFileVersion(ar.GetFileVersion());
        inner.m_pDocument = this;
        m_pScoreSheetPrototype->Serialize(inner);
        inner.Close();
    } else {
        record = m_arrPrototypeBytes;
    }
    ar << static_cast<DWORD>(record.size());
    ar.Write(record.data(), record.size());
}

void CBowlingDoc::ReadHeader(CArchive& ar, BYTE nVersion)
{
    ar >> m_strLeagueName >> m_strSanctionedBy >> m_strSanctionNumber >> m_strPresident >> m_strVicePresident
       >> m_strSecretary >> m_strTreasurer >> m_strPresidentPhone >> m_strVicePresidentPhone >> m_strSecretaryPhone
       >> m_strTreasurerPhone;
    DWORD dwOptions = 0;
    ar >> dwOptions;
    UnpackOptions(*this, dwOptions);
    if (nVersion > 51)
        ar >> m_nSecretaryTeam >> m_nTreasurerTeam;
    m_arrMembershipTypes.Serialize(ar);

    ar >> m_nGamesPerMatch >> m_nPlayersPerTeam >> m_nMaxPlayersPerTeam >> m_nTeams >> m_nExtraTeams >> m_nRounds
       >> m_nCurrentRound >> m_nRoundsPerInterval >> m_nMinutesBetweenRounds >> m_nDivisions
       >> m_nFixturePrintColumns >> m_nTeamsPerPage >> m_nTreasurerRound >> m_nScoreSheetRound;
    CheckRange(m_nGamesPerMatch, 1, MAX_GAMES, "a number of games per match");
    CheckRange(m_nPlayersPerTeam, 1, MAX_POSITIONS, "a number of players per team");
    CheckRange(m_nDivisions, 0, 16, "a number of divisions");
    if (m_nTeamsPerPage < 1 || m_nTeamsPerPage > 8)
        m_nTeamsPerPage = 4;

    ar >> m_nRoundsPerSplit >> m_nSplits;
    ar.ReadExact(m_nCustomSplitStart, sizeof m_nCustomSplitStart);
    // Splits that cannot be used are read as the Split Season dialog's OK leaves them: off.
    const CSplitsDropped splitsDropped = DropUnusableSplits();
    if (splitsDropped.Any())
        NoteReadMend(ReadMend::Splits, SplitsDroppedOnReading(*this, splitsDropped));
    ar >> m_nStartLane >> m_nLastLane >> m_nSplitStartLane >> m_nLanesBeforeSplit;
    ar.ReadExact(m_nCustomLanes, sizeof m_nCustomLanes);
    for (WORD& w : m_nSquadDelay)
        ar >> w;

    ar >> m_strPyramid >> m_nFloatingSubsOrder >> m_nTeamOrderMode;

    ar >> m_bOneRuleForAll >> m_bMenRule >> m_bWomenRule >> m_bJuniorsRule;
    for (CHandicapRule& r : m_HcpRule) {
        ReadHandicapRule(ar, r);
        // The handicap details dialog's ranges: the first rule's basis and maximum take any
        // 16-bit figure, the others' a game's.
        const int nTop = &r == &m_HcpRule[0] ? 65535 : 300;
        CheckRange(r.m_nPercent, 0, 150, "a handicap percentage");
        CheckRange(r.m_nBasis, 0, nTop, "a handicap basis");
        CheckRange(r.m_nMax, 0, nTop, "a maximum handicap");
        CheckRange(r.m_nMin, -100, 300, "a minimum handicap");
    }
    ar >> m_nGamesBeforeHandicap >> m_nHcpMinGames >> m_bTeamHandicaps >> m_bZeroBasedPctDiff >> m_bRound1Scratch
       >> m_nEnteringAvgGames >> m_nEnteringAvgCutoff >> m_nRecalcFrequency >> m_nFloatingAvgSeries
       >> m_bFloatingAverage >> m_bTruncatedRollingAvg >> m_nRollingAvgGames >> m_bFullAverageForHiAvg
       >> m_bPlayingAvgForMostImproved >> m_bShowNegativeMostImproved >> m_bDrop5 >> m_nDrop5Games
       >> m_nDrop5MaxPins >> m_nCategoryA >> m_nCategoryB >> m_bEnteringAvgForCategories;

    SerializePointsRule(ar, m_HcpPoints, 99);
    SerializePointsRule(ar, m_ScrPoints);
    ar >> m_bCycleOpponent >> m_nMaxHandicapPoints >> m_nMaxScratchPoints;
    CheckRange(m_nMaxHandicapPoints, 0, kMaxMatchPointsStored, "a maximum of handicap match points");
    CheckRange(m_nMaxScratchPoints, 0, kMaxMatchPointsStored, "a maximum of scratch match points");
    m_Petersen.Serialize(ar);
    ar >> m_dwStandingsKeys >> m_bBonusAcceptEqual >> m_bBonusHiTeamGameHcp >> m_bBonusHiTeamGameScr
       >> m_nBonusHiTeamGameHcpPts >> m_nBonusHiTeamGameScrPts >> m_bRobotsCannotGainPoints;
    for (CRobot& r : m_Robot)
        r.Serialize(ar);
    CListReader bonusReader;
    bonusReader.Read(ar, m_listBonusPts, RUNTIME_CLASS(CBonusPts), "bonus rules");
    bonusReader.Check();

    ar >> m_nBlindGameLimit >> m_dwRobotIfDefault;
    for (CBlindScore& b : m_BlindScore)
        b.Serialize(ar);
    ar >> m_bOneBlindRuleForAll >> m_bBlindGamesPerTeam >> m_bCountBlindGames >> m_nMaxBlindScore;

    ar.ReadExact(m_nQualifyingPct, sizeof m_nQualifyingPct);
    ar >> m_bGamesOverEntering >> m_bExcludeFloatingSubs >> m_bExcludePacers >> m_nMostImprovedGames
       >> m_bMostImprovedAfterGames >> m_bMostImprovedBoth >> m_nAvgBusterUnit >> m_bAvgBusterPerGame
       >> m_nAvgBusterEqual >> m_nAvgBusterOver >> m_nAvgBusterUnder;
    for (WORD& w : m_nScoreThresholds)
        ar >> w;
    ar >> m_nDividerIndex;
    CheckRange(m_nDividerIndex, 0, SCORE_THRESHOLD_COUNT, "a score-threshold divider");

    ar >> m_strReportTitle;
    SerializeFontAt(ar, m_fontReportTitle, "the report title");
    SerializeFontAt(ar, m_fontLayoutTitle, "the current layout's title");
    for (DWORD& dw : m_bPlayerListShow)
        ar >> dw;
    for (unsigned i = 0; i < DEFAULT_FONT_COUNT; ++i) {
        SetReadEntry("report font table", i + 1);
        m_DefaultFonts[i].Serialize(ar);
    }
    SetReadEntry(nullptr, 0);
    if (nVersion > 43) {
        DWORD nLength = 0;
        ar >> nLength;
        if (nLength > ar.BytesRemaining())
            ThrowOutOfRange("a score-sheet record length", nLength, 0, static_cast<long long>(ar.BytesRemaining()));
        if (m_pScoreSheetPrototype && nLength > 0) {
            // The style was written through an archive of its own, whose class and object
            // tags count from its start, so it is read back through one as well.
            std::vector<BYTE> record(nLength);
            ar.ReadExact(record.data(), nLength);
            CArchive inner(&record, CArchive::load);
            inner.SetFileVersion(ar.GetFileVersion());
            inner.m_pDocument = this;
            SetReadPlace("the score-sheet style");
            bool bPastEnd = false;
            try {
                m_pScoreSheetPrototype->Serialize(inner);
            } catch (const CArchiveException& e) {
                // Its end is the record's, not the file's: a read past it is no file cut short.
                if (e.m_cause != CArchiveException::endOfFile)
                    throw;
                bPastEnd = true;
            }
            EndFontRecord(inner, nLength, bPastEnd);
            SetReadPlace(CString());
            if (bPastEnd || inner.GetPosition() != nLength)
                CArchive::ThrowCorrupt("The score-sheet style in the file does not match its length.");
        } else {
            m_arrPrototypeBytes.resize(nLength);
            ar.ReadExact(m_arrPrototypeBytes.data(), nLength);
        }
    }
    if (nVersion >= 70) {
        SerializeFontAt(ar, m_fontVenueHeader, "the venue report's heading");
        SerializeFontAt(ar, m_fontVenueDetail, "the venue report's detail");
        ar >> m_nVenueReportNumber;
    }
}

void CBowlingDoc::ReadLeague(CArchive& ar)
{
    const CFileReadScope scope;
    m_strReadNotice.Empty();
    m_bDbLinksRemade = 0;
    ar.m_pDocument = this;
    BYTE nVersion = 0;
    ar >> nVersion;
    if (nVersion == 0)
        CArchive::ThrowCorrupt(kNotALeagueFile);
    if (nVersion > LEAGUE_FILE_NEWEST) {
        CString reason;
        reason.Format("It was written by a newer version of the program (file version %d; this program reads "
                      "versions up to %d).",
                      nVersion, LEAGUE_FILE_NEWEST);
        throw CArchiveException(CArchiveException::badSchema, reason);
    }
    SetFileVersion(nVersion);
    ar.SetFileVersion(nVersion);

    CListReader reader;
    // A font whose damaged name length put the read out of step is named, wherever the read
    // is refused after it.
    ReadNamingDamagedFont(ar, [&] {
        ReadHeader(ar, nVersion);
        reader.Read(ar, m_listTeams, RUNTIME_CLASS(CTeam), "teams");
        reader.Read(ar, m_listPlayers, RUNTIME_CLASS(CPlayer), "bowlers");
        {
            // Matches are joined to their teams and bowlers as they are read, while at hand.
            std::vector<CPlayer*> byNumber = PlayersByNumber(m_listPlayers);
            CTeam* teamByNumber[256] = {};
            TeamsByNumber(m_listTeams, teamByNumber);
            reader.Read(ar, m_listFixtures, RUNTIME_CLASS(CFixture), "matches", [&](CObject* p) {
                LinkFixture(static_cast<CFixture*>(p), byNumber, teamByNumber);
            });
        }
        reader.Read(ar, m_listFreeWeeks, RUNTIME_CLASS(CFreeWeek), "round dates");
        // Every reader of the calendar takes it in calendar order; some files hold a free
        // date out of it.
        PutFreeDatesInOrder(m_listFreeWeeks);

        // Report layouts are created by class name; the report code registers the class.
        reader.Read(ar, m_listRepForms, CRuntimeClass::FromName("CRepForm"), "report layouts");
        WORD nCurrent = 0;
        ar >> nCurrent;
        CheckRange(nCurrent, 0, m_listRepForms.GetCount(), "a current report layout");
        if (nCurrent > 0)
            m_pCurrentRepForm = reinterpret_cast<CRepForm*>(m_listRepForms.GetAt(m_listRepForms.FindIndex(nCurrent - 1)));

        if (nVersion >= 15)
            reader.Read(ar, m_listVenues, RUNTIME_CLASS(CVenue), "venues");
        if (nVersion >= 26) {
            reader.Read(ar, m_listAccountItems, RUNTIME_CLASS(CAccountItem), "account entries");
            reader.Read(ar, m_listPaymentItems, RUNTIME_CLASS(CPaymentItem), "payment items");
            reader.Read(ar, m_listIncomeTypes, RUNTIME_CLASS(CAccountItemType), "income headings");
            reader.Read(ar, m_listExpenseTypes, RUNTIME_CLASS(CAccountItemType), "expense headings");
        }
        if (nVersion >= 28) {
            reader.Read(ar, m_listAwards, RUNTIME_CLASS(CAwards), "award categories");
            reader.Read(ar, m_listAwardData, RUNTIME_CLASS(CAwardData), "award records");
        }
        if (nVersion >= 58) {
            CObject* p = ar.ReadOwnedObject(RUNTIME_CLASS(CAwardRestrictions));
            if (!p)
                CArchive::ThrowCorrupt("The file holds no multiple prize rules.");
            if (p == m_pAwardRestrictions)
                CArchive::ThrowCorrupt("The file lists the multiple prize rules twice.");
            delete m_pAwardRestrictions;
            m_pAwardRestrictions = static_cast<CAwardRestrictions*>(p);
        }
        if (nVersion >= 62) {
            ar >> m_timeJuniorQualifying;
            reader.Read(ar, m_listJuniorCategories, RUNTIME_CLASS(CJuniorCategory), "junior categories");
        }
        if (nVersion >= 63)
            m_JuniorReport.Serialize(ar);
        if (nVersion >= LEAGUE_FILE_VERSION_WAITING)
            CDbPartsReader(ar, m_listPlayers).Read();
        if (!ar.IsBufferEmpty())
            CArchive::ThrowCorrupt("The file goes on after the end of the league.");
    });
    reader.Check();
    CheckReadLeague();
}

// One notice for all a read mended, said once for the whole file; empty when nothing was.
CString MakeReadNotice()
{
    // For one mended and for more: the start, the word counting those not named, the end, and
    // what the last sentence calls the one mended (a match's points are "they").
    const struct
    {
        ReadMend kind;
        const char* pszStart[2];
        const char* pszMore[2];
        const char* pszEnd[2];
        const char* pszOne;
    } kinds[] = {
        {ReadMend::Splits, {"", ""}, {"setting", "settings"}, {".", "."}, "it"},
        {ReadMend::Points,
         {"the points of ", "the points of "},
         {"match", "matches"},
         {" could not be right: they were worked out again from the scores.",
          " could not be right: they were worked out again from the scores."},
         "them"},
        {ReadMend::BowlerHandicap,
         {"the handicap of ", "the handicaps of "},
         {"bowler", "bowlers"},
         {" could not be right: it was worked out again from the bowler's average.",
          " could not be right: they were worked out again from the bowlers' averages."},
         "it"},
        {ReadMend::BowlerDate,
         {"", ""},
         {"part of a date", "parts of dates"},
         {" could not be right: it was cleared.", " could not be right: they were cleared."},
         "it"},
        {ReadMend::BowlerText,
         {"", ""},
         {"bowler's texts", "bowlers' texts"},
         {" held control characters, which are no text: they were left out.",
          " held control characters, which are no text: they were left out."},
         "them"},
        {ReadMend::BowlerGenders,
         {"", ""},
         {"bowler", "bowlers"},
         {" was marked both male and female: now female alone, as the handicap and blind rules read that mark.",
          " were marked both male and female: now female alone, as the handicap and blind rules read that mark."},
         "it"},
        {ReadMend::Font,
         {"the report font of ", "the report fonts of "},
         {"font", "fonts"},
         {" was damaged: it was mended.", " were damaged: they were mended."},
         "it"},
    };
    std::vector<CString> sentences;
    size_t nMended = 0;
    const char* pszKept = "them";
    for (const auto& k : kinds) {
        const std::vector<CString>& names = GetReadMends(k.kind);
        if (names.empty())
            continue;
        const int n = names.size() > 1 ? 1 : 0;
        sentences.push_back(k.pszStart[n] + NameList(names, k.pszMore[0], k.pszMore[1]) + k.pszEnd[n]);
        nMended += names.size();
        pszKept = nMended == 1 ? k.pszOne : "them";
    }
    CString notice;
    for (CString& sentence : sentences) {
        if (!notice.IsEmpty()) {
            sentence.SetAt(0, static_cast<char>(std::toupper(static_cast<unsigned char>(sentence[0]))));
            notice += " ";
        }
        notice += sentence;
    }
    if (!notice.IsEmpty())
        notice += CString(" Save the league to keep ") + pszKept + ".";
    return notice;
}

// What a read league must satisfy beyond its bytes: the references that other code follows
// without checking. Worked points that no calculation makes and a bowler's handicap that no
// rule gives are dropped, for the recalculation after the read to make again; a bowler's date,
// text or gender that no bowler may hold is mended; and the notice names the matches and bowlers.
void CBowlingDoc::CheckReadLeague()
{
    bool teamHeld[256] = {};
    for (POSITION pos = m_listTeams.GetHeadPosition(); pos;) {
        WORD no = static_cast<const CTeam*>(m_listTeams.GetNext(pos))->m_nTeamNo;
        if (no < 256)
            teamHeld[no] = true;
    }
    const int nMaxGame = m_bFivePinRules ? 450 : 300;
    for (POSITION pos = m_listFixtures.GetHeadPosition(); pos;) {
        auto* f = static_cast<CFixture*>(m_listFixtures.GetNext(pos));
        CheckMatchValues(*f, nMaxGame);
        for (BYTE nTeam : {f->m_nTeamA, f->m_nTeamB})
            if (nTeam != 0 && !teamHeld[nTeam]) {
                CString reason;
                reason.Format("Match %d of round %d refers to team %d, which the league does not hold.", f->m_nMatch,
                              f->m_nRound, nTeam);
                CArchive::ThrowCorrupt(reason);
            }
        if (HasImpossiblePoints(*f)) {
            f->ClearPoints(PASS_HANDICAP);
            f->ClearPoints(PASS_SCRATCH);
            NoteReadMend(ReadMend::Points, MatchPlace(*f));
        }
    }
    for (POSITION pos = m_listPlayers.GetHeadPosition(); pos;) {
        auto* p = static_cast<CPlayer*>(m_listPlayers.GetNext(pos));
        p->MendReadDetails();
        auto place = [p] { return p->GetFilePlace(); };
        CheckRangeAt(p->m_nMembershipType, 0, m_arrMembershipTypes.GetSize(), "a bowler's membership type", place);
        if (p->m_nHandicap < -kMaxHandicap || p->m_nHandicap > kMaxHandicap) {
            p->m_nHandicap = 0;
            NoteReadMend(ReadMend::BowlerHandicap, place());
        }
    }
    m_strReadNotice = MakeReadNotice();
}

// ---------------------------------------------------------------- after a read or write

void CBowlingDoc::AfterFileReadOrWrite()
{
    UpdateSplitState();
    AssignJuniorCategories();
}

void CBowlingDoc::AfterFileRead()
{
    // The matches were joined up as they were read.
    for (POSITION pos = m_listPlayers.GetHeadPosition(); pos;)
        static_cast<CPlayer*>(m_listPlayers.GetNext(pos))->m_pDoc = this;
    for (POSITION pos = m_listTeams.GetHeadPosition(); pos;)
        static_cast<CTeam*>(m_listTeams.GetNext(pos))->m_pDoc = this;
    for (POSITION pos = m_listAwardData.GetHeadPosition(); pos;)
        static_cast<CAwardData*>(m_listAwardData.GetNext(pos))->m_pDoc = this;
    // The shared bowlers as their records stand now: another league may have changed them, and
    // what this league's file holds waiting goes to them. Before the figures: gender and birth
    // date choose handicap rules and junior categories.
    if (s_pfnLeagueReadPlayerDb)
        s_pfnLeagueReadPlayerDb(this);
    UpdateAverageLimit();
    UpdateHandicapFactors();
    AfterFileReadOrWrite();
    Recalculate();
    SetPlayerTeamsFromOrders();
    CountMatchesPerRound();
}

// ---------------------------------------------------------------- loading and saving

namespace {

// Whether the bytes open as a league file does: a version, then the league's eleven header texts,
// typed text without control characters. A text file or random bytes fail this within a few
// bytes; a league file of a newer version passes it.
bool LooksLikeLeagueFile(const std::vector<BYTE>& data)
{
    size_t pos = 1;
    if (data.empty() || data[0] == 0)
        return false;
    for (int i = 0; i < 11; ++i) {
        if (pos >= data.size())
            return false;
        size_t len = data[pos++];
        if (len == 0xFF) {
            if (pos + 2 > data.size())
                return false;
            len = data[pos] | (data[pos + 1] << 8);
            pos += 2;
            if (len >= 0xFFFE)
                return false;  // no typed text is that long
        }
        if (pos + len > data.size())
            return false;
        for (size_t end = pos + len; pos < end; ++pos)
            if (data[pos] < 0x20 || data[pos] == 0x7F)
                return false;
    }
    return true;
}

// Whether the bytes carry what every league file of this program carries however damaged its
// header: a version byte, and the class tag that opens its teams, bowlers, matches or round
// dates. Text and random bytes never hold one.
bool HasLeagueSignature(const std::vector<BYTE>& data)
{
    if (data.empty() || data[0] == 0)
        return false;
    for (const char* pszClass : {"CTeam", "CPlayer", "CFixture", "CFreeWeek"}) {
        const size_t n = std::strlen(pszClass);
        std::vector<BYTE> tag = {0xFF, 0xFF, 0x01, 0x00, static_cast<BYTE>(n), 0x00};
        tag.insert(tag.end(), pszClass, pszClass + n);
        if (std::search(data.begin() + 1, data.end(), tag.begin(), tag.end()) != data.end())
            return true;
    }
    return false;
}

} // namespace

BOOL CBowlingDoc::LoadFromBytes(const std::vector<BYTE>& data, const char* pszFileName, CString& strError)
{
    CString reason;
    m_strReadNotice.Empty();
    if (data.empty()) {
        reason = "The file is empty.";
    } else {
        try {
            // Loading only reads the buffer.
            CArchive ar(const_cast<std::vector<BYTE>*>(&data), CArchive::load);
            Serialize(ar);
            if (!m_strReadNotice.IsEmpty())
                m_strReadNotice = "In the league file \"" + AfxPathText(pszFileName) + "\" " + m_strReadNotice;
            return TRUE;
        } catch (const CArchiveException& e) {
            reason = e.m_strReason;
            if (e.m_cause == CArchiveException::endOfFile)
                reason = "The file is cut short: " + e.m_strReason;
        } catch (const std::bad_alloc&) {
            reason = "There is not enough memory to read it.";
        } catch (const std::exception& e) {
            reason = e.what();
        }
        // A league file whose league details at its start do not read: what the read met
        // further on only follows from that.
        if (!LooksLikeLeagueFile(data))
            reason = HasLeagueSignature(data) ? kDamagedHeader : kNotALeagueFile;
    }
    m_strReadNotice.Empty();
    strError.Format("The league file \"%s\" cannot be opened. %s", AfxPathText(pszFileName).GetString(), reason.GetString());
    return FALSE;
}

// The largest league (255 teams, 255 rounds of full matches) stays well below this.
constexpr ULONGLONG kMaxLeagueFileBytes = 256ull * 1024 * 1024;

BOOL CBowlingDoc::LoadFromFile(const char* pszPath, CString& strError)
{
    std::vector<BYTE> data;
    CFile::RemoveStaleTemporaries(pszPath);
    try {
        CFile file(pszPath, CFile::modeRead);
        ULONGLONG nLength = file.GetLength();
        if (nLength > kMaxLeagueFileBytes) {
            // Said before reading a byte of it.
            const double dMB = static_cast<double>(nLength) / (1024.0 * 1024.0);
            CString size;
            if (dMB >= 1024.0)
                size.Format("%.1f GB", dMB / 1024.0);
            else
                size.Format("%.0f MB", dMB);
            strError.Format("The league file \"%s\" cannot be opened. It is %s, far larger than any league "
                            "file can be.",
                            pszPath, size.GetString());
            return FALSE;
        }
        data.resize(static_cast<size_t>(nLength));
        size_t nRead = nLength ? file.Read(data.data(), static_cast<UINT>(nLength)) : 0;
        data.resize(nRead);
        file.Close();
    } catch (const CFileException& e) {
        strError.Format("The league file \"%s\" cannot be opened. %s", AfxPathText(pszPath).GetString(), e.GetErrorMessage().GetString());
        return FALSE;
    } catch (const std::bad_alloc&) {
        strError.Format("The league file \"%s\" cannot be opened. There is not enough memory to read it.", AfxPathText(pszPath).GetString());
        return FALSE;
    }
    return LoadFromBytes(data, pszPath, strError);
}

void CBowlingDoc::SaveToBytes(std::vector<BYTE>& data, BYTE nVersion)
{
    data.clear();
    CArchive ar(&data, CArchive::store);
    ar.SetFileVersion(nVersion);
    Serialize(ar);
    ar.Close();
}

BOOL CBowlingDoc::SaveToFile(const char* pszPath, CString& strError)
{
    try {
        std::vector<BYTE> data;
        SaveToBytes(data);
        CFile file(pszPath, CFile::modeCreate | CFile::modeWrite);
        file.Write(data.data(), static_cast<UINT>(data.size()));
        file.Close();
        return TRUE;
    } catch (const CFileException& e) {
        strError.Format("The league file \"%s\" cannot be saved. %s", AfxPathText(pszPath).GetString(), e.GetErrorMessage().GetString());
    } catch (const CArchiveException& e) {
        strError.Format("The league file \"%s\" cannot be saved. %s", AfxPathText(pszPath).GetString(), e.m_strReason.GetString());
    }
    return FALSE;
}

BOOL CBowlingDoc::OnOpenDocument(const char* pszPathName)
{
    CString strError;
    if (!LoadFromFile(pszPathName, strError)) {
        AfxMessageBox(strError);
        return FALSE;
    }
    m_bNewLeague = 0;
    // A league mended as it was read, or whose bowlers were linked again to the database's
    // records, differs from its file.
    SetModifiedFlag(!m_strReadNotice.IsEmpty() || m_bDbLinksRemade);
    if (!m_strReadNotice.IsEmpty())
        AfxMessageBox(m_strReadNotice);
    return TRUE;
}

BOOL CBowlingDoc::OnSaveDocument(const char* pszPathName)
{
    CString strError;
    if (!SaveToFile(pszPathName, strError)) {
        AfxMessageBox(strError);
        return FALSE;
    }
    m_bNewLeague = 0;
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CBowlingDoc::DoSave(const char* pszPathName, BOOL bReplace)
{
    // The made-up name may be an old league's file of the same name in that folder.
    return CDocument::DoSave(m_bNewLeague ? nullptr : pszPathName, bReplace);
}

// ---------------------------------------------------------------- comparison

namespace {

template <class T>
bool SameLists(const CObList& a, const CObList& b)
{
    if (a.GetCount() != b.GetCount())
        return false;
    for (POSITION pa = a.GetHeadPosition(), pb = b.GetHeadPosition(); pa && pb;)
        if (!static_cast<const T*>(a.GetNext(pa))->IsSameAs(*static_cast<const T*>(b.GetNext(pb))))
            return false;
    return true;
}

} // namespace

bool CBowlingDoc::IsSameLeague(const CBowlingDoc& o) const
{
    return static_cast<const CLeagueSettings&>(*this) == static_cast<const CLeagueSettings&>(o) &&
           SameLists<CTeam>(m_listTeams, o.m_listTeams) && SameLists<CPlayer>(m_listPlayers, o.m_listPlayers) &&
           SameLists<CFixture>(m_listFixtures, o.m_listFixtures) &&
           SameLists<CFreeWeek>(m_listFreeWeeks, o.m_listFreeWeeks) &&
           SameLists<CVenue>(m_listVenues, o.m_listVenues) && SameLists<CBonusPts>(m_listBonusPts, o.m_listBonusPts) &&
           SameLists<CAwards>(m_listAwards, o.m_listAwards) &&
           SameLists<CAwardData>(m_listAwardData, o.m_listAwardData) &&
           SameLists<CAccountItem>(m_listAccountItems, o.m_listAccountItems) &&
           SameLists<CPaymentItem>(m_listPaymentItems, o.m_listPaymentItems) &&
           SameLists<CAccountItemType>(m_listIncomeTypes, o.m_listIncomeTypes) &&
           SameLists<CAccountItemType>(m_listExpenseTypes, o.m_listExpenseTypes) &&
           SameLists<CJuniorCategory>(m_listJuniorCategories, o.m_listJuniorCategories) &&
           m_listRepForms.GetCount() == o.m_listRepForms.GetCount() &&
           m_pAwardRestrictions->IsSameAs(*o.m_pAwardRestrictions);
}
