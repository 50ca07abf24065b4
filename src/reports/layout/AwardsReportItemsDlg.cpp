#include "reports/layout/AwardsReportItemsDlg.h"

#include "league/Awards.h"
#include "league/BowlingDoc.h"
#include "reports/layout/AwardsItem.h"

namespace {

const char* const kFilters[] = {"Male", "Female", "Junior", "All"};

// Every category that is not deleted, each item carrying its category; the one of id nId
// selected.
void FillCategories(CComboBox* pCombo, const CBowlingDoc* pDoc, WORD nId)
{
    if (!pDoc)
        return;
    for (POSITION pos = pDoc->m_listAwards.GetHeadPosition(); pos;) {
        auto* c = static_cast<CAwards*>(pDoc->m_listAwards.GetNext(pos));
        if (c->m_bDeleted)
            continue;
        const int n = pCombo->AddString(c->m_strName);
        pCombo->SetItemDataPtr(n, c);
        if (c->m_nId == nId)
            pCombo->SetCurSel(n);
    }
}

void FillFilters(CComboBox* pCombo, BYTE nFilter)
{
    for (const char* psz : kFilters)
        pCombo->AddString(psz);
    pCombo->SetCurSel(nFilter <= 3 ? nFilter : 3);
}

WORD SelectedId(const CComboBox* pCombo)
{
    const int n = pCombo->GetCurSel();
    const auto* c = n < 0 ? nullptr : static_cast<const CAwards*>(pCombo->GetItemDataPtr(n));
    return c ? c->m_nId : 0;
}

BYTE SelectedFilter(const CComboBox* pCombo)
{
    const int n = pCombo->GetCurSel();
    return static_cast<BYTE>(n < 0 ? 0 : n);
}

} // namespace

BEGIN_MESSAGE_MAP(CAwardsReportItemsDlg, CDialog)
    ON_BN_CLICKED(IDC_AR_HI_STYLE, OnStyle)
    ON_BN_CLICKED(IDC_AR_INDIVIDUAL, OnStyle)
    ON_BN_CLICKED(IDC_AR_COL_NOT_USED[0], OnNotUsed)
    ON_BN_CLICKED(IDC_AR_COL_NOT_USED[1], OnNotUsed)
    ON_BN_CLICKED(IDC_AR_COL_NOT_USED[2], OnNotUsed)
    ON_BN_CLICKED(IDC_AR_COL_NOT_USED[3], OnNotUsed)
    ON_BN_CLICKED(IDC_AR_ALL_AWARDS, OnAllAwards)
    ON_BN_CLICKED(IDC_AR_ALL_ROUNDS, OnAllRounds)
    ON_BN_CLICKED(IDC_AR_CURRENT_WEEK, OnCurrentWeek)
    ON_BN_CLICKED(IDC_AR_FIRST_ONLY, OnFirstOnly)
    ON_BN_CLICKED(IDC_AR_HIGHEST_ONLY, OnHighestOnly)
    ON_BN_CLICKED(IDC_AR_HDR_FONT, OnHeadingFont)
    ON_BN_CLICKED(IDC_AR_DETAIL_FONT, OnDetailFont)
END_MESSAGE_MAP()

CAwardsReportItemsDlg::CAwardsReportItemsDlg(CRepItem_Awards* pItem, CWnd* pParent)
    : CDialog(IDD, pParent), m_pItem(pItem)
{
    const CRepItem_Awards& r = *pItem;
    m_nStyle = r.m_bIndividual ? 1 : 0;
    m_nToList = std::min<int>(r.m_nToList, CRepItem_Awards::MAX_TO_LIST);
    for (int c = 0; c < 4; ++c) {
        m_bNotUsed[c] = r.m_bColumnNotUsed[c] ? 1 : 0;
        m_nColumnAward[c] = r.m_nColumnAward[c];
        m_nColumnFilter[c] = r.m_nColumnFilter[c];
    }
    m_nIndividualAward = r.m_nIndividualAward;
    m_nIndividualFilter = r.m_nIndividualFilter;
    m_bAllRounds = r.m_bAllRounds ? 1 : 0;
    m_bAllAwards = r.m_bAllAwards ? 1 : 0;
    m_bCurrentWeek = r.m_bCurrentWeek ? 1 : 0;
    m_nRoundFrom = r.m_nRoundFrom;
    m_nRoundTo = r.m_nRoundTo;
    m_bFirstOnly = r.m_bFirstOnly ? 1 : 0;
    m_bHighestOnly = r.m_bHighestOnly ? 1 : 0;
    m_bExcludeResigned = r.m_bExcludeResigned ? 1 : 0;
    m_bTitle = r.m_bTitle ? 1 : 0;
}

void CAwardsReportItemsDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Radio(pDX, IDC_AR_HI_STYLE, m_nStyle);
    DDX_Text(pDX, IDC_AR_TO_LIST, m_nToList);
    DDV_MinMaxInt(pDX, m_nToList, 0, CRepItem_Awards::MAX_TO_LIST);
    for (int c = 0; c < 4; ++c)
        DDX_Check(pDX, IDC_AR_COL_NOT_USED[c], m_bNotUsed[c]);
    DDX_Check(pDX, IDC_AR_ALL_ROUNDS, m_bAllRounds);
    DDX_Check(pDX, IDC_AR_ALL_AWARDS, m_bAllAwards);
    DDX_Check(pDX, IDC_AR_CURRENT_WEEK, m_bCurrentWeek);
    DDX_Text(pDX, IDC_AR_ROUND_FROM, m_nRoundFrom);
    DDV_MinMaxInt(pDX, m_nRoundFrom, 0, 255);
    DDX_Text(pDX, IDC_AR_ROUND_TO, m_nRoundTo);
    DDV_MinMaxInt(pDX, m_nRoundTo, 0, 255);
    DDX_Check(pDX, IDC_AR_FIRST_ONLY, m_bFirstOnly);
    DDX_Check(pDX, IDC_AR_HIGHEST_ONLY, m_bHighestOnly);
    DDX_Check(pDX, IDC_AR_EXCLUDE_RESIGNED, m_bExcludeResigned);
    DDX_Check(pDX, IDC_AR_TITLE, m_bTitle);
    DDX_Check(pDX, IDC_AR_APPLY_FONTS, m_bApplyFonts);
    DDX_Text(pDX, IDC_AR_HDR_DESC, m_strHeadingDesc);
    DDX_Text(pDX, IDC_AR_DETAIL_DESC, m_strDetailDesc);
}

BOOL CAwardsReportItemsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    const CBowlingDoc* pDoc = m_pItem->m_pDoc;
    for (int c = 0; c < 4; ++c) {
        FillCategories(static_cast<CComboBox*>(GetDlgItem(IDC_AR_COL_AWARD[c])), pDoc, m_nColumnAward[c]);
        FillFilters(static_cast<CComboBox*>(GetDlgItem(IDC_AR_COL_FILTER[c])), m_nColumnFilter[c]);
    }
    FillCategories(static_cast<CComboBox*>(GetDlgItem(IDC_AR_IND_AWARD)), pDoc, m_nIndividualAward);
    FillFilters(static_cast<CComboBox*>(GetDlgItem(IDC_AR_IND_FILTER)), m_nIndividualFilter);
    DescribeFonts();
    UpdateData(FALSE);
    UpdateEnabling();
    return TRUE;
}

void CAwardsReportItemsDlg::UpdateEnabling()
{
    const bool bHi = IsDlgButtonChecked(IDC_AR_HI_STYLE) != 0;
    GetDlgItem(IDC_AR_TO_LIST)->EnableWindow(bHi);
    for (int c = 0; c < 4; ++c) {
        const bool bUsed = !IsDlgButtonChecked(IDC_AR_COL_NOT_USED[c]);
        GetDlgItem(IDC_AR_COL_NOT_USED[c])->EnableWindow(bHi);
        GetDlgItem(IDC_AR_COL_AWARD[c])->EnableWindow(bHi && bUsed);
        GetDlgItem(IDC_AR_COL_FILTER[c])->EnableWindow(bHi && bUsed);
    }
    const bool bRounds = !IsDlgButtonChecked(IDC_AR_ALL_ROUNDS) && !IsDlgButtonChecked(IDC_AR_CURRENT_WEEK);
    GetDlgItem(IDC_AR_IND_AWARD)->EnableWindow(!bHi && !IsDlgButtonChecked(IDC_AR_ALL_AWARDS));
    GetDlgItem(IDC_AR_ROUND_FROM)->EnableWindow(!bHi && bRounds);
    GetDlgItem(IDC_AR_ROUND_TO)->EnableWindow(!bHi && bRounds);
    for (UINT id : {IDC_AR_IND_FILTER, IDC_AR_ALL_AWARDS, IDC_AR_ALL_ROUNDS, IDC_AR_CURRENT_WEEK, IDC_AR_FIRST_ONLY,
                    IDC_AR_HIGHEST_ONLY, IDC_AR_EXCLUDE_RESIGNED})
        GetDlgItem(id)->EnableWindow(!bHi);
}

void CAwardsReportItemsDlg::OnStyle() { UpdateEnabling(); }
void CAwardsReportItemsDlg::OnNotUsed() { UpdateEnabling(); }
void CAwardsReportItemsDlg::OnAllAwards() { UpdateEnabling(); }

void CAwardsReportItemsDlg::Exclusive(UINT nClicked, UINT nOther)
{
    if (IsDlgButtonChecked(nClicked) && IsDlgButtonChecked(nOther))
        CheckDlgButton(nOther, 0);
    UpdateEnabling();
}

void CAwardsReportItemsDlg::OnAllRounds() { Exclusive(IDC_AR_ALL_ROUNDS, IDC_AR_CURRENT_WEEK); }
void CAwardsReportItemsDlg::OnCurrentWeek() { Exclusive(IDC_AR_CURRENT_WEEK, IDC_AR_ALL_ROUNDS); }
void CAwardsReportItemsDlg::OnFirstOnly() { Exclusive(IDC_AR_FIRST_ONLY, IDC_AR_HIGHEST_ONLY); }
void CAwardsReportItemsDlg::OnHighestOnly() { Exclusive(IDC_AR_HIGHEST_ONLY, IDC_AR_FIRST_ONLY); }

void CAwardsReportItemsDlg::DescribeFonts()
{
    m_pItem->m_fontHeading.GetDescription(m_strHeadingDesc);
    m_pItem->m_fontDetail.GetDescription(m_strDetailDesc);
}

void CAwardsReportItemsDlg::OnHeadingFont()
{
    // What was set so far is read first, so the refresh keeps it.
    UpdateData(TRUE);
    ChooseReportFont(&m_pItem->m_fontHeading);
    DescribeFonts();
    UpdateData(FALSE);
}

void CAwardsReportItemsDlg::OnDetailFont()
{
    UpdateData(TRUE);
    ChooseReportFont(&m_pItem->m_fontDetail);
    DescribeFonts();
    UpdateData(FALSE);
}

void CAwardsReportItemsDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    for (int c = 0; c < 4; ++c) {
        m_nColumnAward[c] = SelectedId(static_cast<CComboBox*>(GetDlgItem(IDC_AR_COL_AWARD[c])));
        m_nColumnFilter[c] = SelectedFilter(static_cast<CComboBox*>(GetDlgItem(IDC_AR_COL_FILTER[c])));
    }
    m_nIndividualAward = SelectedId(static_cast<CComboBox*>(GetDlgItem(IDC_AR_IND_AWARD)));
    m_nIndividualFilter = SelectedFilter(static_cast<CComboBox*>(GetDlgItem(IDC_AR_IND_FILTER)));
    EndDialog(IDOK);
}

void CAwardsReportItemsDlg::SaveTo(CRepItem_Awards& r) const
{
    r.m_bIndividual = m_nStyle == 1 ? 1 : 0;
    r.m_nToList = static_cast<WORD>(m_nToList);
    for (int c = 0; c < 4; ++c) {
        r.m_bColumnNotUsed[c] = m_bNotUsed[c] ? 1 : 0;
        r.m_nColumnAward[c] = m_nColumnAward[c];
        r.m_nColumnFilter[c] = m_nColumnFilter[c];
    }
    r.m_nIndividualAward = m_nIndividualAward;
    r.m_nIndividualFilter = m_nIndividualFilter;
    r.m_bAllRounds = m_bAllRounds ? 1 : 0;
    r.m_bAllAwards = m_bAllAwards ? 1 : 0;
    r.m_bCurrentWeek = m_bCurrentWeek ? 1 : 0;
    r.m_nRoundFrom = static_cast<WORD>(m_nRoundFrom);
    r.m_nRoundTo = static_cast<WORD>(m_nRoundTo);
    r.m_bFirstOnly = m_bFirstOnly ? 1 : 0;
    r.m_bHighestOnly = m_bHighestOnly ? 1 : 0;
    r.m_bExcludeResigned = m_bExcludeResigned ? 1 : 0;
    r.m_bTitle = m_bTitle ? 1 : 0;
}
