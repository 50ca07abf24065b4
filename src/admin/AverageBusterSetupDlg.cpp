#include "admin/AverageBusterSetupDlg.h"

void CAverageBusterSetupDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_AB_UNIT, m_nUnit);
    DDV_MinMaxByte(pDX, m_nUnit, 0, 100);
    DDX_Check(pDX, IDC_AB_PER_GAME, m_bPerGame);
    DDX_Text(pDX, IDC_AB_EQUAL, m_nEqual);
    DDV_MinMaxByte(pDX, m_nEqual, 0, 255);
    DDX_Text(pDX, IDC_AB_OVER, m_nOver);
    DDV_MinMaxByte(pDX, m_nOver, 0, 255);
    DDX_Text(pDX, IDC_AB_UNDER, m_nUnder);
    DDV_MinMaxByte(pDX, m_nUnder, 0, 255);
}
