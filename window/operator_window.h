#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include <QString>
#include <QWidget>

#include "reader.h"
#include "window_controls.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace tarnix {

// The program's one window, frmRW: the twelve formats as one exclusive group
// of options with their entries, ADD 1 and LOCK, and the Read and Write
// buttons. It only maps its controls to and from the values the commands
// work on; the reader is the caller's.
class OperatorWindow : public QWidget, public WindowControls {
  Q_OBJECT

 public:
  // How a message reaches the operator; a modal message box unless replaced.
  using MessageSink = std::function<void(MessageKind, const QString&)>;

  explicit OperatorWindow(Reader& reader, QWidget* parent = nullptr);

  void SetMessageSink(MessageSink sink);

  std::string EntryText(EntryId entry) const override;
  void SetEntryText(EntryId entry, const std::string& text) override;
  bool IsSelected(FormatIndex format) const override;
  void Select(FormatIndex format) override;
  bool IsTicked(CheckBoxId box) const override;
  void ShowMessage(MessageKind kind, const std::string& text) override;

 private:
  using Command = void (*)(Reader&, WindowControls&);

  void CreateControls();
  template <typename Control>
  Control* Find(std::string_view name) const;
  void FindFormatControls();
  void SetTabOrder();
  void ConnectButton(std::string_view name, Command command);
  void RunCommand(Command command);
  void ShowMessageBox(MessageKind kind, const QString& text);

  Reader& reader_;
  QButtonGroup* formatOptions_;
  std::array<QRadioButton*, kFormatCount> options_{};
  std::array<QLineEdit*, kEntryCount> entries_{};
  std::array<QCheckBox*, 2> checkBoxes_{};
  MessageSink messageSink_;
};

}  // namespace tarnix
