#pragma once
// "Edit line details": a line item's space before and after, width and thickness.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/ReportDialogs.h"

class CEditLineDlg : public CDialog
{
public:
    enum { IDD = IDD_EDIT_LINE };
    explicit CEditLineDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    int m_nSpaceBefore = 0;   // hundredths of an inch, 0..250
    int m_nWidth = 0;         // percent, 0..100 (0: no line)
    int m_nSpaceAfter = 0;    // 0..250
    int m_nThickness = 1;     // 1..4

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
