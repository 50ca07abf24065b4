#pragma once
// Award categories (CAwards), awards given (CAwardData) and the multiple prize rules
// (CAwardRestrictions), as the league file keeps them.
#include "framework/core/Object.h"
#include "framework/core/String.h"
#include "framework/core/Types.h"

class CArchive;
class CBowlingDoc;

class CAwards : public CObject
{
    DECLARE_SERIAL(CAwards)
public:
    enum Kind : BYTE
    {
        kindManual = 0,
        kindAbsoluteRange = 1,   // "Absolute Range"
        kindOverAverage = 2,     // "Over Average"
        kindPctOverAverage = 3,  // "Pct Over Average"
        kindOverByAverage = 4,   // "Over by Average": a minimum score up to a maximum average
    };

    CAwards();
    explicit CAwards(WORD nId);

    void CopyFrom(const CAwards& other);
    void Serialize(CArchive& ar) override;
    bool IsSameAs(const CAwards& other) const;
    // Sets the name of an automatic category from its rule.
    void MakeDescription();

    WORD m_nId;             // equals the category's position in the list
    CString m_strName;
    BYTE m_nKind;           // Kind
    BYTE m_bSeries;         // 0 single games, 1 the series of a match
    WORD m_nHigh;
    WORD m_nLow;            // also the percentage (kind 3) or minimum score (kind 4)
    BYTE m_bDeleted;        // stays in the list as "Deleted Category"
    WORD m_nMaxAverage;     // 0 = no limit
};

class CAwardData : public CObject
{
    DECLARE_SERIAL(CAwardData)
public:
    CAwardData();
    explicit CAwardData(WORD nRecordNo);

    void CopyFrom(const CAwardData& other);
    void Serialize(CArchive& ar) override;
    bool IsSameAs(const CAwardData& other) const;

    CBowlingDoc* m_pDoc;    // set when the document adopts the record
    WORD m_nRecordNo;       // manual: records + 1 at entry; automatic: 0
    WORD m_nRound;          // 0 marks a deleted manual record
    WORD m_nMatch;
    WORD m_nCategory;       // CAwards id
    WORD m_nPlayerNo;
    WORD m_nAverage;        // automatic records only; not stored
    WORD m_nGame;           // 1..4, 0 for a series (or, manual, for no one game)
    DWORD m_dwReserved;     // only copied
    BYTE m_nKind;           // the category's kind when the record was made
    WORD m_nScore;          // automatic awards only
};

// "%a %b %d %Y" of the day the record's bowler's side bowled its match (the due date when the
// side has no date played); "" when the match is gone.
CString AwardDateText(const CBowlingDoc* pDoc, const CAwardData& record);

// The last game a manual award may name: the league's last game of a match. 0 names no one
// game (the award is for the match); a game past the last, which an older version let through,
// is shown as none.
int LastManualAwardGame(const CBowlingDoc* pDoc);

class CAwardRestrictions : public CObject
{
    DECLARE_SERIAL(CAwardRestrictions)
public:
    CAwardRestrictions();

    void CopyFrom(const CAwardRestrictions& other);
    void Serialize(CArchive& ar) override;
    bool IsSameAs(const CAwardRestrictions& other) const;

    // The four high-score prizes.
    enum Prize { PRIZE_GAME_SCRATCH, PRIZE_GAME_HCP, PRIZE_SERIES_SCRATCH, PRIZE_SERIES_HCP };
    static int MakePrize(bool bSeries, bool bHandicap) { return (bSeries ? 2 : 0) + (bHandicap ? 1 : 0); }
    // Whether the rules limit the prizes of teams (bTeams) or of bowlers.
    bool Limits(bool bTeams) const;
    // The order the prizes are given in, lowest first: the first priority (scratch or
    // handicap first), then the second (game or series first).
    int PrizeOrder(int nPrize, bool bTeams) const;
    // Whether the winner of nTaken may not also take nPrize. The "same game" rule bars the
    // second of the two game prizes, scratch and handicap.
    bool Excludes(int nTaken, int nPrize, bool bTeams) const;

    WORD m_wReserved;
    DWORD m_bRulesEnabled;
    DWORD m_bSameGameIneligible;
    BYTE m_nTeamRule;          // 0 "No Rules" .. 3
    BYTE m_nTeamPriority1;     // 0 scratch first, 1 handicap first
    BYTE m_nTeamPriority2;     // 0 game first, 1 series first
    BYTE m_nPlayerRule;
    BYTE m_nPlayerPriority1;
    BYTE m_nPlayerPriority2;
};
