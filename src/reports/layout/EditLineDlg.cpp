#include "reports/layout/EditLineDlg.h"

void CEditLineDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_LINE_SPACE_BEFORE, m_nSpaceBefore);
    DDV_MinMaxInt(pDX, m_nSpaceBefore, 0, 250);
    DDX_Text(pDX, IDC_LINE_WIDTH, m_nWidth);
    DDV_MinMaxInt(pDX, m_nWidth, 0, 100);
    DDX_Text(pDX, IDC_LINE_SPACE_AFTER, m_nSpaceAfter);
    DDV_MinMaxInt(pDX, m_nSpaceAfter, 0, 250);
    DDX_Text(pDX, IDC_LINE_THICKNESS, m_nThickness);
    DDV_MinMaxInt(pDX, m_nThickness, 1, 4);
}
