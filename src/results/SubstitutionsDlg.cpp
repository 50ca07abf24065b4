#include "results/SubstitutionsDlg.h"

#include <algorithm>

#include "league/BowlingDoc.h"
#include "league/MatchWorking.h"
#include "league/Player.h"
#include "league/Team.h"

BEGIN_MESSAGE_MAP(CSubstitutionsDlg, CDialog)
    ON_CONTROL_RANGE(CBN_SELCHANGE, 350, 353, OnSelChangePlayer)
    // The source boxes lie inside the range of the Non Qual boxes: they come first.
    ON_BN_CLICKED(IDC_SUB_FROM_FLOATING, OnSelectFromFloatingSubs)
    ON_BN_CLICKED(IDC_SUB_FROM_TEAM, OnSelectFromTeam)
    ON_BN_CLICKED(IDC_SUB_FROM_LEAGUE, OnSelectFromLeague)
    ON_CONTROL_RANGE(BN_CLICKED, 607, 614, OnNonQual)
    ON_CONTROL_RANGE(BN_CLICKED, 619, 622, OnPacer)
    ON_BN_CLICKED(IDC_SUB_ASSIGN_ALL, OnAssignForAllGames)
END_MESSAGE_MAP()

namespace {

int IndexOf(const UINT (&ids)[4], UINT nID)
{
    for (int g = 0; g < 4; ++g)
        if (ids[g] == nID)
            return g;
    return -1;
}

}  // namespace

int CSubstitutionsDlg::Games() const { return std::clamp<int>(m_pDoc->m_nGamesPerMatch, 1, 4); }

void CSubstitutionsDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    const UINT nMax = m_pDoc && m_pDoc->m_bFivePinRules ? 450 : 300;
    for (int g = 0; g < 4; ++g) {
        DDX_Control(pDX, static_cast<int>(IDC_SUB_HCP[g]), m_editHcp[g]);
        DDX_Control(pDX, static_cast<int>(IDC_SUB_PLAYER[g]), m_comboPlayer[g]);
    }
    for (int g = 0; g < 4; ++g) {
        DDX_Text(pDX, static_cast<int>(IDC_SUB_HCP[g]), m_nHcp[g]);
        DDX_Text(pDX, static_cast<int>(IDC_SUB_SCORE[g]), m_nScore[g]);
        // The same limit as the scoresheet's boxes: five-pin scores go to 450.
        DDV_MinMaxUInt(pDX, m_nScore[g], 0, nMax);
    }
    for (int g = 0; g < 4; ++g) {
        DDX_Check(pDX, static_cast<int>(IDC_SUB_NONQUAL[g]), m_bNonQual[g]);
        DDX_Check(pDX, static_cast<int>(IDC_SUB_PACER[g]), m_bPacer[g]);
    }
    DDX_Check(pDX, IDC_SUB_FROM_FLOATING, m_bFromFloatingSubs);
    DDX_Check(pDX, IDC_SUB_FROM_TEAM, m_bFromTeam);
    DDX_Check(pDX, IDC_SUB_FROM_LEAGUE, m_bFromLeague);
    DDX_Check(pDX, IDC_SUB_ASSIGN_ALL, m_bAssignAll);
}

BOOL CSubstitutionsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CenterWindow();
    if (m_pDoc->m_nFloatingSubs == 0)
        GetDlgItem(IDC_SUB_FROM_FLOATING)->EnableWindow(FALSE);
    m_bHcpColumn = m_pDoc->m_bHandicapLeague && !m_pDoc->m_bTeamHandicaps;
    if (!m_bHcpColumn) {
        for (int g = 0; g < 4; ++g) {
            m_nHcp[g] = 0;
            m_editHcp[g].EnableWindow(FALSE);
        }
        GetDlgItem(IDC_SUB_HCAP_LABEL)->EnableWindow(FALSE);
    }
    for (int g = Games(); g < 4; ++g) {
        for (UINT id : {IDC_SUB_HCP[g], IDC_SUB_GAME_LABEL[g], IDC_SUB_SCORE[g], IDC_SUB_NONQUAL[g], IDC_SUB_PLAYER[g],
                        IDC_SUB_PACER[g]})
            if (CWnd* w = id ? GetDlgItem(static_cast<int>(id)) : nullptr)
                w->EnableWindow(FALSE);
    }
    FillPlayerCombos();
    // A game a vacancy or robot holds opens on its rule's figures; its score is no bowler's.
    for (int g = 0; g < Games(); ++g) {
        CPlayer* pPlayer = m_pDoc->FindPlayer(m_pRecord->nPlayerNo[g]);
        m_bRuleGame[g] = pPlayer && pPlayer->IsRobot();
        ShowRuleGame(g, pPlayer);
    }
    m_bAssignAll = TRUE;
    UpdateData(FALSE);
    return TRUE;
}

void CSubstitutionsDlg::FillPlayerCombos()
{
    const int nGames = Games();
    for (int g = 0; g < 4; ++g)
        if (g == 0 || g < nGames)
            m_comboPlayer[g].ResetContent();
    auto add = [&](CPlayer* pPlayer) {
        for (int g = 0; g < nGames; ++g)
            m_comboPlayer[g].SetItemDataPtr(m_comboPlayer[g].AddString(pPlayer->m_strName), pPlayer);
    };
    bool bFound[4] = {};
    if (m_bFromFloatingSubs && m_pDoc->BuildFloatingSubs() != 0) {
        for (POSITION pos = m_pDoc->m_listPlayers.GetHeadPosition(); pos;) {
            auto* pPlayer = static_cast<CPlayer*>(m_pDoc->m_listPlayers.GetNext(pos));
            if (pPlayer->IsFloatingSub())
                add(pPlayer);
        }
    }
    if (m_bFromTeam) {
        if (CTeam* pTeam = m_pDoc->FindTeam(m_nTeam))
            for (int i = 0; i < pTeam->GetOrderCount(); ++i)
                if (CPlayer* pPlayer = m_pDoc->FindPlayer(pTeam->GetOrderAt(i)))
                    add(pPlayer);
    }
    if (m_bFromLeague) {
        for (POSITION pos = m_pDoc->m_listPlayers.GetHeadPosition(); pos;) {
            auto* pPlayer = static_cast<CPlayer*>(m_pDoc->m_listPlayers.GetNext(pos));
            add(pPlayer);
            for (int g = 0; g < nGames; ++g)
                bFound[g] = bFound[g] || pPlayer->m_nPlayerNo == m_pRecord->nPlayerNo[g];
        }
    }
    // Each list holds its game's own bowler too; a number that finds nobody adds nothing.
    for (int g = 0; g < nGames; ++g)
        if (!bFound[g])
            if (CPlayer* pPlayer = m_pDoc->FindPlayer(m_pRecord->nPlayerNo[g]))
                m_comboPlayer[g].SetItemDataPtr(m_comboPlayer[g].AddString(pPlayer->m_strName), pPlayer);
    // Selected once the list is complete: a sorted list moves entries as it fills.
    for (int g = 0; g < nGames; ++g) {
        m_comboPlayer[g].SetCurSel(-1);
        for (int i = 0; i < m_comboPlayer[g].GetCount(); ++i) {
            auto* pPlayer = static_cast<CPlayer*>(m_comboPlayer[g].GetItemDataPtr(i));
            if (pPlayer && pPlayer->m_nPlayerNo == m_pRecord->nPlayerNo[g]) {
                m_comboPlayer[g].SetCurSel(i);
                break;
            }
        }
    }
}

void CSubstitutionsDlg::SetGamePlayer(int g, CPlayer* pPlayer)
{
    for (int i = 0; i < m_comboPlayer[g].GetCount(); ++i)
        if (m_comboPlayer[g].GetItemDataPtr(i) == pPlayer) {
            m_comboPlayer[g].SetCurSel(i);
            break;
        }
    m_pRecord->nPlayerNo[g] = pPlayer->m_nPlayerNo;
    m_strPlayer[g] = pPlayer->m_strName;
    if (m_bHcpColumn)
        m_nHcp[g] = pPlayer->m_nHandicap;
    // The score a rule's game took over goes back to the bowler who takes the game again.
    const bool bRule = pPlayer->IsRobot();
    if (bRule && !m_bRuleGame[g])
        m_nBowlerScore[g] = m_nScore[g];
    else if (!bRule && m_bRuleGame[g])
        m_nScore[g] = m_nBowlerScore[g];
    m_bRuleGame[g] = bRule;
    ShowRuleGame(g, pPlayer);
}

void CSubstitutionsDlg::ShowRuleGame(int g, CPlayer* pPlayer)
{
    const bool bRule = pPlayer && pPlayer->IsRobot();
    if (bRule && m_pMatch) {
        const CMatchWorking::CCellFigures rule = m_pMatch->RobotGameFigures(m_nSide, m_nPos, g, pPlayer);
        m_nScore[g] = static_cast<UINT>(rule.nScore);
        if (m_bHcpColumn)
            m_nHcp[g] = rule.nHandicap;
    }
    if (CWnd* w = GetDlgItem(static_cast<int>(IDC_SUB_SCORE[g])))
        w->EnableWindow(!bRule);
    m_editHcp[g].EnableWindow(m_bHcpColumn && !bRule);
}

void CSubstitutionsDlg::OnSelChangePlayer(UINT nID)
{
    const int g = IndexOf(IDC_SUB_PLAYER, nID);
    if (g < 0)
        return;
    UpdateData(TRUE);
    const int nSel = m_comboPlayer[g].GetCurSel();
    auto* pPlayer = nSel < 0 ? nullptr : static_cast<CPlayer*>(m_comboPlayer[g].GetItemDataPtr(nSel));
    if (!pPlayer)
        return;
    if (g == 0)
        m_pFirstGamePick = pPlayer;
    SetGamePlayer(g, pPlayer);
    if (m_bAssignAll)
        for (int h = 0; h < Games(); ++h)
            if (h != g)
                SetGamePlayer(h, pPlayer);
    UpdateData(FALSE);
}

void CSubstitutionsDlg::OnNonQual(UINT nID)
{
    const int g = IndexOf(IDC_SUB_NONQUAL, nID);
    if (g < 0)
        return;
    UpdateData(TRUE);
    m_pRecord->bNonQual[g] = m_bNonQual[g] ? 1 : 0;
    // A rule's game keeps the rule's handicap, which the sheet scores it with.
    if (m_bNonQual[g] && !m_bRuleGame[g])
        m_nHcp[g] = 0;
    UpdateData(FALSE);
}

void CSubstitutionsDlg::OnPacer(UINT) { UpdateData(TRUE); }

void CSubstitutionsDlg::OnAssignForAllGames() { UpdateData(TRUE); }

void CSubstitutionsDlg::OnSelectFromFloatingSubs()
{
    UpdateData(TRUE);
    if (!m_bFromFloatingSubs && m_pDoc->m_nFloatingSubs == 0) {
        m_bFromFloatingSubs = TRUE;
    } else {
        // A click on the ticked box leaves no source: each list then holds its own bowler.
        m_bFromTeam = FALSE;
        m_bFromLeague = FALSE;
        FillPlayerCombos();
    }
    UpdateData(FALSE);
}

void CSubstitutionsDlg::OnSelectFromTeam()
{
    UpdateData(TRUE);
    if (!m_bFromTeam) {
        m_bFromTeam = TRUE;
    } else {
        m_bFromFloatingSubs = FALSE;
        m_bFromLeague = FALSE;
        FillPlayerCombos();
    }
    UpdateData(FALSE);
}

void CSubstitutionsDlg::OnSelectFromLeague()
{
    UpdateData(TRUE);
    if (!m_bFromLeague) {
        m_bFromLeague = TRUE;
    } else {
        m_bFromFloatingSubs = FALSE;
        m_bFromTeam = FALSE;
        FillPlayerCombos();
    }
    UpdateData(FALSE);
}

void CSubstitutionsDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    bool bNonQual = false;
    for (int b : m_bNonQual)
        bNonQual = bNonQual || b;
    if (bNonQual &&
        AfxMessageBox("Score and handicap for non-qualifying results can only be amended here.  Really exit?",
                      MB_YESNO) != IDYES)
        return;
    for (int g = 0; g < 4; ++g) {
        m_pRecord->nScore[g] = m_nScore[g];
        m_pRecord->nHandicap[g] = m_nHcp[g];
    }
    CDialog::OnOK();
}

BOOL EditSubstitutions(CBowlingDoc* pDoc, SubstitutionRecord* pRecord, const CMatchWorking* pMatch, int nSide,
                       int nPos)
{
    // The dialog works on a copy: Cancel leaves the record as it came.
    SubstitutionRecord work = *pRecord;
    CSubstitutionsDlg dlg;
    dlg.m_pDoc = pDoc;
    dlg.m_nTeam = pRecord->nTeam;
    dlg.m_pRecord = &work;
    dlg.m_pMatch = pMatch;
    dlg.m_nSide = nSide;
    dlg.m_nPos = nPos;
    const int nGames = std::clamp<int>(pDoc->m_nGamesPerMatch, 1, 4);
    for (int g = 0; g < nGames; ++g) {
        dlg.m_bNonQual[g] = pRecord->bNonQual[g] ? TRUE : FALSE;
        dlg.m_nScore[g] = pRecord->nScore[g];
        dlg.m_bPacer[g] = pRecord->bPacer[g] ? TRUE : FALSE;
    }
    if (pRecord->nPlayerNo[0])
        if (CPlayer* pPlayer = pDoc->FindPlayer(pRecord->nPlayerNo[0]))
            dlg.m_strPlayer[0] = pPlayer->m_strName;
    if (pDoc->m_bHandicapLeague) {
        for (int g = 0; g < nGames; ++g) {
            if (!pRecord->nPlayerNo[g])
                continue;
            // A handicap typed for a Non Qual game can be changed only here: it stays.
            if (pRecord->bNonQual[g])
                dlg.m_nHcp[g] = pRecord->nHandicap[g];
            else if (CPlayer* pPlayer = pDoc->FindPlayer(pRecord->nPlayerNo[g]))
                dlg.m_nHcp[g] = pPlayer->m_nHandicap;
        }
    }
    dlg.m_bFromTeam = TRUE;
    if (dlg.DoModal() != IDOK)
        return FALSE;
    for (int g = 0; g < 4; ++g) {
        work.nScore[g] = dlg.m_nScore[g];
        work.bPacer[g] = dlg.m_bPacer[g] ? 1 : 0;
        work.bNonQual[g] = dlg.m_bNonQual[g] ? 1 : 0;
    }
    *pRecord = work;
    // A newcomer picked for game 1 bowls off his entering average: his figures change only
    // once the choice stands.
    if (CPlayer* pPlayer = dlg.m_pFirstGamePick; pPlayer && pPlayer->m_nAverage == 0)
        pPlayer->m_nAverage = static_cast<WORD>(pPlayer->GetEnteringAverage(FALSE) / 10);
    return TRUE;
}
