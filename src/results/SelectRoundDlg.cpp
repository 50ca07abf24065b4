#include "results/SelectRoundDlg.h"

#include "league/BowlingDoc.h"
#include "league/Fixture.h"

BEGIN_MESSAGE_MAP(CSelectRoundDlg, CDialog)
    ON_LBN_DBLCLK(IDC_SELECT_ROUND_LIST, OnDblClkList)
END_MESSAGE_MAP()

BOOL CSelectRoundDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CListBox* pList = static_cast<CListBox*>(GetDlgItem(IDC_SELECT_ROUND_LIST));
    pList->SetColumnWidth(140);
    int nPreset = -1;
    int nLastRound = -1;
    for (POSITION pos = m_pDoc->m_listFixtures.GetHeadPosition(); pos;) {
        const CFixture* f = static_cast<const CFixture*>(m_pDoc->m_listFixtures.GetNext(pos));
        if (!m_bAllRounds) {
            const bool bPlayed = f->m_bPlayed[0] && f->m_bPlayed[1];
            if (f->IsBye() || bPlayed != (m_bPlayed != 0))
                continue;
        }
        if (f->m_nRound == nLastRound)
            continue;
        // Rounds come in order in the fixture list, so a round is met in one run.
        bool bListed = false;
        for (int i = 0; i < pList->GetCount(); ++i)
            bListed = bListed || pList->GetItemData(i) == f->m_nRound;
        nLastRound = f->m_nRound;
        if (bListed)
            continue;
        CString line;
        line.Format("Rnd %d  %s ", f->m_nRound, static_cast<const char*>(f->m_timeDue.Format("%d %b %Y")));
        const int i = pList->AddString(line);
        pList->SetItemData(i, f->m_nRound);
        if (f->m_nRound == m_nRound)
            nPreset = i;
    }
    if (pList->GetCount() > 0)
        pList->SetCurSel(nPreset >= 0 ? nPreset : 0);
    GotoDlgCtrl(pList);
    return FALSE;
}

void CSelectRoundDlg::OnOK()
{
    CListBox* pList = static_cast<CListBox*>(GetDlgItem(IDC_SELECT_ROUND_LIST));
    const int nSel = pList->GetCurSel();
    // An empty list chooses nothing; the commands take round 0 as no round.
    m_nRound = nSel >= 0 ? static_cast<UINT>(pList->GetItemData(nSel)) : 0;
    EndDialog(IDOK);
}
