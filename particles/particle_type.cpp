#include "particles/particle_type.h"

#include <algorithm>

#include "particles/particle_math.h"
#include "persistence/object_io.h"
#include "persistence/property_table.h"
#include "widgets/pixel_rounding.h"

namespace corvellane {

namespace {

constexpr int kResults = 0;
constexpr int kArguments = 1;

// Dead by its own cell (or having no place for one), and holding no
// sub-particles any more: a dead parent waits for its children.
bool IsFinished(const TMatrixParticle& p) {
  const bool dead = p.cells.ColumnLength(kResults) <= 1 || IsMarkedDead(p.cells);
  return dead && p.children.empty();
}

bool MayEmit(const TMatrixParticle& p) {
  return p.cells.ColumnLength(kResults) <= 1 || p.cells.Get(kResults, 0) == 0.0f;
}

}  // namespace

const TPropertyTable& TParticleType::Properties() {
  using T = TParticleType;
  using Table = TPropertyTableOf<T>;
  static const TPropertyTable table =
      Table(TPropertyObject::Properties())
          .Bool("static_images", &T::GetStaticImages, &T::SetStaticImages, true, Table::Always())
          .Bool("use_local_images", &T::use_local_images_, false, Table::Always())
          .Enum("drawmode", kDrawModeNames, [](T& t) { return t.look_.draw_mode; },
                [](T& t, TDrawMode m) { t.look_.draw_mode = m; }, TDrawMode::FillColor, Table::Always())
          .Enum("blendingmode", kBlendModeNames, [](T& t) { return t.look_.blend_mode; },
                [](T& t, TBlendMode m) { t.look_.blend_mode = m; }, TBlendMode::Normal, Table::Always())
          .Int("transparentlevel", [](T& t) { return t.look_.opacity; },
               [](T& t, int32_t level) { t.look_.opacity = std::clamp(level, 0, 255); }, 255, Table::Always());
  return table;
}

void TParticleType::Init() {
  TPropertyObject::Init();
  SetStorageName("particle_type");
  SetTypeName("");
  child_types_ = CreateObject<TParticleTypeCollection>();
  widgets_ = CreateObject<TWidgetCollection>();
}

void TParticleType::Cleanup() {
  Detach();
  pictures_.clear();
  program_.Release();
  if (child_types_) child_types_->Cleanup();
  if (widgets_) widgets_->ClearItems();
  TPropertyObject::Cleanup();
}

void TParticleType::LoadProperties(IHierStorage* node) {
  TPropertyObject::LoadProperties(node);
  program_.Load(node);
  LoadChild(child_types_.get(), node, child_types_->GetStorageName());
  LoadChild(widgets_.get(), node, widgets_->GetStorageName());
  for (int i = 0; i < widgets_->Count(); ++i)
    if (Ref<IWidget> w = widgets_->GetWidgetAt(i)) w->SetVisible(false);
}

void TParticleType::SaveProperties(IHierStorage* node) {
  TPropertyObject::SaveProperties(node);
  program_.Save(node);
  if (child_types_->Count() > 0) SaveChild(child_types_.get(), node, child_types_->GetStorageName());
  if (widgets_->Count() > 0) SaveChild(widgets_.get(), node, widgets_->GetStorageName());
}

void TParticleType::AttachTo(IParticleTypeOwner* owner, IWidgetOwner* widget_owner) {
  owner_ = owner;
  program_.Prepare(owner ? owner->GetTypeFunctionOwner() : nullptr);
  program_.Attach();
  widgets_->SetOwner(widget_owner);
  pictures_.clear();
  if (use_local_images_ && static_images_) pictures_ = CollectPictures(widgets_.get());
  for (int i = 0; i < ChildTypeCount(); ++i) ChildType(i)->AttachTo(this, widget_owner);
}

void TParticleType::Detach() {
  for (int i = 0; child_types_ && i < ChildTypeCount(); ++i) ChildType(i)->Detach();
  if (widgets_) widgets_->ClearOwner();
  owner_ = nullptr;
}

IFunctionOwner* TParticleType::GetTypeFunctionOwner() {
  return dynamic_cast<IFunctionOwner*>(program_.Function());
}

int TParticleType::ChildTypeCount() const { return child_types_->Count(); }

IParticleType* TParticleType::ChildType(int index) const { return child_types_->GetType(index).get(); }

int TParticleType::ChildTypeIndex(std::string_view name) const {
  const int found = child_types_->IndexOf(name);
  return found >= 0 ? found : (ChildTypeCount() > 0 ? 0 : -1);
}

void TParticleType::SetStaticImages(bool on) {
  static_images_ = on;
  pictures_.clear();
  if (on && use_local_images_ && owner_) pictures_ = CollectPictures(widgets_.get());
}

const TParticlePictures& TParticleType::Pictures() {
  static const TParticlePictures kNone;
  if (use_local_images_) return pictures_;
  return owner_ ? owner_->GetOwnerPictures() : kNone;
}

void TParticleType::RefreshPictures() {
  if (use_local_images_ && !static_images_) pictures_ = CollectPictures(widgets_.get());
  for (int i = 0; i < ChildTypeCount(); ++i) child_types_->GetType(i)->RefreshPictures();
}

void TParticleType::DropPictures() {
  if (use_local_images_ && !static_images_) pictures_.clear();
  for (int i = 0; i < ChildTypeCount(); ++i) child_types_->GetType(i)->DropPictures();
}

void TParticleType::TakeTime(int32_t time, int32_t elapsed_ms) {
  program_.SetTime(time);
  widgets_->AdvanceAll(elapsed_ms);
  for (int i = 0; i < ChildTypeCount(); ++i) ChildType(i)->TakeTime(time, elapsed_ms);
}

TMatrixParticle TParticleType::NewParticle() {
  if (!program_.Space()) return {};
  return corvellane::NewParticle(*program_.Space(), program_.Create());
}

void TParticleType::AdvanceParticle(TMatrixParticle& particle, int32_t elapsed_ms, int32_t& budget) {
  AgeAndUpdate(particle, elapsed_ms, program_.Update());
  for (TMatrixParticle& child : particle.children)
    if (IParticleType* type = ChildType(child.type_index)) type->AdvanceParticle(child, elapsed_ms, budget);
  // Once per advance: emitting "while" the cell stays 0 would never end.
  if (MayEmit(particle)) EmitChildren(particle, elapsed_ms, budget);
  std::erase_if(particle.children, IsFinished);
}

void TParticleType::FeedCreate(const TMatrixParticle& parent, const TParticleProgram& parent_program) {
  IFunction* create = program_.Create();
  for (int i = 0; i < create->ArgumentCount(); ++i) {
    const auto cell = parent_program.CellOf(create->GetCellSourceName(kArguments, i));
    if (cell) create->SetArgument(i, parent.cells.Get(cell->first, cell->second));
  }
}

void TParticleType::EmitChildren(TMatrixParticle& parent, int32_t elapsed_ms, int32_t& budget) {
  const int32_t span = std::clamp(elapsed_ms, 0, kMaxEmissionSpanMs);
  for (int k = 0; k < ChildTypeCount(); ++k) {
    Ref<TParticleType> type = child_types_->GetType(k);
    IFunction* create = type ? type->program_.Create() : nullptr;
    if (!create || !type->program_.Space()) continue;
    type->FeedCreate(parent, program_);
    create->RunPreparation();
    const int32_t n = std::min(Nearest(create->GetValueByName("count") * span / 1000.0), budget);
    for (int32_t i = 0; i < n; ++i) {
      SetCreationIndex(create, i, n);
      TMatrixParticle child = type->NewParticle();
      child.type_index = k;
      type->AdvanceParticle(child, 0, budget);
      parent.children.push_back(std::move(child));
      --budget;
    }
  }
}

void TParticleType::DrawParticle(ISurface* surface, int32_t x, int32_t y, const TMatrixParticle& particle) {
  corvellane::DrawParticle(surface, x, y, particle.cells, Pictures(), look_);
  for (const TMatrixParticle& child : particle.children)
    if (IParticleType* type = ChildType(child.type_index)) type->DrawParticle(surface, x, y, child);
}

TRect TParticleType::ParticleRect(const TMatrixParticle& particle) {
  TRect box = corvellane::ParticleRect(particle.cells, Pictures());
  for (const TMatrixParticle& child : particle.children) {
    IParticleType* type = ChildType(child.type_index);
    const TRect r = type ? type->ParticleRect(child) : TRect{};
    if (r.IsEmpty()) continue;
    box = box.IsEmpty() ? r : BoundingBox(box, r);
  }
  return box;
}

void TParticleTypeCollection::Init() {
  TStaticCreationPersistItemCollection::Init();
  SetStorageName("particle_types");
  SetItemElementName("particle_type");
  SetItemClass<TParticleType>();
}

}  // namespace corvellane
