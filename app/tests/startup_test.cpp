#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include "qt/digits_display.h"
#include "app/japanese_interface.h"
#include "qt/main_window.h"

class StartupTest : public QObject {
  Q_OBJECT

 private slots:
  // Qt's own dialog texts must follow the Japanese interface, not the machine's locale.
  void qtTextsAreJapaneseWhereTranslationsAreInstalled() {
    QTranslator translator;
    vortalin::app::useJapaneseInterface(*qApp, translator);
    QCOMPARE(QLocale().language(), QLocale::Japanese);
    QCOMPARE(QApplication::applicationName(), QString("vortalin"));
    QCOMPARE(QApplication::applicationVersion(), QString("1.00"));
    const QDir translations(QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (!translations.exists("qtbase_ja.qm")) QSKIP("Qt's Japanese translations are not installed");
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString("キャンセル"));
    QApplication::removeTranslator(&translator);
  }

  // Opening the window runs no game code: the clock stays off and nothing counts.
  void noTickRunsBeforeTheFirstClick() {
    vortalin::qt::MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(200);
    QVERIFY(!window.controls().timer("Timer1")->isActive());
    QCOMPARE(window.race().distance(), std::int16_t{0});
    QVERIFY(!window.race().energy().has_value());
    QCOMPARE(window.controls().get<vortalin::qt::DigitsDisplay>("Text2")->text(), QString("0"));
    QCOMPARE(window.controls().get<vortalin::qt::DigitsDisplay>("Text1")->text(),
             QString("1000"));
  }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
