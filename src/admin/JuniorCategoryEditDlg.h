#pragma once
// "Junior Category Edit": a category's name and its range of age figures.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/AdminDialogs.h"

class CJuniorCategoryEditDlg : public CDialog
{
public:
    enum { IDD = IDD_JUNIOR_CATEGORY_EDIT };
    explicit CJuniorCategoryEditDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    CString m_strName;
    int m_nLowerAge = 0;     // 0..255
    int m_nUpperAge = 0;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
};
