#include "admin/PlayerDetailsDlg.h"

#include "league/BowlingDoc.h"
#include "league/Player.h"
#include "league/Team.h"

#include <cctype>
#include <cstdio>

namespace {

const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const char* const kMonthNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                   "July",    "August",   "September", "October", "November", "December"};
const char* const kDesignations[] = {"Regular", "Robot #1", "Robot #2", "Robot #3", "Robot #4"};
const char* const kCategories[] = {"Undefined", "Category A", "Category B", "Category C"};
const char* const kStatuses[] = {"Male", "Junior Male", "Female", "Junior Female"};
// The category bits of each status, in the status combo's order.
const WORD kStatusFlags[] = {PF_MALE, PF_MALE | PF_JUNIOR, PF_FEMALE, PF_FEMALE | PF_JUNIOR};

CComboBox* Combo(const CDialog* pDlg, UINT nID)
{
    return static_cast<CComboBox*>(pDlg->GetDlgItem(nID));
}

void FillCombo(CComboBox* pCombo, const char* const* ppszItems, int nItems, int nSel)
{
    for (int i = 0; i < nItems; ++i)
        pCombo->SetItemData(pCombo->AddString(ppszItems[i]), static_cast<DWORD_PTR>(i));
    pCombo->SetCurSel(nSel >= 0 && nSel < nItems ? nSel : -1);
}

char Upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

} // namespace

WORD ParseAverageTenths(const CString& strText)
{
    double d = 0.0;
    if (std::sscanf(strText.GetString(), "%lf", &d) != 1 || !(d > 0.0))
        return 0;
    if (d >= 300.0)
        return 3000;
    return static_cast<WORD>(d * 10.0);
}

CString FormatAverageTenths(WORD nTenths)
{
    CString s;
    s.Format("%5d.%d", nTenths / 10, nTenths % 10);
    return s;
}

BEGIN_MESSAGE_MAP(CPlayerDetailsDlg, CDialog)
    ON_CBN_SELCHANGE(IDC_PD_TEAM, OnTeamChanged)
    ON_CBN_SELCHANGE(IDC_PD_STATUS, OnStatusChosen)
    ON_CBN_SELCHANGE(IDC_PD_MEMBERSHIP_TYPE, OnTypeChosen)
    ON_EN_KILLFOCUS(IDC_PD_FORENAME_NEW, OnKillfocusForename)
    ON_EN_KILLFOCUS(IDC_PD_FORENAME_EDIT, OnKillfocusForename)
    ON_EN_KILLFOCUS(IDC_PD_SURNAME, OnKillfocusSurname)
    ON_EN_KILLFOCUS(IDC_PD_ADDRESS[0], OnKillfocusAddress1)
    ON_EN_KILLFOCUS(IDC_PD_ADDRESS[1], OnKillfocusAddress2)
    ON_EN_KILLFOCUS(IDC_PD_ADDRESS[2], OnKillfocusAddress3)
    ON_EN_KILLFOCUS(IDC_PD_ADDRESS[3], OnKillfocusAddress4)
    ON_EN_KILLFOCUS(IDC_PD_ENTERING_NEW, OnKillfocusEntering)
    ON_EN_KILLFOCUS(IDC_PD_ENTERING_EDIT, OnKillfocusEntering)
    ON_EN_KILLFOCUS(IDC_PD_PIN, OnKillfocusPin)
    ON_BN_CLICKED(IDC_PD_FORMAT_TEXT, OnFormatText)
END_MESSAGE_MAP()

CPlayerDetailsDlg::CPlayerDetailsDlg(UINT nIDD, UINT nIDForename, UINT nIDEntering, CWnd* pParent)
    : CDialog(nIDD, pParent), m_nIDForename(nIDForename), m_nIDEntering(nIDEntering)
{
}

void CPlayerDetailsDlg::CopyFrom(const CPlayer& p)
{
    m_nPlayerNo = p.m_nPlayerNo;
    m_nMembershipType = p.m_nMembershipType;
    m_nExpiryMonth = p.m_nExpiryMonth <= 12 ? p.m_nExpiryMonth : 0;
    m_nDesignation = p.m_nRobot <= 4 ? p.m_nRobot : 0;
    m_nCategory = p.m_nCategory <= 3 ? p.m_nCategory : 0;
    m_nBirthMonth = p.m_nBirthMonth <= 12 ? p.m_nBirthMonth : 0;
    const bool bJunior = (p.m_wFlags & PF_JUNIOR) != 0;
    m_nStatus = (p.m_wFlags & PF_FEMALE) ? (bJunior ? 3 : 2) : (bJunior ? 1 : 0);
    m_nTeamNo = p.m_nTeamNo;
    m_strPhoneHome = p.m_strPhoneHome;
    m_strPostcode = p.m_strAddress[4];
    for (int i = 0; i < 4; ++i)
        m_strAddress[i] = p.m_strAddress[i];
    m_strMemberNo = p.m_strMembershipNo;
    m_strSurname = p.m_strSurname;
    m_strForename = p.m_strFirstName;
    m_nPin = p.m_nPin;
    m_strPhoneMobile = p.m_strPhoneMobile;
    m_strPhoneWork = p.m_strPhoneWork;
    m_strUser1 = p.m_strUserData1;
    m_strUser2 = p.m_strUserData2;
    m_nBirthDay = p.m_nBirthDay;
    m_nBirthYear = p.m_nBirthYear;
    m_nEnteringAvg = p.m_nEnteringAvg;
    m_bNotMostImproved = p.m_bNotEligibleMostImproved ? TRUE : FALSE;
    m_bNoEnteringGames = (p.m_wFlags & PF_NO_ENTERING_GAMES) ? TRUE : FALSE;
    m_nExpiryYear = p.m_nExpiryYear;
    m_nExpiryDay = p.m_nExpiryDay;
    m_bFloatingSub = p.IsFloatingSub();
    m_bResigned = p.IsResigned() ? TRUE : FALSE;
    m_bTeamReserve = (p.m_wFlags & PF_TEAM_RESERVE) ? TRUE : FALSE;
}

void CPlayerDetailsDlg::CopyTo(CPlayer& p) const
{
    p.m_nMembershipType = static_cast<BYTE>(m_nMembershipType);
    p.m_nExpiryMonth = static_cast<BYTE>(m_nExpiryMonth);
    p.m_nRobot = static_cast<BYTE>(m_nDesignation);
    p.m_nCategory = static_cast<BYTE>(m_nCategory);
    p.m_nBirthMonth = static_cast<BYTE>(m_nBirthMonth);
    p.m_nTeamNo = m_nTeamNo;
    p.m_strPhoneHome = m_strPhoneHome;
    p.m_strAddress[4] = m_strPostcode;
    for (int i = 0; i < 4; ++i)
        p.m_strAddress[i] = m_strAddress[i];
    p.m_strMembershipNo = m_strMemberNo;
    p.m_strSurname = m_strSurname;
    p.m_strFirstName = m_strForename;
    p.m_nPin = static_cast<WORD>(m_nPin);
    p.m_strPhoneMobile = m_strPhoneMobile;
    p.m_strPhoneWork = m_strPhoneWork;
    p.m_strUserData1 = m_strUser1;
    p.m_strUserData2 = m_strUser2;
    p.m_nBirthDay = static_cast<BYTE>(m_nBirthDay);
    p.m_nBirthYear = static_cast<WORD>(m_nBirthYear);
    // Only a changed figure is written: it resets the current entering average as well.
    if (m_nEnteringAvg != p.m_nEnteringAvg)
        p.SetEnteringAverage(m_nEnteringAvg);
    p.m_bNotEligibleMostImproved = m_bNotMostImproved ? 1 : 0;
    p.m_nExpiryYear = static_cast<WORD>(m_nExpiryYear);
    p.m_nExpiryDay = static_cast<BYTE>(m_nExpiryDay);

    WORD w = static_cast<WORD>(p.m_wFlags & ~(PF_CATEGORY_MASK | PF_RESIGNED | PF_NO_ENTERING_GAMES | PF_TEAM_RESERVE));
    w |= kStatusFlags[m_nStatus >= 0 && m_nStatus < 4 ? m_nStatus : 0];
    if (m_bResigned)
        w |= PF_RESIGNED;
    if (m_bNoEnteringGames)
        w |= PF_NO_ENTERING_GAMES;
    if (m_bTeamReserve)
        w |= PF_TEAM_RESERVE;
    // The box means something only for a bowler without a team.
    if (m_nTeamNo == 0)
        w = static_cast<WORD>(m_bFloatingSub ? (w & ~PF_NOT_FLOATING_SUB) : (w | PF_NOT_FLOATING_SUB));
    p.m_wFlags = w;
    if (m_pDoc)
        p.MakeDisplayName(m_pDoc->m_bSurnameFirst);
}

void CPlayerDetailsDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_PD_PHONE_HOME, m_strPhoneHome);
    DDV_MaxChars(pDX, m_strPhoneHome, 15);
    DDX_Text(pDX, IDC_PD_POSTCODE, m_strPostcode);
    DDV_MaxChars(pDX, m_strPostcode, 9);
    for (int i = 0; i < 4; ++i) {
        DDX_Text(pDX, IDC_PD_ADDRESS[i], m_strAddress[i]);
        DDV_MaxChars(pDX, m_strAddress[i], 31);
    }
    DDX_Text(pDX, IDC_PD_MEMBER_NO, m_strMemberNo);
    DDV_MaxChars(pDX, m_strMemberNo, 9);
    DDX_Text(pDX, IDC_PD_SURNAME, m_strSurname);
    DDV_MaxChars(pDX, m_strSurname, 31);
    DDX_Text(pDX, m_nIDForename, m_strForename);
    DDV_MaxChars(pDX, m_strForename, 17);
    // The PIN is stored in 16 bits; both dialogs keep to the range the edit dialog allows.
    DDX_Text(pDX, IDC_PD_PIN, m_nPin);
    DDV_MinMaxUInt(pDX, m_nPin, 0, 59999);
    DDX_Check(pDX, IDC_PD_FORMAT_TEXT, m_bFormatText);
    DDX_Text(pDX, IDC_PD_PHONE_MOBILE, m_strPhoneMobile);
    DDV_MaxChars(pDX, m_strPhoneMobile, 15);
    DDX_Text(pDX, IDC_PD_PHONE_WORK, m_strPhoneWork);
    DDV_MaxChars(pDX, m_strPhoneWork, 15);
    // The player database's record keeps 32 characters of each; a league of its own keeps 63.
    const int nUserChars = m_pDoc && m_pDoc->m_bPlayerDatabase ? 32 : 63;
    DDX_Text(pDX, IDC_PD_USER1, m_strUser1);
    DDV_MaxChars(pDX, m_strUser1, nUserChars);
    DDX_Text(pDX, IDC_PD_USER2, m_strUser2);
    DDV_MaxChars(pDX, m_strUser2, nUserChars);
    DDX_Text(pDX, IDC_PD_BIRTH_DAY, m_nBirthDay);
    DDV_MinMaxInt(pDX, m_nBirthDay, 0, 31);
    DDX_Text(pDX, IDC_PD_BIRTH_YEAR, m_nBirthYear);
    DDV_MinMaxInt(pDX, m_nBirthYear, 0, 9999);
    DDX_Check(pDX, IDC_PD_NOT_MOST_IMPROVED, m_bNotMostImproved);
    DDX_Check(pDX, IDC_PD_NO_ENTERING_GAMES, m_bNoEnteringGames);
    DDX_Text(pDX, IDC_PD_EXPIRY_YEAR, m_nExpiryYear);
    DDV_MinMaxInt(pDX, m_nExpiryYear, 0, 9999);
    DDX_Text(pDX, IDC_PD_EXPIRY_DAY, m_nExpiryDay);
    DDV_MinMaxInt(pDX, m_nExpiryDay, 0, 31);
    DDX_Check(pDX, IDC_PD_FLOATING_SUB, m_bFloatingSub);
    DDX_Check(pDX, IDC_PD_RESIGNED, m_bResigned);
    DDX_Check(pDX, IDC_PD_TEAM_RESERVE, m_bTeamReserve);
    if (pDX->m_bSaveAndValidate)
        m_nEnteringAvg = ParseAverageTenths(GetDlgItemText(m_nIDEntering));
    else
        SetDlgItemText(m_nIDEntering, FormatAverageTenths(m_nEnteringAvg));
}

BOOL CPlayerDetailsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CenterWindow();

    CComboBox* pTypes = Combo(this, IDC_PD_MEMBERSHIP_TYPE);
    if (m_pDoc->m_arrMembershipTypes.GetSize() == 0) {
        pTypes->AddString("None Set");
        pTypes->SetCurSel(0);
        pTypes->EnableWindow(FALSE);
    } else {
        pTypes->AddString("None");
        for (int i = 0; i < m_pDoc->m_arrMembershipTypes.GetSize(); ++i)
            pTypes->AddString(m_pDoc->m_arrMembershipTypes[i]);
        pTypes->SetCurSel(m_nMembershipType <= m_pDoc->m_arrMembershipTypes.GetSize() ? m_nMembershipType : 0);
    }

    CComboBox* pTeams = Combo(this, IDC_PD_TEAM);
    pTeams->SetItemData(pTeams->AddString(" Unassigned "), 0);
    pTeams->SetCurSel(0);
    for (POSITION pos = m_pDoc->m_listTeams.GetHeadPosition(); pos;) {
        auto* pTeam = static_cast<CTeam*>(m_pDoc->m_listTeams.GetNext(pos));
        if (pTeam->IsRemoved())
            continue;
        const int n = pTeams->AddString(pTeam->m_strName);
        pTeams->SetItemData(n, pTeam->m_nTeamNo);
        if (pTeam->m_nTeamNo == m_nTeamNo)
            pTeams->SetCurSel(n);
    }

    FillCombo(Combo(this, IDC_PD_STATUS), kStatuses, 4, m_nStatus);
    FillCombo(Combo(this, IDC_PD_DESIGNATION), kDesignations, 5, m_nDesignation);
    FillCombo(Combo(this, IDC_PD_CATEGORY), kCategories, 4, m_nCategory);
    FillCombo(Combo(this, IDC_PD_BIRTH_MONTH), kMonths, 12, m_nBirthMonth - 1);
    FillCombo(Combo(this, IDC_PD_EXPIRY_MONTH), kMonths, 12, m_nExpiryMonth - 1);

    if (m_nTeamNo != 0)
        m_bFloatingSub = FALSE;
    UpdateData(FALSE);
    EnableFloatingSub();
    return TRUE;
}

void CPlayerDetailsDlg::EnableFloatingSub()
{
    const int nSel = Combo(this, IDC_PD_TEAM)->GetCurSel();
    const bool bUnassigned = nSel <= 0;
    GetDlgItem(IDC_PD_FLOATING_SUB)->EnableWindow(bUnassigned);
    if (!bUnassigned)
        CheckDlgButton(IDC_PD_FLOATING_SUB, 0);
}

void CPlayerDetailsDlg::OnTeamChanged()
{
    EnableFloatingSub();
}

void CPlayerDetailsDlg::OnFormatText()
{
    m_bFormatText = IsDlgButtonChecked(IDC_PD_FORMAT_TEXT);
}

void CPlayerDetailsDlg::TidyName(UINT nID, bool bSurname)
{
    if (!IsDlgButtonChecked(IDC_PD_FORMAT_TEXT))
        return;
    CString s = GetDlgItemText(nID);
    if (s.IsEmpty())
        return;
    s.MakeLower();
    s.SetAt(0, Upper(s[0]));
    if (bSurname && s.GetLength() > 2 && s[1] == '\'')
        s.SetAt(2, Upper(s[2]));
    SetDlgItemText(nID, s);
}

void CPlayerDetailsDlg::TidyAddress(int nLine)
{
    if (!IsDlgButtonChecked(IDC_PD_FORMAT_TEXT))
        return;
    const UINT nID = IDC_PD_ADDRESS[nLine];
    CString s = GetDlgItemText(nID);
    s.MakeLower();
    for (int i = 0; i < s.GetLength(); ++i)
        if (i == 0 || s[i - 1] == ' ')
            s.SetAt(i, Upper(s[i]));
    SetDlgItemText(nID, s);
}

void CPlayerDetailsDlg::OnKillfocusForename() { TidyName(m_nIDForename, false); }
void CPlayerDetailsDlg::OnKillfocusSurname() { TidyName(IDC_PD_SURNAME, true); }
void CPlayerDetailsDlg::OnKillfocusAddress1() { TidyAddress(0); }
void CPlayerDetailsDlg::OnKillfocusAddress2() { TidyAddress(1); }
void CPlayerDetailsDlg::OnKillfocusAddress3() { TidyAddress(2); }
void CPlayerDetailsDlg::OnKillfocusAddress4() { TidyAddress(3); }

WORD CPlayerDetailsDlg::TidyAverage(UINT nID)
{
    const WORD n = ParseAverageTenths(GetDlgItemText(nID));
    SetDlgItemText(nID, FormatAverageTenths(n));
    return n;
}

void CPlayerDetailsDlg::OnKillfocusEntering()
{
    m_nEnteringAvg = TidyAverage(m_nIDEntering);
}

void CPlayerDetailsDlg::OnKillfocusPin()
{
    BOOL bNumber = FALSE;
    const UINT nPin = GetDlgItemInt(IDC_PD_PIN, &bNumber, FALSE);
    if (!bNumber || nPin == 0 || nPin > 0xFFFF)
        return;
    const WORD nOther = m_pDoc->FindPlayerNumberByPin(m_nPlayerNo, static_cast<WORD>(nPin));
    if (const CPlayer* pOther = nOther ? m_pDoc->FindPlayer(nOther) : nullptr) {
        CString msg;
        msg.Format("That PIN is in use by %s", pOther->m_strName.GetString());
        AfxMessageBox(msg);
    }
}

int CPlayerDetailsDlg::MonthFromCombo(UINT nID) const
{
    // A chosen month is stored as itself whether or not the day and year are given.
    const int nSel = Combo(this, nID)->GetCurSel();
    return nSel >= 0 && nSel < 12 ? nSel + 1 : 0;
}

BOOL CPlayerDetailsDlg::CheckDay(UINT nIDDay, UINT nIDMonth, int nDay, int nYear, const char* pszBox)
{
    const int nMonth = MonthFromCombo(nIDMonth);
    const int nDays = DaysInMonth(nMonth, nYear);
    if (nDay == 0 || nMonth == 0 || nDay <= nDays)
        return TRUE;
    CString msg;
    msg.Format("%s must be 1 to %d in %s", pszBox, nDays, kMonthNames[nMonth - 1]);
    if (nYear != 0)
        msg.AppendFormat(" %d", nYear);
    AfxMessageBox(msg + "!");
    GotoDlgCtrl(GetDlgItem(nIDDay));
    return FALSE;
}

BOOL CPlayerDetailsDlg::ValidateDetails(BOOL bNamesRequired)
{
    if (!UpdateData(TRUE))
        return FALSE;
    // A type beyond this league's list (given by another league's record) shows as "None", and
    // stays unless another is picked.
    if (m_pDoc->m_arrMembershipTypes.GetSize() > 0 &&
        (m_bTypeChosen || m_nMembershipType <= m_pDoc->m_arrMembershipTypes.GetSize())) {
        const int n = Combo(this, IDC_PD_MEMBERSHIP_TYPE)->GetCurSel();
        m_nMembershipType = n > 0 ? n : 0;
    }
    const int nCategory = Combo(this, IDC_PD_CATEGORY)->GetCurSel();
    m_nCategory = nCategory > 0 ? nCategory : 0;

    if (m_nBirthYear != 0 && m_nBirthYear <= 1899) {
        AfxMessageBox("Date of birth year must be > 1899!");
        GotoDlgCtrl(GetDlgItem(IDC_PD_BIRTH_YEAR));
        return FALSE;
    }
    if (!CheckDay(IDC_PD_BIRTH_DAY, IDC_PD_BIRTH_MONTH, m_nBirthDay, m_nBirthYear, "Date of birth day") ||
        !CheckDay(IDC_PD_EXPIRY_DAY, IDC_PD_EXPIRY_MONTH, m_nExpiryDay, m_nExpiryYear, "Membership expiry day"))
        return FALSE;
    // Nobody is born after today (2099 typed for 1999): the box that puts the date there is named.
    const int nAfter = PartAfterToday(m_nBirthDay, MonthFromCombo(IDC_PD_BIRTH_MONTH), m_nBirthYear);
    if (nAfter >= 0) {
        const UINT nID = nAfter == SD_BIRTH_YEAR    ? IDC_PD_BIRTH_YEAR
                         : nAfter == SD_BIRTH_MONTH ? IDC_PD_BIRTH_MONTH
                                                    : IDC_PD_BIRTH_DAY;
        const char* pszBox = nAfter == SD_BIRTH_YEAR ? "year" : nAfter == SD_BIRTH_MONTH ? "month" : "day";
        CString msg;
        msg.Format("Date of birth %s must not be after today (%s)!", pszBox,
                   CTime::GetCurrentTime().Format("%#d %B %Y").GetString());
        AfxMessageBox(msg);
        GotoDlgCtrl(GetDlgItem(nID));
        return FALSE;
    }
    m_strSurname.Trim();
    m_strForename.Trim();
    if (bNamesRequired && ((m_strSurname.IsEmpty() && !m_bBlankSurnameKept) ||
                           (m_strForename.IsEmpty() && !m_bBlankForenameKept))) {
        AfxMessageBox("A player may NOT have a blank name field!.");
        // Back to the empty name, ready to type it in.
        GotoDlgCtrl(GetDlgItem(m_strForename.IsEmpty() ? m_nIDForename : IDC_PD_SURNAME));
        return FALSE;
    }

    CComboBox* pTeams = Combo(this, IDC_PD_TEAM);
    const int nTeamSel = pTeams->GetCurSel();
    const WORD nTeamNo = nTeamSel > 0 ? static_cast<WORD>(pTeams->GetItemData(nTeamSel)) : 0;
    if (nTeamNo != 0 && nTeamNo != m_nTeamNo) {
        const CTeam* pTeam = m_pDoc->FindTeam(nTeamNo);
        if (pTeam && pTeam->GetOrderCount() >= m_pDoc->m_nMaxPlayersPerTeam) {
            AfxMessageBox("This team has exceeded the maximum No. of registered players.");
            GotoDlgCtrl(pTeams);
            return FALSE;
        }
    }
    m_nTeamNo = nTeamNo;

    for (POSITION pos = m_pDoc->m_listPlayers.GetHeadPosition(); pos;) {
        const auto* p = static_cast<const CPlayer*>(m_pDoc->m_listPlayers.GetNext(pos));
        if (m_nPlayerNo != 0 && p->m_nPlayerNo == m_nPlayerNo)
            continue;
        if (p->m_strSurname == m_strSurname && p->m_strFirstName == m_strForename) {
            AfxMessageBox("There is an existing player with the same name. Please re-enter the name to "
                          "differentiate between them.");
            GotoDlgCtrl(GetDlgItem(m_nIDForename));
            return FALSE;
        }
    }

    const int nStatus = Combo(this, IDC_PD_STATUS)->GetCurSel();
    m_nStatus = nStatus >= 0 ? nStatus : 0;
    const int nDesignation = Combo(this, IDC_PD_DESIGNATION)->GetCurSel();
    m_nDesignation = nDesignation >= 0 ? nDesignation : 0;
    m_nBirthMonth = MonthFromCombo(IDC_PD_BIRTH_MONTH);
    m_nExpiryMonth = MonthFromCombo(IDC_PD_EXPIRY_MONTH);
    return TRUE;
}
