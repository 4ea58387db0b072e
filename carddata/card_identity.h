#pragma once

#include <array>
#include <cstdint>

#include "wiegand_format.h"

namespace tarnix {

// The 35-bit number a card identity holds (0 .. 2^35 - 1).
using IdentityNumber = std::uint64_t;
inline constexpr IdentityNumber kIdentityNumberLimit = IdentityNumber{1} << 35;

// The five bytes a card carries: the format byte (format index in bits 7..4,
// bit 3 unused, bits 34..32 of the number in bits 2..0) and four identity
// bytes holding bits 31..0, most significant first.
struct CardIdentity {
  std::uint8_t formatByte = 0;
  std::array<std::uint8_t, 4> identityBytes{};

  friend bool operator==(const CardIdentity&, const CardIdentity&) = default;
};

IdentityNumber IdentityNumberOf(const CardIdentity& identity);

// Everything a read shows, computed for every identity whatever its format.
struct DecodedIdentity {
  std::uint8_t format = 0;  // format index + 26; 26..37 name a table row
  IdentityNumber number = 0;
  std::uint8_t wg26FacilityByte = 0;
  std::int32_t wg26CardNumber = 0;
  std::int32_t wg37Facility = 0;
  std::int32_t wg37CardNumber = 0;
};

inline constexpr std::uint8_t kFirstFormatNumber = 26;

DecodedIdentity DecodeCardIdentity(const CardIdentity& identity);

// The table row the decoded format names; nullptr for formats 38 to 41.
const WiegandFormat* DecodedFormat(const DecodedIdentity& decoded);

}  // namespace tarnix
