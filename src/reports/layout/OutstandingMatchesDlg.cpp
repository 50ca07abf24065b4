#include "reports/layout/OutstandingMatchesDlg.h"

#include "reports/layout/OutstandingItem.h"

BEGIN_MESSAGE_MAP(COutstandingMatchesDlg, CDialog)
    ON_BN_CLICKED(IDC_OM_HEADING_FONT, OnHeadingFont)
    ON_BN_CLICKED(IDC_OM_DETAIL_FONT, OnDetailFont)
END_MESSAGE_MAP()

COutstandingMatchesDlg::COutstandingMatchesDlg(CRepItem_LateGames* pItem, CWnd* pParent)
    : CDialog(IDD, pParent), m_pItem(pItem)
{
}

void COutstandingMatchesDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_OM_TITLE, m_strTitle);
    DDX_Text(pDX, IDC_OM_HEADING_DESC, m_strHeadingDesc);
    DDX_Check(pDX, IDC_OM_PRINT_ALWAYS, m_bPrintAlways);
    DDX_Text(pDX, IDC_OM_DETAIL_DESC, m_strDetailDesc);
}

BOOL COutstandingMatchesDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    auto* pAlign = static_cast<CComboBox*>(GetDlgItem(IDC_OM_ALIGN));
    pAlign->AddString("Left");
    pAlign->AddString("Centre");
    pAlign->AddString("Right");
    pAlign->SetCurSel(m_nAlign >= 0 && m_nAlign <= 2 ? m_nAlign : 0);
    DescribeFonts();
    UpdateData(FALSE);
    return TRUE;
}

void COutstandingMatchesDlg::DescribeFonts()
{
    m_pItem->m_fontHeading.GetDescription(m_strHeadingDesc);
    m_pItem->m_fontDetail.GetDescription(m_strDetailDesc);
}

void COutstandingMatchesDlg::OnHeadingFont()
{
    // The typed title and the tick are read first, so the refresh keeps them.
    UpdateData(TRUE);
    ChooseReportFont(&m_pItem->m_fontHeading);
    DescribeFonts();
    UpdateData(FALSE);
}

void COutstandingMatchesDlg::OnDetailFont()
{
    UpdateData(TRUE);
    ChooseReportFont(&m_pItem->m_fontDetail);
    DescribeFonts();
    UpdateData(FALSE);
}

void COutstandingMatchesDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    int nSel = static_cast<CComboBox*>(GetDlgItem(IDC_OM_ALIGN))->GetCurSel();
    m_nAlign = nSel >= 0 && nSel <= 2 ? nSel : 0;
    EndDialog(IDOK);
}
