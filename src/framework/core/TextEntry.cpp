#include "framework/core/TextEntry.h"

#include <algorithm>

namespace {

// The plain letter of each letter of U+0100..U+024F and U+1E00..U+1EFF, '-' where none stands
// for it (ligatures, letters of other alphabets, signs).
constexpr std::string_view kLatinExtended =
    "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIi--JjKkkLlLlLlL"
    "lLlNnNnNnnNnOoOoOo--RrRrRrSsSsSsSsTtTtTtUuUuUuUuUuUuWwYyYZzZzZzs"
    "bB-------DD------FfG---IKkl--Nn-Oo--Pp-----tTtTUu-VYyZz---------"
    "-------------AaIiOoUuUuUuUuUu-AaAa----GgKkOoOo--j---Gg--NnAa----"
    "AaAaEeEeIiIiOoOoRrRrUuUuSsTt--Hh-d----AaEeOoOoOoOoYylntj--ACcLT-"
    "---B--EeJj--RrYy";
constexpr std::string_view kLatinAdditional =
    "AaBbBbBbCcDdDdDdDdDdEeEeEeEeEeFfGgHhHhHhHhHhIiIiKkKkKkLlLlLlLlMm"
    "MmMmNnNnNnNnOoOoOoOoPpPpRrRrRrRrSsSsSsSsSsTtTtTtTtUuUuUuUuUuVvVv"
    "WwWwWwWwWwXxXxYyZzZzZzhtwy----S-AaAaAaAaAaAaAaAaAaAaAaAaEeEeEeEe"
    "EeEeEeEeIiIiOoOoOoOoOoOoOoOoOoOoOoOoUuUuUuUuUuUuUuYyYyYyYy------";

char BaseLetter(char32_t cp)
{
    char c = '-';
    if (cp >= 0x100 && cp < 0x100 + kLatinExtended.size())
        c = kLatinExtended[cp - 0x100];
    else if (cp >= 0x1E00 && cp < 0x1E00 + kLatinAdditional.size())
        c = kLatinAdditional[cp - 0x1E00];
    return c == '-' ? 0 : c;
}

void AddOnce(std::string& list, const std::string& item, const char* sep)
{
    // Items are whole: compare against the separated entries.
    std::string padded = sep + list + sep;
    if (padded.find(sep + item + sep) != std::string::npos)
        return;
    if (!list.empty())
        list += sep;
    list += item;
}

} // namespace

CTypedText AfxTextFromTyped(std::string_view utf8, char cRefused)
{
    CTypedText out;
    std::string kept;
    size_t i = 0;
    while (i < utf8.size()) {
        unsigned char c = static_cast<unsigned char>(utf8[i]);
        size_t len = c < 0x80 ? 1 : (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 1;
        len = std::min(len, utf8.size() - i);
        std::string ch(utf8.substr(i, len));
        i += len;
        char32_t cp = len == 1 ? c : c & (0x7F >> len);
        for (size_t k = 1; k < len; ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(ch[k]) & 0x3F);
        CString single = CString::FromUtf8(ch);
        if (single.GetLength() == 1 && (single[0] != '?' || cp == '?')) {
            kept += single[0];
            continue;
        }
        if (cp >= 0x300 && cp < 0x370) {
            // An accent typed apart from its letter: the plain letter stays.
            AddOnce(out.changed, "\xE2\x97\x8C" + ch + " left out", ", ");
            continue;
        }
        if (char base = BaseLetter(cp)) {
            kept += base;
            AddOnce(out.changed, ch + " to " + base, ", ");
            continue;
        }
        AddOnce(out.refused, ch, " ");
        if (cRefused)
            kept += cRefused;
    }
    out.text = CString(std::move(kept));
    return out;
}
