#include "admin/RobotScoresDlg.h"

#include "league/BowlingDoc.h"
#include "league/Rules.h"

#include <climits>

BEGIN_MESSAGE_MAP(CRobotScoresDlg, CDialog)
    ON_CONTROL_RANGE(CBN_SELCHANGE, IDC_RB_KIND[0], IDC_RB_KIND[3], OnKindChange)
    ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_RB_FIRST[0], IDC_RB_FIRST[3], OnValueKillFocus)
    ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_RB_SECOND[0], IDC_RB_SECOND[3], OnValueKillFocus)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_RB_EXCLUDE[0], IDC_RB_EXCLUDE[3], OnExclude)
END_MESSAGE_MAP()

namespace {
const char* const kKindTexts[4] = {"Flat Score", "Opponent's Average less Percentage", "Opponent's Average less Pins",
                                   "Opponent's Score"};

int SlotOf(UINT nID, const UINT ids[4])
{
    for (int s = 0; s < 4; ++s)
        if (ids[s] == nID)
            return s;
    return -1;
}

// The rule fields are unsigned: a value from a damaged file above the int range shows as the
// largest the box takes.
int ToBox(DWORD n)
{
    return n > static_cast<DWORD>(INT_MAX) ? INT_MAX : static_cast<int>(n);
}
} // namespace

CRobotScoresDlg::CRobotScoresDlg(CBowlingDoc* pDoc, CRobot* const pRobots[4], CWnd* pParent)
    : CDialog(IDD, pParent), m_pDoc(pDoc)
{
    for (int s = 0; s < 4; ++s)
        m_pRobot[s] = pRobots[s];
}

void CRobotScoresDlg::DoDataExchange(CDataExchange* pDX)
{
    for (int s = 0; s < 4; ++s) {
        // The rules hold unsigned figures: a negative score, percentage or pin count would
        // wrap round to a huge one.
        DDX_Text(pDX, IDC_RB_FIRST[s], m_nFirst[s]);
        DDV_MinMaxInt(pDX, m_nFirst[s], 0, INT_MAX);
        DDX_Text(pDX, IDC_RB_SECOND[s], m_nSecond[s]);
        DDV_MinMaxInt(pDX, m_nSecond[s], 0, INT_MAX);
        DDX_Check(pDX, IDC_RB_EXCLUDE[s], m_bExclude[s]);
    }
    DDX_Check(pDX, IDC_RB_NO_POINTS, m_bRobotsCannotGainPoints);
}

BOOL CRobotScoresDlg::OnInitDialog()
{
    for (int s = 0; s < 4; ++s) {
        auto* pCombo = static_cast<CComboBox*>(GetDlgItem(static_cast<int>(IDC_RB_KIND[s])));
        for (const char* pszKind : kKindTexts)
            pCombo->AddString(pszKind);
        const int nKind = m_pRobot[s]->m_nKind;
        pCombo->SetCurSel(nKind <= CRobot::kindOpponentsScore ? nKind : 0);
        m_bExclude[s] = m_pRobot[s]->m_bExclude ? 1 : 0;
        LoadSlot(s);
    }
    CDialog::OnInitDialog();
    UpdateLabels();
    return TRUE;
}

int CRobotScoresDlg::SelectedKind(int nSlot) const
{
    const int nSel = static_cast<CComboBox*>(GetDlgItem(static_cast<int>(IDC_RB_KIND[nSlot])))->GetCurSel();
    return nSel >= 0 && nSel <= CRobot::kindOpponentsScore ? nSel : CRobot::kindFlatScore;
}

void CRobotScoresDlg::LoadSlot(int nSlot)
{
    const CRobot* pRule = m_pRobot[nSlot];
    switch (pRule->m_nKind) {
    case CRobot::kindFlatScore:
        m_nFirst[nSlot] = ToBox(pRule->m_nFlatScore);
        m_nSecond[nSlot] = ToBox(pRule->m_nFlatHandicap);
        break;
    case CRobot::kindAverageLessPercent: m_nSecond[nSlot] = ToBox(pRule->m_nPercent); break;
    case CRobot::kindAverageLessPins: m_nSecond[nSlot] = ToBox(pRule->m_nPins); break;
    default: break;
    }
}

void CRobotScoresDlg::StoreSlot(int nSlot)
{
    CRobot* pRule = m_pRobot[nSlot];
    const DWORD nFirst = static_cast<DWORD>(m_nFirst[nSlot]);
    const DWORD nSecond = static_cast<DWORD>(m_nSecond[nSlot]);
    switch (pRule->m_nKind) {
    case CRobot::kindFlatScore:
        pRule->m_nFlatScore = nFirst;
        pRule->m_nFlatHandicap = nSecond;
        break;
    case CRobot::kindAverageLessPercent: pRule->m_nPercent = nSecond; break;
    case CRobot::kindAverageLessPins: pRule->m_nPins = nSecond; break;
    default: break;
    }
}

void CRobotScoresDlg::ShowControl(UINT nID, BOOL bShow)
{
    if (CWnd* pWnd = GetDlgItem(static_cast<int>(nID))) {
        pWnd->ShowWindow(bShow ? SW_SHOW : SW_HIDE);
        pWnd->EnableWindow(bShow);
    }
}

void CRobotScoresDlg::UpdateLabels()
{
    const BOOL bTeamHandicaps = m_pDoc && m_pDoc->m_bTeamHandicaps;
    const BOOL bHandicapLeague = m_pDoc && m_pDoc->m_bHandicapLeague;
    for (int s = 0; s < 4; ++s) {
        BOOL bFirst = FALSE, bSecond = TRUE, bDiff = FALSE;
        switch (m_pRobot[s]->m_nKind) {
        case CRobot::kindFlatScore: {
            // The second value is the rule's handicap, which a handicap league adds to the flat
            // score game by game; with team handicaps too it is the handicap, never an average
            // (the team average takes the flat score).
            SetDlgItemText(IDC_RB_SECOND_LABEL[s], "Hcp Score");
            SetDlgItemText(IDC_RB_FIRST_LABEL[s], "Scr Score");
            bFirst = TRUE;
            // What the place scores a game with its handicap; a handicap of 0 shows nothing.
            if (bHandicapLeague && !bTeamHandicaps && m_nSecond[s] != 0) {
                CString text;
                text.Format("(%lld)", static_cast<long long>(m_nFirst[s]) + m_nSecond[s]);
                SetDlgItemText(IDC_RB_DIFF[s], text);
                bDiff = TRUE;
            }
            break;
        }
        case CRobot::kindAverageLessPercent: SetDlgItemText(IDC_RB_SECOND_LABEL[s], "Percentage"); break;
        case CRobot::kindAverageLessPins: SetDlgItemText(IDC_RB_SECOND_LABEL[s], "Pins"); break;
        default:
            SetDlgItemText(IDC_RB_SECOND_LABEL[s], "");
            bSecond = FALSE;
            break;
        }
        ShowControl(IDC_RB_FIRST[s], bFirst);
        ShowControl(IDC_RB_FIRST_LABEL[s], bFirst);
        ShowControl(IDC_RB_SECOND[s], bSecond);
        ShowControl(IDC_RB_DIFF[s], bDiff);
        ShowControl(IDC_RB_HCP_NOTE[s], bDiff);
    }
    UpdateData(FALSE);
}

void CRobotScoresDlg::OnKindChange(UINT nID)
{
    const int s = SlotOf(nID, IDC_RB_KIND);
    if (s < 0 || !UpdateData(TRUE))
        return;
    m_pRobot[s]->m_nKind = static_cast<BYTE>(SelectedKind(s));
    LoadSlot(s);
    UpdateLabels();
}

void CRobotScoresDlg::OnValueKillFocus(UINT nID)
{
    int s = SlotOf(nID, IDC_RB_FIRST);
    if (s < 0)
        s = SlotOf(nID, IDC_RB_SECOND);
    if (s < 0 || !UpdateData(TRUE))
        return;
    StoreSlot(s);
    UpdateLabels();
}

void CRobotScoresDlg::OnExclude(UINT nID)
{
    const int s = SlotOf(nID, IDC_RB_EXCLUDE);
    if (s < 0 || !UpdateData(TRUE))
        return;
    m_pRobot[s]->m_bExclude = m_bExclude[s] ? 1 : 0;
}

void CRobotScoresDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    for (int s = 0; s < 4; ++s) {
        m_pRobot[s]->m_nKind = static_cast<BYTE>(SelectedKind(s));
        // The box that had the focus may not have been stored yet.
        StoreSlot(s);
        m_pRobot[s]->m_bExclude = m_bExclude[s] ? 1 : 0;
        if (m_pRobot[s]->m_nKind == CRobot::kindAverageLessPercent && m_nSecond[s] > 100) {
            CString question;
            question.Format("#%d - %d%% seems a little tough.  Are you sure?", s + 1, m_nSecond[s]);
            if (AfxMessageBox(question, MB_YESNO) != IDYES) {
                UpdateLabels();
                return;
            }
        }
    }
    EndDialog(IDOK);
}
