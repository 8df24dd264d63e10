#include "engine/font_symbol.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "engine/surface.h"
#include "persistence/value_access.h"

namespace corvellane {
namespace {

// A code written with leading zeros or spaces ("065") is still the code 65:
// the name is made from the number, else "A" could never find it.
std::optional<uint32_t> ParseCode(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  uint32_t code = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), code);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return code;
}

// A symbol lies on its font sheet, a surface: every value of its rectangle
// is held to a surface's side, so a damaged table cannot make left + width
// (or a bearing summed into an advance) overflow.
int32_t ReadSheetValue(IHierStorage* node, std::string_view key) {
  return std::clamp(ReadInt(node, key, 0), -kMaxSurfaceSide, kMaxSurfaceSide);
}

}  // namespace

void TSymbol::Init() {
  TPersistObject::Init();
  SetStorageName("symbol");
}

void TSymbol::SetScanCode(uint32_t code) {
  scan_code_ = code;
  SetName(std::to_string(code));
}

void TSymbol::LoadProperties(IHierStorage* node) {
  TPersistObject::LoadProperties(node);
  const std::string text = ReadText(node, "scancode");
  if (std::optional<uint32_t> code = ParseCode(text)) {
    SetScanCode(*code);
  } else {
    scan_code_ = 0;
    SetName(text);
  }
  const int32_t left = ReadSheetValue(node, "left");
  const int32_t top = ReadSheetValue(node, "top");
  rect_ = {left, top, left + ReadSheetValue(node, "width"), top + ReadSheetValue(node, "height")};
  left_bearing_ = ReadSheetValue(node, "wleft");
  right_bearing_ = ReadSheetValue(node, "wright");
}

void TSymbol::SaveProperties(IHierStorage* node) {
  TPersistObject::SaveProperties(node);
  WriteText(node, "scancode", std::to_string(scan_code_), true);
  WriteInt(node, "left", rect_.left, rect_.left != 0);
  WriteInt(node, "top", rect_.top, rect_.top != 0);
  WriteInt(node, "width", GetSymbolWidth(), true);
  WriteInt(node, "height", GetSymbolHeight(), true);
  WriteInt(node, "wleft", left_bearing_, left_bearing_ != 0);
  WriteInt(node, "wright", right_bearing_, right_bearing_ != 0);
}

void TSymbolCollection::Init() {
  TStaticCreationPersistItemCollection::Init();
  SetStorageName("symbols");
  SetItemElementName("symbol");
  SetItemClass<TSymbol>();
}

Ref<ISymbol> TSymbolCollection::GetSymbol(const Variant& key) { return GetItemAs<ISymbol>(key); }

int32_t TSymbolCollection::LargestHeight() {
  int32_t largest = 0;
  for (int i = 0; i < Count(); ++i)
    if (Ref<ISymbol> symbol = GetSymbol(i)) largest = std::max(largest, symbol->GetSymbolHeight());
  return largest;
}

}  // namespace corvellane
