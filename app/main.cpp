#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QTranslator>

#include "japanese_interface.h"
#include "main_window.h"
#include "picture_resources.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QTranslator qtTexts;
  vortalin::app::useJapaneseInterface(application, qtTexts);
  vortalin::ui::initPictureResources();
  const QString icon = vortalin::ui::pictureResourcePath("vortalin.png");
  if (QFile::exists(icon)) QApplication::setWindowIcon(QIcon(icon));

  vortalin::ui::MainWindow window;
  window.show();
  return QApplication::exec();
}
