#pragma once

#include "reader.h"
#include "window_controls.h"

namespace tarnix {

// Writes the selected format and the number typed for it to the card on the
// reader, locking the card when LOCK is ticked; the reader beeps, and with
// ADD 1 ticked the card number entry moves on to the next number. A number
// that does not fit, or a card the reader did not write, is told as a warning
// and changes nothing. Throws what the reader throws (RangeError,
// ReaderLibraryError).
void RunWriteCommand(Reader& reader, WindowControls& controls);

}  // namespace tarnix
