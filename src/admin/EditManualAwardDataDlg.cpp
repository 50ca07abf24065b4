#include "admin/EditManualAwardDataDlg.h"

#include "league/Awards.h"
#include "league/BowlingDoc.h"
#include "league/Player.h"

BOOL CEditManualAwardDataDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    const CPlayer* p = m_pDoc->FindPlayer(m_pRecord->m_nPlayerNo);
    SetDlgItemText(IDC_EM_NAME, p ? p->m_strName.GetString() : "");
    SetDlgItemText(IDC_EM_DATE, AwardDateText(m_pDoc, *m_pRecord));
    auto* pCombo = static_cast<CComboBox*>(GetDlgItem(IDC_EM_CATEGORY));
    for (POSITION pos = m_pDoc->m_listAwards.GetHeadPosition(); pos;) {
        const auto* c = static_cast<const CAwards*>(m_pDoc->m_listAwards.GetNext(pos));
        pCombo->AddString(c->m_nKind == CAwards::kindManual ? c->m_strName : CString("Auto ") + c->m_strName);
    }
    // Ids are list positions.
    pCombo->SetCurSel(m_pRecord->m_nCategory < pCombo->GetCount() ? m_pRecord->m_nCategory : -1);
    m_nGame = m_pRecord->m_nGame;
    UpdateData(FALSE);
    return TRUE;
}

void CEditManualAwardDataDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_EM_GAME, m_nGame);
    DDV_MinMaxInt(pDX, m_nGame, 0, LastManualAwardGame(m_pDoc));
}

void CEditManualAwardDataDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    const int n = static_cast<CComboBox*>(GetDlgItem(IDC_EM_CATEGORY))->GetCurSel();
    m_nCategory = static_cast<WORD>(n < 0 ? m_pRecord->m_nCategory : n);
    EndDialog(IDOK);
}
