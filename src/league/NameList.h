#pragma once
// How a notice names what it tells of: the first ten, the others counted. Every notice built
// from a list names it so, the read's and the player database's alike, so that none outgrows
// the screen however many bowlers, matches or values it tells of.
#include "framework/core/String.h"

#include <vector>

inline constexpr size_t kNamedInANotice = 10;

// "a, b and c"; of a longer list the first ten and "and 14 more", or "and 14 more matches"
// given the word for one more and for several. The names are parted by semicolons where one
// holds a comma, and always with bSemicolons (names that are phrases of their own).
CString NameList(const std::vector<CString>& names, const char* pszOneMore = nullptr, const char* pszMore = nullptr,
                 bool bSemicolons = false);
