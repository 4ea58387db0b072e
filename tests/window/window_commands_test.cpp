#include <QButtonGroup>
#include <QCheckBox>
#include <QMap>
#include <QRadioButton>
#include <QTest>

#include "recording_reader.h"
#include "shown_window.h"

using namespace tarnix;

using FakeReaderWindow = ShownWindow<RecordingReader>;

namespace {

using Texts = QMap<QString, QString>;

const Texts kInitialTexts = {
    {"txtIDB2", "000"},           {"txtIDB1B0", "00001"},       {"txtIDWG27", "00000001"},
    {"txtIDWG28", "00000001"},    {"txtIDWG29", "000000001"},   {"txtIDWG30", "000000001"},
    {"txtIDWG31", "000000001"},   {"txtIDWG32", "0000000001"},  {"txtIDWG33", "0000000001"},
    {"txtIDWG34", "0000000001"},  {"txtIDWG35", "0000000001"},  {"txtIDWG36", "00000000001"},
    {"txtIDWG371", "00000"},      {"txtIDWG372", "000001"},
};

const Texts kZeroTexts = {
    {"txtIDB2", "000"},           {"txtIDB1B0", "00000"},       {"txtIDWG27", "00000000"},
    {"txtIDWG28", "00000000"},    {"txtIDWG29", "000000000"},   {"txtIDWG30", "000000000"},
    {"txtIDWG31", "000000000"},   {"txtIDWG32", "0000000000"},  {"txtIDWG33", "0000000000"},
    {"txtIDWG34", "0000000000"},  {"txtIDWG35", "0000000000"},  {"txtIDWG36", "00000000000"},
    {"txtIDWG371", "00000"},      {"txtIDWG372", "000000"},
};

// kInitialTexts with the given texts laid over it.
Texts Over(Texts texts, const Texts& changes) {
  for (auto change = changes.begin(); change != changes.end(); ++change) texts[change.key()] = change.value();
  return texts;
}

QByteArray Bytes(const std::vector<std::uint8_t>& bytes) {
  return {reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size())};
}

void LayCard(RecordingReader& reader, const QByteArray& card) {
  reader.cardFormatByte = static_cast<std::uint8_t>(card.at(0));
  for (int i = 0; i < 4; ++i) reader.cardIdentityBytes.at(i) = static_cast<std::uint8_t>(card.at(i + 1));
}

Texts AllTexts(const FakeReaderWindow& shown) {
  Texts texts;
  for (auto entry = kInitialTexts.begin(); entry != kInitialTexts.end(); ++entry) {
    texts[entry.key()] = shown.Text(entry.key());
  }
  return texts;
}

// Everything the operator can set: entry texts, the selected option, the ticks.
QStringList WindowState(const FakeReaderWindow& shown) {
  QStringList state;
  const Texts texts = AllTexts(shown);
  for (auto text = texts.begin(); text != texts.end(); ++text) state << text.key() + "=" + text.value();
  for (const auto* button : shown.window.findChildren<QAbstractButton*>()) {
    if (button->isChecked()) state << button->objectName();
  }
  return state;
}

void TypeAll(FakeReaderWindow& shown, const Texts& typed) {
  for (auto text = typed.begin(); text != typed.end(); ++text) shown.Type(text.key(), text.value());
}

const QByteArray kZeros21(21, '\0');
const QByteArray kZeros257(257, '\0');

}  // namespace

class WindowCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void readShowsTheCard_data() {
    QTest::addColumn<QByteArray>("card");
    QTest::addColumn<QString>("option");
    QTest::addColumn<Texts>("shown");
    QTest::newRow("WG26") << QByteArray::fromHex("0000050102") << "optIDWG26"
                          << Texts{{"txtIDB2", "005"}, {"txtIDB1B0", "00258"}};
    QTest::newRow("WG37 smallest") << QByteArray::fromHex("B000000001") << "optIDWG37"
                                   << Texts{{"txtIDWG371", "00000"}, {"txtIDWG372", "000001"}};
    QTest::newRow("WG37 largest") << QByteArray::fromHex("B7FFFFFFFF") << "optIDWG37"
                                  << Texts{{"txtIDWG371", "65535"}, {"txtIDWG372", "524287"}};
    QTest::newRow("WG35 without zeros in front")
        << QByteArray::fromHex("9000003039") << "optIDWG35" << Texts{{"txtIDWG35", "12345"}};
    QTest::newRow("WG27 with the format byte's number bits")
        << QByteArray::fromHex("1100003039") << "optIDWG27" << Texts{{"txtIDWG27", "4294979641"}};
  }

  void readShowsTheCard() {
    QFETCH(QByteArray, card);
    QFETCH(QString, option);
    QFETCH(Texts, shown);
    FakeReaderWindow window;
    window.Click("optIDWG30");
    LayCard(window.reader, card);

    window.Click("cmdIDRead");

    const auto& calls = window.reader.calls;
    QCOMPARE(window.reader.CallNames(), (std::vector<std::string>{"MF_Getsnr", "ControlBuzzer"}));
    QCOMPARE(calls[0].arguments, (std::vector<int>{0, 0}));
    QCOMPARE(Bytes(calls[0].buffers.at(0)), kZeros21);
    QCOMPARE(Bytes(calls[0].buffers.at(1)), kZeros257);
    QCOMPARE(calls[1].arguments, (std::vector<int>{1, 1}));
    QCOMPARE(calls[1].bufferAddresses.at(0), calls[0].bufferAddresses.at(1));  // the identity body buffer
    QCOMPARE(Bytes(calls[1].buffers.at(0)).left(4), card.mid(1));

    QVERIFY(window.Find<QRadioButton>(option)->isChecked());
    QCOMPARE(AllTexts(window), Over(kInitialTexts, shown));
    QVERIFY(window.messages.empty());
  }

  void readWithoutAFormatShowsZeros_data() {
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("card");
    QTest::addColumn<bool>("beeps");
    QTest::newRow("failed read") << 1 << QByteArray::fromHex("0000050102") << false;
    QTest::newRow("negative status") << -32768 << QByteArray::fromHex("9000003039") << false;
    QTest::newRow("format index 12") << 0 << QByteArray::fromHex("C500000000") << true;
    QTest::newRow("format index 15") << 0 << QByteArray::fromHex("F7FFFFFFFF") << true;
  }

  void readWithoutAFormatShowsZeros() {
    QFETCH(int, status);
    QFETCH(QByteArray, card);
    QFETCH(bool, beeps);
    FakeReaderWindow window;
    window.Click("optIDWG33");
    window.Type("txtIDWG33", "777");
    LayCard(window.reader, card);
    window.reader.getsnrStatus = status;

    window.Click("cmdIDRead");

    QCOMPARE(AllTexts(window), kZeroTexts);
    QVERIFY(window.Find<QRadioButton>("optIDWG33")->isChecked());
    QCOMPARE(window.reader.calls.size(), beeps ? 2U : 1U);
    QVERIFY(window.messages.empty());
  }

  void secondReadLeavesTheFirstCardsEntries() {
    FakeReaderWindow window;
    LayCard(window.reader, QByteArray::fromHex("1000003039"));
    window.Click("cmdIDRead");
    LayCard(window.reader, QByteArray::fromHex("9000000007"));
    window.Click("cmdIDRead");

    QVERIFY(window.Find<QRadioButton>("optIDWG35")->isChecked());
    QVERIFY(!window.Find<QRadioButton>("optIDWG27")->isChecked());
    QCOMPARE(AllTexts(window), Over(kInitialTexts, {{"txtIDWG27", "12345"}, {"txtIDWG35", "7"}}));
  }

  void writeSendsTheBlock_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<Texts>("typed");
    QTest::addColumn<bool>("lock");
    QTest::addColumn<bool>("add1");
    QTest::addColumn<QByteArray>("block");
    QTest::addColumn<Texts>("after");
    const Texts wg26 = {{"txtIDB2", "005"}, {"txtIDB1B0", "00258"}};
    QTest::newRow("WG26") << "optIDWG26" << wg26 << false << false << QByteArray::fromHex("040000050102") << wg26;
    QTest::newRow("WG26 locked, next number")
        << "optIDWG26" << wg26 << true << true << QByteArray::fromHex("050000050102")
        << Texts{{"txtIDB2", "005"}, {"txtIDB1B0", "00259"}};
    QTest::newRow("WG37 next number")
        << "optIDWG37" << Texts{{"txtIDWG371", "00123"}, {"txtIDWG372", "000456"}} << false << true
        << QByteArray::fromHex("04B003D801C8") << Texts{{"txtIDWG371", "00123"}, {"txtIDWG372", "000457"}};
    QTest::newRow("WG27 wraps to 1") << "optIDWG27" << Texts{{"txtIDWG27", "33554431"}} << false << true
                                     << QByteArray::fromHex("041001FFFFFF") << Texts{{"txtIDWG27", "00000001"}};
    QTest::newRow("WG36 lenient text") << "optIDWG36" << Texts{{"txtIDWG36", "1 2 3"}} << true << true
                                       << QByteArray::fromHex("05A00000007B") << Texts{{"txtIDWG36", "00000000124"}};
    QTest::newRow("WG34 empty") << "optIDWG34" << Texts{{"txtIDWG34", ""}} << false << false
                                << QByteArray::fromHex("048000000000") << Texts{{"txtIDWG34", ""}};
  }

  void writeSendsTheBlock() {
    QFETCH(QString, option);
    QFETCH(Texts, typed);
    QFETCH(bool, lock);
    QFETCH(bool, add1);
    QFETCH(QByteArray, block);
    QFETCH(Texts, after);
    FakeReaderWindow window;
    window.Click(option);
    TypeAll(window, typed);
    if (lock) window.Click("chkIDLOCK");
    if (add1) window.Click("chkIDADD1");

    window.Click("cmdIDWrite");

    const auto& calls = window.reader.calls;
    QCOMPARE(window.reader.CallNames(), (std::vector<std::string>{"MF_Write", "ControlBuzzer"}));
    QCOMPARE(calls[0].arguments, (std::vector<int>{0, 1, 1}));
    QCOMPARE(Bytes(calls[0].buffers.at(0)), block + QByteArray(15, '\0'));
    QCOMPARE(Bytes(calls[0].buffers.at(1)), kZeros257);
    QCOMPARE(calls[1].arguments, (std::vector<int>{1, 1}));
    QCOMPARE(calls[1].bufferAddresses.at(0), calls[0].bufferAddresses.at(1));  // the scratch buffer
    QCOMPARE(AllTexts(window), Over(kInitialTexts, after));
    QVERIFY(window.messages.empty());
  }

  // The options are one exclusive group, so only a program could leave none
  // or several selected; the format is still the first of WG37 down to WG27.
  void writeChoosesTheFormat_data() {
    QTest::addColumn<QStringList>("selected");
    QTest::addColumn<int>("formatByte");
    QTest::newRow("none selected") << QStringList{} << 0x00;
    QTest::newRow("WG26 and WG27") << QStringList{"optIDWG26", "optIDWG27"} << 0x10;
    QTest::newRow("WG30 and WG33") << QStringList{"optIDWG30", "optIDWG33"} << 0x70;
    QTest::newRow("WG32 and WG37") << QStringList{"optIDWG32", "optIDWG37"} << 0xB0;
  }

  void writeChoosesTheFormat() {
    QFETCH(QStringList, selected);
    QFETCH(int, formatByte);
    FakeReaderWindow window;
    auto* group = window.window.findChild<QButtonGroup*>();
    group->setExclusive(false);
    for (auto* option : group->buttons()) option->setChecked(selected.contains(option->objectName()));

    window.Click("cmdIDWrite");

    QCOMPARE(window.reader.calls.at(0).buffers.at(0).at(1), formatByte);
  }

  void writeRefusesANumberThatDoesNotFit_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<Texts>("typed");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("range");
    QTest::newRow("WG26 facility 300") << "optIDWG26" << Texts{{"txtIDB2", "300"}} << "WG26" << "0~255";
    QTest::newRow("WG26 card number 65536") << "optIDWG26" << Texts{{"txtIDB1B0", "65536"}} << "WG26" << "0~65535";
    QTest::newRow("WG37 facility 65536") << "optIDWG37" << Texts{{"txtIDWG371", "65536"}} << "WG37" << "0~65535";
    QTest::newRow("WG30 negative") << "optIDWG30" << Texts{{"txtIDWG30", "-1"}} << "WG30" << "";
  }

  void writeRefusesANumberThatDoesNotFit() {
    QFETCH(QString, option);
    QFETCH(Texts, typed);
    QFETCH(QString, format);
    QFETCH(QString, range);
    FakeReaderWindow window;
    window.Click(option);
    TypeAll(window, typed);
    window.Click("chkIDLOCK");
    window.Click("chkIDADD1");
    const QStringList before = WindowState(window);

    window.Click("cmdIDWrite");

    QVERIFY(window.reader.calls.empty());
    QCOMPARE(WindowState(window), before);
    QCOMPARE(window.messages.size(), 1U);
    QCOMPARE(window.messages[0].first, MessageKind::Warning);
    QVERIFY2(window.messages[0].second.contains(format) && window.messages[0].second.contains(range),
             qPrintable(window.messages[0].second));
  }

  void failedWriteIsReportedNotBeeped_data() {
    QTest::addColumn<int>("status");
    QTest::newRow("locked card") << 1;
    QTest::newRow("negative") << -3;
  }

  void failedWriteIsReportedNotBeeped() {
    QFETCH(int, status);
    FakeReaderWindow window;
    window.reader.writeStatus = status;
    window.Click("chkIDADD1");

    window.Click("cmdIDWrite");

    QCOMPARE(window.reader.CallNames(), std::vector<std::string>{"MF_Write"});
    QCOMPARE(AllTexts(window), kInitialTexts);
    QCOMPARE(window.messages.size(), 1U);
    QCOMPARE(window.messages[0].first, MessageKind::Warning);
    QVERIFY(window.messages[0].second.contains("not written"));
    QVERIFY(window.messages[0].second.contains(QString::number(status)));
  }

  void readerFailureEndsTheCommand_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("libraryFailure");
    QTest::addColumn<int>("getsnrStatus");
    QTest::addColumn<int>("writeStatus");
    QTest::addColumn<int>("buzzerStatus");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<Texts>("after");
    const QString missing = "The reader library libMF1.so could not be loaded.";
    const QByteArray card = QByteArray::fromHex("0000050102");
    QTest::newRow("read, no library") << "cmdIDRead" << missing << 0 << 0 << 0 << QStringList{} << kInitialTexts;
    QTest::newRow("write, no library") << "cmdIDWrite" << missing << 0 << 0 << 0 << QStringList{} << kInitialTexts;
    QTest::newRow("read status above 16 bits")
        << "cmdIDRead" << "" << 32768 << 0 << 0 << QStringList{"MF_Getsnr"} << kInitialTexts;
    QTest::newRow("read beep status below 16 bits")
        << "cmdIDRead" << "" << 0 << 0 << -32769 << QStringList{"MF_Getsnr", "ControlBuzzer"}
        << Over(kInitialTexts, {{"txtIDB2", "005"}, {"txtIDB1B0", "00258"}});
    QTest::newRow("write status above 16 bits")
        << "cmdIDWrite" << "" << 0 << 100000 << 0 << QStringList{"MF_Write"} << kInitialTexts;
    QTest::newRow("write beep status above 16 bits")
        << "cmdIDWrite" << "" << 0 << 0 << 65536 << QStringList{"MF_Write", "ControlBuzzer"} << kInitialTexts;
  }

  void readerFailureEndsTheCommand() {
    QFETCH(QString, button);
    QFETCH(QString, libraryFailure);
    QFETCH(int, getsnrStatus);
    QFETCH(int, writeStatus);
    QFETCH(int, buzzerStatus);
    QFETCH(QStringList, calls);
    QFETCH(Texts, after);
    FakeReaderWindow window;
    window.Click("chkIDADD1");
    LayCard(window.reader, QByteArray::fromHex("0000050102"));
    if (!libraryFailure.isEmpty()) window.reader.libraryFailure = libraryFailure.toStdString();
    window.reader.getsnrStatus = getsnrStatus;
    window.reader.writeStatus = writeStatus;
    window.reader.buzzerStatus = buzzerStatus;

    window.Click(button);

    QStringList names;
    for (const auto& name : window.reader.CallNames()) names << QString::fromStdString(name);
    QCOMPARE(names, calls);
    QCOMPARE(AllTexts(window), after);
    QCOMPARE(window.messages.size(), 1U);
    QCOMPARE(window.messages[0].first, MessageKind::Error);
    if (!libraryFailure.isEmpty()) QVERIFY(window.messages[0].second.contains(libraryFailure));

    // The program goes on, and the next command tries the reader again.
    window.reader = RecordingReader{};
    window.Click(button);
    QCOMPARE(window.reader.calls.size(), 2U);
    QCOMPARE(window.messages.size(), 1U);
  }

  void beepFailureAfterAWriteSaysTheCardWasWritten() {
    FakeReaderWindow window;
    window.Click("chkIDADD1");
    window.reader.buzzerStatus = 65536;

    window.Click("cmdIDWrite");

    QCOMPARE(window.messages.size(), 1U);
    QVERIFY(window.messages[0].second.contains("The card was written, but the number shown was not advanced."));
    QVERIFY(window.messages[0].second.contains("ControlBuzzer returned 65536"));
  }

  void readThenWriteCopiesTheCard_data() {
    QTest::addColumn<QByteArray>("card");
    QTest::newRow("WG26") << QByteArray::fromHex("0000050102");
    QTest::newRow("WG27 above its largest number") << QByteArray::fromHex("1100003039");
    QTest::newRow("WG35") << QByteArray::fromHex("9000003039");
    QTest::newRow("WG36 largest") << QByteArray::fromHex("A3FFFFFFFF");
    QTest::newRow("WG37 largest") << QByteArray::fromHex("B7FFFFFFFF");
  }

  void readThenWriteCopiesTheCard() {
    QFETCH(QByteArray, card);
    FakeReaderWindow window;
    LayCard(window.reader, card);
    window.Click("cmdIDRead");
    LayCard(window.reader, QByteArray(5, '\0'));  // the next, blank card

    window.Click("cmdIDWrite");

    QCOMPARE(Bytes(window.reader.calls.at(2).buffers.at(0)).left(6), QByteArray(1, '\x04') + card);
  }
};

QTEST_MAIN(WindowCommandsTest)
#include "window_commands_test.moc"
