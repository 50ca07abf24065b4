#include "reports/layout/ScoresheetStyleDlg.h"

#include "reports/layout/NotesItem.h"
#include "reports/layout/ScoreSheetItem.h"
#include "reports/stats/CustomPlayerStats.h"

BEGIN_MESSAGE_MAP(CScoresheetStyleDlg, CDialog)
    ON_BN_CLICKED(IDC_SSS_SPACE_FOR_ALL, OnSpaceForAll)
    ON_BN_CLICKED(IDC_SSS_SIDE_BY_SIDE, OnCheckBox)
    ON_BN_CLICKED(IDC_SSS_PLAYER_STATS, OnCheckBox)
    ON_BN_CLICKED(IDC_SSS_NOTE, OnCheckBox)
    ON_BN_CLICKED(IDC_SSS_SEC_TREAS_LANES, OnCheckBox)
    ON_BN_CLICKED(IDC_SSS_HEADER_FONT, OnHeaderFont)
    ON_BN_CLICKED(IDC_SSS_NAMES_FONT, OnNamesFont)
    ON_BN_CLICKED(IDC_SSS_DESIGN_STATS, OnDesignPlayerStats)
    ON_BN_CLICKED(IDC_SSS_EDIT_NOTE, OnEditNote)
END_MESSAGE_MAP()

CScoresheetStyleDlg::CScoresheetStyleDlg(CRepItem_ScoreSheet* pItem, CWnd* pParent)
    : CDialog(IDD, pParent), m_pItem(pItem)
{
}

void CScoresheetStyleDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Check(pDX, IDC_SSS_FILL_NAMES, m_bFillInNames);
    DDX_Check(pDX, IDC_SSS_TEAM_AVERAGE, m_bTeamAverage);
    DDX_Check(pDX, IDC_SSS_NEXT_OPPONENTS, m_bNextOpponents);
    DDX_Check(pDX, IDC_SSS_SPACE_FOR_ALL, m_bSpaceForAll);
    DDX_Text(pDX, IDC_SSS_PLAYER_LINES, m_nPlayerLines);
    DDX_Check(pDX, IDC_SSS_SIDE_BY_SIDE, m_bSideBySide);
    DDX_Check(pDX, IDC_SSS_PLAYER_STATS, m_bPlayerStats);
    DDX_Check(pDX, IDC_SSS_NOTE, m_bNote);
    DDX_Check(pDX, IDC_SSS_SEC_TREAS_LANES, m_bSecTreasLanes);
}

BOOL CScoresheetStyleDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    auto* pCombo = static_cast<CComboBox*>(GetDlgItem(IDC_SSS_PER_PAGE));
    for (const char* psz : {"Economy", "1 Per Page", "* 2 Per Page", "* 3 Per Page", "* 4 Per Page"})
        pCombo->AddString(psz);
    pCombo->SetCurSel(m_nSheetsPerPage >= 0 && m_nSheetsPerPage <= 4 ? m_nSheetsPerPage : 2);
    GetDlgItem(IDC_SSS_TEAM_AVERAGE)->EnableWindow(m_bTeamHandicaps);
    EnableLineCount();
    ShowFonts();
    return TRUE;
}

void CScoresheetStyleDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    const int n = static_cast<CComboBox*>(GetDlgItem(IDC_SSS_PER_PAGE))->GetCurSel();
    if (n >= 0)
        m_nSheetsPerPage = n;
    EndDialog(IDOK);
}

void CScoresheetStyleDlg::EnableLineCount()
{
    GetDlgItem(IDC_SSS_PLAYER_LINES)->EnableWindow(!IsDlgButtonChecked(IDC_SSS_SPACE_FOR_ALL));
}

void CScoresheetStyleDlg::OnSpaceForAll()
{
    // Lines for every bowler only make sense with their names on them.
    if (IsDlgButtonChecked(IDC_SSS_SPACE_FOR_ALL))
        CheckDlgButton(IDC_SSS_FILL_NAMES, 1);
    EnableLineCount();
    OnCheckBox();
}

void CScoresheetStyleDlg::OnCheckBox()
{
    UpdateData(TRUE);
}

void CScoresheetStyleDlg::ShowFonts()
{
    CString s;
    m_pItem->m_fontHeader.GetDescription(s);
    SetDlgItemText(IDC_SSS_HEADER_DESC, s);
    m_pItem->m_fontNames.GetDescription(s);
    SetDlgItemText(IDC_SSS_NAMES_DESC, s);
}

void CScoresheetStyleDlg::OnHeaderFont()
{
    ChooseReportFont(&m_pItem->m_fontHeader);
    m_pItem->m_fontHeader.m_nLineHeight = 0;
    ShowFonts();
}

void CScoresheetStyleDlg::OnNamesFont()
{
    ChooseReportFont(&m_pItem->m_fontNames);
    m_pItem->m_fontNames.m_nLineHeight = 0;
    ShowFonts();
}

void CScoresheetStyleDlg::OnDesignPlayerStats()
{
    if (m_pItem->m_pPlayerStats)
        m_pItem->m_pPlayerStats->Edit();
}

void CScoresheetStyleDlg::OnEditNote()
{
    if (m_pItem->m_pNote)
        m_pItem->m_pNote->Edit();
}
