#include "operator_window.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

#include <QButtonGroup>
#include <QCheckBox>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>

#include "control_layout.h"
#include "range_error.h"
#include "read_command.h"
#include "reader_library_error.h"
#include "write_command.h"

namespace tarnix {

namespace {

constexpr std::array<std::string_view, 2> kCheckBoxNames = {"chkIDADD1", "chkIDLOCK"};
constexpr std::string_view kOptionPrefix = "optID";

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

QString OptionName(const WiegandFormat& format) {
  return ToQString(kOptionPrefix) + ToQString(format.name);
}

// The designed face is absent from most machines; Liberation Sans has the
// metrics of the common Windows sans face and fits every caption in its box.
QFont ControlFont(const PlacedControl& placed) {
  QFont font;
  font.setFamily(QStringLiteral("MS Sans Serif"));
  font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")});
  font.setPointSizeF(placed.fontPoints);
  font.setBold(placed.bold);
  return font;
}

QRect PixelGeometry(const PlacedControl& placed) {
  return {placed.left / kTwipsPerPixel, placed.top / kTwipsPerPixel, placed.width / kTwipsPerPixel,
          placed.height / kTwipsPerPixel};
}

QWidget* NewControl(const PlacedControl& placed, QWidget* container) {
  const QString caption = ToQString(placed.caption);
  switch (placed.kind) {
    case ControlKind::Window:
      break;
    case ControlKind::Frame:
      return new QGroupBox(container);
    case ControlKind::Caption: {
      auto* label = new QLabel(caption, container);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      return label;
    }
    case ControlKind::Option:
      return new QRadioButton(caption, container);
    case ControlKind::Entry: {
      auto* entry = new QLineEdit(caption, container);
      entry->setMaxLength(std::numeric_limits<int>::max());
      return entry;
    }
    case ControlKind::CheckBox:
      return new QCheckBox(caption, container);
    case ControlKind::Button: {
      auto* button = new QPushButton(caption, container);
      button->setAutoDefault(false);
      return button;
    }
  }
  throw std::logic_error("the window is not a control inside a container");
}

}  // namespace

OperatorWindow::OperatorWindow(Reader& reader, QWidget* parent)
    : QWidget(parent), reader_(reader), formatOptions_(new QButtonGroup(this)) {
  CreateControls();
  FindFormatControls();
  SetTabOrder();
  formatOptions_->setExclusive(true);
  Select(WiegandFormats().front().index);
  ConnectButton("cmdIDRead", RunReadCommand);
  ConnectButton("cmdIDWrite", RunWriteCommand);
}

void OperatorWindow::CreateControls() {
  for (const PlacedControl& placed : ControlLayout()) {
    if (placed.kind == ControlKind::Window) {
      setObjectName(ToQString(placed.name));
      setWindowTitle(ToQString(placed.caption));
      setFixedSize(PixelGeometry(placed).size());
      continue;
    }
    QWidget* container = Find<QWidget>(placed.container);
    if (container == nullptr) throw std::logic_error("a control is laid out before its container");
    QWidget* control = NewControl(placed, container);
    control->setObjectName(ToQString(placed.name));
    control->setGeometry(PixelGeometry(placed));
    if (placed.fontPoints > 0) control->setFont(ControlFont(placed));
  }
}

template <typename Control>
Control* OperatorWindow::Find(std::string_view name) const {
  const QString objectName = ToQString(name);
  if (objectName == this->objectName()) return qobject_cast<Control*>(const_cast<OperatorWindow*>(this));
  return findChild<Control*>(objectName);
}

// The format table decides which option and entries belong to a format; a
// control missing from the layout is a fault of the program, found at once.
void OperatorWindow::FindFormatControls() {
  for (const WiegandFormat& format : WiegandFormats()) {
    options_.at(format.index) = findChild<QRadioButton*>(OptionName(format));
  }
  for (const EntryId entry : AllEntries()) {
    entries_.at(static_cast<std::size_t>(entry)) = Find<QLineEdit>(EntryName(entry));
  }
  for (std::size_t box = 0; box < kCheckBoxNames.size(); ++box) {
    checkBoxes_.at(box) = Find<QCheckBox>(kCheckBoxNames.at(box));
  }

  const auto missing = [](const auto& controls) {
    return std::find(controls.begin(), controls.end(), nullptr) != controls.end();
  };
  if (missing(options_) || missing(entries_) || missing(checkBoxes_)) {
    throw std::logic_error("the window layout lacks a control of the format table");
  }
  for (const WiegandFormat& format : WiegandFormats()) formatOptions_->addButton(options_.at(format.index), format.index);
}

// Top to bottom, the left column (WG37 to WG32) before the right one (WG31 to
// WG26), each option followed by its entries; then the check boxes and the
// buttons as laid out.
void OperatorWindow::SetTabOrder() {
  QWidget* previous = nullptr;
  const auto chain = [&previous](QWidget* next) {
    if (previous != nullptr) setTabOrder(previous, next);
    previous = next;
  };
  const auto& formats = WiegandFormats();
  for (auto format = formats.rbegin(); format != formats.rend(); ++format) {
    chain(options_.at(format->index));
    for (const FormatField& field : format->fields()) {
      chain(entries_.at(static_cast<std::size_t>(field.entry)));
    }
  }
  for (const PlacedControl& placed : ControlLayout()) {
    if (placed.kind == ControlKind::CheckBox || placed.kind == ControlKind::Button) chain(Find<QWidget>(placed.name));
  }
}

void OperatorWindow::ConnectButton(std::string_view name, Command command) {
  connect(Find<QPushButton>(name), &QPushButton::clicked, this, [this, command] { RunCommand(command); });
}

// A reader that cannot be used ends the command with a message; the next
// command tries the reader again.
void OperatorWindow::RunCommand(Command command) {
  try {
    command(reader_, *this);
  } catch (const ReaderLibraryError& error) {
    ShowMessage(MessageKind::Error, std::string("The reader cannot be used. ") + error.what());
  } catch (const RangeError& error) {
    ShowMessage(MessageKind::Error,
                std::string("The reader gave an answer this program does not understand, so the command was stopped. ") +
                    error.what());
  }
}

void OperatorWindow::SetMessageSink(MessageSink sink) { messageSink_ = std::move(sink); }

std::string OperatorWindow::EntryText(EntryId entry) const {
  return entries_.at(static_cast<std::size_t>(entry))->text().toStdString();
}

void OperatorWindow::SetEntryText(EntryId entry, const std::string& text) {
  entries_.at(static_cast<std::size_t>(entry))->setText(QString::fromStdString(text));
}

bool OperatorWindow::IsSelected(FormatIndex format) const { return options_.at(format)->isChecked(); }

void OperatorWindow::Select(FormatIndex format) { options_.at(format)->setChecked(true); }

bool OperatorWindow::IsTicked(CheckBoxId box) const {
  return checkBoxes_.at(static_cast<std::size_t>(box))->isChecked();
}

void OperatorWindow::ShowMessage(MessageKind kind, const std::string& text) {
  const QString message = QString::fromStdString(text);
  if (messageSink_) {
    messageSink_(kind, message);
  } else {
    ShowMessageBox(kind, message);
  }
}

void OperatorWindow::ShowMessageBox(MessageKind kind, const QString& text) {
  if (kind == MessageKind::Warning) {
    QMessageBox::warning(this, windowTitle(), text);
  } else {
    QMessageBox::critical(this, windowTitle(), text);
  }
}

}  // namespace tarnix
