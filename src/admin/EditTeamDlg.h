#pragma once
// "Edit Team Details": one team's name, captain and division, its withdrawal, a vacancy filled
// part way through the season, and the flags that keep a vacancy or bye team out of fixtures
// and statistics. The dialog works on its own members; TeamCommands::EditTeam copies the team
// in and, after OK, back.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/AdminDialogs.h"

class CBowlingDoc;
class CTeam;

class CEditTeamDlg : public CDialog
{
public:
    enum { IDD = IDD_EDIT_TEAM };
    explicit CEditTeamDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    CBowlingDoc* m_pDoc = nullptr;
    CTeam* m_pTeam = nullptr;

    CString m_strName;
    CString m_strCaptain;        // the captain combo's text
    WORD m_nCaptain = 0;         // player number, 0 = nobody
    int m_nDivision = 0;         // 0 = no division
    int m_bFolded = 0;
    int m_bFormatText = 0;
    int m_bDeductPoints = 0;
    int m_bVacancyFilled = 0;
    int m_bOmitStandings = 0;
    int m_bOmitHiTeamStats = 0;
    int m_bBye = 0;
    int m_nScoreToWeek = 0;      // 0..99
    int m_nStartRound = 0;       // 0 = the vacancy was not filled
    CString m_strWon;
    CString m_strLost;
    WORD m_nWon = 0;             // league points units
    WORD m_nLost = 0;

    // Points typed as a decimal number, in the league's points unit: half points, or hundredths
    // while pinfall points are on. A trailing half sign counts a half; clamped to 0..65535.
    static WORD ParsePoints(const CBowlingDoc* pDoc, const CString& strText);
    // Lower case, then upper case for the first letter and every letter after a blank.
    static CString FormatName(const CString& strName);

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

    void OnKillFocusName();
    void OnSelChangeCaptain();
    void OnSelChangeDivision();
    void OnFolded();
    void OnVacancyFilled();
    void OnKillFocusWon();
    void OnKillFocusLost();
    void EnableDependents();
    void ShowPoints(UINT nID, WORD nValue);

    DECLARE_MESSAGE_MAP()
};
