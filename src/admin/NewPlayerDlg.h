#pragma once
// "New Player Details": a bowler being added; "Another New Player" asks for the next one.
#include "admin/PlayerDetailsDlg.h"

class CNewPlayerDlg : public CPlayerDetailsDlg
{
public:
    enum { IDD = IDD_NEW_PLAYER };
    explicit CNewPlayerDlg(CWnd* pParent = nullptr);

    int m_bAnotherNewPlayer = FALSE;

    // The shared details (bit n: SharedDetail n) that still hold only what the dialog started
    // with: the status "Male" when the secretary picked none.
    DWORD DefaultedDetails() const;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
};
