#include "admin/CustomLanesDlg.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(CCustomLanesDlg, CDialog)
    ON_BN_CLICKED(IDC_CL_CYCLE_LEFT, OnCycleLeft)
    ON_BN_CLICKED(IDC_CL_CYCLE_RIGHT, OnCycleRight)
END_MESSAGE_MAP()

void CCustomLanesDlg::DoDataExchange(CDataExchange* pDX)
{
    for (int m = 0; m < 25; ++m) {
        DDX_Text(pDX, static_cast<int>(IDC_CL_LANE1) + m, m_nFirstLane[m]);
        DDV_MinMaxInt(pDX, m_nFirstLane[m], 1, 127);
    }
}

BOOL CCustomLanesDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    for (int m = std::max(m_nMatches, 0); m < 25; ++m)
        GetDlgItem(static_cast<int>(IDC_CL_LANE1) + m)->EnableWindow(FALSE);
    return TRUE;
}

void CCustomLanesDlg::Cycle(bool bLeft)
{
    const int n = std::clamp(m_nMatches, 0, 25);
    if (n < 2 || !UpdateData(TRUE))
        return;
    if (bLeft)
        std::rotate(m_nFirstLane, m_nFirstLane + 1, m_nFirstLane + n);
    else
        std::rotate(m_nFirstLane, m_nFirstLane + n - 1, m_nFirstLane + n);
    UpdateData(FALSE);
}

void CCustomLanesDlg::OnCycleLeft() { Cycle(true); }
void CCustomLanesDlg::OnCycleRight() { Cycle(false); }
