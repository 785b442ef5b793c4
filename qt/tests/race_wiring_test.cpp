#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QThread>

#include <map>

#include "core/race.h"
#include "core/race_rules.h"
#include "core/random_source.h"
#include "core/tests/race_model.h"
#include "form/design_state.h"
#include "qt/colours.h"
#include "qt/qt_geometry.h"
#include "window_fixture.h"

namespace vortalin::qt::test {

namespace {

using rules::ticksPerCourse;
constexpr Colour hitColour = 255;

/// The same race run on an in-memory view, fed the same clicks as the window.
struct ModelRace {
  RaceModel view{form::designViewState()};
  ClassicRandom random;
  Race race{view, random};
};

QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

bool overlaps(const RaceView& view, Box rival) {
  const float dx = view.left(Box::Player) - view.left(rival);
  const float dy = view.top(Box::Player) - view.top(rival);
  return dx > -300 && dx < 300 && dy > -1000 && dy < 1000;
}

}  // namespace

class RaceWiringTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { prepareApplication(); }
  // Each button runs its own command and nothing else.
  void buttonsRunStartSteeringAndStop();
  // Space, Enter and keypad Enter click the focused button, as on the classic desktop; the
  // program has no keys of its own, so the arrow keys steer nothing.
  void keysClickTheFocusedButtonAndArrowsDoNotSteer_data();
  void keysClickTheFocusedButtonAndArrowsDoNotSteer();
  // The window and the core on a model must agree on every value after every tick.
  void windowAgreesWithTheModelTickByTickOverAWholeCourse();
  // The full-counter notice is window-modal: the race stops before it shows, the window takes
  // no input until the player closes it, then works on; one notice at a time.
  void fullDistanceCounterStopsTheClockAndTellsThePlayer();
  // A late wake-up of the clock's timer runs every period that fell due meanwhile, so a busy
  // machine does not lengthen a course (the timer alone lost each late period).
  void aLateWakeUpRunsThePeriodsThatFellDue();
};

void RaceWiringTest::buttonsRunStartSteeringAndStop() {
  MainWindow window{timeStandsStill};
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  QVERIFY(!clock(window).isActive());

  click(window, "Command2");
  QCOMPARE(window.controller().race().steeringSpeed(), -10.0f);
  QVERIFY(!clock(window).isActive());
  click(window, "Command3");
  QCOMPARE(window.controller().race().steeringSpeed(), 10.0f);

  click(window, "Command1");
  QVERIFY(clock(window).isActive());
  QCOMPARE(window.controller().race().energy(), std::optional<std::int16_t>(1000));
  QCOMPARE(window.controller().view().top(Box::Strip), -38000.0f);
  QCOMPARE(window.controller().view().top(Box::Rival0), -1000.0f);
  QCOMPARE(window.controls().widget("Picture2")->y(), twipsToPixels(-38000.0));
  QCOMPARE(window.controller().race().distance(), std::int16_t{0});

  click(window, "Command4");
  QVERIFY(!clock(window).isActive());
  QCOMPARE(window.controller().view().top(Box::Strip), -38000.0f);
}

void RaceWiringTest::keysClickTheFocusedButtonAndArrowsDoNotSteer_data() {
  QTest::addColumn<int>("key");
  QTest::addColumn<bool>("keypad");
  QTest::addColumn<float>("steering");
  QTest::addColumn<QString>("from");
  QTest::addColumn<QString>("focusAfter");  // after the first press
  QTest::addColumn<bool>("rightToLeft");
  QTest::newRow("Space") << int(Qt::Key_Space) << false << 10.0f << "Command3"
                         << "Command3" << false;
  QTest::newRow("Enter") << int(Qt::Key_Return) << false << 10.0f << "Command3"
                         << "Command3" << false;
  QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << true << 10.0f << "Command3"
                                << "Command3" << false;
  // Arrows walk the tab order round, whatever lies beside the button.
  QTest::newRow("right arrow") << int(Qt::Key_Right) << false << 0.0f << "Command3"
                               << "Text1" << false;
  QTest::newRow("down arrow") << int(Qt::Key_Down) << false << 0.0f << "Command3"
                              << "Text1" << false;
  QTest::newRow("left arrow") << int(Qt::Key_Left) << false << 0.0f << "Command3"
                              << "Command2" << false;
  QTest::newRow("up arrow") << int(Qt::Key_Up) << false << 0.0f << "Command2"
                            << "Command1" << false;
  QTest::newRow("keypad right arrow") << int(Qt::Key_Right) << true << 0.0f << "Command3"
                                      << "Text1" << false;
  QTest::newRow("left arrow from START") << int(Qt::Key_Left) << false << 0.0f << "Command1"
                                         << "Command4" << false;
  QTest::newRow("down arrow from STOP") << int(Qt::Key_Down) << false << 0.0f << "Command4"
                                        << "Command1" << false;
  // Qt's own arrow keys swap sides in a right-to-left layout; the tab order does not.
  QTest::newRow("right arrow, right to left") << int(Qt::Key_Right) << false << 0.0f << "Command3"
                                              << "Text1" << true;
}

void RaceWiringTest::keysClickTheFocusedButtonAndArrowsDoNotSteer() {
  QFETCH(int, key);
  QFETCH(bool, keypad);
  QFETCH(float, steering);
  QFETCH(QString, from);
  QFETCH(QString, focusAfter);
  QFETCH(bool, rightToLeft);
  MainWindow window{timeStandsStill};
  if (rightToLeft) window.setLayoutDirection(Qt::RightToLeft);
  window.show();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  button(window, qPrintable(from)).setFocus();
  // Twice: an arrow key moves the focus on to another control, which takes the second press.
  QTest::keyClick(QApplication::focusWidget(), Qt::Key(key),
                  keypad ? Qt::KeypadModifier : Qt::NoModifier);
  const QWidget* focused = window.controls().widget(focusAfter.toStdString());
  QVERIFY2(
      focused->isAncestorOf(QApplication::focusWidget()) || focused == QApplication::focusWidget(),
      qPrintable(QApplication::focusWidget()->objectName()));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key(key),
                  keypad ? Qt::KeypadModifier : Qt::NoModifier);
  QCOMPARE(window.controller().race().steeringSpeed(), steering);
  QVERIFY(!clock(window).isActive());
}

void RaceWiringTest::windowAgreesWithTheModelTickByTickOverAWholeCourse() {
  MainWindow window{timeStandsStill};
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  ModelRace model;
  // Clicks before a given tick; steering left at once brings rival car 1 across the player.
  const std::map<int, const char*> clicks{{400, "Command3"}, {900, "Command2"}, {1300, "Command3"}};
  const auto clickBoth = [&](const char* name) {
    click(window, name);
    const std::string_view command = name;
    if (command == "Command1") model.race.start();
    if (command == "Command2") model.race.steerLeft();
    if (command == "Command3") model.race.steerRight();
  };
  clickBoth("Command2");
  clickBoth("Command1");

  const auto& title = *window.controls().get<QLabel>("Label3");
  const QColor titleColour = title.palette().color(QPalette::Window);
  int ticks = 0;
  int redTicks = 0;
  while (clock(window).isActive()) {
    QVERIFY(ticks < ticksPerCourse + 1);
    if (clicks.contains(ticks)) clickBoth(clicks.at(ticks));
    tick(window);
    QCOMPARE(model.race.tick(), TickOutcome::Ran);
    ++ticks;

    const RaceView& view = window.controller().view();
    for (int i = 0; i < boxCount; ++i) {
      const Box box = static_cast<Box>(i);
      QCOMPARE(view.left(box), model.view.left(box));
      QCOMPARE(view.top(box), model.view.top(box));
      const auto& key = form::boxControls[i];
      QCOMPARE(window.controls().widget(key.name, key.index)->pos(),
               twipsToPixels(view.left(box), view.top(box)));
    }
    QCOMPARE(view.clockEnabled(), model.view.clockEnabled());
    QCOMPARE(view.backgroundColour(), model.view.backgroundColour());
    QCOMPARE(view.backgroundColour() == hitColour, overlaps(view, Box::Rival1));
    QCOMPARE(window.palette().color(QPalette::Window), toQColor(view.backgroundColour()));
    QCOMPARE(textBox(window, "Text1").text(), text(model.view.state().energyText));
    QCOMPARE(textBox(window, "Text2").text(), text(model.view.state().distanceText));
    if (view.backgroundColour() == hitColour) {
      ++redTicks;
      QCOMPARE(title.palette().color(QPalette::Window), titleColour);
    }
  }
  QCOMPARE(ticks, ticksPerCourse);
  QVERIFY(redTicks > 0);
  QCOMPARE(textBox(window, "Text2").text(), QString::number(ticksPerCourse));
  QCOMPARE(textBox(window, "Text1").text(), QString::number(*model.race.energy()));
  QCOMPARE(window.controller().view().top(Box::Strip), 50.0f);
}

void RaceWiringTest::fullDistanceCounterStopsTheClockAndTellsThePlayer() {
  MainWindow window{timeStandsStill};
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  for (int i = 0; i < 32767; ++i) {
    if (!clock(window).isActive()) click(window, "Command1");
    tick(window);
  }
  QCOMPARE(textBox(window, "Text2").text(), QStringLiteral("32767"));
  QVERIFY(!window.findChild<QMessageBox*>());

  if (!clock(window).isActive()) click(window, "Command1");
  tick(window);
  auto* message = window.findChild<QMessageBox*>();
  QVERIFY(message);
  QVERIFY(message->isVisible());
  QCOMPARE(message->windowModality(), Qt::WindowModal);
  QCOMPARE(QApplication::activeModalWidget(), message);
  QCOMPARE(message->windowTitle(), QStringLiteral("vortalin"));
  QVERIFY(message->text().contains(QStringLiteral("距離カウンター")));
  QVERIFY(!clock(window).isActive());
  // A click on the window while the notice shows does nothing. It goes through the window
  // system, as the player's does, where modality applies.
  const QPoint rightArrow = button(window, "Command3").geometry().center();
  QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, rightArrow);
  QCoreApplication::processEvents();
  QCOMPARE(window.controller().race().steeringSpeed(), 0.0f);

  QTest::mouseClick(message->button(QMessageBox::Ok), Qt::LeftButton);
  QVERIFY(!message->isVisible());
  QVERIFY(window.isVisible());

  // The window works on: the buttons run, and a new START meets the same end, told by the
  // same notice.
  click(window, "Command3");
  QCOMPARE(window.controller().race().steeringSpeed(), 10.0f);
  click(window, "Command1");
  QVERIFY(clock(window).isActive());
  tick(window);
  QVERIFY(!clock(window).isActive());
  QVERIFY(message->isVisible());
  QCOMPARE(window.findChildren<QMessageBox*>().size(), 1);
}

void RaceWiringTest::aLateWakeUpRunsThePeriodsThatFellDue() {
  MainWindow window;
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  click(window, "Command1");
  QElapsedTimer busy;
  busy.start();
  QThread::msleep(100);
  const qint64 late = busy.elapsed();
  if (late > 240) QSKIP("the machine stalled the test itself beyond the clock's catch-up");
  // Waking up late, the clock makes up for the periods it missed.
  QTRY_VERIFY(window.controller().race().distance() > 0);
  const int periods = window.controller().race().distance();
  QVERIFY2(periods >= late / 10 - 1,
           qPrintable(QStringLiteral("%1 periods after %2 ms").arg(periods).arg(late)));
}
}  // namespace vortalin::qt::test

QTEST_MAIN(vortalin::qt::test::RaceWiringTest)
#include "race_wiring_test.moc"
