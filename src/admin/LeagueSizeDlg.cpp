#include "admin/LeagueSizeDlg.h"

#include "admin/NewScheduleRuleDlg.h"
#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/Team.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(CNewScheduleRuleDlg, CDialog)
    ON_BN_CLICKED(IDC_NSR_SYNCHRONIZE, OnSynchronize)
    ON_BN_CLICKED(IDC_NSR_RESTART, OnRestart)
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CLeagueSizeDlg, CDialog)
    ON_EN_KILLFOCUS(IDC_LSZ_START_ROUND, Recompute)
    ON_CBN_SELCHANGE(IDC_LSZ_ROUNDS, Recompute)
END_MESSAGE_MAP()

void CLeagueSizeDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_LSZ_START_ROUND, m_nStartRound);
    // A new round needs a round of the schedule to start from.
    DDV_MinMaxInt(pDX, m_nStartRound, 1, 99);
}

BOOL CLeagueSizeDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_nNewTeams = NewTeamCount();
    CString strTeams;
    strTeams.Format("League will have %d Teams", m_nNewTeams);
    SetDlgItemText(IDC_LSZ_TEAMS_TEXT, strTeams);
    m_nCycle = m_nNewTeams - 1;
    m_nStartRound = m_pDoc->m_nCurrentRound + 1;
    auto* pRounds = static_cast<CComboBox*>(GetDlgItem(IDC_LSZ_ROUNDS));
    if (m_nCycle > 0) {
        int k = m_nCycle;
        if (m_bSynchronize) {
            k = (m_pDoc->m_nCurrentRound + m_nCycle - 1) / m_nCycle * m_nCycle;
            if (k == 0)
                k = m_nCycle;
        }
        for (; k < 81; k += m_nCycle) {
            CString s;
            s.Format("%d Rounds", k);
            pRounds->SetItemData(pRounds->AddString(s), static_cast<DWORD_PTR>(k));
        }
    }
    pRounds->SetCurSel(0);
    UpdateData(FALSE);
    Recompute();
    return TRUE;
}

void CLeagueSizeDlg::Recompute()
{
    if (m_bSynchronize)
        return;
    BOOL bOk = FALSE;
    const int nStart = static_cast<int>(GetDlgItemInt(IDC_LSZ_START_ROUND, &bOk));
    if (bOk)
        m_nStartRound = nStart;
    const int nSel = static_cast<CComboBox*>(GetDlgItem(IDC_LSZ_ROUNDS))->GetCurSel();
    m_nTotal = (nSel + 1) * m_nCycle;
    CString s;
    s.Format("%d + ", m_nStartRound - 1);
    SetDlgItemText(IDC_LSZ_BEFORE, s);
    s.Format("(%d) ", m_nStartRound - 1 + m_nTotal);
    SetDlgItemText(IDC_LSZ_TOTAL, s);
}

void CLeagueSizeDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    auto* pRounds = static_cast<CComboBox*>(GetDlgItem(IDC_LSZ_ROUNDS));
    const int nSel = pRounds->GetCurSel();
    m_nRounds = nSel >= 0 ? static_cast<int>(pRounds->GetItemData(nSel)) : 0;
    m_nTotal = (nSel + 1) * m_nCycle;
    if (m_bSynchronize) {
        // The synchronized schedule ends at its position rounds plus the rounds chosen; it must
        // not end before the rounds kept ahead of the start round, or their results fall outside it.
        int nKeptLast = 0, nPositionRounds = 0;
        for (POSITION pos = m_pDoc->m_listFixtures.GetHeadPosition(); pos;) {
            const auto* f = static_cast<const CFixture*>(m_pDoc->m_listFixtures.GetNext(pos));
            if (f->m_nRound >= m_nStartRound)
                continue;
            nKeptLast = std::max<int>(nKeptLast, f->m_nRound);
            if (f->m_nMatch == 1 && f->m_bPositionRound)
                ++nPositionRounds;
        }
        if (nPositionRounds + m_nRounds < nKeptLast) {
            CString strMsg;
            strMsg.Format("The rounds before round %d stay, so please choose at least %d rounds.", m_nStartRound,
                          nKeptLast - nPositionRounds);
            AfxMessageBox(strMsg, MB_OK | MB_ICONEXCLAMATION);
            GotoDlgCtrl(GetDlgItem(IDC_LSZ_ROUNDS));
            return;
        }
    }
    EndDialog(IDOK);
}

int CExpandLeagueDlg::NewTeamCount() const
{
    return m_pDoc->m_listTeams.GetCount() - m_pDoc->m_nExtraTeams + 2;
}

int CContractLeagueDlg::NewTeamCount() const
{
    return m_pDoc->m_listTeams.GetCount() - m_pDoc->m_nExtraTeams;
}

BOOL CContractLeagueDlg::OnInitDialog()
{
    CLeagueSizeDlg::OnInitDialog();
    for (UINT nID : {IDC_LSZ_DROP1, IDC_LSZ_DROP2}) {
        auto* pList = static_cast<CComboBox*>(GetDlgItem(nID));
        for (POSITION pos = m_pDoc->m_listTeams.GetHeadPosition(); pos;) {
            auto* pTeam = static_cast<CTeam*>(m_pDoc->m_listTeams.GetNext(pos));
            if (!pTeam->IsRemoved())
                pList->SetItemData(pList->AddString(pTeam->m_strName), pTeam->m_nTeamNo);
        }
    }
    static_cast<CComboBox*>(GetDlgItem(IDC_LSZ_DROP1))->SetCurSel(0);
    static_cast<CComboBox*>(GetDlgItem(IDC_LSZ_DROP2))->SetCurSel(1);
    return TRUE;
}

void CContractLeagueDlg::OnOK()
{
    auto team = [this](UINT nID) -> WORD {
        auto* pList = static_cast<CComboBox*>(GetDlgItem(nID));
        const int nSel = pList->GetCurSel();
        return nSel >= 0 ? static_cast<WORD>(pList->GetItemData(nSel)) : 0;
    };
    m_nDropTeam1 = team(IDC_LSZ_DROP1);
    m_nDropTeam2 = team(IDC_LSZ_DROP2);
    CLeagueSizeDlg::OnOK();
}
