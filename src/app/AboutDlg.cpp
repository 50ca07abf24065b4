#include "app/AboutDlg.h"

BOOL CAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetDlgItemText(IDC_ABOUT_VERSION, kVersionLine);
    return TRUE;
}
