#pragma once

#include <string>

namespace tarnix {

// Decimal text of a number: no grouping, no leading zeros, at most 15
// significant digits; whole numbers of card size never use an exponent, and a
// fraction keeps its fractional digits ("124.25").
std::string FormatPlain(double value);

// FormatPlain with "0" put in front up to width characters; longer texts are
// left as they are.
std::string FormatPadded(double value, int width);

}  // namespace tarnix
