#pragma once

#include <vector>

#include <QColor>
#include <QWidget>

namespace vortalin::qt {

class PictureBox;

/// The inside of the course frame as one opaque widget. It draws the picture boxes placed in
/// it itself, back to front, and keeps the boxes as hidden widgets that only hold their
/// names, places and pictures. A move of the back box (the course strip) scrolls what the
/// view shows by a blit; then only the uncovered band and the other boxes' old and new
/// places are painted again. Every pixel lands where the ordinary widget tree would put it.
class CourseView final : public QWidget {
  Q_OBJECT

 public:
  CourseView(QWidget* parent, const QRect& geometry, const QColor& background);

  /// Draws `box`, a child of this view, from now on, behind every box added before it.
  void addBox(PictureBox& box);
  /// Moves a box the view draws, repainting only what the move changes.
  void moveBox(PictureBox& box, QPoint topLeft);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  struct Drawn {
    PictureBox* box;
    QRect painted;  // where the box's pixels are once pending paints are done
  };

  void scrollBackBox(QPoint delta);
  void paintBox(QPainter& painter, const PictureBox& box, const QRect& dirty, QRegion& bare);
  QRect inWindow(const QRect& rect) const;

  std::vector<Drawn> boxes_;  // back to front
  QColor background_;
};

}  // namespace vortalin::qt
