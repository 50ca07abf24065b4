#pragma once
// Views: what shows a document in the main window, on paper and in print preview.
#include "framework/core/DC.h"
#include "framework/ui/Document.h"
#include "framework/ui/Wnd.h"

class CFrameWnd;

// The pages of one printing or preview run.
class CPrintInfo {
public:
    BOOL m_bPreview = FALSE;
    BOOL m_bDirect = FALSE;
    BOOL m_bContinuePrinting = TRUE;
    UINT m_nCurPage = 1;
    UINT m_nNumPreviewPages = 1;
    CString m_strPageDesc;
    void* m_lpUserData = nullptr;
    CRect m_rectDraw;  // the printable area of the page, in the DC's logical units

    void SetMinPage(UINT n) { m_nMinPage = n; }
    void SetMaxPage(UINT n) { m_nMaxPage = n; }
    UINT GetMinPage() const { return m_nMinPage; }
    UINT GetMaxPage() const { return m_nMaxPage; }
    UINT GetFromPage() const { return m_nFromPage ? m_nFromPage : m_nMinPage; }
    UINT GetToPage() const { return m_nToPage ? m_nToPage : m_nMaxPage; }
    void SetPageRange(UINT from, UINT to) { m_nFromPage = from; m_nToPage = to; }

private:
    UINT m_nMinPage = 1;
    UINT m_nMaxPage = 0xFFFF;  // unknown: one page unless OnPrepareDC says more
    UINT m_nFromPage = 0;
    UINT m_nToPage = 0;
};

class CView : public CWnd {
    DECLARE_DYNAMIC(CView)
public:
    ~CView() override;
    CDocument* GetDocument() const { return m_pDocument; }
    CFrameWnd* GetParentFrame() const { return m_pFrame; }

    virtual void OnDraw(CDC* pDC) = 0;
    virtual void OnInitialUpdate();
    virtual void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint);
    virtual void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr);

    // Printing, in the order the backend calls them.
    virtual BOOL OnPreparePrinting(CPrintInfo* pInfo);
    BOOL DoPreparePrinting(CPrintInfo* /*pInfo*/) { return TRUE; }
    virtual void OnBeginPrinting(CDC* /*pDC*/, CPrintInfo* /*pInfo*/) {}
    virtual void OnPrint(CDC* pDC, CPrintInfo* /*pInfo*/) { OnDraw(pDC); }
    virtual void OnEndPrinting(CDC* /*pDC*/, CPrintInfo* /*pInfo*/) {}
    virtual void OnEndPrintPreview(CDC* /*pDC*/, CPrintInfo* /*pInfo*/) {}

    void Invalidate(BOOL bErase = TRUE) override;

    // The document's map comes after the view's.
    BOOL OnCmdMsg(UINT nID, int nCode, CCmdUI* pCmdUI) override;

    // Set up by the document template.
    void AttachTo(CDocument* pDoc, CFrameWnd* pFrame);
    void* m_pPeer = nullptr;

    afx_msg void OnFilePrint();
    afx_msg void OnFilePrintPreview();

protected:
    CDocument* m_pDocument = nullptr;
    CFrameWnd* m_pFrame = nullptr;
    DECLARE_MESSAGE_MAP()
};

// A view that scrolls over an area in logical units; with MM_TWIPS the area is in twips and
// y runs negative downwards, as on paper.
class CScrollView : public CView {
    DECLARE_DYNAMIC(CScrollView)
public:
    void SetScrollSizes(int nMapMode, CSize sizeTotal, const CSize& sizePage = CSize(0, 0),
                        const CSize& sizeLine = CSize(0, 0));
    CSize GetTotalSize() const { return m_totalLog; }
    CSize GetPageSize() const { return m_pageLog; }
    CSize GetLineSize() const { return m_lineLog; }
    int GetMapMode() const { return m_nMapMode; }
    // The top-left corner shown, in logical units (y <= 0 with MM_TWIPS).
    CPoint GetScrollPosition() const { return m_scrollPos; }
    void ScrollToPosition(CPoint pt);
    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr) override;

    // A point of the window (pixels from its top-left corner) in logical units.
    CPoint DPtoLP(CPoint devicePoint) const;
    // For backends: the screen's pixels per inch and the scroll position they show.
    void SetDeviceResolution(int nLogPixelsX, int nLogPixelsY);
    void SetScrollPositionFromBackend(CPoint ptLogical) { m_scrollPos = ptLogical; }
    int LogPixelsX() const { return m_nLogPixelsX; }
    int LogPixelsY() const { return m_nLogPixelsY; }

protected:
    int m_nMapMode = MM_TEXT;
    CSize m_totalLog;
    CSize m_pageLog;
    CSize m_lineLog;
    CPoint m_scrollPos;
    int m_nLogPixelsX = 96;
    int m_nLogPixelsY = 96;
};
