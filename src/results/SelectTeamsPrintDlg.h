#pragma once
// "Select Team(s) for Display/Printing": like "Select Teams", with the league's spare team
// and the choice of printing the teams in the order they meet in one week.
#include "results/SelectTeamsDlg.h"

class CSelectTeamsPrintDlg : public CSelectTeamsDlg {
public:
    enum { IDD = IDD_SELECT_TEAMS_PRINT };
    explicit CSelectTeamsPrintDlg(CWnd* pParent = nullptr) : CSelectTeamsDlg(IDD, pParent) {}

    int m_bMatchSeq = 0;  // "Print in match seq."
    int m_nWeek = 0;      // "Week", 0..99; outside 1..rounds the list order is kept

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnMatchSeq();
    void OnSelChangeList();
    // The week's teams match by match, at most nMax of them; false for a week whose
    // position round has not been set yet.
    bool GetMatchOrder(CPtrArray& arr, int nMax);
    DECLARE_MESSAGE_MAP()
};
