#include "parse_entry.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>

namespace tarnix {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string WithoutBlanks(std::string_view text) {
  std::string compact;
  compact.reserve(text.size());
  for (char c : text)
    if (c != ' ' && c != '\t' && c != '\n') compact.push_back(c);
  return compact;
}

// "&H1F" and "&O17": an unsigned integer in that base; anything else after
// "&" reads 0. Too many digits for 64 bits is too large for any entry.
double ParseRadixInteger(std::string_view afterAmpersand) {
  if (afterAmpersand.empty()) return 0;
  int base = 0;
  switch (afterAmpersand.front()) {
    case 'H': case 'h': base = 16; break;
    case 'O': case 'o': base = 8; break;
    default: return 0;
  }
  std::uint64_t value = 0;
  const auto digits = afterAmpersand.substr(1);
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
  (void)end;
  if (error == std::errc::result_out_of_range) return kInfinity;
  return error == std::errc{} ? static_cast<double>(value) : 0;
}

// from_chars leaves its target alone when the number is beyond a double, so
// whether that is an overflow (infinity) or an underflow (zero) is told from
// the decimal magnitude: the position of the first significant digit plus
// the exponent.
double BeyondDouble(std::string_view mantissa, std::string_view exponent) {
  const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
  const std::size_t first = mantissa.find_first_of("123456789");
  if (first == std::string_view::npos) return 0;
  long long magnitude = first < point ? static_cast<long long>(point - first)
                                      : -static_cast<long long>(first - point - 1);
  if (!exponent.empty()) {
    const bool negative = exponent.front() == '-';
    if (exponent.front() == '-' || exponent.front() == '+') exponent.remove_prefix(1);
    long long value = 0;
    const auto [end, error] = std::from_chars(exponent.data(), exponent.data() + exponent.size(), value);
    (void)end;
    // Any exponent this large decides the outcome alone; capping it keeps the
    // sum below from overflowing.
    constexpr long long kDecisiveExponent = std::numeric_limits<long long>::max() / 4;
    if (error == std::errc::result_out_of_range || value > kDecisiveExponent) value = kDecisiveExponent;
    magnitude = negative ? magnitude - value : magnitude + value;
  }
  return magnitude > 0 ? kInfinity : 0;
}

double ParseDecimal(std::string_view text) {
  std::size_t pos = 0;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';

  const std::size_t mantissaStart = pos;
  bool seenPoint = false;
  bool seenDigit = false;
  for (; pos < text.size(); ++pos) {
    if (IsDigit(text[pos])) {
      seenDigit = true;
    } else if (text[pos] == '.' && !seenPoint) {
      seenPoint = true;
    } else {
      break;
    }
  }
  if (!seenDigit) return 0;
  const std::string_view mantissa = text.substr(mantissaStart, pos - mantissaStart);

  // An exponent counts only when at least one digit follows its letter.
  std::string_view exponent;
  if (pos < text.size() && (text[pos] == 'E' || text[pos] == 'e' || text[pos] == 'D' || text[pos] == 'd')) {
    std::size_t end = pos + 1;
    if (end < text.size() && (text[end] == '+' || text[end] == '-')) ++end;
    const std::size_t digitsStart = end;
    while (end < text.size() && IsDigit(text[end])) ++end;
    if (end > digitsStart) exponent = text.substr(pos + 1, end - pos - 1);
  }

  std::string number(mantissa);
  if (!exponent.empty()) number.append("e").append(exponent);
  double value = 0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  (void)end;
  if (error == std::errc::result_out_of_range) value = BeyondDouble(mantissa, exponent);
  return negative ? -value : value;
}

}  // namespace

double ParseEntry(std::string_view text) {
  const std::string compact = WithoutBlanks(text);
  if (!compact.empty() && compact.front() == '&') return ParseRadixInteger(std::string_view(compact).substr(1));
  return ParseDecimal(compact);
}

}  // namespace tarnix
