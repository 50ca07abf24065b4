#pragma once
// The league's small rule objects: vacancy/robot rules, blind-score rules, bonus-point rules
// and the pinfall (Petersen) points rules. The scoring engine reads them; the set-up dialogs
// edit them in place.
#include "framework/core/Object.h"
#include "framework/core/Types.h"

class CArchive;

// A vacancy/robot rule; the league has four, numbered 1..4 (a player's robot index).
class CRobot : public CObject
{
    DECLARE_SERIAL(CRobot)
public:
    enum Kind : BYTE
    {
        kindFlatScore = 0,          // flat score and flat handicap
        kindAverageLessPercent = 1, // opponent's average less a percentage
        kindAverageLessPins = 2,    // opponent's average less pins
        kindOpponentsScore = 3,     // opponent's score
    };

    CRobot();
    void CopyFrom(const CRobot& other);
    void Serialize(CArchive& ar) override;
    bool IsSameAs(const CRobot& other) const;
    bool operator==(const CRobot& other) const { return IsSameAs(other); }

    BYTE m_nKind;          // Kind
    BYTE m_bExclude;       // scores count for neither team game nor team series
    DWORD m_nPercent;      // 90
    DWORD m_nPins;         // 10
    DWORD m_nFlatHandicap; // 30
    DWORD m_nFlatScore;    // 120
};

// A blind-score rule; the league has four, chosen by the bowler's category
// (0 men, 1 women, 2 juniors, 3 everybody when one rule serves all).
class CBlindScore : public CObject
{
    DECLARE_SERIAL(CBlindScore)
public:
    enum Method : BYTE
    {
        methodFlat = 0,              // the flat score
        methodAverageLessPercent = 1,// the bowler's average less a percentage
        methodAverageLessPins = 2,   // the bowler's average less pins
        methodIncremental = 3,       // the flat score less a step per earlier blind game
    };
    enum HandicapMethod : BYTE
    {
        hcpFlat = 0,           // the flat handicap
        hcpOwnAdjusted = 1,    // the bowler's handicap plus the adjustment
        hcpOpponents = 2,      // the opposing bowler's handicap
    };

    CBlindScore();
    void CopyFrom(const CBlindScore& other);
    void Serialize(CArchive& ar) override;
    bool IsSameAs(const CBlindScore& other) const;
    bool operator==(const CBlindScore& other) const { return IsSameAs(other); }

    BYTE m_nMethod;          // Method
    BYTE m_nHandicapMethod;  // HandicapMethod
    WORD m_nFlatScore;       // used too when a method gives less than 1
    WORD m_nPercent;         // for methodAverageLessPercent
    WORD m_nPins;            // for methodAverageLessPins
    WORD m_nStep;            // pins per earlier blind game, methodIncremental
    int m_nFlatHandicap;
    int m_nHandicapAdjust;   // signed, added to the bowler's own handicap
};

// One bonus-point rule of the league's bonus list.
class CBonusPts : public CObject
{
    DECLARE_SERIAL(CBonusPts)
public:
    enum Kind : BYTE
    {
        kindOverAverage = 0,   // score at least m_nPins over the bowler's average
        kindEqualsAverage = 1, // score equal to the bowler's average (rounded down)
    };

    CBonusPts();
    void CopyFrom(const CBonusPts& other);
    void Serialize(CArchive& ar) override;
    bool IsSameAs(const CBonusPts& other) const;
    bool operator==(const CBonusPts& other) const { return IsSameAs(other); }

    BYTE m_nKind;       // Kind
    BYTE m_bHandicap;   // marked handicap: not evaluated by the individual bonus pass
    BYTE m_bSeries;     // applies to the series instead of each game
    WORD m_nPins;       // margin over the average (kindOverAverage)
    BYTE m_nPoints;     // half points awarded
    WORD m_wCategoryMask; // category bits of the bowlers it applies to (7 = everybody)
};

// The pinfall (Petersen) points rules, embedded in the document. While either system is
// enabled that system's match points are held in hundredths of a point.
class CPetersenPoints : public CObject
{
    DECLARE_SERIAL(CPetersenPoints)
public:
    CPetersenPoints();
    void CopyFrom(const CPetersenPoints& other);
    void Serialize(CArchive& ar) override;
    bool IsSameAs(const CPetersenPoints& other) const;
    bool operator==(const CPetersenPoints& other) const { return IsSameAs(other); }

    DWORD m_bHandicap;       // handicap system enabled
    DWORD m_bScratch;        // scratch system enabled
    DWORD m_nRemainderMode;  // 0 = 0.01 point per remaining pin, 1 = a percentage of one point
    // [0] scratch, [1] handicap (the pass selector's values); [g] games 1..4, [4] the series.
    BYTE m_bColumn[2][5];
    BYTE m_nPinsPerPoint[2][5];
};
