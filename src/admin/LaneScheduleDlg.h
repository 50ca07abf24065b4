#pragma once
// "Lane Schedule": the league's lanes, split lanes, squads and custom lanes.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/AdminDialogs.h"

class CBowlingDoc;

class CLaneScheduleDlg : public CDialog
{
public:
    enum { IDD = IDD_LANE_SCHEDULE };
    explicit CLaneScheduleDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    int m_bSplitLanes = 0;
    int m_nSplitStartLane = 0;
    int m_nStartLane = 1;
    int m_nLanesBeforeSplit = 0;
    int m_nLastLane = 0;
    int m_bSplitSessions = 0;
    int m_bCustomLanes = 0;
    int m_bRollMatches = 0;
    int m_nSquads = 1;
    CBowlingDoc* m_pDoc = nullptr;

    // Fixture > Lane Allocation Setup and the "Lane Schedule" buttons: the league's eight lane
    // settings through the dialog and back; FALSE when cancelled.
    static BOOL Run(CBowlingDoc* pDoc, CWnd* pParent = nullptr);

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(CDataExchange* pDX) override;

    void OnKillfocusLastLane();
    void OnChangeLanesBeforeSplit();
    void OnChangeStartLane();
    void OnChangeSplitStart();
    void OnKillfocusSplitStart();
    void OnSplitSessions();
    void OnSquadTimes();
    void OnCustomize();
    void OnCustomLanes();
    void CountSquads();
    void ApplySplitSessionsRule();
    // Keeps a typed number odd or even by moving it one up or down.
    void AdjustParity(UINT nID, bool bWantOdd, int nStep);

    DECLARE_MESSAGE_MAP()
};
