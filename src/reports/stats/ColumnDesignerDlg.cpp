#include "reports/stats/ColumnDesignerDlg.h"

#include "league/FontData.h"

#include <algorithm>

namespace {
const char* const kJustifications[] = {"Left", "Centre", "Right"};
} // namespace

BEGIN_MESSAGE_MAP(CColumnDesignerDlg, CDialog)
    ON_CBN_SELCHANGE(IDC_CD_TYPE, OnSelChangeType)
    ON_CBN_SELCHANGE(IDC_CD_JUSTIFY, OnSelChangeJustify)
    ON_EN_KILLFOCUS(IDC_CD_WIDTH, OnKillFocusWidth)
    ON_EN_KILLFOCUS(IDC_CD_TITLE, OnKillFocusTitle)
    ON_LBN_SELCHANGE(IDC_CD_COLUMNS, OnSelChangeColumns)
    ON_BN_CLICKED(IDC_CD_ADD, OnAdd)
    ON_BN_CLICKED(IDC_CD_DELETE, OnDelete)
    ON_BN_CLICKED(IDC_CD_LEFT, OnMoveLeft)
    ON_BN_CLICKED(IDC_CD_RIGHT, OnMoveRight)
    ON_BN_CLICKED(IDC_CD_CENTRE, OnCentre)
    ON_BN_CLICKED(IDC_CD_TITLE_FONT, OnTitleFont)
    ON_BN_CLICKED(IDC_CD_DETAIL_FONT, OnDetailFont)
END_MESSAGE_MAP()

CColumnDesignerDlg::CColumnDesignerDlg(UINT nIDD, CDesignColumns& columns, CFontData& fontHeading,
                                       CFontData& fontDetail, int nFullWidth, WORD nNewWidth, CWnd* pParent)
    : CDialog(nIDD, pParent), m_columns(columns), m_fontHeading(fontHeading), m_fontDetail(fontDetail),
      m_nFullWidth(nFullWidth), m_nNewWidth(nNewWidth)
{
}

BOOL CColumnDesignerDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_nIndex = 0;
    ShowFonts();
    auto* pTypes = static_cast<CComboBox*>(GetDlgItem(IDC_CD_TYPE));
    pTypes->ResetContent();
    for (int n = 0; n < GetTypeCount(); ++n)
        pTypes->AddString(GetTypeName(n));
    FillCombo(IDC_CD_JUSTIFY, kJustifications, 3, -1);
    return TRUE;
}

void CColumnDesignerDlg::Enable(UINT nID, BOOL bEnable)
{
    if (CWnd* p = GetDlgItem(nID))
        p->EnableWindow(bEnable);
}

void CColumnDesignerDlg::FillCombo(UINT nID, const char* const* ppszTexts, int nCount, int nSel)
{
    auto* pCombo = static_cast<CComboBox*>(GetDlgItem(nID));
    pCombo->ResetContent();
    for (int i = 0; i < nCount; ++i)
        pCombo->AddString(ppszTexts[i]);
    pCombo->SetCurSel(nSel >= 0 && nSel < nCount ? nSel : -1);
}

int CColumnDesignerDlg::GetSel(UINT nID) const
{
    return static_cast<const CComboBox*>(GetDlgItem(nID))->GetCurSel();
}

void CColumnDesignerDlg::ShowFonts()
{
    CString s;
    m_fontHeading.GetDescription(s);
    SetDlgItemText(IDC_CD_TITLE_FONT_DESC, s);
    m_fontDetail.GetDescription(s);
    SetDlgItemText(IDC_CD_DETAIL_FONT_DESC, s);
}

void CColumnDesignerDlg::FillColumnList()
{
    auto* pList = static_cast<CListBox*>(GetDlgItem(IDC_CD_COLUMNS));
    pList->ResetContent();
    const int nCount = m_columns.GetCount();
    if (m_nIndex >= nCount || m_nIndex < 0)
        m_nIndex = nCount - 1;
    for (int i = 0; i < nCount; ++i)
        pList->AddString(GetTypeName(std::min<int>(m_columns.Type(i), GetTypeCount())));
    pList->SetCurSel(m_nIndex);
    ShowCurrentColumn();
    ShowSpace();
}

void CColumnDesignerDlg::ShowCurrentColumn()
{
    // A table without columns has nothing to show; Add still works.
    const BOOL bCurrent = HasCurrent();
    for (UINT nID : {IDC_CD_TYPE, IDC_CD_JUSTIFY, IDC_CD_WIDTH, IDC_CD_TITLE, IDC_CD_DELETE, IDC_CD_LEFT, IDC_CD_RIGHT})
        Enable(nID, bCurrent);
    auto* pTypes = static_cast<CComboBox*>(GetDlgItem(IDC_CD_TYPE));
    auto* pJustify = static_cast<CComboBox*>(GetDlgItem(IDC_CD_JUSTIFY));
    if (!bCurrent) {
        pTypes->SetCurSel(-1);
        pJustify->SetCurSel(-1);
        SetDlgItemText(IDC_CD_WIDTH, "");
        SetDlgItemText(IDC_CD_TITLE, "");
        return;
    }
    const int nType = m_columns.Type(m_nIndex);
    pTypes->SetCurSel(nType < GetTypeCount() ? nType : -1);
    const int nJustify = m_columns.Justify(m_nIndex);
    pJustify->SetCurSel(nJustify < 3 ? nJustify : -1);
    SetDlgItemText(IDC_CD_TITLE, m_columns.Title(m_nIndex));
    SetDlgItemText(IDC_CD_WIDTH, FormatWidth(m_columns.Width(m_nIndex)));
}

void CColumnDesignerDlg::ShowSpace()
{
    const int nUsed = m_columns.GetTotalWidth();
    SetDlgItemText(IDC_CD_USED, FormatSpace(nUsed));
    SetDlgItemText(IDC_CD_FREE, FormatSpace(nUsed < m_nFullWidth ? m_nFullWidth - nUsed : 0));
    GetDlgItem(IDC_CD_TOO_LONG)->ShowWindow(nUsed > m_nFullWidth ? SW_SHOW : SW_HIDE);
}

BOOL CColumnDesignerDlg::StoreEdits()
{
    if (!HasCurrent())
        return TRUE;
    m_columns.Title(m_nIndex) = GetDlgItemText(IDC_CD_TITLE);
    return StoreWidth();
}

void CColumnDesignerDlg::OnSelChangeType()
{
    const int nSel = GetSel(IDC_CD_TYPE);
    if (!HasCurrent() || nSel < 0)
        return;
    m_columns.Type(m_nIndex) = static_cast<BYTE>(nSel);
    FillColumnList();
}

void CColumnDesignerDlg::OnSelChangeJustify()
{
    const int nSel = GetSel(IDC_CD_JUSTIFY);
    if (HasCurrent() && nSel >= 0)
        m_columns.Justify(m_nIndex) = static_cast<BYTE>(nSel);
}

void CColumnDesignerDlg::OnKillFocusWidth()
{
    if (HasCurrent() && StoreWidth())
        ShowSpace();
}

void CColumnDesignerDlg::OnKillFocusTitle()
{
    if (HasCurrent())
        m_columns.Title(m_nIndex) = GetDlgItemText(IDC_CD_TITLE);
}

void CColumnDesignerDlg::OnSelChangeColumns()
{
    const int nSel = static_cast<CListBox*>(GetDlgItem(IDC_CD_COLUMNS))->GetCurSel();
    if (nSel < 0)
        return;
    m_nIndex = nSel;
    FillColumnList();
}

void CColumnDesignerDlg::OnAdd()
{
    const int nAt = HasCurrent() ? m_nIndex : 0;
    m_columns.Insert(nAt, m_nNewWidth);
    m_nIndex = nAt;
    FillColumnList();
}

void CColumnDesignerDlg::OnDelete()
{
    if (!HasCurrent() || m_columns.GetCount() < 2)
        return;
    m_columns.Delete(m_nIndex);
    m_nIndex = m_columns.GetCount() - 1;
    FillColumnList();
}

void CColumnDesignerDlg::OnMoveLeft()
{
    if (!HasCurrent() || m_nIndex == 0)
        return;
    m_columns.Swap(m_nIndex, m_nIndex - 1);
    --m_nIndex;
    FillColumnList();
}

void CColumnDesignerDlg::OnMoveRight()
{
    if (!HasCurrent() || m_nIndex + 1 >= m_columns.GetCount())
        return;
    m_columns.Swap(m_nIndex, m_nIndex + 1);
    ++m_nIndex;
    FillColumnList();
}

void CColumnDesignerDlg::OnCentre()
{
    while (m_columns.GetCount() > 1 && m_columns.Type(0) == 0)
        m_columns.Delete(0);
    while (m_columns.GetCount() > 1 && m_columns.Type(m_columns.GetCount() - 1) == 0)
        m_columns.Delete(m_columns.GetCount() - 1);
    const int nUsed = m_columns.GetTotalWidth();
    if (nUsed < m_nFullWidth)
        m_columns.Insert(0, static_cast<WORD>((m_nFullWidth - nUsed) / 2));
    FillColumnList();
}

void CColumnDesignerDlg::OnTitleFont()
{
    ChooseReportFont(&m_fontHeading);
    ShowFonts();
}

void CColumnDesignerDlg::OnDetailFont()
{
    ChooseReportFont(&m_fontDetail);
    ShowFonts();
}
