#pragma once

#include <string>

#include "wiegand_format.h"

namespace tarnix {

enum class CheckBoxId { chkIDADD1, chkIDLOCK };

enum class MessageKind {
  Warning,  // the operator can put it right: a number out of range, a card not written
  Error,    // the reader cannot be used as it is
};

// What the Read and Write commands see of the window: its controls' values
// and a way to tell the operator something.
class WindowControls {
 public:
  virtual ~WindowControls() = default;

  virtual std::string EntryText(EntryId entry) const = 0;
  virtual void SetEntryText(EntryId entry, const std::string& text) = 0;
  virtual bool IsSelected(FormatIndex format) const = 0;
  virtual void Select(FormatIndex format) = 0;
  virtual bool IsTicked(CheckBoxId box) const = 0;
  virtual void ShowMessage(MessageKind kind, const std::string& text) = 0;
};

}  // namespace tarnix
