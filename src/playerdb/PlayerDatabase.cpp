#include "playerdb/PlayerDatabase.h"

#include "league/Player.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstddef>
#include <iterator>
#include <random>
#include <type_traits>
#include <unordered_set>

CPlayerDatabase::CPlayerDatabase() = default;

BOOL CPlayerDatabase::Open(const char* pszDirectory, BOOL bMake)
{
    m_strDirectory = pszDirectory ? pszDirectory : "";
    m_bWanted = TRUE;
    m_bClosedForPrinting = FALSE;
    const BOOL bOpen = m_file.OpenIn(m_strDirectory, bMake);
    if (bOpen)
        m_bMayMake = FALSE;
    return bOpen;
}

void CPlayerDatabase::Close()
{
    m_file.Close();
    m_bWanted = FALSE;
    m_bClosedForPrinting = FALSE;
}

void CPlayerDatabase::CloseForPrinting()
{
    if (!m_file.IsOpen())
        return;
    m_file.Close();
    m_bClosedForPrinting = TRUE;
}

BOOL CPlayerDatabase::ReopenAfterPrinting()
{
    if (!m_bClosedForPrinting)
        return m_file.IsOpen();
    m_bClosedForPrinting = FALSE;
    // Its folder away meanwhile, it stays away: an empty database would stand in its place.
    return m_file.OpenIn(m_strDirectory, FALSE);
}

BOOL CPlayerDatabase::ReopenLost(BOOL bMake)
{
    if (!IsLost() || !m_file.OpenIn(m_strDirectory, bMake))
        return FALSE;
    m_bMayMake = FALSE;
    return TRUE;
}

BOOL CPlayerDatabase::Reach()
{
    const CIndexedFile::CUse use(m_file);
    return use ? TRUE : FALSE;
}

int CPlayerDatabase::FindDbasePlayer(DWORD dwKey)
{
    m_file.Clear();
    if (m_file.SelectIndex("Key") != 0)
        return -1;
    m_file.m_dwKey = dwKey;
    return m_file.Find() == 0 ? 0 : -1;
}

namespace {

constexpr DWORD Bit(int n)
{
    return 1u << n;
}

WORD SharedFlags(WORD wFlags)
{
    return static_cast<WORD>(wFlags & ~PF_LEAGUE_OWN);
}

// The details of dwDetails from one copy into the other; of the flag word the shared bits only,
// the copy taking them keeping what its league decided about him.
void TakeDetails(DWORD dwDetails, CSharedDetails& to, const CSharedDetails& from)
{
    ForEachSharedDetail(
        [dwDetails](int n, auto& mine, const auto& theirs) {
            if (dwDetails & Bit(n))
                mine = theirs;
        },
        to, from);
    if (dwDetails & Bit(SD_FLAGS))
        to.m_wFlags = static_cast<WORD>(SharedFlags(from.m_wFlags) | (to.m_wFlags & PF_LEAGUE_OWN));
}

bool SameName(CString a, CString b)
{
    a.Trim();
    b.Trim();
    return a.CompareNoCase(b) == 0;
}

bool HasBirthDate(const CSharedDetails& d)
{
    return d.m_nBirthDay != 0 || d.m_nBirthMonth != 0 || d.m_nBirthYear != 0;
}

// A text as it identifies: any case, blanks at the ends and repeated within not counted.
CString Plain(const CString& s)
{
    CString out;
    bool bBlank = false;
    for (int i = 0; i < s.GetLength(); ++i) {
        const char c = s[i];
        if (c == ' ' || c == '\t') {
            bBlank = !out.IsEmpty();
            continue;
        }
        if (bBlank)
            out += ' ';
        bBlank = false;
        out += c;
    }
    return out.MakeUpper();
}

bool SameHeld(const CString& a, const CString& b)
{
    const CString strA = Plain(a);
    return !strA.IsEmpty() && strA == Plain(b);
}

CString Digits(const CString& s)
{
    CString out;
    for (int i = 0; i < s.GetLength(); ++i)
        if (s[i] >= '0' && s[i] <= '9')
            out += s[i];
    return out;
}

// A number either holds in any of his three phone boxes, the other holds in any of hers.
bool SharePhone(const CSharedDetails& a, const CSharedDetails& b)
{
    for (const CString* pa : {&a.m_strPhoneHome, &a.m_strPhoneWork, &a.m_strPhoneMobile}) {
        const CString strA = Digits(*pa);
        if (strA.IsEmpty())
            continue;
        for (const CString* pb : {&b.m_strPhoneHome, &b.m_strPhoneWork, &b.m_strPhoneMobile})
            if (strA == Digits(*pb))
                return true;
    }
    return false;
}

// The same gender, and the same birth date where both have one.
bool SameGenderAndBirth(const CSharedDetails& a, const CSharedDetails& b)
{
    constexpr WORD kGender = PF_MALE | PF_FEMALE;
    if ((a.m_wFlags & kGender) != (b.m_wFlags & kGender))
        return false;
    return !HasBirthDate(a) || !HasBirthDate(b) ||
           (a.m_nBirthDay == b.m_nBirthDay && a.m_nBirthMonth == b.m_nBirthMonth && a.m_nBirthYear == b.m_nBirthYear);
}

bool SameFullBirthDate(const CSharedDetails& a, const CSharedDetails& b)
{
    return a.m_nBirthDay != 0 && a.m_nBirthMonth != 0 && a.m_nBirthYear != 0 && a.m_nBirthDay == b.m_nBirthDay &&
           a.m_nBirthMonth == b.m_nBirthMonth && a.m_nBirthYear == b.m_nBirthYear;
}

// A detail that tells one person from another across databases, held by both and alike: a phone
// number, the first address line, or beside both names (bBothNames) a full birth date. A birth
// year is shared by too many, and clubs number their members from 1 as databases number their
// keys: neither tells anybody.
bool TellingDetailAgrees(const CSharedDetails& a, const CSharedDetails& b, bool bBothNames)
{
    return SharePhone(a, b) || SameHeld(a.m_strAddress[0], b.m_strAddress[0]) ||
           (bBothNames && SameFullBirthDate(a, b));
}

bool HoldsPhone(const CSharedDetails& d)
{
    return !Digits(d.m_strPhoneHome).IsEmpty() || !Digits(d.m_strPhoneWork).IsEmpty() ||
           !Digits(d.m_strPhoneMobile).IsEmpty();
}

// Both hold a phone number or a first address line, and none of those, nor a full birth date, is
// alike: a namesake of another address and phone. One who moved house but kept his phone, or the
// other way, agrees; one of whom nothing tells (one holds a phone, the other only an address)
// does not disagree. A full birth date alike tells him under another key, so under his own too.
bool TellingDetailsDisagree(const CSharedDetails& a, const CSharedDetails& b)
{
    const bool bBothPhone = HoldsPhone(a) && HoldsPhone(b);
    const bool bBothAddress = !Plain(a.m_strAddress[0]).IsEmpty() && !Plain(b.m_strAddress[0]).IsEmpty();
    return (bBothPhone || bBothAddress) && !TellingDetailAgrees(a, b, true);
}

// Two names, any case and spacing, alike but for one character changed, added or left out.
bool OneCharacterApart(const CString& strA, const CString& strB)
{
    const CString a = Plain(strA), b = Plain(strB);
    const int nA = a.GetLength(), nB = b.GetLength();
    if (nA - nB > 1 || nB - nA > 1 || a == b)
        return false;
    int i = 0;
    while (i < nA && i < nB && a[i] == b[i])
        ++i;
    const int nSkipA = nA >= nB ? 1 : 0, nSkipB = nB >= nA ? 1 : 0;
    return a.Mid(i + nSkipA) == b.Mid(i + nSkipB);
}

// Both names alike but for one character of one of them: what a damaged byte leaves.
bool NamesOneCharacterApart(const CSharedDetails& a, const CSharedDetails& b)
{
    return (SameName(a.m_strFirstName, b.m_strFirstName) && OneCharacterApart(a.m_strSurname, b.m_strSurname)) ||
           (SameName(a.m_strSurname, b.m_strSurname) && OneCharacterApart(a.m_strFirstName, b.m_strFirstName));
}

bool SameFirstName(const CSharedDetails& a, const CSharedDetails& b)
{
    return !Plain(a.m_strFirstName).IsEmpty() && SameName(a.m_strFirstName, b.m_strFirstName);
}

bool Held(const CString& s)
{
    return !s.IsEmpty();
}

// Two texts of one length that differ in one byte: what a damaged byte leaves of a text. Of a
// number no such thing is told.
bool OneByteOff(const CString& a, const CString& b)
{
    if (a.GetLength() != b.GetLength())
        return false;
    int nDiffer = 0;
    for (int i = 0; i < a.GetLength(); ++i)
        nDiffer += a[i] != b[i] ? 1 : 0;
    return nDiffer == 1;
}

template <class N>
bool OneByteOff(N, N)
{
    return false;
}

// Of a number too, for an entry that holds no times to tell another league's change by: two numbers
// that differ in one of their bytes, as a damaged byte leaves them.
bool OneByteOffUndated(const CString& a, const CString& b)
{
    return OneByteOff(a, b);
}

template <class N>
bool OneByteOffUndated(N a, N b)
{
    return a != b && ::OneByteApart(static_cast<ULONGLONG>(a), static_cast<ULONGLONG>(b));
}

// A text d holds as another detail than n.
bool HeldAsAnother(const CSharedDetails& d, int n, const CString& str)
{
    bool bHeld = false;
    ForEachSharedDetail(
        [&](int m, const auto& v) {
            if constexpr (std::is_same_v<std::decay_t<decltype(v)>, CString>)
                bHeld = bHeld || (m != n && !str.IsEmpty() && v == str);
        },
        d);
    return bHeld;
}

template <class N>
bool HeldAsAnother(const CSharedDetails&, int, N)
{
    return false;
}

template <class N>
bool Held(N n)
{
    return n != 0;
}

// The first address line and the phones: where he lives, which tells a person across databases.
bool IsWhereLiving(int n)
{
    return n == SD_ADDRESS_1 || n == SD_PHONE_HOME || n == SD_PHONE_WORK || n == SD_PHONE_MOBILE;
}

// A waiting detail of where he lives whose base is one byte from the record's value: that byte of
// the entry was damaged.
bool WhereLivingOneByteOff(const CDbPending& w, const CSharedDetails& record)
{
    bool bOff = false;
    ForEachSharedDetail(
        [&](int n, const auto& base, const auto& theirs) {
            bOff = bOff || ((w.m_dwDetails & Bit(n)) && IsWhereLiving(n) && OneByteOff(base, theirs));
        },
        w.m_base, record);
    return bOff;
}

// A waiting entry knew the record where it lives: a base of its address or phones that the record
// holds (a phone in any box), or one byte from it.
bool KnewWhereLiving(const CDbPending& w, const CSharedDetails& record)
{
    CSharedDetails knew;
    ForEachSharedDetail(
        [&](int n, auto& mine, const auto& base) {
            if ((w.m_dwDetails & Bit(n)) && IsWhereLiving(n))
                mine = base;
        },
        knew, w.m_base);
    return TellingDetailAgrees(knew, record, false) || WhereLivingOneByteOff(w, record);
}

// His entry does not show where he lived as the league knew the record: a base of his address or
// phones lost (holding his own value, CDbPending::ForgetBase) or one byte from the record's.
bool LostWhereLiving(const CDbPending& w, const CSharedDetails& mine, const CSharedDetails& record)
{
    bool bLost = false;
    ForEachSharedDetail(
        [&](int n, const auto& base, const auto& his) {
            bLost = bLost || ((w.m_dwDetails & Bit(n)) && IsWhereLiving(n) && base == his);
        },
        w.m_base, mine);
    return bLost || WhereLivingOneByteOff(w, record);
}

// A waiting entry read out of step (its mark damaged): a base of the details dwDetails names that
// the record holds as another detail was read from that detail's bytes, and so was the rest of it.
bool ReadOutOfStep(const CDbPending& w, DWORD dwDetails, const CSharedDetails& record)
{
    bool bOutOfStep = false;
    ForEachSharedDetail(
        [&](int n, const auto& theirs, const auto& knew) {
            bOutOfStep = bOutOfStep || ((dwDetails & Bit(n)) && !(theirs == knew) && HeldAsAnother(record, n, knew));
        },
        record, w.m_base);
    return bOutOfStep;
}

bool ReadOutOfStep(const CDbPending& w, const CSharedDetails& record)
{
    return ReadOutOfStep(w, w.m_dwDetails, record);
}

} // namespace

LONGLONG CPlayerDatabase::Now()
{
    // Two changes made one after the other are never dated alike, however quick the machine.
    static std::atomic<LONGLONG> s_nLast{0};
    const LONGLONG nClock = std::chrono::duration_cast<std::chrono::milliseconds>(
                                std::chrono::system_clock::now().time_since_epoch())
                                .count();
    LONGLONG nLast = s_nLast.load();
    LONGLONG nNow = 0;
    do
        nNow = std::max(nClock, nLast + 1);
    while (!s_nLast.compare_exchange_weak(nLast, nNow));
    return nNow;
}

ULONGLONG CPlayerDatabase::NewStamp()
{
    // Drawn from the system each time, so that two programs (or a forked one) never draw alike.
    std::random_device device;
    ULONGLONG q = 0;
    while (q == 0)
        q = static_cast<ULONGLONG>(device()) << 32 | device();
    return q;
}

bool CPlayerDatabase::PlainlySamePerson(const CSharedDetails& a, const CSharedDetails& b)
{
    CString strName = a.m_strFirstName + a.m_strSurname;
    if (strName.Trim().IsEmpty())
        return false;
    if (!SameName(a.m_strFirstName, b.m_strFirstName) || !SameName(a.m_strSurname, b.m_strSurname))
        return false;
    return SameGenderAndBirth(a, b);
}

bool CPlayerDatabase::SamePersonByDetails(const CSharedDetails& a, const CSharedDetails& b)
{
    return PlainlySamePerson(a, b) && TellingDetailAgrees(a, b, true);
}

bool CPlayerDatabase::SamePersonAtKey(const CSharedDetails& a, const CSharedDetails& b)
{
    if (PlainlySamePerson(a, b))
        return !TellingDetailsDisagree(a, b);
    if (!SameGenderAndBirth(a, b) || !TellingDetailAgrees(a, b, false))
        return false;
    return SameFirstName(a, b) || NamesOneCharacterApart(a, b);
}

bool CPlayerDatabase::MayBeSamePersonAtKey(const CSharedDetails& a, const CSharedDetails& b)
{
    if (!SameGenderAndBirth(a, b))
        return false;
    if (PlainlySamePerson(a, b) || NamesOneCharacterApart(a, b))
        return true;
    // His surname where he lives, under another first name (an earlier version rewrote it, or
    // another spelling of it).
    if (!Plain(a.m_strSurname).IsEmpty() && SameName(a.m_strSurname, b.m_strSurname) && TellingDetailAgrees(a, b, false))
        return true;
    return SameFirstName(a, b) &&
           ((HasBirthDate(a) && HasBirthDate(b)) || SameHeld(a.m_strMembershipNo, b.m_strMembershipNo));
}

CString CPlayerDatabase::UniqueRef(DWORD dwKey)
{
    CString str;
    str.Format("%08lX", static_cast<unsigned long>(dwKey));
    return str;
}

bool CPlayerDatabase::OneByteApart(ULONGLONG a, ULONGLONG b)
{
    return ::OneByteApart(a, b);
}

CSharedDetails CPlayerDatabase::KnownOfRecord(const CPlayer& p)
{
    CSharedDetails known = p;
    if (!p.m_pDbPending)
        return known;
    const CDbPending& w = *p.m_pDbPending;
    ForEachSharedDetail(
        [&w](int n, auto& mine, const auto& base) {
            if (w.m_dwDetails & Bit(n))
                mine = base;
        },
        known, w.m_base);
    if (w.m_dwDetails & Bit(SD_FLAGS))
        known.m_wFlags = w.m_base.m_wFlags;
    return known;
}

bool CPlayerDatabase::IsHisRecord(const CPlayer& p, const CObList* pLeague) const
{
    const ULONGLONG qwMine = p.m_qwDbStamp, qwTheirs = m_file.m_qwStamp;
    if (qwMine != 0 && qwTheirs != 0 && !OneByteApart(qwMine, qwTheirs))
        return qwMine == qwTheirs;
    // As the league knew the record, or as he is now: a damaged entry of his details waiting may
    // give no name of his as the record's.
    if (SamePersonAtKey(KnownOfRecord(p), m_file) || SamePersonAtKey(p, m_file))
        return true;
    if (!PlainlySamePerson(p, m_file))
        return false;
    // A damaged entry of his changes waiting does not show where he lived as the league knew the
    // record (read out of step, a base lost or a byte of it damaged): nothing there disagrees, and
    // his names tell, as before the damage. Nor does his change a damaged bowler number gave another
    // bowler of the league (a file that cannot tell so), which knew the record where it lives.
    if (p.m_pDbPending && (ReadOutOfStep(*p.m_pDbPending, m_file) || LostWhereLiving(*p.m_pDbPending, p, m_file)))
        return true;
    for (POSITION pos = pLeague ? pLeague->GetHeadPosition() : nullptr; pos;) {
        const auto* q = static_cast<const CPlayer*>(pLeague->GetNext(pos));
        if (q != &p && q->m_pDbPending && KnewWhereLiving(*q->m_pDbPending, m_file))
            return true;
    }
    return false;
}

int CPlayerDatabase::GetDbasePlayer(CPlayer* pPlayer, BOOL bSurnameFirst)
{
    if (!pPlayer || pPlayer->m_dwDbKey == 0 || FindDbasePlayer(pPlayer->m_dwDbKey) != 0)
        return -1;
    if (pPlayer->m_qwDbStamp != 0 && !IsHisRecord(*pPlayer))
        return -1;
    CopyFromRecord(*pPlayer);
    MarkInStep(*pPlayer);
    if (m_file.m_qwStamp != 0)
        pPlayer->m_qwDbStamp = m_file.m_qwStamp;
    pPlayer->MakeDisplayName(bSurnameFirst);
    return 0;
}

bool CPlayerDatabase::InStepWithThisDatabase(const CPlayer& p) const
{
    // Identities are random: another database's is never one byte away.
    const ULONGLONG qwMine = p.m_dbInStep.m_qwDatabase, qwThis = m_file.GetIdentity();
    return qwMine != 0 && qwThis != 0 && (qwMine == qwThis || OneByteApart(qwMine, qwThis));
}

bool CPlayerDatabase::IsInStep(const CPlayer& p) const
{
    return InStepWithThisDatabase(p) && m_file.m_nTypedBy >= p.m_dbInStep.m_nRecordTypedBy;
}

void CPlayerDatabase::MarkInStep(CPlayer& p) const
{
    p.m_dbInStep.m_qwDatabase = m_file.GetIdentity();
    p.m_dbInStep.m_nRecordTypedBy = m_file.m_nTypedBy;
}

void CPlayerDatabase::CopyFromRecord(CPlayer& p, DWORD dwKeep) const
{
    // A damaged record gives him none of its damage: of such a detail he keeps his own.
    CSharedDetails record = m_file;
    KeepSoundDetails(record, p);
    // A value taken in place of the league's is no longer one the league typed.
    LONGLONG* const pTyped = p.m_dbInStep.m_nTyped;
    ForEachSharedDetail(
        [dwKeep, pTyped](int n, const auto& theirs, auto& mine) {
            if (dwKeep & Bit(n))
                return;
            if (!(mine == theirs))
                pTyped[n] = 0;
            mine = theirs;
        },
        record, p);
    // What the league decided about him (excluded, a reserve...) is not the record's to say:
    // another league wrote its own.
    if (!(dwKeep & Bit(SD_FLAGS))) {
        if (SharedFlags(record.m_wFlags) != SharedFlags(p.m_wFlags))
            pTyped[SD_FLAGS] = 0;
        p.m_wFlags = static_cast<WORD>(SharedFlags(record.m_wFlags) | (p.m_wFlags & PF_LEAGUE_OWN));
    }
}

void CPlayerDatabase::CopyToRecord(const CPlayer& p)
{
    ForEachSharedDetail([](int, auto& theirs, const auto& mine) { theirs = mine; }, m_file, p);
    m_file.m_wFlags = static_cast<WORD>(p.m_wFlags & ~PF_RESIGNED);
}

void CPlayerDatabase::FindSimilarNames(const CString& strFirstName, const CString& strSurname, CDWordArray& keys)
{
    keys.RemoveAll();
    CString strInitial = strFirstName;
    strInitial = strInitial.Trim().Left(1);
    m_file.ForEachOfSurname(strSurname, false, [&] {
        CString strFirst = m_file.m_strFirstName;
        if (strFirst.Trim().Left(1).CompareNoCase(strInitial) == 0)
            keys.Add(m_file.m_dwKey);
        return true;
    });
}

// ---------------------------------------------------------------- whose record it is

DWORD CPlayerDatabase::KeyOfStamp(ULONGLONG qwStamp)
{
    if (!m_stamps) {
        m_stamps.emplace();
        if (m_file.SelectIndex("Key") == 0)
            for (m_file.First(); m_file.Next(1) == 0;)
                if (m_file.m_qwStamp != 0)
                    m_stamps->emplace(m_file.m_qwStamp, m_file.m_dwKey);
    }
    const auto it = m_stamps->find(qwStamp);
    return it == m_stamps->end() ? 0 : it->second;
}

DWORD CPlayerDatabase::FindSamePerson(const CPlayer& p, const std::unordered_map<DWORD, CPlayer*>& held,
                                      CDbReport::CNamedRecord* pProbable)
{
    // His details waiting for his record are not the record's yet: it is known by what it held.
    const CSharedDetails known = KnownOfRecord(p);
    if (pProbable && p.m_dwDbKey != 0 && !held.count(p.m_dwDbKey) && FindDbasePlayer(p.m_dwDbKey) == 0 &&
        (MayBeSamePersonAtKey(known, m_file) || MayBeSamePersonAtKey(p, m_file)))
        pProbable->dwKey = p.m_dwDbKey;
    // Two records of that person, and which is his cannot be told.
    DWORD dwFound = 0;
    int nFound = 0;
    m_file.ForEachOfSurname(known.m_strSurname, false, [&] {
        const DWORD dwKey = m_file.m_dwKey;
        if (SamePersonByDetails(known, m_file)) {
            ++nFound;
            if (!held.count(dwKey))
                dwFound = dwKey;
        }
        // A namesake of another address and phone is another person, not one that may be his.
        if (pProbable && !held.count(dwKey) && PlainlySamePerson(known, m_file) && !TellingDetailsDisagree(known, m_file) &&
            (pProbable->dwKey == 0 || dwKey == p.m_dwDbKey))
            pProbable->dwKey = dwKey;
        return true;
    });
    return nFound == 1 ? dwFound : 0;
}

void CPlayerDatabase::TakeStamp(CPlayer& p, DWORD dwKey)
{
    // Stamped once, now that it is known whose it is: with the bowler's stamp when no other
    // record carries it (looked for before the record is read again to be written).
    const ULONGLONG qwMine = p.m_qwDbStamp != 0 && KeyOfStamp(p.m_qwDbStamp) == 0 ? p.m_qwDbStamp : 0;
    if (FindDbasePlayer(dwKey) != 0)
        return;
    p.m_dwDbKey = dwKey;
    if (m_file.m_qwStamp == 0) {
        m_file.m_qwStamp = qwMine != 0 ? qwMine : NewStamp();
        if (m_file.Rewrite() != 0)
            return;  // matched again next time
        if (m_stamps)
            m_stamps->emplace(m_file.m_qwStamp, m_file.m_dwKey);
    }
    p.m_qwDbStamp = m_file.m_qwStamp;
}

LONGLONG CPlayerDatabase::KnownTypedBy(const CPlayer& p)
{
    auto sound = [](LONGLONG t) { return IsSoundTime(t) ? t : LONGLONG{0}; };
    LONGLONG nLatest = sound(p.m_dbInStep.m_nRecordTypedBy);
    for (int n = 0; n < SD_COUNT; ++n) {
        nLatest = std::max(nLatest, sound(p.m_dbInStep.m_nTyped[n]));
        if (p.m_pDbPending && (p.m_pDbPending->m_dwDetails & ~p.m_pDbPending->m_dwTimeUnsound & Bit(n)))
            nLatest = std::max(nLatest, sound(p.m_pDbPending->m_nTyped[n]));
    }
    return nLatest;
}

BOOL CPlayerDatabase::AddAsRecord(CPlayer& p, BOOL bOwnKey, LONGLONG nTypedBy)
{
    const DWORD dwKey = bOwnKey && p.m_dwDbKey != 0 && FindDbasePlayer(p.m_dwDbKey) != 0 ? p.m_dwDbKey : m_file.NewKey();
    const ULONGLONG qwStamp = p.m_qwDbStamp != 0 && KeyOfStamp(p.m_qwDbStamp) == 0 ? p.m_qwDbStamp : NewStamp();
    m_file.Clear();
    m_file.m_dwKey = dwKey;
    CopyToRecord(p);
    m_file.m_qwStamp = qwStamp;
    m_file.m_nTypedBy = nTypedBy;
    // No key is handed out while the table cannot be used.
    if (dwKey == 0 || m_file.Add() != 0)
        return FALSE;
    if (m_stamps)
        m_stamps->emplace(qwStamp, dwKey);
    p.m_dwDbKey = dwKey;
    p.m_qwDbStamp = qwStamp;
    MarkInStep(p);
    // All he holds is in the record now.
    p.m_pDbPending.reset();
    return TRUE;
}

void CPlayerDatabase::MeetRecord(CPlayer& p, bool bFoundElsewhere, bool bByStamp)
{
    // Of a damaged detail of the record he keeps his own: no difference to tell of.
    CSharedDetails record = m_file;
    KeepSoundDetails(record, p);
    bool bMine[SD_COUNT] = {}, bTheirs[SD_COUNT] = {}, bSame[SD_COUNT] = {};
    ForEachSharedDetail(
        [&](int n, const auto& mine, const auto& theirs) {
            bMine[n] = Held(mine);
            bTheirs[n] = Held(theirs);
            bSame[n] = mine == theirs;
        },
        p, record);
    bMine[SD_FLAGS] = bTheirs[SD_FLAGS] = true;
    bSame[SD_FLAGS] = SharedFlags(p.m_wFlags) == SharedFlags(record.m_wFlags);
    // A date is one detail: held when any part is, taken or written whole.
    std::vector<DWORD> details;
    const DWORD dwExpiry = Bit(SD_EXPIRY_DAY) | Bit(SD_EXPIRY_MONTH) | Bit(SD_EXPIRY_YEAR);
    const DWORD dwBirth = Bit(SD_BIRTH_DAY) | Bit(SD_BIRTH_MONTH) | Bit(SD_BIRTH_YEAR);
    for (int n = 0; n < SD_COUNT; ++n)
        if (!(Bit(n) & (dwExpiry | dwBirth)))
            details.push_back(Bit(n));
    details.push_back(dwExpiry);
    details.push_back(dwBirth);
    const CDbInStep& step = p.m_dbInStep;
    // His own record, known by its stamp, met by a copy that knows the database it was in step with:
    // the copy dates what the league typed since, and a value it holds without a time it took from
    // a record or gave that record when he was added. No change of the league's, it is never
    // written, nor named. (A record found under another key, or known for his by his details alone,
    // one an earlier release rewrote, may never have had the league's values: they are named.)
    const bool bKnowsTyping = step.m_qwDatabase != 0 && !bFoundElsewhere && bByStamp;
    // Met in the database his copy was last in step with (gone back to an older state, a copy of its
    // files put back, or the copy's mark of it damaged): a value of his that the record holds
    // otherwise, not typed later, was in it and was changed there since. A record whose time is not
    // known (made again from a copy that knew none) shows no such change.
    const bool bSameDatabase = bKnowsTyping && InStepWithThisDatabase(p) && m_file.m_nTypedBy != 0;
    // A value not waiting was in the record his copy was last in step with: typed by then, at the
    // latest. A time no clock gives tells nothing.
    auto typedBy = [&step](LONGLONG t) {
        if (!IsSoundTime(t))
            return LONGLONG{0};
        return step.m_nRecordTypedBy != 0 ? std::min(t, step.m_nRecordTypedBy) : t;
    };
    const DWORD dwWaiting = p.m_pDbPending ? p.m_pDbPending->m_dwDetails : 0;
    DWORD dwWrite = 0, dwLater = 0, dwNotKept = 0;
    for (const DWORD dw : details) {
        bool bAnyMine = false, bAnyTheirs = false, bAllSame = true, bTyped = false;
        LONGLONG nTyped = 0;
        for (int n = 0; n < SD_COUNT; ++n)
            if (dw & Bit(n)) {
                bAnyMine = bAnyMine || bMine[n];
                bAnyTheirs = bAnyTheirs || bTheirs[n];
                bAllSame = bAllSame && bSame[n];
                bTyped = bTyped || step.m_nTyped[n] != 0;
                nTyped = std::max(nTyped, typedBy(step.m_nTyped[n]));
            }
        if ((dw & dwWaiting) || bAllSame)
            continue;
        // The change typed later stands, whichever side holds it.
        if (nTyped != 0 && m_file.m_nTypedBy != 0 && nTyped > m_file.m_nTypedBy)
            dwLater |= dw;
        else if (bFoundElsewhere && !bAnyTheirs)
            dwWrite |= dw;  // a record that never knew him lacks it
        else if (!bTyped && (bKnowsTyping || !bAnyMine))
            continue;  // he takes the record's
        else if (bSameDatabase)
            continue;  // the record's is the later
        else
            dwNotKept |= dw;
    }
    if (dwNotKept)
        m_report.notKept.push_back({p.m_strName, dwNotKept, p, record});
    if (dwLater)
        m_typedLater[&p] = {p.m_strName, dwLater, p, record};
    dwWrite |= dwLater;
    if (!dwWrite)
        return;
    // They wait as any change of the league's does, the record holding the values they replace:
    // Exchange writes them, when it is not written meanwhile.
    if (!p.m_pDbPending)
        p.m_pDbPending = std::make_unique<CDbPending>();
    CDbPending& w = *p.m_pDbPending;
    ForEachSharedDetail(
        [dwWrite](int n, const auto& theirs, auto& base) {
            if (dwWrite & Bit(n))
                base = theirs;
        },
        static_cast<const CSharedDetails&>(m_file), w.m_base);
    if (dwWrite & Bit(SD_FLAGS))
        w.m_base.m_wFlags = m_file.m_wFlags;
    for (int n = 0; n < SD_COUNT; ++n)
        if (dwWrite & Bit(n))
            w.m_nTyped[n] = IsSoundTime(step.m_nTyped[n]) ? step.m_nTyped[n] : 0;
    w.m_dwDetails |= dwWrite;
}

BOOL CPlayerDatabase::SettleLinks(const std::vector<CPlayer*>& check, const CObList* pLeague,
                                  std::vector<CPlayer*>& settled)
{
    settled.clear();
    m_stamps.reset();
    m_met.clear();
    m_typedLater.clear();
    // The record of each key some bowler holds: the league's bowlers outside this pass hold theirs.
    std::unordered_map<DWORD, CPlayer*> held;
    const std::unordered_set<const CPlayer*> checked(check.begin(), check.end());
    if (pLeague)
        for (POSITION pos = pLeague->GetHeadPosition(); pos;) {
            auto* q = static_cast<CPlayer*>(pLeague->GetNext(pos));
            if (q->m_dwDbKey != 0 && !checked.count(q))
                held.emplace(q->m_dwDbKey, q);
        }
    // Two bowlers naming one key in the file, not one who was linked to it in this pass.
    std::unordered_map<const CPlayer*, DWORD> named;
    for (const CPlayer* p : check)
        named.emplace(p, p->m_dwDbKey);
    for (const auto& [dwKey, p] : held)
        named.emplace(p, dwKey);
    auto hold = [&](CPlayer* p) {
        held[p->m_dwDbKey] = p;
        settled.push_back(p);
    };
    // His own record, positioned on: his copy may have been last in step with another.
    auto meetIfNotInStep = [&](CPlayer* p, bool bByStamp) {
        if (IsInStep(*p))
            return;
        MeetRecord(*p, false, bByStamp);
        m_met.insert(p);
    };
    // First the bowlers whose stamp the record under their key carries, then those matched there
    // as plainly the same person, so that a bowler named by another's damaged key keeps his record.
    std::vector<CPlayer*> open;
    for (CPlayer* p : check) {
        if (p->m_dwDbKey == 0)
            continue;
        if (FindDbasePlayer(p->m_dwDbKey) == 0 && p->m_qwDbStamp != 0 && m_file.m_qwStamp == p->m_qwDbStamp &&
            !held.count(p->m_dwDbKey)) {
            hold(p);
            meetIfNotInStep(p, true);
        } else
            open.push_back(p);
    }
    // The name a record gives a bowler met under his key, in the order the league shows names,
    // where it is not the name the league showed.
    auto recordName = [this](const CPlayer& p) {
        const bool bSurnameFirst = p.m_strName == p.m_strSurname + " " + p.m_strFirstName;
        const CString strName = bSurnameFirst ? m_file.m_strSurname + " " + m_file.m_strFirstName
                                              : m_file.m_strFirstName + " " + m_file.m_strSurname;
        return SameName(strName, p.m_strName) ? CString() : strName;
    };
    std::vector<CPlayer*> elsewhere;
    for (CPlayer* p : open) {
        // Looked for before the record under his key is read: the look walks the table.
        const bool bStampElsewhere = p->m_qwDbStamp != 0 && KeyOfStamp(p->m_qwDbStamp) != 0;
        const bool bAtKey =
            FindDbasePlayer(p->m_dwDbKey) == 0 && !held.count(p->m_dwDbKey) && IsHisRecord(*p, pLeague);
        // His stamp but for a byte the league file damaged.
        const bool bByStamp = bAtKey && p->m_qwDbStamp != 0 && m_file.m_qwStamp != 0;
        // Met as an earlier version's link is, plainly the same person: nothing to tell. Else the
        // league file did not show the record his (a stamp or a name damaged, the record renamed).
        const bool bTold = bAtKey && !((p->m_qwDbStamp == 0 || m_file.m_qwStamp == 0) &&
                                       (PlainlySamePerson(KnownOfRecord(*p), m_file) ||
                                        PlainlySamePerson(*p, m_file)));
        // His stamp on another record: that one is his.
        if (bAtKey && !(m_file.m_qwStamp == 0 && bStampElsewhere)) {
            if (bTold) {
                m_report.met.push_back({p->m_strName, recordName(*p), p->m_dwDbKey});
                // The notice names him by the record's names: a name the file damaged, or one an
                // earlier version's rename left, is no value of the league's not kept.
                p->m_strFirstName = m_file.m_strFirstName;
                p->m_strSurname = m_file.m_strSurname;
            }
            TakeStamp(*p, p->m_dwDbKey);
            hold(p);
            if (FindDbasePlayer(p->m_dwDbKey) == 0)
                meetIfNotInStep(p, bByStamp);
        } else
            elsewhere.push_back(p);
    }
    BOOL bAll = TRUE;
    for (CPlayer* p : elsewhere) {
        const auto holder = held.find(p->m_dwDbKey);
        if (holder != held.end() && named[holder->second] == p->m_dwDbKey && FindDbasePlayer(p->m_dwDbKey) == 0)
            m_report.sharedWith.emplace_back(p->GetFilePlace(), holder->second->GetFilePlace());
        DWORD dwKey = p->m_qwDbStamp != 0 ? KeyOfStamp(p->m_qwDbStamp) : 0;
        if (dwKey != 0 && held.count(dwKey))
            dwKey = 0;
        CDbReport::CNamedRecord probable{p->m_strName, CString(), 0};
        if (dwKey == 0) {
            dwKey = FindSamePerson(*p, held, &probable);
            if (dwKey != 0)
                TakeStamp(*p, dwKey);
        }
        if (dwKey != 0) {
            p->m_dwDbKey = dwKey;
            m_report.relinked.push_back(p->m_strName);
            if (FindDbasePlayer(dwKey) == 0) {
                MeetRecord(*p, true);
                m_met.insert(p);
            }
        } else if (AddAsRecord(*p, !held.count(p->m_dwDbKey), KnownTypedBy(*p))) {
            m_report.added.push_back(p->m_strName);
            if (probable.dwKey != 0)
                m_report.probable.push_back(probable);
        } else {
            bAll = FALSE;
            continue;
        }
        hold(p);
    }
    m_stamps.reset();
    return bAll;
}

// ---------------------------------------------------------------- waiting details

void CPlayerDatabase::NoteChanges(const CPlayer& before, CPlayer& p, CPlayerDatabase* pDb, DWORD dwConfirmed)
{
    if (p.m_dwDbKey == 0)
        return;
    DWORD dwChanged = p.m_pDbPending ? dwConfirmed & p.m_pDbPending->m_dwDetails : 0;
    ForEachSharedDetail(
        [&dwChanged](int n, const auto& was, const auto& now) {
            if (was != now)
                dwChanged |= Bit(n);
        },
        before, p);
    if (SharedFlags(before.m_wFlags) != SharedFlags(p.m_wFlags))
        dwChanged |= Bit(SD_FLAGS);
    if (!dwChanged)
        return;
    if (!p.m_pDbPending)
        p.m_pDbPending = std::make_unique<CDbPending>();
    CDbPending& w = *p.m_pDbPending;
    // What the record holds now is older than this change. Unreadable, or not his, the record is
    // taken to hold what the league last knew of it: what it held or showed before its change,
    // or, for a detail already waiting, what it knew at that detail's first change.
    // His record as the league knew it before this change, or as he is now: a change of where he
    // lives, typed now, leaves the record his.
    const bool bRead = pDb && pDb->IsOpen() && pDb->FindDbasePlayer(p.m_dwDbKey) == 0 &&
                       (pDb->IsHisRecord(before) || pDb->IsHisRecord(p));
    const CSharedDetails& knew = bRead ? static_cast<const CSharedDetails&>(pDb->m_file) : before;
    const DWORD dwBase = bRead ? dwChanged : dwChanged & ~w.m_dwDetails;
    // A detail waiting whose base is not known (it holds the league's value) stays so.
    ForEachSharedDetail(
        [dwBase, dwChanged](int n, const auto& theirs, const auto& was, const auto& now, auto& base) {
            if (dwBase & Bit(n))
                base = theirs;
            else if ((dwChanged & Bit(n)) && base == was)
                base = now;
        },
        knew, before, p, w.m_base);
    if (dwBase & Bit(SD_FLAGS))
        w.m_base.m_wFlags = knew.m_wFlags;
    else if ((dwChanged & Bit(SD_FLAGS)) && SharedFlags(w.m_base.m_wFlags) == SharedFlags(before.m_wFlags))
        w.m_base.m_wFlags = p.m_wFlags;
    const LONGLONG nNow = Now();
    for (int n = 0; n < SD_COUNT; ++n)
        if (dwChanged & Bit(n))
            w.m_nTyped[n] = p.m_dbInStep.m_nTyped[n] = nNow;
    w.m_dwDetails |= dwChanged;
    // Typed now: dated, and news if it cannot be written; no longer as the league file had it.
    w.m_dwTimeUnsound &= ~dwChanged;
    w.m_dwDamageTold &= ~dwChanged;
    w.m_asRead.dwEntry &= ~dwChanged;
    w.m_asRead.dwEntryAlone &= ~dwChanged;
    w.m_asRead.dwMarksAlone &= ~dwChanged;
}

namespace {

constexpr DWORD kDates[] = {Bit(SD_EXPIRY_DAY) | Bit(SD_EXPIRY_MONTH) | Bit(SD_EXPIRY_YEAR),
                            Bit(SD_BIRTH_DAY) | Bit(SD_BIRTH_MONTH) | Bit(SD_BIRTH_YEAR)};

// Every part of each date of which dw holds a part.
DWORD DatesOf(DWORD dw)
{
    DWORD dwDates = 0;
    for (const DWORD dwDate : kDates)
        dwDates |= (dw & dwDate) ? dwDate : 0;
    return dwDates;
}

// The details of dwWhich in which a and b differ (of the flag word its shared bits).
DWORD Differing(const CSharedDetails& a, const CSharedDetails& b, DWORD dwWhich = CDbPending::kAllDetails)
{
    DWORD dw = SharedFlags(a.m_wFlags) != SharedFlags(b.m_wFlags) ? Bit(SD_FLAGS) : 0;
    ForEachSharedDetail(
        [&dw](int n, const auto& x, const auto& y) {
            if (!(x == y))
                dw |= Bit(n);
        },
        a, b);
    return dw & dwWhich;
}

// The details of dwWhich whose value in `knew` is the record's own: what the league knew of it
// when it typed them, the record untouched since.
DWORD AsKnown(const CSharedDetails& record, const CSharedDetails& knew, DWORD dwWhich)
{
    return dwWhich & ~Differing(record, knew, dwWhich);
}

} // namespace

DWORD CPlayerDatabase::UnprovenWithoutMarks(const CPlayer& p, DWORD dwEntry) const
{
    const CDbPending& w = *p.m_pDbPending;
    // Its bases show the damage: one the record holds as another detail (read out of step, and all of
    // the entry so), or, of a detail the record holds otherwise than the league, one holding the
    // league's own value (no change at all) or one a byte from the record's (a number's too: without
    // marks, nothing tells another league's change of it from a damaged byte).
    const bool bOutOfStep = ReadOutOfStep(w, dwEntry, m_file);
    DWORD dwSigns = 0;
    const DWORD dwDiffer = Differing(p, m_file, dwEntry);
    ForEachSharedDetail(
        [&](int n, const auto& mine, const auto& theirs, const auto& knew) {
            if (!(dwEntry & Bit(n)))
                return;
            if ((dwDiffer & Bit(n)) && (knew == mine || OneByteOffUndated(knew, theirs)))
                dwSigns |= Bit(n);
        },
        p, m_file, w.m_base);
    if ((dwDiffer & Bit(SD_FLAGS)) && SharedFlags(w.m_base.m_wFlags) == SharedFlags(p.m_wFlags))
        dwSigns |= Bit(SD_FLAGS);
    // A date is one detail: one named in part, its other parts held otherwise than the record, was
    // named so by a damaged mark (or which part is whose cannot be told).
    for (const DWORD dwDate : kDates)
        if ((dwEntry & dwDate) && !(w.m_dwDetails & dwDate & ~dwEntry) && Differing(p, m_file, dwDate & ~dwEntry))
            dwSigns |= dwDate;
    if (!bOutOfStep && !dwSigns)
        return 0;
    // Damaged so, only a value whose base the record still holds, read in step, shows a change of the
    // league's; a date is written or not as a whole.
    const DWORD dwUnproven = dwEntry & ~(bOutOfStep ? 0 : AsKnown(m_file, w.m_base, dwEntry) & ~dwSigns);
    return dwUnproven | (DatesOf(dwUnproven) & dwEntry);
}

void CPlayerDatabase::WeighAsRead(CPlayer& p)
{
    CDbPending& w = *p.m_pDbPending;
    const CDbPending::CAsRead read = w.m_asRead;
    w.m_asRead = CDbPending::CAsRead();
    const DWORD dwEntry = read.dwEntry & w.m_dwDetails;
    DWORD dwUnproven = 0;
    if (read.bUnwitnessed)
        dwUnproven = UnprovenWithoutMarks(p, dwEntry);
    else {
        // The entry and the copy's marks disagree, one of them damaged. Where the record still holds
        // what the entry says it held of each detail the marks do not date, of a value the league
        // holds otherwise, the entry is whole: the marks were damaged, and what they alone date was
        // never typed. Otherwise the entry was read out of step: what it alone names was not typed,
        // what the marks date was, and what the record held when it was typed is not known.
        const DWORD dwAlone = read.dwEntryAlone & w.m_dwDetails;
        const bool bEntryWhole = dwAlone != 0 && (AsKnown(m_file, w.m_base, dwAlone) & Differing(p, m_file)) == dwAlone;
        if (!bEntryWhole)
            w.ForgetBase(dwEntry, p);
        dwUnproven = dwAlone != 0 && !bEntryWhole ? dwAlone : read.dwMarksAlone;
    }
    dwUnproven &= w.m_dwDetails;
    if (!dwUnproven)
        return;
    w.m_dwDetails &= ~dwUnproven;
    // Named where the league held another value than the record, with a date's parts that wait for
    // nothing; the record's stands.
    if (const DWORD dwNamed = Differing(p, m_file, dwUnproven | (DatesOf(dwUnproven) & ~w.m_dwDetails)))
        m_report.unproven.push_back({p.m_strName, dwNamed, p, m_file});
}

int CPlayerDatabase::Exchange(CPlayer& p)
{
    if (p.m_pDbPending && p.m_pDbPending->m_asRead.Any())
        WeighAsRead(p);
    const DWORD dwWaiting = p.m_pDbPending ? p.m_pDbPending->m_dwDetails : 0;
    // A waiting detail goes where the record holds it as the league knew it; one the record holds
    // otherwise another league changed since, and the record's stands, unless the league's value
    // was typed after every detail the record holds. Where the league file's entry was damaged
    // (what the record held cannot be told, or when the league typed it) and the record's own time
    // does not show such a change, the detail waits on in the league, told once.
    DWORD dwWrite = 0, dwDropped = 0, dwDamaged = 0;
    if (dwWaiting) {
        CDbPending& w = *p.m_pDbPending;
        const LONGLONG nRecord = m_file.m_nTypedBy;
        // What the record was typed by when his copy was last in step with it, where that is known.
        const bool bStepKnown = InStepWithThisDatabase(p);
        const LONGLONG nStep = p.m_dbInStep.m_nRecordTypedBy;
        auto settle = [&](int n, bool bRecordHasOurs, bool bRecordAsWeKnewIt, bool bBaseDamaged) {
            if (!(dwWaiting & Bit(n)) || bRecordHasOurs)
                return;
            const LONGLONG nTyped = w.m_nTyped[n];
            const bool bUnsound = (w.m_dwTimeUnsound & Bit(n)) != 0;
            if (bRecordAsWeKnewIt || (nTyped != 0 && !bUnsound && nRecord != 0 && nTyped > nRecord)) {
                dwWrite |= Bit(n);
                return;
            }
            // Nothing typed on the record since his copy was in step: nobody changed it after the
            // league did.
            const bool bUntouched = bStepKnown && nRecord <= nStep;
            if (bBaseDamaged) {
                (bUntouched ? dwWrite : dwDamaged) |= Bit(n);
                return;
            }
            // The league's change dated, the record's later time shows another's since; undated, so
            // does a record typed since his copy was in step, or (a file of an earlier version) its
            // holding another value than the league knew.
            const bool bChangedSince = (nTyped != 0 && !bUnsound) || (bStepKnown ? !bUntouched : !bUnsound);
            (bChangedSince ? dwDropped : dwDamaged) |= Bit(n);
        };
        // A base the record holds as another detail was read out of step, from that detail's bytes:
        // so was the rest of the entry.
        const bool bOutOfStep = ReadOutOfStep(w, dwWaiting, m_file);
        // The base holding the league's own value: not known (BowlingDocFile.cpp). A text one byte
        // from the record's: that byte was damaged.
        ForEachSharedDetail(
            [&](int n, const auto& theirs, const auto& mine, const auto& knew) {
                settle(n, theirs == mine, theirs == knew, bOutOfStep || knew == mine || OneByteOff(knew, theirs));
            },
            m_file, p, w.m_base);
        const WORD wTheirs = SharedFlags(m_file.m_wFlags), wKnew = SharedFlags(w.m_base.m_wFlags);
        settle(SD_FLAGS, wTheirs == SharedFlags(p.m_wFlags), wTheirs == wKnew,
               bOutOfStep || wKnew == SharedFlags(p.m_wFlags));
        // Waiting on with a base not known, the file keeps each as it is settled now.
        w.ForgetBase(dwDamaged, p);
        const DWORD dwTell = dwDamaged & ~w.m_dwDamageTold;
        if (dwTell)
            m_report.damaged.push_back({p.m_strName, dwTell, p, m_file});
        w.m_dwDamageTold |= dwDamaged;
    }
    if (dwDropped)
        m_report.dropped.push_back({p.m_strName, dwDropped, p, m_file});
    DWORD dwKeep = dwDamaged;
    int nResult = 0;
    if (dwWrite) {
        LONGLONG nTypedBy = m_file.m_nTypedBy;
        for (int n = 0; n < SD_COUNT; ++n)
            if (dwWrite & Bit(n)) {
                // A value of unknown date was typed before now, at the latest.
                const LONGLONG nTyped = IsSoundTime(p.m_pDbPending->m_nTyped[n]) ? p.m_pDbPending->m_nTyped[n] : 0;
                nTypedBy = std::max(nTypedBy, nTyped != 0 ? nTyped : Now());
            }
        TakeDetails(dwWrite, m_file, p);
        m_file.m_nTypedBy = nTypedBy;
        if (m_file.Rewrite() != 0) {
            // They wait on; the record's other details are as it holds them.
            dwKeep |= dwWrite;
            nResult = -1;
        } else {
            for (int n = 0; n < SD_COUNT; ++n)
                m_report.nWritten += (dwWrite & Bit(n)) ? 1 : 0;
        }
    }
    if (const auto later = m_typedLater.find(&p); later != m_typedLater.end()) {
        CDbReport::CDropped written = later->second;
        written.dwDetails &= dwWrite & ~dwKeep;
        if (written.dwDetails)
            m_report.typedLater.push_back(written);
        m_typedLater.erase(later);
    }
    CopyFromRecord(p, dwKeep);
    if (dwKeep)
        p.m_pDbPending->m_dwDetails = dwKeep;
    else {
        p.m_pDbPending.reset();
        MarkInStep(p);
    }
    return nResult;
}

int CPlayerDatabase::SyncPlayer(CPlayer& p, const CObList* pLeague)
{
    CIndexedFile::CUse use(m_file);
    if (!use || p.m_dwDbKey == 0)
        return -1;
    std::vector<CPlayer*> settled;
    if (!SettleLinks({&p}, pLeague, settled) || FindDbasePlayer(p.m_dwDbKey) != 0)
        return -1;
    return Exchange(p);
}

int CPlayerDatabase::SyncPlayers(const CObList& players, BOOL bWaitingOnly, BOOL bSurnameFirst)
{
    CIndexedFile::CUse use(m_file);
    if (!use)
        return -1;
    std::vector<CPlayer*> check, settled;
    for (POSITION pos = players.GetHeadPosition(); pos;) {
        auto* p = static_cast<CPlayer*>(players.GetNext(pos));
        if (p->m_dwDbKey != 0 && (!bWaitingOnly || p->m_pDbPending))
            check.push_back(p);
    }
    int nResult = SettleLinks(check, &players, settled) ? 0 : -1;
    for (CPlayer* p : settled) {
        if (FindDbasePlayer(p->m_dwDbKey) != 0 || Exchange(*p) != 0)
            nResult = -1;
        p->MakeDisplayName(bSurnameFirst);
    }
    return nResult;
}

CDbReport CPlayerDatabase::TakeReport()
{
    CDbReport report = std::move(m_report);
    m_report = CDbReport();
    return report;
}

int CPlayerDatabase::PutDbaseChanges(const CPlayer& before, CPlayer* pPlayer, DWORD& bStopReporting,
                                     const CObList* pLeague, DWORD dwConfirmed)
{
    if (!pPlayer)
        return -1;
    {
        // Noted and written under one lock: nobody writes the record between the two.
        CIndexedFile::CUse use(m_file);
        NoteChanges(before, *pPlayer, this, dwConfirmed);
        if (!use)
            return -1;
        if (pPlayer->m_dwDbKey != 0)
            return SyncPlayer(*pPlayer, pLeague);
    }
    // A bowler without a record may be asked about similar names, which is never done while
    // other programs wait on the lock.
    return PutDbasePlayer(pPlayer, bStopReporting, pLeague);
}

int CPlayerDatabase::PutDbasePlayer(CPlayer* pPlayer, DWORD& bStopReporting, const CObList* pLeague,
                                    DWORD dwDefaulted)
{
    if (!pPlayer || !m_file.IsOpen())
        return -1;
    if (pPlayer->m_dwDbKey != 0)
    {
        CIndexedFile::CUse use(m_file);
        if (!use)
            return -1;
        std::vector<CPlayer*> settled;
        if (!SettleLinks({pPlayer}, pLeague, settled))
            return -1;
        if (FindDbasePlayer(pPlayer->m_dwDbKey) != 0)
            return -1;
        // Just linked to a record the league's copy never followed: the record's details stand.
        if (m_met.count(pPlayer))
            return Exchange(*pPlayer);
        CopyToRecord(*pPlayer);
        m_file.m_nTypedBy = Now();
        if (m_file.Rewrite() != 0)
            return -1;
        pPlayer->m_pDbPending.reset();
        MarkInStep(*pPlayer);
        return 0;
    }

    CDWordArray similar;
    if (!bStopReporting)
        FindSimilarNames(pPlayer->m_strFirstName, pPlayer->m_strSurname, similar);
    int nAnswer = 0;
    // The secretary answers with the files free: other programs go on meanwhile.
    if (similar.GetSize() > 0 && m_similarHook)
        nAnswer = m_similarHook(pPlayer->m_strFirstName + " " + pPlayer->m_strSurname, similar, bStopReporting);
    CIndexedFile::CUse use(m_file);
    if (!use)
        return -1;
    if (nAnswer > 0 && nAnswer <= similar.GetSize())
        return TakeChosenRecord(*pPlayer, similar[nAnswer - 1], dwDefaulted);
    pPlayer->m_qwDbStamp = 0;
    return AddAsRecord(*pPlayer, FALSE, Now()) ? 0 : -1;
}

int CPlayerDatabase::TakeChosenRecord(CPlayer& p, DWORD dwKey, DWORD dwDefaulted)
{
    if (FindDbasePlayer(dwKey) != 0)
        return -1;
    // Chosen by its name, the record names him. A damaged detail of it gives him none of the damage.
    CSharedDetails record = m_file;
    KeepSoundDetails(record, p);
    p.m_strFirstName = record.m_strFirstName;
    p.m_strSurname = record.m_strSurname;
    TakeDetails(dwDefaulted, p, record);
    p.m_qwDbStamp = 0;
    p.m_pDbPending.reset();
    TakeStamp(p, dwKey);
    if (p.m_dwDbKey != dwKey || FindDbasePlayer(dwKey) != 0)
        return -1;
    // What he was given that the record holds otherwise was typed for a new bowler, not as a
    // change of the record's: reported as such.
    const auto nBefore = static_cast<std::ptrdiff_t>(m_report.notKept.size());
    MeetRecord(p, true);
    std::move(m_report.notKept.begin() + nBefore, m_report.notKept.end(), std::back_inserter(m_report.chosenKept));
    m_report.notKept.erase(m_report.notKept.begin() + nBefore, m_report.notKept.end());
    return Exchange(p);
}
