#include "results/SelectTeamsPrintDlg.h"

#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/Team.h"

BEGIN_MESSAGE_MAP(CSelectTeamsPrintDlg, CSelectTeamsDlg)
    ON_BN_CLICKED(IDC_SELECT_TEAMS_MATCH_SEQ, OnMatchSeq)
    ON_LBN_SELCHANGE(IDC_SELECT_TEAMS_LIST, OnSelChangeList)
END_MESSAGE_MAP()

void CSelectTeamsPrintDlg::DoDataExchange(CDataExchange* pDX)
{
    CSelectTeamsDlg::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_SELECT_TEAMS_MATCH_SEQ, m_bMatchSeq);
    DDX_Text(pDX, IDC_SELECT_TEAMS_WEEK, m_nWeek);
    DDV_MinMaxInt(pDX, m_nWeek, 0, 99);
}

BOOL CSelectTeamsPrintDlg::OnInitDialog()
{
    CSelectTeamsDlg::OnInitDialog();
    CListBox* pList = List();
    if (m_pDoc->m_bSpareTeam && m_pDoc->m_pSpareTeam) {
        pList->SetItemDataPtr(pList->AddString(m_pDoc->m_pSpareTeam->m_strName), m_pDoc->m_pSpareTeam);
        if (pList->GetCount() == 1)
            pList->SetSel(0);
    }
    GotoDlgCtrl(pList);
    return FALSE;
}

void CSelectTeamsPrintDlg::OnMatchSeq()
{
    if (IsDlgButtonChecked(IDC_SELECT_TEAMS_MATCH_SEQ))
        List()->SetSel(-1, TRUE);
}

void CSelectTeamsPrintDlg::OnSelChangeList()
{
    CListBox* pList = List();
    if (IsDlgButtonChecked(IDC_SELECT_TEAMS_MATCH_SEQ) && pList->GetSelCount() < pList->GetCount())
        CheckDlgButton(IDC_SELECT_TEAMS_MATCH_SEQ, 0);
}

bool CSelectTeamsPrintDlg::GetMatchOrder(CPtrArray& arr, int nMax)
{
    arr.RemoveAll();
    for (POSITION pos = m_pDoc->m_listFixtures.GetHeadPosition(); pos && arr.GetSize() < nMax;) {
        const CFixture* f = static_cast<const CFixture*>(m_pDoc->m_listFixtures.GetNext(pos));
        if (f->m_nRound != m_nWeek)
            continue;
        if (f->m_nTeamA == 0 || f->m_nTeamB == 0)
            return false;
        CTeam* pSides[2] = {f->m_pTeamA ? f->m_pTeamA : m_pDoc->FindTeam(f->m_nTeamA),
                            f->m_pTeamB ? f->m_pTeamB : m_pDoc->FindTeam(f->m_nTeamB)};
        for (CTeam* pTeam : pSides)
            if (pTeam && arr.GetSize() < nMax)
                arr.Add(pTeam);
    }
    return true;
}

void CSelectTeamsPrintDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    CPtrArray arr;
    if (!GetSelectedTeams(arr))
        return;
    if (m_bMatchSeq && m_nWeek >= 1 && m_nWeek <= m_pDoc->m_nRounds) {
        CPtrArray ordered;
        if (!GetMatchOrder(ordered, arr.GetSize())) {
            AfxMessageBox("This week is a position week.  The teams have not been allocated yet!");
            m_bMatchSeq = 0;
            CheckDlgButton(IDC_SELECT_TEAMS_MATCH_SEQ, 0);
            return;
        }
        // A week without a match (a free week) keeps the list order rather than show nothing.
        if (ordered.GetSize() > 0)
            arr.Copy(ordered);
    }
    StoreSelection(arr);
    EndDialog(IDOK);
}
