#pragma once
// "Select a Round": the rounds of the league, each once, for a command that works on one.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/ResultDialogs.h"

class CBowlingDoc;

class CSelectRoundDlg : public CDialog {
public:
    enum { IDD = IDD_SELECT_ROUND };
    explicit CSelectRoundDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    CBowlingDoc* m_pDoc = nullptr;
    UINT m_nRound = 0;        // in: the round to preselect; out: the chosen round, 0 for none
    DWORD m_bPlayed = 0;      // list the rounds of played (both sides entered) matches, else unplayed
    DWORD m_bAllRounds = 0;   // list every round, byes included

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnDblClkList() { OnOK(); }
    DECLARE_MESSAGE_MAP()
};
