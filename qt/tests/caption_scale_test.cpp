// Every caption and display of the window is drawn at the screen's scale. Run once per scale:
// QT_SCALE_FACTOR, or an X server whose Xft.dpi makes Qt scale on its own; the device pixel
// ratio the run must have is VORTALIN_EXPECTED_SCALE (default: QT_SCALE_FACTOR, else 1).
#include <QImage>
#include <QLabel>
#include <QTest>

#include <memory>

#include "qt/digits_display.h"
#include "form/form_table.h"
#include "window_fixture.h"

namespace vortalin::qt::test {

namespace {

using form::ControlKind;

qreal expectedScale() {
  const QByteArray expected = qgetenv("VORTALIN_EXPECTED_SCALE");
  const QByteArray scale = expected.isEmpty() ? qgetenv("QT_SCALE_FACTOR") : expected;
  return scale.isEmpty() ? 1.0 : scale.toDouble();
}

void setCaption(QWidget& widget, const QString& text) {
  if (auto* button = qobject_cast<QPushButton*>(&widget)) button->setText(text);
  if (auto* label = qobject_cast<QLabel*>(&widget)) label->setText(text);
  if (auto* box = qobject_cast<QLineEdit*>(&widget)) box->setText(text);
}

QString captionOf(const QWidget& widget) {
  if (const auto* button = qobject_cast<const QPushButton*>(&widget)) return button->text();
  if (const auto* label = qobject_cast<const QLabel*>(&widget)) return label->text();
  return qobject_cast<const QLineEdit*>(&widget)->text();
}

Qt::Alignment horizontalAlignmentOf(const QWidget& widget) {
  if (const auto* label = qobject_cast<const QLabel*>(&widget)) return label->alignment();
  if (const auto* box = qobject_cast<const QLineEdit*>(&widget)) return box->alignment();
  return Qt::AlignHCenter;
}

/// The pixels of the text colour that the caption adds: frames, bevels and focus marks are
/// drawn alike with and without it. Drawn at the window's scale, or at scale 1.
struct Ink {
  int pixels = 0;
  QRect bounds;
};

Ink captionInk(QWidget& widget, bool atScaleOne) {
  const auto draw = [&widget, atScaleOne] {
    if (!atScaleOne) return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QImage image(widget.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    widget.render(&image);
    return image;
  };
  const QString caption = captionOf(widget);
  const QImage with = draw();
  setCaption(widget, QString());
  const QImage without = draw();
  setCaption(widget, caption);
  const QColor colour = widget.palette().color(widget.foregroundRole());
  const auto near = [&colour](QRgb pixel) {
    return qAbs(qRed(pixel) - colour.red()) <= 64 && qAbs(qGreen(pixel) - colour.green()) <= 64 &&
           qAbs(qBlue(pixel) - colour.blue()) <= 64;
  };
  Ink ink;
  for (int y = 0; y < with.height(); ++y) {
    for (int x = 0; x < with.width(); ++x) {
      if (with.pixel(x, y) != without.pixel(x, y) && near(with.pixel(x, y))) {
        ++ink.pixels;
        ink.bounds |= QRect(x, y, 1, 1);
      }
    }
  }
  return ink;
}

QRect scaled(const QRect& rect, qreal scale) {
  return QRectF(QPointF(rect.topLeft()) * scale, QSizeF(rect.size()) * scale).toAlignedRect();
}

}  // namespace

class CaptionScaleTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void cleanupTestCase() { window_.reset(); }
  // Glyphs above the glyph cache's size were not drawn at all on scaled screens; the ink
  // must grow with the square of the scale. Nor may a caption be cut at a side it is not
  // aligned to (the title read "IORVANTI", the address lost its end).
  void captionsAreDrawnWholeAtTheScreensScale_data();
  void captionsAreDrawnWholeAtTheScreensScale();

 private:
  std::unique_ptr<MainWindow> window_;
};

void CaptionScaleTest::initTestCase() {
  prepareApplication();
  window_ = std::make_unique<MainWindow>();
  window_->show();
  QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  QCOMPARE(window_->devicePixelRatioF(), expectedScale());
}

void CaptionScaleTest::captionsAreDrawnWholeAtTheScreensScale_data() {
  QTest::addColumn<QString>("name");
  for (const form::ControlRecord& record : form::formTable) {
    if (record.kind == ControlKind::CommandButton || record.kind == ControlKind::TextBox ||
        record.kind == ControlKind::Label) {
      const QString name = controlObjectName(record);
      QTest::newRow(name.toUtf8().constData()) << name;
    }
  }
}

void CaptionScaleTest::captionsAreDrawnWholeAtTheScreensScale() {
  QFETCH(QString, name);
  QWidget* found = window_->findChild<QWidget*>(name);
  // A display draws its numbers as its line edit does, which the display's own test proves.
  if (auto* display = qobject_cast<DigitsDisplay*>(found)) found = &display->editor();
  QWidget& widget = *found;
  const qreal scale = window_->devicePixelRatioF();

  const Ink reference = captionInk(widget, true);
  const Ink drawn = captionInk(widget, false);
  QVERIFY2(reference.pixels >= 20, qPrintable(QString::number(reference.pixels)));
  const qreal growth = drawn.pixels / (reference.pixels * scale * scale);
  QVERIFY2(growth > 0.6 && growth < 2.0,
           qPrintable(QStringLiteral("ink %1 at scale %2 against %3 at scale 1")
                          .arg(drawn.pixels).arg(scale).arg(reference.pixels)));

  const QRect inside = scaled(widget.contentsRect(), scale);
  const Qt::Alignment alignment = horizontalAlignmentOf(widget);
  const QString where = QStringLiteral("ink in columns %1..%2 of %3..%4")
                            .arg(drawn.bounds.left())
                            .arg(drawn.bounds.right())
                            .arg(inside.left())
                            .arg(inside.right());
  if (!(alignment & Qt::AlignLeft)) {
    QVERIFY2(drawn.bounds.left() > inside.left(), qPrintable("cut on the left: " + where));
  }
  if (!(alignment & Qt::AlignRight)) {
    QVERIFY2(drawn.bounds.right() < inside.right(), qPrintable("cut on the right: " + where));
  }
}

}  // namespace vortalin::qt::test

QTEST_MAIN(vortalin::qt::test::CaptionScaleTest)
#include "caption_scale_test.moc"
