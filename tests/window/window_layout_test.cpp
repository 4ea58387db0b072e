#include <limits>

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <QTest>

#include "control_layout.h"
#include "recording_reader.h"
#include "shown_window.h"
#include "wiegand_format.h"

using namespace tarnix;

using FakeReaderWindow = ShownWindow<RecordingReader>;

namespace {

QString Str(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<int>(text.size())); }

const char* ClassOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::Window: return "tarnix::OperatorWindow";
    case ControlKind::Frame: return "QGroupBox";
    case ControlKind::Caption: return "QLabel";
    case ControlKind::Option: return "QRadioButton";
    case ControlKind::Entry: return "QLineEdit";
    case ControlKind::CheckBox: return "QCheckBox";
    case ControlKind::Button: return "QPushButton";
  }
  return "";
}

QString TextOf(const QWidget* control) {
  if (const auto* label = qobject_cast<const QLabel*>(control)) return label->text();
  if (const auto* button = qobject_cast<const QAbstractButton*>(control)) return button->text();
  if (const auto* entry = qobject_cast<const QLineEdit*>(control)) return entry->text();
  return {};
}

// The part of a control in which its style draws the caption or text.
QRect TextArea(const QWidget* control) {
  const QStyle* style = control->style();
  if (const auto* entry = qobject_cast<const QLineEdit*>(control)) {
    QStyleOptionFrame option;
    option.initFrom(entry);
    option.rect = entry->contentsRect();
    option.lineWidth = entry->hasFrame() ? style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, entry) : 0;
    option.state |= QStyle::State_Sunken;
    const int lineEditMargin = 2;  // QLineEdit keeps 2 px beside its text and 1 px above and below
    return style->subElementRect(QStyle::SE_LineEditContents, &option, entry)
        .marginsRemoved(entry->textMargins())
        .adjusted(lineEditMargin, 1, -lineEditMargin, -1);
  }
  if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    if (qobject_cast<const QRadioButton*>(button)) {
      return style->subElementRect(QStyle::SE_RadioButtonContents, &option, button);
    }
    if (qobject_cast<const QCheckBox*>(button)) {
      return style->subElementRect(QStyle::SE_CheckBoxContents, &option, button);
    }
    return style->subElementRect(QStyle::SE_PushButtonContents, &option, button);
  }
  return control->contentsRect();
}

// One test row per control of the layout that the filter keeps.
template <typename Filter>
void AddLayoutRows(Filter keep) {
  QTest::addColumn<int>("row");
  const auto layout = ControlLayout();
  for (std::size_t row = 0; row < layout.size(); ++row) {
    if (keep(layout[row])) QTest::newRow(layout[row].name.data()) << static_cast<int>(row);
  }
}

}  // namespace

class WindowLayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void windowAsDesigned() {
    FakeReaderWindow shown;
    QCOMPARE(shown.window.objectName(), QString("frmRW"));
    QCOMPARE(shown.window.windowTitle(), QString("Tarnix V2"));
    QCOMPARE(shown.window.size(), QSize(561, 372));
    QCOMPARE(shown.window.minimumSize(), QSize(561, 372));
    QCOMPARE(shown.window.maximumSize(), QSize(561, 372));
    // A few controls against the design in pixels, independent of the table.
    QCOMPARE(shown.Find("Frame3")->geometry(), QRect(288, 296, 265, 65));
    QCOMPARE(shown.Find("txtIDWG372")->geometry(), QRect(184, 32, 73, 30));
    QCOMPARE(shown.Find("cmdIDWrite")->geometry(), QRect(136, 16, 113, 33));
    QCOMPARE(shown.Find("cmdIDWrite")->parentWidget()->objectName(), QString("Frame3"));
    QCOMPARE(shown.Find<QGroupBox>("Frame1")->title(), QString());
    QCOMPARE(shown.window.findChildren<QWidget*>().size(), 39);
  }

  void controlFollowsTheLayout_data() {
    AddLayoutRows([](const PlacedControl& placed) { return placed.kind != ControlKind::Window; });
  }

  void controlFollowsTheLayout() {
    QFETCH(int, row);
    const PlacedControl& placed = ControlLayout()[static_cast<std::size_t>(row)];
    FakeReaderWindow shown;
    const QWidget* control = shown.Find(Str(placed.name));
    QCOMPARE(control->metaObject()->className(), ClassOf(placed.kind));
    QCOMPARE(control->parentWidget()->objectName(), Str(placed.container));
    QCOMPARE(control->geometry(), QRect(placed.left / 15, placed.top / 15, placed.width / 15, placed.height / 15));
    QCOMPARE(TextOf(control), Str(placed.caption));
    if (placed.kind != ControlKind::Frame) {
      QCOMPARE(control->font().families().value(0), QString("MS Sans Serif"));
      QVERIFY(QStringList({"MS Sans Serif", "Liberation Sans"}).contains(QFontInfo(control->font()).family()));
      QCOMPARE(control->font().pointSizeF(), placed.fontPoints);
      QCOMPARE(control->font().bold(), placed.bold);
    }
  }

  void captionFitsItsBox_data() {
    AddLayoutRows([](const PlacedControl& placed) { return placed.kind != ControlKind::Window && !placed.caption.empty(); });
  }

  // The face used instead of the designed one must not cut off any caption or
  // initial text.
  void captionFitsItsBox() {
    QFETCH(int, row);
    const PlacedControl& placed = ControlLayout()[static_cast<std::size_t>(row)];
    FakeReaderWindow shown;
    const QWidget* control = shown.Find(Str(placed.name));
    const QFontMetrics metrics(control->font());
    const QRect area = TextArea(control);
    const QString text = TextOf(control);
    QVERIFY2(metrics.horizontalAdvance(text) <= area.width(),
             qPrintable(QString("\"%1\" needs %2 px, has %3").arg(text).arg(metrics.horizontalAdvance(text)).arg(area.width())));
    QVERIFY2(metrics.height() <= area.height(),
             qPrintable(QString("\"%1\" needs %2 px high, has %3").arg(text).arg(metrics.height()).arg(area.height())));
  }

  void initialState() {
    FakeReaderWindow shown;
    for (const WiegandFormat& format : WiegandFormats()) {
      const auto* option = shown.Find<QRadioButton>("optID" + Str(format.name));
      QCOMPARE(option->text(), Str(format.name));
      QCOMPARE(option->isChecked(), format.name == "WG26");
    }
    QVERIFY(!shown.Find<QCheckBox>("chkIDADD1")->isChecked());
    QVERIFY(!shown.Find<QCheckBox>("chkIDLOCK")->isChecked());
    for (const EntryId entry : AllEntries()) {
      const auto* edit = shown.Find<QLineEdit>(Str(EntryName(entry)));
      QCOMPARE(edit->maxLength(), std::numeric_limits<int>::max());
      QVERIFY(edit->validator() == nullptr);
      QVERIFY(edit->inputMask().isEmpty());
    }
  }

  void entriesTakeLongText() {
    FakeReaderWindow shown;
    const QString text = QString("1234567890 ").repeated(4000);
    shown.Find<QLineEdit>("txtIDWG27")->setText(text);
    QCOMPARE(shown.Text("txtIDWG27"), text);
  }

  void optionsFormOneExclusiveGroup() {
    FakeReaderWindow shown;
    for (const WiegandFormat& format : WiegandFormats()) {
      shown.Click("optID" + Str(format.name));
      for (const WiegandFormat& other : WiegandFormats()) {
        QCOMPARE(shown.Find<QRadioButton>("optID" + Str(other.name))->isChecked(), other.index == format.index);
      }
    }
    const auto* group = shown.window.findChild<QButtonGroup*>();
    QVERIFY(group->exclusive());
    QCOMPARE(group->buttons().size(), 12);
  }

  void tabOrderRunsDownTheLeftColumnThenTheRight() {
    FakeReaderWindow shown;
    const QStringList expected = {
        "optIDWG37", "txtIDWG371", "txtIDWG372", "optIDWG36", "txtIDWG36", "optIDWG35", "txtIDWG35",
        "optIDWG34", "txtIDWG34",  "optIDWG33",  "txtIDWG33", "optIDWG32", "txtIDWG32", "optIDWG31",
        "txtIDWG31", "optIDWG30",  "txtIDWG30",  "optIDWG29", "txtIDWG29", "optIDWG28", "txtIDWG28",
        "optIDWG27", "txtIDWG27",  "optIDWG26",  "txtIDB2",   "txtIDB1B0", "chkIDADD1", "chkIDLOCK",
        "cmdIDRead", "cmdIDWrite"};
    // Qt keeps only one option of an exclusive group as a tab stop (the arrow
    // keys move within the group), so the chain itself is compared.
    QStringList order;
    const QWidget* first = shown.Find(expected.front());
    const QWidget* widget = first;
    do {
      if (qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QLineEdit*>(widget)) {
        order << widget->objectName();
      }
      widget = widget->nextInFocusChain();
    } while (widget != first);
    QCOMPARE(order, expected);
  }
};

QTEST_MAIN(WindowLayoutTest)
#include "window_layout_test.moc"
