#include "application_setup.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

#include "fonts.h"

namespace vortalin::qt {

void prepareApplication() {
  registerFontSubstitutes();
  // The classic desktop look and its colours: raised bevelled buttons filled with their face
  // colour in every state, focus shown by a dotted rectangle, sunken square text boxes.
  QStyle* classic = QStyleFactory::create(QStringLiteral("Windows"));
  QApplication::setStyle(classic);
  QApplication::setPalette(classic->standardPalette());
}

}  // namespace vortalin::qt
