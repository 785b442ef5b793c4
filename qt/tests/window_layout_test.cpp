#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QRawFont>
#include <QTest>

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
  // Focus changed a button's face colour, and the bevel lacked its shadow.
  void buttonsKeepTheirFaceInEveryStateInsideAFullBevel_data();
  void buttonsKeepTheirFaceInEveryStateInsideAFullBevel();
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
  const QPalette colours = QApplication::palette();
  for (const char* name : {"Text1", "Text2"}) {
    QVERIFY(textBox(window, name).editor().alignment() & Qt::AlignRight);
    QVERIFY(!textBox(window, name).editor().isReadOnly());
    // A sunken border with square corners, not a flat one with rounded corners.
    const QImage box = textBox(window, name).grab().toImage();
    QCOMPARE(box.pixelColor(0, 0), colours.color(QPalette::Dark));
    QCOMPARE(box.pixelColor(1, 1), colours.color(QPalette::Shadow));
    QCOMPARE(box.pixelColor(box.width() - 1, box.height() - 1), colours.color(QPalette::Light));
  }
  QCOMPARE(button(window, "Command1").text(), QStringLiteral("START"));
  QCOMPARE(button(window, "Command2").text(), QStringLiteral("←"));
  QCOMPARE(button(window, "Command3").text(), QStringLiteral("→"));
  QCOMPARE(button(window, "Command4").text(), QStringLiteral("STOP"));

  const auto& title = *window.controls().get<QLabel>("Label3");
  QCOMPARE(title.text(), QStringLiteral("MORVANTE ver 1.0"));
  QVERIFY(title.alignment() & Qt::AlignHCenter);
  QVERIFY(title.wordWrap());
  QCOMPARE(title.frameShape(), QFrame::Box);
  QCOMPARE(title.lineWidth(), 1);
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
  QCOMPARE(window.controls().get<PictureBox>("Picture1")->frame(), PictureBox::Frame::Sunken);
  QCOMPARE(window.palette().color(QPalette::Window),
           QApplication::palette().color(QPalette::Button));
}

void WindowLayoutTest::buttonsKeepTheirFaceInEveryStateInsideAFullBevel_data() {
  QTest::addColumn<QByteArray>("name");
  QTest::addColumn<QByteArray>("state");
  for (const char* name : {"Command1", "Command2", "Command3", "Command4"}) {
    for (const char* state : {"at rest", "focused", "pressed"}) {
      QTest::addRow("%s %s", name, state) << QByteArray(name) << QByteArray(state);
    }
  }
}

void WindowLayoutTest::buttonsKeepTheirFaceInEveryStateInsideAFullBevel() {
  QFETCH(QByteArray, name);
  QFETCH(QByteArray, state);
  MainWindow window{timeStandsStill};
  window.show();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  auto& pushButton = button(window, name.constData());
  if (state == "focused") {
    // From the keyboard, which is when the focus is shown.
    pushButton.setFocus();
    QTest::keyClick(&pushButton, Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), &pushButton);
  }
  if (state != "focused") window.controls().widget("Text1")->setFocus();
  if (state == "pressed") pushButton.setDown(true);
  QCoreApplication::processEvents();

  const QImage face = pushButton.grab().toImage();
  const auto pixel = [&face](int x, int y) { return face.pixelColor(x, y); };
  const ControlRecord& record = *form::findControl(name.toStdString());
  // Between the bevel, the focus rectangle and the caption.
  QCOMPARE(pixel(6, 6), toQColor(*record.background));
  if (state == "at rest") {
    const QPalette colours = QApplication::palette();
    const int right = face.width() - 1;
    const int bottom = face.height() - 1;
    QCOMPARE(pixel(0, 0), colours.color(QPalette::Light));
    QCOMPARE(pixel(right, bottom), colours.color(QPalette::Shadow));
    QCOMPARE(pixel(right - 1, bottom - 1), colours.color(QPalette::Dark));
  }
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
