#include "japanese_interface.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QString>
#include <QTranslator>

#include "vortalin/identity.h"

namespace vortalin::app {

namespace {
QString fromView(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
}  // namespace

void useJapaneseInterface(QApplication& application, QTranslator& translator) {
  QApplication::setApplicationName(fromView(identity::name));
  QApplication::setApplicationVersion(fromView(identity::version));
  const QLocale japanese(fromView(identity::uiLocale));
  QLocale::setDefault(japanese);
  // Without the translations installed Qt falls back to its English texts.
  if (translator.load(japanese, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    application.installTranslator(&translator);
  }
}

}  // namespace vortalin::app
