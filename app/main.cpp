#include <QApplication>
#include <QTranslator>

#include "application_setup.h"
#include "japanese_interface.h"
#include "main_window.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QTranslator qtTexts;
  vortalin::app::useJapaneseInterface(application, qtTexts);
  vortalin::qt::prepareApplication();

  vortalin::qt::MainWindow window;
  window.show();
  return QApplication::exec();
}
