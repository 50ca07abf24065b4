#pragma once
// What "New Player Details" and "Edit Player Details" share: the bowler's fields as the
// controls hold them, the combo boxes filled from the league, the tidying of typed names,
// the entering average read in tenths, the PIN check and the checks of OK.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/AdminDialogs.h"

class CBowlingDoc;
class CPlayer;

// An average typed as a decimal number ("185.67") in tenths, truncated and kept within
// 0..3000 (300 pins); anything that is not a number reads as 0.
WORD ParseAverageTenths(const CString& strText);
// Tenths as the details dialogs show them: "%5d.%d".
CString FormatAverageTenths(WORD nTenths);

class CPlayerDetailsDlg : public CDialog
{
public:
    CPlayerDetailsDlg(UINT nIDD, UINT nIDForename, UINT nIDEntering, CWnd* pParent);

    // The bowler's fields. Months are 0 (not given) or 1..12; m_nMembershipType is 0 (none)
    // or 1-based into the league's types; m_nStatus 0 Male, 1 Junior Male, 2 Female, 3 Junior
    // Female; m_nDesignation 0 Regular, 1..4 the robot rules.
    int m_nMembershipType = 0;
    int m_nExpiryMonth = 0;
    int m_nDesignation = 0;
    int m_nCategory = 0;
    int m_nBirthMonth = 0;
    int m_nStatus = 0;
    WORD m_nTeamNo = 0;
    CString m_strPhoneHome;
    CString m_strPostcode;
    CString m_strAddress[4];
    CString m_strMemberNo;
    CString m_strSurname;
    CString m_strForename;
    UINT m_nPin = 0;
    int m_bFormatText = FALSE;
    CString m_strPhoneMobile;
    CString m_strPhoneWork;
    CString m_strUser1;
    CString m_strUser2;
    int m_nBirthDay = 0;
    int m_nBirthYear = 0;
    WORD m_nEnteringAvg = 0;  // tenths
    int m_bNotMostImproved = FALSE;
    int m_bNoEnteringGames = FALSE;
    int m_nExpiryYear = 0;
    int m_nExpiryDay = 0;
    int m_bFloatingSub = FALSE;
    int m_bResigned = FALSE;
    int m_bTeamReserve = FALSE;

    WORD m_nPlayerNo = 0;  // the bowler being edited; 0 for a new one
    CBowlingDoc* m_pDoc = nullptr;

    // The commands' copies between a bowler and the dialog.
    void CopyFrom(const CPlayer& player);
    // Writes the fields back; the team number too, the team orders are the caller's.
    void CopyTo(CPlayer& player) const;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    // The checks of OK in order; FALSE (after its message) keeps the dialog open. With names
    // required, a blank name is refused unless it is one of those the dialog may leave blank.
    BOOL ValidateDetails(BOOL bNamesRequired);
    // A day its month holds, when both are given (the year too when given): else says so
    // naming the box, and takes the focus to the day.
    BOOL CheckDay(UINT nIDDay, UINT nIDMonth, int nDay, int nYear, const char* pszBox);
    bool m_bBlankSurnameKept = false;
    bool m_bBlankForenameKept = false;
    // The secretary picked a status, a membership type (even the one shown at first).
    bool m_bStatusChosen = false;
    bool m_bTypeChosen = false;
    // Reads an average edit into tenths and shows it again.
    WORD TidyAverage(UINT nID);

    void OnTeamChanged();
    void OnStatusChosen() { m_bStatusChosen = true; }
    void OnTypeChosen() { m_bTypeChosen = true; }
    void OnKillfocusForename();
    void OnKillfocusSurname();
    void OnKillfocusAddress1();
    void OnKillfocusAddress2();
    void OnKillfocusAddress3();
    void OnKillfocusAddress4();
    void OnKillfocusEntering();
    void OnKillfocusPin();
    void OnFormatText();

    UINT m_nIDForename;
    UINT m_nIDEntering;

    DECLARE_MESSAGE_MAP()

private:
    void TidyName(UINT nID, bool bSurname);
    void TidyAddress(int nLine);
    void EnableFloatingSub();
    int MonthFromCombo(UINT nID) const;
};
