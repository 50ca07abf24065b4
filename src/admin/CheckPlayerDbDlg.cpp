#include "admin/CheckPlayerDbDlg.h"

#include "admin/DatabaseDetailsDlg.h"
#include "admin/DatabasePlayerList.h"

BEGIN_MESSAGE_MAP(CCheckPlayerDbDlg, CPlayerDatabaseDlg)
    ON_LBN_DBLCLK(IDC_DB_LIST, OnDblclkList)
    ON_BN_CLICKED(IDC_DB_ADD_NEW, OnAddNew)
    ON_BN_CLICKED(IDC_DB_DISPLAY, OnDisplay)
END_MESSAGE_MAP()

CCheckPlayerDbDlg::CCheckPlayerDbDlg(CWnd* pParent) : CPlayerDatabaseDlg(IDD, pParent)
{
    m_bExcludedNotInLeague = FALSE;
}

void CCheckPlayerDbDlg::OnOK()
{
    if (List()->GetCurSel() < 0) {
        AfxMessageBox("No selection made!");
        return;
    }
    if (UpdateData(TRUE) && TakeSelected("Player Database Error!"))
        EndDialog(IDOK);
}

void CCheckPlayerDbDlg::OnDblclkList()
{
    if (List()->GetCurSel() >= 0 && UpdateData(TRUE) && TakeSelected("Player Database Error"))
        EndDialog(IDOK);
}

void CCheckPlayerDbDlg::OnAddNew()
{
    m_bAddNew = 1;
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CCheckPlayerDbDlg::OnDisplay()
{
    if (DWORD dwKey = SelectedDatabaseKey(List()))
        ShowDatabaseDetails(m_pDoc, dwKey);
}
