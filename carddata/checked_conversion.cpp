#include "checked_conversion.h"

#include <cmath>
#include <string>

#include "number_text.h"
#include "range_error.h"

namespace tarnix {

namespace {

// nearbyint in the default rounding mode rounds halves to even; NaN fails
// every comparison and so every range check.
double RoundedWithin(double value, double lowest, double highest, const char* target) {
  const double rounded = std::nearbyint(value);
  if (!(rounded >= lowest && rounded <= highest))
    throw RangeError("The number " + FormatPlain(value) + " does not fit " + target + ".");
  return rounded;
}

}  // namespace

std::uint8_t ToByteChecked(double value) {
  return static_cast<std::uint8_t>(RoundedWithin(value, 0, 255, "a byte (0~255)"));
}

std::int32_t ToLongChecked(double value) {
  return static_cast<std::int32_t>(
      RoundedWithin(value, -2147483648.0, 2147483647.0, "a 32-bit number (-2147483648~2147483647)"));
}

double Floor(double value) { return std::floor(value); }

}  // namespace tarnix
