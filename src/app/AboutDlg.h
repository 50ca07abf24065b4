#pragma once
// Help > About Torvane.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/AppDialogs.h"

class CAboutDlg : public CDialog
{
public:
    enum { IDD = IDD_ABOUTBOX };
    static constexpr const char* kVersionLine = "Torvane 1.8.9";

    explicit CAboutDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

protected:
    BOOL OnInitDialog() override;
};
