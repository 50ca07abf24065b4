#pragma once
// "Edit Player Details": an existing bowler, with his most improved base; leaving the expiry
// year may give every bowler of the league the same membership expiry date.
#include "admin/PlayerDetailsDlg.h"

class CEditPlayerDlg : public CPlayerDetailsDlg
{
public:
    enum { IDD = IDD_EDIT_PLAYER };
    explicit CEditPlayerDlg(CWnd* pParent = nullptr);

    WORD m_nMostImprovedBase = 0;  // tenths; 0 = use the entering average

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnKillfocusMostImproved();
    void OnKillfocusExpiryYear();

    DECLARE_MESSAGE_MAP()
};
