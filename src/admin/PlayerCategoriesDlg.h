#pragma once
// "Player categories": every bowler of the league into category A, B or C by two average
// thresholds (entering or current average), or every category cleared; the counts alongside.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/AdminDialogs.h"

class CBowlingDoc;

class CPlayerCategoriesDlg : public CDialog
{
public:
    enum { IDD = IDD_PLAYER_CATEGORIES };
    explicit CPlayerCategoriesDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    CBowlingDoc* m_pDoc = nullptr;
    UINT m_nCategoryA = 0;  // whole pins
    UINT m_nCategoryB = 0;
    int m_bEnteringAverage = FALSE;
    int m_bCurrentAverage = FALSE;

    // The bowlers in categories A, B, C and none, shown in the "Counts" group.
    void CountCategories();

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnEnteringAverage();
    void OnCurrentAverage();
    void OnKillfocusThreshold();
    void OnSetCategories();
    void OnRemoveCategories();

    DECLARE_MESSAGE_MAP()
};
