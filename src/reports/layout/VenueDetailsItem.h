#pragma once
// The venue details item of the Venue menu's pages: the venue's name, then its telephone,
// address and postcode on one line, and its directions word-wrapped below. Made by the display
// for one venue and never stored.
#include "view/RepItem.h"

#include <vector>

class CVenue;

class CRepItem_VenueDetails : public CRepItem
{
public:
    CRepItem_VenueDetails();

    int GetHeight(CDC* pDC) override;
    void Draw(CDC* pDC, const CPageInfo* pInfo) override;

    // The directions cut at their line breaks, at most 20 parts; text of fewer than three
    // characters after a break is dropped with what follows.
    static std::vector<CString> DirectionParts(const CString& directions);

    CVenue* m_pVenue;   // not owned
};
