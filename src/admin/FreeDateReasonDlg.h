#pragma once
// "Reason for free date".
#include "framework/ui/Dialog.h"
#include "resources/dialogs/AdminDialogs.h"

class CFreeDateReasonDlg : public CDialog
{
public:
    enum { IDD = IDD_FREE_DATE_REASON };
    explicit CFreeDateReasonDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    CString m_strReason;
    int m_bInsertAfter = 0;

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        GotoDlgCtrl(GetDlgItem(IDC_FDR_REASON));
        return FALSE;
    }
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, IDC_FDR_REASON, m_strReason);
        DDV_MaxChars(pDX, m_strReason, 48);
        DDX_Check(pDX, IDC_FDR_INSERT_AFTER, m_bInsertAfter);
    }
};
