#include "results/FixturePointsAdjustDlg.h"

#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/PointsText.h"
#include "league/Team.h"

#include <cstdlib>

BEGIN_MESSAGE_MAP(CFixturePointsAdjustDlg, CDialog)
    ON_CBN_SELCHANGE(IDC_FPA_SYSTEM, OnSelChangeHandicapScratch)
    ON_CBN_SELCHANGE(IDC_FPA_ADJUST_A, OnSelChangeAdjustA)
    ON_CBN_SELCHANGE(IDC_FPA_ADJUST_B, OnSelChangeAdjustB)
END_MESSAGE_MAP()

void CFixturePointsAdjustDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FPA_ADJUST_B, m_comboAdjustB);
    DDX_Control(pDX, IDC_FPA_ADJUST_A, m_comboAdjustA);
    DDX_Control(pDX, IDC_FPA_SYSTEM, m_comboPointsSystem);
    DDX_Text(pDX, IDC_FPA_ROUND_DUE, m_strRoundDue);
    DDX_Text(pDX, IDC_FPA_TEAM_A, m_strTeamA);
    DDX_Text(pDX, IDC_FPA_TEAM_B, m_strTeamB);
}

BOOL CFixturePointsAdjustDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    const CTeam* pTeamA = m_pFixture->GetSideTeam(0);
    const CTeam* pTeamB = m_pFixture->GetSideTeam(1);
    m_strTeamA = pTeamA ? pTeamA->m_strName : CString();
    m_strTeamB = pTeamB ? pTeamB->m_strName : CString();
    m_strRoundDue.Format("Round %d Due ", m_pFixture->m_nRound);
    m_strRoundDue += m_pFixture->m_timeDue.Format("%a %b %d %Y %I:%M %p");

    m_comboPointsSystem.ResetContent();
    m_comboPointsSystem.AddString("Handicap");
    m_comboPointsSystem.AddString("Scratch");
    m_nPointsSystem = m_pDoc->m_bScratchLeague ? 1 : 0;
    m_comboPointsSystem.SetCurSel(m_nPointsSystem);
    if (!m_pDoc->HasBothScoringSystems())
        m_comboPointsSystem.EnableWindow(FALSE);
    if (m_nPointsSystem == 0)
        FillHandicapAdjustments();
    else
        FillScratchAdjustments();
    UpdateData(FALSE);
    return TRUE;
}

int CFixturePointsAdjustDlg::GetMaxAdjustment(CBowlingDoc* pDoc, int nPass)
{
    if (pDoc->m_bPyramidScoring) {
        // The first place's points, a byte 0..255 (read signed, a large value would offer nothing).
        const int nFirst = pDoc->m_strPyramid.IsEmpty() ? 0 : static_cast<BYTE>(pDoc->m_strPyramid[0]);
        return 2 * nFirst;
    }
    pDoc->UpdateMaxMatchPoints();
    const int nMax = nPass == PASS_HANDICAP ? pDoc->m_nMaxHandicapPoints : pDoc->m_nMaxScratchPoints;
    return nMax < 0 ? 0 : nMax;
}

CString CFixturePointsAdjustDlg::AdjustmentText(int nValue, BOOL bHundredths)
{
    CString s = nValue < 0 ? "-" : "+";
    const long nAbs = std::labs(static_cast<long>(nValue));
    s += bHundredths ? FormatHundredths(nAbs) : FormatHalfPoints(nAbs);
    return s;
}

void CFixturePointsAdjustDlg::FillAdjustments(int nPass, int nA, int nB)
{
    const int nMax = GetMaxAdjustment(m_pDoc, nPass);
    // Pinfall points are hundredths: the lists still step by half a point.
    const BOOL bHundredths = m_pDoc->UsesPinfallPoints(nPass);
    const int nUnit = bHundredths ? 50 : 1;
    m_comboAdjustA.ResetContent();
    m_comboAdjustB.ResetContent();
    for (int v = nMax; v >= -nMax; --v) {
        const int nValue = v * nUnit;
        const CString text = AdjustmentText(nValue, bHundredths);
        const auto data = static_cast<DWORD_PTR>(static_cast<INT_PTR>(nValue));
        int i = m_comboAdjustA.AddString(text);
        m_comboAdjustA.SetItemData(i, data);
        if (nValue == nA)
            m_comboAdjustA.SetCurSel(i);
        i = m_comboAdjustB.AddString(text);
        m_comboAdjustB.SetItemData(i, data);
        if (nValue == nB)
            m_comboAdjustB.SetCurSel(i);
    }
}

void CFixturePointsAdjustDlg::FillHandicapAdjustments()
{
    FillAdjustments(PASS_HANDICAP, m_nHandicapAdjustA, m_nHandicapAdjustB);
}

void CFixturePointsAdjustDlg::FillScratchAdjustments()
{
    FillAdjustments(PASS_SCRATCH, m_nScratchAdjustA, m_nScratchAdjustB);
}

int CFixturePointsAdjustDlg::SelectedValue(CComboBox& combo, int nOld) const
{
    const int i = combo.GetCurSel();
    if (i < 0)
        return nOld;
    return static_cast<int>(static_cast<INT_PTR>(combo.GetItemData(i)));
}

void CFixturePointsAdjustDlg::OnSelChangeAdjustA()
{
    UpdateData(TRUE);
    if (m_comboPointsSystem.GetCurSel() == 1)
        m_nScratchAdjustA = SelectedValue(m_comboAdjustA, m_nScratchAdjustA);
    else
        m_nHandicapAdjustA = SelectedValue(m_comboAdjustA, m_nHandicapAdjustA);
}

void CFixturePointsAdjustDlg::OnSelChangeAdjustB()
{
    UpdateData(TRUE);
    if (m_comboPointsSystem.GetCurSel() == 1)
        m_nScratchAdjustB = SelectedValue(m_comboAdjustB, m_nScratchAdjustB);
    else
        m_nHandicapAdjustB = SelectedValue(m_comboAdjustB, m_nHandicapAdjustB);
}

void CFixturePointsAdjustDlg::OnSelChangeHandicapScratch()
{
    UpdateData(TRUE);
    m_nPointsSystem = m_comboPointsSystem.GetCurSel() == 1 ? 1 : 0;
    if (m_nPointsSystem == 0)
        FillHandicapAdjustments();
    else
        FillScratchAdjustments();
    UpdateData(FALSE);
}

void CFixturePointsAdjustDlg::OnOK()
{
    UpdateData(FALSE);
    CDialog::OnOK();
}
