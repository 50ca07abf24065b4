#include "results/SelectBowlersDlg.h"

#include "league/BowlingDoc.h"
#include "league/Player.h"

BEGIN_MESSAGE_MAP(CSelectBowlersDlg, CDialog)
    ON_LBN_DBLCLK(IDC_SELECT_BOWLERS_LIST, OnDblClkList)
END_MESSAGE_MAP()

BOOL CSelectBowlersDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CListBox* pList = static_cast<CListBox*>(GetDlgItem(IDC_SELECT_BOWLERS_LIST));
    for (POSITION pos = m_pDoc->m_listPlayers.GetHeadPosition(); pos;) {
        CPlayer* pPlayer = static_cast<CPlayer*>(m_pDoc->m_listPlayers.GetNext(pos));
        // Robots and resigned bowlers are marked as in every list of bowlers.
        const CString strName = pPlayer->IsRobot() || pPlayer->IsResigned() ? "~" + pPlayer->m_strName
                                                                            : pPlayer->m_strName;
        pList->SetItemDataPtr(pList->AddString(strName), pPlayer);
    }
    if (pList->GetCount() > 0)
        pList->SetSel(0);
    GotoDlgCtrl(pList);
    return FALSE;
}

void CSelectBowlersDlg::OnOK()
{
    CListBox* pList = static_cast<CListBox*>(GetDlgItem(IDC_SELECT_BOWLERS_LIST));
    CPtrArray arr;
    for (int i = 0; i < pList->GetCount(); ++i)
        if (pList->GetSel(i) > 0)
            arr.Add(pList->GetItemDataPtr(i));
    if (arr.GetSize() == 0)
        return;
    m_pDoc->m_arrSelectedPlayers.Copy(arr);
    EndDialog(IDOK);
}
