#include <memory>

#include <QApplication>
#include <QTranslator>

#include "japanese_interface.h"
#include "qt/application_setup.h"
#include "qt/main_window.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QTranslator qtTexts;
  return vortalin::qt::runWindow([&]() -> std::unique_ptr<QWidget> {
    vortalin::app::useJapaneseInterface(application, qtTexts);
    vortalin::qt::prepareApplication();
    return std::make_unique<vortalin::qt::MainWindow>();
  });
}
