#pragma once
// "Secretary's Note.": edits a notes item's title and its alignment, the body, whether the
// body is centred, and the two fonts.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/ReportDialogs.h"

class CRepItem_Notes;

class CSecretaryNoteDlg : public CDialog
{
public:
    enum { IDD = IDD_SECRETARY_NOTE };
    explicit CSecretaryNoteDlg(CRepItem_Notes* pItem, CWnd* pParent = nullptr);

    CString m_strTitle;   // at most 100 characters
    CString m_strBody;    // at most 2048 characters
    int m_bCentreBody;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnHeadingFont();
    void OnBodyFont();
    void OnSelchangeTitleAlign();
    void ShowFontDescriptions();

    CRepItem_Notes* m_pItem;
    DECLARE_MESSAGE_MAP()
};
