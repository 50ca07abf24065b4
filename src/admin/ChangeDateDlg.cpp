#include "admin/ChangeDateDlg.h"

#include "admin/DateCombos.h"

BEGIN_MESSAGE_MAP(CChangeDateDlg, CDialog)
    ON_CBN_SELCHANGE(IDC_DATE_DAY, OnSelchangeCombo)
    ON_CBN_SELCHANGE(IDC_DATE_MONTH, OnSelchangeCombo)
    ON_CBN_SELCHANGE(IDC_DATE_YEAR, OnSelchangeCombo)
    ON_CBN_SELCHANGE(IDC_DATE_HOUR, OnSelchangeCombo)
    ON_CBN_SELCHANGE(IDC_DATE_MINUTE, OnSelchangeCombo)
    ON_BN_CLICKED(IDC_CD_PLUS_WEEK, OnPlusWeek)
    ON_BN_CLICKED(IDC_CD_MINUS_WEEK, OnMinusWeek)
END_MESSAGE_MAP()

CChangeDateDlg::CChangeDateDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

BOOL CChangeDateDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    auto* pDay = static_cast<CComboBox*>(GetDlgItem(IDC_DATE_DAY));
    for (int d = 1; d <= 31; ++d) {
        CString s;
        s.Format("%d", d);
        pDay->AddString(s);
    }
    FillMonthCombo(static_cast<CComboBox*>(GetDlgItem(IDC_DATE_MONTH)));
    FillYearCombo(static_cast<CComboBox*>(GetDlgItem(IDC_DATE_YEAR)));
    FillHourCombo(static_cast<CComboBox*>(GetDlgItem(IDC_DATE_HOUR)));
    FillMinuteCombo(static_cast<CComboBox*>(GetDlgItem(IDC_DATE_MINUTE)));
    if (m_bDateOnly) {
        GetDlgItem(IDC_DATE_HOUR)->EnableWindow(FALSE);
        GetDlgItem(IDC_DATE_MINUTE)->EnableWindow(FALSE);
        GetDlgItem(IDC_CD_PLUS_WEEK)->EnableWindow(FALSE);
        GetDlgItem(IDC_CD_MINUS_WEEK)->EnableWindow(FALSE);
    }
    ShowDate();
    return TRUE;
}

void CChangeDateDlg::ShowDate()
{
    m_nHour = m_date.GetHour();
    m_nMinute = m_date.GetMinute();
    SetDlgItemText(IDC_DATE_WEEKDAY, m_date.Format("%A"));
    static_cast<CComboBox*>(GetDlgItem(IDC_DATE_MINUTE))->SetCurSel(m_nMinute / 5);
    static_cast<CComboBox*>(GetDlgItem(IDC_DATE_HOUR))->SetCurSel(m_nHour);
    static_cast<CComboBox*>(GetDlgItem(IDC_DATE_DAY))->SetCurSel(m_date.GetDay() - 1);
    static_cast<CComboBox*>(GetDlgItem(IDC_DATE_MONTH))->SetCurSel(m_date.GetMonth() - 1);
    static_cast<CComboBox*>(GetDlgItem(IDC_DATE_YEAR))->SetCurSel(YearIndex(m_date.GetYear()));
}

void CChangeDateDlg::SetDate(CTime date)
{
    if (IsDateInFileRange(date) && YearIndex(date.GetYear()) >= 0)
        m_date = date;
    else
        SayDateOutOfFileRange();
    ShowDate();
}

void CChangeDateDlg::OnSelchangeCombo()
{
    auto sel = [this](UINT nID) { return static_cast<CComboBox*>(GetDlgItem(nID))->GetCurSel(); };
    const int nYear = sel(IDC_DATE_YEAR);
    const int nMonth = sel(IDC_DATE_MONTH);
    const int nDay = sel(IDC_DATE_DAY);
    const int nHour = sel(IDC_DATE_HOUR);
    const int nMinute = sel(IDC_DATE_MINUTE);
    if (nYear < 0 || nMonth < 0 || nDay < 0 || nHour < 0 || nMinute < 0) {
        ShowDate();
        return;
    }
    SetDate(MakeLocalTime(nYear + FIRST_STORABLE_YEAR, nMonth + 1, nDay + 1, nHour, 5 * nMinute));
}

void CChangeDateDlg::OnPlusWeek()
{
    SetDate(m_date + CTimeSpan(SECONDS_PER_WEEK));
}

void CChangeDateDlg::OnMinusWeek()
{
    SetDate(m_date - CTimeSpan(SECONDS_PER_WEEK));
}
