#pragma once
// "Standing Layout Edit.": composes a report layout. It works on copies of the layout's items,
// so Cancel leaves the layout as it was; OK puts the copies, the title and the title font in.
// While it is open the document's editor list points at the copies, so that an item's own
// options dialog can apply its fonts to every item of its type.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/ViewDialogs.h"
#include "view/RepForm.h"

class CBowlingDoc;

class CReportLayoutDlg : public CDialog
{
public:
    enum { IDD = IDD_REPORT_LAYOUT };
    CReportLayoutDlg(CBowlingDoc* pDoc, CRepForm* pForm, CWnd* pParent = nullptr);
    ~CReportLayoutDlg() override;

    CBowlingDoc* m_pDoc;
    CRepForm* m_pForm;   // the layout edited
    CRepForm m_work;     // the editor's copies

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void OnAdd();
    void OnEdit();
    void OnDelete();
    void OnUp();
    void OnDown();
    void OnFont();

    CListBox* ItemList() const;
    CRepItem* SelectedItem(int* pnIndex = nullptr) const;
    void FillItems(int nSelect);
    void ShowFont();
    void Move(int nBy);
    void Close();
    DECLARE_MESSAGE_MAP()
};
