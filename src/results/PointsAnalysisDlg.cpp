#include "results/PointsAnalysisDlg.h"

#include <algorithm>

#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/PointsText.h"
#include "league/Team.h"

CPointsAnalysisDlg::CPointsAnalysisDlg(UINT nIDTemplate, int nPositions, CWnd* pParent)
    : CDialog(nIDTemplate, pParent), m_nPositions(std::clamp(nPositions, 1, 5))
{
}

BEGIN_MESSAGE_MAP(CPointsAnalysisDlg, CDialog)
    ON_BN_CLICKED(IDC_PA_HANDICAP, OnHandicap)
    ON_BN_CLICKED(IDC_PA_SCRATCH, OnScratch)
    ON_BN_CLICKED(IDC_PA_BONUS_DETAIL, OnBonusDetail)
END_MESSAGE_MAP()

void CPointsAnalysisDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, static_cast<int>(IDC_PA_TEAM[0]), m_strTeamA);
    DDX_Text(pDX, static_cast<int>(IDC_PA_TEAM[1]), m_strTeamB);
    DDX_Text(pDX, static_cast<int>(IDC_PA_MATCH_POINTS[0]), m_strMatchPointsA);
    DDX_Text(pDX, static_cast<int>(IDC_PA_MATCH_POINTS[1]), m_strMatchPointsB);
    for (int c = 0; c < 5; ++c) {
        for (int p = 0; p < m_nPositions; ++p) {
            DDX_Text(pDX, static_cast<int>(IDC_PA_CELL[0][p][c]), m_strPointsA[p][c]);
            DDX_Text(pDX, static_cast<int>(IDC_PA_CELL[1][p][c]), m_strPointsB[p][c]);
        }
        DDX_Text(pDX, static_cast<int>(IDC_PA_CELL[0][PA_ROW_TEAM][c]), m_strTeamPointsA[c]);
        DDX_Text(pDX, static_cast<int>(IDC_PA_CELL[1][PA_ROW_TEAM][c]), m_strTeamPointsB[c]);
        DDX_Text(pDX, static_cast<int>(IDC_PA_CELL[0][PA_ROW_TOTALS][c]), m_strTotalsA[c]);
        DDX_Text(pDX, static_cast<int>(IDC_PA_CELL[1][PA_ROW_TOTALS][c]), m_strTotalsB[c]);
        DDX_Text(pDX, static_cast<int>(IDC_PA_CELL[0][PA_ROW_BONUS][c]), m_strBonusA[c]);
        DDX_Text(pDX, static_cast<int>(IDC_PA_CELL[1][PA_ROW_BONUS][c]), m_strBonusB[c]);
    }
    DDX_Check(pDX, IDC_PA_HANDICAP, m_bHandicap);
    DDX_Check(pDX, IDC_PA_SCRATCH, m_bScratch);
    DDX_Check(pDX, IDC_PA_BONUS_DETAIL, m_bBonusDetail);
}

BOOL CPointsAnalysisDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CFixture& f = *m_pFixture;
    if (CTeam* t = f.GetSideTeam(0))
        m_strTeamA = t->m_strName;
    if (CTeam* t = f.GetSideTeam(1))
        m_strTeamB = t->m_strName;
    if (m_pDoc->m_listBonusPts.IsEmpty())
        GetDlgItem(IDC_PA_BONUS_DETAIL)->EnableWindow(FALSE);

    bool bLock = true;
    if (m_pDoc->HasBothScoringSystems()) {
        if (!f.m_bPositionRound) {
            m_bHandicap = TRUE;
            bLock = false;
        } else if (f.m_bPositionRoundScratch) {
            m_bScratch = TRUE;
        } else {
            m_bHandicap = TRUE;
        }
    } else if (m_pDoc->m_bHandicapLeague) {
        m_bHandicap = TRUE;
    } else {
        m_bScratch = TRUE;
    }
    if (bLock) {
        GetDlgItem(IDC_PA_HANDICAP)->EnableWindow(FALSE);
        GetDlgItem(IDC_PA_SCRATCH)->EnableWindow(FALSE);
    }
    FillGrid();
    return TRUE;
}

CString CPointsAnalysisDlg::Text(int nValue) const
{
    // Pinfall points are hundredths: shown with two decimals, never as half points.
    const int nPass = m_bHandicap ? PASS_HANDICAP : PASS_SCRATCH;
    if (m_pDoc->UsesPinfallPoints(nPass))
        return nValue == 0 ? CString() : FormatHundredths(nValue);
    CString s;
    FormatHalfPointsString(nValue, s);
    return s;
}

void CPointsAnalysisDlg::FillGrid()
{
    const CFixture& f = *m_pFixture;
    const bool bHcp = m_bHandicap != 0;
    const auto& points = bHcp ? f.m_wHandicapPoints : f.m_wScratchPoints;
    const auto& bonus = bHcp ? f.m_wHandicapBonus : f.m_wScratchBonus;
    const auto& rows = m_bBonusDetail ? bonus : points;
    const auto& totals = bHcp ? f.m_nHandicapTotals : f.m_nScratchTotals;
    const auto& match = bHcp ? f.m_nHandicapMatchPoints : f.m_nScratchMatchPoints;
    for (int s = 0; s < 2; ++s) {
        auto& pos = s == 0 ? m_strPointsA : m_strPointsB;
        CString* team = s == 0 ? m_strTeamPointsA : m_strTeamPointsB;
        CString* tot = s == 0 ? m_strTotalsA : m_strTotalsB;
        CString* bon = s == 0 ? m_strBonusA : m_strBonusB;
        for (int c = 0; c < POINTS_COLS; ++c) {
            for (int p = 0; p < m_nPositions; ++p)
                pos[p][c] = Text(rows[s][p][c]);
            team[c] = Text(rows[s][PA_ROW_TEAM][c]);
            bon[c] = Text(bonus[s][6][c]);
            tot[c] = Text(totals[s][c]);
        }
        (s == 0 ? m_strMatchPointsA : m_strMatchPointsB) = Text(match[s]);
    }
    UpdateData(FALSE);
}

void CPointsAnalysisDlg::OnHandicap()
{
    UpdateData(TRUE);
    m_bScratch = !m_bHandicap;
    FillGrid();
}

void CPointsAnalysisDlg::OnScratch()
{
    UpdateData(TRUE);
    m_bHandicap = !m_bScratch;
    FillGrid();
}

void CPointsAnalysisDlg::OnBonusDetail()
{
    UpdateData(TRUE);
    FillGrid();
}
