#include "read_command.h"

#include "card_identity.h"
#include "entry_texts.h"

namespace tarnix {

namespace {

void ShowTexts(WindowControls& controls, const std::vector<EntryText>& texts) {
  for (const auto& [entry, text] : texts) controls.SetEntryText(entry, text);
}

}  // namespace

void RunReadCommand(Reader& reader, WindowControls& controls) {
  HeadBuffer head{};
  BodyBuffer body{};
  const std::int16_t status = reader.MF_Getsnr(0, 0, head, body);
  const bool cardRead = status == 0;

  const WiegandFormat* format = nullptr;
  DecodedIdentity decoded;
  if (cardRead) {
    decoded = DecodeCardIdentity(CardIdentity{head[0], {body[0], body[1], body[2], body[3]}});
    format = DecodedFormat(decoded);
  }

  if (format != nullptr) {
    controls.Select(format->index);
    ShowTexts(controls, DisplayTexts(decoded));
  } else {
    // A failed read and a format byte naming no format look alike: zeros.
    ShowTexts(controls, ClearTexts());
  }

  if (cardRead) reader.ControlBuzzer(1, 1, body);
}

}  // namespace tarnix
