#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace tarnix {

// The one card lying on the simulated reader: its five bytes (format byte,
// then four identity bytes) and whether it is locked.
class SimulatedCard {
 public:
  using Bytes = std::array<std::uint8_t, 5>;

  // Statuses as the reader library reports them; anything but kDone is a
  // failure.
  static constexpr int kDone = 0;
  static constexpr int kLocked = 1;
  static constexpr int kUnknownControl = 2;

  // A blank card: every byte 0, not locked.
  const Bytes& bytes() const { return bytes_; }
  bool locked() const { return locked_; }

  // block[0] is the control byte, block[1..5] the card's new bytes. Changes
  // the card only when the status is kDone.
  int Write(std::span<const std::uint8_t, 6> block);

 private:
  Bytes bytes_{};
  bool locked_ = false;
};

}  // namespace tarnix
