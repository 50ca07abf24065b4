#pragma once
// "Floating Subs Report Item Fonts": the floating substitutes item's three fonts and its
// column layout, chosen on the item itself.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/ReportDialogs.h"

class CBowlingDoc;
class CRepItem_Floaters;

class CFloatingSubsFontsDlg : public CDialog
{
public:
    enum { IDD = IDD_FLOATING_SUBS_FONTS };
    CFloatingSubsFontsDlg(CBowlingDoc* pDoc, CRepItem_Floaters* pItem, CWnd* pParent = nullptr);

    CString m_strTitleDesc;
    CString m_strHeadingDesc;
    CString m_strDetailDesc;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void DescribeFonts();
    void OnTitleFont();
    void OnHeadingFont();
    void OnDetailFont();
    void OnColumnsChange();

    CBowlingDoc* m_pDoc;
    CRepItem_Floaters* m_pItem;
    DECLARE_MESSAGE_MAP()
};
