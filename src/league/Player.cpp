#include "league/Player.h"

#include "framework/core/Archive.h"
#include "league/BowlingDoc.h"
#include "league/FileCheck.h"

#include <algorithm>
#include <cstring>
#include <vector>

IMPLEMENT_SERIAL(CPlayer, CObject, 1)

CPlayer::CPlayer() : CPlayer(0)
{
}

CPlayer::CPlayer(WORD nPlayerNo)
    : m_pDoc(nullptr), m_nPlayerNo(nPlayerNo), m_nPin(0), m_dwDbKey(0), m_nTeamNo(0), m_nRobot(0),
      m_nCategory(0), m_nEnteringAvg(0), m_nCurEnteringAvg(0), m_nEnteringGames(0),
      m_nEnteringPins(0), m_nMostImprovedBase(0), m_bShortSeason(0), m_bNotEligibleMostImproved(0),
      m_bRollingAvg(0), m_nHandicap(0), m_nAverage(0), m_nArrears(0)
{
    ResetFigures();
    m_nJuniorCategory = 0;
    m_nJuniorPosition = 0;
}

void CPlayer::ResetFigures()
{
    for (int s = 0; s < 2; ++s) {
        m_nGames[s] = m_nPins[s] = m_nWins[s] = m_nGamesOverAvg[s] = 0;
        m_nHighGame[s] = m_nHighSeries[s] = m_nHighGame2[s] = m_nHighSeries2[s] = 0;
        m_nBlindGames[s] = 0;
        m_nGamesBeforeSplit[s] = 0;
        for (int g = 0; g < 4; ++g)
            m_nBestGame[s][g] = 0;
        m_arrRolling[s].RemoveAll();
    }
    m_nHcpPins = 0;
    // Every recalculation switches the bowlers' averages to the rolling window by the
    // league's rule; a bowler read from a file before he joins a league keeps his own switch.
    if (m_pDoc)
        m_bRollingAvg = m_pDoc->RollingWindowGames() > 0 ? 1 : 0;
    m_dRankAverage = 0.0;
    std::memset(m_nVenuePins, 0, sizeof m_nVenuePins);
    std::memset(m_nVenueGames, 0, sizeof m_nVenueGames);
    m_nAvgBusterSeason = m_nAvgBusterRound = 0;
    m_nAvgBusterSeasonGames = m_nAvgBusterRoundGames = 0;
    m_nAvgBusterSeasonRank = m_nAvgBusterRoundRank = 0;
    m_nRank = 0;
    for (WORD& r : m_nHighRank)
        r = 0;
    m_nListNo = 0;
    m_bCountedInTeamTotal = 0;
    m_nAwardCount = 0;
    m_dwListedAwards = 0;
}

void CPlayer::CopyFrom(const CPlayer& o)
{
    m_nPlayerNo = o.m_nPlayerNo;
    m_nPin = o.m_nPin;
    m_dwDbKey = o.m_dwDbKey;
    m_qwDbStamp = o.m_qwDbStamp;
    m_dbInStep = o.m_dbInStep;
    m_nTeamNo = o.m_nTeamNo;
    m_nRobot = o.m_nRobot;
    m_nCategory = o.m_nCategory;
    m_strName = o.m_strName;
    static_cast<CSharedDetails&>(*this) = o;
    m_pDbPending = o.m_pDbPending ? std::make_unique<CDbPending>(*o.m_pDbPending) : nullptr;
    m_nEnteringAvg = o.m_nEnteringAvg;
    m_nCurEnteringAvg = o.m_nCurEnteringAvg;
    m_nEnteringGames = o.m_nEnteringGames;
    m_nEnteringPins = o.m_nEnteringPins;
    m_nMostImprovedBase = o.m_nMostImprovedBase;
    m_bShortSeason = o.m_bShortSeason;
    m_bNotEligibleMostImproved = o.m_bNotEligibleMostImproved;
    m_bRollingAvg = o.m_bRollingAvg;
    m_nHandicap = o.m_nHandicap;
    m_nAverage = o.m_nAverage;
    m_nArrears = o.m_nArrears;
}

bool CPlayer::IsSameAs(const CPlayer& o) const
{
    for (int i = 0; i < 5; ++i)
        if (m_strAddress[i] != o.m_strAddress[i])
            return false;
    return m_nPlayerNo == o.m_nPlayerNo && m_nPin == o.m_nPin && m_dwDbKey == o.m_dwDbKey &&
           m_qwDbStamp == o.m_qwDbStamp && m_dbInStep == o.m_dbInStep && m_nTeamNo == o.m_nTeamNo &&
           m_nRobot == o.m_nRobot && m_wFlags == o.m_wFlags &&
           m_nCategory == o.m_nCategory && m_strName == o.m_strName && m_strSurname == o.m_strSurname &&
           m_strFirstName == o.m_strFirstName && m_strPhoneHome == o.m_strPhoneHome &&
           m_strPhoneWork == o.m_strPhoneWork && m_strPhoneMobile == o.m_strPhoneMobile &&
           m_nBirthDay == o.m_nBirthDay && m_nBirthMonth == o.m_nBirthMonth && m_nBirthYear == o.m_nBirthYear &&
           m_strMembershipNo == o.m_strMembershipNo && m_nExpiryDay == o.m_nExpiryDay &&
           m_nExpiryMonth == o.m_nExpiryMonth && m_nExpiryYear == o.m_nExpiryYear &&
           m_nMembershipType == o.m_nMembershipType && m_strUserData1 == o.m_strUserData1 &&
           m_strUserData2 == o.m_strUserData2 && m_nEnteringAvg == o.m_nEnteringAvg &&
           m_nCurEnteringAvg == o.m_nCurEnteringAvg && m_nEnteringGames == o.m_nEnteringGames &&
           m_nEnteringPins == o.m_nEnteringPins && m_nMostImprovedBase == o.m_nMostImprovedBase &&
           m_bShortSeason == o.m_bShortSeason && m_bNotEligibleMostImproved == o.m_bNotEligibleMostImproved &&
           m_bRollingAvg == o.m_bRollingAvg && m_nHandicap == o.m_nHandicap && m_nAverage == o.m_nAverage &&
           m_nArrears == o.m_nArrears && !m_pDbPending == !o.m_pDbPending &&
           (!m_pDbPending || *m_pDbPending == *o.m_pDbPending);
}

void CPlayer::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << m_nPlayerNo << m_nPin << m_dwDbKey << m_nTeamNo << m_nRobot << m_wFlags << m_nCategory;
        ar << m_strName << m_strSurname << m_strFirstName;
        for (const CString& s : m_strAddress)
            ar << s;
        ar << m_strPhoneHome << m_strPhoneWork << m_strPhoneMobile;
        ar << m_nBirthDay << m_nBirthMonth << m_nBirthYear;
        ar << m_strMembershipNo << m_nExpiryDay << m_nExpiryMonth << m_nExpiryYear << m_nMembershipType;
        ar << m_strUserData1 << m_strUserData2;
        ar << m_nEnteringAvg << m_nCurEnteringAvg << m_nEnteringGames << m_nEnteringPins << m_nMostImprovedBase;
        ar << m_bShortSeason << m_bNotEligibleMostImproved << m_bRollingAvg;
        ar << m_nHandicap << m_nAverage << m_nArrears;
        return;
    }
    ar >> m_nPlayerNo >> m_nPin >> m_dwDbKey >> m_nTeamNo >> m_nRobot >> m_wFlags >> m_nCategory;
    ar >> m_strName >> m_strSurname >> m_strFirstName;
    // Checked once the bowler can be named.
    auto place = [this] { return GetFilePlace(); };
    CheckRangeAt(m_nRobot, 0, 4, "a vacancy/robot number", place);
    CheckRangeAt(m_nCategory, 0, 3, "a bowler's category", place);
    for (CString& s : m_strAddress)
        ar >> s;
    ar >> m_strPhoneHome >> m_strPhoneWork >> m_strPhoneMobile;
    ar >> m_nBirthDay >> m_nBirthMonth >> m_nBirthYear;
    ar >> m_strMembershipNo >> m_nExpiryDay >> m_nExpiryMonth >> m_nExpiryYear >> m_nMembershipType;
    ar >> m_strUserData1 >> m_strUserData2;
    ar >> m_nEnteringAvg >> m_nCurEnteringAvg >> m_nEnteringGames >> m_nEnteringPins >> m_nMostImprovedBase;
    ar >> m_bShortSeason >> m_bNotEligibleMostImproved >> m_bRollingAvg;
    ar >> m_nHandicap >> m_nAverage >> m_nArrears;
    ResetFigures();
}

CString CPlayer::GetFilePlace() const
{
    CString place;
    place.Format("bowler %u", static_cast<unsigned>(m_nPlayerNo));
    if (!m_strName.IsEmpty())
        place += " (" + m_strName + ")";
    return place;
}

namespace {

// "surname", "surname and home phone", "surname, home phone and mobile phone".
CString JoinNames(const std::vector<CString>& names)
{
    CString joined;
    for (size_t i = 0; i < names.size(); ++i) {
        if (i > 0)
            joined += i + 1 == names.size() ? " and " : ", ";
        joined += names[i];
    }
    return joined;
}

void NoteMends(const CDetailMends& mends, const CString& strOf, const CString& strWhole)
{
    for (const CString& date : mends.dates)
        NoteReadMend(ReadMend::BowlerDate, date + strOf);
    if (!mends.texts.empty())
        NoteReadMend(ReadMend::BowlerText, "the " + JoinNames(mends.texts) + strOf);
    if (mends.bGenders)
        NoteReadMend(ReadMend::BowlerGenders, strWhole);
}

} // namespace

void CPlayer::MendReadDetails()
{
    const bool bNameMended = HasControlChars(m_strName);
    m_strName = WithoutControlChars(m_strName);
    CDetailMends mends = MendDetails(*this);
    if (bNameMended)
        mends.texts.insert(mends.texts.begin(), "name");
    const CString place = GetFilePlace();
    NoteMends(mends, " of " + place, place);
    // Nor is a mended value what the league typed.
    for (int n = 0; n < SD_COUNT; ++n)
        if (mends.dwDetails & (1u << n))
            m_dbInStep.m_nTyped[n] = 0;
    // What the league knew of his record: only the details waiting hold anything.
    if (m_pDbPending) {
        const CString record = "the database record of " + place;
        const CDetailMends known = MendDetails(m_pDbPending->m_base, m_pDbPending->m_dwDetails);
        NoteMends(known, " of " + record, record);
        // A value of his mended is a guess: it waits no longer, and the record's own stands. What the
        // record held, mended, is not known: his own value still waits.
        m_pDbPending->ForgetBase(known.dwDetails & ~mends.dwDetails, *this);
        m_pDbPending->m_dwDetails &= ~mends.dwDetails;
        if (m_pDbPending->m_dwDetails == 0)
            m_pDbPending.reset();
    }
}

BOOL CPlayer::IsFloatingSub() const
{
    return m_nRobot == 0 && m_nTeamNo == 0 && (m_wFlags & (PF_RESIGNED | PF_NOT_FLOATING_SUB)) == 0;
}

void CPlayer::GetCategoryName(CString& strName) const
{
    if (IsResigned()) {
        strName = "Resigned";
        return;
    }
    switch (m_wFlags & PF_CATEGORY_MASK) {
    case 2: strName = "Female"; break;
    case 3: strName = "Jnr. Female"; break;
    case 4: strName = "Male"; break;
    case 5: strName = "Jnr. Male"; break;
    default: strName = "Unknown"; break;
    }
}

int CPlayer::CountAddressLines() const
{
    int n = 0;
    for (const CString& s : m_strAddress)
        if (!s.IsEmpty())
            ++n;
    return n;
}

int CPlayer::CountPhoneNumbers() const
{
    return (m_strPhoneHome.IsEmpty() ? 0 : 1) + (m_strPhoneWork.IsEmpty() ? 0 : 1) + (m_strPhoneMobile.IsEmpty() ? 0 : 1);
}

void CPlayer::MakeDisplayName(BOOL bSurnameFirst)
{
    if (bSurnameFirst)
        m_strName = m_strSurname + " " + m_strFirstName;
    else
        m_strName = m_strFirstName + " " + m_strSurname;
}

int CPlayer::JuniorAge(int nYear, int nMonth, int nDay) const
{
    if (m_nBirthYear == 0 || m_nBirthMonth == 0 || m_nBirthDay == 0)
        return 0;
    int nAge = nYear - m_nBirthYear;
    if (nMonth > m_nBirthMonth || (nMonth == m_nBirthMonth && nDay > m_nBirthDay))
        ++nAge;
    // Born after the day (a qualifying day before his birth): no age then.
    return std::max(nAge, 0);
}

WORD CPlayer::GetEnteringAverage(BOOL bAlways) const
{
    if (bAlways)
        return m_nCurEnteringAvg;
    if (m_wFlags & PF_NO_ENTERING_GAMES)
        return 0;
    if (m_pDoc && m_pDoc->m_bPastEnteringCutoff)
        return 0;
    return m_nCurEnteringAvg;
}

WORD CPlayer::GetEnteringAverageInRound(int nRound) const
{
    if (nRound == 0 || !m_pDoc)
        return GetEnteringAverage(FALSE);
    const int nCutoff = m_pDoc->m_nEnteringAvgCutoff;
    if ((m_wFlags & PF_NO_ENTERING_GAMES) || (nCutoff != 0 && nRound > nCutoff))
        return 0;
    return m_nCurEnteringAvg;
}

void CPlayer::SetEnteringAverage(WORD nTenths)
{
    m_nEnteringAvg = nTenths;
    m_nCurEnteringAvg = nTenths;
}

BOOL CPlayer::HitTest(CPoint pt) const
{
    for (int i = 0; i < m_arrNameRects.GetSize(); ++i)
        if (m_arrNameRects[i].PtInRect(pt))
            return TRUE;
    return FALSE;
}
