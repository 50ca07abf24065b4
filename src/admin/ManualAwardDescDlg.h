#pragma once
// "Edit Manual Award description": the name of a manual award category.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/AdminDialogs.h"

class CManualAwardDescDlg : public CDialog
{
public:
    enum { IDD = IDD_MANUAL_AWARD_DESC };
    explicit CManualAwardDescDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    CString m_strName;

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        GotoDlgCtrl(GetDlgItem(IDC_MD_NAME));
        return FALSE;
    }
    void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, IDC_MD_NAME, m_strName); }
};
