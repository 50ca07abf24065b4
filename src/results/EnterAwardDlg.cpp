#include "results/EnterAwardDlg.h"

#include "league/Awards.h"
#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/Player.h"

void CEnterAwardDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_AWARD_CATEGORY, m_comboAward);
    DDX_Control(pDX, IDC_AWARD_PLAYER, m_comboPlayer);
    DDX_Text(pDX, IDC_AWARD_ROUND, m_strRound);
    DDX_Text(pDX, IDC_AWARD_DATE, m_strDate);
    DDX_Text(pDX, IDC_AWARD_GAME, m_nGame);
    DDV_MinMaxInt(pDX, m_nGame, 0, LastManualAwardGame(m_pDoc));
}

BOOL CEnterAwardDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CenterWindow();
    for (POSITION pos = m_pDoc->m_listAwards.GetHeadPosition(); pos;) {
        auto* pAward = static_cast<CAwards*>(m_pDoc->m_listAwards.GetNext(pos));
        if (pAward->m_nKind == CAwards::kindManual && !pAward->m_bDeleted)
            m_comboAward.SetItemDataPtr(m_comboAward.AddString(pAward->m_strName), pAward);
    }
    for (POSITION pos = m_pDoc->m_listPlayers.GetHeadPosition(); pos;) {
        auto* pPlayer = static_cast<CPlayer*>(m_pDoc->m_listPlayers.GetNext(pos));
        // Whoever bowled a game of the match: a pacer, not the absent bowler whose games he
        // bowled; no vacancy or robot.
        if (m_pFixture->HasPlayerBowled(pPlayer->m_nPlayerNo, FALSE))
            m_comboPlayer.SetItemDataPtr(m_comboPlayer.AddString(pPlayer->m_strName), pPlayer);
    }
    m_comboAward.SetCurSel(0);
    m_comboPlayer.SetCurSel(0);
    m_strRound.Format("Round %d", m_pFixture->m_nRound);
    m_strDate = m_pFixture->m_timeDue.Format("%a %b %d %Y");
    UpdateData(FALSE);
    return TRUE;
}

void CEnterAwardDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    const int nAward = m_comboAward.GetCurSel();
    const int nPlayer = m_comboPlayer.GetCurSel();
    m_pAward = nAward < 0 ? nullptr : static_cast<CAwards*>(m_comboAward.GetItemDataPtr(nAward));
    m_pPlayer = nPlayer < 0 ? nullptr : static_cast<CPlayer*>(m_comboPlayer.GetItemDataPtr(nPlayer));
    // An award is always for somebody and of something: nothing to file, nothing closes.
    if (!m_pAward) {
        AfxMessageBox("No Manual Awards have been defined yet.");
        return;
    }
    if (!m_pPlayer) {
        AfxMessageBox("Nobody has bowled in this match yet.");
        return;
    }
    EndDialog(IDOK);
}
