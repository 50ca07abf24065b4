#pragma once
// "Export File Fields": the fields of the players' text file are chosen from the left list
// (">>" or a double click) into the right one, in order and as often as wanted, and taken
// out again ("<<" or a double click). A database export offers only the record's fields.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/ViewDialogs.h"

#include <vector>

class CExportFieldsDlg : public CDialog
{
public:
    enum { IDD = IDD_EXPORT_FIELDS };
    explicit CExportFieldsDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    DWORD m_bDatabase = 0;
    int m_bDoubleQuotes = FALSE;
    std::vector<int> m_fields;  // after OK: the field numbers chosen, in order

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnAdd();
    void OnRemove();

    DECLARE_MESSAGE_MAP()

private:
    CListBox* List(UINT nID) const { return static_cast<CListBox*>(GetDlgItem(nID)); }
};
