// font_resource.h: bitmap fonts and font substitutes.
//
// TFontResource ("FontResource") is an image resource, the font sheet, with
// a child "symbols" telling where each character sits on it. Its line
// height is the height of its tallest symbol.
//
// TFontSubstituteResource ("FontSubstituteResource") stands for a list of
// fonts ("fonts": comma-separated font resource names, missing ones
// skipped): a character comes from the first member that has it, and that
// member becomes the current font whose sheet GetSurface hands out. Ask for
// the symbol first, then for the surface:
//
//   Ref<ISymbol> s = font->GetSymbol("A");     // the symbol named "65"
//   if (s) canvas->DrawImage(font->GetSurface().get(), s->GetSymbolRect(), ...);
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "engine/font_symbol.h"
#include "engine/image_resource.h"

namespace corvellane {

struct IFontResource : virtual IImageResource {
  virtual int32_t GetLineHeight() = 0;
  // The symbol of the text's first character; none for an empty or
  // malformed text or a character the font lacks.
  virtual Ref<ISymbol> GetSymbol(std::string_view text) = 0;
};

class TFontResource : public TImageResource, public virtual IFontResource {
 public:
  void Init() override;
  void Cleanup() override;
  void LoadProperties(IHierStorage* node) override;
  void SaveProperties(IHierStorage* node) override;

  int32_t GetLineHeight() override;
  Ref<ISymbol> GetSymbol(std::string_view text) override;
  TSymbolCollection& Symbols() { return *symbols_; }

 protected:
  bool LoadData() override;

 private:
  Ref<TSymbolCollection> symbols_;
  int32_t line_height_ = 0;
};

class TFontSubstituteResource : public TResource, public virtual IFontResource {
 public:
  void Cleanup() override;
  void LoadProperties(IHierStorage* node) override;
  void SaveProperties(IHierStorage* node) override;
  // Resolves the "fonts" list through the owner (again on every attach).
  void AttachResourceOwner(IResourceOwner* owner) override;
  void ReleaseResourceOwner() override;

  int32_t GetLineHeight() override;
  Ref<ISymbol> GetSymbol(std::string_view text) override;
  // The current font's sheet and size; none and 0 before a symbol was found.
  int32_t GetImageWidth() override;
  int32_t GetImageHeight() override;
  Ref<ISurface> GetSurface() override;

  int MemberCount() const { return int(members_.size()); }

 private:
  std::string fonts_;
  std::vector<Ref<IFontResource>> members_;
  Ref<IFontResource> current_;
  // Substitutes may name each other (or themselves); a lookup that comes
  // back round to this one while it is asking its members finds nothing
  // here instead of recursing without end.
  bool asking_members_ = false;
};

}  // namespace corvellane
