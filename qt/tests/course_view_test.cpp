#include <array>

#include <QTest>

#include "backing_store.h"
#include "core/race.h"
#include "core/tests/race_model.h"
#include "form/design_state.h"
#include "form/frames_and_tab_order.h"
#include "qt/application_setup.h"
#include "qt/colours.h"
#include "qt/course_view.h"
#include "qt/picture_box.h"
#include "qt/picture_resources.h"
#include "qt/qt_geometry.h"

namespace vortalin::qt::test {

namespace {

/// The course frame and its four boxes in a window of the game's size, built from the
/// control table either as ordinary child widgets or drawn by a course view.
class Course {
 public:
  explicit Course(bool light) {
    const form::ControlRecord& form = form::formTable.front();
    window_.resize(twipsToPixels(form.width), twipsToPixels(form.height));
    const form::ControlRecord& frame = *form::findControl("Picture1");
    frame_ = new PictureBox(&window_, qt::widgetRect(frame), form::borderRings(frame),
                            form::frameWidthPixels(frame), defaultBackground());
    QWidget* inside = &frame_->inside();
    if (light) {
      view_ = new CourseView(frame_, frame_->insideRect(), frame_->background());
      inside = view_;
    }
    for (const form::ControlRecord& record : form::formTable) {
      if (record.container != "Picture1") continue;
      auto* box = new PictureBox(
          inside, qt::widgetRect(record), form::borderRings(record), form::frameWidthPixels(record),
          record.background ? toQColor(*record.background) : defaultBackground());
      box->setPicture(loadPicture(record.picture));
      box->lower();
      if (view_) view_->addBox(*box);
      for (int i = 0; i < boxCount; ++i) {
        if (form::boxControls[i].name == record.name &&
            form::boxControls[i].index == record.index) {
          boxes_[i] = box;
        }
      }
    }
    window_.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window_));
  }

  void place(const ViewState& state) {
    for (int i = 0; i < boxCount; ++i) {
      const QPoint at = twipsToPixels(state.boxes[i].left, state.boxes[i].top);
      if (view_) {
        view_->moveBox(*boxes_[i], at);
      } else {
        boxes_[i]->move(at);
      }
    }
  }

  /// The frame as the window's backing store holds it now: painted only where something
  /// changed.
  QImage shown() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    return backingStoreArea(window_, frame_->geometry());
  }

 private:
  QWidget window_;
  PictureBox* frame_ = nullptr;
  CourseView* view_ = nullptr;
  std::array<PictureBox*, boxCount> boxes_{};
};

}  // namespace

class CourseViewTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { prepareApplication(); }
  // The view must show what the ordinary boxes showed, after every tick of a race that scrolls
  // the course by one and two pixels, overlaps cars, pushes them past the frame's edges and
  // reaches the band above the course's end.
  void eachTickShowsWhatTheOrdinaryBoxesShow();
};

void CourseViewTest::eachTickShowsWhatTheOrdinaryBoxesShow() {
  Course ordinary(false);
  Course light(true);
  QVERIFY(!ordinary.shown().isNull());
  QCOMPARE(light.shown(), ordinary.shown());

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
      ordinary.place(model.state());
      light.place(model.state());
      const QImage expected = ordinary.shown();
      QVERIFY2(light.shown() == expected, qPrintable(QStringLiteral("tick %1 of a leg").arg(tick)));
    }
  }
  // Past the left and right edges, which the race's road limits never reach.
  model.move(Box::Player, -300, 3120);
  model.move(Box::Rival1, 1800, 2900);
  model.move(Box::Rival0, 1950, -400);
  ordinary.place(model.state());
  light.place(model.state());
  QCOMPARE(light.shown(), ordinary.shown());
}

}  // namespace vortalin::qt::test

QTEST_MAIN(vortalin::qt::test::CourseViewTest)
#include "course_view_test.moc"
