#include <unistd.h>

#include <cstdio>

#include <QCheckBox>
#include <QFile>
#include <QRadioButton>
#include <QTemporaryFile>
#include <QTest>

#include "bound_reader_library.h"
#include "shown_window.h"

using namespace tarnix;

namespace {

// The simulated reader beeps by writing a bell to standard error; this keeps
// what is written there while it lives.
class CapturedStandardError {
 public:
  CapturedStandardError() : saved_(dup(STDERR_FILENO)) {
    if (!file_.open()) qFatal("no temporary file");
    std::fflush(stderr);
    dup2(file_.handle(), STDERR_FILENO);
  }
  ~CapturedStandardError() { Restore(); }
  CapturedStandardError(const CapturedStandardError&) = delete;
  CapturedStandardError& operator=(const CapturedStandardError&) = delete;

  QByteArray Text() {
    Restore();
    QFile written(file_.fileName());
    written.open(QIODevice::ReadOnly);
    return written.readAll();
  }

 private:
  void Restore() {
    if (saved_ < 0) return;
    std::fflush(stderr);
    dup2(saved_, STDERR_FILENO);
    close(saved_);
    saved_ = -1;
  }

  QTemporaryFile file_;
  int saved_;
};

}  // namespace

// The window as the program builds it: the reader library found beside the
// program, here the simulated reader. Its one card lives as long as this
// process, so the tests run in order on it, the first on a blank card.
class ProgramOnSimulatedReaderTest : public QObject {
  Q_OBJECT

 private slots:
  void writeThenReadBack() {
    ShownWindow<BoundReaderLibrary> shown;

    {
      CapturedStandardError standardError;
      shown.Click("cmdIDRead");
      QCOMPARE(standardError.Text(), QByteArray("\a"));
    }
    QVERIFY(shown.Find<QRadioButton>("optIDWG26")->isChecked());
    QCOMPARE(shown.Text("txtIDB2"), QString("000"));
    QCOMPARE(shown.Text("txtIDB1B0"), QString("00000"));

    shown.Click("optIDWG37");
    shown.Type("txtIDWG371", "00123");
    shown.Type("txtIDWG372", "000456");
    shown.Click("chkIDADD1");
    shown.Click("cmdIDWrite");
    QCOMPARE(shown.Text("txtIDWG372"), QString("000457"));

    shown.Click("optIDWG26");
    shown.Type("txtIDWG371", "");
    shown.Click("cmdIDRead");
    QVERIFY(shown.Find<QRadioButton>("optIDWG37")->isChecked());
    QCOMPARE(shown.Text("txtIDWG371"), QString("00123"));
    QCOMPARE(shown.Text("txtIDWG372"), QString("000456"));
    QVERIFY(shown.messages.empty());
  }

  void lockedCardIsNotWrittenAgain() {
    ShownWindow<BoundReaderLibrary> shown;
    shown.Click("chkIDLOCK");
    shown.Click("cmdIDWrite");
    QVERIFY(shown.messages.empty());

    shown.Type("txtIDB1B0", "7");
    shown.Click("cmdIDWrite");
    QCOMPARE(shown.messages.size(), std::size_t{1});
    QCOMPARE(shown.messages[0].first, MessageKind::Warning);
    QVERIFY(shown.messages[0].second.contains("not written"));

    shown.Click("cmdIDRead");
    QCOMPARE(shown.Text("txtIDB1B0"), QString("00001"));
  }
};

QTEST_MAIN(ProgramOnSimulatedReaderTest)
#include "program_on_simulated_reader_test.moc"
