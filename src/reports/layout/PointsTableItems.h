#pragma once
// The league's rules on the league details display: the points of one scoring system, and
// one bowler category's handicap rule with the handicap of every average from 50 to 224.
// Built by the display each time; never stored, edited or written as HTML.
#include "view/DisplayHooks.h"
#include "view/RepItem.h"

class CRepItem_LeaguePoints : public CRepItem
{
    DECLARE_DYNAMIC(CRepItem_LeaguePoints)
public:
    CRepItem_LeaguePoints();
    void CopyFrom(const CRepItem& other) override;
    CString GetName() const override { return "League Points"; }
    int GetHeight(CDC* pDC) override;
    void Draw(CDC* pDC, const CPageInfo* pInfo) override;

    DWORD m_bHandicap;   // 0 scratch points, else handicap points
};

class CRepItem_HandicapTable : public CRepItem
{
    DECLARE_DYNAMIC(CRepItem_HandicapTable)
public:
    // Categories: the bowler flag of juniors, women and men, or all bowlers.
    enum : WORD { CAT_JUNIOR = 1, CAT_FEMALE = 2, CAT_MALE = 4, CAT_ALL = 8 };
    static constexpr int FIRST_AVERAGE = 50;
    static constexpr int LAST_AVERAGE = 224;

    CRepItem_HandicapTable();
    void CopyFrom(const CRepItem& other) override;
    CString GetName() const override { return "Handicap Table"; }
    int GetHeight(CDC* pDC) override;
    void Draw(CDC* pDC, const CPageInfo* pInfo) override;

    // The heading line of the category's rule; "" for an unknown category.
    CString GetHeadingText() const;

    WORD m_nCategory;
};

// The rules part of the league details: a points item for each system the league scores
// (handicap first), and for a handicap league one handicap table for everybody under one
// rule, else one each for men, women and juniors whose rules are in use. Appended to list as
// new items of the document with the given temporary flag.
void AppendLeagueRulesItems(CBowlingDoc* pDoc, CObList& list, DWORD nTemporary);

// View > League Details: the league officials, then the rules items above, into the
// document's display list (emptied by the view first); installed as g_pfnBuildLeagueDetails.
void BuildLeagueDetailsItems(CBowlingDoc* pDoc);
