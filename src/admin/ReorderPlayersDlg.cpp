#include "admin/ReorderPlayersDlg.h"

#include "league/BowlingDoc.h"
#include "league/Player.h"
#include "league/Team.h"

BEGIN_MESSAGE_MAP(CReorderPlayersDlg, CDialog)
    ON_BN_CLICKED(IDC_RO_UP, OnMoveUp)
    ON_BN_CLICKED(IDC_RO_DOWN, OnMoveDown)
END_MESSAGE_MAP()

BOOL CReorderPlayersDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    auto* pList = static_cast<CListBox*>(GetDlgItem(IDC_RO_LIST));
    for (int i = 0; i < m_pTeam->GetOrderCount(); ++i) {
        const WORD nPlayerNo = m_pTeam->GetOrderAt(i);
        const CPlayer* pPlayer = m_pDoc ? m_pDoc->FindPlayer(nPlayerNo) : nullptr;
        // A number that names nobody keeps its place, so OK writes the order back whole.
        CString strName;
        if (pPlayer)
            strName = pPlayer->m_strName;
        else
            strName.Format("? (%u)", static_cast<unsigned>(nPlayerNo));
        pList->SetItemData(pList->AddString(strName), nPlayerNo);
    }
    pList->SetCurSel(0);
    return TRUE;
}

void CReorderPlayersDlg::Move(int nFrom, int nTo)
{
    auto* pList = static_cast<CListBox*>(GetDlgItem(IDC_RO_LIST));
    CString strName;
    pList->GetText(nFrom, strName);
    const DWORD_PTR nPlayerNo = pList->GetItemData(nFrom);
    pList->DeleteString(static_cast<UINT>(nFrom));
    pList->InsertString(nTo, strName);
    pList->SetItemData(nTo, nPlayerNo);
    pList->SetCurSel(nTo);
}

void CReorderPlayersDlg::OnMoveUp()
{
    const int nSel = static_cast<CListBox*>(GetDlgItem(IDC_RO_LIST))->GetCurSel();
    if (nSel > 0)
        Move(nSel, nSel - 1);
}

void CReorderPlayersDlg::OnMoveDown()
{
    auto* pList = static_cast<CListBox*>(GetDlgItem(IDC_RO_LIST));
    const int nSel = pList->GetCurSel();
    if (nSel >= 0 && nSel < pList->GetCount() - 1)
        Move(nSel, nSel + 1);
}

void CReorderPlayersDlg::OnOK()
{
    auto* pList = static_cast<CListBox*>(GetDlgItem(IDC_RO_LIST));
    m_pTeam->m_arrTeamOrder.RemoveAll();
    for (int i = 0; i < pList->GetCount(); ++i)
        m_pTeam->m_arrTeamOrder.Add(static_cast<WORD>(pList->GetItemData(i)));
    EndDialog(IDOK);
}
