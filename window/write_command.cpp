#include "write_command.h"

#include <algorithm>
#include <optional>
#include <ranges>
#include <string>
#include <string_view>
#include <vector>

#include "number_advance.h"
#include "range_error.h"
#include "write_block.h"

namespace tarnix {

namespace {

// WG37 down to WG27 are asked in turn; WG26 is what is left, so it is never
// asked and also stands when no option is selected.
const WiegandFormat& ChosenFormat(const WindowControls& controls) {
  const auto& formats = WiegandFormats();
  for (const WiegandFormat& format : formats | std::views::drop(1) | std::views::reverse) {
    if (controls.IsSelected(format.index)) return format;
  }
  return formats.front();
}

std::optional<EncodedWrite> EncodeTypedNumber(WindowControls& controls, const WiegandFormat& format,
                                              bool lock) {
  std::vector<std::string> texts;
  for (const FormatField& field : format.fields()) texts.push_back(controls.EntryText(field.entry));
  const std::vector<std::string_view> views(texts.begin(), texts.end());
  try {
    return EncodeWriteBlock(format.index, lock, views);
  } catch (const RangeError& error) {
    controls.ShowMessage(MessageKind::Warning, error.what());
    return std::nullopt;
  }
}

}  // namespace

void RunWriteCommand(Reader& reader, WindowControls& controls) {
  HeadBuffer block{};
  BodyBuffer scratch{};
  const bool lock = controls.IsTicked(CheckBoxId::chkIDLOCK);
  const WiegandFormat& format = ChosenFormat(controls);

  const std::optional<EncodedWrite> encoded = EncodeTypedNumber(controls, format, lock);
  if (!encoded) return;
  std::ranges::copy(encoded->block.Bytes(), block.begin());

  const std::int16_t status = reader.MF_Write(0, 1, 1, block, scratch);
  if (status != 0) {
    controls.ShowMessage(MessageKind::Warning,
                         "The card was not written: the reader answered with status " +
                             std::to_string(status) +
                             ". Check that a card that is not locked lies on the reader, then press Write again.");
    return;
  }
  try {
    reader.ControlBuzzer(1, 1, scratch);
  } catch (const RangeError& error) {
    // The card already holds the number: say so, or it may be issued twice.
    throw RangeError("The card was written, but the number shown was not advanced. " + std::string(error.what()));
  }

  if (controls.IsTicked(CheckBoxId::chkIDADD1)) {
    const EntryText next = AdvanceNumber(format.index, encoded->keptValue);
    controls.SetEntryText(next.entry, next.text);
  }
}

}  // namespace tarnix
