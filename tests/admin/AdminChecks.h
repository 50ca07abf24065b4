#pragma once
// Several fields read at once, so one check states what a dialog or a league holds.
#include "DialogControls.h"

#include <initializer_list>
#include <string>
#include <vector>

// Integers of any type, compared as one list.
template <typename... T>
std::vector<long long> Nums(T... v)
{
    return {static_cast<long long>(v)...};
}

// Pointers of any type, compared as one list.
template <typename... T>
std::vector<const void*> Ptrs(const T&... p)
{
    return {static_cast<const void*>(p)...};
}

// Strings of the league (CString), compared as one list.
template <typename... T>
std::vector<std::string> Strs(const T&... v)
{
    return {std::string(v.GetString())...};
}

inline std::vector<std::string> TextsOf(CDialog& d, std::initializer_list<UINT> ids)
{
    std::vector<std::string> v;
    for (UINT id : ids)
        v.push_back(Ctl(d, id).text.GetString());
    return v;
}

inline std::vector<int> ChecksOf(CDialog& d, std::initializer_list<UINT> ids)
{
    std::vector<int> v;
    for (UINT id : ids)
        v.push_back(Ctl(d, id).check);
    return v;
}

// One '1' or '0' a control, in the order given: "10" is the first enabled, the second not.
inline std::string EnabledOf(CDialog& d, std::initializer_list<UINT> ids)
{
    std::string s;
    for (UINT id : ids)
        s += Ctl(d, id).enabled ? '1' : '0';
    return s;
}

inline std::string VisibleOf(CDialog& d, std::initializer_list<UINT> ids)
{
    std::string s;
    for (UINT id : ids)
        s += Ctl(d, id).visible ? '1' : '0';
    return s;
}
