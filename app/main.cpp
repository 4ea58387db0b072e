#include <QApplication>

#include "bound_reader_library.h"
#include "operator_window.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  tarnix::BoundReaderLibrary reader;
  tarnix::OperatorWindow window(reader);
  window.show();
  return QApplication::exec();
}
