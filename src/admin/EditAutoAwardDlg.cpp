#include "admin/EditAutoAwardDlg.h"

#include <cstdlib>

BEGIN_MESSAGE_MAP(CEditAutoAwardDlg, CDialog)
    ON_BN_CLICKED(IDC_EA_KIND[0], OnKind)
    ON_BN_CLICKED(IDC_EA_KIND[1], OnKind)
    ON_BN_CLICKED(IDC_EA_KIND[2], OnKind)
    ON_BN_CLICKED(IDC_EA_KIND[3], OnKind)
    ON_BN_CLICKED(IDC_EA_SERIES, OnSeriesOrGame)
    ON_BN_CLICKED(IDC_EA_GAME, OnSeriesOrGame)
    ON_EN_KILLFOCUS(IDC_EA_LOW, OnKillfocusValue)
    ON_EN_KILLFOCUS(IDC_EA_HIGH, OnKillfocusValue)
    ON_EN_KILLFOCUS(IDC_EA_MAX_AVERAGE, OnKillfocusValue)
END_MESSAGE_MAP()

namespace {

// A whole number that fits the 16-bit field; -1 for anything else.
int ParseValue(const CString& text)
{
    const char* psz = text;
    char* end = nullptr;
    const long n = std::strtol(psz, &end, 10);
    while (end && *end == ' ')
        ++end;
    if (end == psz || (end && *end) || n < 0 || n > 65535)
        return -1;
    return static_cast<int>(n);
}

} // namespace

BOOL CEditAutoAwardDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_nLow = m_award.m_nLow;
    m_nHigh = m_award.m_nHigh;
    m_nMaxAverage = m_award.m_nMaxAverage;
    UpdateData(FALSE);
    for (int k = 0; k < 4; ++k)
        CheckDlgButton(IDC_EA_KIND[k], m_award.m_nKind == k + 1 ? 1 : 0);
    CheckDlgButton(IDC_EA_SERIES, m_award.m_bSeries ? 1 : 0);
    CheckDlgButton(IDC_EA_GAME, m_award.m_bSeries ? 0 : 1);
    ShowRule();
    return TRUE;
}

void CEditAutoAwardDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_EA_LOW, m_nLow);
    DDV_MinMaxInt(pDX, m_nLow, 0, 65535);
    DDX_Text(pDX, IDC_EA_HIGH, m_nHigh);
    DDV_MinMaxInt(pDX, m_nHigh, 0, 65535);
    DDX_Text(pDX, IDC_EA_MAX_AVERAGE, m_nMaxAverage);
    DDV_MinMaxInt(pDX, m_nMaxAverage, 0, 65535);
}

void CEditAutoAwardDlg::ShowRule()
{
    m_award.MakeDescription();
    SetDlgItemText(IDC_EA_DESCRIPTION, m_award.m_strName);
    const BYTE nKind = m_award.m_nKind;
    const bool bPct = nKind == CAwards::kindPctOverAverage;
    const bool bMin = nKind == CAwards::kindOverByAverage;
    SetDlgItemText(IDC_EA_LOW_LABEL, bPct ? "Percentage" : bMin ? "Min Value" : "Low Value");
    SetDlgItemText(IDC_EA_HIGH_LABEL, bPct || bMin ? "" : "High Value");
    CWnd* pHigh = GetDlgItem(IDC_EA_HIGH);
    pHigh->EnableWindow(!bPct);
    pHigh->ShowWindow(bPct || bMin ? SW_HIDE : SW_SHOW);
}

void CEditAutoAwardDlg::OnKind()
{
    // A radio left unchecked by the click keeps the kind in force.
    for (int k = 0; k < 4; ++k)
        if (IsDlgButtonChecked(IDC_EA_KIND[k]))
            m_award.m_nKind = static_cast<BYTE>(k + 1);
    ShowRule();
}

void CEditAutoAwardDlg::OnSeriesOrGame()
{
    m_award.m_bSeries = IsDlgButtonChecked(IDC_EA_SERIES) ? 1 : 0;
    ShowRule();
}

void CEditAutoAwardDlg::OnKillfocusValue()
{
    // A value that is no 16-bit whole number is left for OK to refuse.
    const int nLow = ParseValue(GetDlgItemText(IDC_EA_LOW));
    const int nHigh = ParseValue(GetDlgItemText(IDC_EA_HIGH));
    const int nMax = ParseValue(GetDlgItemText(IDC_EA_MAX_AVERAGE));
    if (nLow >= 0)
        m_award.m_nLow = static_cast<WORD>(nLow);
    if (nHigh >= 0)
        m_award.m_nHigh = static_cast<WORD>(nHigh);
    if (nMax >= 0)
        m_award.m_nMaxAverage = static_cast<WORD>(nMax);
    ShowRule();
}

void CEditAutoAwardDlg::OnOK()
{
    // The box still holding the focus is read here too: OK may come before it is left.
    if (!UpdateData(TRUE))
        return;
    m_award.m_nLow = static_cast<WORD>(m_nLow);
    m_award.m_nHigh = static_cast<WORD>(m_nHigh);
    m_award.m_nMaxAverage = static_cast<WORD>(m_nMaxAverage);
    m_award.MakeDescription();
    EndDialog(IDOK);
}
