#include "results/SelectFixtureDlg.h"

#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/Team.h"

BEGIN_MESSAGE_MAP(CSelectFixtureDlg, CDialog)
    ON_LBN_DBLCLK(IDC_SELECT_FIXTURE_LIST, OnDblClkList)
END_MESSAGE_MAP()

namespace {
CString TeamName(CBowlingDoc* pDoc, CTeam* pTeam, BYTE nTeam)
{
    if (!pTeam)
        pTeam = pDoc->FindTeam(nTeam);
    return pTeam ? pTeam->m_strName : CString();
}
}  // namespace

BOOL CSelectFixtureDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CListBox* pList = static_cast<CListBox*>(GetDlgItem(IDC_SELECT_FIXTURE_LIST));
    m_pFixture = nullptr;
    for (POSITION pos = m_pDoc->m_listFixtures.GetHeadPosition(); pos;) {
        CFixture* f = static_cast<CFixture*>(m_pDoc->m_listFixtures.GetNext(pos));
        if (f->IsBye())
            continue;
        const bool bPlayed = f->m_bPlayed[0] && f->m_bPlayed[1];
        if (bPlayed != (m_bPlayedOnly != 0))
            continue;
        if (m_bByRound ? (m_nRound != 0 && f->m_nRound != m_nRound)
                       : (m_nTeam != 0 && f->m_nTeamA != m_nTeam && f->m_nTeamB != m_nTeam))
            continue;
        CString line;
        line.Format("Wk%2d   %s v ", f->m_nRound, static_cast<const char*>(TeamName(m_pDoc, f->m_pTeamA, f->m_nTeamA)));
        line += TeamName(m_pDoc, f->m_pTeamB, f->m_nTeamB);
        pList->SetItemDataPtr(pList->AddString(line), f);
        if (!m_pFixture)
            m_pFixture = f;
    }
    if (pList->GetCount() > 0) {
        pList->SetCurSel(0);
        GotoDlgCtrl(pList);
        return FALSE;
    }
    return TRUE;
}

void CSelectFixtureDlg::OnOK()
{
    CListBox* pList = static_cast<CListBox*>(GetDlgItem(IDC_SELECT_FIXTURE_LIST));
    const int nSel = pList->GetCurSel();
    if (nSel >= 0)
        m_pFixture = static_cast<CFixture*>(pList->GetItemDataPtr(nSel));
    EndDialog(IDOK);
}

CFixture* SelectFixture(CBowlingDoc* pDoc, int nRound, int nFlag)
{
    CSelectFixtureDlg dlg;
    dlg.m_pDoc = pDoc;
    dlg.m_nRound = static_cast<DWORD>(nRound);
    dlg.m_bByRound = 1;
    dlg.m_bPlayedOnly = nFlag ? 1 : 0;
    if (dlg.DoModal() != IDOK)
        return nullptr;
    return dlg.m_pFixture;
}
