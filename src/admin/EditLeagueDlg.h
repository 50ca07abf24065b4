#pragma once
// "Edit League Details": the league's name, officials and their phones, its scoring systems and
// a few league-wide options, changed after the league is made.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/AdminDialogs.h"

class CBowlingDoc;

class CEditLeagueDlg : public CDialog
{
public:
    enum { IDD = IDD_EDIT_LEAGUE };
    explicit CEditLeagueDlg(CWnd* pParent = nullptr);

    CString m_strSanctionedBy;
    CString m_strPresident;
    CString m_strSecretary;
    CString m_strTreasurer;
    CString m_strLeagueName;
    int m_nMaxPlayers = 0;
    int m_bScratch = 1;
    CString m_strPresidentPhone;
    CString m_strSecretaryPhone;
    CString m_strTreasurerPhone;
    int m_bHandicap = 0;
    int m_bPyramid = 0;
    CString m_strSanctionNumber;
    CString m_strVicePresident;
    CString m_strVicePresidentPhone;
    int m_bPositionBothWays = 0;
    int m_bFloatingSubsAsTeam = 0;
    int m_bFivePin = 0;
    int m_bPrivacy = 0;
    int m_bPlayerDatabase = 0;
    const CBowlingDoc* m_pDoc = nullptr;  // its teams fill the team combos
    // Team numbers, 0 = none. Shown by the team combos and read back from them on OK.
    int m_nSecretaryTeam = 0;
    int m_nTreasurerTeam = 0;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(CDataExchange* pDX) override;

    void OnHandicap();
    void OnScratch();

    DECLARE_MESSAGE_MAP()

private:
    void FillTeamCombo(UINT nID, int nTeam);
    int SelectedTeam(UINT nID) const;
    void ShowPositionBothWays();
    void KeepOneLeagueType(UINT nOther);
};
