#include "reports/stats/RoundStatisticsDlg.h"

#include "league/BowlingDoc.h"
#include "reports/stats/RoundAnalysisItem.h"

namespace {

CComboBox* Combo(CWnd* pDlg, UINT nID)
{
    return static_cast<CComboBox*>(pDlg->GetDlgItem(nID));
}

void Fill(CWnd* pDlg, UINT nID, std::initializer_list<const char*> texts, int nSel)
{
    CComboBox* pCombo = Combo(pDlg, nID);
    pCombo->ResetContent();
    for (const char* psz : texts)
        pCombo->AddString(psz);
    pCombo->SetCurSel(nSel >= 0 && nSel < static_cast<int>(texts.size()) ? nSel : 0);
}

int RowOf(const UINT (&ids)[10], UINT nID)
{
    for (int r = 0; r < 10; ++r)
        if (ids[r] == nID)
            return r;
    return -1;
}

} // namespace

BEGIN_MESSAGE_MAP(CRoundStatisticsDlg, CDialog)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_RA_ENABLED[0], IDC_RA_ENABLED[9], OnRowChange)
    ON_CONTROL_RANGE(CBN_SELCHANGE, IDC_RA_MEASURE[0], IDC_RA_MEASURE[9], OnRowChange)
    ON_CBN_SELCHANGE(IDC_RA_LEAGUE_KIND, OnLeagueKind)
    ON_BN_CLICKED(IDC_RA_CURRENT_ROUND, OnCurrentRound)
    ON_BN_CLICKED(IDC_RA_ALL_ROUNDS, OnAllRounds)
    ON_BN_CLICKED(IDC_RA_HEADER_FONT, OnHeaderFont)
    ON_BN_CLICKED(IDC_RA_DETAIL_FONT, OnDetailFont)
END_MESSAGE_MAP()

CRoundStatisticsDlg::CRoundStatisticsDlg(CBowlingDoc* pDoc, CRepItem_Analysis1* pItem, CWnd* pParent)
    : CDialog(IDD, pParent), m_pDoc(pDoc), m_pItem(pItem)
{
}

int CRoundStatisticsDlg::CurrentRound() const
{
    return m_pDoc ? m_pDoc->m_nCurrentRound : 0;
}

void CRoundStatisticsDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Check(pDX, IDC_RA_CURRENT_ROUND, m_bCurrentRoundOnly);
    DDX_Check(pDX, IDC_RA_ALL_ROUNDS, m_bAllRounds);
    // The file keeps 16 bits of each number.
    DDX_Text(pDX, IDC_RA_FIRST_ROUND, m_nFirstRound);
    DDV_MinMaxInt(pDX, m_nFirstRound, 0, 65535);
    DDX_Text(pDX, IDC_RA_LAST_ROUND, m_nLastRound);
    DDV_MinMaxInt(pDX, m_nLastRound, 0, 65535);
    for (int r = 0; r < 10; ++r) {
        DDX_Check(pDX, IDC_RA_ENABLED[r], m_bEnabled[r]);
        DDX_Text(pDX, IDC_RA_FROM[r], m_nFrom[r]);
        DDV_MinMaxInt(pDX, m_nFrom[r], 0, 65535);
        DDX_Text(pDX, IDC_RA_TO[r], m_nTo[r]);
        DDV_MinMaxInt(pDX, m_nTo[r], 0, 65535);
    }
    DDX_Check(pDX, IDC_RA_GENERAL, m_bGeneral);
    DDX_Text(pDX, IDC_RA_GAP, m_nGap);
    DDV_MinMaxInt(pDX, m_nGap, 0, 200);
}

BOOL CRoundStatisticsDlg::OnInitDialog()
{
    CRepItem_Analysis1& item = *m_pItem;
    for (int r = 0; r < 10; ++r) {
        m_bEnabled[r] = item.m_bEnabled[r] ? 1 : 0;
        m_nFrom[r] = item.m_nValueFrom[r];
        m_nTo[r] = item.m_nValueTo[r];
        if (r < 2)
            Fill(this, IDC_RA_STATISTIC[r], {"Game", "Series", "1st Game", "2nd Game", "3rd Game", "4th Game", ""},
                 item.m_nStatistic[r]);
        else
            Fill(this, IDC_RA_STATISTIC[r], {"Game", "Series", "1st Game", "2nd Game", "3rd Game", "4th Game"},
                 item.m_nStatistic[r]);
        Fill(this, IDC_RA_GROUP[r], {"Male", "Female", "Junior", "All"}, item.m_nGroup[r]);
        Fill(this, IDC_RA_CLASS[r], {"Unclassified", "Category A", "Category B", "Category C"}, item.m_nClass[r]);
        Fill(this, IDC_RA_BASIS[r], {"Scratch", "Hcap"}, item.m_nBasis[r]);
        Fill(this, IDC_RA_MEASURE[r], {"Percent", "Total", "Average"}, item.m_nMeasure[r]);
    }
    Fill(this, IDC_RA_STYLE, {"1 Column", "2 Columns"}, item.m_nStyle);
    GetDlgItem(IDC_RA_STYLE)->ShowWindow(SW_HIDE);
    GetDlgItem(IDC_RA_STYLE)->EnableWindow(FALSE);
    m_bCurrentRoundOnly = item.m_bCurrentRoundOnly ? 1 : 0;
    m_bAllRounds = item.m_bAllRoundsToCurrent ? 1 : 0;
    m_nFirstRound = item.m_nFirstRound;
    m_nLastRound = item.m_nLastRound;
    if (m_bAllRounds) {
        m_nFirstRound = 1;
        m_nLastRound = CurrentRound();
    }
    if (m_bCurrentRoundOnly)
        m_nFirstRound = m_nLastRound = CurrentRound();
    m_bGeneral = item.m_bGeneralStats ? 1 : 0;
    m_nGap = item.m_nGap;
    CDialog::OnInitDialog();
    DescribeFonts();
    EnableRounds();
    Fill(this, IDC_RA_LEAGUE_KIND, {"Scratch League", "Handicap League"}, 0);
    if (m_pDoc && !m_pDoc->HasBothScoringSystems()) {
        item.m_nLeagueKind = m_pDoc->m_bHandicapLeague ? 1 : 0;
        GetDlgItem(IDC_RA_LEAGUE_KIND)->EnableWindow(FALSE);
    }
    Combo(this, IDC_RA_LEAGUE_KIND)->SetCurSel(item.m_nLeagueKind == 1 ? 1 : 0);
    for (int r = 0; r < 10; ++r)
        UpdateControls(r);
    return TRUE;
}

void CRoundStatisticsDlg::EnableRounds()
{
    const BOOL bFree = !IsDlgButtonChecked(IDC_RA_CURRENT_ROUND) && !IsDlgButtonChecked(IDC_RA_ALL_ROUNDS);
    GetDlgItem(IDC_RA_FIRST_ROUND)->EnableWindow(bFree);
    GetDlgItem(IDC_RA_LAST_ROUND)->EnableWindow(bFree);
}

void CRoundStatisticsDlg::UpdateControls(int r)
{
    const BOOL bOn = IsDlgButtonChecked(IDC_RA_ENABLED[r]) != 0;
    for (UINT nID : {IDC_RA_STATISTIC[r], IDC_RA_GROUP[r], IDC_RA_CLASS[r], IDC_RA_MEASURE[r], IDC_RA_FROM[r], IDC_RA_TO[r]})
        GetDlgItem(nID)->EnableWindow(bOn);
    GetDlgItem(IDC_RA_BASIS[r])->EnableWindow(bOn && m_pItem->m_nLeagueKind == 1);
    // An average takes every value: no range.
    if (bOn && Combo(this, IDC_RA_MEASURE[r])->GetCurSel() == CRepItem_Analysis1::MEASURE_AVERAGE) {
        GetDlgItem(IDC_RA_FROM[r])->EnableWindow(FALSE);
        GetDlgItem(IDC_RA_TO[r])->EnableWindow(FALSE);
    }
}

void CRoundStatisticsDlg::OnRowChange(UINT nID)
{
    int r = RowOf(IDC_RA_ENABLED, nID);
    if (r < 0)
        r = RowOf(IDC_RA_MEASURE, nID);
    if (r >= 0)
        UpdateControls(r);
}

void CRoundStatisticsDlg::OnLeagueKind()
{
    const int nKind = Combo(this, IDC_RA_LEAGUE_KIND)->GetCurSel() == 1 ? 1 : 0;
    m_pItem->m_nLeagueKind = static_cast<BYTE>(nKind);
    for (int r = 0; r < 10; ++r) {
        if (nKind == 0)
            Combo(this, IDC_RA_BASIS[r])->SetCurSel(0);
        UpdateControls(r);
    }
}

void CRoundStatisticsDlg::OnCurrentRound()
{
    if (IsDlgButtonChecked(IDC_RA_CURRENT_ROUND)) {
        CheckDlgButton(IDC_RA_ALL_ROUNDS, 0);
        SetDlgItemInt(IDC_RA_FIRST_ROUND, static_cast<UINT>(CurrentRound()));
        SetDlgItemInt(IDC_RA_LAST_ROUND, static_cast<UINT>(CurrentRound()));
    }
    EnableRounds();
}

void CRoundStatisticsDlg::OnAllRounds()
{
    if (IsDlgButtonChecked(IDC_RA_ALL_ROUNDS)) {
        CheckDlgButton(IDC_RA_CURRENT_ROUND, 0);
        SetDlgItemInt(IDC_RA_FIRST_ROUND, 1);
        SetDlgItemInt(IDC_RA_LAST_ROUND, static_cast<UINT>(CurrentRound()));
    }
    EnableRounds();
}

void CRoundStatisticsDlg::DescribeFonts()
{
    CString s;
    m_pItem->m_fontHeader.GetDescription(s);
    SetDlgItemText(IDC_RA_HEADER_DESC, s);
    m_pItem->m_fontDetail.GetDescription(s);
    SetDlgItemText(IDC_RA_DETAIL_DESC, s);
}

void CRoundStatisticsDlg::OnHeaderFont()
{
    ChooseReportFont(&m_pItem->m_fontHeader);
    DescribeFonts();
}

void CRoundStatisticsDlg::OnDetailFont()
{
    ChooseReportFont(&m_pItem->m_fontDetail);
    DescribeFonts();
}

void CRoundStatisticsDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    CRepItem_Analysis1& item = *m_pItem;
    for (int r = 0; r < 10; ++r) {
        item.m_bEnabled[r] = m_bEnabled[r] ? 1 : 0;
        item.m_nValueTo[r] = static_cast<WORD>(m_nTo[r]);
        item.m_nValueFrom[r] = static_cast<WORD>(std::min(m_nFrom[r], m_nTo[r]));
        item.m_nStatistic[r] = static_cast<BYTE>(Combo(this, IDC_RA_STATISTIC[r])->GetCurSel());
        item.m_nGroup[r] = static_cast<BYTE>(Combo(this, IDC_RA_GROUP[r])->GetCurSel());
        item.m_nClass[r] = static_cast<BYTE>(Combo(this, IDC_RA_CLASS[r])->GetCurSel());
        item.m_nBasis[r] = static_cast<BYTE>(Combo(this, IDC_RA_BASIS[r])->GetCurSel());
        item.m_nMeasure[r] = static_cast<BYTE>(Combo(this, IDC_RA_MEASURE[r])->GetCurSel());
    }
    item.m_bGeneralStats = m_bGeneral ? 1 : 0;
    item.m_bAllRoundsToCurrent = m_bAllRounds ? 1 : 0;
    item.m_bCurrentRoundOnly = m_bCurrentRoundOnly ? 1 : 0;
    item.m_nFirstRound = static_cast<WORD>(m_nFirstRound ? m_nFirstRound : 1);
    item.m_nLastRound = static_cast<WORD>(std::max<int>(m_nLastRound, item.m_nFirstRound));
    item.m_nGap = static_cast<WORD>(m_nGap);
    item.m_nStyle = static_cast<WORD>(std::max(Combo(this, IDC_RA_STYLE)->GetCurSel(), 0));
    EndDialog(IDOK);
}
