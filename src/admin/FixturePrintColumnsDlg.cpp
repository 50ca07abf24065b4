#include "admin/FixturePrintColumnsDlg.h"

#include "league/BowlingDoc.h"

void CFixturePrintColumnsDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_FPC_COLUMNS, m_nColumns);
    DDV_MinMaxUInt(pDX, m_nColumns, 1, 3);
}

BOOL CFixturePrintColumnsDlg::Run(CBowlingDoc* pDoc)
{
    CFixturePrintColumnsDlg dlg;
    // A damaged value from a file is shown as the one column it prints as.
    const BYTE nNow = pDoc->m_nFixturePrintColumns;
    dlg.m_nColumns = nNow >= 1 && nNow <= 3 ? nNow : 1;
    if (dlg.DoModal() != IDOK)
        return FALSE;
    pDoc->m_nFixturePrintColumns = static_cast<BYTE>(dlg.m_nColumns);
    pDoc->SetModifiedFlag();
    pDoc->UpdateAllViews(nullptr);
    return TRUE;
}
