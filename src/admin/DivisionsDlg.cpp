#include "admin/DivisionsDlg.h"

BOOL CDivisionsDlg::OnInitDialog()
{
    auto* pCombo = static_cast<CComboBox*>(GetDlgItem(IDC_DIV_COUNT));
    for (const char* pszText : {"No Divisions", "2 Divisions", "3 Divisions", "4 Divisions"})
        pCombo->AddString(pszText);
    if (m_nIndex < 0 || m_nIndex > 3)
        m_nIndex = 0;
    return CDialog::OnInitDialog();
}

void CDivisionsDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_CBIndex(pDX, IDC_DIV_COUNT, m_nIndex);
}
