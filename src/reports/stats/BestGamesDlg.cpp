#include "reports/stats/BestGamesDlg.h"

#include "league/BowlingDoc.h"
#include "reports/stats/BestGamesItem.h"

namespace {

void Fill(CWnd* pDlg, UINT nID, std::initializer_list<const char*> texts)
{
    auto* pCombo = static_cast<CComboBox*>(pDlg->GetDlgItem(nID));
    pCombo->ResetContent();
    for (const char* psz : texts)
        pCombo->AddString(psz);
}

CComboBox* Combo(CWnd* pDlg, UINT nID)
{
    return static_cast<CComboBox*>(pDlg->GetDlgItem(nID));
}

} // namespace

BEGIN_MESSAGE_MAP(CBestGamesSeriesDlg, CDialog)
    ON_CBN_SELCHANGE(IDC_BG_BASIS, OnSelChange)
    ON_CBN_SELCHANGE(IDC_BG_WHO, OnSelChange)
    ON_BN_CLICKED(IDC_BG_CURRENT_ROUND, OnCurrentRound)
    ON_BN_CLICKED(IDC_BG_HEADER_FONT, OnHeaderFont)
    ON_BN_CLICKED(IDC_BG_DETAIL_FONT, OnDetailFont)
END_MESSAGE_MAP()

CBestGamesSeriesDlg::CBestGamesSeriesDlg(CBowlingDoc* pDoc, CRepItem_best* pItem, CWnd* pParent)
    : CDialog(IDD, pParent), m_pDoc(pDoc), m_pItem(pItem)
{
}

void CBestGamesSeriesDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_CBIndex(pDX, IDC_BG_BASIS, m_nBasis);
    DDX_CBIndex(pDX, IDC_BG_GROUP, m_nGroup);
    DDX_CBIndex(pDX, IDC_BG_KIND, m_nKind);
    DDX_CBIndex(pDX, IDC_BG_COLUMNS, m_nColumns);
    DDX_CBIndex(pDX, IDC_BG_WHO, m_nWho);
    DDX_Text(pDX, IDC_BG_COUNT, m_nCount);
    DDV_MinMaxInt(pDX, m_nCount, 1, 9999);
    DDX_Text(pDX, IDC_BG_FIRST_ROUND, m_nFirstRound);
    DDV_MinMaxInt(pDX, m_nFirstRound, 1, 9999);
    DDX_Text(pDX, IDC_BG_LAST_ROUND, m_nLastRound);
    // The file keeps 16 bits; a negative round would wrap.
    DDV_MinMaxInt(pDX, m_nLastRound, 0, 65535);
    DDX_Check(pDX, IDC_BG_CURRENT_ROUND, m_bCurrentRoundOnly);
}

BOOL CBestGamesSeriesDlg::OnInitDialog()
{
    Fill(this, IDC_BG_BASIS, {"Scratch", "Handicap", "Over Average"});
    Fill(this, IDC_BG_GROUP, {"Male", "Female", "Junior", "All"});
    Fill(this, IDC_BG_KIND, {"Series", "Game"});
    Fill(this, IDC_BG_COLUMNS, {"Single Column", "2 Columns"});
    Fill(this, IDC_BG_WHO, {"Individuals", "Teams"});
    CDialog::OnInitDialog();
    DescribeFonts();
    m_bScratchOnOpen = m_pDoc && !m_pDoc->m_bHandicapLeague && m_nBasis == CRepItem_best::BASIS_HANDICAP;
    UpdateControls();
    return TRUE;
}

void CBestGamesSeriesDlg::UpdateControls()
{
    CComboBox* pBasis = Combo(this, IDC_BG_BASIS);
    CComboBox* pWho = Combo(this, IDC_BG_WHO);
    if (m_bScratchOnOpen) {
        pBasis->SetCurSel(CRepItem_best::BASIS_SCRATCH);
        m_bScratchOnOpen = FALSE;
    }
    // Pins over average belong to bowlers; a team has no average of its own here.
    const BOOL bOverAvg = pBasis->GetCurSel() == CRepItem_best::BASIS_OVER_AVERAGE;
    if (bOverAvg)
        pWho->SetCurSel(0);
    pWho->EnableWindow(!bOverAvg);
    GetDlgItem(IDC_BG_GROUP)->EnableWindow(pWho->GetCurSel() == 0);
}

void CBestGamesSeriesDlg::OnSelChange()
{
    // Only the lists: a half-typed number is not checked until OK.
    UpdateControls();
}

void CBestGamesSeriesDlg::OnCurrentRound()
{
    if (!IsDlgButtonChecked(IDC_BG_CURRENT_ROUND))
        return;
    SetDlgItemInt(IDC_BG_FIRST_ROUND, static_cast<UINT>(m_nCurrentRound));
    SetDlgItemInt(IDC_BG_LAST_ROUND, static_cast<UINT>(m_nCurrentRound));
}

void CBestGamesSeriesDlg::DescribeFonts()
{
    CString s;
    m_pItem->m_fontHeader.GetDescription(s);
    SetDlgItemText(IDC_BG_HEADER_DESC, s);
    m_pItem->m_fontDetail.GetDescription(s);
    SetDlgItemText(IDC_BG_DETAIL_DESC, s);
}

void CBestGamesSeriesDlg::OnHeaderFont()
{
    ChooseReportFont(&m_pItem->m_fontHeader);
    DescribeFonts();
}

void CBestGamesSeriesDlg::OnDetailFont()
{
    ChooseReportFont(&m_pItem->m_fontDetail);
    DescribeFonts();
}
