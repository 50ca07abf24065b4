#pragma once
// The full team history of Team > Display Team details (Full): one page a team with its
// totals, a row per match in date order, the trend of its games and a chart of its games by
// band. A display page only: never stored, nothing to edit, no HTML.
#include "view/RepItem.h"

#include <vector>

class CFixture;
class CTeam;

class CRepItem_TeamFullDets : public CRepItem
{
    DECLARE_DYNAMIC(CRepItem_TeamFullDets)
public:
    CRepItem_TeamFullDets();

    int GetHeight(CDC* pDC) override;
    void Draw(CDC* pDC, const CPageInfo* pInfo) override;

    // The team's matches shown: those up to the first match of the round after the current
    // one, by the team's date of play (the match's date while unplayed), ties in list order.
    std::vector<CFixture*> KeptMatches() const;

    CTeam* m_pTeam;   // not owned
};

// Replaces the display's items by one page per team of the document's selected teams.
int BuildTeamFullDetails(CBowlingDoc& doc);
