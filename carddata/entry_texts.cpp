#include "entry_texts.h"

#include "number_text.h"

namespace tarnix {

std::vector<EntryText> DisplayTexts(const DecodedIdentity& decoded) {
  const WiegandFormat* format = DecodedFormat(decoded);
  if (format == nullptr) return {};
  const auto fields = format->fields();
  switch (format->layout) {
    case FieldLayout::FacilityByteAndCard:
      return {{fields[0].entry, FormatPadded(decoded.wg26FacilityByte, fields[0].width)},
              {fields[1].entry, FormatPadded(decoded.wg26CardNumber, fields[1].width)}};
    case FieldLayout::FacilityAndCard:
      return {{fields[0].entry, FormatPadded(decoded.wg37Facility, fields[0].width)},
              {fields[1].entry, FormatPadded(decoded.wg37CardNumber, fields[1].width)}};
    case FieldLayout::SingleNumber:
      // A read shows the number as it is; only an advance fills zeros in.
      return {{fields[0].entry, FormatPlain(static_cast<double>(decoded.number))}};
  }
  return {};
}

std::vector<EntryText> ClearTexts() {
  std::vector<EntryText> texts;
  texts.reserve(kEntryCount);
  for (const WiegandFormat& format : WiegandFormats())
    for (const FormatField& field : format.fields()) texts.push_back({field.entry, std::string(field.width, '0')});
  return texts;
}

}  // namespace tarnix
