#include "admin/NewLeagueTeamsDlg.h"

#include "league/BowlingDoc.h"
#include "league/Team.h"

BEGIN_MESSAGE_MAP(CNewLeagueTeamsDlg, CDialog)
    ON_BN_CLICKED(IDC_NLT_RESET, OnResetLists)
    ON_BN_CLICKED(IDC_NLT_MOVE, OnMove)
    ON_LBN_SELCHANGE(IDC_NLT_AVAILABLE, OnSelChangeTeamList)
    ON_LBN_DBLCLK(IDC_NLT_AVAILABLE, OnDblClkTeamList)
END_MESSAGE_MAP()

BOOL CNewLeagueTeamsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    OnResetLists();
    return TRUE;
}

void CNewLeagueTeamsDlg::OnResetLists()
{
    auto* pAvailable = static_cast<CListBox*>(GetDlgItem(IDC_NLT_AVAILABLE));
    static_cast<CListBox*>(GetDlgItem(IDC_NLT_ORDER))->ResetContent();
    pAvailable->ResetContent();
    for (int k = 1; k <= m_nAvailable; ++k) {
        const CTeam* pTeam = m_pDoc ? m_pDoc->FindTeam(static_cast<WORD>(k)) : nullptr;
        if (pTeam)
            pAvailable->SetItemData(pAvailable->AddString(pTeam->m_strName), static_cast<DWORD_PTR>(k));
    }
    m_arrChosen.clear();
    m_nChosen = 0;
    UpdateMoveButton();
}

void CNewLeagueTeamsDlg::UpdateMoveButton()
{
    const auto* pAvailable = static_cast<CListBox*>(GetDlgItem(IDC_NLT_AVAILABLE));
    const auto* pOrder = static_cast<CListBox*>(GetDlgItem(IDC_NLT_ORDER));
    m_bMoveEnabled = pAvailable->GetCurSel() >= 0 && pOrder->GetCount() < m_nTarget ? 1 : 0;
    GetDlgItem(IDC_NLT_MOVE)->EnableWindow(m_bMoveEnabled ? TRUE : FALSE);
}

void CNewLeagueTeamsDlg::OnSelChangeTeamList() { UpdateMoveButton(); }

void CNewLeagueTeamsDlg::OnMove()
{
    auto* pAvailable = static_cast<CListBox*>(GetDlgItem(IDC_NLT_AVAILABLE));
    auto* pOrder = static_cast<CListBox*>(GetDlgItem(IDC_NLT_ORDER));
    const int nSel = pAvailable->GetCurSel();
    if (nSel < 0 || pOrder->GetCount() >= m_nTarget)
        return;
    CString strName;
    pAvailable->GetText(nSel, strName);
    const DWORD_PTR nTeamNo = pAvailable->GetItemData(nSel);
    pAvailable->DeleteString(static_cast<UINT>(nSel));
    pOrder->SetItemData(pOrder->AddString(strName), nTeamNo);
    m_arrChosen.push_back(static_cast<WORD>(nTeamNo));
    m_nChosen = static_cast<int>(m_arrChosen.size());
    UpdateMoveButton();
}

void CNewLeagueTeamsDlg::OnDblClkTeamList()
{
    if (m_bMoveEnabled)
        OnMove();
}

void CNewLeagueTeamsDlg::OnOK()
{
    if (static_cast<CListBox*>(GetDlgItem(IDC_NLT_ORDER))->GetCount() != m_nTarget) {
        AfxMessageBox("Not enough teams yet!");
        return;
    }
    EndDialog(IDOK);
}
