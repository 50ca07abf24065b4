#include "admin/SimilarNamesDlg.h"

#include "admin/DatabaseDetailsDlg.h"
#include "admin/DatabasePlayerList.h"
#include "league/BowlingDoc.h"
#include "playerdb/PlayerDatabase.h"

#include <vector>

BEGIN_MESSAGE_MAP(CSimilarNamesDlg, CDialog)
    ON_LBN_SELCHANGE(IDC_SN_LIST, OnSelchangeList)
    ON_BN_CLICKED(IDC_SN_DISPLAY, OnDisplay)
END_MESSAGE_MAP()

CListBox* CSimilarNamesDlg::List() const
{
    return static_cast<CListBox*>(GetDlgItem(IDC_SN_LIST));
}

BOOL CSimilarNamesDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CListBox* pList = List();
    pList->SetItemData(pList->AddString("Add Player to the Database"), 0);
    // A record another bowler of this league holds is that bowler: linking a second one to it
    // would give both one record. It is not offered, but its namesakes are told from it.
    std::vector<CDatabaseListLine> lines;
    std::vector<CNamesake> records;
    for (int i = 0; i < m_keys.GetSize(); ++i) {
        if (m_pDoc->FindDbasePlayer(m_keys[i]) != 0) {
            AfxMessageBox("Player Database Error");
            continue;
        }
        const CPlayb003File& t = m_pDoc->m_pPlayerDb->GetTable();
        records.push_back(NamesakeOf(t));
        if (!m_pDoc->FindPlayerByDbKey(m_keys[i]))
            lines.push_back({t.m_strFirstName + " " + t.m_strSurname, m_keys[i], CString()});
    }
    TellNamesakesApart(lines, records);
    for (const CDatabaseListLine& line : lines)
        pList->SetItemData(pList->AddString(line.strText), line.dwKey);
    pList->SetCurSel(m_nChosen < static_cast<DWORD>(pList->GetCount()) ? static_cast<int>(m_nChosen) : 0);
    ShowAction();
    return TRUE;
}

void CSimilarNamesDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_SN_NAME, m_strName);
    DDX_Check(pDX, IDC_SN_STOP, m_bStopReporting);
}

void CSimilarNamesDlg::ShowAction()
{
    SetDlgItemText(IDC_SN_ACTION, List()->GetCurSel() > 0 ? "Using" : "Adding");
}

void CSimilarNamesDlg::OnSelchangeList()
{
    ShowAction();
}

void CSimilarNamesDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    // A record that could not be listed leaves a gap: the answer counts in m_keys, not in lines.
    m_nChosen = 0;
    const int nSel = List()->GetCurSel();
    const DWORD dwKey = nSel > 0 ? static_cast<DWORD>(List()->GetItemData(nSel)) : 0;
    for (int i = 0; dwKey && i < m_keys.GetSize(); ++i)
        if (m_keys[i] == dwKey) {
            m_nChosen = static_cast<DWORD>(i + 1);
            break;
        }
    EndDialog(IDOK);
}

void CSimilarNamesDlg::OnDisplay()
{
    const int nSel = List()->GetCurSel();
    if (nSel > 0)
        ShowDatabaseDetails(m_pDoc, static_cast<DWORD>(List()->GetItemData(nSel)));
}

int AskSimilarNames(CBowlingDoc* pDoc, const CString& strName, const CDWordArray& keys, DWORD& bStopReporting)
{
    bool bOffered = false;
    for (int i = 0; i < keys.GetSize() && !bOffered; ++i)
        bOffered = !pDoc->FindPlayerByDbKey(keys[i]);
    if (!bOffered)
        return 0;
    CSimilarNamesDlg dlg;
    dlg.m_pDoc = pDoc;
    dlg.m_strName = strName;
    dlg.m_keys.Copy(keys);
    dlg.m_bStopReporting = bStopReporting ? TRUE : FALSE;
    if (dlg.DoModal() != IDOK)
        return 0;
    bStopReporting = dlg.m_bStopReporting ? 1 : 0;
    return static_cast<int>(dlg.m_nChosen);
}
