#include "league/Rules.h"

#include "framework/core/Archive.h"
#include "league/FileCheck.h"

#include <cstring>

IMPLEMENT_SERIAL(CRobot, CObject, 1)
IMPLEMENT_SERIAL(CBlindScore, CObject, 1)
IMPLEMENT_SERIAL(CBonusPts, CObject, 1)
IMPLEMENT_SERIAL(CPetersenPoints, CObject, 1)

// ---------------------------------------------------------------- CRobot

CRobot::CRobot()
    : m_nKind(kindFlatScore), m_bExclude(0), m_nPercent(90), m_nPins(10), m_nFlatHandicap(30), m_nFlatScore(120)
{
}

void CRobot::CopyFrom(const CRobot& o)
{
    m_nKind = o.m_nKind;
    m_bExclude = o.m_bExclude;
    m_nPercent = o.m_nPercent;
    m_nPins = o.m_nPins;
    m_nFlatHandicap = o.m_nFlatHandicap;
    m_nFlatScore = o.m_nFlatScore;
}

bool CRobot::IsSameAs(const CRobot& o) const
{
    return m_nKind == o.m_nKind && m_bExclude == o.m_bExclude && m_nPercent == o.m_nPercent &&
           m_nPins == o.m_nPins && m_nFlatHandicap == o.m_nFlatHandicap && m_nFlatScore == o.m_nFlatScore;
}

void CRobot::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << m_nKind << m_bExclude << m_nPercent << m_nPins << m_nFlatHandicap << m_nFlatScore;
    } else {
        ar >> m_nKind >> m_bExclude >> m_nPercent >> m_nPins >> m_nFlatHandicap >> m_nFlatScore;
        CheckRange(m_nKind, kindFlatScore, kindOpponentsScore, "a vacancy/robot rule kind");
    }
}

// ---------------------------------------------------------------- CBlindScore

CBlindScore::CBlindScore()
    : m_nMethod(methodFlat), m_nHandicapMethod(hcpFlat), m_nFlatScore(120), m_nPercent(90), m_nPins(10),
      m_nStep(0), m_nFlatHandicap(0), m_nHandicapAdjust(0)
{
}

void CBlindScore::CopyFrom(const CBlindScore& o)
{
    m_nMethod = o.m_nMethod;
    m_nHandicapMethod = o.m_nHandicapMethod;
    m_nFlatScore = o.m_nFlatScore;
    m_nPercent = o.m_nPercent;
    m_nPins = o.m_nPins;
    m_nStep = o.m_nStep;
    m_nFlatHandicap = o.m_nFlatHandicap;
    m_nHandicapAdjust = o.m_nHandicapAdjust;
}

bool CBlindScore::IsSameAs(const CBlindScore& o) const
{
    return m_nMethod == o.m_nMethod && m_nHandicapMethod == o.m_nHandicapMethod &&
           m_nFlatScore == o.m_nFlatScore && m_nPercent == o.m_nPercent && m_nPins == o.m_nPins &&
           m_nStep == o.m_nStep && m_nFlatHandicap == o.m_nFlatHandicap && m_nHandicapAdjust == o.m_nHandicapAdjust;
}

void CBlindScore::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << m_nMethod << m_nHandicapMethod << m_nFlatScore << m_nPercent << m_nPins << m_nStep
           << m_nFlatHandicap << m_nHandicapAdjust;
    } else {
        ar >> m_nMethod >> m_nHandicapMethod >> m_nFlatScore >> m_nPercent >> m_nPins >> m_nStep
           >> m_nFlatHandicap >> m_nHandicapAdjust;
        CheckRange(m_nMethod, methodFlat, methodIncremental, "a blind-score method");
        CheckRange(m_nHandicapMethod, hcpFlat, hcpOpponents, "a blind handicap method");
    }
}

// ---------------------------------------------------------------- CBonusPts

CBonusPts::CBonusPts()
    : m_nKind(kindOverAverage), m_bHandicap(0), m_bSeries(0), m_nPins(0), m_nPoints(0), m_wCategoryMask(7)
{
}

void CBonusPts::CopyFrom(const CBonusPts& o)
{
    m_nKind = o.m_nKind;
    m_bHandicap = o.m_bHandicap;
    m_bSeries = o.m_bSeries;
    m_nPins = o.m_nPins;
    m_nPoints = o.m_nPoints;
    m_wCategoryMask = o.m_wCategoryMask;
}

bool CBonusPts::IsSameAs(const CBonusPts& o) const
{
    return m_nKind == o.m_nKind && m_bHandicap == o.m_bHandicap && m_bSeries == o.m_bSeries &&
           m_nPins == o.m_nPins && m_nPoints == o.m_nPoints && m_wCategoryMask == o.m_wCategoryMask;
}

void CBonusPts::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << m_nKind << m_bHandicap << m_bSeries << m_nPins << m_nPoints << m_wCategoryMask;
    } else {
        ar >> m_nKind >> m_bHandicap >> m_bSeries >> m_nPins >> m_nPoints >> m_wCategoryMask;
        CheckRange(m_nKind, kindOverAverage, kindEqualsAverage, "a bonus rule kind");
    }
}

// ---------------------------------------------------------------- CPetersenPoints

CPetersenPoints::CPetersenPoints() : m_bHandicap(0), m_bScratch(0), m_nRemainderMode(0)
{
    std::memset(m_bColumn, 0, sizeof m_bColumn);
    std::memset(m_nPinsPerPoint, 0, sizeof m_nPinsPerPoint);
}

void CPetersenPoints::CopyFrom(const CPetersenPoints& o)
{
    m_bHandicap = o.m_bHandicap;
    m_bScratch = o.m_bScratch;
    m_nRemainderMode = o.m_nRemainderMode;
    std::memcpy(m_bColumn, o.m_bColumn, sizeof m_bColumn);
    std::memcpy(m_nPinsPerPoint, o.m_nPinsPerPoint, sizeof m_nPinsPerPoint);
}

bool CPetersenPoints::IsSameAs(const CPetersenPoints& o) const
{
    return m_bHandicap == o.m_bHandicap && m_bScratch == o.m_bScratch && m_nRemainderMode == o.m_nRemainderMode &&
           std::memcmp(m_bColumn, o.m_bColumn, sizeof m_bColumn) == 0 &&
           std::memcmp(m_nPinsPerPoint, o.m_nPinsPerPoint, sizeof m_nPinsPerPoint) == 0;
}

void CPetersenPoints::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << m_bHandicap << m_bScratch << m_nRemainderMode;
        ar.Write(m_bColumn, sizeof m_bColumn);
        ar.Write(m_nPinsPerPoint, sizeof m_nPinsPerPoint);
    } else {
        ar >> m_bHandicap >> m_bScratch >> m_nRemainderMode;
        ar.ReadExact(m_bColumn, sizeof m_bColumn);
        ar.ReadExact(m_nPinsPerPoint, sizeof m_nPinsPerPoint);
        CheckRange(m_nRemainderMode, 0, 1, "a pinfall points remainder mode");
    }
}
