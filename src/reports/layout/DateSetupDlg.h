#pragma once
// "Date Setup": a date item's style (with a sample of today in it), alignment, spacing and
// font. The font button works on the item's own font, so a chosen font stays after Cancel.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/ReportDialogs.h"

class CRepItem_Date;

class CDateSetupDlg : public CDialog
{
public:
    enum { IDD = IDD_DATE_SETUP };
    explicit CDateSetupDlg(CRepItem_Date* pItem, CWnd* pParent = nullptr);

    int m_nSpaceAfter = 0;    // hundredths of an inch, -1000..1000
    int m_nSpaceBefore = 0;
    int m_nAlign = 0;
    int m_nStyle = 0;
    CString m_strSample;
    CString m_strFontDesc;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnSelchangeStyle();
    void OnFont();
    void ShowSample();

    CRepItem_Date* m_pItem;

    DECLARE_MESSAGE_MAP()
};
