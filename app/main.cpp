#include <QApplication>

#include "bound_reader_library.h"
#include "operator_window.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  // Ties the window to the installed desktop entry and its icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("io.tarnix.Tarnix"));
  tarnix::BoundReaderLibrary reader;
  tarnix::OperatorWindow window(reader);
  window.show();
  return QApplication::exec();
}
