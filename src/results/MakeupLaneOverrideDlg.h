#pragma once
// "Makeup Game Lane Override": the pair of lanes printed on one match's score sheet, or the
// match dropped as cancelled or postponed. The caller keeps the running lane between matches.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/ResultDialogs.h"

class CBowlingDoc;
class CFixture;

// The score sheet keeps the override in a byte in which 0 means none: the pair stops at 253/254.
constexpr int MAX_OVERRIDE_LANE = 253;

class CMakeupLaneOverrideDlg : public CDialog {
public:
    enum { IDD = IDD_MAKEUP_LANE_OVERRIDE };
    explicit CMakeupLaneOverrideDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    CString m_strTeamA;
    CString m_strLanes;
    CString m_strTeamB;
    CString m_strRound;
    BOOL m_bCancelled = FALSE;
    CFixture* m_pFixture = nullptr;
    int m_nLane = 1;    // the first lane of the pair; read back after DoModal

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnDown();
    void OnUp();
    DECLARE_MESSAGE_MAP()

private:
    void ShowLanes();
};

// The lane offered to the first match: the league's start lane, made odd.
int FirstOverrideLane(const CBowlingDoc& doc);

// Runs the dialog on one match with the running lane. FALSE when the match was marked cancelled
// (its score sheet is dropped and the lane stays); otherwise nOverride takes the lane chosen and
// the running lane moves on past the pair.
BOOL OfferLaneOverride(CFixture* pFixture, int& nRunningLane, BYTE& nOverride);
