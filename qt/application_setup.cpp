#include "application_setup.h"

#include <cstdio>
#include <exception>

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

#include "colours.h"

namespace vortalin::qt {

namespace {

// Where the player and a terminal both see it.
int reportStartFailure(const QString& what) {
  std::fprintf(stderr, "vortalin: %s\n", qPrintable(what));
  QMessageBox::critical(nullptr, QApplication::applicationName(), what);
  return 1;
}

}  // namespace

// The window paints its controls' look itself, so any Qt style will do; the colours are the
// classic scheme's, for what Qt still draws (the line edit the player types into).
void prepareApplication() { QApplication::setPalette(classicPalette()); }

int runWindow(const std::function<std::unique_ptr<QWidget>()>& build) {
  std::unique_ptr<QWidget> window;
  try {
    window = build();
    window->show();
  } catch (const std::exception& error) {
    return reportStartFailure(QString::fromLocal8Bit(error.what()));
  } catch (...) {
    return reportStartFailure(QStringLiteral("the window could not be opened"));
  }
  return QApplication::exec();
}

}  // namespace vortalin::qt
