#pragma once

#include <optional>
#include <stdexcept>
#include <string>

#include "wiegand_format.h"

namespace tarnix {

// A number did not fit where it had to go: an entry outside what its field
// accepts, or a reader status outside 16 bits. It ends the command in which it
// happens; a write ends before anything reaches the reader.
class RangeError : public std::range_error {
 public:
  // A conversion without an entry to blame (a reader status, a bare checked
  // conversion).
  explicit RangeError(const std::string& message);

  // An entry of a format that is outside what the field accepts. The message
  // names the format, the field and the accepted range.
  RangeError(FormatIndex format, EntryId entry, std::string acceptedRange);

  const std::optional<FormatIndex>& format() const { return format_; }
  const std::optional<EntryId>& entry() const { return entry_; }
  // "0~255" and the like; empty when no entry is to blame.
  const std::string& acceptedRange() const { return acceptedRange_; }

 private:
  std::optional<FormatIndex> format_;
  std::optional<EntryId> entry_;
  std::string acceptedRange_;
};

}  // namespace tarnix
