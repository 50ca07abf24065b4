#include "reports/layout/FixturesByWeekDlg.h"

#include "reports/layout/FixtureItems.h"

BEGIN_MESSAGE_MAP(CFixturesByWeekDlg, CDialog)
    ON_BN_CLICKED(IDC_FW_HEADING_FONT, OnHeadingFont)
    ON_BN_CLICKED(IDC_FW_DETAIL_FONT, OnDetailFont)
    ON_BN_CLICKED(IDC_FW_APPLY_TO_ALL, OnApplyToAll)
END_MESSAGE_MAP()

CFixturesByWeekDlg::CFixturesByWeekDlg(CRepItem_FixWeek* pItem, CWnd* pParent) : CDialog(IDD, pParent), m_pItem(pItem)
{
}

BOOL CFixturesByWeekDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    ShowFontDescriptions();
    CheckDlgButton(IDC_FW_APPLY_TO_ALL, m_bApplyToAll ? 1 : 0);
    return TRUE;
}

void CFixturesByWeekDlg::ShowFontDescriptions()
{
    CString s;
    m_pItem->m_fontHeading.GetDescription(s);
    SetDlgItemText(IDC_FW_HEADING_DESC, s);
    m_pItem->m_fontDetail.GetDescription(s);
    SetDlgItemText(IDC_FW_DETAIL_DESC, s);
}

void CFixturesByWeekDlg::OnHeadingFont()
{
    ChooseReportFont(&m_pItem->m_fontHeading);
    ShowFontDescriptions();
}

void CFixturesByWeekDlg::OnDetailFont()
{
    ChooseReportFont(&m_pItem->m_fontDetail);
    ShowFontDescriptions();
}

void CFixturesByWeekDlg::OnApplyToAll()
{
    m_bApplyToAll = IsDlgButtonChecked(IDC_FW_APPLY_TO_ALL) ? 1 : 0;
}
