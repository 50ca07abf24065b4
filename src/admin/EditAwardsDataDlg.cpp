#include "admin/EditAwardsDataDlg.h"

#include "admin/EditManualAwardDataDlg.h"
#include "league/Awards.h"
#include "league/BowlingDoc.h"
#include "league/Player.h"

BEGIN_MESSAGE_MAP(CEditAwardsDataDlg, CDialog)
    ON_BN_CLICKED(IDC_ED_EDIT, OnEdit)
    ON_BN_CLICKED(IDC_ED_DELETE, OnDelete)
END_MESSAGE_MAP()

CString CEditAwardsDataDlg::RecordText(const CBowlingDoc* pDoc, const CAwardData& r)
{
    const CAwards* c = pDoc->FindAwardCategory(r.m_nCategory);
    const CPlayer* p = pDoc->FindPlayer(r.m_nPlayerNo);
    return (c ? c->m_strName : CString("Deleted Award")) + "  " + (p ? p->m_strName : CString()) + "  " +
           AwardDateText(pDoc, r);
}

BOOL CEditAwardsDataDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    Refill();
    return TRUE;
}

void CEditAwardsDataDlg::Refill()
{
    auto* pList = static_cast<CListBox*>(GetDlgItem(IDC_ED_LIST));
    pList->ResetContent();
    for (POSITION pos = m_pDoc->m_listAwardData.GetHeadPosition(); pos;) {
        auto* r = static_cast<CAwardData*>(m_pDoc->m_listAwardData.GetNext(pos));
        if (r->m_nKind == CAwards::kindManual && r->m_nRound != 0)
            pList->SetItemDataPtr(pList->AddString(RecordText(m_pDoc, *r)), r);
    }
}

CAwardData* CEditAwardsDataDlg::Selected(CString* pText) const
{
    auto* pList = static_cast<CListBox*>(GetDlgItem(IDC_ED_LIST));
    const int n = pList->GetCurSel();
    if (n < 0)
        return nullptr;
    if (pText)
        pList->GetText(n, *pText);
    return static_cast<CAwardData*>(pList->GetItemDataPtr(n));
}

void CEditAwardsDataDlg::OnDelete()
{
    CString text;
    CAwardData* r = Selected(&text);
    if (!r)
        return;
    if (AfxMessageBox("Delete award record : " + text + " ?", MB_YESNO) != IDYES)
        return;
    // Kept in the league file, but neither listed nor reported any more.
    r->m_nRound = 0;
    m_pDoc->SetModifiedFlag();
    Refill();
}

void CEditAwardsDataDlg::OnEdit()
{
    CAwardData* r = Selected();
    if (!r)
        return;
    CEditManualAwardDataDlg dlg;
    dlg.m_pDoc = m_pDoc;
    dlg.m_pRecord = r;
    if (dlg.DoModal() != IDOK)
        return;
    m_pDoc->SetModifiedFlag();
    r->m_nGame = static_cast<WORD>(dlg.m_nGame);
    r->m_nCategory = dlg.m_nCategory;
    Refill();
}
