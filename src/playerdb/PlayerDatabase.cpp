#include "playerdb/PlayerDatabase.h"

#include "league/Player.h"

CPlayerDatabase::CPlayerDatabase() = default;

BOOL CPlayerDatabase::Open(const char* pszDirectory)
{
    m_strDirectory = pszDirectory ? pszDirectory : "";
    m_bClosedForPrinting = FALSE;
    return m_file.OpenIn(m_strDirectory);
}

void CPlayerDatabase::Close()
{
    m_file.Close();
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

// Calls f with each detail the record holds beside its key and flag word, followed by the same
// detail of each bowler given.
template <class F, class R, class... P>
void ForEachRecordDetail(F f, R& r, P&... p)
{
    f(r.m_strSurname, p.m_strSurname...);
    f(r.m_strFirstName, p.m_strFirstName...);
    for (int i = 0; i < 4; ++i)
        f(r.m_strAddress[i], p.m_strAddress[i]...);
    f(r.m_strPostcode, p.m_strAddress[4]...);
    f(r.m_strPhoneHome, p.m_strPhoneHome...);
    f(r.m_strPhoneWork, p.m_strPhoneWork...);
    f(r.m_strPhoneMobile, p.m_strPhoneMobile...);
    f(r.m_strMembershipNo, p.m_strMembershipNo...);
    f(r.m_nMembershipType, p.m_nMembershipType...);
    f(r.m_nExpiryDay, p.m_nExpiryDay...);
    f(r.m_nExpiryMonth, p.m_nExpiryMonth...);
    f(r.m_nExpiryYear, p.m_nExpiryYear...);
    f(r.m_nBirthDay, p.m_nBirthDay...);
    f(r.m_nBirthMonth, p.m_nBirthMonth...);
    f(r.m_nBirthYear, p.m_nBirthYear...);
    f(r.m_strUserData1, p.m_strUserData1...);
    f(r.m_strUserData2, p.m_strUserData2...);
}

} // namespace

void CPlayerDatabase::CopyFromRecord(CPlayer& p) const
{
    ForEachRecordDetail([](const auto& theirs, auto& mine) { mine = theirs; }, m_file, p);
    // What the league decided about him (excluded, a reserve...) is not the record's to say:
    // another league wrote its own.
    p.m_wFlags = static_cast<WORD>((m_file.m_wFlags & ~PF_LEAGUE_OWN) | (p.m_wFlags & PF_LEAGUE_OWN));
}

void CPlayerDatabase::CopyToRecord(const CPlayer& p)
{
    ForEachRecordDetail([](auto& theirs, const auto& mine) { theirs = mine; }, m_file, p);
    m_file.m_wFlags = static_cast<WORD>(p.m_wFlags & ~PF_RESIGNED);
}

void CPlayerDatabase::TakeFromLinkedRecord(CPlayer& p) const
{
    // The bowler linked to a record is that record's person: he takes its names, and what the
    // secretary left blank is the record's, so that writing the league's copy back renames
    // nobody and blanks nothing out.
    const CPlayb003File& r = m_file;
    p.m_strFirstName = r.m_strFirstName;
    p.m_strSurname = r.m_strSurname;
    auto take = [](CString& mine, const CString& theirs) {
        if (mine.IsEmpty())
            mine = theirs;
    };
    for (int i = 0; i < 4; ++i)
        take(p.m_strAddress[i], r.m_strAddress[i]);
    take(p.m_strAddress[4], r.m_strPostcode);
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

int CPlayerDatabase::PutDbaseChanges(const CPlayer& before, CPlayer* pPlayer, DWORD& bStopReporting)
{
    if (!pPlayer || !m_file.IsOpen())
        return -1;
    if (pPlayer->m_dwDbKey == 0 || FindDbasePlayer(pPlayer->m_dwDbKey) != 0)
        return PutDbasePlayer(pPlayer, bStopReporting);
    bool bChanged = false;
    ForEachRecordDetail(
        [&bChanged](auto& theirs, const auto& was, const auto& now) {
            if (was != now) {
                theirs = now;
                bChanged = true;
            }
        },
        m_file, before, *pPlayer);
    const WORD wChangedFlags = static_cast<WORD>((before.m_wFlags ^ pPlayer->m_wFlags) & ~PF_RESIGNED);
    m_file.m_wFlags = static_cast<WORD>((m_file.m_wFlags & ~wChangedFlags) | (pPlayer->m_wFlags & wChangedFlags));
    if ((bChanged || wChangedFlags) && (m_file.Rewrite() != 0 || FindDbasePlayer(pPlayer->m_dwDbKey) != 0))
        return -1;
    // The league's copy follows the record, with what other leagues wrote in it.
    CopyFromRecord(*pPlayer);
    return 0;
}

int CPlayerDatabase::PutDbasePlayer(CPlayer* pPlayer, DWORD& bStopReporting)
{
    if (!pPlayer || !m_file.IsOpen())
        return -1;
    if (pPlayer->m_dwDbKey != 0)
    {
        if (FindDbasePlayer(pPlayer->m_dwDbKey) == 0)
        {
            CopyToRecord(*pPlayer);
            return m_file.Rewrite();
        }
        // The record has gone from the table: put it back under the bowler's key.
        m_file.Clear();
        m_file.m_dwKey = pPlayer->m_dwDbKey;
        CopyToRecord(*pPlayer);
        return m_file.Add();
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
    if (m_file.Add() != 0)
        return -1;
    pPlayer->m_dwDbKey = m_file.m_dwKey;
    return 0;
}
