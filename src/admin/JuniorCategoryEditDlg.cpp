#include "admin/JuniorCategoryEditDlg.h"

BOOL CJuniorCategoryEditDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    GotoDlgCtrl(GetDlgItem(IDC_JCE_NAME));
    return FALSE;
}

void CJuniorCategoryEditDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_JCE_NAME, m_strName);
    DDX_Text(pDX, IDC_JCE_LOWER, m_nLowerAge);
    DDV_MinMaxInt(pDX, m_nLowerAge, 0, 255);
    DDX_Text(pDX, IDC_JCE_UPPER, m_nUpperAge);
    DDV_MinMaxInt(pDX, m_nUpperAge, 0, 255);
}

void CJuniorCategoryEditDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    if (m_nLowerAge > m_nUpperAge) {
        AfxMessageBox("Lower value greater than the upper value.");
        GotoDlgCtrl(GetDlgItem(IDC_JCE_LOWER));
        return;
    }
    EndDialog(IDOK);
}
