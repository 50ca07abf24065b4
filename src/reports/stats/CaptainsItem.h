#pragma once
// The captains list of Team > Team Captains Listing: bands of up to three teams side by side,
// each with its captain's name, telephone numbers and address. A display page only: never
// stored, nothing to edit, no HTML.
#include "league/FontData.h"
#include "view/RepItem.h"

#include <vector>

class CTeam;

class CRepItem_Captains : public CRepItem
{
    DECLARE_DYNAMIC(CRepItem_Captains)
public:
    CRepItem_Captains();

    int GetHeight(CDC* pDC) override;
    void Draw(CDC* pDC, const CPageInfo* pInfo) override;

    // The lines of one column: the team's name first, then the captain's lines.
    std::vector<CString> ColumnLines(const CTeam* pTeam) const;

    CTeam* m_pTeams[3];   // left to right; null where a column is empty; not owned
    CFontData m_fontHeading;
    CFontData m_fontDetail;
};

// Replaces the captains list by bands of three of the league's teams; returns the bands made.
int BuildCaptainsList(CBowlingDoc& doc);
