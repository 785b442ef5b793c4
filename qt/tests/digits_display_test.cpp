#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <algorithm>
#include <limits>

#include "backing_store.h"
#include "form/form_table.h"
#include "qt/colours.h"
#include "qt/utf8.h"
#include "window_fixture.h"

namespace vortalin::qt::test {

namespace {

/// The pixels a text adds to an empty white box: how many, where, and whether any of them
/// is coloured, as subpixel antialiasing draws edges.
struct Ink {
  int pixels = 0;
  QRect bounds;
  bool coloured = false;
};

Ink inkOf(const QImage& image, QColor base) {
  Ink ink;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor pixel = image.pixelColor(x, y);
      if (pixel == base) continue;
      ++ink.pixels;
      ink.bounds |= QRect(x, y, 1, 1);
      ink.coloured = ink.coloured || pixel.red() != pixel.green() || pixel.green() != pixel.blue();
    }
  }
  return ink;
}

QImage opaque(const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); }

QString describe(const QString& text, const Ink& ours, const Ink& theirs) {
  const auto rect = [](const QRect& r) {
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
  };
  return QStringLiteral("\"%1\": ink %2 px at %3, a line edit's %4 px at %5")
      .arg(text)
      .arg(ours.pixels)
      .arg(rect(ours.bounds))
      .arg(theirs.pixels)
      .arg(rect(theirs.bounds));
}

}  // namespace

class DigitsDisplayTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { prepareApplication(); }
  // Under each style, scale and antialiasing the runs use: each number, drawn over the one
  // before it, has a line edit's font, alignment and margins, and only what changed is
  // repainted; the box is named for screen readers, and a click lets the player type.
  void showsNumbersAndTakesTypingLikeALineEdit_data();
  void showsNumbersAndTakesTypingLikeALineEdit();
};

void DigitsDisplayTest::showsNumbersAndTakesTypingLikeALineEdit_data() {
  QTest::addColumn<QString>("style");
  QTest::newRow("classic") << QStringLiteral("Windows");
  QTest::newRow("fusion") << QStringLiteral("Fusion");
}

void DigitsDisplayTest::showsNumbersAndTakesTypingLikeALineEdit() {
  QFETCH(QString, style);
  QApplication::setStyle(style);
  MainWindow window{timeStandsStill};
  clock(window).setInterval(std::numeric_limits<int>::max());
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  DigitsDisplay& display = textBox(window, "Text1");
  const qreal ratio = window.devicePixelRatioF();
  const QRect inside = QRectF(QPointF(display.insideRect().topLeft()) * ratio,
                              QSizeF(display.insideRect().size()) * ratio)
                           .toAlignedRect();
  const QColor base = display.palette().color(QPalette::Base);

  // A plain line edit with the display's font and alignment, the size of its inside.
  QLineEdit twin;
  twin.setFrame(false);
  twin.setFont(display.font());
  twin.setAlignment(display.editor().alignment());
  twin.resize(display.insideRect().size());

  for (const char* number : {"1000", "999", "998", "1", "-2044", "0", "32767", "1522", "1000"}) {
    const QString text = QString::fromLatin1(number);
    display.setText(text);
    twin.setText(text);
    QCOMPARE(display.text(), text);
    QCoreApplication::sendPostedEvents();
    const QImage shown = opaque(backingStoreArea(window, display.geometry()));
    QVERIFY2(shown == opaque(display.grab().toImage()), number);  // no stale pixels
    const Ink ours = inkOf(shown.copy(inside), base);
    const Ink theirs = inkOf(opaque(twin.grab().toImage()), base);
    const QString what = describe(text, ours, theirs);
    QVERIFY2(theirs.pixels > 50 * ratio * ratio, qPrintable(what));
    QVERIFY2(qAbs(ours.pixels - theirs.pixels) <= theirs.pixels / 10, qPrintable(what));
    const QMargins off(
        ours.bounds.left() - theirs.bounds.left(), ours.bounds.top() - theirs.bounds.top(),
        ours.bounds.right() - theirs.bounds.right(), ours.bounds.bottom() - theirs.bounds.bottom());
    for (int edge : {off.left(), off.top(), off.right(), off.bottom()}) {
      QVERIFY2(qAbs(edge) <= 1, qPrintable(what));
    }
    // Qt draws large glyphs from outlines, in grey only; the run at scale 1 expects colour.
    QVERIFY2(ours.coloured == theirs.coloured, qPrintable(what));
    if (qEnvironmentVariableIsSet("VORTALIN_EXPECT_SUBPIXEL"))
      QVERIFY2(ours.coloured, qPrintable(what));
  }

  const form::ControlRecord& record = form::control("Text1");
  QCOMPARE(display.accessibleName(), fromUtf8(record.accessibleName));
  QCOMPARE(display.editor().accessibleName(), fromUtf8(record.accessibleName));

  QTest::mouseClick(&display, Qt::LeftButton);
  QVERIFY(display.editor().hasFocus());
  QTest::keyClick(&display.editor(), Qt::Key_End);
  QTest::keyClicks(&display.editor(), QStringLiteral("5"));
  QCOMPARE(display.text(), QStringLiteral("10005"));
  // The game rewrites the text while the player types, as it would a line edit's.
  display.setText(QStringLiteral("998"));
  QCOMPARE(display.editor().text(), QStringLiteral("998"));
  // A caret the player put inside the number stays there.
  display.editor().setCursorPosition(1);
  display.setText(QStringLiteral("999"));
  QCOMPARE(display.editor().cursorPosition(), 1);
  display.setText(QStringLiteral("998"));
  QCOMPARE(display.editor().cursorPosition(), 1);
  QTest::keyClick(&display.editor(), Qt::Key_End);
  QTest::keyClicks(&display.editor(), QStringLiteral("7"));
  // Tab leaves for the next box, which the display hands on to its own line edit.
  QTest::keyClick(&display.editor(), Qt::Key_Tab);
  QVERIFY(textBox(window, "Text2").editor().hasFocus());
  QTRY_VERIFY(!display.editor().isVisible());
  QCOMPARE(display.text(), QStringLiteral("9987"));
  twin.setText(QStringLiteral("9987"));
  QCoreApplication::sendPostedEvents();
  const Ink typed = inkOf(opaque(backingStoreArea(window, display.geometry())).copy(inside), base);
  QVERIFY(qAbs(typed.pixels - inkOf(opaque(twin.grab().toImage()), base).pixels) <
          typed.pixels / 10);
  // Shift+Tab from the next box comes back to this one with its text selected, and goes on.
  QTest::keyClick(&textBox(window, "Text2").editor(), Qt::Key_Backtab);
  QVERIFY(display.editor().hasFocus());
  QCOMPARE(display.editor().selectedText(), QStringLiteral("9987"));
  // The selection shows in the classic scheme's highlight, as in the other windows.
  const QImage selected = display.editor().grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QRgb highlight = toQColor(SystemColour::Highlight).rgb();
  qsizetype highlighted = 0;
  for (int y = 0; y < selected.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(selected.constScanLine(y));
    highlighted += std::count(row, row + selected.width(), highlight);
  }
  QVERIFY2(highlighted > selected.width() * selected.height() / 10,
           qPrintable(QString::number(highlighted)));
  QTest::keyClick(&display.editor(), Qt::Key_Backtab);
  QVERIFY(!display.hasFocus() && !display.editor().hasFocus());
}

}  // namespace vortalin::qt::test

QTEST_MAIN(vortalin::qt::test::DigitsDisplayTest)
#include "digits_display_test.moc"
