#include "reports/layout/ResultSummaryDlg.h"

#include "league/BowlingDoc.h"
#include "view/RepItem.h"

BEGIN_MESSAGE_MAP(CResultsSummaryDlg, CDialog)
    ON_BN_CLICKED(IDC_RS_TITLE_FONT, OnTitleFont)
    ON_BN_CLICKED(IDC_RS_DETAIL_FONT, OnDetailFont)
    ON_BN_CLICKED(IDC_RS_WIN_FONT, OnWinFont)
    ON_BN_CLICKED(IDC_RS_LOSE_FONT, OnLoseFont)
END_MESSAGE_MAP()

CResultsSummaryDlg::CResultsSummaryDlg(CBowlingDoc* pDoc, CRepItem_ResultSummary* pItem, CWnd* pParent)
    : CDialog(IDD, pParent), m_pDoc(pDoc), m_pItem(pItem)
{
}

void CResultsSummaryDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Check(pDX, IDC_RS_HCP_POINTS, m_bHcpPoints);
    DDX_Check(pDX, IDC_RS_SCR_POINTS, m_bScrPoints);
    DDX_Check(pDX, IDC_RS_HCP_PYRAMID, m_bHcpPyramid);
    DDX_Check(pDX, IDC_RS_SCR_PYRAMID, m_bScrPyramid);
    DDX_Check(pDX, IDC_RS_HCP_PETERSEN, m_bHcpPetersen);
    DDX_Check(pDX, IDC_RS_SCR_PETERSEN, m_bScrPetersen);
    DDX_Text(pDX, IDC_RS_TITLE_DESC, m_strTitleDesc);
    DDX_Text(pDX, IDC_RS_DETAIL_DESC, m_strDetailDesc);
    DDX_Text(pDX, IDC_RS_WIN_DESC, m_strWinDesc);
    DDX_Text(pDX, IDC_RS_LOSE_DESC, m_strLoseDesc);
}

BOOL CResultsSummaryDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    const bool bHcp = m_pDoc && m_pDoc->m_bHandicapLeague;
    const bool bScr = m_pDoc && m_pDoc->m_bScratchLeague;
    const bool bPyramid = m_pDoc && m_pDoc->m_bPyramidScoring;
    if (!bPyramid)
        m_bHcpPyramid = m_bScrPyramid = 0;
    if (!bScr)
        m_bScrPoints = m_bScrPyramid = 0;
    if (!bHcp)
        m_bHcpPoints = m_bHcpPyramid = 0;
    GetDlgItem(IDC_RS_HCP_POINTS)->EnableWindow(bHcp);
    GetDlgItem(IDC_RS_SCR_POINTS)->EnableWindow(bScr);
    GetDlgItem(IDC_RS_HCP_PYRAMID)->EnableWindow(bPyramid && bHcp);
    GetDlgItem(IDC_RS_SCR_PYRAMID)->EnableWindow(bPyramid && bScr);
    GetDlgItem(IDC_RS_HCP_PETERSEN)->EnableWindow(TRUE);
    GetDlgItem(IDC_RS_SCR_PETERSEN)->EnableWindow(TRUE);
    DescribeFonts();
    auto* pFormat = static_cast<CComboBox*>(GetDlgItem(IDC_RS_FORMAT));
    pFormat->AddString("Original Format");
    pFormat->AddString("Points + High Series");
    pFormat->SetCurSel(m_nFormat ? 1 : 0);
    UpdateData(FALSE);
    return TRUE;
}

void CResultsSummaryDlg::DescribeFonts()
{
    m_fontTitle.GetDescription(m_strTitleDesc);
    m_fontDetail.GetDescription(m_strDetailDesc);
    m_fontWin.GetDescription(m_strWinDesc);
    m_fontLose.GetDescription(m_strLoseDesc);
}

void CResultsSummaryDlg::ChooseFont(CFontData& font)
{
    // The boxes are read first, so that a font choice keeps what was ticked meanwhile.
    UpdateData(TRUE);
    ChooseReportFont(&font);
    DescribeFonts();
    UpdateData(FALSE);
}

void CResultsSummaryDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    int nSel = static_cast<CComboBox*>(GetDlgItem(IDC_RS_FORMAT))->GetCurSel();
    m_nFormat = nSel > 0 ? 1 : 0;
    EndDialog(IDOK);
}
