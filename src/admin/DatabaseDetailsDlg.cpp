#include "admin/DatabaseDetailsDlg.h"

#include "league/BowlingDoc.h"
#include "league/Player.h"
#include "playerdb/PlayerDatabase.h"

void CDatabaseDetailsDlg::CopyFrom(const CPlayer& p)
{
    m_strFirstName = p.m_strFirstName;
    m_strSurname = p.m_strSurname;
    for (int i = 0; i < 4; ++i)
        m_strAddress[i] = p.m_strAddress[i];
    m_strPostcode = p.m_strAddress[4];
    m_strUser1 = p.m_strUserData1;
    m_strUser2 = p.m_strUserData2;
    m_strPhone = p.m_strPhoneHome;
    m_strMemberNo = p.m_strMembershipNo;
    m_strUniqueRef = CPlayerDatabase::UniqueRef(p.m_dwDbKey);
}

void CDatabaseDetailsDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_DD_FIRST_NAME, m_strFirstName);
    DDX_Text(pDX, IDC_DD_SURNAME, m_strSurname);
    for (int i = 0; i < 4; ++i)
        DDX_Text(pDX, IDC_DD_ADDRESS[i], m_strAddress[i]);
    DDX_Text(pDX, IDC_DD_POSTCODE, m_strPostcode);
    DDX_Text(pDX, IDC_DD_USER1, m_strUser1);
    DDX_Text(pDX, IDC_DD_USER2, m_strUser2);
    DDX_Text(pDX, IDC_DD_PHONE, m_strPhone);
    DDX_Text(pDX, IDC_DD_MEMBER_NO, m_strMemberNo);
    DDX_Text(pDX, IDC_DD_UNIQUE_REF, m_strUniqueRef);
}

BOOL ShowDatabaseDetails(CBowlingDoc* pDoc, DWORD dwKey)
{
    CPlayer player;
    player.m_dwDbKey = dwKey;
    if (pDoc->GetDbasePlayer(&player) != 0)
        return FALSE;
    CDatabaseDetailsDlg dlg;
    dlg.CopyFrom(player);
    dlg.DoModal();
    return TRUE;
}
