#include "admin/StartTimeDlg.h"

#include "admin/DateCombos.h"

BEGIN_MESSAGE_MAP(CStartTimeDlg, CDialog)
    ON_CBN_KILLFOCUS(IDC_DATE_HOUR, OnKillfocusHour)
    ON_CBN_KILLFOCUS(IDC_DATE_MINUTE, OnKillfocusMinute)
END_MESSAGE_MAP()

BOOL CStartTimeDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    auto* pHour = static_cast<CComboBox*>(GetDlgItem(IDC_DATE_HOUR));
    auto* pMinute = static_cast<CComboBox*>(GetDlgItem(IDC_DATE_MINUTE));
    FillHourCombo(pHour);
    FillMinuteCombo(pMinute);
    pHour->SetCurSel(m_nHourIndex);
    pMinute->SetCurSel(m_nMinuteIndex);
    return TRUE;
}

void CStartTimeDlg::OnKillfocusHour()
{
    const int n = static_cast<CComboBox*>(GetDlgItem(IDC_DATE_HOUR))->GetCurSel();
    if (n >= 0)
        m_nHourIndex = n;
}

void CStartTimeDlg::OnKillfocusMinute()
{
    const int n = static_cast<CComboBox*>(GetDlgItem(IDC_DATE_MINUTE))->GetCurSel();
    if (n >= 0)
        m_nMinuteIndex = n;
}

void CStartTimeDlg::OnOK()
{
    // A choice made without leaving the box counts too.
    OnKillfocusHour();
    OnKillfocusMinute();
    EndDialog(IDOK);
}
