#pragma once

#include <cstdint>

namespace tarnix {

// Round to the nearest integer, halves to the even neighbour, and check the
// target's range; RangeError when it does not fit (infinity and NaN never do).
std::uint8_t ToByteChecked(double value);
std::int32_t ToLongChecked(double value);

// The largest integer not above value.
double Floor(double value);

}  // namespace tarnix
