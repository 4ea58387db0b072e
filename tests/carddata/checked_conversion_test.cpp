#include <gtest/gtest.h>

#include <limits>

#include "checked_conversion.h"
#include "range_error.h"

namespace tarnix {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(ToByteChecked, RoundsHalvesToEvenWithinAByte) {
  const std::pair<double, int> cases[] = {{0, 0},     {2.5, 2},     {3.5, 4},    {254.5, 254},
                                          {255, 255}, {255.4, 255}, {-0.5, 0},   {0.49, 0}};
  for (const auto& [value, expected] : cases) EXPECT_EQ(ToByteChecked(value), expected) << value;
}

TEST(ToByteChecked, RejectsWhatDoesNotFit) {
  for (double value : {-1.0, -0.51, 255.5, 256.0, 1e300, kInf, -kInf, kNaN})
    EXPECT_THROW(ToByteChecked(value), RangeError) << value;
}

TEST(ToLongChecked, RoundsHalvesToEvenWithin32Bits) {
  const std::pair<double, std::int32_t> cases[] = {
      {2.5, 2}, {-2.5, -2}, {-3.5, -4}, {2147483647, 2147483647}, {-2147483648.0, -2147483647 - 1}};
  for (const auto& [value, expected] : cases) EXPECT_EQ(ToLongChecked(value), expected) << value;
  for (double value : {2147483647.5, 2147483648.0, -2147483648.6, kInf, kNaN})
    EXPECT_THROW(ToLongChecked(value), RangeError) << value;
}

TEST(Floor, GoesDown) {
  EXPECT_EQ(Floor(-0.5), -1);
  EXPECT_EQ(Floor(2.9), 2);
  EXPECT_EQ(Floor(3), 3);
}

}  // namespace
}  // namespace tarnix
