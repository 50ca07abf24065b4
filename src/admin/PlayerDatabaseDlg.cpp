#include "admin/PlayerDatabaseDlg.h"

#include "admin/DatabasePlayerList.h"
#include "league/BowlingDoc.h"
#include "playerdb/Playb003File.h"

BEGIN_MESSAGE_MAP(CPlayerDatabaseDlg, CDialog)
    ON_EN_CHANGE(IDC_DB_SURNAME, OnChangeSurname)
END_MESSAGE_MAP()

BOOL CPlayerDatabaseDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    static_cast<CEdit*>(GetDlgItem(IDC_DB_SURNAME))->LimitText(CPlayb003File::kNameWidth);
    FillPlayerList();
    GetDlgItem(IDC_DB_SURNAME)->SetFocus();
    return FALSE;
}

void CPlayerDatabaseDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_DB_SURNAME, m_strSurname);
}

CListBox* CPlayerDatabaseDlg::List() const
{
    return static_cast<CListBox*>(GetDlgItem(IDC_DB_LIST));
}

void CPlayerDatabaseDlg::FillPlayerList()
{
    const CString strTyped = GetDlgItemText(IDC_DB_SURNAME);
    if (FillDatabasePlayerList(m_pDoc, List(), strTyped, m_bExcludedNotInLeague, &m_lines) || m_bUnreadSaid)
        return;
    // An empty list is not "no such records": the database is tried again, and when it still cannot
    // be reached that is said, once while the dialog is open.
    if (m_pDoc->ReachPlayerDb())
        FillDatabasePlayerList(m_pDoc, List(), strTyped, m_bExcludedNotInLeague, &m_lines);
    else
        m_bUnreadSaid = TRUE;
}

void CPlayerDatabaseDlg::OnChangeSurname()
{
    FillPlayerList();
}

BOOL CPlayerDatabaseDlg::TakeSelected(const char* pszFailure)
{
    // The record chosen is the one taken, whatever was chosen before.
    m_player.m_dwDbKey = SelectedDatabaseKey(List());
    m_player.m_qwDbStamp = 0;
    m_strApart.Empty();
    for (const CDatabaseListLine& line : m_lines)
        if (line.dwKey == m_player.m_dwDbKey)
            m_strApart = line.strApart;
    if (m_pDoc->GetDbasePlayer(&m_player) != 0) {
        AfxMessageBox(pszFailure);
        return FALSE;
    }
    return TRUE;
}

void CPlayerDatabaseDlg::OnOK()
{
    if (List()->GetCurSel() < 0) {
        AfxMessageBox("No selection made!");
        return;
    }
    if (UpdateData(TRUE) && TakeSelected("Player Database Error"))
        EndDialog(IDOK);
}
