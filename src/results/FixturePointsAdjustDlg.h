#pragma once
// "Fixture Points Adjustments": a hand correction of the league points each side of one match
// earned, one pair for handicap and one for scratch. The caller fills the four values from the
// fixture and writes them back after OK.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/ResultDialogs.h"

class CBowlingDoc;
class CFixture;

class CFixturePointsAdjustDlg : public CDialog {
public:
    enum { IDD = IDD_FIXTURE_POINTS_ADJUST };
    explicit CFixturePointsAdjustDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    CComboBox m_comboAdjustB;
    CComboBox m_comboAdjustA;
    CComboBox m_comboPointsSystem;
    CString m_strRoundDue;
    CString m_strTeamA;
    CString m_strTeamB;
    CFixture* m_pFixture = nullptr;
    CBowlingDoc* m_pDoc = nullptr;
    int m_nPointsSystem = 0;      // 0 handicap, 1 scratch
    // In the league's points unit of each system: half points, or hundredths with pinfall points.
    int m_nHandicapAdjustA = 0;
    int m_nHandicapAdjustB = 0;
    int m_nScratchAdjustA = 0;
    int m_nScratchAdjustB = 0;

    void FillHandicapAdjustments();
    void FillScratchAdjustments();

    // The text of one entry of the adjustment lists: "+" or "-" and the points.
    static CString AdjustmentText(int nValue, BOOL bHundredths);
    // The largest adjustment offered for a pass, in half points.
    static int GetMaxAdjustment(CBowlingDoc* pDoc, int nPass);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnSelChangeHandicapScratch();
    void OnSelChangeAdjustA();
    void OnSelChangeAdjustB();
    DECLARE_MESSAGE_MAP()

private:
    void FillAdjustments(int nPass, int nA, int nB);
    int SelectedValue(CComboBox& combo, int nOld) const;
};
