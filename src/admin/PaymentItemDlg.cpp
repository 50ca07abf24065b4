#include "admin/PaymentItemDlg.h"

#include "admin/MoneyField.h"

#include <limits>

BEGIN_MESSAGE_MAP(CPaymentItemDlg, CDialog)
    ON_BN_CLICKED(IDC_PI_INDIVIDUAL, OnIndividual)
    ON_BN_CLICKED(IDC_PI_TEAM, OnTeam)
    ON_EN_KILLFOCUS(IDC_PI_AMOUNT, OnKillfocusAmount)
END_MESSAGE_MAP()

void CPaymentItemDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_PI_DESCRIPTION, m_strDescription);
    DDX_Text(pDX, IDC_PI_FROM, m_nFromRound);
    DDV_MinMaxInt(pDX, m_nFromRound, 0, 255);
    DDX_Text(pDX, IDC_PI_TO, m_nToRound);
    DDV_MinMaxInt(pDX, m_nToRound, 0, 255);
    DDX_Check(pDX, IDC_PI_INDIVIDUAL, m_bIndividual);
    DDX_Check(pDX, IDC_PI_TEAM, m_bTeam);
    DDX_Check(pDX, IDC_PI_OPTIONAL, m_bOptional);
}

BOOL CPaymentItemDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    ShowMoneyField(this, IDC_PI_AMOUNT, m_nAmount, "  ");
    return TRUE;
}

void CPaymentItemDlg::OnIndividual()
{
    CheckDlgButton(IDC_PI_TEAM, IsDlgButtonChecked(IDC_PI_INDIVIDUAL) ? 0 : 1);
}

void CPaymentItemDlg::OnTeam()
{
    CheckDlgButton(IDC_PI_INDIVIDUAL, IsDlgButtonChecked(IDC_PI_TEAM) ? 0 : 1);
}

BOOL CPaymentItemDlg::ReadAmount()
{
    // A due is never a credit: the sign is dropped.
    if (!ReadMoneyField(this, IDC_PI_AMOUNT, m_nAmount, "  "))
        return FALSE;
    if (m_nAmount < 0)
        m_nAmount = m_nAmount == std::numeric_limits<LONG>::min() ? std::numeric_limits<LONG>::max() : -m_nAmount;
    ShowMoneyField(this, IDC_PI_AMOUNT, m_nAmount, "  ");
    return TRUE;
}

void CPaymentItemDlg::OnKillfocusAmount()
{
    ReadAmount();
}

void CPaymentItemDlg::OnOK()
{
    if (!ReadAmount() || !UpdateData(TRUE))
        return;
    if (m_nFromRound != 0 && m_nToRound != 0 && m_nFromRound > m_nToRound) {
        AfxMessageBox("Start Round is after End Round!");
        return;
    }
    EndDialog(IDOK);
}
