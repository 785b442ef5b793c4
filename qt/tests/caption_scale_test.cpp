// Every caption and display of the window is drawn at the screen's scale. Run once per scale:
// QT_SCALE_FACTOR, or an X server whose Xft.dpi makes Qt scale on its own; the device pixel
// ratio the run must have is VORTALIN_EXPECTED_SCALE (default: QT_SCALE_FACTOR, else 1).
#include <QImage>
#include <QLabel>
#include <QTest>

#include <memory>

#include "form_table.h"
#include "window_fixture.h"

namespace vortalin::qt::test {

namespace {

using form::ControlKind;
using form::ControlRecord;

qreal expectedScale() {
  for (const char* variable : {"VORTALIN_EXPECTED_SCALE", "QT_SCALE_FACTOR"}) {
    if (qEnvironmentVariableIsSet(variable)) return qEnvironmentVariable(variable).toDouble();
  }
  return 1.0;
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

/// The widget as the window draws it at its own scale, and as it would be drawn at scale 1.
QImage drawnAtItsScale(QWidget& widget) { return widget.grab().toImage(); }

QImage drawnAtScaleOne(QWidget& widget) {
  QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  widget.render(&image);
  return image;
}

bool near(QRgb pixel, const QColor& colour) {
  constexpr int tolerance = 64;
  return qAbs(qRed(pixel) - colour.red()) <= tolerance &&
         qAbs(qGreen(pixel) - colour.green()) <= tolerance &&
         qAbs(qBlue(pixel) - colour.blue()) <= tolerance;
}

/// The pixels the caption adds in its text colour: frames, bevels and focus marks are drawn
/// alike with and without the caption, so they drop out.
struct Ink {
  int pixels = 0;
  QRect bounds;
};

Ink captionInk(QWidget& widget, QImage (*draw)(QWidget&)) {
  const QString caption = captionOf(widget);
  const QImage with = draw(widget).convertToFormat(QImage::Format_RGB32);
  setCaption(widget, QString());
  const QImage without = draw(widget).convertToFormat(QImage::Format_RGB32);
  setCaption(widget, caption);
  const QColor colour = widget.palette().color(widget.foregroundRole());
  Ink ink;
  for (int y = 0; y < with.height(); ++y) {
    for (int x = 0; x < with.width(); ++x) {
      const QRgb pixel = with.pixel(x, y);
      if (pixel != without.pixel(x, y) && near(pixel, colour)) {
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
  QTest::addColumn<int>("row");
  for (int row = 0; row < static_cast<int>(form::formTable.size()); ++row) {
    const ControlRecord& record = form::formTable[row];
    const bool captioned = record.kind == ControlKind::CommandButton ||
                           record.kind == ControlKind::TextBox || record.kind == ControlKind::Label;
    if (captioned) QTest::newRow(controlObjectName(record).toUtf8().constData()) << row;
  }
}

void CaptionScaleTest::captionsAreDrawnWholeAtTheScreensScale() {
  QFETCH(int, row);
  const ControlRecord& record = form::formTable[row];
  QWidget& widget = *window_->controls().widget(record.name, record.index);
  const qreal scale = window_->devicePixelRatioF();

  const Ink reference = captionInk(widget, drawnAtScaleOne);
  const Ink drawn = captionInk(widget, drawnAtItsScale);
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
