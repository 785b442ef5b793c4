// Writes, at build time, what the page's build, scripts and tests need of the control table
// and the look as one JSON file, so that none of them reads C++ source.
// Usage: page_manifest OUT.json
#include <cstdio>
#include <set>
#include <string>
#include <string_view>

#include "core/race_rules.h"
#include "form/classic_palette.h"
#include "form/design_state.h"
#include "form/frames_and_tab_order.h"
#include "form/stand_in_fonts.h"
#include "form/twips.h"
#include "form/window_order.h"
#include "game/json_writer.h"
#include "page_layout.h"
#include "vortalin/identity.h"

namespace {

using namespace vortalin;

// Every glyph a carried face's controls can show: their captions, and all of printable ASCII
// where one of them is a text box the player types into.
std::string glyphsOf(const form::CarriedFace& face) {
  std::set<std::string_view> captions;
  bool typedInto = false;
  for (const form::ControlRecord& record : form::formTable) {
    if (!record.font || &form::pageFaceFor(*record.font) != &face) continue;
    typedInto = typedInto || record.kind == form::ControlKind::TextBox;
    captions.insert(record.caption);
  }
  std::string glyphs;
  if (typedInto) {
    for (char c = 0x20; c < 0x7F; ++c) glyphs += c;
  }
  for (std::string_view caption : captions) glyphs += caption;
  return glyphs;
}

void writeFaces(game::JsonWriter& json) {
  json.key("faces").open('[');
  for (const form::CarriedFace& face : form::pageFaces) {
    json.open('{').member("family", face.family).member("file", face.file);
    json.member("fontNumber", face.fontNumber).member("glyphs", glyphsOf(face));
    json.member("widthPercent", face.widthPercent);
    json.member("scale", form::condensingScale(face.widthPercent,
                                               form::designedWidthPercent(face.widthClass)));
    json.close('}');
  }
  json.close(']');
}

// The classic scheme by registry name, and each colour's system colour index.
void writePalette(game::JsonWriter& json) {
  json.key("palette").open('{');
  for (const form::ClassicColour& colour : form::classicColours) {
    json.member(colour.registryName, web::cssColour(colour.rgb));
  }
  json.close('}');
  json.key("systemColourIndex").open('{');
  for (const form::ClassicColour& colour : form::classicColours) {
    json.member(colour.registryName, static_cast<int>(colour.index));
  }
  json.close('}');
}

void writeControls(game::JsonWriter& json) {
  json.key("controls").open('[');
  for (const form::ControlRecord& record : form::formTable) {
    json.open('{').member("id", web::controlId(record)).member("kind", web::kindName(record.kind));
    json.member("container", record.container);
    json.member("left", record.left).member("top", record.top);
    json.member("width", record.width).member("height", record.height);
    json.close('}');
  }
  json.close(']');
}

template <class Rows>
void writeIds(game::JsonWriter& json, std::string_view name, const Rows& rows) {
  json.key(name).open('[');
  for (int row : rows) json.value(web::controlId(form::formTable[row]));
  json.close(']');
}

std::string manifest() {
  game::JsonWriter json;
  json.open('{');
  json.member("programName", identity::name);
  json.member("designDotsPerInch", form::designDotsPerInch);
  json.member("twipsPerInch", form::twipsPerInch);
  json.member("window", form::windowControl);
  json.member("widthShare", form::impactStandInWidthPercent);
  json.key("widthClasses").open('[');
  for (int percent : form::percentOfWidthClass) json.value(percent);
  json.close(']');
  writeFaces(json);
  writePalette(json);
  json.member("defaultFontPoints", form::defaultFontPoints);
  json.member("sunkenBorderPixels", form::sunkenBorderPixels);
  json.member("textBoxMarginPixels", form::textBoxMarginPixels);
  writeControls(json);
  writeIds(json, "tabOrder", form::tabOrder);
  writeIds(json, "windowOrder", form::windowOrder);
  json.key("collisionBox").open('{');
  json.member("halfWidth", static_cast<double>(rules::collisionHalfWidth));
  json.member("halfHeight", static_cast<double>(rules::collisionHalfHeight));
  json.close('}');
  json.close('}');
  return json.text() + "\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: page_manifest OUT.json\n");
    return 2;
  }
  const std::string text = manifest();
  std::FILE* out = std::fopen(argv[1], "wb");
  if (!out) {
    std::fprintf(stderr, "page_manifest: cannot write %s\n", argv[1]);
    return 1;
  }
  const bool written = std::fwrite(text.data(), 1, text.size(), out) == text.size();
  if (std::fclose(out) != 0 || !written) {
    std::fprintf(stderr, "page_manifest: could not write all of %s\n", argv[1]);
    return 1;
  }
  return 0;
}
