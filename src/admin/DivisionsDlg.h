#pragma once
// "Divisions": no divisions, or two to four; the command turns the choice into the league's
// divisions flag and count.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/AdminDialogs.h"

class CDivisionsDlg : public CDialog
{
public:
    enum { IDD = IDD_DIVISIONS };
    explicit CDivisionsDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    int m_nIndex = 0; // 0 "No Divisions", 1 "2 Divisions" ... 3 "4 Divisions"

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
};
