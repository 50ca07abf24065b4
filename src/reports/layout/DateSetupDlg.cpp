#include "reports/layout/DateSetupDlg.h"

#include "reports/layout/DateItem.h"

BEGIN_MESSAGE_MAP(CDateSetupDlg, CDialog)
    ON_CBN_SELCHANGE(IDC_DATE_STYLE, OnSelchangeStyle)
    ON_BN_CLICKED(IDC_DATE_FONT, OnFont)
END_MESSAGE_MAP()

namespace {

int ListIndex(int nValue, int nCount)
{
    return nValue >= 0 && nValue < nCount ? nValue : nCount - 1;
}

} // namespace

CDateSetupDlg::CDateSetupDlg(CRepItem_Date* pItem, CWnd* pParent) : CDialog(IDD, pParent), m_pItem(pItem) {}

void CDateSetupDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_DATE_SAMPLE, m_strSample);
    DDX_Text(pDX, IDC_DATE_FONT_DESC, m_strFontDesc);
    DDX_Text(pDX, IDC_DATE_SPACE_AFTER, m_nSpaceAfter);
    DDV_MinMaxInt(pDX, m_nSpaceAfter, -1000, 1000);
    DDX_Text(pDX, IDC_DATE_SPACE_BEFORE, m_nSpaceBefore);
    DDV_MinMaxInt(pDX, m_nSpaceBefore, -1000, 1000);
}

BOOL CDateSetupDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    auto* pStyle = static_cast<CComboBox*>(GetDlgItem(IDC_DATE_STYLE));
    for (const char* psz : g_szDateStyleNames)
        pStyle->AddString(psz);
    // A style above the list formats as the last one, so it is shown as that.
    pStyle->SetCurSel(ListIndex(m_nStyle, 5));
    auto* pAlign = static_cast<CComboBox*>(GetDlgItem(IDC_DATE_ALIGN));
    pAlign->AddString("Left");
    pAlign->AddString("Centre");
    pAlign->AddString("Right");
    pAlign->SetCurSel(m_nAlign >= 0 && m_nAlign <= 2 ? m_nAlign : 0);
    ShowSample();
    m_pItem->m_font.GetDescription(m_strFontDesc);
    UpdateData(FALSE);
    return TRUE;
}

void CDateSetupDlg::ShowSample()
{
    // Today's date of the computer, not the league's.
    m_strSample = FormatDateByStyle(m_nStyle, CTime::GetCurrentTime());
}

void CDateSetupDlg::OnSelchangeStyle()
{
    if (!UpdateData(TRUE))
        return;
    int nSel = static_cast<CComboBox*>(GetDlgItem(IDC_DATE_STYLE))->GetCurSel();
    if (nSel >= 0)
        m_nStyle = nSel;
    ShowSample();
    UpdateData(FALSE);
}

void CDateSetupDlg::OnFont()
{
    if (!UpdateData(TRUE))
        return;
    ChooseReportFont(&m_pItem->m_font);
    m_pItem->m_font.GetDescription(m_strFontDesc);
    UpdateData(FALSE);
}

void CDateSetupDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    int nStyle = static_cast<CComboBox*>(GetDlgItem(IDC_DATE_STYLE))->GetCurSel();
    int nAlign = static_cast<CComboBox*>(GetDlgItem(IDC_DATE_ALIGN))->GetCurSel();
    if (nStyle >= 0)
        m_nStyle = nStyle;
    m_nAlign = nAlign >= 0 && nAlign <= 2 ? nAlign : 0;
    EndDialog(IDOK);
}
