#pragma once
// The scoresheet of a league of 3 bowlers per team.
#include "resources/dialogs/ResultDialogs.h"
#include "results/ScoresheetDlg.h"

class CThreesScoresheetDlg : public CScoresheetDlg {
public:
    enum { IDD = IDD_THREES_SCORESHEET, POSITIONS = 3 };
    explicit CThreesScoresheetDlg(CWnd* pParent = nullptr) : CScoresheetDlg(IDD, POSITIONS, pParent) {}
};
