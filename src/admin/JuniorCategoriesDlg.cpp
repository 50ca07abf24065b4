#include "admin/JuniorCategoriesDlg.h"

#include "admin/ChangeDateDlg.h"
#include "admin/DateCombos.h"
#include "admin/JuniorCategoryEditDlg.h"
#include "league/BowlingDoc.h"

#include <algorithm>
#include <set>

BEGIN_MESSAGE_MAP(CJuniorCategoriesDlg, CDialog)
    ON_BN_CLICKED(IDC_JC_EDIT_DATE, OnEditDate)
    ON_BN_CLICKED(IDC_JC_ADD, OnAdd)
    ON_BN_CLICKED(IDC_JC_AMEND, OnAmend)
    ON_LBN_DBLCLK(IDC_JC_LIST, OnAmend)
    ON_BN_CLICKED(IDC_JC_DELETE, OnDelete)
END_MESSAGE_MAP()

namespace {

// The editor on a category; TRUE (and the category changed) after OK.
BOOL EditCategory(CJuniorCategory* pCat, CWnd* pParent)
{
    CJuniorCategoryEditDlg dlg(pParent);
    dlg.m_strName = pCat->m_strName;
    dlg.m_nLowerAge = pCat->m_nLowerAge;
    dlg.m_nUpperAge = pCat->m_nUpperAge;
    if (dlg.DoModal() != IDOK)
        return FALSE;
    pCat->m_strName = dlg.m_strName;
    pCat->m_nLowerAge = static_cast<BYTE>(dlg.m_nLowerAge);
    pCat->m_nUpperAge = static_cast<BYTE>(dlg.m_nUpperAge);
    return TRUE;
}

} // namespace

BOOL CJuniorCategoriesDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CTime& date = m_pDoc->m_timeJuniorQualifying;
    // Never set is the moment 0, which west of Greenwich is still 1969 on the local calendar.
    if (date.GetTime() == 0)
        date = CTime::GetCurrentTime();
    date = WithTimeOfDay(date, 0, 0);
    ShowDate();
    const int stops[2] = {35, 50};
    static_cast<CListBox*>(GetDlgItem(IDC_JC_LIST))->SetTabStops(2, stops);
    FillList();
    return TRUE;
}

void CJuniorCategoriesDlg::ShowDate()
{
    SetDlgItemText(IDC_JC_DATE, m_pDoc->m_timeJuniorQualifying.Format("%d %b %Y"));
}

void CJuniorCategoriesDlg::FillList()
{
    auto* pList = static_cast<CListBox*>(GetDlgItem(IDC_JC_LIST));
    pList->ResetContent();
    m_nHighestId = 0;
    for (POSITION pos = m_pDoc->m_listJuniorCategories.GetHeadPosition(); pos;) {
        auto* pCat = static_cast<CJuniorCategory*>(m_pDoc->m_listJuniorCategories.GetNext(pos));
        CString line;
        line.Format("%2d\t%2d\t%s", pCat->m_nLowerAge, pCat->m_nUpperAge, pCat->m_strName.GetString());
        pList->SetItemDataPtr(pList->AddString(line), pCat);
        m_nHighestId = std::max(m_nHighestId, pCat->m_nId);
    }
}

void CJuniorCategoriesDlg::CheckOverlaps()
{
    bool bMarked[100] = {};
    for (POSITION pos = m_pDoc->m_listJuniorCategories.GetHeadPosition(); pos;) {
        const auto* pCat = static_cast<const CJuniorCategory*>(m_pDoc->m_listJuniorCategories.GetNext(pos));
        for (int nAge = pCat->m_nLowerAge; nAge <= pCat->m_nUpperAge && nAge < 100; ++nAge) {
            if (bMarked[nAge]) {
                CString s;
                s.Format("Bowlers age %d are defined in more than 1 category!", nAge);
                AfxMessageBox(s);
            }
            bMarked[nAge] = true;
        }
    }
}

CJuniorCategory* CJuniorCategoriesDlg::Selected()
{
    auto* pList = static_cast<CListBox*>(GetDlgItem(IDC_JC_LIST));
    const int nSel = pList->GetCurSel();
    if (nSel < 0) {
        AfxMessageBox("No category selected.");
        return nullptr;
    }
    return static_cast<CJuniorCategory*>(pList->GetItemDataPtr(nSel));
}

WORD CJuniorCategoriesDlg::NewCategoryId() const
{
    if (m_nHighestId < 0xFFFF)
        return static_cast<WORD>(m_nHighestId + 1);
    // Only a damaged file gets here: take the first free number rather than wrap to "none".
    std::set<WORD> used;
    for (POSITION pos = m_pDoc->m_listJuniorCategories.GetHeadPosition(); pos;)
        used.insert(static_cast<const CJuniorCategory*>(m_pDoc->m_listJuniorCategories.GetNext(pos))->m_nId);
    WORD nId = 1;
    while (used.count(nId) && nId < 0xFFFF)
        ++nId;
    return nId;
}

void CJuniorCategoriesDlg::OnEditDate()
{
    CChangeDateDlg dlg(this);
    dlg.m_bDateOnly = 1;
    dlg.m_date = m_pDoc->m_timeJuniorQualifying;
    if (dlg.DoModal() != IDOK)
        return;
    m_pDoc->m_timeJuniorQualifying = dlg.m_date;
    ShowDate();
}

void CJuniorCategoriesDlg::OnAdd()
{
    auto* pCat = new CJuniorCategory(NewCategoryId());
    pCat->m_strName = "No Name";
    if (!EditCategory(pCat, this)) {
        delete pCat;
        return;
    }
    m_pDoc->m_listJuniorCategories.AddTail(pCat);
    FillList();
    CheckOverlaps();
}

void CJuniorCategoriesDlg::OnAmend()
{
    CJuniorCategory* pCat = Selected();
    if (!pCat)
        return;
    if (EditCategory(pCat, this)) {
        FillList();
        CheckOverlaps();
    }
}

void CJuniorCategoriesDlg::OnDelete()
{
    CJuniorCategory* pCat = Selected();
    if (!pCat)
        return;
    if (POSITION pos = m_pDoc->m_listJuniorCategories.Find(pCat))
        m_pDoc->m_listJuniorCategories.RemoveAt(pos);
    delete pCat;
    FillList();
    CheckOverlaps();
}
