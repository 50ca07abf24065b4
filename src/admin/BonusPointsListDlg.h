#pragma once
// "Bonus Points List": the league's bonus rules, added, changed and deleted in place, and the
// five bonus settings (points in whole points), which the runner takes back after "Finish".
#include "framework/ui/Dialog.h"
#include "resources/dialogs/RulesDialogs.h"

class CBowlingDoc;
class CBonusPts;

class CBonusPointsListDlg : public CDialog
{
public:
    enum { IDD = IDD_BONUS_POINTS_LIST };
    explicit CBonusPointsListDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    CBowlingDoc* m_pDoc = nullptr;
    int m_bAcceptEqual = FALSE;
    int m_bHiTeamGameHcp = FALSE;
    int m_nHiTeamGameHcpPts = 0;    // whole points
    int m_bHiTeamGameScr = FALSE;
    int m_nHiTeamGameScrPts = 0;

    // One rule as the list shows it.
    static CString RuleText(const CBonusPts& rule);

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnSelchangeList();
    void OnSelchangeKind();
    void OnAdd();
    void OnChange();
    void OnDelete();
    // The rule the fields describe; FALSE (after saying so) when a number is out of range.
    BOOL ReadRule(CBonusPts& rule);
    void FillList(int nSelect);
    CBonusPts* SelectedRule() const;

    DECLARE_MESSAGE_MAP()
};
