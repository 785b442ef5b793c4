#include <QLineEdit>
#include <QApplication>
#include <QTest>

#include "qt/application_setup.h"
#include "backing_store.h"
#include "qt/digits_display.h"
#include "qt/fonts.h"
#include "form/form_table.h"
#include "qt/qt_geometry.h"

namespace vortalin::qt::test {

namespace {

/// A window holding a text box built as the energy display is, flushed after each change.
template <class TextBox>
class Window {
 public:
  Window() {
    const form::ControlRecord& record = form::control("Text1");
    box_ = new TextBox(QStringLiteral("1000"), &window_);
    box_->setGeometry(widgetRect(record));
    box_->setFont(toQFont(*record.font));
    lineEdit().setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    next_ = new QLineEdit(&window_);
    next_->setGeometry(0, 0, 40, 20);
    next_->setFocus();
    window_.resize(120, 200);
    window_.show();
    window_.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window_));
  }

  TextBox& box() { return *box_; }
  QLineEdit& next() { return *next_; }
  QLineEdit& lineEdit() {
    if constexpr (std::is_same_v<TextBox, QLineEdit>) {
      return *box_;
    } else {
      return box_->editor();
    }
  }

  /// The text box as the window's backing store holds it now.
  QImage shown() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    return backingStoreArea(window_, box_->geometry());
  }

 private:
  QWidget window_;
  TextBox* box_ = nullptr;
  QLineEdit* next_ = nullptr;
};

}  // namespace

class DigitsDisplayTest : public QObject {
  Q_OBJECT

 private slots:
  // The classic style's text box covers all its pixels; the display draws only such boxes
  // from pictures.
  void initTestCase() {
    prepareApplication();
    QApplication::setStyle(QStringLiteral("Windows"));
  }
  // Each text, drawn over the one before it, must look as the line edit shows it; numbers
  // from pictures, anything else by the line edit itself.
  void showsWhatALineEditShows();
  // The player can still click or tab into the box, type, and leave it in either direction.
  void takesTypingLikeALineEdit();
};

void DigitsDisplayTest::showsWhatALineEditShows() {
  Window<QLineEdit> ordinary;
  Window<DigitsDisplay> light;
  QCOMPARE(light.shown(), ordinary.shown());
  const struct {
    const char* text;
    bool number;
  } steps[] = {{"999", true},   {"998", true},  {"1", true},     {"10", true},   {"11", true},
               {"9", true},     {"0", true},    {"-1", true},    {"-2044", true}, {"", true},
               {"-", true},     {"1522", true}, {"32767", true}, {"Pt", false},  {"12a", false},
               {"1000", true},  {"1001", true}};
  for (const auto& step : steps) {
    const QString text = QString::fromLatin1(step.text);
    ordinary.box().setText(text);
    light.box().setText(text);
    QCOMPARE(light.box().text(), text);
    QVERIFY2(light.shown() == ordinary.shown(), step.text);
    QVERIFY2(light.box().editor().isVisible() != step.number, step.text);
  }
}

void DigitsDisplayTest::takesTypingLikeALineEdit() {
  Window<DigitsDisplay> window;
  DigitsDisplay& display = window.box();
  QWidget::setTabOrder(&display, &window.next());

  QTest::mouseClick(&display, Qt::LeftButton);
  QVERIFY(display.editor().hasFocus());
  QTest::keyClick(&display.editor(), Qt::Key_End);
  QTest::keyClicks(&display.editor(), QStringLiteral("5"));
  QCOMPARE(display.text(), QStringLiteral("10005"));
  // The game rewrites the text while the player types, as it would a line edit's.
  display.setText(QStringLiteral("998"));
  QCOMPARE(display.editor().text(), QStringLiteral("998"));

  QTest::keyClick(&display.editor(), Qt::Key_Tab);
  QVERIFY(window.next().hasFocus());
  QTRY_VERIFY(!display.editor().isVisible());
  QCOMPARE(display.text(), QStringLiteral("998"));

  QTest::keyClick(&window.next(), Qt::Key_Backtab);
  QVERIFY(display.editor().hasFocus());
  QCOMPARE(display.editor().selectedText(), QStringLiteral("998"));
  QTest::keyClick(&display.editor(), Qt::Key_Backtab);
  QVERIFY(!display.hasFocus() && !display.editor().hasFocus());
}

}  // namespace vortalin::qt::test

QTEST_MAIN(vortalin::qt::test::DigitsDisplayTest)
#include "digits_display_test.moc"
