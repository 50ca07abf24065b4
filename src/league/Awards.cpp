#include "league/Awards.h"

#include "framework/core/Archive.h"
#include "league/BowlingDoc.h"
#include "league/FileCheck.h"
#include "league/Fixture.h"

#include <algorithm>

IMPLEMENT_SERIAL(CAwards, CObject, 1)
IMPLEMENT_SERIAL(CAwardData, CObject, 1)
IMPLEMENT_SERIAL(CAwardRestrictions, CObject, 1)

// ---------------------------------------------------------------- CAwards

CAwards::CAwards()
    : m_nId(0), m_nKind(kindAbsoluteRange), m_bSeries(0), m_nHigh(300), m_nLow(275), m_bDeleted(0), m_nMaxAverage(0)
{
}

CAwards::CAwards(WORD nId)
    : m_nId(nId), m_nKind(kindAbsoluteRange), m_bSeries(0), m_nHigh(0), m_nLow(0), m_bDeleted(0), m_nMaxAverage(0)
{
}

void CAwards::CopyFrom(const CAwards& o)
{
    m_nId = o.m_nId;
    m_strName = o.m_strName;
    m_nKind = o.m_nKind;
    m_bSeries = o.m_bSeries;
    m_nHigh = o.m_nHigh;
    m_nLow = o.m_nLow;
    m_bDeleted = o.m_bDeleted;
    m_nMaxAverage = o.m_nMaxAverage;
}

bool CAwards::IsSameAs(const CAwards& o) const
{
    return m_nId == o.m_nId && m_strName == o.m_strName && m_nKind == o.m_nKind && m_bSeries == o.m_bSeries &&
           m_nHigh == o.m_nHigh && m_nLow == o.m_nLow && m_bDeleted == o.m_bDeleted &&
           m_nMaxAverage == o.m_nMaxAverage;
}

void CAwards::MakeDescription()
{
    const char* pszWord = m_bSeries ? "Ser" : "Gme";
    CString strText;
    switch (m_nKind) {
    case kindOverByAverage:
        strText.Format("%d %s w/%d Avg", m_nLow, pszWord, m_nMaxAverage);
        break;
    case kindPctOverAverage:
        strText.Format("%d%% > Avg", m_nLow);
        break;
    case kindAbsoluteRange:
    case kindOverAverage:
        if (m_nHigh > m_nLow)
            strText.Format("%s %3d-%d", pszWord, m_nLow, m_nHigh);
        else
            strText = "?~???";
        if (m_nKind == kindOverAverage)
            strText += " > Avg.";
        break;
    default:
        return; // a manual category keeps the name the secretary gave it
    }
    m_strName = strText;
}

void CAwards::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << m_nId << m_strName;
        if (ar.GetFileVersion() >= 45)
            ar << m_bSeries << m_nHigh << m_nLow << m_nKind << m_bDeleted << m_nMaxAverage;
        return;
    }
    ar >> m_nId >> m_strName;
    if (ar.GetFileVersion() >= 45) {
        ar >> m_bSeries >> m_nHigh >> m_nLow >> m_nKind >> m_bDeleted >> m_nMaxAverage;
        CheckRangeAt(m_nKind, kindManual, kindOverByAverage, "an award category kind", [this] {
            CString place;
            place.Format("award category %u (%s)", static_cast<unsigned>(m_nId), m_strName.GetString());
            return place;
        });
    }
}

// ---------------------------------------------------------------- CAwardData

CAwardData::CAwardData() : CAwardData(0)
{
}

CAwardData::CAwardData(WORD nRecordNo)
    : m_pDoc(nullptr), m_nRecordNo(nRecordNo), m_nRound(0), m_nMatch(0), m_nCategory(0), m_nPlayerNo(0),
      m_nAverage(0), m_nGame(0), m_dwReserved(0), m_nKind(0), m_nScore(0)
{
}

void CAwardData::CopyFrom(const CAwardData& o)
{
    m_pDoc = o.m_pDoc;
    m_nRecordNo = o.m_nRecordNo;
    m_nRound = o.m_nRound;
    m_nMatch = o.m_nMatch;
    m_nCategory = o.m_nCategory;
    m_nPlayerNo = o.m_nPlayerNo;
    m_nAverage = o.m_nAverage;
    m_nGame = o.m_nGame;
    m_dwReserved = o.m_dwReserved;
    m_nKind = o.m_nKind;
    m_nScore = o.m_nScore;
}

bool CAwardData::IsSameAs(const CAwardData& o) const
{
    return m_nRecordNo == o.m_nRecordNo && m_nRound == o.m_nRound && m_nMatch == o.m_nMatch &&
           m_nCategory == o.m_nCategory && m_nPlayerNo == o.m_nPlayerNo && m_nGame == o.m_nGame &&
           m_nKind == o.m_nKind && m_nScore == o.m_nScore;
}

void CAwardData::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << m_nRecordNo << m_nRound << m_nMatch << m_nCategory << m_nPlayerNo << m_nGame;
        if (ar.GetFileVersion() >= 45)
            ar << m_nKind << m_nScore;
        return;
    }
    ar >> m_nRecordNo >> m_nRound >> m_nMatch >> m_nCategory >> m_nPlayerNo >> m_nGame;
    if (ar.GetFileVersion() >= 45)
        ar >> m_nKind >> m_nScore;
}

int LastManualAwardGame(const CBowlingDoc* pDoc)
{
    return pDoc ? std::clamp<int>(pDoc->m_nGamesPerMatch, 1, MAX_GAMES) : MAX_GAMES;
}

// ---------------------------------------------------------------- CAwardRestrictions

CAwardRestrictions::CAwardRestrictions()
    : m_wReserved(0), m_bRulesEnabled(0), m_bSameGameIneligible(0), m_nTeamRule(0), m_nTeamPriority1(0),
      m_nTeamPriority2(0), m_nPlayerRule(0), m_nPlayerPriority1(0), m_nPlayerPriority2(0)
{
}

void CAwardRestrictions::CopyFrom(const CAwardRestrictions& o)
{
    m_wReserved = o.m_wReserved;
    m_bRulesEnabled = o.m_bRulesEnabled;
    m_bSameGameIneligible = o.m_bSameGameIneligible;
    m_nTeamRule = o.m_nTeamRule;
    m_nTeamPriority1 = o.m_nTeamPriority1;
    m_nTeamPriority2 = o.m_nTeamPriority2;
    m_nPlayerRule = o.m_nPlayerRule;
    m_nPlayerPriority1 = o.m_nPlayerPriority1;
    m_nPlayerPriority2 = o.m_nPlayerPriority2;
}

bool CAwardRestrictions::IsSameAs(const CAwardRestrictions& o) const
{
    return m_wReserved == o.m_wReserved && m_bRulesEnabled == o.m_bRulesEnabled &&
           m_bSameGameIneligible == o.m_bSameGameIneligible && m_nTeamRule == o.m_nTeamRule &&
           m_nTeamPriority1 == o.m_nTeamPriority1 && m_nTeamPriority2 == o.m_nTeamPriority2 &&
           m_nPlayerRule == o.m_nPlayerRule && m_nPlayerPriority1 == o.m_nPlayerPriority1 &&
           m_nPlayerPriority2 == o.m_nPlayerPriority2;
}

void CAwardRestrictions::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << m_wReserved << static_cast<BYTE>(m_bRulesEnabled) << static_cast<BYTE>(m_bSameGameIneligible)
           << m_nTeamRule << m_nTeamPriority1 << m_nTeamPriority2 << m_nPlayerRule << m_nPlayerPriority1
           << m_nPlayerPriority2;
        return;
    }
    BYTE bEnabled = 0, bSameGame = 0;
    ar >> m_wReserved >> bEnabled >> bSameGame >> m_nTeamRule >> m_nTeamPriority1 >> m_nTeamPriority2
       >> m_nPlayerRule >> m_nPlayerPriority1 >> m_nPlayerPriority2;
    m_bRulesEnabled = bEnabled;
    m_bSameGameIneligible = bSameGame;
    CheckRange(m_nTeamRule, 0, 3, "a team prize rule");
    CheckRange(m_nPlayerRule, 0, 3, "a player prize rule");
}

bool CAwardRestrictions::Limits(bool bTeams) const
{
    return m_bRulesEnabled && ((bTeams ? m_nTeamRule : m_nPlayerRule) != 0 || m_bSameGameIneligible);
}

int CAwardRestrictions::PrizeOrder(int nPrize, bool bTeams) const
{
    const int nSystem = ((nPrize & 1) ? 1 : 0) ^ ((bTeams ? m_nTeamPriority1 : m_nPlayerPriority1) ? 1 : 0);
    const int nKind = ((nPrize & 2) ? 1 : 0) ^ ((bTeams ? m_nTeamPriority2 : m_nPlayerPriority2) ? 1 : 0);
    return nSystem * 2 + nKind;
}

bool CAwardRestrictions::Excludes(int nTaken, int nPrize, bool bTeams) const
{
    if (!m_bRulesEnabled || nTaken == nPrize)
        return false;
    const bool bSameKind = (nTaken & 2) == (nPrize & 2);      // both games or both series
    const bool bSameSystem = (nTaken & 1) == (nPrize & 1);    // both scratch or both handicap
    if (m_bSameGameIneligible && bSameKind && !(nTaken & 2))
        return true;
    switch (bTeams ? m_nTeamRule : m_nPlayerRule) {
    case 1: return bSameKind;    // "Max 1 Hi Game and 1 Hi Series"
    case 2: return bSameSystem;  // "Max 1 Hi Hcp and 1 Hi Scratch"
    case 3: return true;         // "Max 1 Hi Game or Series, Hcp or Scr"
    default: return false;
    }
}
