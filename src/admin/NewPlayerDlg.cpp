#include "admin/NewPlayerDlg.h"

CNewPlayerDlg::CNewPlayerDlg(CWnd* pParent)
    : CPlayerDetailsDlg(IDD, IDC_PD_FORENAME_NEW, IDC_PD_ENTERING_NEW, pParent)
{
}

void CNewPlayerDlg::DoDataExchange(CDataExchange* pDX)
{
    CPlayerDetailsDlg::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_PD_ANOTHER, m_bAnotherNewPlayer);
}

void CNewPlayerDlg::OnOK()
{
    if (ValidateDetails(TRUE))
        EndDialog(IDOK);
}
