#include "admin/EditTeamDlg.h"

#include "league/BowlingDoc.h"
#include "league/Player.h"
#include "league/PointsText.h"
#include "league/Team.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

BEGIN_MESSAGE_MAP(CEditTeamDlg, CDialog)
    ON_EN_KILLFOCUS(IDC_ET_NAME, OnKillFocusName)
    ON_CBN_SELCHANGE(IDC_ET_CAPTAIN, OnSelChangeCaptain)
    ON_CBN_SELCHANGE(IDC_ET_DIVISION, OnSelChangeDivision)
    ON_BN_CLICKED(IDC_ET_FOLDED, OnFolded)
    ON_BN_CLICKED(IDC_ET_VACANCY_FILLED, OnVacancyFilled)
    ON_EN_KILLFOCUS(IDC_ET_WON, OnKillFocusWon)
    ON_EN_KILLFOCUS(IDC_ET_LOST, OnKillFocusLost)
END_MESSAGE_MAP()

namespace {

bool UsesPinfall(const CBowlingDoc* pDoc)
{
    return pDoc && (pDoc->UsesPinfallPoints(PASS_SCRATCH) || pDoc->UsesPinfallPoints(PASS_HANDICAP));
}

} // namespace

WORD CEditTeamDlg::ParsePoints(const CBowlingDoc* pDoc, const CString& strText)
{
    CString strNumber = strText;
    strNumber.TrimLeft();
    strNumber.TrimRight();
    // The points text shows half a point as a trailing half sign ("12½", " ½").
    double dHalf = 0.0;
    if (!strNumber.IsEmpty() && strNumber[strNumber.GetLength() - 1] == HALF_SIGN) {
        dHalf = 0.5;
        strNumber = strNumber.Left(strNumber.GetLength() - 1);
        strNumber.TrimRight();
    }
    char* pEnd = nullptr;
    double dValue = std::strtod(strNumber.GetString(), &pEnd);
    if (pEnd == strNumber.GetString() || !std::isfinite(dValue))
        dValue = 0.0;
    dValue += dValue < 0 ? -dHalf : dHalf;
    const double dUnits = UsesPinfall(pDoc) ? (dValue + 0.005) * 100.0 : dValue * 2.0;
    // The stored field is 16 bits without sign.
    if (!(dUnits > 0.0))
        return 0;
    if (dUnits >= 65535.0)
        return 65535;
    return static_cast<WORD>(dUnits);
}

CString CEditTeamDlg::FormatName(const CString& strName)
{
    CString strResult = strName;
    strResult.MakeLower();
    for (int i = 0; i < strResult.GetLength(); ++i) {
        if (i == 0 || strResult[i - 1] == ' ') {
            const auto ch = static_cast<unsigned char>(strResult[i]);
            if (ch < 0x80)
                strResult.SetAt(i, static_cast<char>(std::toupper(ch)));
        }
    }
    return strResult;
}

void CEditTeamDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_ET_NAME, m_strName);
    DDX_Check(pDX, IDC_ET_FOLDED, m_bFolded);
    DDX_Check(pDX, IDC_ET_FORMAT_TEXT, m_bFormatText);
    DDX_Check(pDX, IDC_ET_DEDUCT, m_bDeductPoints);
    DDX_Check(pDX, IDC_ET_VACANCY_FILLED, m_bVacancyFilled);
    DDX_Check(pDX, IDC_ET_OMIT_STANDINGS, m_bOmitStandings);
    DDX_Check(pDX, IDC_ET_OMIT_HI_TEAM, m_bOmitHiTeamStats);
    DDX_Check(pDX, IDC_ET_BYE, m_bBye);
    DDX_Text(pDX, IDC_ET_SCORE_TO_WEEK, m_nScoreToWeek);
    DDV_MinMaxInt(pDX, m_nScoreToWeek, 0, 99);
    DDX_Text(pDX, IDC_ET_START_ROUND, m_nStartRound);
    DDV_MinMaxInt(pDX, m_nStartRound, 0, 255);
    DDX_Text(pDX, IDC_ET_WON, m_strWon);
    DDX_Text(pDX, IDC_ET_LOST, m_strLost);
}

void CEditTeamDlg::ShowPoints(UINT nID, WORD nValue)
{
    char szText[POINTS_TEXT_SIZE];
    FormatPoints(m_pDoc, nValue, szText);
    SetDlgItemText(static_cast<int>(nID), szText);
}

BOOL CEditTeamDlg::OnInitDialog()
{
    char szText[POINTS_TEXT_SIZE];
    FormatPoints(m_pDoc, m_nWon, szText);
    m_strWon = szText;
    FormatPoints(m_pDoc, m_nLost, szText);
    m_strLost = szText;
    CDialog::OnInitDialog();

    auto* pDivision = static_cast<CComboBox*>(GetDlgItem(IDC_ET_DIVISION));
    if (!m_pDoc || (!m_pDoc->m_bDivisions && m_pDoc->m_nDivisions < 2)) {
        pDivision->ShowWindow(SW_HIDE);
        pDivision->EnableWindow(FALSE);
        GetDlgItem(IDC_ET_DIVISION_LABEL)->ShowWindow(SW_HIDE);
    } else {
        pDivision->AddString("No Division");
        for (int d = 1; d <= m_pDoc->m_nDivisions; ++d) {
            CString strDivision;
            strDivision.Format("Division %d", d);
            pDivision->AddString(strDivision);
        }
        // A division beyond the league's count shows nothing and stays as it is.
        pDivision->SetCurSel(m_nDivision < pDivision->GetCount() ? m_nDivision : -1);
    }

    auto* pCaptain = static_cast<CComboBox*>(GetDlgItem(IDC_ET_CAPTAIN));
    if (!m_pTeam || m_pTeam->GetOrderCount() == 0) {
        pCaptain->EnableWindow(FALSE);
    } else {
        if (m_nCaptain == 0)
            pCaptain->SetCurSel(pCaptain->AddString("Nobody"));
        for (int i = 0; i < m_pTeam->GetOrderCount(); ++i) {
            const CPlayer* pPlayer = m_pDoc ? m_pDoc->FindPlayer(m_pTeam->GetOrderAt(i)) : nullptr;
            if (!pPlayer)
                continue; // a number that names nobody has no name to offer
            const int nItem = pCaptain->AddString(pPlayer->m_strName);
            pCaptain->SetItemData(nItem, pPlayer->m_nPlayerNo);
            if (m_nCaptain != 0 && pPlayer->m_nPlayerNo == m_nCaptain)
                pCaptain->SetCurSel(nItem);
        }
    }
    m_strCaptain = pCaptain->GetCurSel() >= 0 ? pCaptain->GetWindowText() : CString();

    EnableDependents();
    GotoDlgCtrl(GetDlgItem(IDC_ET_NAME));
    return FALSE;
}

void CEditTeamDlg::EnableDependents()
{
    const BOOL bFolded = IsDlgButtonChecked(IDC_ET_FOLDED) != 0;
    const BOOL bVacancy = IsDlgButtonChecked(IDC_ET_VACANCY_FILLED) != 0;
    GetDlgItem(IDC_ET_DEDUCT)->EnableWindow(bFolded);
    GetDlgItem(IDC_ET_SCORE_TO_WEEK)->EnableWindow(bFolded);
    GetDlgItem(IDC_ET_START_ROUND)->EnableWindow(bVacancy);
    GetDlgItem(IDC_ET_WON)->EnableWindow(bVacancy);
    // Lost goes with Won: a figure typed into a disabled pair would be thrown away on OK.
    GetDlgItem(IDC_ET_LOST)->EnableWindow(bVacancy);
}

void CEditTeamDlg::OnKillFocusName()
{
    if (!IsDlgButtonChecked(IDC_ET_FORMAT_TEXT))
        return;
    const CString strName = GetDlgItemText(IDC_ET_NAME);
    const CString strFormatted = FormatName(strName);
    if (strFormatted != strName)
        SetDlgItemText(IDC_ET_NAME, strFormatted);
}

void CEditTeamDlg::OnSelChangeCaptain()
{
    auto* pCaptain = static_cast<CComboBox*>(GetDlgItem(IDC_ET_CAPTAIN));
    const int nSel = pCaptain->GetCurSel();
    if (nSel < 0)
        return;
    m_nCaptain = static_cast<WORD>(pCaptain->GetItemData(nSel));
    m_strCaptain = pCaptain->GetWindowText();
    if (m_nCaptain == 0 || !m_pDoc || m_pDoc->m_nPlayersPerTeam != 1)
        return;
    const CPlayer* pPlayer = m_pDoc->FindPlayer(m_nCaptain);
    if (pPlayer && AfxMessageBox("Change team name to captain?", MB_YESNO) == IDYES)
        SetDlgItemText(IDC_ET_NAME, pPlayer->m_strFirstName + " " + pPlayer->m_strSurname);
}

void CEditTeamDlg::OnSelChangeDivision()
{
    const int nSel = static_cast<CComboBox*>(GetDlgItem(IDC_ET_DIVISION))->GetCurSel();
    if (nSel >= 0)
        m_nDivision = nSel;
}

void CEditTeamDlg::OnFolded()
{
    if (IsDlgButtonChecked(IDC_ET_FOLDED)) {
        if (IsDlgButtonChecked(IDC_ET_VACANCY_FILLED)) {
            CheckDlgButton(IDC_ET_VACANCY_FILLED, 0);
            m_nWon = 0;
            m_nLost = 0;
            ShowPoints(IDC_ET_WON, 0);
            ShowPoints(IDC_ET_LOST, 0);
            SetDlgItemText(IDC_ET_START_ROUND, "0");
        }
    } else {
        SetDlgItemText(IDC_ET_SCORE_TO_WEEK, "0");
    }
    EnableDependents();
}

void CEditTeamDlg::OnVacancyFilled()
{
    if (IsDlgButtonChecked(IDC_ET_VACANCY_FILLED) && IsDlgButtonChecked(IDC_ET_FOLDED)) {
        CheckDlgButton(IDC_ET_FOLDED, 0);
        SetDlgItemText(IDC_ET_SCORE_TO_WEEK, "0");
    }
    EnableDependents();
}

void CEditTeamDlg::OnKillFocusWon()
{
    m_nWon = ParsePoints(m_pDoc, GetDlgItemText(IDC_ET_WON));
    ShowPoints(IDC_ET_WON, m_nWon);
}

void CEditTeamDlg::OnKillFocusLost()
{
    m_nLost = ParsePoints(m_pDoc, GetDlgItemText(IDC_ET_LOST));
    ShowPoints(IDC_ET_LOST, m_nLost);
}

void CEditTeamDlg::OnOK()
{
    if (IsDlgButtonChecked(IDC_ET_FORMAT_TEXT))
        OnKillFocusName();
    if (!UpdateData(TRUE))
        return;
    // Round 0 means "not filled": the tick and the starting points would be dropped without a word.
    if (m_bVacancyFilled && m_nStartRound < 1) {
        AfxMessageBox("Enter the round from which the team filled the vacancy.");
        GotoDlgCtrl(GetDlgItem(IDC_ET_START_ROUND));
        return;
    }
    // The texts read back through the same rule, so an edit left by Enter counts too.
    m_nWon = ParsePoints(m_pDoc, m_strWon);
    m_nLost = ParsePoints(m_pDoc, m_strLost);
    EndDialog(IDOK);
}
