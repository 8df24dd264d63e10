// font_symbol.h: TSymbol, one character of a bitmap font, and the
// collection of a font's symbols keyed by the character's decimal code.
//
//   <symbols>
//     <symbol scancode="65" left="10" width="12" height="20" wright="1"/>
//   </symbols>
//
// A symbol is the rectangle of its character on the font sheet plus the
// bearings that adjust the advance when text is laid out. Its name is the
// scan code (the character's code point) in decimal, so "65" is "A".
// Loaded values are held within +-kMaxSurfaceSide (engine/surface.h), so the
// rectangle's arithmetic never overflows whatever a table says.
#pragma once

#include <cstdint>
#include <string>

#include "engine/surface_rect.h"
#include "persistence/collections.h"

namespace corvellane {

struct ISymbol : virtual INamedObject {
  virtual uint32_t GetScanCode() const = 0;
  virtual void SetScanCode(uint32_t code) = 0;
  virtual TRect GetSymbolRect() const = 0;
  virtual void SetSymbolRect(const TRect& rect) = 0;
  virtual int32_t GetSymbolWidth() const = 0;   // right - left
  virtual int32_t GetSymbolHeight() const = 0;  // bottom - top
  virtual int32_t GetLeftBearing() const = 0;
  virtual int32_t GetRightBearing() const = 0;
  virtual void SetLeftBearing(int32_t bearing) = 0;
  virtual void SetRightBearing(int32_t bearing) = 0;
};

class TSymbol : public TPersistObject, public virtual ISymbol {
 public:
  void Init() override;
  // "scancode" (its decimal text is also the name), "left", "top", "width",
  // "height", "wleft", "wright".
  void LoadProperties(IHierStorage* node) override;
  void SaveProperties(IHierStorage* node) override;

  uint32_t GetScanCode() const override { return scan_code_; }
  // The name follows the code, as lookups go by the name.
  void SetScanCode(uint32_t code) override;
  TRect GetSymbolRect() const override { return rect_; }
  void SetSymbolRect(const TRect& rect) override { rect_ = rect; }
  int32_t GetSymbolWidth() const override { return rect_.right - rect_.left; }
  int32_t GetSymbolHeight() const override { return rect_.bottom - rect_.top; }
  int32_t GetLeftBearing() const override { return left_bearing_; }
  int32_t GetRightBearing() const override { return right_bearing_; }
  void SetLeftBearing(int32_t bearing) override { left_bearing_ = bearing; }
  void SetRightBearing(int32_t bearing) override { right_bearing_ = bearing; }

 private:
  uint32_t scan_code_ = 0;
  TRect rect_;
  int32_t left_bearing_ = 0;
  int32_t right_bearing_ = 0;
};

class TSymbolCollection : public TStaticCreationPersistItemCollection {
 public:
  void Init() override;
  // By name (the decimal code) or position; none when absent.
  Ref<ISymbol> GetSymbol(const Variant& key);
  // The tallest symbol's height; 0 without symbols.
  int32_t LargestHeight();
};

}  // namespace corvellane
