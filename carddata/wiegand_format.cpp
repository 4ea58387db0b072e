#include "wiegand_format.h"

#include <algorithm>

namespace tarnix {

namespace {

constexpr std::array<std::string_view, kEntryCount> kEntryNames = {
    "txtIDB2",   "txtIDB1B0", "txtIDWG27", "txtIDWG28", "txtIDWG29",  "txtIDWG30",  "txtIDWG31",
    "txtIDWG32", "txtIDWG33", "txtIDWG34", "txtIDWG35", "txtIDWG36", "txtIDWG371", "txtIDWG372",
};

// Largest whole number a WG27 to WG36 write accepts: the format byte holds
// only three more bits above the four identity bytes.
constexpr std::int64_t kLargestSingleNumber = (std::int64_t{1} << 35) - 1;

constexpr WiegandFormat SplitFormat(FormatIndex index, std::string_view name, FieldLayout layout,
                                    FormatField facility, FormatField card) {
  return {index, static_cast<FormatCode>(index * 16), name, layout, {facility, card}, 2, card.acceptedMax};
}

// WG27 to WG36: one entry; the advance wraps above 2^(bits - 2) - 1, while a
// write accepts any number the identity can hold.
constexpr WiegandFormat SingleFormat(FormatIndex index, std::string_view name, EntryId entry, FieldWidth width,
                                     std::int64_t largest) {
  return {index,
          static_cast<FormatCode>(index * 16),
          name,
          FieldLayout::SingleNumber,
          {FormatField{entry, width, "number", "", kLargestSingleNumber}, FormatField{}},
          1,
          largest};
}

constexpr std::array<WiegandFormat, kFormatCount> kFormats = {
    SplitFormat(0, "WG26", FieldLayout::FacilityByteAndCard,
                {EntryId::txtIDB2, 3, "facility byte", "0~255", 255},
                {EntryId::txtIDB1B0, 5, "card number", "0~65535", 65535}),
    SingleFormat(1, "WG27", EntryId::txtIDWG27, 8, 33554431),
    SingleFormat(2, "WG28", EntryId::txtIDWG28, 8, 67108863),
    SingleFormat(3, "WG29", EntryId::txtIDWG29, 9, 134217727),
    SingleFormat(4, "WG30", EntryId::txtIDWG30, 9, 268435455),
    SingleFormat(5, "WG31", EntryId::txtIDWG31, 9, 536870911),
    SingleFormat(6, "WG32", EntryId::txtIDWG32, 10, 1073741823),
    SingleFormat(7, "WG33", EntryId::txtIDWG33, 10, 2147483647),
    SingleFormat(8, "WG34", EntryId::txtIDWG34, 10, 4294967295),
    SingleFormat(9, "WG35", EntryId::txtIDWG35, 10, 8589934591),
    SingleFormat(10, "WG36", EntryId::txtIDWG36, 11, 17179869183),
    SplitFormat(11, "WG37", FieldLayout::FacilityAndCard,
                {EntryId::txtIDWG371, 5, "facility", "0~65535", 65535},
                {EntryId::txtIDWG372, 6, "card number", "0~524287", 524287}),
};

constexpr std::array<EntryId, kEntryCount> MakeAllEntries() {
  std::array<EntryId, kEntryCount> entries{};
  for (std::size_t i = 0; i < kEntryCount; ++i) entries[i] = static_cast<EntryId>(i);
  return entries;
}
constexpr std::array<EntryId, kEntryCount> kAllEntries = MakeAllEntries();

}  // namespace

std::string_view EntryName(EntryId entry) { return kEntryNames.at(static_cast<std::size_t>(entry)); }

std::optional<EntryId> EntryFromName(std::string_view name) {
  const auto found = std::find(kEntryNames.begin(), kEntryNames.end(), name);
  if (found == kEntryNames.end()) return std::nullopt;
  return static_cast<EntryId>(found - kEntryNames.begin());
}

const std::array<EntryId, kEntryCount>& AllEntries() { return kAllEntries; }

const std::array<WiegandFormat, kFormatCount>& WiegandFormats() { return kFormats; }

const WiegandFormat* FindFormat(FormatIndex index) {
  return index < kFormatCount ? &kFormats[index] : nullptr;
}

const WiegandFormat& FormatAt(FormatIndex index) { return kFormats.at(index); }

}  // namespace tarnix
