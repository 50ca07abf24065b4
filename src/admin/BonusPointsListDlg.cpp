#include "admin/BonusPointsListDlg.h"

#include "league/BowlingDoc.h"
#include "league/Player.h"
#include "league/Rules.h"

#include <cstdlib>

namespace {

constexpr int MAX_POINTS = 127;  // whole points; half points are kept in a byte

// A whole number from box nID within nMin..nMax, else the range message.
BOOL ReadNumber(CDialog* pDlg, UINT nID, int nMin, int nMax, int& nValue)
{
    const CString text = pDlg->GetDlgItemText(nID);
    char* pEnd = nullptr;
    const long n = std::strtol(text.GetString(), &pEnd, 10);
    const bool bNumber = pEnd && pEnd != text.GetString() && *pEnd == '\0';
    if (!bNumber || n < nMin || n > nMax) {
        CString message;
        message.Format("Please enter an integer between %d and %d.", nMin, nMax);
        AfxMessageBox(message);
        pDlg->GotoDlgCtrl(pDlg->GetDlgItem(nID));
        return FALSE;
    }
    nValue = static_cast<int>(n);
    return TRUE;
}

} // namespace

BEGIN_MESSAGE_MAP(CBonusPointsListDlg, CDialog)
    ON_LBN_SELCHANGE(IDC_BP_LIST, OnSelchangeList)
    ON_CBN_SELCHANGE(IDC_BP_KIND, OnSelchangeKind)
    ON_BN_CLICKED(IDC_BP_ADD, OnAdd)
    ON_BN_CLICKED(IDC_BP_CHANGE, OnChange)
    ON_BN_CLICKED(IDC_BP_DELETE, OnDelete)
END_MESSAGE_MAP()

CString CBonusPointsListDlg::RuleText(const CBonusPts& rule)
{
    CString text;
    if (rule.m_nKind == CBonusPts::kindEqualsAverage)
        text = "Equals Average";
    else
        text.Format("Over Average by %u", static_cast<unsigned>(rule.m_nPins));
    CString points;
    points.Format(": %u%s point%s %s", rule.m_nPoints / 2u, rule.m_nPoints % 2 ? ".5" : "",
                  rule.m_nPoints == 2 ? "" : "s", rule.m_bSeries ? "for the series" : "each game");
    text += points;
    if (rule.m_bHandicap)
        text += " (Hcp)";
    if ((rule.m_wCategoryMask & PF_CATEGORY_MASK) == PF_CATEGORY_MASK) {
        text += "  All";
    } else {
        text += " ";
        if (rule.m_wCategoryMask & PF_MALE)
            text += " Men";
        if (rule.m_wCategoryMask & PF_FEMALE)
            text += " Women";
        if (rule.m_wCategoryMask & PF_JUNIOR)
            text += " Juniors";
    }
    return text;
}

void CBonusPointsListDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Check(pDX, IDC_BP_ACCEPT_EQUAL, m_bAcceptEqual);
    DDX_Check(pDX, IDC_BP_HI_HCP, m_bHiTeamGameHcp);
    DDX_Text(pDX, IDC_BP_HI_HCP_POINTS, m_nHiTeamGameHcpPts);
    DDV_MinMaxInt(pDX, m_nHiTeamGameHcpPts, 0, MAX_POINTS);
    DDX_Check(pDX, IDC_BP_HI_SCR, m_bHiTeamGameScr);
    DDX_Text(pDX, IDC_BP_HI_SCR_POINTS, m_nHiTeamGameScrPts);
    DDV_MinMaxInt(pDX, m_nHiTeamGameScrPts, 0, MAX_POINTS);
}

BOOL CBonusPointsListDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    auto* pKind = static_cast<CComboBox*>(GetDlgItem(IDC_BP_KIND));
    pKind->AddString("Over Average");
    pKind->AddString("Equals Average");
    pKind->SetCurSel(0);
    SetDlgItemText(IDC_BP_PINS, "0");
    SetDlgItemText(IDC_BP_POINTS, "1");
    for (UINT nID : {IDC_BP_MEN, IDC_BP_WOMEN, IDC_BP_JUNIORS})
        CheckDlgButton(nID, 1);
    FillList(0);
    return TRUE;
}

void CBonusPointsListDlg::FillList(int nSelect)
{
    auto* pList = static_cast<CListBox*>(GetDlgItem(IDC_BP_LIST));
    pList->ResetContent();
    for (POSITION pos = m_pDoc->m_listBonusPts.GetHeadPosition(); pos;) {
        auto* pRule = static_cast<CBonusPts*>(m_pDoc->m_listBonusPts.GetNext(pos));
        pList->SetItemDataPtr(pList->AddString(RuleText(*pRule)), pRule);
    }
    if (pList->GetCount() > 0) {
        pList->SetCurSel(nSelect < pList->GetCount() ? nSelect : pList->GetCount() - 1);
        OnSelchangeList();
    }
    GetDlgItem(IDC_BP_CHANGE)->EnableWindow(pList->GetCount() > 0);
    GetDlgItem(IDC_BP_DELETE)->EnableWindow(pList->GetCount() > 0);
}

CBonusPts* CBonusPointsListDlg::SelectedRule() const
{
    auto* pList = static_cast<CListBox*>(GetDlgItem(IDC_BP_LIST));
    const int n = pList->GetCurSel();
    return n >= 0 ? static_cast<CBonusPts*>(pList->GetItemDataPtr(n)) : nullptr;
}

void CBonusPointsListDlg::OnSelchangeList()
{
    const CBonusPts* pRule = SelectedRule();
    if (!pRule)
        return;
    static_cast<CComboBox*>(GetDlgItem(IDC_BP_KIND))->SetCurSel(pRule->m_nKind == CBonusPts::kindEqualsAverage ? 1 : 0);
    CString text;
    text.Format("%u", static_cast<unsigned>(pRule->m_nPins));
    SetDlgItemText(IDC_BP_PINS, text);
    text.Format("%u", pRule->m_nPoints / 2u);
    SetDlgItemText(IDC_BP_POINTS, text);
    CheckDlgButton(IDC_BP_SERIES, pRule->m_bSeries ? 1 : 0);
    CheckDlgButton(IDC_BP_HANDICAP, pRule->m_bHandicap ? 1 : 0);
    CheckDlgButton(IDC_BP_MEN, (pRule->m_wCategoryMask & PF_MALE) ? 1 : 0);
    CheckDlgButton(IDC_BP_WOMEN, (pRule->m_wCategoryMask & PF_FEMALE) ? 1 : 0);
    CheckDlgButton(IDC_BP_JUNIORS, (pRule->m_wCategoryMask & PF_JUNIOR) ? 1 : 0);
    OnSelchangeKind();
}

void CBonusPointsListDlg::OnSelchangeKind()
{
    // An equals-average rule has no margin.
    const bool bOver = static_cast<CComboBox*>(GetDlgItem(IDC_BP_KIND))->GetCurSel() != 1;
    GetDlgItem(IDC_BP_PINS)->EnableWindow(bOver);
}

BOOL CBonusPointsListDlg::ReadRule(CBonusPts& rule)
{
    const bool bOver = static_cast<CComboBox*>(GetDlgItem(IDC_BP_KIND))->GetCurSel() != 1;
    int nPins = 0;
    int nPoints = 0;
    if ((bOver && !ReadNumber(this, IDC_BP_PINS, 0, 300, nPins)) || !ReadNumber(this, IDC_BP_POINTS, 0, MAX_POINTS, nPoints))
        return FALSE;
    WORD wMask = 0;
    if (IsDlgButtonChecked(IDC_BP_MEN))
        wMask |= PF_MALE;
    if (IsDlgButtonChecked(IDC_BP_WOMEN))
        wMask |= PF_FEMALE;
    if (IsDlgButtonChecked(IDC_BP_JUNIORS))
        wMask |= PF_JUNIOR;
    if (wMask == 0) {
        AfxMessageBox("Tick at least one of Men, Women and Juniors.");
        return FALSE;
    }
    rule.m_nKind = bOver ? CBonusPts::kindOverAverage : CBonusPts::kindEqualsAverage;
    rule.m_nPins = static_cast<WORD>(bOver ? nPins : 0);
    rule.m_nPoints = static_cast<BYTE>(nPoints * 2);
    rule.m_bSeries = IsDlgButtonChecked(IDC_BP_SERIES) ? 1 : 0;
    rule.m_bHandicap = IsDlgButtonChecked(IDC_BP_HANDICAP) ? 1 : 0;
    rule.m_wCategoryMask = wMask;
    return TRUE;
}

void CBonusPointsListDlg::OnAdd()
{
    auto* pRule = new CBonusPts;
    if (!ReadRule(*pRule)) {
        delete pRule;
        return;
    }
    m_pDoc->m_listBonusPts.AddTail(pRule);
    FillList(m_pDoc->m_listBonusPts.GetCount() - 1);
}

void CBonusPointsListDlg::OnChange()
{
    CBonusPts* pRule = SelectedRule();
    CBonusPts changed;
    if (!pRule || !ReadRule(changed))
        return;
    // Points typed in whole points: an odd half point stays when the points were not changed.
    if (changed.m_nPoints == (pRule->m_nPoints & ~1))
        changed.m_nPoints = pRule->m_nPoints;
    pRule->CopyFrom(changed);
    FillList(static_cast<CListBox*>(GetDlgItem(IDC_BP_LIST))->GetCurSel());
}

void CBonusPointsListDlg::OnDelete()
{
    CBonusPts* pRule = SelectedRule();
    if (!pRule)
        return;
    const int n = static_cast<CListBox*>(GetDlgItem(IDC_BP_LIST))->GetCurSel();
    if (POSITION pos = m_pDoc->m_listBonusPts.Find(pRule))
        m_pDoc->m_listBonusPts.RemoveAt(pos);
    delete pRule;
    FillList(n);
}
