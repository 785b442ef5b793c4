// Long play through the window's real clock handler, without waiting for wall-clock time:
// across the distance counter's limit, and course after course, watching memory and files.

#include <QApplication>
#include <QMessageBox>
#include <QTest>

#include <cstdint>
#include <iostream>

#include "process_usage.h"
#include "window_fixture.h"

namespace vortalin::qt::test {

namespace {

constexpr int counterLimit = 32767;
constexpr int soakTicks = 40'000;
// After the first messages, so their one-off costs (fonts, the dialog) are not counted.
constexpr int warmUpTicks = counterLimit + 200;
constexpr std::int64_t soakGrowthBound = 8 << 20;
constexpr int courses = 6;
constexpr std::int64_t courseGrowthBound = 4 << 20;
constexpr int fileGrowthBound = 2;

QMessageBox* counterFullMessage(const MainWindow& window) {
  return window.findChild<QMessageBox*>();
}

void dismiss(QMessageBox& message) {
  QTest::mouseClick(message.button(QMessageBox::Ok), Qt::LeftButton);
}

void printUsage(const char* what, std::int64_t before, std::int64_t after, int filesBefore,
                int filesAfter) {
  std::cout << what << ": resident " << mebibytes(before) << " MiB -> " << mebibytes(after)
            << " MiB (" << (after - before) / 1024 << " KiB), open files " << filesBefore << " -> "
            << filesAfter << '\n';
}

}  // namespace

class EnduranceTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { prepareApplication(); }
  // Every tick past the limit must stop the clock and show the message, every time START
  // is pressed again, without the process growing.
  void soakAcrossTheDistanceCounterLimit();
  // Whole courses, one after another, open no files and keep no memory.
  void wholeCoursesLeaveNoFilesOrMemoryBehind();
};

void EnduranceTest::soakAcrossTheDistanceCounterLimit() {
  MainWindow window{timeStandsStill};
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));

  std::int64_t residentBefore = 0;
  int filesBefore = 0;
  int limitHits = 0;
  int starts = 0;
  for (int event = 1; event <= soakTicks; ++event) {
    if (event == warmUpTicks) {
      residentBefore = residentBytes();
      filesBefore = openFileCount();
    }
    if (!clock(window).isActive()) {
      if (QMessageBox* message = counterFullMessage(window); message && message->isVisible()) {
        dismiss(*message);
        QVERIFY(!message->isVisible());
        // What a running program's event loop does between clicks; the clock is off.
        QCoreApplication::processEvents();
      }
      click(window, "Command1");
      ++starts;
      QVERIFY(clock(window).isActive());
    }
    const bool counterWasFull = window.controller().race().distance() == counterLimit;
    tick(window);
    if (!counterWasFull) continue;

    ++limitHits;
    QVERIFY2(!clock(window).isActive(), qPrintable(QStringLiteral("tick %1").arg(event)));
    QMessageBox* message = counterFullMessage(window);
    QVERIFY(message != nullptr);
    QVERIFY(message->isVisible());
    QCOMPARE(window.controller().race().distance(), std::int16_t{counterLimit});
    QCOMPARE(textBox(window, "Text2").text(), QString::number(counterLimit));
  }
  QCoreApplication::processEvents();
  const std::int64_t residentAfter = residentBytes();
  const int filesAfter = openFileCount();
  printUsage("soak", residentBefore, residentAfter, filesBefore, filesAfter);
  std::cout << "soak: " << soakTicks << " timer events, " << starts << " STARTs, " << limitHits
            << " at the full counter\n";

  QCOMPARE(limitHits, soakTicks - counterLimit);
  QCOMPARE(window.findChildren<QMessageBox*>().size(), 1);
  QVERIFY(filesAfter <= filesBefore + fileGrowthBound);
  if (residentMemoryIsMeaningful) QVERIFY(residentAfter - residentBefore < soakGrowthBound);
}

void EnduranceTest::wholeCoursesLeaveNoFilesOrMemoryBehind() {
  MainWindow window{timeStandsStill};
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  const auto playCourse = [&] {
    click(window, "Command1");
    int ticks = 0;
    while (clock(window).isActive()) {
      // Weave across the road so the cars meet and the background changes.
      if (ticks % 300 == 0) click(window, (ticks / 300) % 2 == 0 ? "Command2" : "Command3");
      tick(window);
      if (ticks % 100 == 0) (void)window.grab();
      ++ticks;
    }
    return ticks;
  };

  QVERIFY(playCourse() > 0);  // warm-up: caches and first paints
  QCoreApplication::processEvents();
  const std::int64_t residentBefore = residentBytes();
  const int filesBefore = openFileCount();
  const std::int16_t distanceBefore = window.controller().race().distance();
  for (int i = 0; i < courses; ++i) QVERIFY(playCourse() > 1000);
  QCoreApplication::processEvents();
  const std::int64_t residentAfter = residentBytes();
  const int filesAfter = openFileCount();
  printUsage("courses", residentBefore, residentAfter, filesBefore, filesAfter);

  QVERIFY(window.controller().race().distance() > distanceBefore);
  QVERIFY(filesAfter <= filesBefore + fileGrowthBound);
  if (residentMemoryIsMeaningful) QVERIFY(residentAfter - residentBefore < courseGrowthBound);
}

}  // namespace vortalin::qt::test

QTEST_MAIN(vortalin::qt::test::EnduranceTest)
#include "endurance_test.moc"
