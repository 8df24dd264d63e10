// corvellane-fontmaker: renders a TrueType font into the engine's bitmap-font
// form, a sheet PNG and its symbol table.
//
//   corvellane-fontmaker FONT.ttf SIZE SHEET.png SYMBOLS.xml [options]
//     --fill $AARRGGBB             ink colour (white: text tinted by the game)
//     --fill-bottom $AARRGGBB      gradient down to this colour at the baseline
//     --outline N --outline-colour $AARRGGBB
//     --shadow-x N --shadow-y N --shadow-blur N --shadow-colour $AARRGGBB
//     --sheet-width N              0 (default): roughly square
#include <cstdlib>
#include <iostream>
#include <optional>

#include "persistence/number_text.h"
#include "tools/font_maker/character_set.h"
#include "tools/font_maker/font_sheet.h"
#include "tools/media_common/tool_options.h"

namespace {

using namespace corvellane;

TGlyphStyle StyleFrom(const TToolOptions& options) {
  TGlyphStyle style;
  style.fill_top = options.Colour("fill", style.fill_top);
  style.fill_bottom = options.Colour("fill-bottom", style.fill_top);
  style.outline_width = options.Int("outline", 0);
  style.outline_colour = options.Colour("outline-colour", style.outline_colour);
  style.shadow_x = options.Int("shadow-x", 0);
  style.shadow_y = options.Int("shadow-y", 0);
  style.shadow_blur = options.Int("shadow-blur", 0);
  style.shadow_colour = options.Colour("shadow-colour", 0);
  if (style.outline_width < 0 || style.outline_width > 16) throw EToolError("--outline must be 0..16");
  if (style.shadow_blur < 0 || style.shadow_blur > 16) throw EToolError("--shadow-blur must be 0..16");
  if (std::abs(style.shadow_x) > 16 || std::abs(style.shadow_y) > 16) throw EToolError("shadow offsets must be -16..16");
  return style;
}

int Run(const TToolOptions& options) {
  const std::string& font_file = options.Require(0, "font file");
  const std::string& size_text = options.Require(1, "pixel size");
  const std::string& sheet_file = options.Require(2, "sheet file");
  const std::string& symbols_file = options.Require(3, "symbols file");
  std::optional<int32_t> size = ParseInt(size_text);
  if (!size) throw EToolError("pixel size is not a whole number: " + size_text);
  TGlyphRasteriser face(font_file, *size);
  TFontSheet sheet = BuildFontSheet(face, FontCharacters(), StyleFrom(options), options.Int("sheet-width", 0));
  if (!WriteFontSheet(sheet, sheet_file, symbols_file)) throw EToolError("cannot write " + sheet_file);
  return 0;
}

}  // namespace

int main(int argc, char** argv) { return corvellane::RunTool("corvellane-fontmaker", argc, argv, Run); }
