#include "number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace tarnix {

namespace {

constexpr int kSignificantDigits = 15;
// Beyond these magnitudes a number cannot have come from a card or an
// advance; an exponent keeps its text short.
constexpr double kLargestFixed = 1e15;
constexpr double kSmallestFixed = 1e-4;

void DropTrailingZeros(std::string& text) {
  if (text.find('.') == std::string::npos || text.find('e') != std::string::npos) return;
  text.erase(text.find_last_not_of('0') + 1);
  if (text.back() == '.') text.pop_back();
}

}  // namespace

std::string FormatPlain(double value) {
  std::array<char, 64> buffer{};
  const double magnitude = std::fabs(value);
  std::to_chars_result written{};
  double whole = 0;
  if (std::isfinite(value) && std::modf(value, &whole) == 0 && magnitude < kLargestFixed) {
    written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), static_cast<std::int64_t>(value));
  } else if (std::isfinite(value) && magnitude < kLargestFixed && magnitude >= kSmallestFixed) {
    const int integerDigits = static_cast<int>(std::floor(std::log10(magnitude))) + 1;
    written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed,
                            kSignificantDigits - integerDigits);
  } else {
    written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general,
                            kSignificantDigits);
  }
  std::string text(buffer.data(), written.ptr);
  DropTrailingZeros(text);
  return text;
}

std::string FormatPadded(double value, int width) {
  std::string text = FormatPlain(value);
  if (static_cast<int>(text.size()) < width) text.insert(0, width - text.size(), '0');
  return text;
}

}  // namespace tarnix
