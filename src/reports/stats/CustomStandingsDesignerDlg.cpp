#include "reports/stats/CustomStandingsDesignerDlg.h"

#include "league/PointsText.h"
#include "reports/stats/CustomStandings.h"

#include <algorithm>

namespace {
const char* const kKinds[] = {"Handicap", "Scratch", "Combined", "Pyramid (Scr)", "Pyramid (Hcp)"};
constexpr int kFullWidth = 700;   // seven inches
constexpr WORD kNewWidth = 50;
} // namespace

BEGIN_MESSAGE_MAP(CCustomStandingsDesignerDlg, CColumnDesignerDlg)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_CSD_COLOUR[0], IDC_CSD_COLOUR[2], OnColour)
    ON_CBN_SELCHANGE(IDC_CD_KIND, OnSelChangeKind)
END_MESSAGE_MAP()

CCustomStandingsDesignerDlg::CCustomStandingsDesignerDlg(CRepItem_CustomStandings* pItem, CWnd* pParent)
    : CColumnDesignerDlg(IDD, m_itemColumns, pItem->m_fontHeading, pItem->m_fontDetail, kFullWidth, kNewWidth,
                         pParent),
      m_pItem(pItem), m_itemColumns(pItem->m_arrColumns, *pItem)
{
}

BOOL CCustomStandingsDesignerDlg::OnInitDialog()
{
    m_bAddHandicap = m_pItem->AddsHandicapPoints() ? 1 : 0;
    m_bAddScratch = m_pItem->AddsScratchPoints() ? 1 : 0;
    m_bAddPyramidHandicap = m_pItem->AddsPyramidHandicapPoints() ? 1 : 0;
    m_bAddPyramidScratch = m_pItem->AddsPyramidScratchPoints() ? 1 : 0;
    CColumnDesignerDlg::OnInitDialog();
    FillCombo(IDC_CD_KIND, kKinds, 5, m_pItem->GetStandingsKind());
    ShowColours();
    EnablePointKinds();
    FillColumnList();
    return TRUE;
}

void CCustomStandingsDesignerDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Check(pDX, IDC_CSD_ADD_HCP, m_bAddHandicap);
    DDX_Check(pDX, IDC_CSD_ADD_SCR, m_bAddScratch);
    DDX_Check(pDX, IDC_CSD_ADD_PYRAMID_HCP, m_bAddPyramidHandicap);
    DDX_Check(pDX, IDC_CSD_ADD_PYRAMID_SCR, m_bAddPyramidScratch);
}

CString CCustomStandingsDesignerDlg::FormatWidth(int nWidth) const
{
    CString s;
    s.Format("%4d.%02d ", nWidth / 100, nWidth % 100);
    return s;
}

CString CCustomStandingsDesignerDlg::FormatSpace(int nSpace) const
{
    CString s;
    s.Format("%d.%02d", nSpace / 100, nSpace % 100);
    return s;
}

BOOL CCustomStandingsDesignerDlg::StoreWidth()
{
    // A negative or huge figure cannot be a width.
    const LONG n = ParsePointsHundredths(GetDlgItemText(IDC_CD_WIDTH));
    m_columns.Width(m_nIndex) = static_cast<WORD>(std::clamp<LONG>(n, 0, 65535));
    ShowCurrentColumn();
    return TRUE;
}

void CCustomStandingsDesignerDlg::ShowColours()
{
    const COLORREF colours[3] = {m_pItem->m_crFirst, m_pItem->m_crSecond, m_pItem->m_crThird};
    for (int i = 0; i < 3; ++i)
        SetDlgItemText(IDC_CSD_COLOUR_NAME[i], GetColourName(colours[i]));
}

void CCustomStandingsDesignerDlg::EnablePointKinds()
{
    const BOOL bCombined = m_pItem->GetStandingsKind() == SK_COMBINED;
    for (UINT nID : {IDC_CSD_ADD_HCP, IDC_CSD_ADD_SCR, IDC_CSD_ADD_PYRAMID_HCP, IDC_CSD_ADD_PYRAMID_SCR})
        Enable(nID, bCombined);
}

void CCustomStandingsDesignerDlg::OnColour(UINT nID)
{
    COLORREF* places[3] = {&m_pItem->m_crFirst, &m_pItem->m_crSecond, &m_pItem->m_crThird};
    for (int i = 0; i < 3; ++i)
        if (IDC_CSD_COLOUR[i] == nID)
            *places[i] = SelectColour(*places[i]);
    ShowColours();
}

void CCustomStandingsDesignerDlg::OnSelChangeKind()
{
    const int nSel = GetSel(IDC_CD_KIND);
    if (nSel < 0)
        return;
    m_pItem->SetStandingsKind(nSel);
    EnablePointKinds();
    if (AfxMessageBox("Set up the default report format?", MB_YESNO) == IDYES) {
        m_pItem->m_bDesignPending = 1;
        m_pItem->SetDefaultDesign();
        ShowFonts();
        ShowColours();
        FillColumnList();
    }
}

void CCustomStandingsDesignerDlg::OnOK()
{
    if (!StoreEdits() || !UpdateData(TRUE))
        return;
    m_pItem->ClearPointKinds();
    m_pItem->SetPointKind(CRepItem_CustomStandings::ADD_HANDICAP, m_bAddHandicap);
    m_pItem->SetPointKind(CRepItem_CustomStandings::ADD_SCRATCH, m_bAddScratch);
    m_pItem->SetPointKind(CRepItem_CustomStandings::ADD_PYRAMID_HANDICAP, m_bAddPyramidHandicap);
    m_pItem->SetPointKind(CRepItem_CustomStandings::ADD_PYRAMID_SCRATCH, m_bAddPyramidScratch);
    EndDialog(IDOK);
}
