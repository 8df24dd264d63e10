#include "widgets/text_layout.h"

#include <algorithm>
#include <optional>

#include "widgets/pixel_rounding.h"
#include "xml/ascii_case.h"

namespace corvellane {

namespace {

using TSymbols = std::vector<TSymbolInfo>;

bool IsBreakCharacter(uint32_t code) {
  switch (code) {
    case 0x0020: case 0x30FB: case 0x3001: case 0x3002: case 0xFF01: case 0xFF1A: case 0xFF1F:
      return true;
    default:
      return false;
  }
}

// Break characters that only make space: not drawn where a line wraps.
bool IsBlankBreak(uint32_t code) { return code == 0x0020 || code == 0x30FB; }

int32_t ToCoordinate(int64_t value) {
  return static_cast<int32_t>(std::clamp<int64_t>(value, -kMaxPixelCoordinate, kMaxPixelCoordinate));
}

int32_t SymbolWidth(const TSymbolInfo& s) { return s.rect.right - s.rect.left; }
int32_t SymbolHeight(const TSymbolInfo& s) { return s.rect.bottom - s.rect.top; }

int64_t AdvanceOf(const TSymbolInfo& s, const TTextLayoutOptions& o) {
  if (!s.visible) return 0;
  if (o.use_fixed_width) return o.fixed_width;
  return int64_t{SymbolWidth(s)} + s.left_bearing + s.right_bearing;
}

int64_t LineWidth(const TSymbols& symbols, size_t begin, size_t end, const TTextLayoutOptions& o) {
  int64_t width = 0;
  for (size_t i = begin; i < end; ++i) width += AdvanceOf(symbols[i], o);
  return width;
}

int64_t AlignedLeft(int64_t line_width, const TTextLayoutOptions& o) {
  switch (o.align) {
    case THorzAlign::Right: return o.width - line_width;
    case THorzAlign::Center: return (o.width - line_width) / 2;
    case THorzAlign::Left: break;
  }
  return 0;
}

int64_t AlignedTop(int64_t block_height, const TTextLayoutOptions& o) {
  switch (o.vert_align) {
    case TVertAlign::Bottom: return o.height - block_height;
    case TVertAlign::Middle: return (o.height - block_height) / 2;
    case TVertAlign::Top: break;
  }
  return 0;
}

void PlaceSymbol(TSymbolInfo& s, int64_t left, int64_t top) {
  const int32_t width = SymbolWidth(s);
  const int32_t height = SymbolHeight(s);
  s.rect = {ToCoordinate(left), ToCoordinate(top), ToCoordinate(left + width), ToCoordinate(top + height)};
}

// Steps 3 and 4 of a line: aligned in the box, each symbol at its place.
void PlaceLine(TSymbols& symbols, size_t begin, size_t end, int64_t top, const TTextLayoutOptions& o) {
  int64_t x = AlignedLeft(LineWidth(symbols, begin, end, o), o);
  for (size_t i = begin; i < end; ++i) {
    TSymbolInfo& s = symbols[i];
    if (!s.visible) continue;
    if (o.use_fixed_width) {
      // Centred in its cell.
      PlaceSymbol(s, x + (o.fixed_width - SymbolWidth(s)) / 2, top);
      x += o.fixed_width;
    } else {
      x += s.left_bearing;
      PlaceSymbol(s, x, top);
      x += int64_t{SymbolWidth(s)} + s.right_bearing;
    }
  }
}

void HideFrom(TSymbols& symbols, size_t begin) {
  for (size_t i = begin; i < symbols.size(); ++i) symbols[i].visible = false;
}

void LayOutSingleLine(TSymbols& symbols, const TTextLayoutOptions& o) {
  int64_t used = 0;
  int32_t tallest = 0;
  for (size_t i = 0; i < symbols.size(); ++i) {
    TSymbolInfo& s = symbols[i];
    if (!s.visible) continue;
    const int64_t advance = AdvanceOf(s, o);
    if (used + advance > o.width) {
      HideFrom(symbols, i);
      break;
    }
    used += advance;
    tallest = std::max(tallest, SymbolHeight(s));
  }
  const int32_t line_height = o.font_line_height > 0 ? o.font_line_height : tallest;
  PlaceLine(symbols, 0, symbols.size(), AlignedTop(line_height, o), o);
}

// The break characters (and the one line feed) that directly follow an
// overflowing break character stay on its line.
size_t EndOfBreakRun(const TSymbols& symbols, size_t overflow) {
  size_t end = overflow + 1;
  while (end < symbols.size() && IsBreakCharacter(symbols[end].code)) ++end;
  if (end < symbols.size() && symbols[end].code == kLineFeed) ++end;
  return end;
}

// Where a line that overflowed at `overflow` ends (exclusive).
size_t CutOverflowedLine(const TSymbols& symbols, size_t begin, size_t overflow,
                         std::optional<size_t> last_break) {
  if (IsBreakCharacter(symbols[overflow].code)) return EndOfBreakRun(symbols, overflow);
  if (last_break) return *last_break + 1;
  // No break opportunity: characters move to the next line until it fits,
  // but the line keeps its first character.
  return std::max(overflow, begin + 1);
}

// The blanks at the end of a wrapped line are not drawn and take no width.
void HideWrapBlanks(TSymbols& symbols, size_t begin, size_t end) {
  for (size_t i = end; i > begin; --i) {
    const uint32_t code = symbols[i - 1].code;
    if (code == kLineFeed) continue;
    if (!IsBreakCharacter(code)) return;
    if (IsBlankBreak(code)) symbols[i - 1].visible = false;
  }
}

// The end (exclusive) of the line that starts at `begin`.
size_t FillLine(TSymbols& symbols, size_t begin, const TTextLayoutOptions& o) {
  int64_t used = 0;
  std::optional<size_t> last_break;
  for (size_t i = begin; i < symbols.size(); ++i) {
    const TSymbolInfo& s = symbols[i];
    if (s.code == kLineFeed) return i + 1;
    if (IsBreakCharacter(s.code)) last_break = i;
    if (!s.visible) continue;
    used += AdvanceOf(s, o);
    if (used <= o.width) continue;
    const size_t end = CutOverflowedLine(symbols, begin, i, last_break);
    HideWrapBlanks(symbols, begin, end);
    return end;
  }
  return symbols.size();
}

void LayOutLines(TSymbols& symbols, const TTextLayoutOptions& o) {
  const int64_t step = o.line_height != 0 ? o.line_height : o.font_line_height;
  int64_t top = 0;
  int64_t lines = 0;
  size_t begin = 0;
  while (begin < symbols.size()) {
    const size_t end = FillLine(symbols, begin, o);
    PlaceLine(symbols, begin, end, top, o);
    ++lines;
    top += step;
    begin = end;
    if (top > o.height) {
      HideFrom(symbols, begin);
      break;
    }
  }
  if (lines == 0) return;
  const int64_t offset = AlignedTop(o.font_line_height + (lines - 1) * step, o);
  if (offset == 0) return;
  for (TSymbolInfo& s : symbols) {
    if (!s.visible) continue;
    s.rect.top = ToCoordinate(s.rect.top + offset);
    s.rect.bottom = ToCoordinate(s.rect.bottom + offset);
  }
}

}  // namespace

THorzAlign HorzAlignFromName(std::string_view name) {
  if (EqualsIgnoreAsciiCase(name, "right")) return THorzAlign::Right;
  if (EqualsIgnoreAsciiCase(name, "center")) return THorzAlign::Center;
  return THorzAlign::Left;
}

TVertAlign VertAlignFromName(std::string_view name) {
  if (EqualsIgnoreAsciiCase(name, "bottom")) return TVertAlign::Bottom;
  if (EqualsIgnoreAsciiCase(name, "middle")) return TVertAlign::Middle;
  return TVertAlign::Top;
}

TRect LayOutText(std::vector<TSymbolInfo>& symbols, const TTextLayoutOptions& options) {
  for (TSymbolInfo& s : symbols)
    if (s.code == kLineFeed) s.visible = false;
  if (options.multiline)
    LayOutLines(symbols, options);
  else
    LayOutSingleLine(symbols, options);
  std::optional<TRect> extent;
  for (const TSymbolInfo& s : symbols)
    if (s.visible) extent = extent ? BoundingBox(*extent, s.rect) : s.rect;
  return extent.value_or(TRect{});
}

}  // namespace corvellane
