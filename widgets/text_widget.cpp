#include "widgets/text_widget.h"

#include <algorithm>

#include "engine/engine_interface.h"
#include "persistence/localization.h"
#include "persistence/property_table.h"
#include "widgets/pixel_rounding.h"
#include "widgets/text_characters.h"

namespace corvellane {

namespace {

// Sizes from a font or a data file, held to what a surface can hold.
int32_t BoundedSize(int32_t value) { return std::clamp(value, 0, kMaxSurfaceSide); }
int32_t BoundedBearing(int32_t value) { return std::clamp(value, -kMaxSurfaceSide, kMaxSurfaceSide); }

}  // namespace

void TTextWidget::Cleanup() {
  cache_ = nullptr;
  TImageWidget::Cleanup();
}

// ---- Properties ----

const TPropertyTable& TTextWidget::Properties() {
  using W = TTextWidget;
  using Table = TPropertyTableOf<W>;
  // A setter that lays the text out again when the value changes.
  auto layout = [](auto W::*field, auto bound) {
    return [field, bound](W& w, auto value) { w.SetLayoutValue(w.*field, bound(std::move(value))); };
  };
  auto as_is = [](auto value) { return value; };
  static const TPropertyTable table =
      Table(TImageWidget::Properties())
          .Text("text", &W::GetText, &W::SetText, "", Table::Never())
          .Text("text_utf8", &W::GetText, &W::SetText)
          .NameOnly()
          .Int("fixedwidth", &W::fixed_width_, layout(&W::fixed_width_, BoundedSize), 0,
               Table::When([](W& w) { return w.use_fixed_width_; }))
          .Bool("usefixedwidth", &W::use_fixed_width_, layout(&W::use_fixed_width_, as_is), false)
          .LoadsWith([](W& w, const Variant& v) { w.use_fixed_width_ = v.ToBool() && w.fixed_width_ != 0; })
          .Text("textalign", &W::align_, layout(&W::align_, as_is), "left")
          .Bool("multiline", &W::multiline_, layout(&W::multiline_, as_is), false)
          // Takes effect at the next layout.
          .Int("textlineheight", &W::line_height_, [](W& w, int32_t v) { w.line_height_ = BoundedSize(v); }, 0)
          .Text("textvertalign", &W::vert_align_, layout(&W::vert_align_, as_is), "top");
  return table;
}

// ---- Place in the tree ----

void TTextWidget::SetOwner(IWidgetOwner* owner) {
  TImageWidget::SetOwner(owner);
  LayOut();
}

void TTextWidget::ClearOwner() {
  TImageWidget::ClearOwner();
  // The cache came from the engine of that tree.
  cache_ = nullptr;
}

void TTextWidget::Invalidate() {
  LayOut();
  TImageWidget::Invalidate();
}

void TTextWidget::SetChanged(bool changed) {
  if (changed) cache_dirty_ = true;
  TImageWidget::SetChanged(changed);
}

// ---- Layout ----

void TTextWidget::SetText(std::string_view utf8) {
  std::string shown = Localize(utf8);
  if (shown == text_) return;
  text_ = std::move(shown);
  LayOut();
}

Ref<IFontResource> TTextWidget::GetFont() { return QueryInterface<IFontResource>(GetImageResource()); }

TTextLayoutOptions TTextWidget::LayoutOptions() {
  TTextLayoutOptions options;
  options.width = GetWidth();
  options.height = GetHeight();
  options.multiline = multiline_;
  options.use_fixed_width = use_fixed_width_;
  options.fixed_width = fixed_width_;
  options.align = HorzAlignFromName(align_);
  options.vert_align = VertAlignFromName(vert_align_);
  options.line_height = line_height_;
  options.font_line_height = font_line_height_;
  return options;
}

std::vector<TSymbolInfo> TTextWidget::SymbolsOf(IFontResource& font, std::string_view text) const {
  std::vector<TSymbolInfo> symbols;
  const std::vector<TTextCharacter> characters = SplitCharacters(text);
  symbols.reserve(characters.size());
  for (size_t i = 0; i < characters.size(); ++i) {
    TSymbolInfo info;
    info.index = static_cast<int32_t>(i + 1);
    info.code = characters[i].code;
    info.text_offset = characters[i].offset;
    if (Ref<ISymbol> symbol = font.GetSymbol(text.substr(characters[i].offset))) {
      info.visible = true;
      // A glyph is never larger than its sheet (asked after the symbol: a
      // substitute answers for the member that had it), so a damaged symbol
      // table cannot make the text cache huge.
      const int32_t width = std::min(BoundedSize(symbol->GetSymbolWidth()), font.GetImageWidth());
      const int32_t height = std::min(BoundedSize(symbol->GetSymbolHeight()), font.GetImageHeight());
      info.rect = {0, 0, std::max(width, 0), std::max(height, 0)};
      info.left_bearing = BoundedBearing(symbol->GetLeftBearing());
      info.right_bearing = BoundedBearing(symbol->GetRightBearing());
    }
    symbols.push_back(info);
  }
  return symbols;
}

void TTextWidget::LayOut() {
  Ref<IFontResource> font = GetFont();
  if (font) {
    font_line_height_ = BoundedSize(font->GetLineHeight());
    symbols_ = SymbolsOf(*font, text_);
    extent_ = LayOutText(symbols_, LayoutOptions());
  } else {
    // Without a font nothing is shown, so nothing of an earlier layout stays.
    symbols_.clear();
    extent_ = {};
  }
  SetChanged(true);
  SetGeometryChanged();
  cache_dirty_ = true;
}

template <class T>
void TTextWidget::SetLayoutValue(T& field, T value) {
  if (field == value) return;
  field = std::move(value);
  LayOut();
}

// ---- Drawing ----

bool TTextWidget::RenderCache(IFontResource& font) {
  const int32_t width = static_cast<int32_t>(extent_.Width());
  const int32_t height = static_cast<int32_t>(extent_.Height());
  if (!cache_) {
    IEngine* engine = Engine();
    cache_ = engine ? engine->CreateSurface() : nullptr;
    if (!cache_) return false;
    cache_dirty_ = true;
  }
  if (cache_->GetWidth() < width || cache_->GetHeight() < height) {
    if (!cache_->SetSize(std::max(cache_->GetWidth(), width), std::max(cache_->GetHeight(), height))) return false;
    cache_dirty_ = true;
  }
  if (!cache_dirty_) return true;
  cache_->SetHasAlpha(true);
  cache_->Clear();
  for (const TSymbolInfo& info : symbols_) {
    if (!info.visible) continue;
    // The symbol first: a font substitute hands out the sheet of the member
    // that had it.
    Ref<ISymbol> symbol = font.GetSymbol(std::string_view(text_).substr(info.text_offset));
    Ref<ISurface> sheet = symbol ? font.GetSurface() : nullptr;
    if (!sheet) continue;
    DrawPart(cache_.get(), sheet.get(), symbol->GetSymbolRect(), OffsetRect(info.rect, -extent_.left, -extent_.top),
             TBlendMode::Normal, 255);
  }
  cache_dirty_ = false;
  return true;
}

void TTextWidget::Draw(ISurface* surface, int32_t x, int32_t y) {
  if (!surface || extent_.IsEmpty()) return;
  Ref<IFontResource> font = GetFont();
  if (!font || !RenderCache(*font)) return;
  const int32_t width = static_cast<int32_t>(extent_.Width());
  const int32_t height = static_cast<int32_t>(extent_.Height());
  const TRect dest = OffsetRect({0, 0, width, height}, SaturatingAdd(x, extent_.left), SaturatingAdd(y, extent_.top));
  surface->DrawImage(cache_.get(), {0, 0, width, height}, TBlendMode::Normal, GetTransparentLevel(), dest);
}

TRect TTextWidget::GetRect() {
  const TRect box = TImageWidget::GetRect();
  if (extent_.IsEmpty()) return box;
  return BoundingBox(box, OffsetRect(extent_, RoundToPixel(GetAnchorLeft()), RoundToPixel(GetAnchorTop())));
}

// The font sheet under a text says nothing about the text, so a text is hit
// anywhere in its rectangle.
bool TTextWidget::ContainsPoint(TPoint point, bool ignore_visibility) {
  return TResourceWidget::ContainsPoint(point, ignore_visibility);
}

// ---- ITextWidget ----

int32_t TTextWidget::GetTextWidth(std::string_view text) {
  Ref<IFontResource> font = GetFont();
  if (!font) return 0;
  int64_t width = 0;
  for (const TSymbolInfo& info : SymbolsOf(*font, text))
    if (info.visible) width += use_fixed_width_ ? fixed_width_ : info.rect.right;
  return static_cast<int32_t>(std::min<int64_t>(width, kMaxPixelCoordinate));
}

int32_t TTextWidget::GetTextHeight(std::string_view text) {
  Ref<IFontResource> font = GetFont();
  if (!font) return 0;
  int32_t height = 0;
  for (const TSymbolInfo& info : SymbolsOf(*font, text)) height = std::max(height, info.rect.bottom);
  return height;
}

std::optional<TRect> TTextWidget::GetCharRect(int32_t index) {
  if (index < 1 || index > static_cast<int32_t>(symbols_.size())) return std::nullopt;
  const TSymbolInfo& info = symbols_[size_t(index - 1)];
  if (!info.visible) return std::nullopt;
  const int32_t left = RoundToPixel(GetAnchorLeft());
  const int32_t top = RoundToPixel(GetAnchorTop());
  return TRect{left + info.rect.left - info.left_bearing, top + info.rect.top, left + info.rect.right + info.right_bearing,
               top + info.rect.bottom};
}

}  // namespace corvellane
