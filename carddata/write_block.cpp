#include "write_block.h"

#include <stdexcept>
#include <string>

#include "checked_conversion.h"
#include "parse_entry.h"
#include "range_error.h"

namespace tarnix {

namespace {

std::string AcceptedRange(const FormatField& field) {
  if (!field.rangeCaption.empty()) return std::string(field.rangeCaption);
  return "0~" + std::to_string(field.acceptedMax);
}

// Runs the conversions of one entry; any range failure in them is reported
// against that entry with the range the field accepts.
template <typename Convert>
auto ConvertEntry(const WiegandFormat& format, const FormatField& field, Convert convert) {
  try {
    const auto value = convert();
    if (value < 0 || value > field.acceptedMax) throw RangeError("outside the field");
    return value;
  } catch (const RangeError&) {
    throw RangeError(format.index, field.entry, AcceptedRange(field));
  }
}

CardIdentity PackIdentity(FormatCode code, IdentityNumber number) {
  CardIdentity identity;
  identity.formatByte = static_cast<std::uint8_t>(code | ((number >> 32) & 0x07));
  for (int i = 0; i < 4; ++i) identity.identityBytes[i] = static_cast<std::uint8_t>(number >> (24 - 8 * i));
  return identity;
}

// WG27 to WG36: the number is split byte by byte from 2^32 down; a fraction
// ends up in the last byte, rounded halves to even.
IdentityNumber SplitSingleNumber(double value) {
  constexpr double kPlaces[] = {4294967296.0, 16777216.0, 65536.0, 256.0};
  IdentityNumber number = 0;
  for (double place : kPlaces) {
    const std::uint8_t byte = ToByteChecked(Floor(value / place));
    value -= byte * place;
    number = (number << 8) | byte;
  }
  return (number << 8) | ToByteChecked(value);
}

}  // namespace

std::array<std::uint8_t, 6> WriteBlock::Bytes() const {
  const auto& id = identity.identityBytes;
  return {controlByte, identity.formatByte, id[0], id[1], id[2], id[3]};
}

EncodedWrite EncodeWriteBlock(FormatIndex formatIndex, bool lock, std::span<const std::string_view> entryTexts) {
  const WiegandFormat* format = FindFormat(formatIndex);
  if (format == nullptr) throw std::invalid_argument("EncodeWriteBlock: no format with index " +
                                                     std::to_string(formatIndex));
  const auto fields = format->fields();
  if (entryTexts.size() != fields.size())
    throw std::invalid_argument("EncodeWriteBlock: " + std::string(format->name) + " takes " +
                                std::to_string(fields.size()) + " entry texts");

  EncodedWrite encoded;
  encoded.block.controlByte = lock ? kControlWriteAndLock : kControlWrite;
  IdentityNumber number = 0;
  switch (format->layout) {
    case FieldLayout::FacilityByteAndCard: {
      const std::uint8_t facility =
          ConvertEntry(*format, fields[0], [&] { return ToByteChecked(ParseEntry(entryTexts[0])); });
      const std::int32_t card =
          ConvertEntry(*format, fields[1], [&] { return ToLongChecked(ParseEntry(entryTexts[1])); });
      number = (IdentityNumber{facility} << 16) | static_cast<IdentityNumber>(card);
      encoded.keptValue = card;
      break;
    }
    case FieldLayout::FacilityAndCard: {
      const std::int32_t facility =
          ConvertEntry(*format, fields[0], [&] { return ToLongChecked(ParseEntry(entryTexts[0])); });
      const std::int32_t card =
          ConvertEntry(*format, fields[1], [&] { return ToLongChecked(ParseEntry(entryTexts[1])); });
      number = (static_cast<IdentityNumber>(facility) << 19) | static_cast<IdentityNumber>(card);
      encoded.keptValue = card;
      break;
    }
    case FieldLayout::SingleNumber: {
      const double value = ParseEntry(entryTexts[0]);
      number = ConvertEntry(*format, fields[0], [&] { return static_cast<std::int64_t>(SplitSingleNumber(value)); });
      encoded.keptValue = value;
      break;
    }
  }
  encoded.block.identity = PackIdentity(format->code, number);
  return encoded;
}

}  // namespace tarnix
