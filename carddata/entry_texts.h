#pragma once

#include <string>
#include <vector>

#include "card_identity.h"
#include "wiegand_format.h"

namespace tarnix {

struct EntryText {
  EntryId entry;
  std::string text;

  friend bool operator==(const EntryText&, const EntryText&) = default;
};

// The texts a read shows for the format the identity names; none for a format
// outside the table.
std::vector<EntryText> DisplayTexts(const DecodedIdentity& decoded);

// Every entry of the table as zeros of its field width.
std::vector<EntryText> ClearTexts();

}  // namespace tarnix
