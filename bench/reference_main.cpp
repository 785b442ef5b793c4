// The yardstick window on its own, to look at and to play: START runs one course.
#include <QApplication>

#include "qt/application_setup.h"
#include "reference_window.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  vortalin::qt::prepareApplication();
  QApplication::setStyle(QStringLiteral("Windows"));
  vortalin::bench::ReferenceWindow window;
  window.show();
  return QApplication::exec();
}
