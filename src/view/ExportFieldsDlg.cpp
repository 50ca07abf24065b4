#include "view/ExportFieldsDlg.h"

#include "view/Exports.h"

BEGIN_MESSAGE_MAP(CExportFieldsDlg, CDialog)
    ON_BN_CLICKED(IDC_EF_ADD, OnAdd)
    ON_LBN_DBLCLK(IDC_EF_FIELDS, OnAdd)
    ON_BN_CLICKED(IDC_EF_REMOVE, OnRemove)
    ON_LBN_DBLCLK(IDC_EF_CHOSEN, OnRemove)
END_MESSAGE_MAP()

BOOL CExportFieldsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CListBox* pFields = List(IDC_EF_FIELDS);
    const int nOffered = m_bDatabase ? EXPORT_DATABASE_FIELD_COUNT : EXPORT_FIELD_COUNT;
    for (int i = 0; i < nOffered; ++i)
        pFields->SetItemData(pFields->AddString(g_szExportFieldNames[i]), static_cast<DWORD_PTR>(i));
    return TRUE;
}

void CExportFieldsDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_EF_QUOTES, m_bDoubleQuotes);
}

void CExportFieldsDlg::OnAdd()
{
    CListBox* pFields = List(IDC_EF_FIELDS);
    CListBox* pChosen = List(IDC_EF_CHOSEN);
    const int nOffered = pFields->GetCount();
    for (int i = 0; i < nOffered && pChosen->GetCount() < nOffered; ++i) {
        if (!pFields->GetSel(i))
            continue;
        CString name;
        pFields->GetText(i, name);
        pChosen->SetItemData(pChosen->AddString(name), pFields->GetItemData(i));
    }
    pFields->SetSel(-1, FALSE);
}

void CExportFieldsDlg::OnRemove()
{
    CListBox* pChosen = List(IDC_EF_CHOSEN);
    for (int i = pChosen->GetCount() - 1; i >= 0; --i)
        if (pChosen->GetSel(i))
            pChosen->DeleteString(static_cast<UINT>(i));
}

void CExportFieldsDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    CListBox* pChosen = List(IDC_EF_CHOSEN);
    m_fields.clear();
    for (int i = 0; i < pChosen->GetCount(); ++i)
        m_fields.push_back(static_cast<int>(pChosen->GetItemData(i)));
    EndDialog(IDOK);
}
