#pragma once
// "Qualifying % for Individual Hi Awards": the share of the games a bowler must have bowled
// to qualify for each individual award, and three rules of what counts.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/ResultDialogs.h"

class CHiAwardQualifyDlg : public CDialog {
public:
    enum { IDD = IDD_HI_AWARD_QUALIFY };
    explicit CHiAwardQualifyDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    // High Average, High Individual Game, High Individual Series, Most Improved Bowler,
    // Games Over Average; 0..100.
    int m_nPct[5] = {};
    int m_bGamesOverEntering = 0;
    int m_bExcludeFloatingSubs = 0;
    int m_bExcludePacers = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        for (int i = 0; i < 5; ++i) {
            DDX_Text(pDX, static_cast<int>(IDC_HAQ_PCT[i]), m_nPct[i]);
            DDV_MinMaxInt(pDX, m_nPct[i], 0, 100);
        }
        DDX_Check(pDX, IDC_HAQ_GAMES_OVER_ENTERING, m_bGamesOverEntering);
        DDX_Check(pDX, IDC_HAQ_EXCLUDE_FLOATING, m_bExcludeFloatingSubs);
        DDX_Check(pDX, IDC_HAQ_EXCLUDE_PACERS, m_bExcludePacers);
    }
};
