#pragma once
// The treasurer sheet of one round (display mode 10): what each bowler pays, what each team
// owes with its arrears (bowler by bowler when the league asks for it), and the collection
// sheet. Team and bowler names are clickable for their arrears. Never stored.
#include "view/RepItem.h"

class CBowlingDoc;
class CFixture;
class CTeam;

// "Individual Payment = " the round's dues from each bowler, and the items they are made of.
class CRepItem_Treas1 : public CRepItem
{
    DECLARE_SERIAL(CRepItem_Treas1)
public:
    CRepItem_Treas1();
    int GetHeight(CDC* pDC) override;
    void Draw(CDC* pDC, const CPageInfo* pInfo) override;

    WORD m_nRound;
};

// One match: each side's team with what it owes, and its bowlers with their arrears.
class CRepItem_Treas2 : public CRepItem
{
    DECLARE_SERIAL(CRepItem_Treas2)
public:
    CRepItem_Treas2();
    int GetHeight(CDC* pDC) override;
    void Draw(CDC* pDC, const CPageInfo* pInfo) override;

    WORD m_nRound;
    DWORD m_bListPlayers;
    CFixture* m_pFixture;   // not owned

private:
    CTeam* Side(int nSide) const;
};

// The collection sheet: each item due with what the whole league owes for it.
class CRepItem_Treas3 : public CRepItem
{
    DECLARE_SERIAL(CRepItem_Treas3)
public:
    CRepItem_Treas3();
    int GetHeight(CDC* pDC) override;
    void Draw(CDC* pDC, const CPageInfo* pInfo) override;

    WORD m_nRound;
};

// The bowlers a team is charged for in a round: its real bowlers, at most the league's players
// per team.
int ChargedBowlers(const CBowlingDoc* pDoc, CTeam* pTeam);
// The team's own arrears and those of its real, not excluded bowlers (cents).
LONGLONG TeamArrears(const CBowlingDoc* pDoc, CTeam* pTeam);
// Rebuilds the treasurer list for round nRound.
void BuildTreasurerSheet(CBowlingDoc* pDoc, WORD nRound);
