#pragma once
// Checks on values read from a league file: a value that the program would use as an index
// or a size must lie in its range, or the file is refused as corrupt.
#include "framework/core/Archive.h"

// Throws the archive's corrupt-file exception: "The file holds <what> of <value>, outside
// <lo>..<hi>."
[[noreturn]] void ThrowOutOfRange(const char* pszWhat, long long nValue, long long nLo, long long nHi);

template <class T>
inline void CheckRange(T value, long long nLo, long long nHi, const char* pszWhat)
{
    long long v = static_cast<long long>(value);
    if (v < nLo || v > nHi)
        ThrowOutOfRange(pszWhat, v, nLo, nHi);
}
