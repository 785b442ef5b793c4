// Compares pictures of the window's inside taken in the same pose from the Linux window, the
// Windows window and the page, at one density:
// - each picture against the first, pixel for pixel, except where either shows text ink
//   inside the text areas the classic look gives (button captions, text box and label text);
// - in each picture, every button caption's ink centred within 1 device pixel on its caption
//   area, and every pixel of the button's rings in its ring's colour (no ink over the bevel).
// Prints what it finds; on a fault also writes the pictures and a map of the differing pixels
// (red; text ink left out in blue) to OUT_DIR. Exits 1 on a fault.
// Usage: look-compare DOTS_PER_INCH FOCUSED_BUTTON OUT_DIR NAME=PICTURE.png...
#include <QDir>
#include <QImage>
#include <QRect>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "form/classic_look.h"
#include "form/classic_palette.h"
#include "form/design_state.h"
#include "form/form_table.h"
#include "form/twips.h"

namespace {

using vortalin::form::ControlKind;
using vortalin::form::ControlRecord;
namespace form = vortalin::form;

struct Shot {
  QString name;
  QImage image;
};

std::string nameOf(const ControlRecord& record) {
  std::string name(record.name);
  if (record.index >= 0) name += "(" + std::to_string(record.index) + ")";
  return name;
}

QRect placeOf(const ControlRecord& record, int dpi) {
  const form::PixelRect rect = form::pixelRect(record, dpi);
  return {rect.left, rect.top, rect.width, rect.height};
}

QRect within(const QRect& place, const form::DeviceRect& rect) {
  return QRect(rect.left, rect.top, rect.width, rect.height).translated(place.topLeft());
}

/// The window's own controls (not the cars inside the view), front to back.
std::vector<const ControlRecord*> windowControls() {
  std::vector<const ControlRecord*> controls;
  for (const ControlRecord& record : form::formTable) {
    if (record.container == form::windowControl && record.kind != ControlKind::Timer) {
      controls.push_back(&record);
    }
  }
  return controls;
}

form::ButtonState stateOf(const ControlRecord& record, const std::string& focused) {
  return {.focused = nameOf(record) == focused};
}

/// Inside a button's current rings: where its caption may ink.
QRect buttonInside(const ControlRecord& record, int dpi, const std::string& focused) {
  const QRect place = placeOf(record, dpi);
  const auto rings = static_cast<int>(form::buttonRings(stateOf(record, focused)).size());
  return within(place, form::insetRect(place.width(), place.height(), rings, dpi));
}

/// Where a control's text may ink, as the classic look places it; empty for a control
/// without text.
QRect textArea(const ControlRecord& record, int dpi, const std::string& focused) {
  const QRect place = placeOf(record, dpi);
  const int w = place.width();
  const int h = place.height();
  switch (record.kind) {
    case ControlKind::CommandButton:
      return within(place, form::captionArea(w, h, stateOf(record, focused), dpi))
          .intersected(buttonInside(record, dpi, focused));
    case ControlKind::TextBox: return within(place, form::textBoxTextArea(w, h, dpi));
    case ControlKind::Label: return within(place, form::labelTextArea(record, w, h, dpi));
    default: return {};
  }
}

QRgb colourAt(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; }

/// The colour most of an area shows: the background its text is drawn on.
QRgb commonestColour(const QImage& image, const QRect& area) {
  std::map<QRgb, int> counts;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) ++counts[colourAt(image, x, y)];
  }
  return std::max_element(counts.begin(), counts.end(),
                          [](const auto& a, const auto& b) { return a.second < b.second; })
      ->first;
}

/// Ink: not the background, nor on a focused button the background inverted (its focus
/// mark's dots).
bool isInk(QRgb colour, QRgb background, bool focusMark) {
  return colour != background && !(focusMark && colour == (~background & 0xFFFFFF));
}

bool hasFocusMark(const ControlRecord& record, const std::string& focused) {
  return record.kind == ControlKind::CommandButton && stateOf(record, focused).focused;
}

using Mask = std::vector<bool>;

/// The pixels inside the text areas that show ink in either picture.
Mask inkMask(const QImage& a, const QImage& b, const QRect& bounds, int dpi,
             const std::string& focused) {
  Mask mask(static_cast<std::size_t>(bounds.width() * bounds.height()));
  for (const ControlRecord* record : windowControls()) {
    const QRect area = textArea(*record, dpi, focused).intersected(bounds);
    if (area.isEmpty()) continue;
    const QRgb backgroundA = commonestColour(a, area);
    const QRgb backgroundB = commonestColour(b, area);
    const bool mark = hasFocusMark(*record, focused);
    for (int y = area.top(); y <= area.bottom(); ++y) {
      for (int x = area.left(); x <= area.right(); ++x) {
        if (isInk(colourAt(a, x, y), backgroundA, mark) ||
            isInk(colourAt(b, x, y), backgroundB, mark)) {
          mask[static_cast<std::size_t>(y * bounds.width() + x)] = true;
        }
      }
    }
  }
  return mask;
}

std::string controlAt(int x, int y, int dpi) {
  for (const ControlRecord* record : windowControls()) {
    if (placeOf(*record, dpi).contains(x, y)) return nameOf(*record);
  }
  return std::string(form::windowControl);
}

struct Comparison {
  int differing = 0;
  std::map<std::string, int> byControl;
  QImage map;
};

/// `other` against `reference` outside the text ink; the map shows the reference faded,
/// text ink left out in blue and differing pixels in red.
Comparison compare(const QImage& reference, const QImage& other, int dpi,
                   const std::string& focused) {
  const QRect bounds = reference.rect().intersected(other.rect());
  const Mask mask = inkMask(reference, other, bounds, dpi, focused);
  Comparison result;
  result.map = QImage(reference.size().expandedTo(other.size()), QImage::Format_RGB32);
  result.map.fill(qRgb(255, 0, 0));
  for (int y = 0; y < bounds.height(); ++y) {
    for (int x = 0; x < bounds.width(); ++x) {
      const QRgb colour = colourAt(reference, x, y);
      const int faded = 192 + qGray(colour) / 4;
      QRgb shown = qRgb(faded, faded, faded);
      if (mask[static_cast<std::size_t>(y * bounds.width() + x)]) {
        shown = qRgb(faded / 2, faded / 2, 255);
      } else if (colour != colourAt(other, x, y)) {
        shown = qRgb(255, 0, 0);
        ++result.differing;
        ++result.byControl[controlAt(x, y, dpi)];
      }
      result.map.setPixel(x, y, shown);
    }
  }
  const int outside = result.map.width() * result.map.height() - bounds.width() * bounds.height();
  if (outside > 0) {
    result.differing += outside;
    result.byControl["(size)"] += outside;
  }
  return result;
}

std::string described(const QRect& rect) {
  return std::to_string(rect.width()) + "x" + std::to_string(rect.height()) + "+" +
         std::to_string(rect.left()) + "+" + std::to_string(rect.top());
}

QRgb classicQRgb(vortalin::SystemColour colour) {
  const form::Rgb rgb = form::classicRgb(colour);
  return qRgb(rgb.red, rgb.green, rgb.blue) & 0xFFFFFF;
}

/// How many pixels of a button's rings show another colour than the classic look's: a
/// caption drawn over its bevel, or a ring drawn wrong. A caption wider than the inside of
/// the rings is cut at them, so the rings stay whole.
int ringPixelsAmiss(const QImage& image, const ControlRecord& record, int dpi,
                    const std::string& focused) {
  const QRect place = placeOf(record, dpi);
  int amiss = 0;
  form::paintRings(form::buttonRings(stateOf(record, focused)), place.width(), place.height(),
                   dpi, [&](const form::DeviceRect& rect, vortalin::SystemColour colour) {
                     const QRect band = within(place, rect).intersected(image.rect());
                     for (int y = band.top(); y <= band.bottom(); ++y) {
                       for (int x = band.left(); x <= band.right(); ++x) {
                         if (colourAt(image, x, y) != classicQRgb(colour)) ++amiss;
                       }
                     }
                   });
  return amiss;
}

/// Faults of the buttons' caption ink in one picture, one line each.
std::vector<std::string> captionFaults(const QImage& image, int dpi, const std::string& focused) {
  std::vector<std::string> faults;
  for (const ControlRecord* record : windowControls()) {
    if (record->kind != ControlKind::CommandButton) continue;
    const QRect place = placeOf(*record, dpi);
    const QRect area =
        within(place, form::captionArea(place.width(), place.height(),
                                        stateOf(*record, focused), dpi));
    const QRect inside = buttonInside(*record, dpi, focused).intersected(image.rect());
    const QRgb face = [&] {
      const form::Rgb rgb = form::classicRgb(record->background.value_or(vortalin::buttonFace));
      return qRgb(rgb.red, rgb.green, rgb.blue) & 0xFFFFFF;
    }();
    const bool mark = hasFocusMark(*record, focused);
    QRect ink;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
      for (int x = inside.left(); x <= inside.right(); ++x) {
        if (isInk(colourAt(image, x, y), face, mark)) ink |= QRect(x, y, 1, 1);
      }
    }
    const std::string name = nameOf(*record);
    if (ink.isEmpty()) {
      faults.push_back(name + ": no caption ink on its face");
      continue;
    }
    // Centres in half pixels, so that both stay whole.
    const int dx = (2 * ink.left() + ink.width()) - (2 * area.left() + area.width());
    const int dy = (2 * ink.top() + ink.height()) - (2 * area.top() + area.height());
    if (std::abs(dx) > 2 || std::abs(dy) > 2) {
      char offset[64];
      std::snprintf(offset, sizeof offset, "%+.1f, %+.1f", dx / 2.0, dy / 2.0);
      faults.push_back(name + ": caption ink centred " + offset +
                       " device px from its caption area's centre");
    }
    if (const int covered = ringPixelsAmiss(image, *record, dpi, focused); covered > 0) {
      faults.push_back(name + ": " + std::to_string(covered) +
                       " pixels of its rings are not the rings' colours (caption ink " +
                       described(ink) + ")");
    }
  }
  return faults;
}

std::string described(const Comparison& comparison) {
  std::string text = std::to_string(comparison.differing) + " pixels differ";
  const char* separator = ": ";
  for (const auto& [control, count] : comparison.byControl) {
    text += separator + control + " " + std::to_string(count);
    separator = ", ";
  }
  return text;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 5) {
    std::fprintf(stderr,
                 "usage: look-compare DOTS_PER_INCH FOCUSED_BUTTON OUT_DIR NAME=PICTURE.png...\n");
    return 2;
  }
  const int dpi = std::atoi(argv[1]);
  const std::string focused = argv[2];
  const QString outDir = QString::fromLocal8Bit(argv[3]);
  std::vector<Shot> shots;
  for (int i = 4; i < argc; ++i) {
    const QString argument = QString::fromLocal8Bit(argv[i]);
    const qsizetype equals = argument.indexOf('=');
    Shot shot{argument.left(equals), QImage(argument.mid(equals + 1))};
    if (equals <= 0 || shot.image.isNull()) {
      std::fprintf(stderr, "look-compare: cannot read %s\n", argv[i]);
      return 2;
    }
    shot.image = shot.image.convertToFormat(QImage::Format_RGB32);
    shots.push_back(shot);
  }

  bool failed = false;
  std::vector<std::pair<QString, QImage>> maps;
  for (const Shot& shot : shots) {
    for (const std::string& fault : captionFaults(shot.image, dpi, focused)) {
      std::printf("FAIL %s: %s\n", qPrintable(shot.name), fault.c_str());
      failed = true;
    }
  }
  const Shot& reference = shots.front();
  for (std::size_t i = 1; i < shots.size(); ++i) {
    const Comparison comparison = compare(reference.image, shots[i].image, dpi, focused);
    std::printf("%s %s against %s: %s\n", comparison.differing > 0 ? "FAIL" : "ok",
                qPrintable(shots[i].name), qPrintable(reference.name),
                described(comparison).c_str());
    if (comparison.differing > 0) {
      maps.emplace_back(shots[i].name + "-differences.png", comparison.map);
      failed = true;
    }
  }
  if (failed) {
    QDir().mkpath(outDir);
    for (const Shot& shot : shots) shot.image.save(outDir + "/" + shot.name + ".png");
    for (const auto& [name, map] : maps) map.save(outDir + "/" + name);
    std::printf("pictures and maps of the differences: %s\n", qPrintable(outDir));
  }
  return failed ? 1 : 0;
}
