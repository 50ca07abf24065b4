#include "app/LeagueNameView.h"

#include "app/AppDocument.h"

IMPLEMENT_DYNCREATE(CLeagueNameView, CScrollView)

BEGIN_MESSAGE_MAP(CLeagueNameView, CScrollView)
END_MESSAGE_MAP()

void CLeagueNameView::OnInitialUpdate()
{
    // One page on the screen at a time.
    SetScrollSizes(MM_TWIPS, CSize(11520, 16560));
    CScrollView::OnInitialUpdate();
}

CString CLeagueNameView::GetHeading() const
{
    auto* doc = dynamic_cast<CBowlingDoc*>(GetDocument());
    if (!doc)
        return CString();
    return doc->m_strLeagueName.IsEmpty() ? doc->GetTitle() : doc->m_strLeagueName;
}

void CLeagueNameView::OnDraw(CDC* pDC)
{
    CFont title, detail;
    title.CreateFont(-400, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0x10, "Arial");
    detail.CreateFont(-200, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0x10, "Arial");
    CFont* old = pDC->SelectObject(&title);
    UINT oldAlign = pDC->SetTextAlign(TA_CENTER | TA_TOP);
    int oldMode = pDC->SetBkMode(TRANSPARENT);
    pDC->TextOut(5760, -1440, GetHeading());
    pDC->SelectObject(&detail);
    if (CDocument* doc = GetDocument(); doc && !doc->GetPathName().IsEmpty())
        pDC->TextOut(5760, -2160, doc->GetPathName());
    pDC->SetBkMode(oldMode);
    pDC->SetTextAlign(oldAlign);
    pDC->SelectObject(old);
}

BOOL CLeagueNameView::OnPreparePrinting(CPrintInfo* pInfo)
{
    pInfo->SetMaxPage(1);
    return DoPreparePrinting(pInfo);
}
