#include "engine/font_resource.h"

#include <algorithm>
#include <string>

#include "engine/utf8_code_point.h"
#include "persistence/object_io.h"
#include "persistence/storage.h"
#include "persistence/value_access.h"

namespace corvellane {
namespace {

std::string_view Trim(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

// "a, b,,c" -> a, b, c
std::vector<std::string_view> SplitNames(std::string_view list) {
  std::vector<std::string_view> names;
  while (!list.empty()) {
    const size_t comma = list.find(',');
    std::string_view item = Trim(list.substr(0, comma));
    if (!item.empty()) names.push_back(item);
    if (comma == std::string_view::npos) break;
    list.remove_prefix(comma + 1);
  }
  return names;
}

}  // namespace

// ---- TFontResource ----

void TFontResource::Init() {
  TImageResource::Init();
  symbols_ = CreateObject<TSymbolCollection>();
}

void TFontResource::Cleanup() {
  symbols_->ClearItems();
  TImageResource::Cleanup();
}

void TFontResource::LoadProperties(IHierStorage* node) {
  TImageResource::LoadProperties(node);
  if (!node) return;
  if (Ref<IHierStorage> child = node->GetChild("symbols", 0)) symbols_->LoadFrom(child.get());
  line_height_ = symbols_->LargestHeight();
}

void TFontResource::SaveProperties(IHierStorage* node) {
  TImageResource::SaveProperties(node);
  if (!node || symbols_->Count() == 0) return;
  symbols_->SaveTo(node->AddChild("symbols").get());
}

bool TFontResource::LoadData() {
  const bool loaded = TImageResource::LoadData();
  line_height_ = symbols_->LargestHeight();
  return loaded;
}

int32_t TFontResource::GetLineHeight() {
  EnsureLoaded();
  return line_height_;
}

Ref<ISymbol> TFontResource::GetSymbol(std::string_view text) {
  std::optional<uint32_t> code = FirstCodePoint(text);
  if (!code) return nullptr;
  return symbols_->GetSymbol(Variant(std::to_string(*code)));
}

// ---- TFontSubstituteResource ----

void TFontSubstituteResource::Cleanup() {
  members_.clear();
  current_ = nullptr;
  TResource::Cleanup();
}

void TFontSubstituteResource::LoadProperties(IHierStorage* node) {
  TResource::LoadProperties(node);
  fonts_ = ReadText(node, "fonts", fonts_);
}

void TFontSubstituteResource::SaveProperties(IHierStorage* node) {
  TResource::SaveProperties(node);
  WriteText(node, "fonts", fonts_, !fonts_.empty());
}

void TFontSubstituteResource::AttachResourceOwner(IResourceOwner* owner) {
  TResource::AttachResourceOwner(owner);
  members_.clear();
  current_ = nullptr;
  if (!owner) return;
  for (std::string_view name : SplitNames(fonts_))
    if (Ref<IFontResource> font = QueryInterface<IFontResource>(owner->GetResource(name)))
      members_.push_back(std::move(font));
}

void TFontSubstituteResource::ReleaseResourceOwner() {
  members_.clear();
  current_ = nullptr;
  TResource::ReleaseResourceOwner();
}

namespace {

// Sets the flag for the lifetime of the guard; Entered() is false when it
// was already set by an outer call.
class TReentryGuard {
 public:
  explicit TReentryGuard(bool& flag) : flag_(flag), entered_(!flag) { flag_ = true; }
  ~TReentryGuard() {
    if (entered_) flag_ = false;
  }
  TReentryGuard(const TReentryGuard&) = delete;
  TReentryGuard& operator=(const TReentryGuard&) = delete;
  bool Entered() const { return entered_; }

 private:
  bool& flag_;
  bool entered_;
};

}  // namespace

int32_t TFontSubstituteResource::GetLineHeight() {
  TReentryGuard guard(asking_members_);
  if (!guard.Entered()) return 0;
  int32_t largest = 0;
  for (const Ref<IFontResource>& font : members_) largest = std::max(largest, font->GetLineHeight());
  return largest;
}

Ref<ISymbol> TFontSubstituteResource::GetSymbol(std::string_view text) {
  TReentryGuard guard(asking_members_);
  if (!guard.Entered()) return nullptr;
  for (const Ref<IFontResource>& font : members_) {
    if (Ref<ISymbol> symbol = font->GetSymbol(text)) {
      current_ = font;
      return symbol;
    }
  }
  return nullptr;
}

int32_t TFontSubstituteResource::GetImageWidth() { return current_ ? current_->GetImageWidth() : 0; }
int32_t TFontSubstituteResource::GetImageHeight() { return current_ ? current_->GetImageHeight() : 0; }
Ref<ISurface> TFontSubstituteResource::GetSurface() { return current_ ? current_->GetSurface() : nullptr; }

}  // namespace corvellane
