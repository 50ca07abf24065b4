#include "results/RoundsDisplayedDlg.h"

void CRoundsDisplayedDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_ROUNDS_LAST, m_nLastRound);
    DDV_MinMaxByte(pDX, m_nLastRound, 0, 255);
    DDX_Text(pDX, IDC_ROUNDS_START, m_nStartRound);
    DDV_MinMaxByte(pDX, m_nStartRound, 1, 255);
}

void CRoundsDisplayedDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    if (m_nLastRound < m_nStartRound) {
        AfxMessageBox("Last is < Start!", MB_OK);
        return;
    }
    CDialog::OnOK();
}
