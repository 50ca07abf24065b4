#include "admin/SetEnteringAverageDlg.h"

#include "league/Player.h"

#include <cstdio>

BEGIN_MESSAGE_MAP(CSetEnteringAverageDlg, CDialog)
    ON_EN_KILLFOCUS(IDC_SEA_ENTERING, OnKillfocusEntering)
END_MESSAGE_MAP()

BOOL CSetEnteringAverageDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CenterWindow();
    const CPlayer& p = *m_pPlayer;
    CString s;
    SetDlgItemText(IDC_SEA_NAME, p.m_strFirstName + " " + p.m_strSurname);
    s.Format("%u", static_cast<unsigned>(p.m_nEnteringGames));
    SetDlgItemText(IDC_SEA_GAMES, s);
    s.Format("%u", static_cast<unsigned>(p.m_nEnteringPins));
    SetDlgItemText(IDC_SEA_PINS, s);
    const long nTenths = p.m_nEnteringGames ? static_cast<long>(p.m_nEnteringPins) * 10 / p.m_nEnteringGames : 0;
    m_nEnteringAvg = static_cast<WORD>(nTenths > 3000 ? 3000 : nTenths);
    s.Format("%3ld.%ld", nTenths / 10, nTenths % 10);
    SetDlgItemText(IDC_SEA_AVERAGE, s);
    SetDlgItemText(IDC_SEA_ENTERING, s);
    m_bNotEligible = TRUE;
    CheckDlgButton(IDC_SEA_NOT_ELIGIBLE, 1);
    return TRUE;
}

void CSetEnteringAverageDlg::OnKillfocusEntering()
{
    // Rounded to the nearest tenth, and kept to what the 16-bit field and an average allow.
    double d = 0.0;
    long nTenths = 0;
    if (std::sscanf(GetDlgItemText(IDC_SEA_ENTERING).GetString(), "%lf", &d) == 1 && d > 0.0)
        nTenths = d >= 300.0 ? 3000 : static_cast<long>((d + 0.05) * 10.0);
    if (nTenths > 3000)
        nTenths = 3000;
    m_nEnteringAvg = static_cast<WORD>(nTenths);
    CString s;
    s.Format("  %3ld.%ld", nTenths / 10, nTenths % 10);
    SetDlgItemText(IDC_SEA_ENTERING, s);
}

void CSetEnteringAverageDlg::OnOK()
{
    OnKillfocusEntering();
    m_bNotEligible = IsDlgButtonChecked(IDC_SEA_NOT_ELIGIBLE) ? TRUE : FALSE;
    m_pPlayer->SetEnteringAverage(m_nEnteringAvg);
    m_pPlayer->m_bNotEligibleMostImproved = m_bNotEligible ? 1 : 0;
    EndDialog(IDOK);
}
