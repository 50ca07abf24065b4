#pragma once
// "Edit Subheading": a sub-heading's text, alignment, spacing and font. The font button works
// on the item's own font, so a chosen font stays even after Cancel.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/ReportDialogs.h"

class CRepItem_SubHeading;

class CEditSubheadingDlg : public CDialog
{
public:
    enum { IDD = IDD_EDIT_SUBHEADING };
    explicit CEditSubheadingDlg(CRepItem_SubHeading* pItem, CWnd* pParent = nullptr);

    int m_nAlign = 0;
    CString m_strText;
    int m_nSpaceAfter = 0;    // hundredths of an inch, 0..250
    int m_nSpaceBefore = 0;
    CString m_strFontDesc;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnFont();
    // Leaving a field checks the spaces at once.
    void OnKillFocusField() { UpdateData(TRUE); }

    CRepItem_SubHeading* m_pItem;

    DECLARE_MESSAGE_MAP()
};
