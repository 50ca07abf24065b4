#include "admin/StandingsSeqDlg.h"

namespace {
const char* const kKeyTexts[6] = {"Points scored",  "Percentage Won", "Scratch Pinfall",
                                  "Team Average",   "Games Played",   "Handicap Pinfall"};
}

CStandingsSeqDlg::CStandingsSeqDlg(UINT nIDD, BOOL bHandicap, CWnd* pParent)
    : CDialog(nIDD, pParent), m_bHandicap(bHandicap)
{
}

const char* CStandingsSeqDlg::GetKeyText(int nKey)
{
    return nKey >= 1 && nKey <= 6 ? kKeyTexts[nKey - 1] : "";
}

BOOL CStandingsSeqDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    const int nChoices = m_bHandicap ? 6 : 5;
    for (int k = 0; k < 3; ++k) {
        auto* pCombo = static_cast<CComboBox*>(GetDlgItem(static_cast<int>(IDC_SEQ_KEY[k])));
        pCombo->ResetContent();
        for (int i = 0; i < nChoices; ++i)
            pCombo->AddString(kKeyTexts[i]);
        // A key the list does not offer (a scratch key of 6 from a file) shows no selection.
        pCombo->SetCurSel(m_nKey[k] >= 1 && m_nKey[k] <= nChoices ? m_nKey[k] - 1 : -1);
    }
    return TRUE;
}

void CStandingsSeqDlg::OnOK()
{
    for (int k = 0; k < 3; ++k) {
        const int nSel = static_cast<CComboBox*>(GetDlgItem(static_cast<int>(IDC_SEQ_KEY[k])))->GetCurSel();
        // No selection keeps the key it came with.
        if (nSel >= 0)
            m_nKey[k] = nSel + 1;
    }
    EndDialog(IDOK);
}
