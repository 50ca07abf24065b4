#pragma once
// "Fixtures by Week.": the heading and detail fonts of a round's fixture list. The font
// buttons change the item at once; the item's Edit puts them back after Cancel.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/ReportDialogs.h"

class CRepItem_FixWeek;

class CFixturesByWeekDlg : public CDialog
{
public:
    enum { IDD = IDD_FIXTURES_BY_WEEK };
    explicit CFixturesByWeekDlg(CRepItem_FixWeek* pItem, CWnd* pParent = nullptr);

    CRepItem_FixWeek* m_pItem;
    int m_bApplyToAll = 0;   // " Apply to all.": the fonts go to every such item of the layout

protected:
    BOOL OnInitDialog() override;
    void OnHeadingFont();
    void OnDetailFont();
    void OnApplyToAll();
    void ShowFontDescriptions();

    DECLARE_MESSAGE_MAP()
};
