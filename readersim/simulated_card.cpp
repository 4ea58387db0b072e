#include "simulated_card.h"

#include <algorithm>

#include "write_block.h"

namespace tarnix {

int SimulatedCard::Write(std::span<const std::uint8_t, 6> block) {
  if (locked_) {
    return kLocked;
  }
  const std::uint8_t control = block[0];
  if (control != kControlWrite && control != kControlWriteAndLock) {
    return kUnknownControl;
  }
  std::ranges::copy(block.subspan<1>(), bytes_.begin());
  locked_ = control == kControlWriteAndLock;
  return kDone;
}

}  // namespace tarnix
