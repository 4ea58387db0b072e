#include <gtest/gtest.h>

#include "number_text.h"

namespace tarnix {
namespace {

TEST(FormatPlain, WritesDigitsWithoutExponentOrPadding) {
  const std::pair<double, const char*> cases[] = {
      {0, "0"},
      {-0.0, "0"},
      {7, "7"},
      {65535, "65535"},
      {34359738367, "34359738367"},
      {34359738368, "34359738368"},
      {1099511627775, "1099511627775"},
      {124.25, "124.25"},
      {0.5, "0.5"},
      // Fifteen significant digits at most, so binary noise does not show.
      {0.1 + 0.2, "0.3"},
      {33554431.5, "33554431.5"},
      {12345678.123456789, "12345678.1234568"},
  };
  for (const auto& [value, text] : cases) EXPECT_EQ(FormatPlain(value), text) << value;
}

TEST(FormatPadded, FillsZerosUpToTheWidthOnly) {
  EXPECT_EQ(FormatPadded(65535, 5), "65535");
  EXPECT_EQ(FormatPadded(7, 3), "007");
  EXPECT_EQ(FormatPadded(123456, 5), "123456");
  EXPECT_EQ(FormatPadded(124.25, 8), "00124.25");
  EXPECT_EQ(FormatPadded(0, 11), "00000000000");
}

}  // namespace
}  // namespace tarnix
