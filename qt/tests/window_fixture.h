#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "qt/application_setup.h"
#include "qt/digits_display.h"
#include "qt/main_window.h"

namespace vortalin::qt::test {

/// A time for the game clock that never moves, so that no period falls due by itself and
/// the tests deliver each one with `tick`.
inline game::Time timeStandsStill() { return {}; }

/// Writes to the window through the race's view, as the race does.
inline game::ShownRaceView& writableRaceView(MainWindow& window) {
  return window.controller().view();
}

inline QPushButton& button(const MainWindow& window, const char* name) {
  return *window.controls().get<QPushButton>(name);
}

inline DigitsDisplay& textBox(const MainWindow& window, const char* name) {
  return *window.controls().get<DigitsDisplay>(name);
}

inline QTimer& clock(const MainWindow& window) { return *window.controls().timer("Timer1"); }

inline void click(const MainWindow& window, const char* name) {
  QTest::mouseClick(&button(window, name), Qt::LeftButton);
}

/// One period of the game clock, delivered at once instead of after 10 ms.
inline void tick(MainWindow& window) { window.controller().clockPeriod(); }

}  // namespace vortalin::qt::test
