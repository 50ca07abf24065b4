#pragma once
// Page flows: placing items down pages of 15840 twips from y = -720, a heading at the top of
// every page, items never split.
#include "framework/core/Core.h"
#include "view/RepItem.h"

class CBowlingDoc;

struct FlowOptions
{
    BOOL bHeadings = TRUE;           // a page heading at the top of every page
    BOOL bOnePerPage = FALSE;        // every item on a page of its own
    int nHeadingGap = 0;             // twips kept free under each page heading
};

// Places the items of list (x 720, y, page), inserting the page headings (and the header
// rows some rows ask for) as TEMP_FLOW items; items a previous flow inserted are removed
// first. Returns the page count (at least 1).
int FlowPageItems(CBowlingDoc* pDoc, CDC* pDC, CObList& list, const FlowOptions& options = FlowOptions());

// Draws the items of list that stand on the page shown.
void DrawPageItems(CDC* pDC, const CObList& list, const CPageInfo* pInfo);

// A page heading for the flows: the league's heading item when the program holds it,
// otherwise the view's plain one. Placed at x 720, y -720 on nPage.
CRepItem* MakePageHeading(CBowlingDoc* pDoc, int nPage, DWORD dwTemporary);

// Removes and deletes the items of list whose temporary flag is dwTemporary.
void DeleteTemporaryItems(CObList& list, DWORD dwTemporary);
// Deletes every item of list and empties it.
void DeleteItemList(CObList& list);

// The plain page heading: the league's name, then the report title with "  (Page %d/%d)".
class CPageHeadingItem : public CRepItem
{
    DECLARE_DYNAMIC(CPageHeadingItem)
public:
    CPageHeadingItem();
    int GetHeight(CDC* pDC) override;
    void Draw(CDC* pDC, const CPageInfo* pInfo) override;
    CString GetName() const override { return "League Heading"; }
};
