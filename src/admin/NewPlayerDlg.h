#pragma once
// "New Player Details": a bowler being added; "Another New Player" asks for the next one.
#include "admin/PlayerDetailsDlg.h"

class CNewPlayerDlg : public CPlayerDetailsDlg
{
public:
    enum { IDD = IDD_NEW_PLAYER };
    explicit CNewPlayerDlg(CWnd* pParent = nullptr);

    int m_bAnotherNewPlayer = FALSE;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
};
