#include "results/SubstitutesDlg.h"

#include <algorithm>

#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/Player.h"
#include "results/ScoresheetDlg.h"
#include "results/SubstitutionsDlg.h"

CSubstitutesDlg::CSubstitutesDlg(UINT nIDTemplate, int nPositions, CWnd* pParent)
    : CDialog(nIDTemplate, pParent), m_nPositions(std::clamp(nPositions, 1, 5))
{
}

BEGIN_MESSAGE_MAP(CSubstitutesDlg, CDialog)
    ON_CONTROL_RANGE(BN_CLICKED, 335, 340, OnPosition)
END_MESSAGE_MAP()

void CSubstitutesDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    // Every size shows the team it substitutes for.
    DDX_Text(pDX, IDC_SUBS_TEAM, m_strTeam);
}

BOOL CSubstitutesDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CenterWindow();
    return TRUE;
}

void CSubstitutesDlg::OnPosition(UINT nID)
{
    for (int p = 0; p < m_nPositions; ++p)
        if (IDC_SUBS_POSITION[p] == nID) {
            if (m_bSideA)
                SubstituteTeamA(p);
            else
                SubstituteTeamB(p);
            return;
        }
}

void CSubstitutesDlg::SubstituteTeamA(int nPos) { SubstitutePosition(*m_pScoresheet, 0, nPos); }

void CSubstitutesDlg::SubstituteTeamB(int nPos) { SubstitutePosition(*m_pScoresheet, 1, nPos); }

BOOL SubstitutePosition(CScoresheetDlg& sheet, int nSide, int nPos)
{
    CFixture& f = *sheet.m_pFixture;
    CBowlingDoc* pDoc = sheet.m_pDoc;
    const int k = CFixture::SlotOf(nSide, nPos);
    DWORD& dwFlags = f.m_dwPosFlags[k];

    SubstitutionRecord rec;
    rec.nTeam = nSide == 0 ? f.m_nTeamA : f.m_nTeamB;
    for (int g = 0; g < 4; ++g) {
        const bool bPacer = (dwFlags & PosPacer(g)) != 0;
        rec.bPacer[g] = bPacer ? 1 : 0;
        rec.nPlayerNo[g] = bPacer ? f.m_wPacerNo[g][k] : f.m_wPlayerNo[g][k];
        rec.nScore[g] = bPacer ? f.m_nPacerScore[g][k] : f.m_nScore[g][k];
        rec.nHandicap[g] = f.m_nHandicap[g][k];
        rec.bNonQual[g] = (dwFlags & PosNonQual(g)) ? 1 : 0;
    }
    if (!EditSubstitutions(pDoc, &rec, &sheet.m_working, nSide, nPos))
        return FALSE;

    dwFlags &= ~(PosPacer(0) | PosPacer(1) | PosPacer(2) | PosPacer(3));
    for (int g = 0; g < 4; ++g) {
        CPlayer* pPlayer = pDoc->FindPlayer(rec.nPlayerNo[g]);
        const WORD nScore = static_cast<WORD>(std::min<UINT>(rec.nScore[g], 0xFFFF));
        // A vacancy or robot paces nobody: it holds the game, which its rule scores.
        if (rec.bPacer[g] && !(pPlayer && pPlayer->IsRobot())) {
            // The pacer's game goes beside the position's own bowler, who keeps his slot; its
            // score is the position's score of that game too (a blind game keeps its own).
            dwFlags |= PosPacer(g);
            f.m_nPacerScore[g][k] = nScore;
            if (!(dwFlags & PosBlind(g)))
                f.m_nScore[g][k] = nScore;
            f.m_wPacerNo[g][k] = rec.nPlayerNo[g];
            f.m_pPacer[g][k] = pPlayer;
            f.m_nPacerHandicap[g][k] = rec.nHandicap[g];
            f.m_nPacerAverage[g][k] = pPlayer ? pPlayer->m_nAverage : 0;
        } else {
            f.SetGamePlayer(g, k, pPlayer, nScore);
            f.m_wPlayerNo[g][k] = rec.nPlayerNo[g]; // a number that finds nobody stays as it was
        }
    }

    CString* names = nSide == 0 ? sheet.m_strPlayerA : sheet.m_strPlayerB;
    for (int p = 0; p < sheet.GetPositions(); ++p) {
        CPlayer* pPlayer = f.GetSlotPlayer(0, CFixture::SlotOf(nSide, p));
        names[p] = pPlayer ? pPlayer->m_strName : CString();
    }
    const int nGames = std::clamp<int>(pDoc->m_nGamesPerMatch, 1, 4);
    for (int g = 0; g < nGames; ++g)
        f.m_nHandicap[g][k] = rec.nHandicap[g];

    dwFlags &= ~(PosNonQual(0) | PosNonQual(1) | PosNonQual(2) | PosNonQual(3));
    for (int g = 0; g < nGames; ++g)
        if (rec.bNonQual[g]) {
            dwFlags |= PosNonQual(g);
            f.m_nScore[g][k] = static_cast<WORD>(std::min<UINT>(rec.nScore[g], 0xFFFF));
        }
    // Taken last, so that a Non Qual pacer's score shows as the fixture now holds it.
    UINT* scores = nSide == 0 ? sheet.m_nScoreA[nPos] : sheet.m_nScoreB[nPos];
    for (int g = 0; g < 4; ++g)
        scores[g] = f.m_nScore[g][k];
    return TRUE;
}
