#include "tools/font_maker/font_sheet.h"

#include <algorithm>
#include <cmath>

#include "engine/font_symbol.h"
#include "persistence/object_io.h"
#include "persistence/storage.h"

namespace corvellane {
namespace {

// Room between cells, so that a scaled or filtered draw of one cell never
// picks up a neighbour's pixels.
constexpr int kGap = 2;

struct TCell {
  char32_t character = 0;
  TRgbaImage picture;
  int wleft = 0;
  int wright = 0;
};

// The face's own line, widened to any glyph that reaches beyond it (accented
// capitals, deep descenders), so that no glyph is cut off.
TLineMetrics MeasureLine(TGlyphRasteriser& face, const std::vector<TGlyphBitmap>& glyphs) {
  int ascent = face.Ascent(), descent = face.Descent();
  for (const TGlyphBitmap& g : glyphs) {
    if (g.height == 0) continue;
    ascent = std::max(ascent, g.top);
    descent = std::max(descent, g.height - g.top);
  }
  const std::optional<TGlyphBitmap> capital = face.Render(U'H');
  const int cap_height = capital && capital->top > 0 ? capital->top : ascent;
  return {ascent, cap_height, ascent + descent};
}

TCell MakeCell(char32_t character, const TGlyphBitmap& glyph, const TGlyphStyle& style, const TLineMetrics& line) {
  const TGlyphPadding pad = PaddingFor(style);
  const int outline = std::max(0, style.outline_width);
  // The outline widens every letter on both sides; the pen moves on by one
  // outline's width, so neighbouring outlines just meet and titles stay tight.
  const int advance = glyph.advance + outline;
  TCell cell{character, DrawStyledGlyph(glyph, style, line), 0, 0};
  if (glyph.width == 0) {
    cell.picture = TRgbaImage(std::max(1, advance), cell.picture.Height());
    cell.wright = advance - cell.picture.Width();
    return cell;
  }
  cell.wleft = glyph.left + outline / 2 - pad.left;
  cell.wright = advance - cell.wleft - cell.picture.Width();
  return cell;
}

int ChooseSheetWidth(const std::vector<TCell>& cells) {
  long area = 0;
  int widest = 1;
  for (const TCell& c : cells) {
    area += long(c.picture.Width() + kGap) * long(c.picture.Height() + kGap);
    widest = std::max(widest, c.picture.Width() + kGap);
  }
  int width = 64;
  while (long(width) * long(width) < area * 5 / 4) width *= 2;
  return std::max(width, widest);
}

}  // namespace

TFontSheet BuildFontSheet(TGlyphRasteriser& face, const std::vector<char32_t>& characters, const TGlyphStyle& style,
                          int sheet_width) {
  std::vector<char32_t> present;
  std::vector<TGlyphBitmap> glyphs;
  for (char32_t c : characters) {
    if (std::optional<TGlyphBitmap> g = face.Render(c)) {
      present.push_back(c);
      glyphs.push_back(std::move(*g));
    }
  }
  const TLineMetrics line = MeasureLine(face, glyphs);
  std::vector<TCell> cells;
  for (size_t i = 0; i < glyphs.size(); ++i) cells.push_back(MakeCell(present[i], glyphs[i], style, line));

  if (sheet_width <= 0) sheet_width = ChooseSheetWidth(cells);
  // Shelf packing: cells left to right, a new row when one does not fit.
  TFontSheet sheet;
  int x = kGap, y = kGap;
  const int row_height = cells.empty() ? 0 : cells.front().picture.Height() + kGap;
  for (const TCell& cell : cells) {
    if (x + cell.picture.Width() + kGap > sheet_width && x > kGap) {
      x = kGap;
      y += row_height;
    }
    sheet.symbols.push_back({cell.character, x, y, cell.picture.Width(), cell.picture.Height(), cell.wleft, cell.wright});
    x += cell.picture.Width() + kGap;
  }
  sheet.picture = TRgbaImage(std::max(sheet_width, x), y + row_height);
  for (size_t i = 0; i < cells.size(); ++i) sheet.picture.Paste(cells[i].picture, sheet.symbols[i].left, sheet.symbols[i].top);
  return sheet;
}

bool WriteFontSheet(const TFontSheet& sheet, const std::string& picture_file, const std::string& symbols_file) {
  if (!sheet.picture.Save(picture_file)) return false;
  Ref<TSymbolCollection> symbols = CreateObject<TSymbolCollection>();
  for (const TFontSymbolPlace& place : sheet.symbols) {
    Ref<TSymbol> symbol = CreateObject<TSymbol>();
    symbol->SetScanCode(uint32_t(place.character));
    symbol->SetSymbolRect({place.left, place.top, place.left + place.width, place.top + place.height});
    symbol->SetLeftBearing(place.wleft);
    symbol->SetRightBearing(place.wright);
    symbols->AddItem(symbol);
  }
  Ref<IHierStorageRoot> root = CreateStorage("font");
  symbols->SaveTo(root->AddChild("symbols").get());
  return MakeFolderFor(symbols_file) && root->SaveToFile(symbols_file);
}

}  // namespace corvellane
