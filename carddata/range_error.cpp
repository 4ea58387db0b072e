#include "range_error.h"

#include <utility>

namespace tarnix {

namespace {

std::string EntryMessage(FormatIndex format, EntryId entry, const std::string& acceptedRange) {
  std::string_view description = "entry";
  std::string_view formatName = "this format";
  if (const WiegandFormat* row = FindFormat(format)) {
    formatName = row->name;
    for (const FormatField& field : row->fields())
      if (field.entry == entry) description = field.description;
  }
  return "The " + std::string(formatName) + " " + std::string(description) + " accepts only " + acceptedRange +
         "; the number entered is outside that range, so nothing was written.";
}

}  // namespace

RangeError::RangeError(const std::string& message) : std::range_error(message) {}

RangeError::RangeError(FormatIndex format, EntryId entry, std::string acceptedRange)
    : std::range_error(EntryMessage(format, entry, acceptedRange)),
      format_(format),
      entry_(entry),
      acceptedRange_(std::move(acceptedRange)) {}

}  // namespace tarnix
