#include "number_advance.h"

#include "number_text.h"

namespace tarnix {

EntryText AdvanceNumber(FormatIndex formatIndex, double keptValue) {
  const WiegandFormat& format = FormatAt(formatIndex);
  const FormatField& field = format.cardNumberField();
  double next = keptValue + 1;
  // The run starts again at 1, not 0; the largest number itself is still issued.
  if (next > static_cast<double>(format.largestNumber)) next = 1;
  return {field.entry, FormatPadded(next, field.width)};
}

}  // namespace tarnix
