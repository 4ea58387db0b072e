#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace tarnix {

// Index of a format in the table (0..11); 12..15 can stand in a format byte
// but name no format.
using FormatIndex = std::uint8_t;
// The index in the high nibble, as it is ORed into the format byte.
using FormatCode = std::uint8_t;
// Decimal digits a field is shown with.
using FieldWidth = int;

inline constexpr std::size_t kFormatCount = 12;

// The fourteen entries of the window. Each enumerator is the object name of
// the entry control, so the window finds a control by EntryName().
enum class EntryId : std::uint8_t {
  txtIDB2,
  txtIDB1B0,
  txtIDWG27,
  txtIDWG28,
  txtIDWG29,
  txtIDWG30,
  txtIDWG31,
  txtIDWG32,
  txtIDWG33,
  txtIDWG34,
  txtIDWG35,
  txtIDWG36,
  txtIDWG371,
  txtIDWG372,
};
inline constexpr std::size_t kEntryCount = 14;

std::string_view EntryName(EntryId entry);
std::optional<EntryId> EntryFromName(std::string_view name);
// Every entry, in the order of the enumeration.
const std::array<EntryId, kEntryCount>& AllEntries();

// How a format splits its number over its entries; the encoder and decoder
// each have one procedure per layout.
enum class FieldLayout : std::uint8_t {
  FacilityByteAndCard,  // WG26: 8-bit facility, 16-bit card number
  SingleNumber,         // WG27 to WG36: the whole number in one entry
  FacilityAndCard,      // WG37: 16-bit facility, 19-bit card number
};

struct FormatField {
  EntryId entry;
  FieldWidth width;
  std::string_view description;   // "facility byte", "card number", "number"
  std::string_view rangeCaption;  // shown beside the entry; empty if none
  std::int64_t acceptedMax;       // largest value a write accepts (from 0)
};

struct WiegandFormat {
  FormatIndex index;
  FormatCode code;
  std::string_view name;  // also the caption of the format's option
  FieldLayout layout;
  std::array<FormatField, 2> fieldStorage;
  std::size_t fieldCount;
  // The card number wraps to 1 above this on an advance; it is the last field.
  std::int64_t largestNumber;

  std::span<const FormatField> fields() const { return {fieldStorage.data(), fieldCount}; }
  // The field that holds the card number and moves on an advance.
  const FormatField& cardNumberField() const { return fieldStorage[fieldCount - 1]; }
};

const std::array<WiegandFormat, kFormatCount>& WiegandFormats();

// The row of an index 0..11; nullptr for 12..15 and beyond.
const WiegandFormat* FindFormat(FormatIndex index);
const WiegandFormat& FormatAt(FormatIndex index);  // index must name a format

}  // namespace tarnix
