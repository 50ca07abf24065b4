#pragma once
// "Custom Standings Report Designer.": the standings kind and the points a combined table adds,
// the colours of the first three places, the fonts and the columns, widths in inches.
#include "reports/stats/ColumnDesignerDlg.h"
#include "reports/stats/CustomItem.h"

class CRepItem_CustomStandings;

class CCustomStandingsDesignerDlg : public CColumnDesignerDlg
{
public:
    enum { IDD = IDD_CUSTOM_STANDINGS_DESIGNER };
    explicit CCustomStandingsDesignerDlg(CRepItem_CustomStandings* pItem, CWnd* pParent = nullptr);

    int m_bAddHandicap = 0;
    int m_bAddScratch = 0;
    int m_bAddPyramidHandicap = 0;
    int m_bAddPyramidScratch = 0;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

    int GetTypeCount() const override { return CC_ERROR; }
    const char* GetTypeName(int nType) const override { return GetCustomColumnName(nType); }
    CString FormatWidth(int nWidth) const override;
    CString FormatSpace(int nSpace) const override;
    BOOL StoreWidth() override;

    void OnColour(UINT nID);
    void OnSelChangeKind();
    void ShowColours();
    void EnablePointKinds();

    CRepItem_CustomStandings* m_pItem;
    TDesignColumns<CRepItem_CustomItem> m_itemColumns;

    DECLARE_MESSAGE_MAP()
};
