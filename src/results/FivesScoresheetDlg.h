#pragma once
// The scoresheet of a league of 5 bowlers per team.
#include "resources/dialogs/ResultDialogs.h"
#include "results/ScoresheetDlg.h"

class CFivesScoresheetDlg : public CScoresheetDlg {
public:
    enum { IDD = IDD_FIVES_SCORESHEET, POSITIONS = 5 };
    explicit CFivesScoresheetDlg(CWnd* pParent = nullptr) : CScoresheetDlg(IDD, POSITIONS, pParent) {}
};
