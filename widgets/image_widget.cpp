#include "widgets/image_widget.h"

#include "persistence/number_text.h"
#include "persistence/value_access.h"
#include "widgets/pixel_rounding.h"

namespace corvellane {

namespace {

constexpr int kDrawModeCount = 2;

// Integers outside the enumeration keep the current mode.
std::optional<TBlendMode> BlendModeFromIndex(int32_t index) {
  if (index < 0 || index >= kBlendModeCount) return std::nullopt;
  return static_cast<TBlendMode>(index);
}

std::optional<TDrawMode> DrawModeFromIndex(int32_t index) {
  if (index < 0 || index >= kDrawModeCount) return std::nullopt;
  return static_cast<TDrawMode>(index);
}

}  // namespace

void TImageWidget::LoadProperties(IHierStorage* node) {
  TResourceWidget::LoadProperties(node);
  source_left_ = ReadInt(node, "resourceleft", 0);
  source_top_ = ReadInt(node, "resourcetop", 0);
  fill_color_ = ReadHexInt(node, "fillcolor", 0);
  draw_mode_ = DrawModeFromIndex(ReadEnum(node, "drawmode", kDrawModeNames, 0)).value_or(TDrawMode::CopyRect);
  blend_mode_ =
      BlendModeFromIndex(ReadEnum(node, "blendingmode", kBlendModeNames, 0)).value_or(TBlendMode::Normal);
}

void TImageWidget::SaveProperties(IHierStorage* node) {
  TResourceWidget::SaveProperties(node);
  const bool placed = source_left_ != 0 || source_top_ != 0;
  WriteInt(node, "resourceleft", source_left_, placed);
  WriteInt(node, "resourcetop", source_top_, placed);
  WriteHexInt(node, "fillcolor", fill_color_, fill_color_ != 0);
  WriteEnum(node, "drawmode", kDrawModeNames, static_cast<int>(draw_mode_), draw_mode_ != TDrawMode::CopyRect);
  WriteEnum(node, "blendingmode", kBlendModeNames, static_cast<int>(blend_mode_),
            blend_mode_ != TBlendMode::Normal);
}

void TImageWidget::SetSourceLeft(int32_t left) {
  if (left == source_left_) return;
  source_left_ = left;
  SetChanged(true);
}

void TImageWidget::SetSourceTop(int32_t top) {
  if (top == source_top_) return;
  source_top_ = top;
  SetChanged(true);
}

TRect TImageWidget::SourceRect() {
  return {source_left_, source_top_, SaturatingAdd(source_left_, GetWidth()),
          SaturatingAdd(source_top_, GetHeight())};
}

void TImageWidget::SetFillColor(uint32_t colour) {
  if (colour == fill_color_) return;
  fill_color_ = colour;
  SetChanged(true);
}

void TImageWidget::SetDrawMode(TDrawMode mode) {
  if (mode == draw_mode_) return;
  draw_mode_ = mode;
  SetChanged(true);
}

void TImageWidget::SetBlendMode(TBlendMode mode) {
  if (mode == blend_mode_) return;
  blend_mode_ = mode;
  SetChanged(true);
}

// ---- Drawing and hit-testing ----

void TImageWidget::DrawPart(ISurface* target, const ISurface* image, const TRect& source, const TRect& dest,
                            TBlendMode mode, int opacity) {
  if (draw_mode_ == TDrawMode::FillColor)
    target->FillColor(fill_color_, image, mode, opacity, dest, source);
  else
    target->DrawImage(image, source, mode, opacity, dest);
}

void TImageWidget::Draw(ISurface* surface, int32_t x, int32_t y) {
  Ref<IImageResource> image = GetImageResource();
  Ref<ISurface> picture = image ? image->GetSurface() : nullptr;
  if (!surface || !picture) return;
  const TRect dest{x, y, SaturatingAdd(x, GetWidth()), SaturatingAdd(y, GetHeight())};
  DrawPart(surface, picture.get(), SourceRect(), dest, blend_mode_, GetTransparentLevel());
}

bool TImageWidget::ContainsPoint(TPoint point, bool ignore_visibility) {
  if (!TResourceWidget::ContainsPoint(point, ignore_visibility)) return false;
  Ref<IImageResource> image = GetImageResource();
  Ref<ISurface> picture = image ? image->GetSurface() : nullptr;
  if (!picture) return true;
  const TRect source = SourceRect();
  const int32_t x = SaturatingAdd(point.x - RoundToPixel(GetAnchorLeft()), source.left);
  const int32_t y = SaturatingAdd(point.y - RoundToPixel(GetAnchorTop()), source.top);
  return (picture->GetPixel(x, y) >> 24) != 0;
}

// ---- Properties ----

std::optional<Variant> TImageWidget::ReadDynamicProperty(std::string_view name) {
  if (name == "fillcolor") return Variant(FormatHex32(fill_color_));
  if (name == "drawmode") return Variant(static_cast<int32_t>(draw_mode_));
  if (name == "blendingmode") return Variant(static_cast<int32_t>(blend_mode_));
  if (name == "resourceleft") return Variant(source_left_);
  if (name == "resourcetop") return Variant(source_top_);
  return TResourceWidget::ReadDynamicProperty(name);
}

bool TImageWidget::WriteDynamicProperty(std::string_view name, const Variant& value) {
  if (name == "fillcolor") {
    SetFillColor(static_cast<uint32_t>(value.ToInt(static_cast<int32_t>(fill_color_))));
  } else if (name == "drawmode") {
    SetDrawMode(DrawModeFromIndex(value.ToInt(-1)).value_or(draw_mode_));
  } else if (name == "blendingmode") {
    SetBlendMode(BlendModeFromIndex(value.ToInt(-1)).value_or(blend_mode_));
  } else if (name == "resourceleft") {
    SetSourceLeft(value.ToInt(source_left_));
  } else if (name == "resourcetop") {
    SetSourceTop(value.ToInt(source_top_));
  } else {
    return TResourceWidget::WriteDynamicProperty(name, value);
  }
  return true;
}

}  // namespace corvellane
