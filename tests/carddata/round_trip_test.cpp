#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "card_identity.h"
#include "range_error.h"
#include "write_block.h"

namespace tarnix {
namespace {

// Whatever is written must read back as the same format and number: the
// block's bytes 1..5 are the card.
DecodedIdentity ReadBack(const WriteBlock& block) { return DecodeCardIdentity(block.identity); }

std::vector<std::int64_t> Spread(std::int64_t largest, std::mt19937_64& random) {
  std::vector<std::int64_t> values = {0, 1, largest, largest - 1};
  for (int bit = 8; bit <= 32; bit += 8)
    for (std::int64_t near : {(std::int64_t{1} << bit) - 1, std::int64_t{1} << bit})
      if (near <= largest) values.push_back(near);
  std::uniform_int_distribution<std::int64_t> any(0, largest);
  for (int i = 0; i < 50; ++i) values.push_back(any(random));
  return values;
}

TEST(RoundTrip, EveryFormatReadsBackWhatWasWritten) {
  std::mt19937_64 random(20261211);
  for (const WiegandFormat& format : WiegandFormats()) {
    const auto fields = format.fields();
    const std::int64_t facilityMax = fields.size() == 2 ? fields[0].acceptedMax : 0;
    for (std::int64_t facility : Spread(facilityMax, random)) {
      for (std::int64_t card : Spread(format.cardNumberField().acceptedMax, random)) {
        std::vector<std::string> texts;
        if (fields.size() == 2) texts.push_back(std::to_string(facility));
        texts.push_back(std::to_string(card));
        const std::vector<std::string_view> views(texts.begin(), texts.end());
        const DecodedIdentity decoded = ReadBack(EncodeWriteBlock(format.index, false, views).block);

        ASSERT_EQ(decoded.format, 26 + format.index);
        switch (format.layout) {
          case FieldLayout::FacilityByteAndCard:
            ASSERT_EQ(decoded.wg26FacilityByte, facility);
            ASSERT_EQ(decoded.wg26CardNumber, card);
            break;
          case FieldLayout::FacilityAndCard:
            ASSERT_EQ(decoded.wg37Facility, facility);
            ASSERT_EQ(decoded.wg37CardNumber, card);
            break;
          case FieldLayout::SingleNumber:
            ASSERT_EQ(decoded.number, static_cast<IdentityNumber>(card));
            break;
        }
        if (fields.size() == 1) break;  // no facility to vary
      }
    }
  }
}

TEST(RoundTrip, ARejectedEntryGivesNoBlock) {
  for (const WiegandFormat& format : WiegandFormats()) {
    for (const FormatField& field : format.fields()) {
      std::vector<std::string> texts(format.fields().size(), "0");
      texts[static_cast<std::size_t>(&field - format.fields().data())] = std::to_string(field.acceptedMax + 1);
      const std::vector<std::string_view> views(texts.begin(), texts.end());
      std::optional<EncodedWrite> encoded;
      EXPECT_THROW(encoded = EncodeWriteBlock(format.index, true, views), RangeError) << EntryName(field.entry);
      EXPECT_FALSE(encoded.has_value());
    }
  }
}

}  // namespace
}  // namespace tarnix
