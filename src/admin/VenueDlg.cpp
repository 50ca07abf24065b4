#include "admin/VenueDlg.h"

#include "league/BowlingDoc.h"
#include "league/Venue.h"

// ------------------------------------------------------------------ Venue Details.

BEGIN_MESSAGE_MAP(CVenueDetailsDlg, CDialog)
    ON_BN_CLICKED(IDC_VD_SPLIT_LANES, OnSplitLanes)
END_MESSAGE_MAP()

void CVenueDetailsDlg::LoadFrom(const CVenue& v)
{
    m_strName = v.m_strName;
    m_strPhone = v.m_strPhone;
    for (int i = 0; i < 4; ++i)
        m_strAddress[i] = v.m_strAddress[i];
    m_strPostcode = v.m_strPostcode;
    m_strDirections = v.m_strDirections;
    m_nStartLane = v.m_nStartLane;
    m_nLastLane = v.m_nLastLane;
    // Half a split is no split: show both figures empty and the box clear.
    const bool bSplit = v.m_bSplitLanes && v.m_nSplitStartLane != 0 && v.m_nLanesBeforeSplit != 0;
    m_bSplitLanes = bSplit ? 1 : 0;
    m_nSplitStartLane = bSplit ? v.m_nSplitStartLane : 0;
    m_nLanesBeforeSplit = bSplit ? v.m_nLanesBeforeSplit : 0;
}

void CVenueDetailsDlg::SaveTo(CVenue& v) const
{
    v.m_strName = m_strName;
    v.m_strPhone = m_strPhone;
    for (int i = 0; i < 4; ++i)
        v.m_strAddress[i] = m_strAddress[i];
    v.m_strPostcode = m_strPostcode;
    v.m_strDirections = m_strDirections;
    v.m_nStartLane = static_cast<BYTE>(m_nStartLane);
    v.m_nLastLane = static_cast<BYTE>(m_nLastLane);
    v.m_bSplitLanes = m_bSplitLanes ? 1 : 0;
    v.m_nSplitStartLane = m_bSplitLanes ? static_cast<BYTE>(m_nSplitStartLane) : 0;
    v.m_nLanesBeforeSplit = m_bSplitLanes ? static_cast<BYTE>(m_nLanesBeforeSplit) : 0;
    // The stored form has no switch: a split with a zero figure would read back as none.
    if (v.m_nSplitStartLane == 0 || v.m_nLanesBeforeSplit == 0) {
        v.m_nSplitStartLane = 0;
        v.m_nLanesBeforeSplit = 0;
        v.m_bSplitLanes = 0;
    }
}

void CVenueDetailsDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_VD_NAME, m_strName);
    DDX_Text(pDX, IDC_VD_PHONE, m_strPhone);
    for (int i = 0; i < 4; ++i)
        DDX_Text(pDX, static_cast<int>(IDC_VD_ADDRESS[i]), m_strAddress[i]);
    DDX_Text(pDX, IDC_VD_POSTCODE, m_strPostcode);
    DDX_Text(pDX, IDC_VD_DIRECTIONS, m_strDirections);
    DDX_Text(pDX, IDC_VD_START_LANE, m_nStartLane);
    DDV_MinMaxUInt(pDX, m_nStartLane, 0, 99);
    DDX_Text(pDX, IDC_VD_LAST_LANE, m_nLastLane);
    DDV_MinMaxUInt(pDX, m_nLastLane, 0, 99);
    DDX_Check(pDX, IDC_VD_SPLIT_LANES, m_bSplitLanes);
    DDX_Text(pDX, IDC_VD_SPLIT_START, m_nSplitStartLane);
    DDV_MinMaxUInt(pDX, m_nSplitStartLane, 0, 99);
    DDX_Text(pDX, IDC_VD_BEFORE_SPLIT, m_nLanesBeforeSplit);
    DDV_MinMaxUInt(pDX, m_nLanesBeforeSplit, 0, 99);
}

BOOL CVenueDetailsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    EnableSplitFields();
    GotoDlgCtrl(GetDlgItem(IDC_VD_NAME));
    return FALSE;
}

void CVenueDetailsDlg::EnableSplitFields()
{
    const BOOL bSplit = IsDlgButtonChecked(IDC_VD_SPLIT_LANES) ? TRUE : FALSE;
    GetDlgItem(IDC_VD_SPLIT_START)->EnableWindow(bSplit);
    GetDlgItem(IDC_VD_BEFORE_SPLIT)->EnableWindow(bSplit);
}

void CVenueDetailsDlg::OnSplitLanes()
{
    // A number out of range only matters on OK; the box follows the tick whatever is typed.
    m_bSplitLanes = IsDlgButtonChecked(IDC_VD_SPLIT_LANES) ? 1 : 0;
    EnableSplitFields();
}

// ------------------------------------------------------------------ Select Venue

BEGIN_MESSAGE_MAP(CSelectVenueDlg, CDialog)
    ON_CBN_KILLFOCUS(IDC_SV_LIST, OnKillfocusList)
END_MESSAGE_MAP()

BOOL CSelectVenueDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    auto* pList = static_cast<CComboBox*>(GetDlgItem(IDC_SV_LIST));
    if (m_pDoc) {
        for (POSITION pos = m_pDoc->m_listVenues.GetHeadPosition(); pos;) {
            const auto* v = static_cast<const CVenue*>(m_pDoc->m_listVenues.GetNext(pos));
            pList->SetItemData(pList->AddString(v->m_strName), v->m_nVenueNo);
        }
    }
    pList->SetCurSel(0);
    TakeSelection();
    return TRUE;
}

void CSelectVenueDlg::TakeSelection()
{
    auto* pList = static_cast<CComboBox*>(GetDlgItem(IDC_SV_LIST));
    const int nSel = pList->GetCurSel();
    m_nVenue = nSel >= 0 ? static_cast<BYTE>(pList->GetItemData(nSel)) : 0;
    m_nIndex = nSel;
}

void CSelectVenueDlg::OnOK()
{
    // The choice counts even when the list never lost the focus.
    TakeSelection();
    CDialog::OnOK();
}
