#pragma once
// "Vacancy/Robot Score(s)": the four vacancy/robot rules and "Robots cannot gain points.".
// The dialog works on the rules it is given (the view command's working copies) as it goes;
// the command copies them into the league after OK.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/RulesDialogs.h"

class CBowlingDoc;
class CRobot;

class CRobotScoresDlg : public CDialog
{
public:
    enum { IDD = IDD_ROBOT_SCORES };
    CRobotScoresDlg(CBowlingDoc* pDoc, CRobot* const pRobots[4], CWnd* pParent = nullptr);

    CBowlingDoc* m_pDoc;
    CRobot* m_pRobot[4];
    int m_nFirst[4] = {};   // "Scr"
    int m_nSecond[4] = {};  // "Hcp"
    int m_bExclude[4] = {};
    int m_bRobotsCannotGainPoints = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    void LoadSlot(int nSlot);
    void StoreSlot(int nSlot);
    void UpdateLabels();
    void ShowControl(UINT nID, BOOL bShow);
    int SelectedKind(int nSlot) const;
    void OnKindChange(UINT nID);
    void OnValueKillFocus(UINT nID);
    void OnExclude(UINT nID);
    DECLARE_MESSAGE_MAP()
};
