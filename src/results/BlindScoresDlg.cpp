#include "results/BlindScoresDlg.h"

#include <algorithm>

#include "league/Fixture.h"
#include "league/Player.h"

CBlindScoresDlg::CBlindScoresDlg(UINT nIDTemplate, int nPositions, CWnd* pParent)
    : CDialog(nIDTemplate, pParent), m_nPositions(std::clamp(nPositions, 1, 5))
{
}

BEGIN_MESSAGE_MAP(CBlindScoresDlg, CDialog)
    ON_CONTROL_RANGE(BN_CLICKED, 867, 888, OnBowlerGameBox)
END_MESSAGE_MAP()

void CBlindScoresDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    for (int p = 0; p < m_nPositions; ++p) {
        DDX_Text(pDX, static_cast<int>(IDC_BLIND_BOWLER[p]), m_strBowler[p]);
        for (int g = 0; g < 4; ++g)
            DDX_Check(pDX, static_cast<int>(IDC_BLIND_BOX[p][g]), m_bBlind[p][g]);
    }
    DDX_Text(pDX, IDC_BLIND_TEAM, m_strTeam);
}

BOOL CBlindScoresDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CenterWindow();
    for (int p = 0; p < m_nPositions; ++p)
        for (int g = std::max(m_nGames, 1); g < 4; ++g)
            if (CWnd* w = GetDlgItem(static_cast<int>(IDC_BLIND_BOX[p][g])))
                w->EnableWindow(FALSE);
    const int nSide = m_bSideA ? 0 : 1;
    for (int p = 0; p < m_nPositions; ++p) {
        m_dwFlags[p] = m_pFixture->m_dwPosFlags[CFixture::SlotOf(nSide, p)];
        // Games beyond the match show too: a mark the dialog cannot change is still seen.
        for (int g = 0; g < 4; ++g)
            m_bBlind[p][g] = (m_dwFlags[p] & PosBlind(g)) ? TRUE : FALSE;
        // A vacancy's or robot's game is its rule's, never a bowler's to be marked absent in:
        // its box is shut, as the sheet shuts its cell.
        for (int g = 0; g < std::min(m_nGames, 4); ++g) {
            const CPlayer* pPlayer = m_pFixture->GetSlotPlayer(g, CFixture::SlotOf(nSide, p));
            if (CWnd* w = GetDlgItem(static_cast<int>(IDC_BLIND_BOX[p][g])); w && pPlayer && pPlayer->IsRobot())
                w->EnableWindow(FALSE);
        }
    }
    UpdateData(FALSE);
    return TRUE;
}

void CBlindScoresDlg::OnBowlerGameBox(UINT nID)
{
    for (int p = 0; p < m_nPositions; ++p)
        for (int g = 0; g < 4; ++g)
            if (IDC_BLIND_BOX[p][g] == nID) {
                UpdateData(TRUE);
                if (m_bBlind[p][g])
                    m_dwFlags[p] |= PosBlind(g);
                else
                    m_dwFlags[p] &= ~PosBlind(g);
                return;
            }
}

void CBlindScoresDlg::OnOK()
{
    const int nSide = m_bSideA ? 0 : 1;
    // Whole words: the other marks of each word go back as they were read.
    for (int p = 0; p < m_nPositions; ++p)
        m_pFixture->m_dwPosFlags[CFixture::SlotOf(nSide, p)] = m_dwFlags[p];
    CDialog::OnOK();
}
