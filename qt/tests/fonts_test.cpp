#include <QFontDatabase>
#include <QProcess>
#include <QTest>

#include "form/form_table.h"
#include "qt/fonts.h"
#include "qt/utf8.h"

namespace vortalin::qt::test {

class FontsTest : public QObject {
  Q_OBJECT

 private slots:
  // Answers kept from before a font came or went would keep a stand-in for a face that is now
  // there, or draw in one that is gone. Run with a font configuration that knows no fonts.
  void theChoiceFollowsFontsAddedAndRemoved();
};

void FontsTest::theChoiceFollowsFontsAddedAndRemoved() {
  const QString standIn = "Liberation Sans Narrow";
  QProcess match;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.remove("FONTCONFIG_FILE");
  match.setProcessEnvironment(environment);
  match.start("fc-match", {"-f", "%{file}", standIn + ":bold"});
  QVERIFY(match.waitForFinished());
  const QString file = QString::fromLocal8Bit(match.readAllStandardOutput());
  QVERIFY2(file.contains("LiberationSansNarrow"), qPrintable("fc-match found " + file));

  const QString impact = fromUtf8(form::impactFace);
  QCOMPARE(toQFont(form::impactText, "START").family(), impact);
  const int added = QFontDatabase::addApplicationFont(file);
  QVERIFY(added >= 0);
  QCOMPARE(toQFont(form::impactText, "START").family(), standIn);
  QVERIFY(QFontDatabase::removeApplicationFont(added));
  QCOMPARE(toQFont(form::impactText, "START").family(), impact);
}

}  // namespace vortalin::qt::test

QTEST_MAIN(vortalin::qt::test::FontsTest)
#include "fonts_test.moc"
