#pragma once
// "Edit Schedule": one round at a time as a grid of matches, re-paired by picking the teams one
// by one; the new pairs are written when the secretary leaves the round, whichever way: Next
// Round, Prev. Round, another round typed in the week box (Enter or leaving the box), Finished
// or Escape.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/AdminDialogs.h"

class CBowlingDoc;

class CEditScheduleDlg : public CDialog
{
public:
    enum { IDD = IDD_EDIT_SCHEDULE };
    static constexpr int MAX_SLOTS = 50;
    explicit CEditScheduleDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    CBowlingDoc* m_pDoc = nullptr;
    int m_nRound = 1;
    int m_nLastRound = 0;
    WORD m_nSlotTeam[MAX_SLOTS] = {}; // the shown round: slots 2k-2 and 2k-1 hold match k
    WORD m_nNewPair[MAX_SLOTS] = {};  // the pairing being picked, same order
    int m_nSlots = 0;
    int m_nPicked = 0;
    bool m_bEditing = false;
    bool m_bPending = false;
    int m_nFirstErased = 0; // the first round a re-pairing took a result from; 0 while none

    void ShowRound(int nRound);
    void StoreRound(int nRound);
    void ResetControls();
    // True when the round is a position round whose teams stay unset.
    bool AskSetPositionRound(int nRound);
    int PrevRound(int nRound); // 0 when there is none
    int NextRound(int nRound);

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void OnPrevRound();
    void OnNextRound();
    void OnEdit();
    void OnReset();
    void OnSelectTeam();
    void OnKillfocusRound();
    void OnReturnRound();
    // Shows the round typed in the week box, storing the pairing left; a round the season does
    // not have is said, and the round shown stays.
    void GoToTypedRound();
    void LeaveRound();
    void ShowSlot(int nSlot, const char* pszText);

    DECLARE_MESSAGE_MAP()
};
