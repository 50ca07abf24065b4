#include "admin/AwardCategoriesDlg.h"

#include "admin/EditAutoAwardDlg.h"
#include "admin/ManualAwardDescDlg.h"
#include "league/Awards.h"
#include "league/BowlingDoc.h"

BEGIN_MESSAGE_MAP(CAwardCategoriesDlg, CDialog)
    ON_BN_CLICKED(IDC_AW_EDIT, OnEdit)
    ON_BN_CLICKED(IDC_AW_ADD, OnAdd)
    ON_BN_CLICKED(IDC_AW_DELETE, OnDelete)
END_MESSAGE_MAP()

CAwardCategoriesDlg::CAwardCategoriesDlg(UINT nIDD, CBowlingDoc* pDoc, CWnd* pParent)
    : CDialog(nIDD, pParent), m_pDoc(pDoc)
{
}

BOOL CAwardCategoriesDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    Refill(0);
    return TRUE;
}

void CAwardCategoriesDlg::Refill(int nSelect)
{
    auto* pList = static_cast<CListBox*>(GetDlgItem(IDC_AW_LIST));
    pList->ResetContent();
    for (POSITION pos = m_pDoc->m_listAwards.GetHeadPosition(); pos;) {
        auto* c = static_cast<CAwards*>(m_pDoc->m_listAwards.GetNext(pos));
        if (!c->m_bDeleted && Lists(*c))
            pList->SetItemDataPtr(pList->AddString(c->m_strName), c);
    }
    const int nCount = pList->GetCount();
    if (nCount > 0)
        pList->SetCurSel(nSelect < 0 || nSelect >= nCount ? nCount - 1 : nSelect);
}

CAwards* CAwardCategoriesDlg::FirstDeleted() const
{
    for (POSITION pos = m_pDoc->m_listAwards.GetHeadPosition(); pos;) {
        auto* c = static_cast<CAwards*>(m_pDoc->m_listAwards.GetNext(pos));
        if (c->m_bDeleted)
            return c;
    }
    return nullptr;
}

CAwards* CAwardCategoriesDlg::Selected() const
{
    auto* pList = static_cast<CListBox*>(GetDlgItem(IDC_AW_LIST));
    const int n = pList->GetCurSel();
    return n < 0 ? nullptr : static_cast<CAwards*>(pList->GetItemDataPtr(n));
}

void CAwardCategoriesDlg::OnEdit()
{
    CAwards* c = Selected();
    if (!c) {
        AfxMessageBox("Nothing selected!");
        return;
    }
    const int nSel = static_cast<CListBox*>(GetDlgItem(IDC_AW_LIST))->GetCurSel();
    EditCategory(*c);
    Refill(nSel);
    m_pDoc->SetModifiedFlag();
}

void CAwardCategoriesDlg::OnAdd()
{
    AddCategory();
}

void CAwardCategoriesDlg::OnDelete()
{
    CAwards* c = Selected();
    if (!c) {
        AfxMessageBox("Nothing selected!");
        return;
    }
    const int nSel = static_cast<CListBox*>(GetDlgItem(IDC_AW_LIST))->GetCurSel();
    if (!RemoveRecords(*c))
        return;
    c->m_bDeleted = 1;
    c->m_strName = "Deleted Category";
    Refill(nSel);
    m_pDoc->SetModifiedFlag();
}

// ---------------------------------------------------------------- manual categories

bool CManualAwardsDlg::Lists(const CAwards& award) const
{
    return award.m_nKind == CAwards::kindManual;
}

void CManualAwardsDlg::AddCategory()
{
    CManualAwardDescDlg dlg;
    dlg.m_strName = "New Award";
    if (dlg.DoModal() != IDOK)
        return;
    CAwards* c = FirstDeleted();
    if (!c) {
        c = new CAwards(static_cast<WORD>(m_pDoc->m_listAwards.GetCount()));
        m_pDoc->m_listAwards.AddTail(c);
    }
    c->m_strName = dlg.m_strName;
    c->m_nKind = CAwards::kindManual;
    c->m_bDeleted = 0;
    Refill(-1);
    m_pDoc->SetModifiedFlag();
}

void CManualAwardsDlg::EditCategory(CAwards& award)
{
    CManualAwardDescDlg dlg;
    dlg.m_strName = award.m_strName;
    if (dlg.DoModal() == IDOK)
        award.m_strName = dlg.m_strName;
}

bool CManualAwardsDlg::RemoveRecords(CAwards& award)
{
    int nCount = 0;
    for (POSITION pos = m_pDoc->m_listAwardData.GetHeadPosition(); pos;)
        if (static_cast<CAwardData*>(m_pDoc->m_listAwardData.GetNext(pos))->m_nCategory == award.m_nId)
            ++nCount;
    if (nCount == 0)
        return true;
    CString question;
    question.Format("All %d ", nCount);
    question += "manually entered Awards of this type will be removed now.  Click YES to confirm that operation.";
    if (AfxMessageBox(question, MB_YESNO) != IDYES)
        return false;
    for (POSITION pos = m_pDoc->m_listAwardData.GetHeadPosition(); pos;) {
        POSITION here = pos;
        auto* r = static_cast<CAwardData*>(m_pDoc->m_listAwardData.GetNext(pos));
        if (r->m_nCategory == award.m_nId) {
            m_pDoc->m_listAwardData.RemoveAt(here);
            delete r;
        }
    }
    return true;
}

// ---------------------------------------------------------------- automatic categories

bool CAutomaticAwardsDlg::Lists(const CAwards& award) const
{
    return award.m_nKind != CAwards::kindManual;
}

void CAutomaticAwardsDlg::AddCategory()
{
    CEditAutoAwardDlg dlg;
    if (dlg.DoModal() != IDOK)
        return;
    CAwards* c = FirstDeleted();
    if (c) {
        const WORD nId = c->m_nId;
        c->CopyFrom(dlg.m_award);
        c->m_nId = nId;
        c->m_bDeleted = 0;
    } else {
        c = new CAwards;
        c->CopyFrom(dlg.m_award);
        c->m_nId = static_cast<WORD>(m_pDoc->m_listAwards.GetCount());
        c->m_bDeleted = 0;
        m_pDoc->m_listAwards.AddTail(c);
    }
    Refill(-1);
    m_pDoc->SetModifiedFlag();
}

void CAutomaticAwardsDlg::EditCategory(CAwards& award)
{
    CEditAutoAwardDlg dlg;
    dlg.m_award.CopyFrom(award);
    if (dlg.DoModal() == IDOK)
        award.CopyFrom(dlg.m_award);
}
