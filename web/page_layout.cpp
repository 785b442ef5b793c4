#include "page_layout.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <optional>
#include <utility>

#include "form/classic_look.h"
#include "form/classic_palette.h"
#include "form/design_state.h"
#include "form/frames_and_tab_order.h"
#include "form/keys_and_focus.h"
#include "form/pictures.h"
#include "form/stand_in_fonts.h"
#include "form/twips.h"
#include "form/window_order.h"
#include "game/controller.h"
#include "game/json_writer.h"
#include "vortalin/identity.h"
#include "web_front_end.h"

namespace vortalin::web {

namespace {

using form::ControlRecord;
using game::JsonWriter;

int scaled(int designPixels, int dotsPerInch) {
  const double scale = double(dotsPerInch) / form::designDotsPerInch;
  return static_cast<int>(std::lround(designPixels * scale));
}

// Buttons centre their captions unless told otherwise; the other controls start at the left.
const char* alignName(const ControlRecord& record) {
  switch (record.alignment) {
    case form::Alignment::Right: return "right";
    case form::Alignment::Centre: return "center";
    case form::Alignment::Default:
      if (record.kind == form::ControlKind::CommandButton) return "center";
      break;
    case form::Alignment::Left: break;
  }
  return "left";
}

Colour backgroundOf(const ControlRecord& record) {
  if (record.background) return *record.background;
  return record.kind == form::ControlKind::TextBox ? form::defaultTextBoxBackground
                                                   : form::defaultBackground;
}

Colour foregroundOf(const ControlRecord& record) {
  if (record.foreground) return *record.foreground;
  return record.kind == form::ControlKind::TextBox ? form::defaultTextBoxText
                                                   : form::defaultButtonText;
}

// The named face first, then the face the page carries for its kind; without a font, the
// system's face, in the language it is chosen for.
void writeFont(JsonWriter& json, const ControlRecord& record, int dotsPerInch) {
  json.key("font").open('{');
  json.key("families").open('[');
  if (record.font) json.value(record.font->face).value(form::pageFaceFor(*record.font).family);
  if (!record.font) json.value(form::systemFace.face);
  json.value("sans-serif").close(']');
  json.member("lang", record.font ? std::string_view() : form::systemFace.pageLanguage);
  const double points = record.font ? record.font->points : form::defaultFontPoints;
  json.member("px", form::pointsToPixels(points, dotsPerInch));
  json.member("weight", record.font ? record.font->weight : 400);
  json.close('}');
}

int tabPosition(int row) {
  for (int i = 0; i < form::focusableCount; ++i) {
    if (form::tabOrder[i] == row) return i;
  }
  return -1;
}

// For a control whose arrow keys move the focus: the control each arrow key moves it to.
void writeArrowKeys(JsonWriter& json, int row) {
  json.key("arrowKeys").open('{');
  if (form::arrowKeysMoveFocus(form::formTable[row].kind)) {
    static constexpr std::pair<const char*, form::ArrowKey> keys[] = {
        {"ArrowLeft", form::ArrowKey::Left},
        {"ArrowUp", form::ArrowKey::Up},
        {"ArrowRight", form::ArrowKey::Right},
        {"ArrowDown", form::ArrowKey::Down},
    };
    for (const auto& [name, key] : keys) {
      json.member(name, controlId(form::formTable[form::rowAfterArrow(row, key)]));
    }
  }
  json.close('}');
}

void writeRect(JsonWriter& json, const ControlRecord& record, int dotsPerInch) {
  const form::PixelRect rect = form::pixelRect(record, dotsPerInch);
  json.member("left", rect.left).member("top", rect.top);
  json.member("width", rect.width).member("height", rect.height);
}

void writeDeviceRect(JsonWriter& json, const form::DeviceRect& rect) {
  json.open('[').value(rect.left).value(rect.top).value(rect.width).value(rect.height);
  json.close(']');
}

// What a control shows in one state: its rings' sides with their colours, the dots of its
// focus mark (which invert what lies under them) and where its text goes, in device pixels.
void writeLookState(JsonWriter& json, form::Rings rings, bool marked,
                    std::optional<form::DeviceRect> text, const form::PixelRect& rect,
                    int dotsPerInch) {
  json.open('{').key("rings").open('[');
  form::paintRings(rings, rect.width, rect.height, dotsPerInch,
                   [&](form::DeviceRect side, SystemColour colour) {
                     json.open('[').value(side.left).value(side.top).value(side.width);
                     json.value(side.height).value(cssColour(form::classicRgb(colour)));
                     json.close(']');
                   });
  json.close(']').key("marks").open('[');
  if (marked) {
    form::paintFocusMark(rect.width, rect.height, dotsPerInch,
                         [&](form::DeviceRect dot) { writeDeviceRect(json, dot); });
  }
  json.close(']');
  if (text) writeDeviceRect(json.key("textArea"), *text);
  json.close('}');
}

// A command button in each of its states, any other control as its border shows it.
void writeLook(JsonWriter& json, const ControlRecord& record, int dotsPerInch) {
  const form::PixelRect rect = form::pixelRect(record, dotsPerInch);
  json.key("look").open('{');
  if (record.kind == form::ControlKind::CommandButton) {
    static constexpr std::pair<const char*, form::ButtonState> states[] = {
        {"plain", {}},
        {"focused", {.focused = true}},
        {"pressed", {.pressed = true}},
        {"focusedPressed", {.focused = true, .pressed = true}},
    };
    for (const auto& [name, state] : states) {
      json.key(name);
      writeLookState(json, form::buttonRings(state), state.focused,
                     form::captionArea(rect.width, rect.height, state, dotsPerInch), rect,
                     dotsPerInch);
    }
  } else {
    std::optional<form::DeviceRect> text;
    if (record.kind == form::ControlKind::TextBox) {
      text = form::textBoxTextArea(rect.width, rect.height, dotsPerInch);
    } else if (record.kind == form::ControlKind::Label) {
      text = form::labelTextArea(record, rect.width, rect.height, dotsPerInch);
    }
    json.key("plain");
    writeLookState(json, form::borderRings(record), false, text, rect, dotsPerInch);
  }
  json.close('}');
}

void writeControl(JsonWriter& json, int row, int dotsPerInch) {
  const ControlRecord& record = form::formTable[row];
  json.open('{');
  json.member("id", controlId(record)).member("kind", kindName(record.kind));
  json.member("container", record.container);
  writeRect(json, record, dotsPerInch);
  json.member("caption", record.caption);
  json.member("background", cssColour(backgroundOf(record)));
  json.member("foreground", cssColour(foregroundOf(record)));
  writeFont(json, record, dotsPerInch);
  json.member("align", alignName(record));
  json.member("borderPx", scaled(form::frameWidthPixels(record), dotsPerInch));
  writeLook(json, record, dotsPerInch);
  json.member("wordWrap", record.wordWrap).member("tabPosition", tabPosition(row));
  writeArrowKeys(json, row);
  json.member("accessibleName", record.accessibleName);
  json.member("picture", form::pictureFile(record.picture));
  const form::PixelSize picture = form::pictureSize(record.picture);
  json.member("pictureWidth", scaled(picture.width, dotsPerInch));
  json.member("pictureHeight", scaled(picture.height, dotsPerInch));
  json.close('}');
}

// The bits of what changed since the page last looked.
void writeChanges(JsonWriter& json) {
  json.key("changes").open('{');
  const auto bit = [](Change change) { return static_cast<int>(change); };
  json.member("boxes", bit(BoxesMoved)).member("colour", bit(ColourChanged));
  json.member("energyText", bit(EnergyText)).member("distanceText", bit(DistanceText));
  json.member("notice", bit(NoticeShown));
  json.close('}');
}

void writePalette(JsonWriter& json) {
  const auto css = [](SystemColour colour) { return cssColour(form::classicRgb(colour)); };
  json.key("palette").open('{');
  json.member("highlight", css(SystemColour::ButtonHighlight));
  json.member("light", css(SystemColour::ButtonLight));
  json.member("shadow", css(SystemColour::ButtonShadow));
  json.member("darkShadow", css(SystemColour::ButtonDarkShadow));
  json.member("face", css(SystemColour::ButtonFace));
  json.member("caption", css(SystemColour::ActiveCaption));
  json.member("captionText", css(SystemColour::CaptionText));
  json.member("selection", css(SystemColour::Highlight));
  json.member("selectionText", css(SystemColour::HighlightText));
  json.close('}');
}

// The boxes of the race view, back to front, as the course frame draws them.
void writeBoxes(JsonWriter& json) {
  json.key("boxes").open('[');
  for (int stacking = boxCount; stacking >= 1; --stacking) {
    for (int box = 0; box < boxCount; ++box) {
      const form::ControlKey& key = form::boxControls[box];
      if (form::findControl(key.name, key.index)->stacking != stacking) continue;
      json.open('{').member("box", box);
      json.member("id", controlId(*form::findControl(key.name, key.index))).close('}');
    }
  }
  json.close(']');
}

}  // namespace

const char* kindName(form::ControlKind kind) {
  switch (kind) {
    case form::ControlKind::CommandButton: return "button";
    case form::ControlKind::TextBox: return "text";
    case form::ControlKind::Label: return "label";
    case form::ControlKind::PictureBox: return "picture";
    case form::ControlKind::Window: return "window";
    case form::ControlKind::Timer: break;
  }
  return "timer";
}

std::string controlId(const form::ControlRecord& record) {
  std::string id(record.name);
  if (record.index >= 0) id += "(" + std::to_string(record.index) + ")";
  return id;
}

std::string cssColour(form::Rgb rgb) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", rgb.red, rgb.green, rgb.blue);
  return text;
}

std::string cssColour(Colour colour) { return cssColour(form::classicRgb(colour)); }

std::string pageLayoutJson(int dotsPerInch) {
  const ControlRecord& window = *form::findControl(form::windowControl);
  JsonWriter json;
  json.open('{');
  json.member("window", window.name).member("title", window.caption);
  json.member("programName", identity::name);
  json.member("width", form::twipsToPixels(window.width, dotsPerInch));
  json.member("height", form::twipsToPixels(window.height, dotsPerInch));
  json.member(
      "clockPeriodMs",
      static_cast<long long>(
          std::chrono::duration_cast<std::chrono::milliseconds>(game::clockInterval).count()));
  writePalette(json);
  json.member("linePx", form::deviceEdge(1, dotsPerInch));
  writeChanges(json);
  json.key("controls").open('[');
  for (int row : form::windowOrder) writeControl(json, row, dotsPerInch);
  json.close(']');
  const form::ControlKey& strip = form::boxControls[static_cast<int>(Box::Strip)];
  json.member("courseFrame", form::findControl(strip.name, strip.index)->container);
  json.key("displays").open('[').value(form::energyControl).value(form::distanceControl).close(']');
  writeBoxes(json);
  json.close('}');
  return json.text();
}

}  // namespace vortalin::web
