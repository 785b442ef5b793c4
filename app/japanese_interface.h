#pragma once

class QApplication;
class QTranslator;

namespace vortalin::app {

/// Sets the program's identity (name, version, desktop entry) and Japanese locale, and makes Qt's own texts (the message
/// box's buttons) Japanese where Qt's translations are installed.
void useJapaneseInterface(QApplication& application, QTranslator& translator);

}  // namespace vortalin::app
