#include <array>

#include <QPainter>
#include <QTest>

#include "backing_store.h"
#include "core/race.h"
#include "core/tests/race_model.h"
#include "form/design_state.h"
#include "form/frames_and_tab_order.h"
#include "qt/application_setup.h"
#include "qt/classic_look.h"
#include "qt/colours.h"
#include "qt/course_view.h"
#include "qt/picture_box.h"
#include "qt/picture_resources.h"
#include "qt/qt_geometry.h"

namespace vortalin::qt::test {

namespace {

/// The course frame and its four boxes, drawn by a course view, in a window of the game's size,
/// built from the control table.
class Course {
 public:
  Course() {
    const form::ControlRecord& form = form::formTable.front();
    window_.resize(twipsToPixels(form.width), twipsToPixels(form.height));
    const form::ControlRecord& frame = *form::findControl("Picture1");
    auto* framed = new PictureBox(&window_, qt::widgetRect(frame), form::borderRings(frame),
                                  form::frameWidthPixels(frame), defaultBackground());
    view_ = new CourseView(framed, framed->insideRect(), framed->background());
    for (const form::ControlRecord& record : form::formTable) {
      if (record.container != "Picture1") continue;
      auto* box = new PictureBox(
          view_, qt::widgetRect(record), form::borderRings(record), form::frameWidthPixels(record),
          record.background ? toQColor(*record.background) : defaultBackground());
      box->setPicture(loadPicture(record.picture));
      view_->addBox(*box);
      for (int i = 0; i < boxCount; ++i) {
        if (form::boxControls[i].name == record.name &&
            form::boxControls[i].index == record.index) {
          boxes_[i] = {box, &record};
        }
      }
    }
    window_.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window_));
  }

  void place(const ViewState& state) {
    state_ = state;
    const int dpi = deviceCanvas(*view_).dotsPerInch;
    for (int i = 0; i < boxCount; ++i) {
      view_->moveBox(*boxes_[i].box, {twipsToPixels(state.boxes[i].left, dpi),
                                      twipsToPixels(state.boxes[i].top, dpi)});
    }
  }

  /// The view as the window's backing store holds it now: painted only where something
  /// changed.
  QImage shown() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    return backingStoreArea(window_, QRect(view_->mapTo(&window_, QPoint()), view_->size()));
  }

  /// The view drawn from the data: each box, back to front, fills its rectangle at the
  /// density with its colour and shows its picture its frame's width in.
  QImage expected() const {
    const int dpi = deviceCanvas(*view_).dotsPerInch;
    QImage image(deviceCanvas(*view_).size, QImage::Format_RGB32);
    image.fill(defaultBackground());
    QPainter painter(&image);
    for (int i = 0; i < boxCount; ++i) {
      const form::ControlRecord& record = *boxes_[i].record;
      const QPoint at(twipsToPixels(state_.boxes[i].left, dpi),
                      twipsToPixels(state_.boxes[i].top, dpi));
      const form::PixelRect size = form::pixelRect(record, dpi);
      painter.fillRect(QRect(at, QSize(size.width, size.height)), boxes_[i].box->background());
      const int frame = form::deviceEdge(form::frameWidthPixels(record), dpi);
      painter.drawPixmap(at + QPoint(frame, frame), boxes_[i].box->devicePicture());
    }
    painter.end();
    image.setDevicePixelRatio(view_->devicePixelRatioF());
    return image;
  }

 private:
  struct Placed {
    PictureBox* box = nullptr;
    const form::ControlRecord* record = nullptr;
  };
  QWidget window_;
  CourseView* view_ = nullptr;
  std::array<Placed, boxCount> boxes_{};
  ViewState state_ = form::designViewState();
};

}  // namespace

class CourseViewTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { prepareApplication(); }
  // The view shows each box at the device pixels its twips give at the density, however it
  // got there (blits, partial paints), after every tick of a race that scrolls the course by
  // one and two pixels, overlaps cars, pushes them past the frame's edges and reaches the band
  // above the course's end.
  void eachTickShowsEveryBoxAtItsDevicePlace();
};

void CourseViewTest::eachTickShowsEveryBoxAtItsDevicePlace() {
  Course course;
  QVERIFY(!course.shown().isNull());

  RaceModel model(form::designViewState());
  ClassicRandom random;
  Race race(model, random);
  race.start();
  struct Leg {
    int ticks;
    void (Race::*steer)();
    float stripTop;  // where the leg puts the course strip first
  };
  for (const Leg& leg : {Leg{120, &Race::steerLeft, -38000}, Leg{150, &Race::steerRight, -20000},
                         Leg{40, &Race::steerLeft, -900}}) {
    model.setTop(Box::Strip, leg.stripTop);
    (race.*leg.steer)();
    for (int tick = 0; tick < leg.ticks && model.clockEnabled(); ++tick) {
      race.tick();
      course.place(model.state());
      QVERIFY2(course.shown() == course.expected(),
               qPrintable(QStringLiteral("tick %1 of a leg").arg(tick)));
    }
  }
  // Past the left and right edges, which the race's road limits never reach.
  model.move(Box::Player, -300, 3120);
  model.move(Box::Rival1, 1800, 2900);
  model.move(Box::Rival0, 1950, -400);
  course.place(model.state());
  QCOMPARE(course.shown(), course.expected());
}

}  // namespace vortalin::qt::test

QTEST_MAIN(vortalin::qt::test::CourseViewTest)
#include "course_view_test.moc"
