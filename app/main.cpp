#include <QApplication>
#include <QTranslator>

#include "japanese_interface.h"
#include "main_window.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QTranslator qtTexts;
  vortalin::app::useJapaneseInterface(application, qtTexts);

  vortalin::ui::MainWindow window;
  window.show();
  return QApplication::exec();
}
