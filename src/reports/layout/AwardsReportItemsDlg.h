#pragma once
// "Awards Report Items.": the awards item's style, the hi-award listing's columns, the
// individual report's choices and the two fonts. The font buttons work on the item's own
// fonts, so a chosen font stays after Cancel; everything else is taken only after OK.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/ReportDialogs.h"

class CRepItem_Awards;

class CAwardsReportItemsDlg : public CDialog
{
public:
    enum { IDD = IDD_AWARDS_REPORT_ITEMS };
    explicit CAwardsReportItemsDlg(CRepItem_Awards* pItem, CWnd* pParent = nullptr);

    // The item's settings after OK.
    void SaveTo(CRepItem_Awards& item) const;

    int m_nStyle = 0;               // 0 hi-award listing, 1 individual report
    int m_nToList = 0;
    int m_bNotUsed[4] = {};
    int m_bAllRounds = 0;
    int m_bAllAwards = 0;
    int m_bCurrentWeek = 0;
    int m_nRoundFrom = 0;
    int m_nRoundTo = 0;
    int m_bFirstOnly = 0;
    int m_bHighestOnly = 0;
    int m_bExcludeResigned = 0;
    int m_bTitle = 0;
    int m_bApplyFonts = 0;
    CString m_strHeadingDesc;
    CString m_strDetailDesc;
    // Taken from the lists by OnOK: category ids (0 with no selection) and filters.
    WORD m_nColumnAward[4] = {};
    BYTE m_nColumnFilter[4] = {};
    WORD m_nIndividualAward = 0;
    BYTE m_nIndividualFilter = 0;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void UpdateEnabling();
    void OnStyle();
    void OnNotUsed();
    void OnAllAwards();
    void OnAllRounds();
    void OnCurrentWeek();
    void OnFirstOnly();
    void OnHighestOnly();
    void OnHeadingFont();
    void OnDetailFont();
    void DescribeFonts();
    // Ticking one box of a pair that exclude each other clears the other.
    void Exclusive(UINT nClicked, UINT nOther);

    CRepItem_Awards* m_pItem;

    DECLARE_MESSAGE_MAP()
};
