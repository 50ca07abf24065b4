#include "admin/NewPlayerDlg.h"

#include "league/SharedDetails.h"

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

DWORD CNewPlayerDlg::DefaultedDetails() const
{
    // A blank box holds nothing to give; the status always holds one of its four.
    return m_bStatusChosen ? 0 : 1u << SD_FLAGS;
}
