// The tab chain of every dialog on the real widgets: Tab and Shift+Tab walk the template's tab
// stops in template order and wrap; other controls take the focus by a click only.
#include <gtest/gtest.h>

#include "RealDialogs.h"
#include "resources/Resource.h"

namespace {
bool TakesFocus(const DlgControl& c)
{
    return c.kind != CtlKind::Static && c.kind != CtlKind::Frame && c.kind != CtlKind::GroupBox &&
           !(c.style & (WS_DISABLED | WS_HIDDEN));
}
}  // namespace

TEST(TabChain, EveryDialogTabsThroughItsTemplatesTabStopsInOrder)
{
    RegisterResources();
    const std::vector<const DlgTemplate*> all = AfxAllDialogTemplates();
    ASSERT_GT(all.size(), 50u);
    CRealUi ui;
    for (const DlgTemplate* t : all) {
        SCOPED_TRACE(t->id);
        std::vector<UINT> stops;
        for (const DlgControl& c : t->controls)
            if ((c.style & WS_TABSTOP) && TakesFocus(c))
                stops.push_back(c.id);
        std::vector<UINT> forward, backward;
        ui.OnDialog(t->id, [&](CRealDialog& d) {
            forward.push_back(d.FocusID());
            for (size_t i = 0; i < stops.size(); ++i)
                forward.push_back(d.Tab().FocusID());
            for (size_t i = 0; i < stops.size(); ++i)
                backward.push_back(d.BackTab().FocusID());
            d.Escape();
        });
        CDialog dlg(t->id);
        dlg.DoModal();
        if (stops.empty())
            continue;
        // From the first stop round to it again, and back the other way.
        std::vector<UINT> expected = stops;
        expected.push_back(stops.front());
        EXPECT_EQ(forward, expected);
        std::vector<UINT> back(stops.rbegin(), stops.rend());
        EXPECT_EQ(backward, back);
    }
    EXPECT_EQ(ui.dialogsOpened.size(), all.size());
}

namespace {
enum : UINT { IDD_TAB_SAMPLE = 9102, IDC_T_NAME = 1301, IDC_T_TEAM, IDC_T_SCORE, IDC_T_ACTIVE };

const DlgTemplate kTabSample = {IDD_TAB_SAMPLE, "Tab Sample", 200, 100, {
    {CtlKind::Static, IDC_STATIC, "Name:", 7, 9, 40, 8},
    {CtlKind::Edit, IDC_T_NAME, nullptr, 50, 7, 80, 12, WS_TABSTOP},
    {CtlKind::ComboBox, IDC_T_TEAM, nullptr, 50, 22, 80, 60, CBS_DROPDOWN},
    {CtlKind::GroupBox, IDC_STATIC, "&Figures", 4, 36, 150, 30},
    {CtlKind::Static, IDC_STATIC, "&Score:", 7, 48, 40, 8},
    {CtlKind::Edit, IDC_T_SCORE, nullptr, 50, 46, 30, 12, WS_TABSTOP},
    {CtlKind::CheckBox, IDC_T_ACTIVE, "Active", 7, 70, 60, 10},
    {CtlKind::PushButton, IDOK, "OK", 90, 78, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
    {CtlKind::PushButton, IDCANCEL, "Cancel", 145, 78, 50, 14},
}};
}  // namespace

TEST(TabChain, OtherControlsTakeTheFocusByAClickAndALabelsMnemonicByItsLetter)
{
    AfxRegisterDialogTemplates(std::span<const DlgTemplate>(&kTabSample, 1));
    CRealUi ui;
    ui.OnDialog(IDD_TAB_SAMPLE, [](CRealDialog& d) {
        EXPECT_EQ(d.FocusID(), static_cast<UINT>(IDC_T_NAME));
        EXPECT_EQ(d.Click(IDC_T_TEAM).FocusID(), static_cast<UINT>(IDC_T_TEAM));
        EXPECT_EQ(d.Dialog().GetFocusID(), static_cast<UINT>(IDC_T_TEAM));
        // On from where the click left it, to the next stop.
        EXPECT_EQ(d.Tab().FocusID(), static_cast<UINT>(IDC_T_SCORE));
        EXPECT_EQ(d.Alt('s').FocusID(), static_cast<UINT>(IDC_T_SCORE));
        EXPECT_EQ(d.Tab().Tab().Alt('s').FocusID(), static_cast<UINT>(IDC_T_SCORE));
        EXPECT_EQ(d.Dialog().GetFocusID(), static_cast<UINT>(IDC_T_SCORE));
        EXPECT_EQ(d.Text(IDC_T_ACTIVE), "0");
        d.Click(IDC_T_ACTIVE);
        EXPECT_EQ(d.Text(IDC_T_ACTIVE), "1");
        EXPECT_EQ(d.FocusID(), static_cast<UINT>(IDC_T_ACTIVE));
        EXPECT_EQ(d.Tab().FocusID(), static_cast<UINT>(IDOK));
        d.Escape();
    });
    CDialog dlg(IDD_TAB_SAMPLE);
    dlg.DoModal();
}
