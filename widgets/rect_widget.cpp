#include "widgets/rect_widget.h"

#include "engine/engine_interface.h"
#include "persistence/number_text.h"
#include "persistence/value_access.h"
#include "widgets/pixel_rounding.h"

namespace corvellane {

void TRectWidget::LoadProperties(IHierStorage* node) {
  TSingleWidget::LoadProperties(node);
  color_ = ReadHexInt(node, "color", 0);
}

void TRectWidget::SaveProperties(IHierStorage* node) {
  TSingleWidget::SaveProperties(node);
  WriteHexInt(node, "color", color_, true);
}

std::optional<Variant> TRectWidget::ReadDynamicProperty(std::string_view name) {
  if (name == "color") return Variant(color_);
  return TSingleWidget::ReadDynamicProperty(name);
}

bool TRectWidget::WriteDynamicProperty(std::string_view name, const Variant& value) {
  if (name != "color") return TSingleWidget::WriteDynamicProperty(name, value);
  SetColor(static_cast<uint32_t>(ParseInt(value.ToText()).value_or(0)));
  return true;
}

void TRectWidget::SetColor(uint32_t color) {
  if (color == color_) return;
  color_ = color;
  SetChanged(true);
}

void TRectWidget::ClearOwner() {
  mask_ = nullptr;
  TSingleWidget::ClearOwner();
}

ISurface* TRectWidget::Mask() {
  const int32_t width = GetWidth();
  const int32_t height = GetHeight();
  if (mask_ && mask_->GetWidth() == width && mask_->GetHeight() == height) return mask_.get();
  IWidgetOwner* owner = GetOwner();
  IEngine* engine = owner ? owner->GetEngine() : nullptr;
  mask_ = engine ? engine->CreateSurface() : nullptr;
  if (mask_ && !mask_->SetSize(width, height)) mask_ = nullptr;
  // Without alpha every mask pixel counts as opaque: the whole rectangle.
  if (mask_) mask_->SetHasAlpha(false);
  return mask_.get();
}

void TRectWidget::Draw(ISurface* surface, int32_t x, int32_t y) {
  ISurface* mask = surface ? Mask() : nullptr;
  if (!mask) return;
  const int32_t width = GetWidth();
  const int32_t height = GetHeight();
  surface->FillColor(color_, mask, TBlendMode::Normal, GetTransparentLevel(),
                     {x, y, SaturatingAdd(x, width), SaturatingAdd(y, height)}, {0, 0, width, height});
}

}  // namespace corvellane
