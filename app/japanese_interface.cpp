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
  const QLocale japanese(qt::fromUtf8(identity::uiLocale));
  QLocale::setDefault(japanese);
  // Without the translations installed Qt falls back to its English texts.
  if (translator.load(japanese, "qtbase", "_",
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    application.installTranslator(&translator);
  }
}

}  // namespace vortalin::app
