#pragma once
// "Design Custom Player Stats": the kind, one to three blocks, the ranked list's key and
// bowler groups, the list by team with its substitutes, team-average line and gap, the fonts
// with "Make Default", and the columns, widths in percent of a block.
#include "reports/stats/ColumnDesignerDlg.h"
#include "reports/stats/PlayerItem.h"

class CRepItem_CustomPlayerStats;

class CDesignCustomPlayerStatsDlg : public CColumnDesignerDlg
{
public:
    enum { IDD = IDD_DESIGN_CUSTOM_PLAYER_STATS };
    explicit CDesignCustomPlayerStatsDlg(CRepItem_CustomPlayerStats* pItem, CWnd* pParent = nullptr);

    int m_bApplyToAll = 0;      // the fonts go to every other such table of the layout
    BOOL m_bMadeDefault = FALSE; // "Make Default" wrote the league's default fonts

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

    int GetTypeCount() const override { return PC_ERROR; }
    const char* GetTypeName(int nType) const override { return GetPlayerColumnName(nType); }
    CString FormatWidth(int nWidth) const override;
    CString FormatSpace(int nSpace) const override;
    BOOL StoreWidth() override;

    void OnSelChangeLayout();
    void OnSelChangeKind();
    void OnByTeam();
    void OnSubsOnly();
    void OnTeamAverages();
    void OnSelChangeTotalStyle();
    void OnKillFocusGap();
    void OnGroup();
    void OnSelChangeRank();
    void OnApplyToAll();
    void OnMakeDefault();
    void EnableListByTeam();
    // The question a new layout or kind asks; Yes replaces the design by the default one.
    void OfferDefaultDesign();

    // Which fields an exchange reads: a box that loses the focus is checked alone.
    enum { EX_WIDTH = 1, EX_GAP = 2, EX_OTHERS = 4, EX_ALL = 7 };
    BOOL Exchange(int nWhich);

    CRepItem_CustomPlayerStats* m_pItem;
    TDesignColumns<CRepItem_PlayerItem> m_itemColumns;
    int m_nExchange = EX_ALL;
    int m_nWidth = 0;
    int m_nGap = 0;

    DECLARE_MESSAGE_MAP()
};
