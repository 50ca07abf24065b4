#include "framework/ui/Resources.h"

#include <algorithm>
#include <map>

namespace {
struct Registry {
    std::map<UINT, const DlgTemplate*> dialogs;
    std::map<UINT, const MenuTemplate*> menus;
    std::map<UINT, const ToolbarTemplate*> toolbars;
    std::map<UINT, const AcceleratorTable*> accelerators;
    std::map<UINT, const char*> strings;
};
Registry& Reg()
{
    static Registry r;
    return r;
}
}  // namespace

void AfxRegisterDialogTemplates(std::span<const DlgTemplate> templates)
{
    for (const DlgTemplate& t : templates) {
        ASSERT(!Reg().dialogs.count(t.id) || Reg().dialogs[t.id] == &t);  // ids are unique
        Reg().dialogs[t.id] = &t;
    }
}
void AfxRegisterMenu(const MenuTemplate& menu) { Reg().menus[menu.id] = &menu; }
void AfxRegisterToolbar(const ToolbarTemplate& toolbar) { Reg().toolbars[toolbar.id] = &toolbar; }
void AfxRegisterAccelerators(const AcceleratorTable& table) { Reg().accelerators[table.id] = &table; }
void AfxRegisterStrings(std::span<const StringEntry> strings)
{
    for (const StringEntry& s : strings)
        Reg().strings[s.id] = s.text;
}

const DlgTemplate* AfxFindDialogTemplate(UINT nID)
{
    auto it = Reg().dialogs.find(nID);
    return it == Reg().dialogs.end() ? nullptr : it->second;
}
std::vector<const DlgTemplate*> AfxAllDialogTemplates()
{
    std::vector<const DlgTemplate*> all;
    for (const auto& [id, t] : Reg().dialogs)
        all.push_back(t);
    return all;
}
const MenuTemplate* AfxFindMenu(UINT nID)
{
    auto it = Reg().menus.find(nID);
    return it == Reg().menus.end() ? nullptr : it->second;
}
const ToolbarTemplate* AfxFindToolbar(UINT nID)
{
    auto it = Reg().toolbars.find(nID);
    return it == Reg().toolbars.end() ? nullptr : it->second;
}
const AcceleratorTable* AfxFindAccelerators(UINT nID)
{
    auto it = Reg().accelerators.find(nID);
    return it == Reg().accelerators.end() ? nullptr : it->second;
}
CString AfxLoadString(UINT nID)
{
    auto it = Reg().strings.find(nID);
    return it == Reg().strings.end() ? CString() : CString(it->second);
}
BOOL AfxHasString(UINT nID) { return Reg().strings.count(nID) != 0; }
