#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

#include "reader.h"

namespace tarnix {

// A reader that answers every call at once and holds one card: a read
// returns it, a write replaces it. It keeps nothing else, so what is
// measured is the window and its commands.
class InstantReader : public Reader {
 public:
  // WG37, facility 123, card number 456: a read selects WG37 and fills both
  // of its entries.
  std::uint8_t cardFormatByte = 0xB0;
  std::array<std::uint8_t, 4> cardIdentityBytes{0x03, 0xD8, 0x01, 0xC8};

 protected:
  std::int32_t RawGetsnr(std::uint8_t, std::uint8_t, HeadBuffer& head, BodyBuffer& body) override {
    head[0] = cardFormatByte;
    std::copy(cardIdentityBytes.begin(), cardIdentityBytes.end(), body.begin());
    return 0;
  }

  std::int32_t RawWrite(std::uint8_t, std::uint8_t, std::uint8_t, HeadBuffer& block, BodyBuffer&) override {
    cardFormatByte = block[1];
    std::copy(block.begin() + 2, block.begin() + 6, cardIdentityBytes.begin());
    return 0;
  }

  std::int32_t RawControlBuzzer(std::uint8_t, std::uint8_t, BodyBuffer&) override { return 0; }
};

}  // namespace tarnix
