#pragma once
// "Most Improved Start Point Rule": the number of games and which average a bowler's
// improvement is measured from; the three boxes act as one choice, and all three wait while
// the number of games is 0.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/AdminDialogs.h"

class CMostImprovedRuleDlg : public CDialog
{
public:
    enum { IDD = IDD_MOST_IMPROVED_RULE };
    explicit CMostImprovedRuleDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    int m_nGames = 0;
    int m_bEntering = 1;
    int m_bAfterGames = 0;
    int m_bBoth = 0;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnKillfocusGames();
    void OnChangeGames();
    void OnEntering();
    void OnAfterGames();
    void OnBoth();
    // Ticking one box clears the others; clearing one ticks the one that stands for it.
    void Choose(UINT nClicked);
    void UpdateEnabling();

    DECLARE_MESSAGE_MAP()
};
