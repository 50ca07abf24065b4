#include "reports/layout/JuniorReportFontsDlg.h"

#include "league/Juniors.h"
#include "view/RepItem.h"

BEGIN_MESSAGE_MAP(CJuniorReportFontsDlg, CDialog)
    ON_BN_CLICKED(IDC_JRF_TITLE, OnTitle)
    ON_BN_CLICKED(IDC_JRF_ADMIN_HEADING, OnAdminHeading)
    ON_BN_CLICKED(IDC_JRF_ADMIN_DETAIL, OnAdminDetail)
    ON_BN_CLICKED(IDC_JRF_STATS_HEADING, OnStatsHeading)
    ON_BN_CLICKED(IDC_JRF_STATS_DETAIL, OnStatsDetail)
END_MESSAGE_MAP()

BOOL CJuniorReportFontsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    ShowDescriptions();
    return TRUE;
}

CFontData* CJuniorReportFontsDlg::Font(int k)
{
    CFontData* fonts[5] = {&m_pReport->m_fontTitle, &m_pReport->m_fontAdminHeading, &m_pReport->m_fontAdminDetail,
                           &m_pReport->m_fontStatsHeading, &m_pReport->m_fontStatsDetail};
    return fonts[k];
}

void CJuniorReportFontsDlg::Choose(int k)
{
    ChooseReportFont(Font(k));
    ShowDescriptions();
}

void CJuniorReportFontsDlg::ShowDescriptions()
{
    for (int k = 0; k < 5; ++k) {
        CString s;
        Font(k)->GetDescription(s);
        SetDlgItemText(IDC_JRF_DESC + k, s);
    }
}
