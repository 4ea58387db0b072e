// Entry texts to card: whatever the operator types, a write either packs
// exactly the number the texts denote in the chosen format, or packs nothing.
//
// Input: byte 0 picks the format (byte mod 12) and the lock box (bit 0 of
// byte / 12); the rest is the entry text, split at the first '|' into the
// facility and card-number texts for WG26 and WG37.
//
// The expected number is worked out here from ParseEntry's value with its own
// rounding, so that a fault in the checked conversions or in the packing is
// not mirrored by the check.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "card_identity.h"
#include "entry_texts.h"
#include "parse_entry.h"
#include "range_error.h"
#include "wiegand_format.h"
#include "write_block.h"

namespace tarnix {
namespace {

constexpr char kTextSeparator = '|';

struct Case {
  FormatIndex format = 0;
  bool lock = false;
  std::vector<std::string_view> texts;
};

// What a correct write of the case puts on the card; nullopt when it must be
// rejected.
struct Expected {
  IdentityNumber number = 0;
  std::int64_t facility = 0;  // WG26 and WG37 only
  std::int64_t card = 0;      // WG26 and WG37 only
  double keptValue = 0;
};

Case SplitInput(const std::uint8_t* data, std::size_t size) {
  Case input;
  input.format = static_cast<FormatIndex>(data[0] % kFormatCount);
  input.lock = (data[0] / kFormatCount) % 2 == 1;
  const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
  if (FormatAt(input.format).fields().size() == 1) {
    input.texts = {rest};
  } else {
    const std::size_t split = rest.find(kTextSeparator);
    if (split == std::string_view::npos)
      input.texts = {rest, std::string_view()};
    else
      input.texts = {rest.substr(0, split), rest.substr(split + 1)};
  }
  return input;
}

[[noreturn]] void Fail(const Case& input, const std::string& what) {
  std::fprintf(stderr, "\n%s, lock %d, texts:", std::string(FormatAt(input.format).name).c_str(), input.lock);
  for (std::string_view text : input.texts) std::fprintf(stderr, " \"%.*s\"", static_cast<int>(text.size()), text.data());
  std::fprintf(stderr, "\n%s\n", what.c_str());
  std::abort();
}

// Halves to even, by comparing the fraction with one half rather than by the
// floating-point rounding mode. Works on the magnitude so that the fraction
// of a negative value is taken exactly.
double RoundHalfEven(double value) {
  if (!std::isfinite(value)) return value;
  if (value < 0) return -RoundHalfEven(-value);
  const double whole = std::floor(value);
  const double fraction = value - whole;
  if (fraction > 0.5) return whole + 1;
  if (fraction < 0.5) return whole;
  return std::fmod(whole, 2) == 0 ? whole : whole + 1;
}

// A whole value in [0, largest], or nothing (NaN and infinities included).
std::optional<std::int64_t> WholeWithin(double value, std::int64_t largest) {
  const double rounded = RoundHalfEven(value);
  if (!(rounded >= 0 && rounded <= static_cast<double>(largest))) return std::nullopt;
  return static_cast<std::int64_t>(rounded);
}

// Facility and card number within the ranges the window labels them with.
std::optional<Expected> ExpectedSplit(const Case& input, std::int64_t facilityLargest, std::int64_t cardLargest,
                                      int cardBits) {
  const auto facility = WholeWithin(ParseEntry(input.texts[0]), facilityLargest);
  const auto card = WholeWithin(ParseEntry(input.texts[1]), cardLargest);
  if (!facility || !card) return std::nullopt;
  const auto number = (static_cast<IdentityNumber>(*facility) << cardBits) + static_cast<IdentityNumber>(*card);
  return Expected{number, *facility, *card, static_cast<double>(*card)};
}

// The number's multiples of 256 go to the upper bytes as they are; the
// remainder is rounded into the last byte, and a remainder rounding up to 256
// has no byte to go to. The whole must fit the 35 bits of an identity.
std::optional<Expected> ExpectedSingle(const Case& input) {
  const double value = ParseEntry(input.texts[0]);
  if (!(value >= 0) || !std::isfinite(value)) return std::nullopt;
  const double upper = std::floor(value / 256) * 256;
  const double lastByte = RoundHalfEven(value - upper);
  if (lastByte >= 256) return std::nullopt;
  const double whole = upper + lastByte;
  if (whole >= static_cast<double>(kIdentityNumberLimit)) return std::nullopt;
  return Expected{static_cast<IdentityNumber>(whole), 0, 0, value};
}

std::optional<Expected> ExpectedWrite(const Case& input) {
  switch (FormatAt(input.format).layout) {
    case FieldLayout::FacilityByteAndCard: return ExpectedSplit(input, 255, 65535, 16);
    case FieldLayout::FacilityAndCard: return ExpectedSplit(input, 65535, 524287, 19);
    case FieldLayout::SingleNumber: return ExpectedSingle(input);
  }
  return std::nullopt;
}

std::optional<EncodedWrite> TryEncode(FormatIndex format, bool lock, const std::vector<std::string_view>& texts) {
  try {
    return EncodeWriteBlock(format, lock, texts);
  } catch (const RangeError&) {
    return std::nullopt;
  }
}

void CheckBlock(const Case& input, const EncodedWrite& encoded, const Expected& expected) {
  const auto bytes = encoded.block.Bytes();
  if (bytes[0] != (input.lock ? 5 : 4)) Fail(input, "control byte " + std::to_string(bytes[0]));
  if ((bytes[1] & 0x08) != 0) Fail(input, "unused bit 3 of the format byte is set");

  const CardIdentity identity{bytes[1], {bytes[2], bytes[3], bytes[4], bytes[5]}};
  const DecodedIdentity decoded = DecodeCardIdentity(identity);
  if (decoded.format != input.format + kFirstFormatNumber)
    Fail(input, "reads back as format " + std::to_string(decoded.format));
  if (decoded.number != expected.number)
    Fail(input, "reads back number " + std::to_string(decoded.number) + ", typed " + std::to_string(expected.number));

  const WiegandFormat& format = FormatAt(input.format);
  if (format.layout == FieldLayout::FacilityByteAndCard &&
      (decoded.wg26FacilityByte != expected.facility || decoded.wg26CardNumber != expected.card))
    Fail(input, "WG26 fields read back as " + std::to_string(decoded.wg26FacilityByte) + " and " +
                    std::to_string(decoded.wg26CardNumber));
  if (format.layout == FieldLayout::FacilityAndCard &&
      (decoded.wg37Facility != expected.facility || decoded.wg37CardNumber != expected.card))
    Fail(input, "WG37 fields read back as " + std::to_string(decoded.wg37Facility) + " and " +
                    std::to_string(decoded.wg37CardNumber));

  // The number advance starts from this; ParseEntry never gives NaN, so == holds.
  if (encoded.keptValue != expected.keptValue)
    Fail(input, "kept value " + std::to_string(encoded.keptValue) + ", expected " +
                    std::to_string(expected.keptValue));

  // What a read of this card shows, written again, gives the same card.
  const std::vector<EntryText> shown = DisplayTexts(decoded);
  std::vector<std::string_view> shownTexts;
  for (const FormatField& field : format.fields())
    for (const EntryText& text : shown)
      if (text.entry == field.entry) shownTexts.push_back(text.text);
  const auto rewritten = TryEncode(input.format, input.lock, shownTexts);
  if (!rewritten) Fail(input, "the texts a read shows are rejected");
  if (rewritten->block != encoded.block) Fail(input, "the texts a read shows write a different block");
}

}  // namespace
}  // namespace tarnix

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tarnix;
  if (size == 0) return 0;
  const Case input = SplitInput(data, size);
  const std::optional<Expected> expected = ExpectedWrite(input);
  const std::optional<EncodedWrite> encoded = TryEncode(input.format, input.lock, input.texts);
  if (encoded && !expected) Fail(input, "accepted, but outside what the format holds");
  if (!encoded && expected) Fail(input, "rejected, but the number " + std::to_string(expected->number) + " fits");
  if (encoded) CheckBlock(input, *encoded, *expected);
  return 0;
}
