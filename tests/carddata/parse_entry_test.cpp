#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "parse_entry.h"

namespace tarnix {
namespace {

TEST(ParseEntry, ReadsANumberFromTheStartOfTheText) {
  const std::pair<const char*, double> cases[] = {
      {"00001", 1},       {"12345", 12345},     {"1 000", 1000},    {" 1\t2\n3 ", 123},
      {"+7", 7},          {"-1", -1},           {"12.5", 12.5},     {".5", 0.5},
      {"5.", 5},          {"1.2.3", 1.2},       {"12ab", 12},       {"1,5", 1},
      {"1e3", 1000},      {"1E+3", 1000},       {"25e-1", 2.5},     {"1d3", 1000},
      {"1D-1", 0.1},      {"1e", 1},            {"1e+", 1},         {"2ex", 2},
      {"", 0},            {"abc", 0},           {"-", 0},           {".", 0},
      {"+.e5", 0},        {"\r5", 0},           {"&H10", 16},       {"&hff", 255},
      {"&O17", 15},       {"&o8", 0},           {"& H 1F", 31},     {"&", 0},
      {"&X10", 0},        {"&H", 0},            {"&H-1", 0},        {"&10", 0},
      {"34359738367", 34359738367},             {"1e-400", 0},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(ParseEntry(text), value) << '"' << text << '"';
}

TEST(ParseEntry, NumbersBeyondADoubleBecomeInfinityNotUndefined) {
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(ParseEntry("1e400"), inf);
  EXPECT_EQ(ParseEntry("-1e400"), -inf);
  EXPECT_EQ(ParseEntry("1e99999999999999999999999"), inf);
  EXPECT_EQ(ParseEntry("0.000001e-99999999999999999999"), 0);
  EXPECT_EQ(ParseEntry("1e9223372036854775807"), inf);
  EXPECT_EQ(ParseEntry("1.001e-9223372036854775807"), 0);
  EXPECT_EQ(ParseEntry("&HFFFFFFFFFFFFFFFFFF"), inf);
  EXPECT_EQ(ParseEntry(std::string(400, '9')), inf);
}

TEST(ParseEntry, ReadsAMegabyteOfDigits) {
  EXPECT_EQ(ParseEntry(std::string(1 << 20, '9')), std::numeric_limits<double>::infinity());
  EXPECT_EQ(ParseEntry(std::string(1 << 20, '0') + "42"), 42);
  EXPECT_EQ(ParseEntry("0." + std::string(1 << 20, '0') + "1"), 0);
  EXPECT_EQ(ParseEntry(std::string(1 << 20, ' ') + "7"), 7);
}

}  // namespace
}  // namespace tarnix
