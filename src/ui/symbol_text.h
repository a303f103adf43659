#pragma once
// The text of a symbol box: the character its code stands for in a code page.

#include <string>

#include "model/code_page.h"

namespace zg {

// The character of symbol i (code 20h + i) as UTF-8; "" for a code the page
// leaves undefined or gives to a control character, and for i out of range.
std::string SymbolText(CodePage page, int i);

}  // namespace zg
