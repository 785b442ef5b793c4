// Prints where the window's inside and each of its controls lie, in logical pixels from the
// top-left corner of the window's inside: "NAME X Y WIDTH HEIGHT", one a line, plus the
// inside of each framed picture box as "NAME.inside", and the clock's period as
// "NAME.interval_ms MS". The Xvfb scripts click, crop and time by these lines.
#include <QApplication>
#include <QTextStream>
#include <QTimer>

#include "qt/application_setup.h"
#include "qt/main_window.h"
#include "qt/picture_box.h"

namespace {

void printRect(QTextStream& out, const QString& name, const QRect& rect) {
  out << name << ' ' << rect.x() << ' ' << rect.y() << ' ' << rect.width() << ' ' << rect.height()
      << '\n';
}

}  // namespace

int main(int argc, char* argv[]) {
  // Nothing is shown: the window is only built to be measured.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  vortalin::qt::prepareApplication();
  vortalin::qt::MainWindow window;
  QTextStream out(stdout);
  for (const auto& entry : window.controls().entries()) {
    if (entry.timer != nullptr) {
      out << entry.timer->objectName() << ".interval_ms " << entry.timer->interval() << '\n';
    }
    QWidget* widget = entry.widget;
    if (widget == nullptr) continue;
    const QPoint origin = widget == &window ? QPoint(0, 0) : widget->mapTo(&window, QPoint(0, 0));
    printRect(out, widget->objectName(), QRect(origin, widget->size()));
    const auto* box = qobject_cast<vortalin::qt::PictureBox*>(widget);
    if (box && !box->border().empty()) {
      printRect(out, widget->objectName() + QStringLiteral(".inside"),
                box->insideRect().translated(origin));
    }
  }
  return 0;
}
