#include "admin/SetFixtureListDlg.h"

#include "admin/DateCombos.h"
#include "admin/FixtureCalendar.h"
#include "league/BowlingDoc.h"

BEGIN_MESSAGE_MAP(CSetFixtureListDlg, CDialog)
    ON_EN_CHANGE(IDC_DATE_DAY, OnChangeDay)
    ON_CBN_SELCHANGE(IDC_DATE_MONTH, OnSelchangeMonth)
    ON_EN_KILLFOCUS(IDC_DATE_YEAR, OnKillfocusYear)
    ON_CBN_SELCHANGE(IDC_DATE_HOUR, OnSelchangeTime)
    ON_CBN_SELCHANGE(IDC_DATE_MINUTE, OnSelchangeTime)
END_MESSAGE_MAP()

CSetFixtureListDlg::CSetFixtureListDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

void CSetFixtureListDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_DATE_DAY, m_nStartDay);
    DDV_MinMaxInt(pDX, m_nStartDay, 1, 31);
    DDX_Text(pDX, IDC_DATE_YEAR, m_nStartYear);
    // The league file keeps dates as 32-bit seconds.
    DDV_MinMaxInt(pDX, m_nStartYear, FIRST_STORABLE_YEAR, LAST_STORABLE_YEAR);
    DDX_Text(pDX, IDC_DATE_WEEKDAY, m_strWeekday);
    DDX_Text(pDX, IDC_SFL_ROUNDS_PER_INTERVAL, m_nRoundsPerInterval);
    DDV_MinMaxInt(pDX, m_nRoundsPerInterval, 1, 99);
}

BOOL CSetFixtureListDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    auto* pMatches = static_cast<CComboBox*>(GetDlgItem(IDC_SFL_MATCHES));
    // One cycle meets every other team once; an odd count needs a round more for the byes.
    const int nCycle = m_nTeams % 2 == 0 ? m_nTeams - 1 : m_nTeams;
    if (nCycle > 0) {
        for (int n = nCycle; n < 84; n += nCycle) {
            CString s;
            s.Format("%2d Matches", n);
            pMatches->SetItemData(pMatches->AddString(s), static_cast<DWORD_PTR>(n));
        }
    }
    pMatches->SetCurSel(0);
    auto* pFrequency = static_cast<CComboBox*>(GetDlgItem(IDC_SFL_FREQUENCY));
    for (const char* s : {"Weekly", "Fortnightly", "Four Weekly"})
        pFrequency->AddString(s);
    pFrequency->SetCurSel(0);
    FillMonthCombo(static_cast<CComboBox*>(GetDlgItem(IDC_DATE_MONTH)));
    FillHourCombo(static_cast<CComboBox*>(GetDlgItem(IDC_DATE_HOUR)));
    FillMinuteCombo(static_cast<CComboBox*>(GetDlgItem(IDC_DATE_MINUTE)));

    CTime today = CTime::GetCurrentTime();
    static_cast<CComboBox*>(GetDlgItem(IDC_DATE_MONTH))->SetCurSel(today.GetMonth() - 1);
    m_nHour = 18;
    m_nMinute = 0;
    static_cast<CComboBox*>(GetDlgItem(IDC_DATE_HOUR))->SetCurSel(m_nHour);
    static_cast<CComboBox*>(GetDlgItem(IDC_DATE_MINUTE))->SetCurSel(0);
    m_nStartDay = today.GetDay();
    m_nStartYear = today.GetYear();
    m_timeStart = MakeLocalTime(m_nStartYear, today.GetMonth(), m_nStartDay, m_nHour, m_nMinute);
    m_strWeekday = m_timeStart.Format("%A");
    UpdateData(FALSE);
    return TRUE;
}

void CSetFixtureListDlg::RebuildStart()
{
    const int nMonth = static_cast<CComboBox*>(GetDlgItem(IDC_DATE_MONTH))->GetCurSel() + 1;
    if (m_nStartYear < FIRST_STORABLE_YEAR || m_nStartYear > LAST_STORABLE_YEAR || nMonth < 1)
        return;
    m_timeStart = MakeLocalTime(m_nStartYear, nMonth, m_nStartDay, m_nHour, m_nMinute);
    m_strWeekday = m_timeStart.Format("%A");
    SetDlgItemText(IDC_DATE_WEEKDAY, m_strWeekday);
}

void CSetFixtureListDlg::OnChangeDay()
{
    BOOL bNumber = FALSE;
    const int nDay = static_cast<int>(GetDlgItemInt(IDC_DATE_DAY, &bNumber));
    if (!bNumber || nDay < 1 || nDay > 31)
        return;
    m_nStartDay = nDay;
    RebuildStart();
}

void CSetFixtureListDlg::OnSelchangeMonth()
{
    RebuildStart();
}

void CSetFixtureListDlg::OnKillfocusYear()
{
    BOOL bNumber = FALSE;
    const int nYear = static_cast<int>(GetDlgItemInt(IDC_DATE_YEAR, &bNumber));
    if (bNumber)
        m_nStartYear = nYear;
    RebuildStart();
}

void CSetFixtureListDlg::OnSelchangeTime()
{
    m_nHour = static_cast<CComboBox*>(GetDlgItem(IDC_DATE_HOUR))->GetCurSel();
    m_nMinute = 5 * static_cast<CComboBox*>(GetDlgItem(IDC_DATE_MINUTE))->GetCurSel();
    RebuildStart();
}

void CSetFixtureListDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    RebuildStart();
    m_nFrequency = static_cast<CComboBox*>(GetDlgItem(IDC_SFL_FREQUENCY))->GetCurSel();
    if (m_nFrequency < 0)
        m_nFrequency = 0;
    auto* pMatches = static_cast<CComboBox*>(GetDlgItem(IDC_SFL_MATCHES));
    const int nSel = pMatches->GetCurSel();
    m_nMatches = nSel >= 0 ? static_cast<int>(pMatches->GetItemData(nSel)) : 0;
    // The season's dates, as the league would be given them, must fit the league file.
    CFixtureListRequest request;
    request.nRoundsPerInterval = m_nRoundsPerInterval;
    request.nRounds = m_nMatches;
    request.nFrequency = m_nFrequency;
    request.timeStart = m_timeStart;
    if (m_pDoc && !FixtureCalendar::WouldFitFile(*m_pDoc, [this, &request] { m_pDoc->DateNewSeason(request); })) {
        CString strMsg = SEASON_PAST_LAST_DATE;
        strMsg += " Please choose an earlier start or fewer matches.";
        AfxMessageBox(strMsg);
        // The day is what the secretary most often moves.
        GotoDlgCtrl(GetDlgItem(IDC_DATE_DAY));
        return;
    }
    EndDialog(IDOK);
}
