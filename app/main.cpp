#include <cstdio>

#include <QApplication>
#include <QMessageBox>
#include <QTranslator>

#include "qt/application_setup.h"
#include "japanese_interface.h"
#include "qt/main_window.h"
#include "qt/picture_resources.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QTranslator qtTexts;
  vortalin::app::useJapaneseInterface(application, qtTexts);
  vortalin::qt::prepareApplication();
  try {
    vortalin::qt::MainWindow window;
    window.show();
    return QApplication::exec();
  } catch (const vortalin::qt::PictureError& error) {
    // A broken build: say what is wrong where the player and a terminal both see it.
    std::fprintf(stderr, "vortalin: %s\n", error.what());
    QMessageBox::critical(nullptr, QApplication::applicationName(),
                          QString::fromStdString(error.what()));
    return 1;
  }
}
