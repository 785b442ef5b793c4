#include "japanese_interface.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QString>
#include <QTranslator>

#include "qt/utf8.h"
#include "vortalin/identity.h"

namespace vortalin::app {

void useJapaneseInterface(QApplication& application, QTranslator& translator) {
  QApplication::setApplicationName(qt::fromUtf8(identity::name));
  QApplication::setApplicationVersion(qt::fromUtf8(identity::version));
  // Docks and task bars find the launcher of the window by it (Wayland's app id, and the
  // window's desktop file properties on X11, beside StartupWMClass).
  QGuiApplication::setDesktopFileName(qt::fromUtf8(identity::desktopId));
  const QLocale japanese(qt::fromUtf8(identity::uiLocale));
  QLocale::setDefault(japanese);
  // Without the translations installed Qt falls back to its English texts.
  if (translator.load(japanese, "qtbase", "_",
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    application.installTranslator(&translator);
  }
}

}  // namespace vortalin::app
