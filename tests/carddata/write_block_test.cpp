#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "range_error.h"
#include "write_block.h"

namespace tarnix {
namespace {

using Bytes = std::array<std::uint8_t, 6>;

EncodedWrite Encode(FormatIndex format, bool lock, std::vector<std::string_view> texts) {
  return EncodeWriteBlock(format, lock, texts);
}

struct EncodeCase {
  FormatIndex format;
  bool lock;
  std::vector<std::string_view> texts;
  Bytes block;
  double kept;
};

class EncodeTest : public ::testing::TestWithParam<EncodeCase> {};

TEST_P(EncodeTest, PacksTheBlockAndKeepsTheCardNumber) {
  const EncodeCase& c = GetParam();
  const EncodedWrite encoded = Encode(c.format, c.lock, c.texts);
  EXPECT_EQ(encoded.block.Bytes(), c.block);
  EXPECT_EQ(encoded.keptValue, c.kept);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, EncodeTest,
    ::testing::Values(
        EncodeCase{0, false, {"005", "00258"}, {0x04, 0x00, 0x00, 0x05, 0x01, 0x02}, 258},
        EncodeCase{0, true, {"255", "65535"}, {0x05, 0x00, 0x00, 0xFF, 0xFF, 0xFF}, 65535},
        EncodeCase{0, false, {"12.5", "7"}, {0x04, 0x00, 0x00, 0x0C, 0x00, 0x07}, 7},
        EncodeCase{0, false, {"", "2.5"}, {0x04, 0x00, 0x00, 0x00, 0x00, 0x02}, 2},
        EncodeCase{11, false, {"65535", "524287"}, {0x04, 0xB7, 0xFF, 0xFF, 0xFF, 0xFF}, 524287},
        EncodeCase{11, false, {"00000", "000001"}, {0x04, 0xB0, 0x00, 0x00, 0x00, 0x01}, 1},
        EncodeCase{11, false, {"1", "0"}, {0x04, 0xB0, 0x00, 0x08, 0x00, 0x00}, 0},
        EncodeCase{11, true, {"00123", "000456"}, {0x05, 0xB0, 0x03, 0xD8, 0x01, 0xC8}, 456},
        EncodeCase{1, false, {"12345"}, {0x04, 0x10, 0x00, 0x00, 0x30, 0x39}, 12345},
        EncodeCase{1, false, {"33554431"}, {0x04, 0x10, 0x01, 0xFF, 0xFF, 0xFF}, 33554431},
        // Above the format's largest number but within the identity: reads back as written.
        EncodeCase{1, false, {"100000000"}, {0x04, 0x10, 0x05, 0xF5, 0xE1, 0x00}, 100000000},
        EncodeCase{10, false, {"17179869183"}, {0x04, 0xA3, 0xFF, 0xFF, 0xFF, 0xFF}, 17179869183},
        EncodeCase{10, false, {"34359738367"}, {0x04, 0xA7, 0xFF, 0xFF, 0xFF, 0xFF}, 34359738367},
        EncodeCase{8, false, {""}, {0x04, 0x80, 0x00, 0x00, 0x00, 0x00}, 0},
        EncodeCase{9, false, {"1 2 3"}, {0x04, 0x90, 0x00, 0x00, 0x00, 0x7B}, 123},
        // A fraction goes to the last byte, halves to even; the kept value is unrounded.
        EncodeCase{1, false, {"3.5"}, {0x04, 0x10, 0x00, 0x00, 0x00, 0x04}, 3.5},
        EncodeCase{1, false, {"2.5"}, {0x04, 0x10, 0x00, 0x00, 0x00, 0x02}, 2.5},
        EncodeCase{1, false, {"123.25"}, {0x04, 0x10, 0x00, 0x00, 0x00, 0x7B}, 123.25},
        EncodeCase{5, false, {"&HFF"}, {0x04, 0x50, 0x00, 0x00, 0x00, 0xFF}, 255}));

struct RejectCase {
  FormatIndex format;
  std::vector<std::string_view> texts;
  EntryId entry;
  std::string acceptedRange;
};

class RejectTest : public ::testing::TestWithParam<RejectCase> {};

TEST_P(RejectTest, NamesFormatEntryAndRange) {
  const RejectCase& c = GetParam();
  try {
    Encode(c.format, false, c.texts);
    FAIL() << "no RangeError";
  } catch (const RangeError& error) {
    EXPECT_EQ(error.format(), c.format);
    EXPECT_EQ(error.entry(), c.entry);
    EXPECT_EQ(error.acceptedRange(), c.acceptedRange);
    EXPECT_NE(std::string(error.what()).find(c.acceptedRange), std::string::npos) << error.what();
  }
}

constexpr auto kWideRange = "0~34359738367";

INSTANTIATE_TEST_SUITE_P(
    OutOfRange, RejectTest,
    ::testing::Values(
        RejectCase{0, {"256", "1"}, EntryId::txtIDB2, "0~255"},
        RejectCase{0, {"300", "1"}, EntryId::txtIDB2, "0~255"},
        RejectCase{0, {"-1", "1"}, EntryId::txtIDB2, "0~255"},
        RejectCase{0, {"1", "65536"}, EntryId::txtIDB1B0, "0~65535"},
        RejectCase{0, {"1", "-1"}, EntryId::txtIDB1B0, "0~65535"},
        RejectCase{0, {"1", "1e400"}, EntryId::txtIDB1B0, "0~65535"},
        RejectCase{11, {"65536", "0"}, EntryId::txtIDWG371, "0~65535"},
        RejectCase{11, {"2097152", "0"}, EntryId::txtIDWG371, "0~65535"},
        RejectCase{11, {"0", "524288"}, EntryId::txtIDWG372, "0~524287"},
        RejectCase{11, {"0", "-1"}, EntryId::txtIDWG372, "0~524287"},
        RejectCase{4, {"-1"}, EntryId::txtIDWG30, kWideRange},
        RejectCase{4, {"-0.6"}, EntryId::txtIDWG30, kWideRange},
        RejectCase{1, {"34359738368"}, EntryId::txtIDWG27, kWideRange},
        RejectCase{10, {"1099511627776"}, EntryId::txtIDWG36, kWideRange},
        RejectCase{10, {"1e400"}, EntryId::txtIDWG36, kWideRange},
        RejectCase{10, {"-1e400"}, EntryId::txtIDWG36, kWideRange},
        // The remainder of the last byte rounds up past it.
        RejectCase{2, {"511.5"}, EntryId::txtIDWG28, kWideRange}));

TEST(EncodeWriteBlock, MessageIsASentenceAnOperatorReads) {
  try {
    Encode(0, false, {"300", "1"});
    FAIL() << "no RangeError";
  } catch (const RangeError& error) {
    EXPECT_STREQ(error.what(),
                 "The WG26 facility byte accepts only 0~255; the number entered is outside that range, "
                 "so nothing was written.");
  }
}

TEST(EncodeWriteBlock, RefusesAMismatchedCall) {
  EXPECT_THROW(Encode(12, false, {"1"}), std::invalid_argument);
  EXPECT_THROW(Encode(0, false, {"1"}), std::invalid_argument);
}

}  // namespace
}  // namespace tarnix
