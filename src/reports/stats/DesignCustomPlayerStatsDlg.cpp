#include "reports/stats/DesignCustomPlayerStatsDlg.h"

#include "league/BowlingDoc.h"
#include "reports/stats/CustomPlayerStats.h"

namespace {
const char* const kLayouts[] = {"Single Column", "Two Columns", "Three Columns"};
const char* const kKinds[] = {"Handicap", "Scratch"};
const char* const kTotalStyles[] = {"Average of first listed team members", "Total of top male & female + highs",
                                    "Team Average"};
// The last entry is empty and ranks nothing: choosing it keeps the key.
const char* const kRankKeys[] = {"Average",        "Pinfall",         "Wins",
                                 "High Game Hcap", "High Game Scr",   "High Series Hcap",
                                 "High Series Scr", "Games > Average", "Difference",
                                 "Surname",        ""};
constexpr int kFullWidth = 100;   // percent of a block
constexpr WORD kNewWidth = 15;
} // namespace

BEGIN_MESSAGE_MAP(CDesignCustomPlayerStatsDlg, CColumnDesignerDlg)
    ON_CBN_SELCHANGE(IDC_CPD_LAYOUT, OnSelChangeLayout)
    ON_CBN_SELCHANGE(IDC_CD_KIND, OnSelChangeKind)
    ON_BN_CLICKED(IDC_CPD_BY_TEAM, OnByTeam)
    ON_BN_CLICKED(IDC_CPD_SUBS_ONLY, OnSubsOnly)
    ON_BN_CLICKED(IDC_CPD_TEAM_AVERAGES, OnTeamAverages)
    ON_CBN_SELCHANGE(IDC_CPD_TOTAL_STYLE, OnSelChangeTotalStyle)
    ON_EN_KILLFOCUS(IDC_CPD_GAP, OnKillFocusGap)
    ON_BN_CLICKED(IDC_CPD_MALE, OnGroup)
    ON_BN_CLICKED(IDC_CPD_FEMALE, OnGroup)
    ON_BN_CLICKED(IDC_CPD_JUNIOR, OnGroup)
    ON_CBN_SELCHANGE(IDC_CPD_RANK, OnSelChangeRank)
    ON_BN_CLICKED(IDC_CPD_APPLY_TO_ALL, OnApplyToAll)
    ON_BN_CLICKED(IDC_CPD_MAKE_DEFAULT, OnMakeDefault)
END_MESSAGE_MAP()

CDesignCustomPlayerStatsDlg::CDesignCustomPlayerStatsDlg(CRepItem_CustomPlayerStats* pItem, CWnd* pParent)
    : CColumnDesignerDlg(IDD, m_itemColumns, pItem->m_fontHeading, pItem->m_fontDetail, kFullWidth, kNewWidth,
                         pParent),
      m_pItem(pItem), m_itemColumns(pItem->m_arrColumns, *pItem)
{
}

BOOL CDesignCustomPlayerStatsDlg::OnInitDialog()
{
    CColumnDesignerDlg::OnInitDialog();
    CRepItem_CustomPlayerStats& item = *m_pItem;
    CBowlingDoc* pDoc = item.m_pDoc;
    FillCombo(IDC_CD_KIND, kKinds, 2, item.m_nKind);
    FillCombo(IDC_CPD_RANK, kRankKeys, 11, item.GetEffectiveRankKey());
    FillCombo(IDC_CPD_LAYOUT, kLayouts, 3, item.GetBlockCount() - 1);
    FillCombo(IDC_CPD_TOTAL_STYLE, kTotalStyles, 3, item.m_nTeamTotalStyle);
    CheckDlgButton(IDC_CPD_MALE, (item.m_wGroupMask & CRepItem_CustomPlayerStats::GROUP_MALE) ? 1 : 0);
    CheckDlgButton(IDC_CPD_FEMALE, (item.m_wGroupMask & CRepItem_CustomPlayerStats::GROUP_FEMALE) ? 1 : 0);
    CheckDlgButton(IDC_CPD_JUNIOR, (item.m_wGroupMask & CRepItem_CustomPlayerStats::GROUP_JUNIOR) ? 1 : 0);
    CheckDlgButton(IDC_CPD_BY_TEAM, item.m_bListByTeam ? 1 : 0);
    CheckDlgButton(IDC_CPD_SUBS_ONLY, item.m_bSubsOnly ? 1 : 0);
    CheckDlgButton(IDC_CPD_TEAM_AVERAGES, item.m_bTeamAverages ? 1 : 0);
    CheckDlgButton(IDC_CPD_APPLY_TO_ALL, m_bApplyToAll);
    SetDlgItemInt(IDC_CPD_GAP, item.m_nGap);
    if (pDoc && !pDoc->HasBothScoringSystems()) {
        item.m_nKind = pDoc->m_bScratchLeague && !pDoc->m_bHandicapLeague ? PK_SCRATCH : PK_HANDICAP;
        static_cast<CComboBox*>(GetDlgItem(IDC_CD_KIND))->SetCurSel(item.m_nKind);
        Enable(IDC_CD_KIND, FALSE);
    }
    if (item.m_bEmbedded) {
        item.SetDefaultDesign();
        ShowFonts();
        Enable(IDC_CPD_BY_TEAM, FALSE);
        Enable(IDC_CPD_LAYOUT, FALSE);
        Enable(IDC_CPD_APPLY_TO_ALL, FALSE);
    }
    FillColumnList();
    EnableListByTeam();
    return TRUE;
}

BOOL CDesignCustomPlayerStatsDlg::Exchange(int nWhich)
{
    m_nExchange = nWhich;
    const BOOL bOk = UpdateData(TRUE);
    m_nExchange = EX_ALL;
    return bOk;
}

void CDesignCustomPlayerStatsDlg::DoDataExchange(CDataExchange* pDX)
{
    // The controls are filled by hand; only what the user typed is read and checked.
    if (!pDX->m_bSaveAndValidate)
        return;
    if ((m_nExchange & EX_WIDTH) && HasCurrent()) {
        DDX_Text(pDX, IDC_CD_WIDTH, m_nWidth);
        DDV_MinMaxInt(pDX, m_nWidth, 0, 99);
    }
    if (m_nExchange & EX_GAP) {
        DDX_Text(pDX, IDC_CPD_GAP, m_nGap);
        DDV_MinMaxInt(pDX, m_nGap, 0, 100);
    }
    if (m_nExchange & EX_OTHERS)
        DDX_Check(pDX, IDC_CPD_APPLY_TO_ALL, m_bApplyToAll);
}

CString CDesignCustomPlayerStatsDlg::FormatWidth(int nWidth) const
{
    CString s;
    s.Format("%d", nWidth);
    return s;
}

CString CDesignCustomPlayerStatsDlg::FormatSpace(int nSpace) const
{
    CString s;
    s.Format("%d%%", nSpace);
    return s;
}

BOOL CDesignCustomPlayerStatsDlg::StoreWidth()
{
    if (!Exchange(EX_WIDTH))
        return FALSE;
    m_columns.Width(m_nIndex) = static_cast<WORD>(m_nWidth);
    return TRUE;
}

void CDesignCustomPlayerStatsDlg::EnableListByTeam()
{
    const BOOL bByTeam = m_pItem->m_bListByTeam != 0;
    for (UINT nID : {IDC_CPD_RANK, IDC_CPD_MALE, IDC_CPD_FEMALE, IDC_CPD_JUNIOR})
        Enable(nID, !bByTeam);
    for (UINT nID : {IDC_CPD_TEAM_AVERAGES, IDC_CPD_SUBS_ONLY, IDC_CPD_TOTAL_STYLE})
        Enable(nID, bByTeam);
}

void CDesignCustomPlayerStatsDlg::OfferDefaultDesign()
{
    if (AfxMessageBox("Set up the default report format?", MB_YESNO) != IDYES)
        return;
    m_pItem->m_bDesignPending = 1;
    m_pItem->SetDefaultDesign();
    SetDlgItemInt(IDC_CPD_GAP, m_pItem->m_nGap);
    FillColumnList();
    ShowFonts();
}

void CDesignCustomPlayerStatsDlg::OnSelChangeLayout()
{
    const int nSel = GetSel(IDC_CPD_LAYOUT);
    if (nSel < 0)
        return;
    m_pItem->m_nLayout = static_cast<BYTE>(nSel);
    OfferDefaultDesign();
}

void CDesignCustomPlayerStatsDlg::OnSelChangeKind()
{
    const int nSel = GetSel(IDC_CD_KIND);
    if (nSel < 0)
        return;
    m_pItem->m_nKind = static_cast<BYTE>(nSel);
    OfferDefaultDesign();
}

void CDesignCustomPlayerStatsDlg::OnByTeam()
{
    m_pItem->m_bListByTeam = IsDlgButtonChecked(IDC_CPD_BY_TEAM) ? 1 : 0;
    EnableListByTeam();
}

void CDesignCustomPlayerStatsDlg::OnSubsOnly()
{
    m_pItem->m_bSubsOnly = IsDlgButtonChecked(IDC_CPD_SUBS_ONLY) ? 1 : 0;
}

void CDesignCustomPlayerStatsDlg::OnTeamAverages()
{
    m_pItem->m_bTeamAverages = IsDlgButtonChecked(IDC_CPD_TEAM_AVERAGES) ? 1 : 0;
}

void CDesignCustomPlayerStatsDlg::OnSelChangeTotalStyle()
{
    const int nSel = GetSel(IDC_CPD_TOTAL_STYLE);
    if (nSel >= 0)
        m_pItem->m_nTeamTotalStyle = static_cast<BYTE>(nSel);
}

void CDesignCustomPlayerStatsDlg::OnKillFocusGap()
{
    if (Exchange(EX_GAP))
        m_pItem->m_nGap = static_cast<BYTE>(m_nGap);
}

void CDesignCustomPlayerStatsDlg::OnGroup()
{
    WORD wMask = 0;
    if (IsDlgButtonChecked(IDC_CPD_MALE))
        wMask |= CRepItem_CustomPlayerStats::GROUP_MALE;
    if (IsDlgButtonChecked(IDC_CPD_FEMALE))
        wMask |= CRepItem_CustomPlayerStats::GROUP_FEMALE;
    if (IsDlgButtonChecked(IDC_CPD_JUNIOR))
        wMask |= CRepItem_CustomPlayerStats::GROUP_JUNIOR;
    m_pItem->m_wGroupMask = wMask;
}

void CDesignCustomPlayerStatsDlg::OnSelChangeRank()
{
    const int nSel = GetSel(IDC_CPD_RANK);
    if (nSel >= 0 && nSel < PRK_COUNT)
        m_pItem->m_nRankKey = static_cast<BYTE>(nSel);
    else
        static_cast<CComboBox*>(GetDlgItem(IDC_CPD_RANK))->SetCurSel(m_pItem->GetEffectiveRankKey());
}

void CDesignCustomPlayerStatsDlg::OnApplyToAll()
{
    m_bApplyToAll = IsDlgButtonChecked(IDC_CPD_APPLY_TO_ALL) ? 1 : 0;
}

void CDesignCustomPlayerStatsDlg::OnMakeDefault()
{
    CBowlingDoc* pDoc = m_pItem->m_pDoc;
    if (!pDoc)
        return;
    const int nEntry = m_pItem->GetDefaultFontEntry();
    CFontData* pHeading = pDoc->GetDefaultFont(nEntry);
    CFontData* pDetail = pDoc->GetDefaultFont(nEntry + 1);
    if (!pHeading || !pDetail)
        return;
    pHeading->CopyFrom(m_pItem->m_fontHeading);
    pDetail->CopyFrom(m_pItem->m_fontDetail);
    m_bMadeDefault = TRUE;
}

void CDesignCustomPlayerStatsDlg::OnOK()
{
    if (!StoreEdits() || !Exchange(EX_GAP | EX_OTHERS))
        return;
    m_pItem->m_nGap = static_cast<BYTE>(m_nGap);
    EndDialog(IDOK);
}
