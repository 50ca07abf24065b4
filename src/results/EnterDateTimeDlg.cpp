#include "results/EnterDateTimeDlg.h"

#include "admin/DateCombos.h"

#include <algorithm>

namespace {

const char* const kMonths[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jly", "Aug", "Sep", "Oct", "Nov", "Dec"};
const char* const kWeekdays[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

}  // namespace

CEnterDateTimeDlg::CEnterDateTimeDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

BEGIN_MESSAGE_MAP(CEnterDateTimeDlg, CDialog)
    ON_EN_KILLFOCUS(IDC_DT_DAY, OnKillFocusDay)
    ON_EN_KILLFOCUS(IDC_DT_YEAR, OnKillFocusYear)
    ON_CBN_SELCHANGE(IDC_DT_HOUR, OnSelChangeHour)
    ON_CBN_SELCHANGE(IDC_DT_MINUTE, OnSelChangeMinute)
    ON_CBN_SELCHANGE(IDC_DT_MONTH, OnSelChangeMonth)
    ON_BN_CLICKED(IDC_DT_BOTH_TEAMS, OnBothTeams)
END_MESSAGE_MAP()

void CEnterDateTimeDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DT_MINUTE, m_comboMinute);
    DDX_Control(pDX, IDC_DT_HOUR, m_comboHour);
    DDX_Control(pDX, IDC_DT_MONTH, m_comboMonth);
    DDX_Text(pDX, IDC_DT_DAY, m_nDay);
    DDV_MinMaxInt(pDX, m_nDay, 1, 31);
    DDX_Text(pDX, IDC_DT_YEAR, m_nYear);
    DDV_MinMaxInt(pDX, m_nYear, FIRST_STORABLE_YEAR, LAST_STORABLE_YEAR);
    DDX_Text(pDX, IDC_DT_LINE1, m_strLine1);
    DDX_Text(pDX, IDC_DT_LINE2, m_strLine2);
    DDX_Text(pDX, IDC_DT_LINE3, m_strLine3);
    DDX_Text(pDX, IDC_DT_WEEKDAY, m_strWeekday);
    DDX_Check(pDX, IDC_DT_BOTH_TEAMS, m_bBothTeams);
}

BOOL CEnterDateTimeDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CenterWindow();
    // The three lists, in the order of their entry indexes.
    for (int m = 0; m < 60; m += 5) {
        CString s;
        s.Format("%02d", m);
        m_comboMinute.AddString(s);
    }
    for (int h = 0; h < 24; ++h) {
        CString s;
        s.Format("%02d %s", h % 12 == 0 ? 12 * (h != 0) : h % 12, h < 12 ? "am" : "pm");
        m_comboHour.AddString(s);
    }
    for (const char* m : kMonths)
        m_comboMonth.AddString(m);
    ShowTime();
    return TRUE;
}

void CEnterDateTimeDlg::ShowTime()
{
    m_strWeekday = kWeekdays[(m_time.GetDayOfWeek() + 6) % 7];
    m_nYear = m_time.GetYear();
    m_nDay = m_time.GetDay();
    m_comboMonth.SetCurSel(m_time.GetMonth() - 1);
    m_comboHour.SetCurSel(m_time.GetHour());
    m_comboMinute.SetCurSel(m_time.GetMinute() / 5);
    UpdateData(FALSE);
}

BOOL CEnterDateTimeDlg::ReadTime()
{
    const int nMonth = m_comboMonth.GetCurSel() + 1;
    const int nHour = std::max(m_comboHour.GetCurSel(), 0);
    const int nMinute = std::max(m_comboMinute.GetCurSel(), 0) * 5;
    const CTime t(m_nYear, nMonth < 1 ? 1 : nMonth, m_nDay, nHour, nMinute, 0);
    // A date past the 32-bit seconds of the league file would be stored wrapped round.
    if (!IsDateInFileRange(t)) {
        SayDateOutOfFileRange();
        return FALSE;
    }
    m_time = t;
    return TRUE;
}

bool CEnterDateTimeDlg::BoxesShowTime() const
{
    return m_nYear == m_time.GetYear() && m_nDay == m_time.GetDay() &&
           m_comboMonth.GetCurSel() == m_time.GetMonth() - 1 && m_comboHour.GetCurSel() == m_time.GetHour() &&
           m_comboMinute.GetCurSel() == m_time.GetMinute() / 5;
}

void CEnterDateTimeDlg::OnChange()
{
    // After a refused day or year the boxes go back to the last good date.
    if (UpdateData(TRUE))
        ReadTime();
    ShowTime();
}

void CEnterDateTimeDlg::OnBothTeams() { UpdateData(TRUE); }

void CEnterDateTimeDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    // A box typed into and not yet left still counts; untouched boxes leave the time as it
    // came, odd minutes included.
    if (!BoxesShowTime() && !ReadTime())
        return;
    CDialog::OnOK();
}
