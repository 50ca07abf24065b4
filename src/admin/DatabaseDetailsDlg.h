#pragma once
// "Database Details": one record of the player database, to look at; OK only.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/AdminDialogs.h"

class CBowlingDoc;
class CPlayer;

class CDatabaseDetailsDlg : public CDialog
{
public:
    enum { IDD = IDD_DATABASE_DETAILS };
    explicit CDatabaseDetailsDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    CString m_strFirstName;
    CString m_strSurname;
    CString m_strAddress[4];
    CString m_strPostcode;
    CString m_strUser1;
    CString m_strUser2;
    CString m_strPhone;
    CString m_strMemberNo;
    CString m_strUniqueRef;

    // The fields of a bowler read from the database, the key as its unique reference.
    void CopyFrom(const CPlayer& player);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};

// Reads the record of a key and shows it; FALSE, showing nothing, when it cannot be read.
BOOL ShowDatabaseDetails(CBowlingDoc* pDoc, DWORD dwKey);
