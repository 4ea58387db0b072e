#pragma once

#include "reader.h"
#include "window_controls.h"

namespace tarnix {

// Reads the identity of the card on the reader and shows it: the card's
// format is selected and its entries get the card's number; a failed read
// shows zeros in every entry. The reader beeps when a card was read.
// Throws what the reader throws (RangeError, ReaderLibraryError).
void RunReadCommand(Reader& reader, WindowControls& controls);

}  // namespace tarnix
