#pragma once
// "Outstanding Matches.": the heading's text, alignment and print-always flag and the two
// fonts. The font buttons work on the item's own fonts, so a chosen font stays after Cancel.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/ReportDialogs.h"

class CRepItem_LateGames;

class COutstandingMatchesDlg : public CDialog
{
public:
    enum { IDD = IDD_OUTSTANDING_MATCHES };
    explicit COutstandingMatchesDlg(CRepItem_LateGames* pItem, CWnd* pParent = nullptr);

    int m_bPrintAlways = 0;
    CString m_strTitle;
    int m_nAlign = 0;
    CString m_strHeadingDesc;
    CString m_strDetailDesc;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnHeadingFont();
    void OnDetailFont();
    void DescribeFonts();

    CRepItem_LateGames* m_pItem;

    DECLARE_MESSAGE_MAP()
};
