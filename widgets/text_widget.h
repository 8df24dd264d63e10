// text_widget.h: TTextWidget ("text_widget"), a line or a block of text
// drawn from a bitmap font.
//
//   <widget type="text_widget" name="label_title" visible="yes"
//           anchor_left="20" anchor_top="10" width="600" height="40"
//           resourcename="font_title" text="%title%" textalign="center"
//           drawmode="fillcolor" fillcolor="$FFFFD070"/>
//
//   <widget type="text_widget" name="text_greeting" resourcename="font_body"
//           width="300" height="120" multiline="yes" textlineheight="22"
//           textvertalign="middle" text="Hello, welcome to town!"/>
//
// The resource must be a font (or a font substitute). Texts are UTF-8;
// a text holding references between percent signs ("%title%") shows the
// localised string. Characters the font lacks take no space. "textalign"
// is "left", "center" or "right"; "textvertalign" "top", "middle" or
// "bottom"; "usefixedwidth" with "fixedwidth" centres every character in
// a cell of that width. Single-line text is cut where it leaves the box;
// multiline text wraps at spaces, splits words wider than the box and
// drops lines that start below it. "drawmode"="fillcolor" paints the
// glyphs in the fill colour (fonts with white glyphs on alpha are tinted
// this way); the blending mode is not used.
//
// The text is laid out when it, the alignment, multiline, the fixed width
// or the font change, on attaching and on Invalidate, and rendered once into
// a cache surface; drawing is one surface draw. Its rectangle is the box
// joined with the text, so text overflowing the box is redrawn and hit too.
//
// "text" is loaded but not saved back (what shows is the localised text,
// not the reference the data holds). By name "text" and "text_utf8" are the
// same UTF-8 text; "usefixedwidth" loads as "no" without a "fixedwidth".
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/font_resource.h"
#include "widgets/image_widget.h"
#include "widgets/text_layout.h"

namespace corvellane {

struct ITextWidget : virtual IWidget {
  // Sum of the characters' widths (the fixed width each when that is on);
  // characters without a symbol add nothing.
  virtual int32_t GetTextWidth(std::string_view text) = 0;
  // The tallest symbol among the characters.
  virtual int32_t GetTextHeight(std::string_view text) = 0;
  // The owner-space box of the character at a 1-based index, bearings
  // included; none outside the text or for a character not shown.
  virtual std::optional<TRect> GetCharRect(int32_t index) = 0;
};

class TTextWidget : public TImageWidget, public virtual ITextWidget {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }

  void Cleanup() override;

  void SetOwner(IWidgetOwner* owner) override;
  void ClearOwner() override;
  void Invalidate() override;
  void SetChanged(bool changed) override;

  void Draw(ISurface* surface, int32_t x, int32_t y) override;
  TRect GetRect() override;
  bool ContainsPoint(TPoint point, bool ignore_visibility) override;

  int32_t GetTextWidth(std::string_view text) override;
  int32_t GetTextHeight(std::string_view text) override;
  std::optional<TRect> GetCharRect(int32_t index) override;

  const std::string& GetText() const { return text_; }
  // Localised, then laid out when it differs from the shown text.
  void SetText(std::string_view utf8);
  const TRect& GetTextExtent() const { return extent_; }
  const std::vector<TSymbolInfo>& Symbols() const { return symbols_; }

 protected:
  void ResourceNameChanged() override { LayOut(); }

 private:
  Ref<IFontResource> GetFont();
  TTextLayoutOptions LayoutOptions();
  std::vector<TSymbolInfo> SymbolsOf(IFontResource& font, std::string_view text) const;
  void LayOut();
  // Brings the cache up to date; false when there is nothing to draw.
  bool RenderCache(IFontResource& font);
  // Stores a layout value; a different one lays the text out again.
  template <class T>
  void SetLayoutValue(T& field, T value);

  std::string text_;
  int32_t fixed_width_ = 0;
  bool use_fixed_width_ = false;
  std::string align_ = "left";
  bool multiline_ = false;
  int32_t line_height_ = 0;
  std::string vert_align_ = "top";
  TRect extent_;
  Ref<ISurface> cache_;
  bool cache_dirty_ = true;
  int32_t font_line_height_ = 0;
  std::vector<TSymbolInfo> symbols_;
};

}  // namespace corvellane
