#pragma once
// "Expand The League" and "Contract the league": from which round the schedule is rebuilt,
// and how many rounds the league will then have; the contract dialog also names the two
// teams to drop.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/AdminDialogs.h"

class CBowlingDoc;

class CLeagueSizeDlg : public CDialog
{
public:
    CBowlingDoc* m_pDoc = nullptr;
    int m_nStartRound = 0;
    int m_nCycle = 0;          // C: rounds of one cycle
    int m_nTotal = 0;          // T: rounds chosen (restart rule)
    DWORD m_bSynchronize = 1;
    int m_nRounds = 0;         // on OK: the chosen entry's rounds value
    int m_nNewTeams = 0;

protected:
    CLeagueSizeDlg(UINT nIDD, CWnd* pParent) : CDialog(nIDD, pParent) {}
    BOOL OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(CDataExchange* pDX) override;
    virtual int NewTeamCount() const = 0;
    void Recompute();

    DECLARE_MESSAGE_MAP()
};

class CExpandLeagueDlg : public CLeagueSizeDlg
{
public:
    enum { IDD = IDD_EXPAND_LEAGUE };
    explicit CExpandLeagueDlg(CWnd* pParent = nullptr) : CLeagueSizeDlg(IDD, pParent) {}

protected:
    int NewTeamCount() const override;
};

class CContractLeagueDlg : public CLeagueSizeDlg
{
public:
    enum { IDD = IDD_CONTRACT_LEAGUE };
    explicit CContractLeagueDlg(CWnd* pParent = nullptr) : CLeagueSizeDlg(IDD, pParent) {}

    WORD m_nDropTeam1 = 0;
    WORD m_nDropTeam2 = 0;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    int NewTeamCount() const override;
};
