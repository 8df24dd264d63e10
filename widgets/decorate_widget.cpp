#include "widgets/decorate_widget.h"

#include "persistence/object_io.h"
#include "persistence/property_table.h"
#include "widgets/pixel_rounding.h"
#include "widgets/widget_collections.h"

namespace corvellane {

namespace {

constexpr std::string_view kInnerListElement = "widgets";
constexpr std::string_view kInnerElement = "widget";

}  // namespace

TDecorateWidget::~TDecorateWidget() { ReleaseInner(); }

const TPropertyTable& TDecorateWidget::Properties() {
  using W = TDecorateWidget;
  static const TPropertyTable table = TPropertyTableOf<W>(TContainerWidget::Properties())
                                          .Object<IWidget>("widget", &W::GetInnerWidget, &W::SetInnerWidget);
  return table;
}

void TDecorateWidget::ReleaseInner() {
  if (inner_ && inner_->GetOwner() == AsOwner()) inner_->ClearOwner();
  inner_ = nullptr;
}

void TDecorateWidget::Cleanup() {
  ReleaseInner();
  TContainerWidget::Cleanup();
}

void TDecorateWidget::LoadProperties(IHierStorage* node) {
  TContainerWidget::LoadProperties(node);
  Ref<IHierStorage> list = node ? node->GetChild(kInnerListElement, 0) : nullptr;
  if (Ref<IWidget> inner = QueryInterface<IWidget>(CreateFromChild(list.get(), kInnerElement, 0)))
    SetInnerWidget(std::move(inner));
}

void TDecorateWidget::SaveProperties(IHierStorage* node) {
  TContainerWidget::SaveProperties(node);
  if (!inner_ || !node) return;
  Ref<IHierStorage> list = node->AddChild(kInnerListElement);
  SaveChild(inner_.get(), list.get(), kInnerElement);
}

void TDecorateWidget::SetInnerWidget(Ref<IWidget> inner) {
  // A decorator wrapping itself would draw and advance without end.
  if (inner == inner_ || IsOwnerOrAbove(AsOwner(), inner.get())) return;
  ReleaseInner();
  inner_ = std::move(inner);
  // What the decorator covers changes with its inner widget: the old area
  // and the new one are redrawn.
  SetGeometryChanged();
  SetChanged(true);
  if (!inner_) return;
  if (inner_->GetOwner()) DetachFromOwner(*inner_);
  if (GetOwner()) inner_->SetOwner(AsOwner());
}

void TDecorateWidget::SetOwner(IWidgetOwner* owner) {
  TContainerWidget::SetOwner(owner);
  if (inner_) inner_->SetOwner(AsOwner());
}

void TDecorateWidget::ClearOwner() {
  if (inner_) inner_->ClearOwner();
  TContainerWidget::ClearOwner();
}

void TDecorateWidget::Invalidate() {
  if (inner_) inner_->Invalidate();
  SetChanged(true);
}

void TDecorateWidget::Advance(int32_t elapsed_ms) {
  TContainerWidget::Advance(elapsed_ms);
  if (inner_ && !inner_->IsPaused()) inner_->Update(elapsed_ms);
}

void TDecorateWidget::Restart() {
  TContainerWidget::Restart();
  if (inner_) inner_->Restart();
}

void TDecorateWidget::Resume() {
  TContainerWidget::Resume();
  if (inner_) inner_->Resume();
}

void TDecorateWidget::Pause() {
  TContainerWidget::Pause();
  if (inner_) inner_->Pause();
}

Ref<IWidget> TDecorateWidget::WidgetAtPos(TPoint point) {
  Ref<IWidget> hit = TContainerWidget::WidgetAtPos(point);
  if (!hit || !inner_) return hit;
  const TPoint local = OffsetPoint(point, -RoundToPixel(GetAnchorLeft()), -RoundToPixel(GetAnchorTop()));
  Ref<IWidget> inner_hit = inner_->WidgetAtPos(local);
  return inner_hit ? inner_hit : hit;
}

}  // namespace corvellane
