#include "admin/RoundsToPrintDlg.h"

#include "admin/LaneScheduleDlg.h"
#include "framework/ui/CommonDialogs.h"
#include "league/BowlingDoc.h"
#include "league/Fixture.h"

#include <cstring>

namespace {

// The font chooser on a report font: screen fonts with effects; Cancel leaves it alone.
BOOL ChooseFontData(CFontData* pFont)
{
    LOGFONT lf;
    std::strncpy(lf.lfFaceName, pFont->m_strFaceName, sizeof lf.lfFaceName - 1);
    lf.lfHeight = pFont->m_nScreenHeight;
    lf.lfWeight = pFont->m_bBold ? 700 : 400;
    lf.lfItalic = pFont->m_bItalic;
    lf.lfUnderline = pFont->m_bUnderline;
    lf.lfStrikeOut = pFont->m_bStrikeOut;
    CFontDialog dlg(&lf);
    dlg.m_cf.rgbColors = pFont->m_crColour;
    dlg.m_cf.iPointSize = pFont->m_nPointSize * 10;
    if (dlg.DoModal() != IDOK)
        return FALSE;
    pFont->m_strFaceName = dlg.GetFaceName();
    pFont->m_crColour = dlg.GetColor();
    pFont->m_nPrinterHeight = static_cast<short>(-2 * dlg.GetSize());
    pFont->m_nPointSize = static_cast<BYTE>(dlg.GetSize() / 10);
    pFont->m_bBold = dlg.GetWeight() == 700;
    pFont->m_bItalic = dlg.IsItalic() ? 1 : 0;
    pFont->m_bUnderline = dlg.IsUnderline() ? 1 : 0;
    pFont->m_bStrikeOut = dlg.IsStrikeOut() ? 1 : 0;
    pFont->m_nLineHeight = 0;
    return TRUE;
}

} // namespace

BOOL (*CRoundsToPrintDlg::s_pfnChooseFont)(CFontData* pFont) = ChooseFontData;

BEGIN_MESSAGE_MAP(CRoundsToPrintDlg, CDialog)
    ON_BN_CLICKED(IDC_RP_CHANGE_HEADER, OnChangeHeader)
    ON_BN_CLICKED(IDC_RP_CHANGE_DETAIL, OnChangeDetail)
    ON_BN_CLICKED(IDC_RP_CHANGE_TITLE, OnChangeTitle)
    ON_BN_CLICKED(IDC_RP_LANE_SCHEDULE, OnLaneSchedule)
END_MESSAGE_MAP()

BOOL CRoundsToPrintDlg::Run(CBowlingDoc* pDoc, int nListKind, CRoundsToPrintDlg& dlg)
{
    if (pDoc->m_nRounds == 0 && !pDoc->m_listFixtures.IsEmpty())
        pDoc->m_nRounds = static_cast<const CFixture*>(pDoc->m_listFixtures.GetTail())->m_nRound;
    dlg.m_pDoc = pDoc;
    dlg.m_nListKind = nListKind;
    // Before the first results the current round is 0, which the box would refuse.
    dlg.m_nFirstRound = pDoc->m_nCurrentRound > 0 ? pDoc->m_nCurrentRound : 1;
    dlg.m_nLastRound = pDoc->m_nRounds;
    return dlg.DoModal() == IDOK;
}

void CRoundsToPrintDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_RP_FIRST, m_nFirstRound);
    DDV_MinMaxInt(pDX, m_nFirstRound, 1, 99);
    DDX_Text(pDX, IDC_RP_LAST, m_nLastRound);
    DDV_MinMaxInt(pDX, m_nLastRound, 1, 99);
    DDX_Text(pDX, IDC_RP_HEADER_FONT, m_strHeaderFont);
    DDX_Text(pDX, IDC_RP_DETAIL_FONT, m_strDetailFont);
    DDX_Text(pDX, IDC_RP_TITLE_FONT, m_strTitleFont);
    DDX_Check(pDX, IDC_RP_OMIT_LANES, m_bOmitLanes);
    DDX_Check(pDX, IDC_RP_OMIT_TIME, m_bOmitTime);
}

BOOL CRoundsToPrintDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    ShowFontNames();
    return TRUE;
}

void CRoundsToPrintDlg::ShowFontNames()
{
    auto describe = [this](const char* pszLabel, int nIndex, UINT nID) {
        CString strDesc;
        if (const CFontData* pFont = m_pDoc->GetDefaultFont(nIndex))
            pFont->GetDescription(strDesc);
        SetDlgItemText(static_cast<int>(nID), CString(pszLabel) + strDesc);
    };
    const bool bByRound = m_nListKind == 0;
    describe("Hddr Font : ", bByRound ? FONT_FIXTURES_BY_ROUND_HEADER : FONT_FIXTURES_BY_TEAM_HEADER, IDC_RP_HEADER_FONT);
    describe("Dets Font : ", bByRound ? FONT_FIXTURES_BY_ROUND_DETAIL : FONT_FIXTURES_BY_TEAM_DETAIL, IDC_RP_DETAIL_FONT);
    describe("Title Font : ", FONT_FIXTURES_TITLE, IDC_RP_TITLE_FONT);
    m_strHeaderFont = GetDlgItemText(IDC_RP_HEADER_FONT);
    m_strDetailFont = GetDlgItemText(IDC_RP_DETAIL_FONT);
    m_strTitleFont = GetDlgItemText(IDC_RP_TITLE_FONT);
}

void CRoundsToPrintDlg::ChangeFont(int nIndex)
{
    CFontData* pFont = m_pDoc->GetDefaultFont(nIndex);
    if (!pFont || !s_pfnChooseFont || !s_pfnChooseFont(pFont))
        return;
    m_bFontsChanged = 1;
    m_pDoc->SetModifiedFlag();
    ShowFontNames();
}

void CRoundsToPrintDlg::OnChangeHeader()
{
    ChangeFont(m_nListKind == 0 ? FONT_FIXTURES_BY_ROUND_HEADER : FONT_FIXTURES_BY_TEAM_HEADER);
}

void CRoundsToPrintDlg::OnChangeDetail()
{
    ChangeFont(m_nListKind == 0 ? FONT_FIXTURES_BY_ROUND_DETAIL : FONT_FIXTURES_BY_TEAM_DETAIL);
}

void CRoundsToPrintDlg::OnChangeTitle()
{
    ChangeFont(FONT_FIXTURES_TITLE);
}

void CRoundsToPrintDlg::OnLaneSchedule()
{
    CLaneScheduleDlg::Run(m_pDoc, this);
}
