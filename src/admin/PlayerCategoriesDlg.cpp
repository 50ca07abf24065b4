#include "admin/PlayerCategoriesDlg.h"

#include "league/BowlingDoc.h"
#include "league/Player.h"

BEGIN_MESSAGE_MAP(CPlayerCategoriesDlg, CDialog)
    ON_BN_CLICKED(IDC_PC_ENTERING, OnEnteringAverage)
    ON_BN_CLICKED(IDC_PC_CURRENT, OnCurrentAverage)
    ON_EN_KILLFOCUS(IDC_PC_START_A, OnKillfocusThreshold)
    ON_EN_KILLFOCUS(IDC_PC_START_B, OnKillfocusThreshold)
    ON_BN_CLICKED(IDC_PC_SET, OnSetCategories)
    ON_BN_CLICKED(IDC_PC_REMOVE, OnRemoveCategories)
END_MESSAGE_MAP()

void CPlayerCategoriesDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    // The thresholds are kept in 16 bits.
    DDX_Text(pDX, IDC_PC_START_A, m_nCategoryA);
    DDV_MinMaxUInt(pDX, m_nCategoryA, 0, 65535);
    DDX_Text(pDX, IDC_PC_START_B, m_nCategoryB);
    DDV_MinMaxUInt(pDX, m_nCategoryB, 0, 65535);
    DDX_Check(pDX, IDC_PC_ENTERING, m_bEnteringAverage);
    DDX_Check(pDX, IDC_PC_CURRENT, m_bCurrentAverage);
}

BOOL CPlayerCategoriesDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CenterWindow();
    CountCategories();
    return TRUE;
}

void CPlayerCategoriesDlg::CountCategories()
{
    int nCounts[4] = {0, 0, 0, 0};
    for (POSITION pos = m_pDoc->m_listPlayers.GetHeadPosition(); pos;) {
        const auto* p = static_cast<const CPlayer*>(m_pDoc->m_listPlayers.GetNext(pos));
        ++nCounts[p->m_nCategory >= 1 && p->m_nCategory <= 3 ? p->m_nCategory - 1 : 3];
    }
    const UINT ids[4] = {IDC_PC_COUNT_A, IDC_PC_COUNT_B, IDC_PC_COUNT_C, IDC_PC_COUNT_NONE};
    for (int i = 0; i < 4; ++i) {
        CString s;
        s.Format("%d", nCounts[i]);
        SetDlgItemText(ids[i], s);
    }
}

void CPlayerCategoriesDlg::OnEnteringAverage()
{
    if (IsDlgButtonChecked(IDC_PC_ENTERING))
        CheckDlgButton(IDC_PC_CURRENT, 0);
    UpdateData(TRUE);
}

void CPlayerCategoriesDlg::OnCurrentAverage()
{
    if (IsDlgButtonChecked(IDC_PC_CURRENT))
        CheckDlgButton(IDC_PC_ENTERING, 0);
    UpdateData(TRUE);
}

void CPlayerCategoriesDlg::OnKillfocusThreshold()
{
    UpdateData(TRUE);
}

void CPlayerCategoriesDlg::OnSetCategories()
{
    if (!UpdateData(TRUE))
        return;
    if (m_nCategoryA < m_nCategoryB) {
        AfxMessageBox("Category 'B' is higher than Category 'A'");
        return;
    }
    const BOOL bHandicapSet = m_pDoc->m_bHandicapLeague ? TRUE : FALSE;
    for (POSITION pos = m_pDoc->m_listPlayers.GetHeadPosition(); pos;) {
        auto* p = static_cast<CPlayer*>(m_pDoc->m_listPlayers.GetNext(pos));
        p->m_nCategory = 0;
        if (m_bEnteringAverage) {
            const UINT nTenths = p->GetEnteringAverage(TRUE);
            if (nTenths == 0)
                continue;
            p->m_nCategory = nTenths >= m_nCategoryA * 10 ? 1 : nTenths >= m_nCategoryB * 10 ? 2 : 3;
        } else {
            const double dAverage = p->GetAverage(bHandicapSet, m_pDoc->m_nEnteringAvgGames);
            p->m_nCategory = dAverage >= m_nCategoryA ? 1 : dAverage >= m_nCategoryB ? 2 : 3;
        }
    }
    CountCategories();
}

void CPlayerCategoriesDlg::OnRemoveCategories()
{
    for (POSITION pos = m_pDoc->m_listPlayers.GetHeadPosition(); pos;)
        static_cast<CPlayer*>(m_pDoc->m_listPlayers.GetNext(pos))->m_nCategory = 0;
    CountCategories();
}

void CPlayerCategoriesDlg::OnOK()
{
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}
