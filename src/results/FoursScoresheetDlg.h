#pragma once
// The scoresheet of a league of 4 bowlers per team.
#include "resources/dialogs/ResultDialogs.h"
#include "results/ScoresheetDlg.h"

class CFoursScoresheetDlg : public CScoresheetDlg {
public:
    enum { IDD = IDD_FOURS_SCORESHEET, POSITIONS = 4 };
    explicit CFoursScoresheetDlg(CWnd* pParent = nullptr) : CScoresheetDlg(IDD, POSITIONS, pParent) {}
};
