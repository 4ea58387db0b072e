#pragma once

#include <QAbstractButton>
#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include "instant_reader.h"
#include "operator_window.h"

namespace tarnix {

// The window needs no display: the offscreen platform draws into memory.
// Called before the application is made.
inline void UseOffscreenPlatform() { qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen")); }

// The operator window on an instant reader, shown, with messages dropped so
// that no message box ever waits for an answer.
struct BenchWindow {
  InstantReader reader;
  OperatorWindow window{reader};

  BenchWindow() {
    window.SetMessageSink([](MessageKind, const QString&) {});
    window.show();
    QCoreApplication::processEvents();
  }

  // A button or check box by its control name; the buttons are pressed with
  // click(), which runs the command as the operator's press does.
  QAbstractButton& Button(const char* name) {
    auto* button = window.findChild<QAbstractButton*>(QString::fromLatin1(name));
    if (button == nullptr) qFatal("no control %s", name);
    return *button;
  }
};

}  // namespace tarnix
