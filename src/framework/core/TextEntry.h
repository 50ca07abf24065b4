#pragma once
// Text a person typed (UTF-8) made into the program's single-byte text by one rule for every
// text box: a letter the single-byte text cannot hold becomes its plain Latin letter (Ł to L,
// ź to z) and the change is told; a character with no such letter is refused by name. Nothing
// is ever stored as "?" in its place.
#include <string>
#include <string_view>

#include "framework/core/String.h"

struct CTypedText {
    CString text;         // what is kept: the refused characters left out
    std::string changed;  // "Ł to L, ź to z" (UTF-8), each change once
    std::string refused;  // "中 ✓" (UTF-8), each character once
};

// cRefused, when given, stands in the text for each refused character (for showing a path).
CTypedText AfxTextFromTyped(std::string_view utf8, char cRefused = 0);
