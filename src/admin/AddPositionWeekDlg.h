#pragma once
// "Add Position Week": which round becomes a position round, set from which standings. A
// position round goes after the last round with results, so no played match moves.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/AdminDialogs.h"

class CBowlingDoc;

class CAddPositionWeekDlg : public CDialog
{
public:
    enum { IDD = IDD_ADD_POSITION_WEEK };
    explicit CAddPositionWeekDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    CBowlingDoc* m_pDoc = nullptr;
    int m_nRound = 2;
    int m_bHandicap = 0;
    int m_bScratch = 0;

protected:
    BOOL OnInitDialog() override;
    // A round before the first after the results is refused; the dialog stays on the round.
    void OnOK() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnKillfocusRound();
    void OnHandicap();
    void OnScratch();
    int ClampRound(int nRound) const;

    DECLARE_MESSAGE_MAP()
};
