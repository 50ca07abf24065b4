#include "reports/stats/FloatingSubsFontsDlg.h"

#include "reports/stats/FloatersItem.h"

BEGIN_MESSAGE_MAP(CFloatingSubsFontsDlg, CDialog)
    ON_BN_CLICKED(IDC_FS_TITLE_FONT, OnTitleFont)
    ON_BN_CLICKED(IDC_FS_HEADING_FONT, OnHeadingFont)
    ON_BN_CLICKED(IDC_FS_DETAIL_FONT, OnDetailFont)
    ON_CBN_SELCHANGE(IDC_FS_COLUMNS, OnColumnsChange)
END_MESSAGE_MAP()

CFloatingSubsFontsDlg::CFloatingSubsFontsDlg(CBowlingDoc* pDoc, CRepItem_Floaters* pItem, CWnd* pParent)
    : CDialog(IDD, pParent), m_pDoc(pDoc), m_pItem(pItem)
{
}

void CFloatingSubsFontsDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_FS_TITLE_DESC, m_strTitleDesc);
    DDX_Text(pDX, IDC_FS_HEADING_DESC, m_strHeadingDesc);
    DDX_Text(pDX, IDC_FS_DETAIL_DESC, m_strDetailDesc);
}

BOOL CFloatingSubsFontsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    DescribeFonts();
    auto* pCombo = static_cast<CComboBox*>(GetDlgItem(IDC_FS_COLUMNS));
    pCombo->AddString("Single Column");
    pCombo->AddString("2 Columns");
    pCombo->SetCurSel(m_pItem->m_nColumns ? 1 : 0);
    UpdateData(FALSE);
    return TRUE;
}

void CFloatingSubsFontsDlg::DescribeFonts()
{
    m_pItem->m_fontTitle.GetDescription(m_strTitleDesc);
    m_pItem->m_fontHeading.GetDescription(m_strHeadingDesc);
    m_pItem->m_fontDetail.GetDescription(m_strDetailDesc);
}

void CFloatingSubsFontsDlg::OnTitleFont()
{
    ChooseReportFont(&m_pItem->m_fontTitle);
    DescribeFonts();
    UpdateData(FALSE);
}

void CFloatingSubsFontsDlg::OnHeadingFont()
{
    ChooseReportFont(&m_pItem->m_fontHeading);
    DescribeFonts();
    UpdateData(FALSE);
}

void CFloatingSubsFontsDlg::OnDetailFont()
{
    ChooseReportFont(&m_pItem->m_fontDetail);
    DescribeFonts();
    UpdateData(FALSE);
}

void CFloatingSubsFontsDlg::OnColumnsChange()
{
    const int nSel = static_cast<CComboBox*>(GetDlgItem(IDC_FS_COLUMNS))->GetCurSel();
    if (nSel >= 0)
        m_pItem->m_nColumns = static_cast<BYTE>(nSel);
}
