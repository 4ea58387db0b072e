#pragma once

#include <string_view>

namespace tarnix {

// Reads a number from the start of an entry text, leniently: spaces, tabs and
// line feeds anywhere are dropped, reading stops at the first character that
// cannot continue the number, and a text without digits reads 0. "E" or "D"
// start an exponent; "&H" and "&O" start a hexadecimal or octal integer.
double ParseEntry(std::string_view text);

}  // namespace tarnix
