#include "main_window.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "design_state.h"
#include "fonts.h"
#include "vortalin/identity.h"

namespace vortalin::qt {

namespace {

RaceViewBinding::Controls raceControls(const FormControls& controls) {
  RaceViewBinding::Controls bound;
  for (int i = 0; i < boxCount; ++i) {
    bound.boxes[i] = controls.widget(form::boxControls[i].name, form::boxControls[i].index);
  }
  bound.clock = controls.timer(form::clockControl);
  bound.window = controls.widget(form::windowControl);
  bound.energy = controls.get<QLineEdit>(form::energyControl);
  bound.distance = controls.get<QLineEdit>(form::distanceControl);
  return bound;
}

}  // namespace

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent),
      controls_(buildForm(*this)),
      binding_(std::make_unique<RaceViewBinding>(raceControls(controls_),
                                                 form::designViewState())),
      race_(std::make_unique<Race>(*binding_, random_)) {
  connectHandlers();
}

MainWindow::~MainWindow() = default;

void MainWindow::connectHandlers() {
  connect(controls_.get<QPushButton>("Command1"), &QPushButton::clicked, this,
          [this] { race_->start(); });
  connect(controls_.get<QPushButton>("Command2"), &QPushButton::clicked, this,
          [this] { race_->steerLeft(); });
  connect(controls_.get<QPushButton>("Command3"), &QPushButton::clicked, this,
          [this] { race_->steerRight(); });
  connect(controls_.get<QPushButton>("Command4"), &QPushButton::clicked, this,
          [this] { race_->stop(); });
  connect(controls_.timer(form::clockControl), &QTimer::timeout, this,
          &MainWindow::onClockTick);
}

void MainWindow::onClockTick() {
  if (race_->tick() == TickOutcome::CounterFull) reportCounterFull();
}

// The counter cannot count further, so no race can run: stop the clock and say why.
// The message does not block, and the window stays open.
void MainWindow::reportCounterFull() {
  binding_->setClockEnabled(false);
  if (counterFullMessage_ == nullptr) {
    counterFullMessage_ = new QMessageBox(
        QMessageBox::Information,
        QString::fromUtf8(identity::name.data(), static_cast<qsizetype>(identity::name.size())),
        QStringLiteral("距離カウンターが上限に達しました。これ以上レースを続けられません。"),
        QMessageBox::Ok, this);
    counterFullMessage_->setObjectName(QLatin1StringView(counterFullMessageName));
  }
  if (!counterFullMessage_->isVisible()) counterFullMessage_->open();
}

}  // namespace vortalin::qt
