#include "playerdb/PlayerDatabase.h"

#include "league/Player.h"

CPlayerDatabase::CPlayerDatabase() = default;

BOOL CPlayerDatabase::Open(const char* pszDirectory)
{
    m_strDirectory = pszDirectory ? pszDirectory : "";
    m_bWanted = TRUE;
    m_bClosedForPrinting = FALSE;
    return m_file.OpenIn(m_strDirectory);
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
    return m_file.OpenIn(m_strDirectory);
}

BOOL CPlayerDatabase::ReopenLost()
{
    return IsLost() && m_file.OpenIn(m_strDirectory);
}

int CPlayerDatabase::FindDbasePlayer(DWORD dwKey)
{
    m_file.Clear();
    if (m_file.SelectIndex("Key") != 0)
        return -1;
    m_file.m_dwKey = dwKey;
    return m_file.Find() == 0 ? 0 : -1;
}

int CPlayerDatabase::GetDbasePlayer(CPlayer* pPlayer, BOOL bSurnameFirst)
{
    if (!pPlayer || pPlayer->m_dwDbKey == 0 || FindDbasePlayer(pPlayer->m_dwDbKey) != 0)
        return -1;
    CopyFromRecord(*pPlayer);
    pPlayer->MakeDisplayName(bSurnameFirst);
    return 0;
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

} // namespace

void CPlayerDatabase::CopyFromRecord(CPlayer& p, DWORD dwKeep) const
{
    // A damaged record gives him none of its damage: of such a detail he keeps his own.
    CSharedDetails record = m_file;
    KeepSoundDetails(record, p);
    ForEachSharedDetail(
        [dwKeep](int n, const auto& theirs, auto& mine) {
            if (!(dwKeep & Bit(n)))
                mine = theirs;
        },
        record, p);
    // What the league decided about him (excluded, a reserve...) is not the record's to say:
    // another league wrote its own.
    if (!(dwKeep & Bit(SD_FLAGS)))
        p.m_wFlags = static_cast<WORD>(SharedFlags(record.m_wFlags) | (p.m_wFlags & PF_LEAGUE_OWN));
}

void CPlayerDatabase::CopyToRecord(const CPlayer& p)
{
    ForEachSharedDetail([](int, auto& theirs, const auto& mine) { theirs = mine; }, m_file, p);
    m_file.m_wFlags = static_cast<WORD>(p.m_wFlags & ~PF_RESIGNED);
}

void CPlayerDatabase::TakeFromLinkedRecord(CPlayer& p) const
{
    // The bowler linked to a record is that record's person: he takes its names, and what the
    // secretary left blank is the record's, so that writing the league's copy back renames
    // nobody and blanks nothing out. Nothing a bowler may not hold comes with them.
    CSharedDetails r = m_file;
    MendDetails(r);
    p.m_strFirstName = r.m_strFirstName;
    p.m_strSurname = r.m_strSurname;
    auto take = [](CString& mine, const CString& theirs) {
        if (mine.IsEmpty())
            mine = theirs;
    };
    for (int i = 0; i < 5; ++i)
        take(p.m_strAddress[i], r.m_strAddress[i]);
    take(p.m_strPhoneHome, r.m_strPhoneHome);
    take(p.m_strPhoneWork, r.m_strPhoneWork);
    take(p.m_strPhoneMobile, r.m_strPhoneMobile);
    take(p.m_strMembershipNo, r.m_strMembershipNo);
    take(p.m_strUserData1, r.m_strUserData1);
    take(p.m_strUserData2, r.m_strUserData2);
    if (p.m_nMembershipType == 0)
        p.m_nMembershipType = r.m_nMembershipType;
    if (p.m_nBirthDay == 0 && p.m_nBirthMonth == 0 && p.m_nBirthYear == 0) {
        p.m_nBirthDay = r.m_nBirthDay;
        p.m_nBirthMonth = r.m_nBirthMonth;
        p.m_nBirthYear = r.m_nBirthYear;
    }
    if (p.m_nExpiryDay == 0 && p.m_nExpiryMonth == 0 && p.m_nExpiryYear == 0) {
        p.m_nExpiryDay = r.m_nExpiryDay;
        p.m_nExpiryMonth = r.m_nExpiryMonth;
        p.m_nExpiryYear = r.m_nExpiryYear;
    }
}

void CPlayerDatabase::FindSimilarNames(const CString& strFirstName, const CString& strSurname, CDWordArray& keys)
{
    keys.RemoveAll();
    if (strSurname.IsEmpty() || m_file.SelectIndex("Sname") != 0)
        return;
    m_file.Clear();
    m_file.m_strSurname = strSurname;
    if (m_file.Find() != 0)
        return;
    CString strInitial = strFirstName.Left(1);
    do
    {
        if (m_file.m_strSurname.CompareNoCase(strSurname) != 0)
            break;
        if (m_file.m_strFirstName.Left(1).CompareNoCase(strInitial) == 0)
            keys.Add(m_file.m_dwKey);
    } while (m_file.Next(1) == 0);
}

void CPlayerDatabase::NoteChanges(const CPlayer& before, CPlayer& p, CPlayerDatabase* pDb)
{
    if (p.m_dwDbKey == 0)
        return;
    DWORD dwChanged = 0;
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
    // What the record holds now is older than this change. Unreadable, the record is taken to
    // hold what the league last knew of it: what it held or showed before its change, or, for a
    // detail already waiting, what it knew at that detail's first change.
    const bool bRead = pDb && pDb->IsOpen() && pDb->FindDbasePlayer(p.m_dwDbKey) == 0;
    const CSharedDetails& knew = bRead ? static_cast<const CSharedDetails&>(pDb->m_file) : before;
    const DWORD dwBase = bRead ? dwChanged : dwChanged & ~w.m_dwDetails;
    ForEachSharedDetail(
        [dwBase](int n, const auto& theirs, auto& base) {
            if (dwBase & Bit(n))
                base = theirs;
        },
        knew, w.m_base);
    if (dwBase & Bit(SD_FLAGS))
        w.m_base.m_wFlags = knew.m_wFlags;
    w.m_dwDetails |= dwChanged;
}

int CPlayerDatabase::SyncPlayer(CPlayer& p)
{
    CIndexedFile::CUse use(m_file);
    if (!use || p.m_dwDbKey == 0)
        return -1;
    if (FindDbasePlayer(p.m_dwDbKey) != 0)
        return 0;
    const DWORD dwWaiting = p.m_pDbPending ? p.m_pDbPending->m_dwDetails : 0;
    // A waiting detail goes where the record holds it as the league knew it; one the record holds
    // otherwise another league changed since, and the record's stands.
    DWORD dwWrite = 0;
    if (dwWaiting) {
        const CSharedDetails& base = p.m_pDbPending->m_base;
        auto settle = [&](int n, bool bRecordHasOurs, bool bRecordAsWeKnewIt) {
            if ((dwWaiting & Bit(n)) && !bRecordHasOurs && bRecordAsWeKnewIt)
                dwWrite |= Bit(n);
        };
        ForEachSharedDetail(
            [&](int n, const auto& theirs, const auto& mine, const auto& knew) {
                settle(n, theirs == mine, theirs == knew);
            },
            m_file, p, base);
        const WORD wTheirs = SharedFlags(m_file.m_wFlags);
        settle(SD_FLAGS, wTheirs == SharedFlags(p.m_wFlags), wTheirs == SharedFlags(base.m_wFlags));
    }
    DWORD dwKeep = 0;
    int nResult = 0;
    if (dwWrite) {
        ForEachSharedDetail(
            [dwWrite](int n, auto& theirs, const auto& mine) {
                if (dwWrite & Bit(n))
                    theirs = mine;
            },
            m_file, p);
        if (dwWrite & Bit(SD_FLAGS))
            m_file.m_wFlags = static_cast<WORD>((m_file.m_wFlags & PF_LEAGUE_OWN) | SharedFlags(p.m_wFlags));
        if (m_file.Rewrite() != 0) {
            // They wait on; the record's other details are as it holds them.
            dwKeep = dwWrite;
            nResult = -1;
        }
    }
    CopyFromRecord(p, dwKeep);
    if (dwKeep)
        p.m_pDbPending->m_dwDetails = dwKeep;
    else
        p.m_pDbPending.reset();
    return nResult;
}

int CPlayerDatabase::SyncPlayers(const CObList& players, BOOL bWaitingOnly, BOOL bSurnameFirst)
{
    CIndexedFile::CUse use(m_file);
    if (!use)
        return -1;
    int nResult = 0;
    for (POSITION pos = players.GetHeadPosition(); pos;) {
        auto* p = static_cast<CPlayer*>(players.GetNext(pos));
        if (p->m_dwDbKey == 0 || (bWaitingOnly && !p->m_pDbPending))
            continue;
        if (SyncPlayer(*p) != 0)
            nResult = -1;
        p->MakeDisplayName(bSurnameFirst);
    }
    return nResult;
}

int CPlayerDatabase::PutDbaseChanges(const CPlayer& before, CPlayer* pPlayer, DWORD& bStopReporting)
{
    if (!pPlayer)
        return -1;
    // Noted and written under one lock: nobody writes the record between the two.
    CIndexedFile::CUse use(m_file);
    NoteChanges(before, *pPlayer, this);
    if (!use)
        return -1;
    if (pPlayer->m_dwDbKey == 0 || FindDbasePlayer(pPlayer->m_dwDbKey) != 0)
        return PutDbasePlayer(pPlayer, bStopReporting);
    return SyncPlayer(*pPlayer);
}

int CPlayerDatabase::PutDbasePlayer(CPlayer* pPlayer, DWORD& bStopReporting)
{
    if (!pPlayer || !m_file.IsOpen())
        return -1;
    if (pPlayer->m_dwDbKey != 0)
    {
        // Looked up and written under one lock, on the indexes as the files hold them: only then
        // does a failed look-up say that his record has gone.
        CIndexedFile::CUse use(m_file);
        if (!use)
            return -1;
        const bool bHeld = FindDbasePlayer(pPlayer->m_dwDbKey) == 0;
        if (!bHeld)
        {
            // The record has gone from the table: put it back under the bowler's key.
            m_file.Clear();
            m_file.m_dwKey = pPlayer->m_dwDbKey;
        }
        CopyToRecord(*pPlayer);
        if ((bHeld ? m_file.Rewrite() : m_file.Add()) != 0)
            return -1;
        pPlayer->m_pDbPending.reset();
        return 0;
    }

    CDWordArray similar;
    if (!bStopReporting)
        FindSimilarNames(pPlayer->m_strFirstName, pPlayer->m_strSurname, similar);
    int nAnswer = 0;
    if (similar.GetSize() > 0 && m_similarHook)
        nAnswer = m_similarHook(pPlayer->m_strFirstName + " " + pPlayer->m_strSurname, similar, bStopReporting);
    if (nAnswer > 0 && nAnswer <= similar.GetSize())
    {
        // The bowler is that record's person: link, and write the league's details to it.
        pPlayer->m_dwDbKey = similar[nAnswer - 1];
        if (FindDbasePlayer(pPlayer->m_dwDbKey) != 0)
            return -1;
        TakeFromLinkedRecord(*pPlayer);
        CopyToRecord(*pPlayer);
        return m_file.Rewrite();
    }
    m_file.Clear();
    m_file.m_dwKey = m_file.NewKey();
    CopyToRecord(*pPlayer);
    if (m_file.m_dwKey == 0 || m_file.Add() != 0)
        return -1;
    pPlayer->m_dwDbKey = m_file.m_dwKey;
    return 0;
}
