// font_sheet.h: a bitmap font as the engine reads it: one sheet picture and
// the symbol table that says where each character sits on it.
//
// Every cell is as tall as the font's (padded) line, because the engine sets
// each character at the top of its line with no vertical offset of its own;
// the glyph is drawn in its cell on the common baseline. Horizontally the
// cell holds just the ink (plus outline and shadow room), and the bearings
// carry the rest: the engine moves the pen by "wleft", draws the cell, then
// moves by its width and "wright", so
//   wleft  = ink's left edge from the pen (moved on by half the outline),
//            less the cell's left padding
//   wright = advance (plus one outline width) - wleft - cell width
// Blank characters (the spaces) get a cell as wide as their advance.
//
// The table is written as the engine saves it, a file whose root holds
// "symbols", so a resource definition can name it with "_outstorage":
//
//   TFontSheet sheet = BuildFontSheet(face, FontCharacters(), style);
//   WriteFontSheet(sheet, "game/data/fonts/font_text.png", "game/data/fonts/font_text.xml");
#pragma once

#include <string>
#include <vector>

#include "tools/font_maker/glyph_rasteriser.h"
#include "tools/font_maker/glyph_style.h"
#include "tools/media_common/rgba_image.h"

namespace corvellane {

struct TFontSymbolPlace {
  char32_t character = 0;
  int left = 0, top = 0, width = 0, height = 0;  // on the sheet
  int wleft = 0, wright = 0;
};

struct TFontSheet {
  TRgbaImage picture;
  std::vector<TFontSymbolPlace> symbols;
};

// Characters the face lacks are left out. `sheet_width` 0 picks a width
// that makes the sheet roughly square.
TFontSheet BuildFontSheet(TGlyphRasteriser& face, const std::vector<char32_t>& characters, const TGlyphStyle& style,
                          int sheet_width = 0);

// False when either file cannot be written.
bool WriteFontSheet(const TFontSheet& sheet, const std::string& picture_file, const std::string& symbols_file);

}  // namespace corvellane
