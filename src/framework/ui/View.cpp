#include "framework/ui/View.h"

#include "framework/ui/Backend.h"
#include "framework/ui/FrameworkIds.h"

IMPLEMENT_DYNAMIC(CView, CWnd)
IMPLEMENT_DYNAMIC(CScrollView, CView)

BEGIN_MESSAGE_MAP(CView, CWnd)
    ON_COMMAND(ID_FILE_PRINT, OnFilePrint)
    ON_COMMAND(ID_FILE_PRINT_PREVIEW, OnFilePrintPreview)
END_MESSAGE_MAP()

CView::~CView()
{
    if (m_pDocument)
        m_pDocument->RemoveView(this);
}

void CView::AttachTo(CDocument* pDoc, CFrameWnd* pFrame)
{
    if (m_pDocument && m_pDocument != pDoc)
        m_pDocument->RemoveView(this);
    m_pDocument = pDoc;
    m_pFrame = pFrame;
    if (pDoc)
        pDoc->AddView(this);
}

void CView::OnInitialUpdate() { OnUpdate(nullptr, 0, nullptr); }

void CView::OnUpdate(CView*, LPARAM, CObject*) { Invalidate(); }

void CView::OnPrepareDC(CDC*, CPrintInfo* pInfo)
{
    // Without a known page count, print one page.
    if (pInfo)
        pInfo->m_bContinuePrinting = pInfo->GetMaxPage() != 0xFFFF || pInfo->m_nCurPage == 1;
}

BOOL CView::OnPreparePrinting(CPrintInfo* pInfo) { return DoPreparePrinting(pInfo); }

void CView::Invalidate(BOOL) { AfxGetBackend()->InvalidateView(*this); }

BOOL CView::OnCmdMsg(UINT nID, int nCode, CCmdUI* pCmdUI)
{
    if (CWnd::OnCmdMsg(nID, nCode, pCmdUI))
        return TRUE;
    return m_pDocument && m_pDocument->OnCmdMsg(nID, nCode, pCmdUI);
}

void CView::OnFilePrint() { AfxGetBackend()->PrintView(*this, FALSE); }
void CView::OnFilePrintPreview() { AfxGetBackend()->PrintView(*this, TRUE); }

void CScrollView::SetScrollSizes(int nMapMode, CSize sizeTotal, const CSize& sizePage, const CSize& sizeLine)
{
    m_nMapMode = nMapMode;
    m_totalLog = sizeTotal;
    m_pageLog = (sizePage.cx || sizePage.cy) ? sizePage : CSize(sizeTotal.cx / 10, sizeTotal.cy / 10);
    m_lineLog = (sizeLine.cx || sizeLine.cy) ? sizeLine : CSize(m_pageLog.cx / 10, m_pageLog.cy / 10);
    AfxGetBackend()->ScrollSizesChanged(*this);
}

void CScrollView::ScrollToPosition(CPoint pt)
{
    m_scrollPos = pt;
    AfxGetBackend()->ScrollViewTo(*this, pt.x, pt.y);
}

void CScrollView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo)
{
    if (pDC)
        pDC->SetMapMode(m_nMapMode);
    CView::OnPrepareDC(pDC, pInfo);
}

void CScrollView::SetDeviceResolution(int nLogPixelsX, int nLogPixelsY)
{
    m_nLogPixelsX = nLogPixelsX > 0 ? nLogPixelsX : 96;
    m_nLogPixelsY = nLogPixelsY > 0 ? nLogPixelsY : 96;
}

CPoint CScrollView::DPtoLP(CPoint p) const
{
    if (m_nMapMode != MM_TWIPS)
        return CPoint(p.x + m_scrollPos.x, p.y + m_scrollPos.y);
    // Twips: 1440 to the inch, y negative downwards from the top of the scroll area.
    int x = static_cast<int>(static_cast<long long>(p.x) * 1440 / m_nLogPixelsX);
    int y = static_cast<int>(static_cast<long long>(p.y) * 1440 / m_nLogPixelsY);
    return CPoint(m_scrollPos.x + x, m_scrollPos.y - y);
}
