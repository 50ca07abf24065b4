#pragma once
// "Select Fixture": the matches of a round (or of a team) that are, or are not yet, entered.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/ResultDialogs.h"

class CBowlingDoc;
class CFixture;

class CSelectFixtureDlg : public CDialog {
public:
    enum { IDD = IDD_SELECT_FIXTURE };
    explicit CSelectFixtureDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    CBowlingDoc* m_pDoc = nullptr;
    DWORD m_nRound = 0;       // round filter, 0 = any
    DWORD m_nTeam = 0;        // team filter (number), 0 = any
    DWORD m_bByRound = 1;     // 1 filter by round, 0 by team
    DWORD m_bPlayedOnly = 0;  // 1: matches entered on both sides; 0: the others
    CFixture* m_pFixture = nullptr;  // the choice; the first listed by default

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnDblClkList() { OnOK(); }
    DECLARE_MESSAGE_MAP()
};

// Runs "Select Fixture" on a round: flag 1 lists the matches entered on both sides, 0 the
// others. The chosen match, or null on Cancel or when none was listed.
CFixture* SelectFixture(CBowlingDoc* pDoc, int nRound, int nFlag);
