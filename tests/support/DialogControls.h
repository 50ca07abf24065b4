#pragma once
// Reaching a dialog's controls from a test. A control the dialog lacks throws, so the test fails
// naming the id instead of reading through a null pointer.
#include "framework/ui/Dialog.h"

#include <stdexcept>
#include <string>
#include <vector>

inline CControlState& Ctl(CDialog& d, UINT id)
{
    CControlState* s = d.FindControl(id);
    if (!s)
        throw std::runtime_error("no control " + std::to_string(id));
    return *s;
}

// The texts of a list or combo box, in order.
inline std::vector<std::string> Items(CDialog& d, UINT id)
{
    std::vector<std::string> v;
    for (const CtlItem& item : Ctl(d, id).items)
        v.push_back(item.text.GetString());
    return v;
}

// The text of the selected entry, "<none>" with nothing selected.
inline std::string Selected(CDialog& d, UINT id)
{
    CControlState& s = Ctl(d, id);
    return s.curSel >= 0 ? s.items[static_cast<size_t>(s.curSel)].text.GetString() : std::string("<none>");
}
