#pragma once
// "Handicap Scoring System": the points of handicap matches.
#include "admin/ScoringSystemDlg.h"

class CHandicapScoringDlg : public CScoringSystemDlg
{
public:
    enum { IDD = IDD_HANDICAP_SCORING };
    explicit CHandicapScoringDlg(CBowlingDoc* pDoc, CWnd* pParent = nullptr)
        : CScoringSystemDlg(IDD, TRUE, pDoc, pParent)
    {
    }
};
