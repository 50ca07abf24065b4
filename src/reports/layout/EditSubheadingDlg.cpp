#include "reports/layout/EditSubheadingDlg.h"

#include "reports/layout/SubHeadingItem.h"

BEGIN_MESSAGE_MAP(CEditSubheadingDlg, CDialog)
    ON_BN_CLICKED(IDC_SUBHEAD_FONT, OnFont)
    ON_EN_KILLFOCUS(IDC_SUBHEAD_TEXT, OnKillFocusField)
    ON_EN_KILLFOCUS(IDC_SUBHEAD_SPACE_BEFORE, OnKillFocusField)
    ON_EN_KILLFOCUS(IDC_SUBHEAD_SPACE_AFTER, OnKillFocusField)
END_MESSAGE_MAP()

CEditSubheadingDlg::CEditSubheadingDlg(CRepItem_SubHeading* pItem, CWnd* pParent)
    : CDialog(IDD, pParent), m_pItem(pItem)
{
}

void CEditSubheadingDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_SUBHEAD_TEXT, m_strText);
    DDV_MaxChars(pDX, m_strText, CRepItem_SubHeading::MAX_TEXT);
    DDX_Text(pDX, IDC_SUBHEAD_FONT_DESC, m_strFontDesc);
    DDX_Text(pDX, IDC_SUBHEAD_SPACE_AFTER, m_nSpaceAfter);
    DDV_MinMaxInt(pDX, m_nSpaceAfter, 0, 250);
    DDX_Text(pDX, IDC_SUBHEAD_SPACE_BEFORE, m_nSpaceBefore);
    DDV_MinMaxInt(pDX, m_nSpaceBefore, 0, 250);
}

BOOL CEditSubheadingDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_pItem->m_font.GetDescription(m_strFontDesc);
    auto* pAlign = static_cast<CComboBox*>(GetDlgItem(IDC_SUBHEAD_ALIGN));
    pAlign->AddString("Left");
    pAlign->AddString("Center");
    pAlign->AddString("Right");
    pAlign->SetCurSel(m_nAlign >= 0 && m_nAlign <= 2 ? m_nAlign : 0);
    UpdateData(FALSE);
    return TRUE;
}

void CEditSubheadingDlg::OnFont()
{
    // What was typed meanwhile is read first, so the refresh does not undo it.
    if (!UpdateData(TRUE))
        return;
    ChooseReportFont(&m_pItem->m_font);
    m_pItem->m_font.GetDescription(m_strFontDesc);
    UpdateData(FALSE);
}

void CEditSubheadingDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    int nSel = static_cast<CComboBox*>(GetDlgItem(IDC_SUBHEAD_ALIGN))->GetCurSel();
    m_nAlign = nSel >= 0 && nSel <= 2 ? nSel : 0;
    EndDialog(IDOK);
}
