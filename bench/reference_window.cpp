// The toolkit's floor for start-up: an empty window of the operator window's
// size and title, shown the way the program shows its window. Built a second
// time with one text entry, which brings in what any window showing text
// pays for (fonts, text shaping, accessibility), to tell that apart from
// what the operator window adds.
#include <QApplication>
#include <QLineEdit>
#include <QString>
#include <QWidget>

#include "control_layout.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  const tarnix::PlacedControl& design = tarnix::ControlLayout().front();
  QWidget window;
  window.setWindowTitle(QString::fromUtf8(design.caption.data(), static_cast<int>(design.caption.size())));
  window.setFixedSize(design.width / tarnix::kTwipsPerPixel, design.height / tarnix::kTwipsPerPixel);
#if defined(TARNIX_REFERENCE_WITH_ENTRY)
  new QLineEdit(QStringLiteral("00001"), &window);
#endif
  window.show();
  return QApplication::exec();
}
