#pragma once

#include <QBackingStore>
#include <QImage>
#include <QWidget>

namespace vortalin::qt::test {

/// The part of a window's backing store under `area`, in logical pixels of the window, as it
/// was painted so far: after the first frame only what changed is painted again.
inline QImage backingStoreArea(const QWidget& window, const QRect& area) {
  const auto* pixels = dynamic_cast<QImage*>(window.backingStore()->paintDevice());
  if (pixels == nullptr) return {};
  const qreal ratio = pixels->devicePixelRatio();
  const QRectF device(QPointF(area.topLeft()) * ratio, QSizeF(area.size()) * ratio);
  return pixels->copy(device.toRect());
}

}  // namespace vortalin::qt::test
