#pragma once
// Several controls of a dialog read at once, so that one comparison checks a row of them.
#include "DialogControls.h"

#include <initializer_list>
#include <string>
#include <vector>

inline std::vector<std::string> CtlTexts(CDialog& d, std::initializer_list<UINT> ids)
{
    std::vector<std::string> v;
    for (UINT id : ids)
        v.push_back(Ctl(d, id).text.GetString());
    return v;
}

inline std::vector<int> CtlChecks(CDialog& d, std::initializer_list<UINT> ids)
{
    std::vector<int> v;
    for (UINT id : ids)
        v.push_back(Ctl(d, id).check);
    return v;
}

inline std::vector<bool> CtlEnabled(CDialog& d, std::initializer_list<UINT> ids)
{
    std::vector<bool> v;
    for (UINT id : ids)
        v.push_back(Ctl(d, id).enabled);
    return v;
}

using Strs = std::vector<std::string>;
