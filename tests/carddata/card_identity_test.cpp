#include <gtest/gtest.h>

#include <set>

#include "card_identity.h"
#include "entry_texts.h"

namespace tarnix {
namespace {

struct DecodeCase {
  CardIdentity identity;
  std::uint8_t format;
  IdentityNumber number;
  std::vector<EntryText> texts;
};

class DecodeTest : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeTest, GivesFormatNumberAndDisplayTexts) {
  const DecodeCase& c = GetParam();
  const DecodedIdentity decoded = DecodeCardIdentity(c.identity);
  EXPECT_EQ(decoded.format, c.format);
  EXPECT_EQ(decoded.number, c.number);
  EXPECT_EQ(DisplayTexts(decoded), c.texts);
  EXPECT_EQ(DecodedFormat(decoded) == nullptr, c.texts.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cards, DecodeTest,
    ::testing::Values(
        DecodeCase{{0x00, {0x00, 0x05, 0x01, 0x02}}, 26, 0x050102,
                   {{EntryId::txtIDB2, "005"}, {EntryId::txtIDB1B0, "00258"}}},
        // WG26 ignores identity byte 0 and the low bits of the format byte.
        DecodeCase{{0x07, {0xAB, 0xFF, 0xFF, 0xFF}}, 26, 0x7ABFFFFFF,
                   {{EntryId::txtIDB2, "255"}, {EntryId::txtIDB1B0, "65535"}}},
        DecodeCase{{0xB7, {0xFF, 0xFF, 0xFF, 0xFF}}, 37, 34359738367,
                   {{EntryId::txtIDWG371, "65535"}, {EntryId::txtIDWG372, "524287"}}},
        DecodeCase{{0xB0, {0x00, 0x00, 0x00, 0x01}}, 37, 1,
                   {{EntryId::txtIDWG371, "00000"}, {EntryId::txtIDWG372, "000001"}}},
        DecodeCase{{0xB0, {0x03, 0xD8, 0x01, 0xC8}}, 37, 123 * 524288 + 456,
                   {{EntryId::txtIDWG371, "00123"}, {EntryId::txtIDWG372, "000456"}}},
        // The low bits count and no format's largest number is checked on read.
        DecodeCase{{0x11, {0x00, 0x00, 0x30, 0x39}}, 27, 4294979641, {{EntryId::txtIDWG27, "4294979641"}}},
        // Bit 3 of the format byte is not part of the number.
        DecodeCase{{0x18, {0x00, 0x00, 0x30, 0x39}}, 27, 12345, {{EntryId::txtIDWG27, "12345"}}},
        DecodeCase{{0x90, {0x00, 0x00, 0x30, 0x39}}, 35, 12345, {{EntryId::txtIDWG35, "12345"}}},
        DecodeCase{{0xA7, {0xFF, 0xFF, 0xFF, 0xFF}}, 36, 34359738367, {{EntryId::txtIDWG36, "34359738367"}}},
        DecodeCase{{0xC0, {0x00, 0x00, 0x00, 0x00}}, 38, 0, {}},
        DecodeCase{{0xFF, {0xFF, 0xFF, 0xFF, 0xFF}}, 41, 34359738367, {}}));

TEST(DecodeCardIdentity, SplitsEveryIdentityBothWays) {
  const DecodedIdentity decoded = DecodeCardIdentity({0x35, {0x12, 0x34, 0x56, 0x78}});
  EXPECT_EQ(decoded.wg26FacilityByte, 0x34);
  EXPECT_EQ(decoded.wg26CardNumber, 0x5678);
  EXPECT_EQ(decoded.wg37Facility, static_cast<std::int32_t>(decoded.number >> 19));
  EXPECT_EQ(decoded.wg37CardNumber, static_cast<std::int32_t>(decoded.number % 524288));
}

TEST(ClearTexts, ZeroesEveryEntryToItsWidth) {
  const std::vector<EntryText> expected = {
      {EntryId::txtIDB2, "000"},           {EntryId::txtIDB1B0, "00000"},
      {EntryId::txtIDWG27, "00000000"},    {EntryId::txtIDWG28, "00000000"},
      {EntryId::txtIDWG29, "000000000"},   {EntryId::txtIDWG30, "000000000"},
      {EntryId::txtIDWG31, "000000000"},   {EntryId::txtIDWG32, "0000000000"},
      {EntryId::txtIDWG33, "0000000000"},  {EntryId::txtIDWG34, "0000000000"},
      {EntryId::txtIDWG35, "0000000000"},  {EntryId::txtIDWG36, "00000000000"},
      {EntryId::txtIDWG371, "00000"},      {EntryId::txtIDWG372, "000000"},
  };
  EXPECT_EQ(ClearTexts(), expected);
}

TEST(WiegandFormats, TableIsConsistent) {
  std::set<EntryId> seen;
  for (const WiegandFormat& format : WiegandFormats()) {
    EXPECT_EQ(format.code, format.index * 16);
    EXPECT_EQ(format.name, "WG" + std::to_string(26 + format.index));
    for (const FormatField& field : format.fields()) {
      EXPECT_TRUE(seen.insert(field.entry).second) << EntryName(field.entry);
      EXPECT_EQ(EntryFromName(EntryName(field.entry)), field.entry);
    }
    if (format.layout == FieldLayout::SingleNumber) {
      // 2^(bits - 2) - 1, and the field is as wide as that number.
      EXPECT_EQ(format.largestNumber, (std::int64_t{1} << (24 + format.index)) - 1) << format.name;
      EXPECT_EQ(format.cardNumberField().width, static_cast<int>(std::to_string(format.largestNumber).size()));
    }
  }
  EXPECT_EQ(seen.size(), kEntryCount);
  EXPECT_EQ(EntryFromName("txtIDWG38"), std::nullopt);
  EXPECT_EQ(FindFormat(12), nullptr);
}

}  // namespace
}  // namespace tarnix
