#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "card_identity.h"
#include "wiegand_format.h"

namespace tarnix {

inline constexpr std::uint8_t kControlWrite = 4;
inline constexpr std::uint8_t kControlWriteAndLock = 5;

// The six bytes handed to the reader: a control byte, then the identity.
struct WriteBlock {
  std::uint8_t controlByte = kControlWrite;
  CardIdentity identity;

  std::array<std::uint8_t, 6> Bytes() const;
  friend bool operator==(const WriteBlock&, const WriteBlock&) = default;
};

struct EncodedWrite {
  WriteBlock block;
  // What the number advance starts from: the converted card number for WG26
  // and WG37 (a whole number), the unrounded number as read for WG27 to WG36.
  double keptValue = 0;
};

// Packs the texts of the format's entries (in the order of its fields) into
// the block written to a card. Throws RangeError, naming the format, the entry
// and its accepted range, when a number does not fit; then nothing is packed.
EncodedWrite EncodeWriteBlock(FormatIndex format, bool lock,
                              std::span<const std::string_view> entryTexts);

}  // namespace tarnix
