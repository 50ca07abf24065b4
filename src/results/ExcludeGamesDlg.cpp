#include "results/ExcludeGamesDlg.h"

#include <algorithm>

#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/Player.h"
#include "league/Team.h"

void CExcludeGamesDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    for (int p = 0; p < 5; ++p) {
        for (int g = 0; g < 4; ++g)
            DDX_Check(pDX, static_cast<int>(IDC_EXCL_BOX[p][g]), m_bExclude[p][g]);
        DDX_Text(pDX, static_cast<int>(IDC_EXCL_PLAYER[p]), m_strPlayer[p]);
        DDX_Text(pDX, static_cast<int>(IDC_EXCL_ENTERING_AVG[p]), m_strEnteringAvg[p]);
    }
    DDX_Text(pDX, IDC_EXCL_TEAM, m_strTeam);
    DDX_Text(pDX, IDC_EXCL_ENTERING_TOTAL, m_strEnteringAvgTotal);
}

BOOL CExcludeGamesDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    const int nSide = m_bSideA ? 0 : 1;
    CFixture& f = *m_pFixture;
    if (CTeam* pTeam = f.GetSideTeam(nSide))
        m_strTeam = pTeam->m_strName;
    const int nPlayers = std::min<int>(m_pDoc->m_nPlayersPerTeam, 5);
    int nTotal = 0;
    for (int p = 0; p < nPlayers; ++p) {
        const int k = CFixture::SlotOf(nSide, p);
        if (CPlayer* pPlayer = f.GetSlotPlayer(0, k)) {
            m_strPlayer[p] = pPlayer->m_strName;
            const int e = pPlayer->GetEnteringAverage(TRUE) / 10;
            m_strEnteringAvg[p].Format("%d", e);
            nTotal += e;
        }
        for (int g = 0; g < 4; ++g)
            m_bExclude[p][g] = (f.m_dwPosFlags[k] & PosExcluded(g)) ? TRUE : FALSE;
    }
    m_strEnteringAvgTotal.Format("%d", nTotal);
    DisableUnusedBoxes();
    UpdateData(FALSE);
    return TRUE;
}

void CExcludeGamesDlg::DisableUnusedBoxes()
{
    const int nPlayers = m_pDoc->m_nPlayersPerTeam;
    const int nGames = m_pDoc->m_nGamesPerMatch;
    for (int p = 0; p < 5; ++p)
        for (int g = 0; g < 4; ++g)
            if (p >= nPlayers || g >= nGames)
                if (CWnd* w = GetDlgItem(static_cast<int>(IDC_EXCL_BOX[p][g])))
                    w->EnableWindow(FALSE);
}

void CExcludeGamesDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    const int nSide = m_bSideA ? 0 : 1;
    for (int p = 0; p < 5; ++p) {
        DWORD& dw = m_pFixture->m_dwPosFlags[CFixture::SlotOf(nSide, p)];
        dw &= ~(PosExcluded(0) | PosExcluded(1) | PosExcluded(2) | PosExcluded(3));
        for (int g = 0; g < 4; ++g)
            if (m_bExclude[p][g])
                dw |= PosExcluded(g);
    }
    EndDialog(IDOK);
}
