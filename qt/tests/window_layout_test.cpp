#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRawFont>
#include <QTest>

#include "form/classic_look.h"
#include "form/classic_palette.h"
#include "form/form_table.h"
#include "form/pictures.h"
#include "form/stand_in_fonts.h"
#include "qt/colours.h"
#include "qt/course_view.h"
#include "qt/picture_box.h"
#include "qt/picture_resources.h"
#include "qt/qt_geometry.h"
#include "qt/utf8.h"
#include "window_fixture.h"

namespace vortalin::qt::test {

using form::ControlKind;
using form::ControlRecord;

namespace {

// The boxes in a picture box are drawn by a course view over its inside.
QWidget* containerWidget(const MainWindow& window, std::string_view name) {
  QWidget* container = window.controls().widget(name);
  if (auto* box = qobject_cast<PictureBox*>(container)) {
    return box->inside().findChild<CourseView*>({}, Qt::FindDirectChildrenOnly);
  }
  return container;
}

QString focusedControl() {
  QWidget* focused = QApplication::focusWidget();
  if (auto* display = qobject_cast<DigitsDisplay*>(focused->parentWidget())) focused = display;
  return focused->objectName();
}

}  // namespace

class WindowLayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { prepareApplication(); }
  // A control built at the wrong place, size or in the wrong container.
  void everyControlSitsAtItsDesignPlace_data();
  void everyControlSitsAtItsDesignPlace();
  void clientAreaAndViewHaveTheirDesignSizes();
  // A missing or broken built-in picture must stop the start, not leave a box empty.
  void everyBuiltInPictureLoadsAndAMissingOneIsAnError();
  // Resizing must not move any control: there is no layout and no resize handling.
  void resizingMovesNothing();
  // Siblings stack as listed: a control higher in the table is drawn over lower ones.
  void stackingFollowsTheTable();
  void tabOrderFollowsTheTabIndicesStartingWithStart();
  // Each caption in the face the table names, else in the first stand-in of its kind that has
  // every glyph of it.
  void fontsAreRequestedAsTheTableSays_data();
  void fontsAreRequestedAsTheTableSays();
  void textsColoursAndAlignmentFollowTheTable();
  // Every ring and focus-mark pixel of each control in the window against a picture drawn
  // from the classic look's data: the colours were the style's, the bevels stayed one device
  // pixel at 1.5 and 2, the title's border was its text colour, the focus mark left a gap.
  void bordersAndFocusMarkAreDrawnFromTheClassicLook_data();
  void bordersAndFocusMarkAreDrawnFromTheClassicLook();
  void buttonsAndTextBoxesHaveJapaneseAccessibleNames();
  void clockIsPreciseEveryTenMillisecondsAndOffAtOpening();
};

void WindowLayoutTest::everyControlSitsAtItsDesignPlace_data() {
  QTest::addColumn<int>("row");
  for (int row = 0; row < static_cast<int>(form::formTable.size()); ++row) {
    const ControlRecord& record = form::formTable[row];
    if (record.kind == ControlKind::Window || record.kind == ControlKind::Timer) continue;
    const QByteArray name = controlObjectName(record).toUtf8();
    QTest::newRow(name.constData()) << row;
  }
}

void WindowLayoutTest::everyControlSitsAtItsDesignPlace() {
  QFETCH(int, row);
  const ControlRecord& record = form::formTable[row];
  MainWindow window{timeStandsStill};
  QWidget* widget = window.controls().widget(record.name, record.index);
  QVERIFY(widget);
  QCOMPARE(widget->objectName(), controlObjectName(record));
  QWidget* container = containerWidget(window, record.container);
  QCOMPARE(widget->parentWidget(), container);
  const QRect expected(QPoint(qRound(record.left / 15.0), qRound(record.top / 15.0)),
                       QSize(record.width / 15, record.height / 15));
  QCOMPARE(widget->geometry(), expected);
  if (auto* view = qobject_cast<CourseView*>(container)) {
    // The view draws the box; the box itself stays hidden.
    QVERIFY(!widget->isVisibleTo(&window));
    QVERIFY(view->isVisibleTo(&window));
  } else {
    QVERIFY(widget->isVisibleTo(&window));
  }
}

void WindowLayoutTest::clientAreaAndViewHaveTheirDesignSizes() {
  MainWindow window{timeStandsStill};
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  QCOMPARE(window.size(), QSize(290, 357));
  QCOMPARE(window.windowTitle(), QStringLiteral("Form1"));
  // The icon is the player's car.
  const QPixmap car = loadPicture(form::Picture::PlayerCar);
  QCOMPARE(window.windowIcon().pixmap(car.size()).toImage(), car.toImage());
  auto* view = window.controls().get<PictureBox>("Picture1");
  QCOMPARE(view->insideRect().size(), QSize(141, 301));
  QCOMPARE(view->inside().geometry(), view->insideRect());
  // Cars: a 30 x 50 inside in a 32 x 52 box; the strip: 141 x 2835 in 145 x 2839.
  QCOMPARE(window.controls().get<PictureBox>("Picture3")->insideRect(), QRect(1, 1, 30, 50));
  QCOMPARE(window.controls().get<PictureBox>("Picture4", 1)->insideRect(), QRect(1, 1, 30, 50));
  QCOMPARE(window.controls().get<PictureBox>("Picture2")->insideRect(), QRect(2, 2, 141, 2835));
}

void WindowLayoutTest::everyBuiltInPictureLoadsAndAMissingOneIsAnError() {
  for (const form::Picture picture : form::allPictures) {
    const form::PixelSize size = form::pictureSize(picture);
    QCOMPARE(loadPicture(picture).size(), QSize(size.width, size.height));
  }
  QVERIFY_THROWS_EXCEPTION(PictureError, loadPictureFile(pictureResourcePath("absent.gif")));
}

void WindowLayoutTest::resizingMovesNothing() {
  MainWindow window{timeStandsStill};
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  QList<QRect> before;
  for (const auto& entry : window.controls().entries()) {
    if (entry.widget && entry.widget != &window) before.append(entry.widget->geometry());
  }
  for (const QSize size : {QSize(700, 600), QSize(120, 90), QSize(290, 357)}) {
    window.resize(size);
    QCoreApplication::processEvents();
    QCOMPARE(window.size(), size);
    QList<QRect> after;
    for (const auto& entry : window.controls().entries()) {
      if (entry.widget && entry.widget != &window) after.append(entry.widget->geometry());
    }
    QCOMPARE(after, before);
  }
}

void WindowLayoutTest::stackingFollowsTheTable() {
  MainWindow window{timeStandsStill};
  for (const char* containerName : {"Form1", "Picture1"}) {
    QList<QObject*> expectedBackToFront;
    for (const ControlRecord& record : form::formTable) {
      if (record.container == containerName && record.kind != ControlKind::Timer) {
        expectedBackToFront.prepend(window.controls().widget(record.name, record.index));
      }
    }
    QWidget* container = containerWidget(window, containerName);
    QList<QObject*> actual;
    for (QObject* child : container->children()) {
      if (child->isWidgetType() && expectedBackToFront.contains(child)) actual.append(child);
    }
    QCOMPARE(actual, expectedBackToFront);
  }
}

void WindowLayoutTest::tabOrderFollowsTheTabIndicesStartingWithStart() {
  MainWindow window{timeStandsStill};
  window.show();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  QCOMPARE(QApplication::focusWidget(), window.controls().widget("Command1"));

  const QStringList expected{"Command1", "Command2", "Command3", "Text1", "Text2", "Command4"};
  QStringList visited;
  for (int i = 0; i < expected.size(); ++i) {
    visited.append(focusedControl());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  QCOMPARE(visited, expected);
  QCOMPARE(focusedControl(), QStringLiteral("Command1"));

  for (const auto& entry : window.controls().entries()) {
    const ControlKind kind = entry.record->kind;
    if (kind == ControlKind::Label || kind == ControlKind::PictureBox) {
      QCOMPARE(entry.widget->focusPolicy(), Qt::NoFocus);
    }
  }
}

void WindowLayoutTest::fontsAreRequestedAsTheTableSays_data() {
  QTest::addColumn<int>("row");
  for (int row = 0; row < static_cast<int>(form::formTable.size()); ++row) {
    if (form::formTable[row].font) {
      QTest::newRow(controlObjectName(form::formTable[row]).toUtf8().constData()) << row;
    }
  }
}

void WindowLayoutTest::fontsAreRequestedAsTheTableSays() {
  QFETCH(int, row);
  const ControlRecord& record = form::formTable[row];
  MainWindow window{timeStandsStill};
  const QWidget& widget = *window.controls().widget(record.name, record.index);
  const QFont font = widget.font();
  QCOMPARE(font.pointSizeF(), record.font->points);
  QCOMPARE(font.weight(), record.font->weight);

  // The named face, or a stand-in of its kind; Qt draws with that face itself.
  const QString face = font.family();
  QStringList acceptable{fromUtf8(record.font->face)};
  for (std::string_view standIn : form::standInsFor(*record.font)) {
    acceptable.append(fromUtf8(standIn));
  }
  QVERIFY2(acceptable.contains(face), qPrintable(face));
  QCOMPARE(QFontInfo(font).family(), face);
  // Every glyph of the caption from that face, not from a fallback Qt picks on its own (the
  // arrows came from another face, too low in their buttons).
  QFont exact = font;
  exact.setStyleStrategy(QFont::NoFontMerging);
  const QRawFont raw = QRawFont::fromFont(exact);
  QCOMPARE(raw.familyName(), face);
  for (const uint character : fromUtf8(record.caption).toUcs4()) {
    QVERIFY2(raw.supportsCharacter(character),
             qPrintable(QStringLiteral("%1 lacks U+%2").arg(face).arg(character, 4, 16)));
  }
}

void WindowLayoutTest::textsColoursAndAlignmentFollowTheTable() {
  MainWindow window{timeStandsStill};
  QCOMPARE(textBox(window, "Text1").text(), QStringLiteral("1000"));
  QCOMPARE(textBox(window, "Text2").text(), QStringLiteral("0"));
  for (const char* name : {"Text1", "Text2"}) {
    QVERIFY(textBox(window, name).editor().alignment() & Qt::AlignRight);
    QVERIFY(!textBox(window, name).editor().isReadOnly());
  }
  QCOMPARE(button(window, "Command1").text(), QStringLiteral("START"));
  QCOMPARE(button(window, "Command2").text(), QStringLiteral("←"));
  QCOMPARE(button(window, "Command3").text(), QStringLiteral("→"));
  QCOMPARE(button(window, "Command4").text(), QStringLiteral("STOP"));

  const auto& title = *window.controls().get<QLabel>("Label3");
  QCOMPARE(title.text(), QStringLiteral("MORVANTE ver 1.0"));
  QVERIFY(title.alignment() & Qt::AlignHCenter);
  QVERIFY(title.wordWrap());
  QVERIFY(title.autoFillBackground());
  QCOMPARE(title.palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xFF));
  QCOMPARE(title.palette().color(QPalette::WindowText), QColor(0x00, 0x00, 0xC0));

  for (const char* name : {"Label1", "Label2"}) {
    const auto& unit = *window.controls().get<QLabel>(name);
    QVERIFY(unit.alignment() & Qt::AlignRight);
    QVERIFY(unit.autoFillBackground());
    QCOMPARE(unit.palette().color(QPalette::Window), defaultBackground());
  }
  const auto& address = *window.controls().get<QLabel>("Label4");
  QCOMPARE(address.text(), fromUtf8(identity::homePage));
  QCOMPARE(address.font(), window.font());

  QCOMPARE(window.controls().get<PictureBox>("Picture3")->background(), QColor(255, 0, 0));
  QCOMPARE(window.controls().get<PictureBox>("Picture4", 0)->background(), QColor(0, 0, 255));
  QCOMPARE(window.controls().get<PictureBox>("Picture4", 1)->background(), QColor(0, 0, 255));
  QCOMPARE(window.controls().get<PictureBox>("Picture1")->background(), defaultBackground());
  QCOMPARE(window.palette().color(QPalette::Window),
           QApplication::palette().color(QPalette::Button));
}

void WindowLayoutTest::bordersAndFocusMarkAreDrawnFromTheClassicLook_data() {
  QTest::addColumn<bool>("stopPressed");
  QTest::newRow("opening, START focused") << false;
  QTest::newRow("STOP held down") << true;
}

void WindowLayoutTest::bordersAndFocusMarkAreDrawnFromTheClassicLook() {
  QFETCH(bool, stopPressed);
  MainWindow window{timeStandsStill};
  window.show();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  QCOMPARE(QApplication::focusWidget(), window.controls().widget("Command1"));
  if (stopPressed) button(window, "Command4").setDown(true);
  QCoreApplication::processEvents();
  const QImage shown = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
  const int dpi = qRound(window.devicePixelRatioF() * form::designDotsPerInch);

  // The picture the description draws, in the classic colours: each ring, and each dot of
  // the focus mark as the inverse of the face beneath it; clear where it draws nothing. The
  // table lists the controls front to back.
  QImage expected(shown.size(), QImage::Format_ARGB32);
  expected.fill(Qt::transparent);
  for (auto record = form::formTable.rbegin(); record != form::formTable.rend(); ++record) {
    if (record->container != form::formTable.front().name) continue;
    const form::PixelRect place = form::pixelRect(*record, dpi);
    const auto paint = [&](const form::DeviceRect& r, QColor colour) {
      QPainter painter(&expected);
      painter.setCompositionMode(QPainter::CompositionMode_Source);
      painter.fillRect(place.left + r.left, place.top + r.top, r.width, r.height, colour);
    };
    paint({0, 0, place.width, place.height}, Qt::transparent);
    const form::ButtonState state{.focused = record->name == "Command1",
                                  .pressed = stopPressed && record->name == "Command4"};
    const bool isButton = record->kind == ControlKind::CommandButton;
    form::paintRings(isButton ? form::buttonRings(state) : form::borderRings(*record),
                     place.width, place.height, dpi,
                     [&](const form::DeviceRect& r, SystemColour colour) {
                       const form::Rgb rgb = form::classicRgb(colour);
                       paint(r, QColor(rgb.red, rgb.green, rgb.blue));
                     });
    if (isButton && state.focused) {
      const form::Rgb face =
          form::classicRgb(record->background.value_or(form::defaultBackground));
      form::paintFocusMark(place.width, place.height, dpi, [&](const form::DeviceRect& r) {
        paint(r, QColor(255 - face.red, 255 - face.green, 255 - face.blue));
      });
    }
  }
  int compared = 0;
  QStringList wrong;
  for (int y = 0; y < expected.height(); ++y) {
    for (int x = 0; x < expected.width(); ++x) {
      const QRgb want = expected.pixel(x, y);
      if (qAlpha(want) == 0) continue;
      ++compared;
      const QRgb got = shown.pixel(x, y);
      if ((got & RGB_MASK) == (want & RGB_MASK)) continue;
      wrong.append(QStringLiteral("(%1,%2) %3 for %4")
                       .arg(x)
                       .arg(y)
                       .arg(got & RGB_MASK, 6, 16, QChar('0'))
                       .arg(want & RGB_MASK, 6, 16, QChar('0')));
    }
  }
  QVERIFY(compared > 2000);
  QVERIFY2(wrong.isEmpty(), qPrintable(QStringLiteral("%1 of %2 pixels differ, first: %3")
                                           .arg(wrong.size())
                                           .arg(compared)
                                           .arg(wrong.mid(0, 8).join(QStringLiteral("; ")))));
}

void WindowLayoutTest::buttonsAndTextBoxesHaveJapaneseAccessibleNames() {
  MainWindow window{timeStandsStill};
  const QList<std::pair<const char*, QString>> expected{
      {"Command1", QStringLiteral("スタート")}, {"Command2", QStringLiteral("左へ")},
      {"Command3", QStringLiteral("右へ")},     {"Command4", QStringLiteral("ストップ")},
      {"Text1", QStringLiteral("エネルギー")},  {"Text2", QStringLiteral("距離")}};
  for (const auto& [name, accessible] : expected) {
    QCOMPARE(window.controls().widget(name)->accessibleName(), accessible);
  }
}

void WindowLayoutTest::clockIsPreciseEveryTenMillisecondsAndOffAtOpening() {
  MainWindow window{timeStandsStill};
  QCOMPARE(clock(window).interval(), 10);
  QCOMPARE(clock(window).timerType(), Qt::PreciseTimer);
  QVERIFY(!clock(window).isActive());
  QVERIFY(!window.controller().view().clockEnabled());
}

}  // namespace vortalin::qt::test

QTEST_MAIN(vortalin::qt::test::WindowLayoutTest)
#include "window_layout_test.moc"
