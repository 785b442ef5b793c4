#include "reference_window.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "form/design_state.h"
#include "form/form_table.h"
#include "form/frames_and_tab_order.h"
#include "qt/colours.h"
#include "qt/picture_resources.h"
#include "qt/qt_geometry.h"

namespace vortalin::bench {

namespace {

using form::ControlKind;
using form::ControlRecord;

QString text(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

void setColours(QWidget& widget, QPalette::ColorRole background, const ControlRecord& record) {
  QPalette palette = widget.palette();
  if (record.background) palette.setColor(background, qt::toQColor(*record.background));
  if (record.foreground) palette.setColor(QPalette::WindowText, qt::toQColor(*record.foreground));
  widget.setPalette(palette);
}

void setCommon(QWidget& widget, const ControlRecord& record) {
  widget.setGeometry(qt::widgetRect(record));
  if (record.font) {
    QFont font(text(record.font->face));
    font.setPointSizeF(record.font->points);
    font.setWeight(static_cast<QFont::Weight>(record.font->weight));
    widget.setFont(font);
  }
}

Qt::Alignment alignment(const ControlRecord& record) {
  switch (record.alignment) {
    case form::Alignment::Right: return Qt::AlignRight;
    case form::Alignment::Centre: return Qt::AlignHCenter;
    default: return Qt::AlignLeft;
  }
}

}  // namespace

/// The race's view written straight through to the widgets.
class ReferenceWindow::PlainView final : public RaceView {
 public:
  explicit PlainView(ReferenceWindow& window)
      : window_(window), positions_(form::designViewState().boxes) {}

  float left(Box box) const override { return positions_[index(box)].left; }
  float top(Box box) const override { return positions_[index(box)].top; }
  void setLeft(Box box, float left) override { move(box, left, top(box)); }
  void setTop(Box box, float top) override { move(box, left(box), top); }
  void move(Box box, float left, float top) override {
    positions_[index(box)] = {left, top};
    window_.boxes_[index(box)]->move(qt::twipsToPixels(left), qt::twipsToPixels(top));
  }

  bool clockEnabled() const override { return window_.clock_->isActive(); }
  void setClockEnabled(bool enabled) override {
    if (enabled) {
      window_.clock_->start();
    } else {
      window_.clock_->stop();
    }
  }
  Colour backgroundColour() const override { return colour_; }
  void setBackgroundColour(Colour colour) override {
    if (colour == colour_) return;
    colour_ = colour;
    QPalette palette = window_.palette();
    palette.setColor(QPalette::Window, qt::toQColor(colour));
    window_.setPalette(palette);
  }
  void setEnergyText(std::string_view utf8) override { setText(*window_.energy_, utf8); }
  void setDistanceText(std::string_view utf8) override { setText(*window_.distance_, utf8); }

 private:
  static int index(Box box) { return static_cast<int>(box); }
  static void setText(QLineEdit& edit, std::string_view utf8) {
    const QString value = text(utf8);
    if (edit.text() != value) edit.setText(value);
  }

  ReferenceWindow& window_;
  std::array<BoxPosition, boxCount> positions_;
  Colour colour_ = buttonFace;
};

ReferenceWindow::ReferenceWindow()
    : view_(std::make_unique<PlainView>(*this)), race_(std::make_unique<Race>(*view_, random_)) {
  qt::initPictureResources();
  build();
  connect(start_, &QPushButton::clicked, this, [this] { race_->start(); });
  connect(clock_, &QTimer::timeout, this, [this] { race_->tick(); });
}

ReferenceWindow::~ReferenceWindow() = default;

void ReferenceWindow::build() {
  const ControlRecord& form = form::formTable.front();
  setWindowTitle(text(form.caption));
  resize(qt::widgetRect(form).size());
  QWidget* courseInside = nullptr;
  for (int row = 1; row < static_cast<int>(form::formTable.size()); ++row) {
    const ControlRecord& record = form::formTable[row];
    if (record.kind == ControlKind::Timer) {
      clock_ = new QTimer(this);
      clock_->setTimerType(Qt::PreciseTimer);
      clock_->setInterval(record.timerIntervalMs);
      continue;
    }
    QWidget* widget = makeControl(record.container == "Form1" ? *this : *courseInside, row);
    widget->lower();
    if (record.kind == ControlKind::PictureBox && record.picture == form::Picture::None) {
      courseInside = new QWidget(widget);
      courseInside->setGeometry(static_cast<QFrame*>(widget)->contentsRect());
    }
  }
  for (int i = 0; i < boxCount; ++i) {
    const form::ControlKey& key = form::boxControls[i];
    boxes_[i] = findChild<QLabel*>(text(key.name) + QString::number(key.index));
  }
}

QWidget* ReferenceWindow::makeControl(QWidget& parent, int row) {
  const ControlRecord& record = form::formTable[row];
  const QString name = text(record.name);
  switch (record.kind) {
    case ControlKind::CommandButton: {
      auto* button = new QPushButton(text(record.caption), &parent);
      setCommon(*button, record);
      setColours(*button, QPalette::Button, record);
      if (record.name == "Command1") start_ = button;
      return button;
    }
    case ControlKind::TextBox: {
      auto* edit = new QLineEdit(text(record.caption), &parent);
      setCommon(*edit, record);
      edit->setAlignment(alignment(record) | Qt::AlignVCenter);
      (record.name == form::energyControl ? energy_ : distance_) = edit;
      return edit;
    }
    case ControlKind::PictureBox:
      if (record.picture == form::Picture::None) {
        auto* frame = new QFrame(&parent);
        frame->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
        setCommon(*frame, record);
        return frame;
      }
      [[fallthrough]];
    case ControlKind::Label: {
      auto* label = new QLabel(&parent);
      setCommon(*label, record);
      setColours(*label, QPalette::Window, record);
      label->setAutoFillBackground(true);
      label->setObjectName(name + QString::number(record.index));
      if (record.picture != form::Picture::None) {
        const int margin = form::frameWidthPixels(record);
        label->setPixmap(qt::loadPicture(record.picture));
        label->setContentsMargins(margin, margin, margin, margin);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
      }
      label->setText(text(record.caption));
      label->setAlignment(alignment(record) | Qt::AlignTop);
      label->setWordWrap(record.wordWrap);
      if (record.border == form::Border::Single) label->setFrameStyle(QFrame::Box | QFrame::Plain);
      return label;
    }
    case ControlKind::Window:
    case ControlKind::Timer: break;
  }
  return nullptr;
}

}  // namespace vortalin::bench
