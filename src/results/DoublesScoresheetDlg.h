#pragma once
// The scoresheet of a league of 2 bowlers per team.
#include "resources/dialogs/ResultDialogs.h"
#include "results/ScoresheetDlg.h"

class CDoublesScoresheetDlg : public CScoresheetDlg {
public:
    enum { IDD = IDD_DOUBLES_SCORESHEET, POSITIONS = 2 };
    explicit CDoublesScoresheetDlg(CWnd* pParent = nullptr) : CScoresheetDlg(IDD, POSITIONS, pParent) {}
};
