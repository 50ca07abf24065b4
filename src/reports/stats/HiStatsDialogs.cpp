#include "reports/stats/HiStatsDialogs.h"

#include "league/BowlingDoc.h"
#include "reports/stats/HiStatsBase.h"

#include <algorithm>

namespace {

const char* const kTeamStatistics[] = {"Game", "Series", "Average", "Pinfall"};
const char* const kPlayerStatistics[] = {"Game",      "Series",    "Average", "Most Improved",
                                         "Games > Avge.", "Most Wins", "Pct Wins", "Game 1",
                                         "Game 2",    "Game 3",    "Game 4"};
const char* const kWeekStatistics[] = {"Game", "Series"};
const char* const kBases[] = {"Scratch", "Handicap", "Over Average"};
const char* const kGroups[] = {"Male", "Female", "Junior", "All"};
const char* const kClasses[] = {"Unclassified", "Category A", "Category B", "Category C"};

int ColumnOf(const UINT* pIds, UINT nID)
{
    for (int c = 0; c < 4; ++c)
        if (pIds[c] == nID)
            return c;
    return -1;
}

} // namespace

BEGIN_MESSAGE_MAP(CHiStatsDlg, CDialog)
    ON_CONTROL_RANGE(CBN_SELCHANGE, IDC_HS_STATISTIC[0], IDC_HS_STATISTIC[3], OnStatisticChange)
    ON_CONTROL_RANGE(CBN_SELCHANGE, IDC_HS_BASIS[0], IDC_HS_BASIS[3], OnBasisChange)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_HS_UNUSED[0], IDC_HS_UNUSED[3], OnUnusedClicked)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_HS_TEAMS[0], IDC_HS_TEAMS[3], OnTeamsClicked)
    ON_BN_CLICKED(IDC_HS_APPLY_FONTS, OnApplyFonts)
    ON_BN_CLICKED(IDC_HS_HEADING_FONT, OnHeadingFont)
    ON_BN_CLICKED(IDC_HS_DETAIL_FONT, OnDetailFont)
END_MESSAGE_MAP()

CHiStatsDlg::CHiStatsDlg(UINT nIDD, CBowlingDoc* pDoc, CHiStatsItem* pItem, CWnd* pParent)
    : CDialog(nIDD, pParent), m_pDoc(pDoc), m_pItem(pItem), m_nHeadingDescID(IDC_HS_HEADING_DESC)
{
}

BOOL CHiStatsDlg::IsHandicapLeague() const
{
    return !m_pDoc || m_pDoc->m_bHandicapLeague;
}

BOOL CHiStatsDlg::HasBothSystems() const
{
    return m_pDoc && m_pDoc->HasBothScoringSystems();
}

void CHiStatsDlg::FillCombo(UINT nID, const char* const* ppszTexts, int nCount, int nSel)
{
    auto* pCombo = static_cast<CComboBox*>(GetDlgItem(nID));
    if (!pCombo)
        return;
    pCombo->ResetContent();
    for (int i = 0; i < nCount; ++i)
        pCombo->AddString(ppszTexts[i]);
    pCombo->SetCurSel(nSel >= 0 && nSel < nCount ? nSel : 0);
}

void CHiStatsDlg::Enable(UINT nID, BOOL bEnable)
{
    if (CWnd* p = GetDlgItem(nID))
        p->EnableWindow(bEnable);
}

int CHiStatsDlg::GetSel(UINT nID) const
{
    const auto* pCombo = static_cast<const CComboBox*>(GetDlgItem(nID));
    return pCombo ? std::max(pCombo->GetCurSel(), 0) : 0;
}

void CHiStatsDlg::SetSel(UINT nID, int nSel)
{
    if (auto* pCombo = static_cast<CComboBox*>(GetDlgItem(nID)))
        pCombo->SetCurSel(nSel);
}

BOOL CHiStatsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    for (int c = 0; c < 4; ++c) {
        FillCombo(IDC_HS_STATISTIC[c], m_ppszStatistics, m_nStatistics, m_nStatistic[c]);
        FillCombo(IDC_HS_BASIS[c], kBases, m_nBases, m_nBasis[c]);
        if (m_bHasGroups) {
            FillCombo(IDC_HS_GROUP[c], kGroups, 4, m_nGroup[c]);
            FillCombo(IDC_HS_CLASS[c], kClasses, 4, m_nClass[c]);
        }
    }
    for (int c = 0; c < 4; ++c) {
        if (!m_bUnused[c])
            ApplyStatisticRule(c);
        UpdateEnabling(c);
    }
    ShowFontDescriptions();
    return TRUE;
}

void CHiStatsDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_HS_ENTRIES, m_nEntries);
    DDV_MinMaxInt(pDX, m_nEntries, MinEntries(), MaxEntries());
    for (int c = 0; c < 4; ++c) {
        DDX_Check(pDX, IDC_HS_UNUSED[c], m_bUnused[c]);
        if (m_bHasTeams)
            DDX_Check(pDX, IDC_HS_TEAMS[c], m_bTeams[c]);
    }
    DDX_Check(pDX, IDC_HS_APPLY_FONTS, m_bApplyFonts);
}

void CHiStatsDlg::OnOK()
{
    for (int c = 0; c < 4; ++c) {
        m_nStatistic[c] = GetSel(IDC_HS_STATISTIC[c]);
        m_nBasis[c] = GetSel(IDC_HS_BASIS[c]);
        if (m_bHasGroups) {
            m_nGroup[c] = GetSel(IDC_HS_GROUP[c]);
            m_nClass[c] = GetSel(IDC_HS_CLASS[c]);
        }
    }
    CDialog::OnOK();
}

void CHiStatsDlg::UpdateEnabling(int c)
{
    const BOOL bUsed = !m_bUnused[c];
    Enable(IDC_HS_STATISTIC[c], bUsed);
    Enable(IDC_HS_GROUP[c], bUsed && !m_bTeams[c]);
    Enable(IDC_HS_CLASS[c], bUsed && !m_bTeams[c]);
    if (m_bHasTeams)
        Enable(IDC_HS_TEAMS[c], bUsed);
    if (!bUsed)
        Enable(IDC_HS_BASIS[c], FALSE);
    else
        ApplyStatisticRule(c);
}

void CHiStatsDlg::OnStatisticChange(UINT nID)
{
    const int c = ColumnOf(IDC_HS_STATISTIC, nID);
    if (c < 0)
        return;
    m_nStatistic[c] = GetSel(nID);
    ApplyStatisticRule(c);
}

void CHiStatsDlg::OnBasisChange(UINT nID)
{
    const int c = ColumnOf(IDC_HS_BASIS, nID);
    if (c >= 0 && GetSel(nID) == 1 && !IsHandicapLeague())
        SetSel(nID, 0);
}

void CHiStatsDlg::OnUnusedClicked(UINT nID)
{
    const int c = ColumnOf(IDC_HS_UNUSED, nID);
    if (c < 0)
        return;
    m_bUnused[c] = IsDlgButtonChecked(nID) ? 1 : 0;
    UpdateEnabling(c);
}

void CHiStatsDlg::OnTeamsClicked(UINT nID)
{
    const int c = ColumnOf(IDC_HS_TEAMS, nID);
    if (c < 0 || !m_bHasTeams)
        return;
    m_bTeams[c] = IsDlgButtonChecked(nID) ? 1 : 0;
    UpdateEnabling(c);
}

void CHiStatsDlg::OnApplyFonts()
{
    m_bApplyFonts = IsDlgButtonChecked(IDC_HS_APPLY_FONTS) ? 1 : 0;
}

void CHiStatsDlg::ShowFontDescriptions()
{
    CString s;
    m_pItem->m_fontHeading.GetDescription(s);
    SetDlgItemText(m_nHeadingDescID, s);
    m_pItem->m_fontDetail.GetDescription(s);
    SetDlgItemText(IDC_HS_DETAIL_DESC, s);
}

void CHiStatsDlg::OnHeadingFont()
{
    ChooseReportFont(&m_pItem->m_fontHeading);
    ShowFontDescriptions();
}

void CHiStatsDlg::OnDetailFont()
{
    ChooseReportFont(&m_pItem->m_fontDetail);
    ShowFontDescriptions();
}

// --- Team Stats -----------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CTeamStatsDlg, CHiStatsDlg)
    ON_EN_KILLFOCUS(IDC_HS_ENTRIES, OnEntriesKillFocus)
END_MESSAGE_MAP()

CTeamStatsDlg::CTeamStatsDlg(CBowlingDoc* pDoc, CHiStatsItem* pItem, CWnd* pParent)
    : CHiStatsDlg(IDD, pDoc, pItem, pParent)
{
    m_bHasGroups = FALSE;
    m_ppszStatistics = kTeamStatistics;
    m_nStatistics = 4;
}

int CTeamStatsDlg::MaxEntries() const
{
    const int nTeams = m_pDoc ? m_pDoc->m_nTeams : 0;
    return std::clamp(nTeams, 1, 255);
}

void CTeamStatsDlg::ApplyStatisticRule(int c)
{
    if (GetSel(IDC_HS_BASIS[c]) == 1 && !IsHandicapLeague())
        SetSel(IDC_HS_BASIS[c], 0);
}

void CTeamStatsDlg::OnEntriesKillFocus()
{
    BOOL bNumber = FALSE;
    const int n = static_cast<int>(GetDlgItemInt(IDC_HS_ENTRIES, &bNumber, TRUE));
    if (bNumber && n > MaxEntries())
        SetDlgItemInt(IDC_HS_ENTRIES, static_cast<UINT>(MaxEntries()));
}

// --- Individual Hi Stats --------------------------------------------------------------------

CIndividualHiStatsDlg::CIndividualHiStatsDlg(CBowlingDoc* pDoc, CHiStatsItem* pItem, CWnd* pParent)
    : CHiStatsDlg(IDD, pDoc, pItem, pParent)
{
    m_ppszStatistics = kPlayerStatistics;
    m_nStatistics = 11;
}

void CIndividualHiStatsDlg::ApplyStatisticRule(int c)
{
    const int s = GetSel(IDC_HS_STATISTIC[c]);
    if (s <= 1) {
        if (!IsHandicapLeague())
            SetSel(IDC_HS_BASIS[c], 0);
        Enable(IDC_HS_BASIS[c], IsHandicapLeague());
    } else if (s <= 6) {
        if (!HasBothSystems())
            SetSel(IDC_HS_BASIS[c], IsHandicapLeague() ? 1 : 0);
        Enable(IDC_HS_BASIS[c], HasBothSystems());
    } else {
        Enable(IDC_HS_BASIS[c], TRUE);
    }
}

// --- Weekly Hi Stats ------------------------------------------------------------------------

CWeeklyHiStatsDlg::CWeeklyHiStatsDlg(CBowlingDoc* pDoc, CHiStatsItem* pItem, CWnd* pParent)
    : CHiStatsDlg(IDD, pDoc, pItem, pParent)
{
    m_nHeadingDescID = IDC_HS_WEEK_HEADING_DESC;
    m_bHasTeams = TRUE;
    m_ppszStatistics = kWeekStatistics;
    m_nStatistics = 2;
    m_nBases = 3;
}

void CWeeklyHiStatsDlg::ApplyStatisticRule(int c)
{
    Enable(IDC_HS_BASIS[c], TRUE);
    if (GetSel(IDC_HS_BASIS[c]) == 1 && !IsHandicapLeague())
        SetSel(IDC_HS_BASIS[c], 0);
}
