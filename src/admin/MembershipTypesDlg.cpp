#include "admin/MembershipTypesDlg.h"

#include "league/BowlingDoc.h"
#include "league/Player.h"

#include <vector>

BEGIN_MESSAGE_MAP(CMembershipTypesDlg, CDialog)
    ON_BN_CLICKED(IDC_MT_ADD, OnAdd)
    ON_BN_CLICKED(IDC_MT_DELETE, OnDelete)
    ON_BN_CLICKED(IDC_MT_RENAME, OnRename)
    ON_EN_KILLFOCUS(IDC_MT_EDIT, OnKillFocusEdit)
END_MESSAGE_MAP()

// Each entry carries the 1-based place it had in the league's list (0 for a new one), so the
// bowlers' types can follow their names when entries are deleted.

BOOL CMembershipTypesDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    auto* pList = static_cast<CListBox*>(GetDlgItem(IDC_MT_LIST));
    for (int i = 0; i < m_pDoc->m_arrMembershipTypes.GetSize(); ++i)
        pList->SetItemData(pList->AddString(m_pDoc->m_arrMembershipTypes[i]), static_cast<DWORD_PTR>(i + 1));
    return TRUE;
}

void CMembershipTypesDlg::OnAdd()
{
    auto* pList = static_cast<CListBox*>(GetDlgItem(IDC_MT_LIST));
    pList->SetItemData(pList->AddString("New category"), 0);
    m_bChanged = TRUE;
}

void CMembershipTypesDlg::OnDelete()
{
    auto* pList = static_cast<CListBox*>(GetDlgItem(IDC_MT_LIST));
    const int nSel = pList->GetCurSel();
    if (nSel < 0) {
        AfxMessageBox("Nothing selected. Click on the item to Delete");
        return;
    }
    pList->DeleteString(static_cast<UINT>(nSel));
    m_bChanged = TRUE;
}

void CMembershipTypesDlg::OnRename()
{
    auto* pList = static_cast<CListBox*>(GetDlgItem(IDC_MT_LIST));
    const int nSel = pList->GetCurSel();
    if (nSel < 0) {
        AfxMessageBox("Nothing selected. Click on the item to Edit");
        return;
    }
    m_nSelected = nSel;
    pList->GetText(nSel, m_strEdit);
    CWnd* pEdit = GetDlgItem(IDC_MT_EDIT);
    pEdit->SetWindowText(m_strEdit);
    pEdit->ShowWindow(SW_SHOW);
    pEdit->EnableWindow(TRUE);
    GotoDlgCtrl(pEdit);
    m_bEditing = TRUE;
}

// The new name replaces the entry it was taken from, whatever is selected by now.
void CMembershipTypesDlg::EndRename()
{
    if (!m_bEditing)
        return;
    m_bEditing = FALSE;
    CWnd* pEdit = GetDlgItem(IDC_MT_EDIT);
    m_strEdit = pEdit->GetWindowText();
    pEdit->ShowWindow(SW_HIDE);
    pEdit->EnableWindow(FALSE);
    auto* pList = static_cast<CListBox*>(GetDlgItem(IDC_MT_LIST));
    if (m_nSelected < 0 || m_nSelected >= pList->GetCount())
        return;
    const DWORD_PTR nOrigin = pList->GetItemData(m_nSelected);
    pList->DeleteString(static_cast<UINT>(m_nSelected));
    pList->InsertString(m_nSelected, m_strEdit);
    pList->SetItemData(m_nSelected, nOrigin);
    pList->SetCurSel(m_nSelected);
    m_bChanged = TRUE;
}

void CMembershipTypesDlg::OnKillFocusEdit()
{
    EndRename();
}

void CMembershipTypesDlg::OnOK()
{
    // Enter in the name edit ends the renaming, not the dialog.
    if (m_bEditing) {
        EndRename();
        return;
    }
    if (m_bChanged)
        StoreTypes();
    EndDialog(IDOK);
}

void CMembershipTypesDlg::StoreTypes()
{
    auto* pList = static_cast<CListBox*>(GetDlgItem(IDC_MT_LIST));
    const int nOld = static_cast<int>(m_pDoc->m_arrMembershipTypes.GetSize());
    std::vector<BYTE> newPlace(static_cast<size_t>(nOld) + 1, 0);
    m_pDoc->m_arrMembershipTypes.RemoveAll();
    for (int i = 0; i < pList->GetCount(); ++i) {
        CString strName;
        pList->GetText(i, strName);
        m_pDoc->m_arrMembershipTypes.Add(strName);
        const auto nOrigin = static_cast<int>(pList->GetItemData(i));
        if (nOrigin >= 1 && nOrigin <= nOld && i + 1 <= 255)
            newPlace[static_cast<size_t>(nOrigin)] = static_cast<BYTE>(i + 1);
    }
    // A bowler keeps the type he had under its (possibly new) name; a deleted type leaves none.
    for (POSITION pos = m_pDoc->m_listPlayers.GetHeadPosition(); pos;) {
        auto* pPlayer = static_cast<CPlayer*>(m_pDoc->m_listPlayers.GetNext(pos));
        const int nType = pPlayer->m_nMembershipType;
        if (nType >= 1 && nType <= nOld)
            pPlayer->m_nMembershipType = newPlace[static_cast<size_t>(nType)];
    }
    m_pDoc->SetModifiedFlag();
}
