#include "reports/stats/PlayerListDlg.h"

#include "league/BowlingDoc.h"
#include "view/DisplayHooks.h"
#include "view/RepItem.h"

namespace {

// The check box of each show flag, in the document's order.
constexpr UINT kShowControls[PLS_COUNT] = {IDC_PL_NAME,   IDC_PL_ADDRESS,         IDC_PL_PHONES,
                                           IDC_PL_PIN,    IDC_PL_MEMBERSHIP_NO,   IDC_PL_MEMBERSHIP_TYPE,
                                           IDC_PL_BIRTH_DATE, IDC_PL_USER1,       IDC_PL_USER2};

} // namespace

BEGIN_MESSAGE_MAP(CPlayerListItemsDlg, CDialog)
    ON_BN_CLICKED(IDC_PL_NAME, OnName)
    ON_BN_CLICKED(IDC_PL_DETAIL_FONT, OnDetailFont)
    ON_BN_CLICKED(IDC_PL_NAME_FONT, OnNameFont)
    ON_BN_CLICKED(IDC_PL_TITLE_FONT, OnTitleFont)
END_MESSAGE_MAP()

BOOL CPlayerListItemsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_bShow[PLS_NAME] = 1;   // the name always shows
    for (int i = 0; i < PLS_COUNT; ++i)
        CheckDlgButton(kShowControls[i], m_bShow[i] ? 1 : 0);
    if (!m_bHasMembershipTypes)
        GetDlgItem(IDC_PL_MEMBERSHIP_TYPE)->EnableWindow(FALSE);
    ShowFontDescriptions();
    return TRUE;
}

void CPlayerListItemsDlg::ShowFontDescriptions()
{
    CString s;
    m_fontDetail.GetDescription(s);
    SetDlgItemText(IDC_PL_DETAIL_DESC, s);
    m_fontName.GetDescription(s);
    SetDlgItemText(IDC_PL_NAME_DESC, s);
    m_fontTitle.GetDescription(s);
    SetDlgItemText(IDC_PL_TITLE_DESC, s);
}

void CPlayerListItemsDlg::OnName()
{
    CheckDlgButton(IDC_PL_NAME, 1);
}

void CPlayerListItemsDlg::OnDetailFont()
{
    ChooseReportFont(&m_fontDetail);
    ShowFontDescriptions();
}

void CPlayerListItemsDlg::OnNameFont()
{
    ChooseReportFont(&m_fontName);
    ShowFontDescriptions();
}

void CPlayerListItemsDlg::OnTitleFont()
{
    ChooseReportFont(&m_fontTitle);
    ShowFontDescriptions();
}

void CPlayerListItemsDlg::OnOK()
{
    for (int i = 0; i < PLS_COUNT; ++i)
        m_bShow[i] = IsDlgButtonChecked(kShowControls[i]) ? 1 : 0;
    m_bShow[PLS_NAME] = 1;
    // A league without membership types has nothing to show for them.
    if (!m_bHasMembershipTypes)
        m_bShow[PLS_MEMBERSHIP_TYPE] = 0;
    CDialog::OnOK();
}

BOOL RunPlayerListCommand(CBowlingDoc* pDoc)
{
    pDoc->NumberPlayersAlphabetically();
    CPlayerListItemsDlg dlg;
    for (int i = 0; i < PLS_COUNT; ++i)
        dlg.m_bShow[i] = pDoc->m_bPlayerListShow[i];
    dlg.m_fontDetail = pDoc->m_DefaultFonts[FONT_PLAYER_LIST_DETAIL];
    dlg.m_fontName = pDoc->m_DefaultFonts[FONT_PLAYER_LIST_NAME];
    dlg.m_fontTitle = pDoc->m_DefaultFonts[FONT_PLAYER_LIST_TITLE];
    dlg.m_bHasMembershipTypes = pDoc->m_arrMembershipTypes.GetSize() > 0;
    if (dlg.DoModal() != IDOK)
        return FALSE;
    bool bChanged = false;
    for (int i = 0; i < PLS_COUNT; ++i) {
        bChanged = bChanged || pDoc->m_bPlayerListShow[i] != dlg.m_bShow[i];
        pDoc->m_bPlayerListShow[i] = dlg.m_bShow[i];
    }
    const CFontData* fonts[3] = {&dlg.m_fontDetail, &dlg.m_fontName, &dlg.m_fontTitle};
    for (int i = 0; i < 3; ++i) {
        CFontData& stored = pDoc->m_DefaultFonts[FONT_PLAYER_LIST_DETAIL + i];
        bChanged = bChanged || !stored.IsSameAs(*fonts[i]);
        stored = *fonts[i];
    }
    // The choices are kept in the league file.
    if (bChanged)
        pDoc->SetModifiedFlag();
    BuildPlayerList(*pDoc);
    return TRUE;
}

namespace {
[[maybe_unused]] const bool s_bInstalled = (g_pfnRunPlayerList = RunPlayerListCommand, true);
} // namespace
