#pragma once
// Little-endian fields of the record and index files, and big-endian numbers
// inside index keys (so that keys order as unsigned numbers when compared bytewise).
#include "framework/core/Types.h"

#include <string>

inline DWORD GetLE32(const BYTE* p)
{
    return static_cast<DWORD>(p[0]) | (static_cast<DWORD>(p[1]) << 8) | (static_cast<DWORD>(p[2]) << 16) |
           (static_cast<DWORD>(p[3]) << 24);
}

inline WORD GetLE16(const BYTE* p)
{
    return static_cast<WORD>(p[0] | (p[1] << 8));
}

inline void PutLE32(BYTE* p, DWORD v)
{
    p[0] = static_cast<BYTE>(v);
    p[1] = static_cast<BYTE>(v >> 8);
    p[2] = static_cast<BYTE>(v >> 16);
    p[3] = static_cast<BYTE>(v >> 24);
}

inline void PutLE16(BYTE* p, WORD v)
{
    p[0] = static_cast<BYTE>(v);
    p[1] = static_cast<BYTE>(v >> 8);
}

inline void AppendBE32(std::string& s, DWORD v)
{
    s += static_cast<char>(v >> 24);
    s += static_cast<char>(v >> 16);
    s += static_cast<char>(v >> 8);
    s += static_cast<char>(v);
}

inline DWORD GetBE32(const char* p)
{
    const BYTE* b = reinterpret_cast<const BYTE*>(p);
    return (static_cast<DWORD>(b[0]) << 24) | (static_cast<DWORD>(b[1]) << 16) | (static_cast<DWORD>(b[2]) << 8) |
           static_cast<DWORD>(b[3]);
}
