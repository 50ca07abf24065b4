#include "admin/SquadTimesDlg.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(CSquadTimesDlg, CDialog)
    ON_CBN_SELCHANGE(IDC_ST_SQUAD, OnSelchangeSquad)
    ON_EN_KILLFOCUS(IDC_ST_DAYS, OnKillfocusTime)
    ON_EN_KILLFOCUS(IDC_ST_HOURS, OnKillfocusTime)
    ON_EN_KILLFOCUS(IDC_ST_MINUTES, OnKillfocusTime)
END_MESSAGE_MAP()

void CSquadTimesDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_ST_DAYS, m_nDays);
    DDV_MinMaxInt(pDX, m_nDays, 0, 6);
    DDX_Text(pDX, IDC_ST_HOURS, m_nHours);
    DDV_MinMaxInt(pDX, m_nHours, 0, 23);
    DDX_Text(pDX, IDC_ST_MINUTES, m_nMinutes);
    DDV_MinMaxInt(pDX, m_nMinutes, 0, 59);
    DDX_Text(pDX, IDC_ST_SUMMARY, m_strSummary);
    DDX_Text(pDX, IDC_ST_FIRST_TIME, m_strFirstTime);
    DDX_Text(pDX, IDC_ST_SQUAD_TIME, m_strSquadTime);
}

BOOL CSquadTimesDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_nSquads = std::clamp(m_nSquads, 2, 40);
    auto* pCombo = static_cast<CComboBox*>(GetDlgItem(IDC_ST_SQUAD));
    for (int s = 2; s <= m_nSquads; ++s) {
        CString str;
        str.Format("Squad #%d ", s);
        pCombo->AddString(str);
    }
    pCombo->SetCurSel(0);
    m_nSelected = 1;
    ShowSelected();
    return TRUE;
}

void CSquadTimesDlg::ShowSelected()
{
    const int nDelay = m_nDelays[m_nSelected];
    m_nDays = nDelay / 1440;
    m_nHours = nDelay % 1440 / 60;
    m_nMinutes = nDelay % 60;
    ShowTimes();
}

void CSquadTimesDlg::ShowTimes()
{
    const char* pszFormat = "%A %d %b %I:%M %p";
    m_strFirstTime = m_timeFirst.Format(pszFormat);
    const LONGLONG nMinutes = (static_cast<LONGLONG>(m_nDays) * 24 + m_nHours) * 60 + m_nMinutes;
    m_strSquadTime = (m_timeFirst + CTimeSpan(nMinutes * 60)).Format(pszFormat);
    UpdateData(FALSE);
}

bool CSquadTimesDlg::StoreShown()
{
    if (!UpdateData(TRUE))
        return false;
    m_nDelays[m_nSelected] = (m_nDays * 24 + m_nHours) * 60 + m_nMinutes;
    return true;
}

void CSquadTimesDlg::OnKillfocusTime()
{
    if (StoreShown())
        ShowTimes();
}

void CSquadTimesDlg::OnSelchangeSquad()
{
    StoreShown();
    const int nSel = static_cast<CComboBox*>(GetDlgItem(IDC_ST_SQUAD))->GetCurSel();
    m_nSelected = std::clamp(nSel + 1, 1, 39);
    ShowSelected();
}

void CSquadTimesDlg::OnOK()
{
    if (!StoreShown())
        return;
    for (int s = 2; s < m_nSquads; ++s) {
        if (m_nDelays[s] <= m_nDelays[s - 1]) {
            AfxMessageBox("Squad delays MUST be in ascending date/time order");
            return;
        }
    }
    EndDialog(IDOK);
}
