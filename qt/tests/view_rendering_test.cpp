#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <QtMath>

#include <limits>

#include "backing_store.h"
#include "form/pictures.h"
#include "qt/colours.h"
#include "qt/picture_box.h"
#include "qt/qt_geometry.h"
#include "window_fixture.h"

namespace vortalin::qt::test {

namespace {

const QColor red(255, 0, 0);
const QColor blue(0, 0, 255);

/// Where a point of the course frame's inside lies in the window.
QPoint inView(const MainWindow& window, QPoint inside) {
  const auto* view = window.controls().get<PictureBox>("Picture1");
  return view->pos() + view->insideRect().topLeft() + inside;
}

/// A point on a car's bonnet (row 3, column 15 of its picture): always the body colour.
QPoint bonnet(const RaceView& view, Box box) {
  return twipsToPixels(view.left(box), view.top(box)) + QPoint(1 + 15, 1 + 3);
}

QColor pixel(const QImage& image, QPoint point) { return image.pixelColor(point); }

}  // namespace

class ViewRenderingTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { prepareApplication(); }
  // The view shows the course strip's picture (or its background) where no car stands.
  void viewShowsTheCourseStrip();
  void carsShowInTheirColoursAtTheirPlaces();
  // A box moved partly out of the view must not paint over the frame or the window.
  void boxesAreClippedAtTheInsideOfTheFrame();
  void redBackgroundLeavesLabelsButtonsAndViewInTheirColours();
  // A picture must sit at the inside's top-left at one picture pixel per logical pixel,
  // and at any device scale each picture pixel must stay one flat colour (no smoothing).
  void picturesAreDrawnAtNaturalSizeWithoutSmoothing();
  // At a scale that is not whole, every device pixel shows the course pixel the shared rule
  // names all down the tall course, where a scaler's fixed-point steps drift.
  void theCourseIsEnlargedAsInEveryWindow();
  // Boxes paint only what is dirty; a part of the view painted alone must match the whole.
  void aPartialRepaintMatchesAFullOne();
  // The text boxes showed a red line inside their bottom and right edges on red ticks.
  void textBoxesKeepTheirColoursOnARedTick();
};

void ViewRenderingTest::viewShowsTheCourseStrip() {
  MainWindow window{timeStandsStill};
  const QImage image = window.grab().toImage();
  const auto* strip = window.controls().get<PictureBox>("Picture2");
  const QImage course = strip->picture().toImage();
  const QPoint pictureOrigin = strip->pos() + strip->insideRect().topLeft();
  int compared = 0;
  for (int y = 0; y < 301; y += 7) {
    for (int x = 0; x < 141; x += 5) {
      const QPoint inside(x, y);
      bool underCar = false;
      for (const char* car : {"Picture3", "Picture4"}) {
        for (int index : {-1, 0, 1}) {
          const QWidget* box = window.controls().widget(car, index);
          if (box && box->geometry().contains(inside)) underCar = true;
        }
      }
      if (underCar) continue;
      const QPoint inPicture = inside - pictureOrigin;
      const QColor expected =
          course.valid(inPicture) ? course.pixelColor(inPicture) : strip->background();
      QCOMPARE(pixel(image, inView(window, inside)), expected);
      ++compared;
    }
  }
  QVERIFY(compared > 1000);
}

void ViewRenderingTest::carsShowInTheirColoursAtTheirPlaces() {
  MainWindow window{timeStandsStill};
  RaceView& view = writableRaceView(window);
  view.move(Box::Rival0, 1200, 1000);
  view.move(Box::Rival1, 300, 1500);
  QImage image = window.grab().toImage();
  QCOMPARE(pixel(image, inView(window, bonnet(view, Box::Player))), red);
  QCOMPARE(pixel(image, inView(window, bonnet(view, Box::Rival0))), blue);
  QCOMPARE(pixel(image, inView(window, bonnet(view, Box::Rival1))), blue);
  // The one-pixel margin around each car shows the box's own colour.
  const QPoint playerCorner = twipsToPixels(view.left(Box::Player), view.top(Box::Player));
  QCOMPARE(pixel(image, inView(window, playerCorner)), red);

  // Rival car 1 in front of the player: no red shows where they overlap.
  view.move(Box::Rival1, view.left(Box::Player) + 150, view.top(Box::Player));
  image = window.grab().toImage();
  QCOMPARE(pixel(image, inView(window, bonnet(view, Box::Rival1))), blue);
  QCOMPARE(pixel(image, inView(window, bonnet(view, Box::Player))), blue);
  QCOMPARE(pixel(image, inView(window, playerCorner + QPoint(3, 4))), red);
  const QPoint overlap =
      twipsToPixels(view.left(Box::Rival1), view.top(Box::Rival1)) + QPoint(3, 3);
  QCOMPARE(pixel(image, inView(window, overlap)), blue);
}

void ViewRenderingTest::boxesAreClippedAtTheInsideOfTheFrame() {
  MainWindow window{timeStandsStill};
  const QImage before = window.grab().toImage();
  const auto* frame = window.controls().get<PictureBox>("Picture1");
  RaceView& view = writableRaceView(window);
  view.move(Box::Player, -300, 3120);  // 20 pixels past the left edge
  view.move(Box::Rival1, 1800, -400);  // past the top and the right edge
  view.move(Box::Rival0, 600, 4400);   // past the bottom
  const QImage after = window.grab().toImage();

  // The frame and everything outside it look exactly as before.
  const QRect frameRect = frame->geometry();
  const QRect inside = frameRect.adjusted(2, 2, -2, -2);
  for (int y = 0; y < before.height(); ++y) {
    for (int x = 0; x < before.width(); ++x) {
      if (inside.contains(x, y)) continue;
      QCOMPARE(after.pixelColor(x, y), before.pixelColor(x, y));
    }
  }
  // The visible parts of the cars are inside, up to the frame's inner edge.
  QCOMPARE(pixel(after, inView(window, {0, 208 + 4})), red);
  QCOMPARE(pixel(after, inView(window, {140, 2})), blue);
  QCOMPARE(pixel(after, inView(window, {40 + 5, 300})), blue);
}

void ViewRenderingTest::redBackgroundLeavesLabelsButtonsAndViewInTheirColours() {
  MainWindow window{timeStandsStill};
  const QImage before = window.grab().toImage();
  writableRaceView(window).setBackgroundColour(255);
  const QImage after = window.grab().toImage();

  QCOMPARE(pixel(after, {2, 2}), red);
  QCOMPARE(pixel(after, {287, 200}), red);
  const auto sample = [&](const char* name, QPoint offset) {
    return window.controls().widget(name)->pos() + offset;
  };
  // Corners of labels, clear of their text; inside the button faces' edges.
  for (const QPoint point : {sample("Label3", {5, 100}), sample("Label2", {2, 45}),
                             sample("Label1", {2, 45}), sample("Picture1", {70, 150})}) {
    QCOMPARE(pixel(after, point), pixel(before, point));
  }
  QCOMPARE(pixel(after, sample("Label3", {5, 100})), QColor(0xC0, 0xC0, 0xFF));
  QCOMPARE(pixel(after, sample("Command1", {4, 4})), QColor(0x80, 0x80, 0xFF));
  QCOMPARE(pixel(after, sample("Command4", {4, 4})), QColor(0xFF, 0x80, 0x80));
  QCOMPARE(pixel(after, sample("Command2", {4, 4})), QColor(0xFF, 0xFF, 0x00));
  QCOMPARE(pixel(after, sample("Command3", {4, 4})), QColor(0xFF, 0xFF, 0x00));

  writableRaceView(window).setBackgroundColour(0x8000000F);
  QCOMPARE(window.grab().toImage(), before);
}

void ViewRenderingTest::picturesAreDrawnAtNaturalSizeWithoutSmoothing() {
  MainWindow window{timeStandsStill};
  auto* player = window.controls().get<PictureBox>("Picture3");
  QImage checks(30, 50, QImage::Format_RGB32);
  for (int y = 0; y < checks.height(); ++y) {
    for (int x = 0; x < checks.width(); ++x) {
      checks.setPixelColor(x, y, (x + y) % 2 ? Qt::white : Qt::black);
    }
  }
  player->setPicture(QPixmap::fromImage(checks));
  const QImage image = window.grab().toImage();
  const double scale = image.devicePixelRatio();
  const QPoint origin = player->mapTo(&window, player->insideRect().topLeft());

  for (int y = 0; y < checks.height(); ++y) {
    for (int x = 0; x < checks.width(); ++x) {
      const QColor expected = checks.pixelColor(x, y);
      const QPoint logical = origin + QPoint(x, y);
      const int left = qCeil(logical.x() * scale), right = qCeil((logical.x() + 1) * scale);
      const int top = qCeil(logical.y() * scale), bottom = qCeil((logical.y() + 1) * scale);
      for (int deviceY = top; deviceY < bottom; ++deviceY) {
        for (int deviceX = left; deviceX < right; ++deviceX) {
          QCOMPARE(image.pixelColor(deviceX, deviceY), expected);
        }
      }
    }
  }
  // Around the picture the box shows its own colour, one pixel wide.
  const QPoint corner = player->mapTo(&window, QPoint(0, 0));
  QCOMPARE(image.pixelColor(qCeil(corner.x() * scale), qCeil(corner.y() * scale)),
           player->background());
  const QPoint beyond = origin + QPoint(30, 50);
  QCOMPARE(image.pixelColor(qCeil(beyond.x() * scale), qCeil(beyond.y() * scale)),
           player->background());
}

void ViewRenderingTest::theCourseIsEnlargedAsInEveryWindow() {
  MainWindow window{timeStandsStill};
  const auto* strip = window.controls().get<PictureBox>("Picture2");
  const QImage course = strip->picture().toImage();
  const QImage enlarged = strip->devicePicture().toImage();
  int differing = 0;
  for (int y = 0; y < enlarged.height(); ++y) {
    const int sourceY = form::sourcePixel(y, course.height(), enlarged.height());
    for (int x = 0; x < enlarged.width(); ++x) {
      const int sourceX = form::sourcePixel(x, course.width(), enlarged.width());
      differing += enlarged.pixel(x, y) != course.pixel(sourceX, sourceY);
    }
  }
  QCOMPARE(differing, 0);
}

void ViewRenderingTest::aPartialRepaintMatchesAFullOne() {
  MainWindow window{timeStandsStill};
  const QImage full = window.grab().toImage();
  // Odd places and sizes, so that at a fractional scale they start between device pixels; the
  // second covers the player car, the third the bottom of the view.
  for (const QRect& part : {QRect(3, 5, 41, 67), QRect(37, 199, 33, 101), QRect(0, 250, 141, 51)}) {
    const QRect inWindow = part.translated(inView(window, QPoint(0, 0)));
    QImage partial = full;
    QPainter(&partial).fillRect(inWindow, Qt::magenta);
    window.render(&partial, inWindow.topLeft(), QRegion(inWindow));
    QCOMPARE(partial, full);
  }
}

void ViewRenderingTest::textBoxesKeepTheirColoursOnARedTick() {
  MainWindow window{timeStandsStill};
  clock(window).setInterval(std::numeric_limits<int>::max());  // the test ticks itself
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  click(window, "Command1");
  RaceView& view = writableRaceView(window);
  view.move(Box::Rival1, view.left(Box::Player), view.top(Box::Player));
  tick(window);
  QCOMPARE(view.backgroundColour(), Colour{255});
  QCoreApplication::sendPostedEvents();
  for (const char* name : {"Text1", "Text2"}) {
    const QImage box = backingStoreArea(window, textBox(window, name).geometry());
    QVERIFY(!box.isNull());
    for (int y = 0; y < box.height(); ++y) {
      for (int x = 0; x < box.width(); ++x) {
        QVERIFY2(
            box.pixelColor(x, y) != red,
            qPrintable(QStringLiteral("%1 at %2,%3").arg(QLatin1StringView(name)).arg(x).arg(y)));
      }
    }
  }
  QCOMPARE(backingStoreArea(window, QRect(0, 0, 4, 4)).pixelColor(1, 1), red);
}

}  // namespace vortalin::qt::test

QTEST_MAIN(vortalin::qt::test::ViewRenderingTest)
#include "view_rendering_test.moc"
