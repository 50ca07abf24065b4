#pragma once
// "Scratch Scoring System": the points of scratch matches.
#include "admin/ScoringSystemDlg.h"

class CScratchScoringDlg : public CScoringSystemDlg
{
public:
    enum { IDD = IDD_SCRATCH_SCORING };
    explicit CScratchScoringDlg(CBowlingDoc* pDoc, CWnd* pParent = nullptr)
        : CScoringSystemDlg(IDD, FALSE, pDoc, pParent)
    {
    }
};
