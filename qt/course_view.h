#pragma once

#include <vector>

#include <QColor>
#include <QWidget>

namespace vortalin::qt {

class PictureBox;

/// The inside of the course frame as one opaque widget. It draws the picture boxes placed in
/// it itself, back to front, and keeps the boxes as hidden widgets that only hold their
/// names, sizes and pictures. Each box is placed in device pixels, as the race view places it
/// at the screen's density, so that it lands where every other window puts it. A move of the
/// back box (the course strip) by whole logical pixels scrolls what the view shows by a blit;
/// then only the uncovered band and the other boxes' old and new places are painted again.
class CourseView final : public QWidget {
  Q_OBJECT

 public:
  CourseView(QWidget* parent, const QRect& geometry, const QColor& background);

  /// Draws `box`, a child of this view, from now on, behind every box added before it.
  void addBox(PictureBox& box);
  /// Moves a box the view draws to `topLeft`, in device pixels of the view, repainting only
  /// what the move changes. The hidden widget follows to the nearest logical pixel.
  void moveBox(PictureBox& box, QPoint topLeft);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  struct Drawn {
    PictureBox* box;
    QPoint place;   // in device pixels of the view
    QRect painted;  // where the box's pixels are once pending paints are done, likewise
  };

  QRect deviceRect(const Drawn& drawn) const;
  void updateDevice(const QRect& rect);
  void scrollBackBox(QPoint delta);
  void paintBox(QPainter& painter, const Drawn& drawn, QPoint origin, const QRect& dirty,
                QRegion& bare);
  QRect inWindow(const QRect& rect) const;

  std::vector<Drawn> boxes_;  // back to front
  QColor background_;
};

}  // namespace vortalin::qt
