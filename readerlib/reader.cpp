#include "reader.h"

#include <limits>
#include <string>

#include "range_error.h"

namespace tarnix {

std::int16_t CheckedStatus(std::string_view call, std::int32_t rawStatus) {
  constexpr std::int32_t lowest = std::numeric_limits<std::int16_t>::min();
  constexpr std::int32_t highest = std::numeric_limits<std::int16_t>::max();
  if (rawStatus < lowest || rawStatus > highest) {
    throw RangeError("The reader library's " + std::string(call) + " returned " + std::to_string(rawStatus) +
                     ", which is not a valid status (it must lie within " + std::to_string(lowest) + ".." +
                     std::to_string(highest) + ").");
  }
  return static_cast<std::int16_t>(rawStatus);
}

}  // namespace tarnix
