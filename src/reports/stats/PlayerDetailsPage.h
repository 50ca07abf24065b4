#pragma once
// The player page: one bowler's figures, personal details, his season match by match and two
// charts of his games. Player > Display builds one page a bowler; never part of a layout.
#include "framework/core/Core.h"
#include "framework/core/Time.h"
#include "view/RepItem.h"

#include <vector>

class CFixture;
class CPlayer;

class CRepItem_Player : public CRepItem
{
    DECLARE_SERIAL(CRepItem_Player)
public:
    CRepItem_Player();

    int GetHeight(CDC* pDC) override;   // a page of its own
    void Draw(CDC* pDC, const CPageInfo* pInfo) override;

    // A line of the season table: a match he bowled in, or the last fixture of a round he
    // missed.
    struct Row
    {
        CFixture* pFixture = nullptr;
        CTime date;
        BOOL bAbsence = FALSE;
        int nSide = 0;
    };
    // The rows, ordered by date (equal dates in fixture order).
    std::vector<Row> CollectRows() const;
    // His games of a match row: score and handicap per game of the match (0 when not bowled).
    struct Game
    {
        int nScore = 0;
        int nHcp = 0;
    };
    std::vector<Game> GamesOf(const Row& row) const;

    CPlayer* m_pPlayer = nullptr;   // not owned
    DWORD m_bCompact = 0;
};

// The page items of Player > Display: one per bowler, replacing the display's items.
void BuildPlayerPages(CBowlingDoc& doc, const std::vector<CPlayer*>& players);
// The real bowlers of the document's selected teams, in each team's order.
std::vector<CPlayer*> PlayersOfSelectedTeams(CBowlingDoc& doc);
