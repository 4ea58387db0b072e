#pragma once

#include <utility>
#include <vector>

#include <QAbstractButton>
#include <QLineEdit>
#include <QString>
#include <QStringList>
#include <QTest>

#include "operator_window.h"

namespace tarnix {

// The window on a reader of the given kind, shown, with every message it
// would show kept instead of opening a message box.
template <typename ReaderKind>
struct ShownWindow {
  ReaderKind reader;
  OperatorWindow window{reader};
  std::vector<std::pair<MessageKind, QString>> messages;

  template <typename... ReaderArguments>
  explicit ShownWindow(ReaderArguments&&... arguments) : reader(std::forward<ReaderArguments>(arguments)...) {
    window.SetMessageSink([this](MessageKind kind, const QString& text) { messages.emplace_back(kind, text); });
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) qFatal("the window was not shown");
  }

  template <typename Control = QWidget>
  Control* Find(const QString& name) const {
    auto* control = window.template findChild<Control*>(name);
    if (control == nullptr) qFatal("no control %s", qPrintable(name));
    return control;
  }

  void Click(const QString& name) { QTest::mouseClick(Find(name), Qt::LeftButton); }

  void Type(const QString& entry, const QString& text) {
    auto* edit = Find<QLineEdit>(entry);
    edit->clear();
    QTest::keyClicks(edit, text);
  }

  QString Text(const QString& entry) const { return Find<QLineEdit>(entry)->text(); }

  // Everything the operator can set: each entry's text, the selected option
  // and the ticks.
  QStringList State() const {
    QStringList state;
    for (const auto* entry : window.findChildren<QLineEdit*>()) {
      state << entry->objectName() + "=" + entry->text();
    }
    for (const auto* button : window.findChildren<QAbstractButton*>()) {
      if (button->isChecked()) state << button->objectName();
    }
    return state;
  }
};

}  // namespace tarnix
