#include "results/MakeupLaneOverrideDlg.h"

#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/Team.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(CMakeupLaneOverrideDlg, CDialog)
    ON_BN_CLICKED(IDC_MLO_DOWN, OnDown)
    ON_BN_CLICKED(IDC_MLO_UP, OnUp)
END_MESSAGE_MAP()

void CMakeupLaneOverrideDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_MLO_TEAM_A, m_strTeamA);
    DDX_Text(pDX, IDC_MLO_LANES, m_strLanes);
    DDX_Text(pDX, IDC_MLO_TEAM_B, m_strTeamB);
    DDX_Text(pDX, IDC_MLO_ROUND, m_strRound);
    DDX_Check(pDX, IDC_MLO_CANCELLED, m_bCancelled);
}

BOOL CMakeupLaneOverrideDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CenterWindow();
    m_nLane = std::clamp(m_nLane, 1, MAX_OVERRIDE_LANE);
    m_strRound.Format("Round %d", m_pFixture->m_nRound);
    const CTeam* pTeamA = m_pFixture->GetSideTeam(0);
    const CTeam* pTeamB = m_pFixture->GetSideTeam(1);
    m_strTeamA = pTeamA ? pTeamA->m_strName : CString();
    m_strTeamB = pTeamB ? pTeamB->m_strName : CString();
    m_strLanes.Format("%d / %d", m_nLane, m_nLane + 1);
    UpdateData(FALSE);
    return TRUE;
}

// Only the lane text changes: the tick stays as the user set it.
void CMakeupLaneOverrideDlg::ShowLanes()
{
    m_strLanes.Format("%d / %d", m_nLane, m_nLane + 1);
    SetDlgItemText(IDC_MLO_LANES, m_strLanes);
}

void CMakeupLaneOverrideDlg::OnDown()
{
    if (m_nLane > 1)
        m_nLane = std::max(1, m_nLane - 2);
    ShowLanes();
}

void CMakeupLaneOverrideDlg::OnUp()
{
    if (m_nLane < MAX_OVERRIDE_LANE)
        m_nLane = std::min(MAX_OVERRIDE_LANE, m_nLane + 2);
    ShowLanes();
}

int FirstOverrideLane(const CBowlingDoc& doc)
{
    int nLane = doc.m_nStartLane == 0 ? 1 : doc.m_nStartLane;
    if (nLane % 2 == 0)
        ++nLane;
    return std::min(nLane, MAX_OVERRIDE_LANE);
}

BOOL OfferLaneOverride(CFixture* pFixture, int& nRunningLane, BYTE& nOverride)
{
    CMakeupLaneOverrideDlg dlg;
    dlg.m_pFixture = pFixture;
    dlg.m_nLane = std::clamp(nRunningLane, 1, MAX_OVERRIDE_LANE);
    // Esc or the close box read no tick: the match keeps the lane shown.
    dlg.DoModal();
    if (dlg.m_bCancelled)
        return FALSE;
    const int nLane = std::clamp(dlg.m_nLane, 1, MAX_OVERRIDE_LANE);
    nOverride = static_cast<BYTE>(nLane);
    nRunningLane = std::min(nLane + 2, MAX_OVERRIDE_LANE);
    return TRUE;
}
