#include "application_setup.h"

#include <cstdio>
#include <exception>

#include <QApplication>
#include <QMessageBox>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

#include "fonts.h"

namespace vortalin::qt {

namespace {

// Where the player and a terminal both see it.
int reportStartFailure(const QString& what) {
  std::fprintf(stderr, "vortalin: %s\n", qPrintable(what));
  QMessageBox::critical(nullptr, QApplication::applicationName(), what);
  return 1;
}

}  // namespace

void prepareApplication() {
  // The classic desktop look and its colours: raised bevelled buttons filled with their face
  // colour in every state, focus shown by a dotted rectangle, sunken square text boxes. A Qt
  // built without it keeps its default style.
  if (QStyle* classic = QStyleFactory::create(QStringLiteral("Windows"))) {
    QApplication::setStyle(classic);
    QApplication::setPalette(classic->standardPalette());
  }
}

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
