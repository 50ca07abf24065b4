#pragma once
// "Exclude Games from Hi Game/Series": marks games of one side of a match that count for
// the bowlers' pins and averages but not for their high game (and, any game marked, not for
// their high series). OK writes the marks into the fixture itself.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/ResultDialogs.h"

class CBowlingDoc;
class CFixture;

class CExcludeGamesDlg : public CDialog {
public:
    enum { IDD = IDD_EXCLUDE_GAMES };
    explicit CExcludeGamesDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    int m_bExclude[5][4] = {};  // position, game
    CString m_strPlayer[5];
    CString m_strTeam;
    CString m_strEnteringAvg[5];
    CString m_strEnteringAvgTotal;
    CBowlingDoc* m_pDoc = nullptr;
    CFixture* m_pFixture = nullptr;
    BOOL m_bSideA = TRUE;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void DisableUnusedBoxes();
};
