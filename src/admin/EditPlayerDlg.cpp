#include "admin/EditPlayerDlg.h"

#include "league/BowlingDoc.h"
#include "league/Player.h"

BEGIN_MESSAGE_MAP(CEditPlayerDlg, CPlayerDetailsDlg)
    ON_EN_KILLFOCUS(IDC_PD_MOST_IMPROVED, OnKillfocusMostImproved)
    ON_EN_KILLFOCUS(IDC_PD_EXPIRY_YEAR, OnKillfocusExpiryYear)
END_MESSAGE_MAP()

CEditPlayerDlg::CEditPlayerDlg(CWnd* pParent)
    : CPlayerDetailsDlg(IDD, IDC_PD_FORENAME_EDIT, IDC_PD_ENTERING_EDIT, pParent)
{
}

BOOL CEditPlayerDlg::OnInitDialog()
{
    // A name he came without (a vacancy's forename, from another program's league) may stay
    // blank; only emptying one is refused.
    CString surname = m_strSurname, forename = m_strForename;
    m_bBlankSurnameKept = surname.Trim().IsEmpty();
    m_bBlankForenameKept = forename.Trim().IsEmpty();
    return CPlayerDetailsDlg::OnInitDialog();
}

void CEditPlayerDlg::DoDataExchange(CDataExchange* pDX)
{
    CPlayerDetailsDlg::DoDataExchange(pDX);
    if (pDX->m_bSaveAndValidate)
        m_nMostImprovedBase = ParseAverageTenths(GetDlgItemText(IDC_PD_MOST_IMPROVED));
    else
        SetDlgItemText(IDC_PD_MOST_IMPROVED, FormatAverageTenths(m_nMostImprovedBase));
}

void CEditPlayerDlg::OnKillfocusMostImproved()
{
    m_nMostImprovedBase = TidyAverage(IDC_PD_MOST_IMPROVED);
}

void CEditPlayerDlg::OnKillfocusExpiryYear()
{
    const int nMonth = static_cast<CComboBox*>(GetDlgItem(IDC_PD_EXPIRY_MONTH))->GetCurSel();
    BOOL bDay = FALSE, bYear = FALSE;
    const UINT nDay = GetDlgItemInt(IDC_PD_EXPIRY_DAY, &bDay, FALSE);
    const UINT nYear = GetDlgItemInt(IDC_PD_EXPIRY_YEAR, &bYear, FALSE);
    // Only a whole date the dialog would accept is offered to the whole league.
    if (nMonth < 0 || !bDay || !bYear || nDay == 0 || nYear == 0 ||
        !IsSoundDate(static_cast<int>(nDay), nMonth + 1, static_cast<int>(nYear), DateKind::Expiry))
        return;
    if (AfxMessageBox("Set ALL player's membership expiry date to this?", MB_YESNO) != IDYES)
        return;
    bool bFailed = false, bAllWait = true;
    for (POSITION pos = m_pDoc->m_listPlayers.GetHeadPosition(); pos;) {
        auto* p = static_cast<CPlayer*>(m_pDoc->m_listPlayers.GetNext(pos));
        // The date is given against the record, which another league may have dated since;
        // only the date goes to it.
        m_pDoc->SyncDbasePlayer(p);
        CPlayer before;
        before.CopyFrom(*p);
        p->m_nExpiryDay = static_cast<BYTE>(nDay);
        p->m_nExpiryMonth = static_cast<BYTE>(nMonth + 1);
        p->m_nExpiryYear = static_cast<WORD>(nYear);
        if (m_pDoc->PutDbaseChanges(before, p) != 0) {
            bFailed = true;
            bAllWait = bAllWait && p->m_dwDbKey != 0;
        }
    }
    if (bFailed)
        m_pDoc->SayDbaseNotWritten(bAllWait);
    m_pDoc->SetModifiedFlag();
}

void CEditPlayerDlg::OnOK()
{
    // A bowler's name may be changed but not emptied: he would be lost from every list.
    if (ValidateDetails(TRUE))
        EndDialog(IDOK);
}
