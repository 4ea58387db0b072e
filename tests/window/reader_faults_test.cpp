#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "bound_reader_library.h"
#include "shown_window.h"

using namespace tarnix;

namespace {

// The faulty reader libraries as built, each in the folder of its fault.
const QString kLibraries = FAULTY_READER_LIBRARIES;
const QString kFileName = READER_LIBRARY_FILE_NAME;

// Faults that need no library of their own.
const QString kNoFile = "no file";
const QString kNotALibrary = "not a library";
// The library without a fault; it still scribbles over its buffers.
const QString kScribbling = "scribbling";

// A folder of its own holding the reader library, and the window on it,
// binding the library by name as the program does. Never the same folder
// twice: a library once loaded stays loaded under its path.
struct WindowOnReaderFolder {
  explicit WindowOnReaderFolder(const QString& library) { Put(library); }

  // Replaces whatever lies in the folder, as an operator would.
  void Put(const QString& library) {
    QFile::remove(Path());
    if (library == kNoFile) return;
    if (library == kNotALibrary) {
      QFile file(Path());
      if (!file.open(QIODevice::WriteOnly) || file.write("not a reader library\n") < 0) qFatal("cannot write");
      return;
    }
    if (!QFile::copy(kLibraries + "/" + library + "/" + kFileName, Path())) qFatal("no library %s", qPrintable(library));
  }

  QString Path() const { return folder.filePath(kFileName); }

  ReaderLibraryLocation Location() const {
    if (!folder.isValid()) qFatal("no temporary folder");
    return {kFileName.toStdString(), {folder.path().toStdString()}};
  }

  QTemporaryDir folder;
  ShownWindow<BoundReaderLibrary> shown{Location()};
};

// What an operator has set up when the fault strikes: WG37 with its two
// numbers, a number typed for another format, both boxes ticked.
void SetUpAsAnOperator(ShownWindow<BoundReaderLibrary>& shown) {
  shown.Click("optIDWG37");
  shown.Type("txtIDWG371", "00123");
  shown.Type("txtIDWG372", "000456");
  shown.Type("txtIDWG30", "4711");
  shown.Click("chkIDLOCK");
  shown.Click("chkIDADD1");
}

// The window's state with the changes made: "txtIDWG35=12345" sets that
// entry's text, "optIDWG35" selects that option.
QStringList With(QStringList state, const QStringList& changes) {
  for (const QString& change : changes) {
    const QString key = change.startsWith("optID") ? "optID" : change.section('=', 0, 0) + "=";
    state.replaceInStrings(QRegularExpression("^" + QRegularExpression::escape(key) + ".*$"), change);
  }
  return state;
}

// The library's card, as Read shows it.
const QStringList kFirstCardShown = {"optIDWG35", "txtIDWG35=12345"};

enum class Outcome {
  FailedRead,  // zeros in every entry, no message
  Warning,
  Error,
};

}  // namespace

Q_DECLARE_METATYPE(Outcome)

// The window on reader libraries loaded by name from a folder, as the
// program loads its own: what a library leaves in the buffers beyond the
// bytes the window reads changes nothing, and a library that fails or is
// missing ends the command with a message, loses nothing of what the
// operator set up, and lets the next command work once the fault is gone.
class ReaderFaultsTest : public QObject {
  Q_OBJECT

 private slots:
  void readShowsOnlyWhatTheCardsBytesSay() {
    WindowOnReaderFolder reader(kScribbling);
    SetUpAsAnOperator(reader.shown);
    const QStringList before = reader.shown.State();

    reader.shown.Click("cmdIDRead");

    QCOMPARE(reader.shown.State(), With(before, kFirstCardShown));
    QVERIFY(reader.shown.messages.empty());
  }

  // The library scribbles over the block once it has it, so only the number
  // kept from the entries can give the next one; reading the card back shows
  // what was typed.
  void writeMovesOnFromTheTypedNumber_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("next");
    QTest::newRow("WG26") << "optIDWG26" << QStringList{"txtIDB2=005", "txtIDB1B0=00258"}
                          << QStringList{"txtIDB1B0=00259"};
    QTest::newRow("WG37") << "optIDWG37" << QStringList{"txtIDWG371=00123", "txtIDWG372=000456"}
                          << QStringList{"txtIDWG372=000457"};
    QTest::newRow("WG27 largest") << "optIDWG27" << QStringList{"txtIDWG27=33554431"}
                                  << QStringList{"txtIDWG27=00000001"};
    QTest::newRow("WG36 largest, bits in the format byte")
        << "optIDWG36" << QStringList{"txtIDWG36=34359738367"} << QStringList{"txtIDWG36=00000000001"};
  }

  void writeMovesOnFromTheTypedNumber() {
    QFETCH(QString, option);
    QFETCH(QStringList, typed);
    QFETCH(QStringList, next);
    WindowOnReaderFolder reader(kScribbling);
    reader.shown.Click(option);
    for (const QString& text : typed) reader.shown.Type(text.section('=', 0, 0), text.section('=', 1));
    reader.shown.Click("chkIDADD1");
    const QStringList typedState = reader.shown.State();

    reader.shown.Click("cmdIDWrite");
    QCOMPARE(reader.shown.State(), With(typedState, next));

    reader.shown.Click("cmdIDRead");
    QCOMPARE(reader.shown.State(), typedState);
    QVERIFY(reader.shown.messages.empty());
  }

  void faultEndsTheCommandWithAMessage_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("library");
    QTest::addColumn<Outcome>("outcome");
    // Parts of the message; {path} stands for the library's path.
    QTest::addColumn<QStringList>("saying");
    const auto row = [](const QString& button, const QString& library, Outcome outcome, const QStringList& saying) {
      QTest::addRow("%s, %s", qPrintable(button), qPrintable(library)) << button << library << outcome << saying;
    };
    for (const QString button : {"cmdIDRead", "cmdIDWrite"}) {
      const bool read = button == "cmdIDRead";
      const QString call = read ? "MF_Getsnr" : "MF_Write";
      row(button, kNoFile, Outcome::Error, {"The reader cannot be used.", "could not be loaded", "{path}"});
      row(button, kNotALibrary, Outcome::Error, {"could not be loaded", "{path}"});
      row(button, "without_MF_Write", Outcome::Error, {"{path} has no entry point MF_Write"});
      for (const int status : {32767, -32768}) {
        row(button, "status_" + QString::number(status), read ? Outcome::FailedRead : Outcome::Warning,
            read ? QStringList{} : QStringList{"not written", QString::number(status)});
      }
      for (const int status : {32768, -32769, 70000}) {
        row(button, "status_" + QString::number(status), Outcome::Error,
            {"does not understand", call + " returned " + QString::number(status)});
      }
    }
  }

  void faultEndsTheCommandWithAMessage() {
    QFETCH(QString, button);
    QFETCH(QString, library);
    QFETCH(Outcome, outcome);
    QFETCH(QStringList, saying);
    WindowOnReaderFolder reader(library);
    auto& shown = reader.shown;
    SetUpAsAnOperator(shown);
    const QStringList before = shown.State();

    shown.Click(button);

    const QStringList after = shown.State();
    if (outcome == Outcome::FailedRead) {
      QVERIFY(shown.messages.empty());
      QCOMPARE(after.filter("="), after.filter(QRegularExpression("=0+$")));
      QCOMPARE(after.filter(QRegularExpression("^[^=]*$")), before.filter(QRegularExpression("^[^=]*$")));
    } else {
      QCOMPARE(shown.messages.size(), std::size_t{1});
      QCOMPARE(shown.messages[0].first, outcome == Outcome::Warning ? MessageKind::Warning : MessageKind::Error);
      for (QString part : saying) {
        part.replace("{path}", reader.Path());
        QVERIFY2(shown.messages[0].second.contains(part), qPrintable(shown.messages[0].second));
      }
      QCOMPARE(after, before);
    }

    // The fault is gone: a good library lies in the folder, or the one bound
    // has had its one failed call.
    reader.Put(kScribbling);
    const std::size_t messages = shown.messages.size();
    shown.Click(button);
    QCOMPARE(shown.State(), With(after, button == "cmdIDRead" ? kFirstCardShown : QStringList{"txtIDWG372=000457"}));
    QCOMPARE(shown.messages.size(), messages);
  }
};

QTEST_MAIN(ReaderFaultsTest)
#include "reader_faults_test.moc"
