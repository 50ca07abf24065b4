#pragma once
// "Average Busters report item": the item's two fonts, chosen on the item itself, how many
// bowlers it lists and whether it lists the current round's totals.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/ReportDialogs.h"

class CBowlingDoc;
class CRepItem_AvgBusters;

class CAvgBustersItemDlg : public CDialog
{
public:
    enum { IDD = IDD_AVG_BUSTERS_ITEM };
    CAvgBustersItemDlg(CBowlingDoc* pDoc, CRepItem_AvgBusters* pItem, CWnd* pParent = nullptr);

    CString m_strHeaderDesc;
    CString m_strDetailDesc;
    BYTE m_nDisplay = 0;       // 1..100
    int m_bCurrentRound = 0;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void DescribeFonts();
    void OnHeaderFont();
    void OnDetailFont();
    void OnCurrentRound();

    CBowlingDoc* m_pDoc;
    CRepItem_AvgBusters* m_pItem;
    DECLARE_MESSAGE_MAP()
};
