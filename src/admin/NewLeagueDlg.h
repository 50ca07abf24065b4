#pragma once
// "New League Details": the league's name, officials, size and scoring systems.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/AdminDialogs.h"

class CBowlingDoc;

class CNewLeagueDlg : public CDialog
{
public:
    enum { IDD = IDD_NEW_LEAGUE };
    explicit CNewLeagueDlg(CWnd* pParent = nullptr);

    CString m_strSanctionedBy;
    CString m_strPresident;
    CString m_strSecretary;
    CString m_strTreasurer;
    CString m_strLeagueName;
    int m_nMaxPlayers = 0;
    int m_bScratch = 0;
    CString m_strPresidentPhone;
    CString m_strSecretaryPhone;
    CString m_strTreasurerPhone;
    int m_bHandicap = 0;
    CString m_strTeams;
    CString m_strPlayers;
    int m_bPyramid = 0;
    CString m_strSanctionId;
    CString m_strVicePresident;
    CString m_strVicePresidentPhone;
    int m_bPrivacy = 0;
    CBowlingDoc* m_pDoc = nullptr;
    int m_nGamesIndex = 0;
    int m_nTeams = 0;
    int m_nPlayers = 0;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(CDataExchange* pDX) override;

    void OnSelchangeGames();
    void OnSelchangeTeams();
    void OnSelchangePlayers();
    void OnScratch();
    void OnHandicap();

    DECLARE_MESSAGE_MAP()
};
