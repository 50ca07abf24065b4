#pragma once
// "Points Analysis": a read-only breakdown of one match's points as the scoresheet's last
// refresh left them in the fixture, scratch or handicap, with the bonus detail. One class per
// team size of two to five bowlers, on one implementation.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/ResultDialogs.h"

class CBowlingDoc;
class CFixture;

class CPointsAnalysisDlg : public CDialog {
public:
    CPointsAnalysisDlg(UINT nIDTemplate, int nPositions, CWnd* pParent = nullptr);

    CFixture* m_pFixture = nullptr;
    CBowlingDoc* m_pDoc = nullptr;
    CString m_strTeamA, m_strTeamB;
    CString m_strMatchPointsA, m_strMatchPointsB;
    CString m_strPointsA[5][5], m_strPointsB[5][5];  // position, column (G1..G4, Ser)
    CString m_strTeamPointsA[5], m_strTeamPointsB[5];
    CString m_strTotalsA[5], m_strTotalsB[5];
    CString m_strBonusA[5], m_strBonusB[5];
    int m_bHandicap = FALSE;
    int m_bScratch = FALSE;
    int m_bBonusDetail = FALSE;

    // Fills every text from the fixture and shows them.
    void FillGrid();

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnHandicap();
    void OnScratch();
    void OnBonusDetail();

    DECLARE_MESSAGE_MAP()

private:
    CString Text(int nValue) const;
    int m_nPositions;
};

class CFivesPointsAnalysisDlg : public CPointsAnalysisDlg {
public:
    enum { IDD = IDD_FIVES_POINTS_ANALYSIS };
    explicit CFivesPointsAnalysisDlg(CWnd* pParent = nullptr) : CPointsAnalysisDlg(IDD, 5, pParent) {}
};
class CFoursPointsAnalysisDlg : public CPointsAnalysisDlg {
public:
    enum { IDD = IDD_FOURS_POINTS_ANALYSIS };
    explicit CFoursPointsAnalysisDlg(CWnd* pParent = nullptr) : CPointsAnalysisDlg(IDD, 4, pParent) {}
};
class CThreesPointsAnalysisDlg : public CPointsAnalysisDlg {
public:
    enum { IDD = IDD_THREES_POINTS_ANALYSIS };
    explicit CThreesPointsAnalysisDlg(CWnd* pParent = nullptr) : CPointsAnalysisDlg(IDD, 3, pParent) {}
};
class CDoublesPointsAnalysisDlg : public CPointsAnalysisDlg {
public:
    enum { IDD = IDD_DOUBLES_POINTS_ANALYSIS };
    explicit CDoublesPointsAnalysisDlg(CWnd* pParent = nullptr) : CPointsAnalysisDlg(IDD, 2, pParent) {}
};
