#pragma once
// The scoresheet of a league of 1 bowler per team.
#include "resources/dialogs/ResultDialogs.h"
#include "results/ScoresheetDlg.h"

class CSinglesScoresheetDlg : public CScoresheetDlg {
public:
    enum { IDD = IDD_SINGLES_SCORESHEET, POSITIONS = 1 };
    explicit CSinglesScoresheetDlg(CWnd* pParent = nullptr) : CScoresheetDlg(IDD, POSITIONS, pParent) {}
};
