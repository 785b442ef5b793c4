#include <unistd.h>

#include <cstdio>
#include <stdexcept>

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include "app/japanese_interface.h"
#include "qt/application_setup.h"
#include "qt/digits_display.h"
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
    // The project's version, not the version record's "1.00".
    QVERIFY(QApplication::applicationVersion().contains(
        QRegularExpression(QStringLiteral("^[0-9]+\\.[0-9]+\\.[0-9]+$"))));
    QCOMPARE(QGuiApplication::desktopFileName(), QString("example.vortalin.vortalin"));
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
    QCOMPARE(window.controller().race().distance(), std::int16_t{0});
    QVERIFY(!window.controller().race().energy().has_value());
    QCOMPARE(window.controls().get<vortalin::qt::DigitsDisplay>("Text2")->text(), QString("0"));
    QCOMPARE(window.controls().get<vortalin::qt::DigitsDisplay>("Text1")->text(), QString("1000"));
  }

  // Any failure while the window is built, not only a broken picture, is told in a message
  // box and on standard error, and the program ends with status 1.
  void aFailureAtStartUpIsToldAndEndsWithStatusOne() {
    QString shown;
    QTimer closer;
    connect(&closer, &QTimer::timeout, [&] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        shown = box->text();
        box->accept();
      }
    });
    closer.start(10);
    QTemporaryFile errors;
    QVERIFY(errors.open());
    std::fflush(stderr);
    const int savedStderr = dup(STDERR_FILENO);
    dup2(errors.handle(), STDERR_FILENO);
    const int status = vortalin::qt::runWindow(
        []() -> std::unique_ptr<QWidget> { throw std::runtime_error("no window today"); });
    std::fflush(stderr);
    dup2(savedStderr, STDERR_FILENO);
    close(savedStderr);
    QCOMPARE(status, 1);
    QCOMPARE(shown, QStringLiteral("no window today"));
    errors.seek(0);
    QCOMPARE(errors.readAll(), QByteArray("vortalin: no window today\n"));
  }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
