#include "admin/AddPositionWeekDlg.h"

#include "admin/FixtureCalendar.h"
#include "league/BowlingDoc.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(CAddPositionWeekDlg, CDialog)
    ON_EN_KILLFOCUS(IDC_APW_ROUND, OnKillfocusRound)
    ON_BN_CLICKED(IDC_APW_HANDICAP, OnHandicap)
    ON_BN_CLICKED(IDC_APW_SCRATCH, OnScratch)
END_MESSAGE_MAP()

void CAddPositionWeekDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_APW_ROUND, m_nRound);
    DDX_Check(pDX, IDC_APW_HANDICAP, m_bHandicap);
    DDX_Check(pDX, IDC_APW_SCRATCH, m_bScratch);
}

BOOL CAddPositionWeekDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    const bool bHcp = m_pDoc && m_pDoc->m_bHandicapLeague;
    const bool bScr = m_pDoc && m_pDoc->m_bScratchLeague;
    if (bHcp && bScr) {
        m_bHandicap = 1;
        m_bScratch = 0;
    } else if (bScr) {
        m_bScratch = 1;
        m_bHandicap = 0;
        GetDlgItem(IDC_APW_HANDICAP)->EnableWindow(FALSE);
    } else {
        m_bHandicap = 1;
        m_bScratch = 0;
        GetDlgItem(IDC_APW_SCRATCH)->EnableWindow(FALSE);
    }
    // The round offered is the first after the results.
    if (m_pDoc)
        m_nRound = std::max(m_nRound, FixtureCalendar::FirstPositionRound(*m_pDoc));
    m_nRound = ClampRound(m_nRound);
    UpdateData(FALSE);
    return TRUE;
}

void CAddPositionWeekDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    m_nRound = ClampRound(m_nRound);
    const int nFirst = m_pDoc ? FixtureCalendar::FirstPositionRound(*m_pDoc) : 2;
    if (m_nRound < nFirst) {
        CString strMsg;
        strMsg.Format("Results have been entered up to round %d, so a position round can go no earlier than round %d.",
                      nFirst - 1, nFirst);
        AfxMessageBox(strMsg);
        GotoDlgCtrl(GetDlgItem(IDC_APW_ROUND));
        return;
    }
    EndDialog(IDOK);
}

int CAddPositionWeekDlg::ClampRound(int nRound) const
{
    const int nRounds = m_pDoc ? m_pDoc->m_nRounds : 1;
    return std::clamp(nRound, 2, std::max(nRounds + 1, 2));
}

void CAddPositionWeekDlg::OnKillfocusRound()
{
    BOOL bNumber = FALSE;
    const int n = static_cast<int>(GetDlgItemInt(IDC_APW_ROUND, &bNumber));
    m_nRound = ClampRound(bNumber ? n : m_nRound);
    SetDlgItemInt(IDC_APW_ROUND, static_cast<UINT>(m_nRound));
}

void CAddPositionWeekDlg::OnHandicap()
{
    if (m_pDoc && m_pDoc->HasBothScoringSystems() && IsDlgButtonChecked(IDC_APW_HANDICAP))
        CheckDlgButton(IDC_APW_SCRATCH, 0);
}

void CAddPositionWeekDlg::OnScratch()
{
    if (m_pDoc && m_pDoc->HasBothScoringSystems() && IsDlgButtonChecked(IDC_APW_SCRATCH))
        CheckDlgButton(IDC_APW_HANDICAP, 0);
}
