#include "reports/stats/AvgBustersItemDlg.h"

#include "reports/stats/AvgBustersItem.h"

BEGIN_MESSAGE_MAP(CAvgBustersItemDlg, CDialog)
    ON_BN_CLICKED(IDC_AB_HEADER_FONT, OnHeaderFont)
    ON_BN_CLICKED(IDC_AB_DETAIL_FONT, OnDetailFont)
    ON_BN_CLICKED(IDC_AB_CURRENT_ROUND, OnCurrentRound)
END_MESSAGE_MAP()

CAvgBustersItemDlg::CAvgBustersItemDlg(CBowlingDoc* pDoc, CRepItem_AvgBusters* pItem, CWnd* pParent)
    : CDialog(IDD, pParent), m_pDoc(pDoc), m_pItem(pItem)
{
}

void CAvgBustersItemDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_AB_HEADER_DESC, m_strHeaderDesc);
    DDX_Text(pDX, IDC_AB_DETAIL_DESC, m_strDetailDesc);
    DDX_Text(pDX, IDC_AB_DISPLAY, m_nDisplay);
    DDV_MinMaxByte(pDX, m_nDisplay, 1, CRepItem_AvgBusters::MAX_DISPLAY);
    DDX_Check(pDX, IDC_AB_CURRENT_ROUND, m_bCurrentRound);
}

BOOL CAvgBustersItemDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_bCurrentRound = m_pItem->m_bCurrentRound ? 1 : 0;
    m_pItem->m_fontHeader.GetDescription(m_strHeaderDesc);
    m_pItem->m_fontDetail.GetDescription(m_strDetailDesc);
    UpdateData(FALSE);
    return TRUE;
}

void CAvgBustersItemDlg::DescribeFonts()
{
    // Only the descriptions: a number being typed stays as it is.
    m_pItem->m_fontHeader.GetDescription(m_strHeaderDesc);
    m_pItem->m_fontDetail.GetDescription(m_strDetailDesc);
    SetDlgItemText(IDC_AB_HEADER_DESC, m_strHeaderDesc);
    SetDlgItemText(IDC_AB_DETAIL_DESC, m_strDetailDesc);
}

void CAvgBustersItemDlg::OnHeaderFont()
{
    ChooseReportFont(&m_pItem->m_fontHeader);
    DescribeFonts();
}

void CAvgBustersItemDlg::OnDetailFont()
{
    ChooseReportFont(&m_pItem->m_fontDetail);
    DescribeFonts();
}

void CAvgBustersItemDlg::OnCurrentRound()
{
    m_bCurrentRound = IsDlgButtonChecked(IDC_AB_CURRENT_ROUND) ? 1 : 0;
    m_pItem->m_bCurrentRound = static_cast<DWORD>(m_bCurrentRound);
}
