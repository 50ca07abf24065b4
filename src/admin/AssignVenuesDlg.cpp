#include "admin/AssignVenuesDlg.h"

#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/FreeWeek.h"
#include "league/Venue.h"

#include <vector>

BEGIN_MESSAGE_MAP(CAssignVenuesDlg, CDialog)
    ON_CBN_KILLFOCUS(IDC_AV_VENUE, OnKillfocusVenue)
    ON_BN_CLICKED(IDC_AV_ASSIGN, OnAssign)
    ON_BN_CLICKED(IDC_AV_CLEAR, OnClear)
END_MESSAGE_MAP()

BOOL CAssignVenuesDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    auto* pRounds = static_cast<CListBox*>(GetDlgItem(IDC_AV_ROUNDS));
    auto* pVenues = static_cast<CComboBox*>(GetDlgItem(IDC_AV_VENUE));
    pRounds->SetColumnWidth(240);
    for (POSITION pos = m_pDoc->m_listFreeWeeks.GetHeadPosition(); pos;) {
        auto* pWeek = static_cast<CFreeWeek*>(m_pDoc->m_listFreeWeeks.GetNext(pos));
        CString text;
        pWeek->GetListText(text, 0);
        pRounds->SetItemDataPtr(pRounds->AddString(text), pWeek);
    }
    for (POSITION pos = m_pDoc->m_listVenues.GetHeadPosition(); pos;) {
        const auto* v = static_cast<const CVenue*>(m_pDoc->m_listVenues.GetNext(pos));
        pVenues->SetItemData(pVenues->AddString(v->m_strName), v->m_nVenueNo);
    }
    pVenues->SetCurSel(0);
    TakeVenue();
    return TRUE;
}

void CAssignVenuesDlg::TakeVenue()
{
    auto* pVenues = static_cast<CComboBox*>(GetDlgItem(IDC_AV_VENUE));
    const int nSel = pVenues->GetCurSel();
    m_nVenue = nSel >= 0 ? static_cast<BYTE>(pVenues->GetItemData(nSel)) : 0;
}

void CAssignVenuesDlg::OnAssign()
{
    // The drop-down may still hold the focus, so the venue on show is the one meant.
    TakeVenue();
    auto* pRounds = static_cast<CListBox*>(GetDlgItem(IDC_AV_ROUNDS));
    const int nCount = pRounds->GetSelCount();
    if (nCount <= 0)
        return;
    // Every selected line, however many: a long season must not lose its later rounds.
    std::vector<int> sel(static_cast<size_t>(nCount));
    const int nRead = pRounds->GetSelItems(nCount, sel.data());
    for (int i = 0; i < nRead; ++i) {
        const auto* pWeek = static_cast<const CFreeWeek*>(pRounds->GetItemDataPtr(sel[static_cast<size_t>(i)]));
        if (!pWeek || pWeek->m_bFreeDate)
            continue;
        for (POSITION pos = m_pDoc->m_listFixtures.GetHeadPosition(); pos;) {
            auto* f = static_cast<CFixture*>(m_pDoc->m_listFixtures.GetNext(pos));
            if (f->m_nRound >= pWeek->m_nFirstRound && f->m_nRound <= pWeek->m_nLastRound)
                f->m_nVenue = m_nVenue;
        }
    }
    pRounds->SetSel(-1, FALSE);
}

void CAssignVenuesDlg::OnClear()
{
    for (POSITION pos = m_pDoc->m_listFixtures.GetHeadPosition(); pos;)
        static_cast<CFixture*>(m_pDoc->m_listFixtures.GetNext(pos))->m_nVenue = 0;
}
