#pragma once

#include "entry_texts.h"
#include "wiegand_format.h"

namespace tarnix {

// The card number that follows the one just written, as the text of the
// format's card-number entry: kept value + 1, wrapping to 1 above the
// format's largest number, zero-filled to the field width.
EntryText AdvanceNumber(FormatIndex format, double keptValue);

}  // namespace tarnix
