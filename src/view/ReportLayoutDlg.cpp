#include "view/ReportLayoutDlg.h"

#include "league/BowlingDoc.h"
#include "view/RepItem.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(CReportLayoutDlg, CDialog)
    ON_BN_CLICKED(IDC_LAYOUT_ADD, OnAdd)
    ON_BN_CLICKED(IDC_LAYOUT_EDIT, OnEdit)
    ON_LBN_DBLCLK(IDC_LAYOUT_ITEMS, OnEdit)
    ON_BN_CLICKED(IDC_LAYOUT_DELETE, OnDelete)
    ON_BN_CLICKED(IDC_LAYOUT_UP, OnUp)
    ON_BN_CLICKED(IDC_LAYOUT_DOWN, OnDown)
    ON_BN_CLICKED(IDC_LAYOUT_FONT, OnFont)
END_MESSAGE_MAP()

CReportLayoutDlg::CReportLayoutDlg(CBowlingDoc* pDoc, CRepForm* pForm, CWnd* pParent)
    : CDialog(IDD, pParent), m_pDoc(pDoc), m_pForm(pForm)
{
}

CReportLayoutDlg::~CReportLayoutDlg()
{
    Close();
}

void CReportLayoutDlg::Close()
{
    if (m_pDoc && m_pDoc->m_pEditorItems == &m_work.m_listItems)
        m_pDoc->m_pEditorItems = nullptr;
}

CListBox* CReportLayoutDlg::ItemList() const
{
    return static_cast<CListBox*>(GetDlgItem(IDC_LAYOUT_ITEMS));
}

CRepItem* CReportLayoutDlg::SelectedItem(int* pnIndex) const
{
    int n = ItemList()->GetCurSel();
    if (pnIndex)
        *pnIndex = n;
    return n >= 0 ? static_cast<CRepItem*>(ItemList()->GetItemDataPtr(n)) : nullptr;
}

void CReportLayoutDlg::FillItems(int nSelect)
{
    CListBox* pList = ItemList();
    pList->ResetContent();
    for (POSITION pos = m_work.m_listItems.GetHeadPosition(); pos;) {
        CRepItem* pItem = m_work.GetItem(pos);
        int n = pList->AddString(pItem->GetName());
        pList->SetItemDataPtr(n, pItem);
    }
    if (pList->GetCount() > 0)
        pList->SetCurSel(std::min(std::max(nSelect, 0), pList->GetCount() - 1));
}

void CReportLayoutDlg::ShowFont()
{
    CString desc;
    m_work.m_fontTitle.GetDescription(desc);
    SetDlgItemText(IDC_LAYOUT_FONT_DESC, "Title Font : " + desc);
}

BOOL CReportLayoutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_work.CopyFrom(*m_pForm);
    for (POSITION pos = m_work.m_listItems.GetHeadPosition(); pos;)
        m_work.GetItem(pos)->m_pDoc = m_pDoc;
    m_pDoc->m_pEditorItems = &m_work.m_listItems;
    SetDlgItemText(IDC_LAYOUT_TITLE, m_work.m_strTitle);
    auto* pTypes = static_cast<CComboBox*>(GetDlgItem(IDC_LAYOUT_TYPE));
    for (int nType = RIT_STANDINGS; nType <= RIT_LAST_PLACEABLE; ++nType) {
        int n = pTypes->AddString(CRepItem::GetTypeName(nType));
        pTypes->SetItemData(n, static_cast<DWORD_PTR>(nType));
    }
    pTypes->SetCurSel(0);
    FillItems(0);
    ShowFont();
    return TRUE;
}

void CReportLayoutDlg::OnAdd()
{
    auto* pTypes = static_cast<CComboBox*>(GetDlgItem(IDC_LAYOUT_TYPE));
    int nSel = pTypes->GetCurSel();
    if (nSel < 0)
        return;
    int nType = static_cast<int>(pTypes->GetItemData(nSel));
    CRepItem* pItem = CreateRepItemOfType(nType);
    if (!pItem) {
        CString msg;
        msg.Format("A \"%s\" item cannot be made in this version of the program.",
                   CRepItem::GetTypeName(nType).GetString());
        AfxMessageBox(msg);
        return;
    }
    pItem->m_pDoc = m_pDoc;
    pItem->ApplyDefaultFonts();
    pItem->SetDefaults();
    // After the selected item, or at the end.
    int nAt = -1;
    CRepItem* pAfter = SelectedItem(&nAt);
    POSITION pos = pAfter ? m_work.m_listItems.Find(pAfter) : nullptr;
    if (pos)
        m_work.m_listItems.InsertAfter(pos, pItem);
    else
        m_work.m_listItems.AddTail(pItem);
    FillItems(pos ? nAt + 1 : m_work.m_listItems.GetCount() - 1);
    pItem->Edit();
    FillItems(pos ? nAt + 1 : m_work.m_listItems.GetCount() - 1);
}

void CReportLayoutDlg::OnEdit()
{
    int n = -1;
    if (CRepItem* pItem = SelectedItem(&n)) {
        pItem->Edit();
        FillItems(n);
    }
}

void CReportLayoutDlg::OnDelete()
{
    int n = -1;
    CRepItem* pItem = SelectedItem(&n);
    if (!pItem)
        return;
    if (POSITION pos = m_work.m_listItems.Find(pItem)) {
        m_work.m_listItems.RemoveAt(pos);
        delete pItem;
    }
    FillItems(n);
}

void CReportLayoutDlg::Move(int nBy)
{
    int n = -1;
    CRepItem* pItem = SelectedItem(&n);
    if (!pItem)
        return;
    int nTo = n + nBy;
    if (nTo < 0 || nTo >= m_work.m_listItems.GetCount())
        return;
    POSITION pos = m_work.m_listItems.Find(pItem);
    m_work.m_listItems.RemoveAt(pos);
    POSITION at = m_work.m_listItems.FindIndex(nTo);
    if (at)
        m_work.m_listItems.InsertBefore(at, pItem);
    else
        m_work.m_listItems.AddTail(pItem);
    FillItems(nTo);
}

void CReportLayoutDlg::OnUp()
{
    Move(-1);
}

void CReportLayoutDlg::OnDown()
{
    Move(1);
}

void CReportLayoutDlg::OnFont()
{
    if (ChooseReportFont(&m_work.m_fontTitle))
        ShowFont();
}

void CReportLayoutDlg::OnOK()
{
    CString title = GetDlgItemText(IDC_LAYOUT_TITLE);
    title.Trim();
    m_pForm->m_strTitle = title.IsEmpty() ? CString("UnTitled") : title;
    m_pForm->m_fontTitle.CopyFrom(m_work.m_fontTitle);
    m_pForm->DeleteItems();
    m_pForm->m_listItems.AddTail(&m_work.m_listItems);
    m_work.m_listItems.RemoveAll();
    Close();
    m_pDoc->SetModifiedFlag();
    CDialog::OnOK();
}

void CReportLayoutDlg::OnCancel()
{
    Close();
    CDialog::OnCancel();
}
