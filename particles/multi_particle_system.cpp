#include "particles/multi_particle_system.h"

#include "particles/particle_math.h"
#include "persistence/object_io.h"
#include "persistence/params.h"
#include "persistence/property_table.h"
#include "widgets/pixel_rounding.h"

namespace corvellane {

namespace {

int CountBelow(const TMatrixParticle& particle) {
  int n = 0;
  for (const TMatrixParticle& child : particle.children) n += 1 + CountBelow(child);
  return n;
}

}  // namespace

const TPropertyTable& TMultiParticleSystem::Properties() {
  using S = TMultiParticleSystem;
  using Table = TPropertyTableOf<S>;
  static const TPropertyTable table =
      Table(TContainerWidget::Properties())
          .Int("width", &S::width_, 0, Table::Always()).DataOnly()
          .Int("height", &S::height_, 0, Table::Always()).DataOnly()
          .Int("delta_step", [](S& s) { return s.clock_.GetStep(); }, [](S& s, int32_t ms) { s.clock_.SetStep(ms); },
               0, Table::Always())
          .Computed("count", &S::ParticleCount)
          .Bool("static_images", [](S& s) { return s.root_type_->GetStaticImages(); },
                [](S& s, bool on) { s.root_type_->SetStaticImages(on); }, true)
          .NameOnly()
          .Object<ISurface>("surface", [](S&) { return Ref<ISurface>(); },
                            [](S& s, Ref<ISurface> surface) { s.root_type_->Program().SetSurface(surface); })
          .WriteOnly();
  return table;
}

void TMultiParticleSystem::Init() {
  TContainerWidget::Init();
  root_type_ = CreateObject<TParticleType>();
}

void TMultiParticleSystem::Cleanup() {
  root_ = {};
  if (root_type_) root_type_->Cleanup();
  TContainerWidget::Cleanup();
}

void TMultiParticleSystem::LoadProperties(IHierStorage* node) {
  TContainerWidget::LoadProperties(node);
  root_type_->LoadProperties(node);
}

void TMultiParticleSystem::SaveProperties(IHierStorage* node) {
  TContainerWidget::SaveProperties(node);
  root_type_->SaveProperties(node);
}

void TMultiParticleSystem::SetOwner(IWidgetOwner* owner) {
  TContainerWidget::SetOwner(owner);
  root_type_->AttachTo(this, owner ? AsOwner() : nullptr);
  root_ = root_type_->NewParticle();
}

void TMultiParticleSystem::ClearOwner() {
  root_type_->Detach();
  TContainerWidget::ClearOwner();
}

int TMultiParticleSystem::ParticleCount() const { return CountBelow(root_); }

void TMultiParticleSystem::Step(int32_t elapsed_ms) {
  root_type_->TakeTime(GetCurrentTime(), elapsed_ms);
  int32_t budget = kMaxParticles - ParticleCount();
  root_type_->AdvanceParticle(root_, elapsed_ms, budget);
}

void TMultiParticleSystem::Advance(int32_t elapsed_ms) {
  TContainerWidget::Advance(elapsed_ms);
  if (clock_.GetStep() < 1) {
    Step(elapsed_ms);
  } else {
    clock_.Advance(*this, elapsed_ms, [this](int32_t span) {
      if (GetCurrentTime() >= 0) Step(span);
    });
  }
  RebuildBounds();
}

void TMultiParticleSystem::RebuildBounds() {
  root_type_->RefreshPictures();
  const TRect box = root_type_->ParticleRect(root_);
  root_type_->DropPictures();
  bounds_ = box.IsEmpty() ? TRect{} : OffsetRect(box, RoundToPixel(GetAnchorLeft()), RoundToPixel(GetAnchorTop()));
  const bool has_content = !root_.children.empty();
  if (has_content || had_content_) SetGeometryChanged();
  had_content_ = has_content;
}

void TMultiParticleSystem::Draw(ISurface* surface, int32_t x, int32_t y) {
  root_type_->RefreshPictures();
  root_type_->DrawParticle(surface, x, y, root_);
  root_type_->DropPictures();
}

void TMultiParticleSystem::SetProperty(std::string_view name, const Variant& value) {
  TContainerWidget::SetProperty(name, value);
  if (name.find('/') == std::string_view::npos) root_type_->Program().WriteNumber(name, value);
}

void TMultiParticleSystem::EmitFromParameters(IParamCollection* params) {
  const int index = root_type_->ChildTypeIndex(params ? params->GetNamedValue("particle_type", {}).ToText() : "");
  auto* type = dynamic_cast<TParticleType*>(root_type_->ChildType(index));
  if (!type || !type->Program().Create() || ParticleCount() >= kMaxParticles) return;
  for (int i = 0; params && i < params->Count(); ++i)
    if (Ref<IParam> param = params->GetParam(Variant(i))) type->Program().WriteNumber(param->GetName(), param->GetParamValue());
  TMatrixParticle particle = type->NewParticle();
  particle.type_index = index;
  int32_t budget = kMaxParticles - ParticleCount();
  type->AdvanceParticle(particle, 0, budget);
  root_.children.push_back(std::move(particle));
}

void TMultiParticleSystem::Notify(int32_t code, const Variant& value) {
  if (code == 1) {
    EmitFromParameters(value.ToObject<IParamCollection>().get());
  } else if (code == 2) {
    root_ = root_type_->NewParticle();
    UpdateDirtyRegion(true, true);
  }
}

}  // namespace corvellane
