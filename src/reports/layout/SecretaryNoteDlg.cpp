#include "reports/layout/SecretaryNoteDlg.h"

#include "reports/layout/NotesItem.h"

BEGIN_MESSAGE_MAP(CSecretaryNoteDlg, CDialog)
    ON_BN_CLICKED(IDC_NOTE_HEADING_FONT, OnHeadingFont)
    ON_BN_CLICKED(IDC_NOTE_BODY_FONT, OnBodyFont)
    ON_CBN_SELCHANGE(IDC_NOTE_TITLE_ALIGN, OnSelchangeTitleAlign)
END_MESSAGE_MAP()

CSecretaryNoteDlg::CSecretaryNoteDlg(CRepItem_Notes* pItem, CWnd* pParent)
    : CDialog(IDD, pParent), m_strTitle(pItem->m_strTitle), m_strBody(pItem->m_strBody),
      m_bCentreBody(pItem->m_bBodyCentred ? 1 : 0), m_pItem(pItem)
{
}

void CSecretaryNoteDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_NOTE_TITLE, m_strTitle);
    DDV_MaxChars(pDX, m_strTitle, 100);
    DDX_Text(pDX, IDC_NOTE_BODY, m_strBody);
    DDV_MaxChars(pDX, m_strBody, 2048);
    DDX_Check(pDX, IDC_NOTE_CENTRE_BODY, m_bCentreBody);
}

BOOL CSecretaryNoteDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    auto* pAlign = static_cast<CComboBox*>(GetDlgItem(IDC_NOTE_TITLE_ALIGN));
    for (const char* psz : {"Left", "Centre", "Right"})
        pAlign->AddString(psz);
    pAlign->SetCurSel(m_pItem->m_nTitleAlign <= 2 ? m_pItem->m_nTitleAlign : 0);
    ShowFontDescriptions();
    return TRUE;
}

void CSecretaryNoteDlg::ShowFontDescriptions()
{
    CString s;
    m_pItem->m_fontHeading.GetDescription(s);
    SetDlgItemText(IDC_NOTE_HEADING_FONT_DESC, s);
    m_pItem->m_fontBody.GetDescription(s);
    SetDlgItemText(IDC_NOTE_BODY_FONT_DESC, s);
}

void CSecretaryNoteDlg::OnHeadingFont()
{
    ChooseReportFont(&m_pItem->m_fontHeading);
    ShowFontDescriptions();
}

void CSecretaryNoteDlg::OnBodyFont()
{
    ChooseReportFont(&m_pItem->m_fontBody);
    ShowFontDescriptions();
}

void CSecretaryNoteDlg::OnSelchangeTitleAlign()
{
    int n = static_cast<CComboBox*>(GetDlgItem(IDC_NOTE_TITLE_ALIGN))->GetCurSel();
    if (n >= 0)
        m_pItem->m_nTitleAlign = static_cast<BYTE>(n);
}

void CSecretaryNoteDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    m_pItem->m_bBodyCentred = m_bCentreBody ? 1 : 0;
    m_pItem->m_strTitle = m_strTitle;
    m_pItem->m_strBody = m_strBody;
    EndDialog(IDOK);
}
