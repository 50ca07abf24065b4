#include "view/ReportDialogs.h"

#include "framework/ui/CommonDialogs.h"
#include "league/FontData.h"
#include "view/RepForm.h"
#include "view/RepItem.h"

#include <cstdio>

// --- the font chooser ---------------------------------------------------------------------

BOOL ChooseReportFont(CFontData* pFont)
{
    LOGFONT lf;
    lf.lfHeight = pFont->m_nPrinterHeight;
    lf.lfWeight = pFont->m_bBold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = pFont->m_bItalic;
    lf.lfUnderline = pFont->m_bUnderline;
    lf.lfStrikeOut = pFont->m_bStrikeOut;
    std::snprintf(lf.lfFaceName, LF_FACESIZE, "%s", pFont->m_strFaceName.GetString());
    CFontDialog dlg(&lf, CF_EFFECTS | CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT);
    dlg.m_cf.iPointSize = pFont->m_nPointSize * 10;
    dlg.m_cf.rgbColors = pFont->m_crColour;
    if (dlg.DoModal() != IDOK)
        return FALSE;
    int nTenths = dlg.GetSize();
    pFont->m_strFaceName = dlg.GetFaceName();
    // On a screen of 96 pixels to the inch.
    pFont->m_nScreenHeight = static_cast<short>(-((nTenths * 96 + 360) / 720));
    pFont->m_nPrinterHeight = static_cast<short>(-2 * nTenths);
    pFont->m_nPointSize = static_cast<BYTE>(nTenths / 10);
    pFont->m_bBold = dlg.GetWeight() == FW_BOLD ? 1 : 0;
    pFont->m_bItalic = dlg.IsItalic() ? 1 : 0;
    pFont->m_bUnderline = dlg.IsUnderline() ? 1 : 0;
    pFont->m_bStrikeOut = dlg.IsStrikeOut() ? 1 : 0;
    pFont->m_crColour = dlg.GetColor();
    pFont->m_nLineHeight = 0;
    return TRUE;
}

// --- Select Colour --------------------------------------------------------------------------

CSelectColourDlg::CSelectColourDlg(COLORREF crInitial, CWnd* pParent) : CDialog(IDD, pParent), m_crColour(crInitial)
{
}

BOOL CSelectColourDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    auto* pList = static_cast<CComboBox*>(GetDlgItem(IDC_COLOUR_LIST));
    int nSelect = 0;
    for (int i = 0; i < 16; ++i) {
        pList->AddString(g_szSelectColourNames[i]);
        if (g_crSelectColours[i] == m_crColour)
            nSelect = i;
    }
    pList->SetCurSel(nSelect);
    return TRUE;
}

void CSelectColourDlg::OnOK()
{
    int n = static_cast<CComboBox*>(GetDlgItem(IDC_COLOUR_LIST))->GetCurSel();
    if (n >= 0 && n < 16)
        m_crColour = g_crSelectColours[n];
    CDialog::OnOK();
}

COLORREF SelectColour(COLORREF crInitial)
{
    CSelectColourDlg dlg(crInitial);
    if (dlg.DoModal() == IDOK)
        return dlg.m_crColour;
    return crInitial;
}

// --- Select Standing Report -----------------------------------------------------------------

CSelectStandingReportDlg::CSelectStandingReportDlg(CBowlingDoc* pDoc, CWnd* pParent)
    : CDialog(IDD, pParent), m_pDoc(pDoc)
{
}

BOOL CSelectStandingReportDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    auto* pStyle = static_cast<CComboBox*>(GetDlgItem(IDC_STANDING_STYLE));
    for (const char* s : {"Regular", "Pyramid", "Hcp + Scr"})
        pStyle->AddString(s);
    pStyle->SetCurSel(m_nStyle >= 0 && m_nStyle < 3 ? m_nStyle : 0);
    auto* pHcp = static_cast<CComboBox*>(GetDlgItem(IDC_STANDING_HANDICAP));
    pHcp->AddString("Scratch");
    pHcp->AddString("Handicap");
    pHcp->SetCurSel(m_nHandicap ? 1 : 0);
    if (m_pDoc && !m_pDoc->HasBothScoringSystems()) {
        pHcp->SetCurSel(m_pDoc->m_bHandicapLeague ? 1 : 0);
        pHcp->EnableWindow(FALSE);
    }
    return TRUE;
}

void CSelectStandingReportDlg::OnOK()
{
    m_nStyle = static_cast<CComboBox*>(GetDlgItem(IDC_STANDING_STYLE))->GetCurSel();
    m_nHandicap = static_cast<CComboBox*>(GetDlgItem(IDC_STANDING_HANDICAP))->GetCurSel();
    CDialog::OnOK();
}

// --- Select Report Layout -------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CSelectReportLayoutDlg, CDialog)
    ON_LBN_DBLCLK(IDC_REPORT_LAYOUTS, OnDblclkLayouts)
END_MESSAGE_MAP()

CSelectReportLayoutDlg::CSelectReportLayoutDlg(CBowlingDoc* pDoc, const char* pszCaption, CWnd* pParent)
    : CDialog(IDD, pParent), m_pDoc(pDoc), m_strCaption(pszCaption)
{
}

BOOL CSelectReportLayoutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (!m_strCaption.IsEmpty())
        SetWindowText(m_strCaption);
    auto* pList = static_cast<CListBox*>(GetDlgItem(IDC_REPORT_LAYOUTS));
    for (POSITION pos = m_pDoc->m_listRepForms.GetHeadPosition(); pos;)
        pList->AddString(static_cast<CRepForm*>(m_pDoc->m_listRepForms.GetNext(pos))->m_strTitle);
    if (pList->GetCount() > 0)
        pList->SetCurSel(m_nSelected >= 0 && m_nSelected < pList->GetCount() ? m_nSelected : 0);
    return TRUE;
}

void CSelectReportLayoutDlg::OnOK()
{
    m_nSelected = static_cast<CListBox*>(GetDlgItem(IDC_REPORT_LAYOUTS))->GetCurSel();
    if (m_nSelected < 0) {
        AfxMessageBox("Please choose a report layout.");
        return;
    }
    CDialog::OnOK();
}

void CSelectReportLayoutDlg::OnDblclkLayouts()
{
    OnOK();
}

// --- Setup Report Fonts ---------------------------------------------------------------------

const char* GetDefaultFontRole(int nIndex)
{
    static const char* const roles[] = {
        "Standings HTML rows", "Standings HTML headings", "Custom Standings heading", "Custom Standings detail",
        "Custom Player Stats heading (1 column)", "Custom Player Stats detail (1 column)",
        "Custom Player Stats heading (2 columns)", "Custom Player Stats detail (2 columns)",
        "Custom Player Stats heading (3 columns)", "Custom Player Stats detail (3 columns)", "Awards heading",
        "Awards detail", "Date", "SubHeading", "Fixtures by Round Header", "Fixtures by Round Detail",
        "Fixtures by Team Header", "Fixtures by Team Detail", "Team Hi Stats heading", "Team Hi Stats detail",
        "Prev Round Hi Stats heading", "Prev Round Hi Stats detail", "Individual Hi Stats heading",
        "Individual Hi Stats detail", "Outstanding Fixtures heading", "Outstanding Fixtures detail",
        "Secretary's Note Header", "Secretary's Note Detail", "Result Summary title", "Result Summary detail",
        "Result Summary Winners", "Result Summary Losers", "Player List detail", "Player List name",
        "Player List title", "Result card Header", "Result card Team Names", "Result card Hi Scores",
        "Result card Detail", "Result card Totals", "Best Games/Series Header", "Best Games/Series Detail",
        "Round Analysis Header", "Round Analysis Detail",
    };
    constexpr int nNamed = static_cast<int>(sizeof(roles) / sizeof(roles[0]));
    if (nIndex >= 0 && nIndex < nNamed)
        return roles[nIndex];
    if (nIndex == 47)
        return "Fixture lists Title";
    if (nIndex == 50)
        return "Page 1 Title";
    return "";
}

BEGIN_MESSAGE_MAP(CReportFontsDlg, CDialog)
    ON_BN_CLICKED(IDC_REPORT_FONT_CHANGE, OnChange)
    ON_LBN_DBLCLK(IDC_REPORT_FONT_LIST, OnChange)
END_MESSAGE_MAP()

CReportFontsDlg::CReportFontsDlg(CBowlingDoc* pDoc, CWnd* pParent) : CDialog(IDD, pParent), m_pDoc(pDoc)
{
    for (int i = 0; i < DEFAULT_FONT_COUNT; ++i)
        m_fonts.push_back(pDoc->m_DefaultFonts[i]);
}

void CReportFontsDlg::FillList(int nSelect)
{
    auto* pList = static_cast<CListBox*>(GetDlgItem(IDC_REPORT_FONT_LIST));
    pList->ResetContent();
    for (int i = 0; i < DEFAULT_FONT_COUNT; ++i) {
        CString desc;
        m_fonts[static_cast<size_t>(i)].GetDescription(desc);
        const char* pszRole = GetDefaultFontRole(i);
        CString line;
        line.Format("%2d  %s: %s", i, *pszRole ? pszRole : "(not used)", desc.GetString());
        pList->AddString(line);
    }
    pList->SetCurSel(nSelect);
}

BOOL CReportFontsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    FillList(0);
    return TRUE;
}

void CReportFontsDlg::OnChange()
{
    int n = static_cast<CListBox*>(GetDlgItem(IDC_REPORT_FONT_LIST))->GetCurSel();
    if (n < 0 || n >= DEFAULT_FONT_COUNT)
        return;
    if (ChooseReportFont(&m_fonts[static_cast<size_t>(n)]))
        FillList(n);
}

void CReportFontsDlg::OnOK()
{
    bool bChanged = false;
    for (int i = 0; i < DEFAULT_FONT_COUNT; ++i) {
        if (!m_pDoc->m_DefaultFonts[i].IsSameAs(m_fonts[static_cast<size_t>(i)])) {
            m_pDoc->m_DefaultFonts[i].CopyFrom(m_fonts[static_cast<size_t>(i)]);
            bChanged = true;
        }
    }
    if (bChanged)
        m_pDoc->SetModifiedFlag();
    CDialog::OnOK();
}
