#include "admin/AccountItemDlg.h"

#include "admin/MoneyField.h"

BEGIN_MESSAGE_MAP(CAccountItemDlg, CDialog)
    ON_EN_KILLFOCUS(IDC_AI_DEFAULT, OnKillfocusDefault)
END_MESSAGE_MAP()

BOOL CAccountItemDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetDlgItemText(IDC_AI_LABEL, m_strLabel);
    SetDlgItemText(IDC_AI_DESCRIPTION, m_strDescription);
    static_cast<CEdit*>(GetDlgItem(IDC_AI_DEFAULT))->LimitText(13);
    ShowMoneyField(this, IDC_AI_DEFAULT, m_nAmount, "  ");
    GotoDlgCtrl(GetDlgItem(IDC_AI_DESCRIPTION));
    return FALSE;
}

void CAccountItemDlg::OnKillfocusDefault()
{
    ReadMoneyField(this, IDC_AI_DEFAULT, m_nAmount, "  ");
}

void CAccountItemDlg::OnOK()
{
    // The box may still hold the focus: what it shows is what is stored.
    if (!ReadMoneyField(this, IDC_AI_DEFAULT, m_nAmount, "  "))
        return;
    m_strDescription = GetDlgItemText(IDC_AI_DESCRIPTION);
    EndDialog(IDOK);
}
