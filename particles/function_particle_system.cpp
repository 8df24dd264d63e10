#include "particles/function_particle_system.h"

#include <cmath>

#include "particles/particle_math.h"
#include "persistence/params.h"
#include "persistence/property_table.h"

namespace corvellane {

const TPropertyTable& TFunctionParticleSystem::Properties() {
  using S = TFunctionParticleSystem;
  using Table = TPropertyTableOf<S>;
  static const TPropertyTable table =
      Table(TParticleGroupWidget::Properties())
          .Int("width", &S::GetWidth, &S::SetWidth, 0, Table::Always()).DataOnly()
          .Int("height", &S::GetHeight, &S::SetHeight, 0, Table::Always()).DataOnly()
          .Int("init_creation_count", &S::init_creation_count_, 0, Table::Always())
          .Int("delta_step", &S::GetDeltaStep, &S::SetDeltaStep, 0, Table::Always())
          .Bool("static_images", &S::GetStaticImages, &S::SetStaticImages, true, Table::Always())
          .Enum("drawmode", kDrawModeNames, [](S& s) { return s.look_.draw_mode; },
                [](S& s, TDrawMode m) { s.look_.draw_mode = m; }, TDrawMode::FillColor, Table::Always())
          .DataOnly()
          .Enum("blendingmode", kBlendModeNames, [](S& s) { return s.look_.blend_mode; },
                [](S& s, TBlendMode m) { s.look_.blend_mode = m; }, TBlendMode::Normal, Table::Always())
          .DataOnly()
          .Custom("program", nullptr, nullptr, [](S& s, IHierStorage* node) {
                    s.program_.Load(node);
                    s.program_.Prepare(nullptr);
                  },
                  [](S& s, IHierStorage* node) { s.program_.Save(node); })
          .Computed("count", &S::ParticleCount)
          .Object<IWidget>("widget", [](S&) { return Ref<IWidget>(); }, &S::SetSourceWidget)
          .WriteOnly()
          .Object<ISurface>("surface", [](S&) { return Ref<ISurface>(); }, &S::SetSurface)
          .WriteOnly();
  return table;
}

void TFunctionParticleSystem::Cleanup() {
  particles_.clear();
  pictures_.clear();
  program_.Release();
  TParticleGroupWidget::Cleanup();
}

void TFunctionParticleSystem::SetOwner(IWidgetOwner* owner) {
  TParticleGroupWidget::SetOwner(owner);
  program_.Attach();
  pictures_.clear();
  if (static_images_) CollectPictures();
}

void TFunctionParticleSystem::CollectPictures() {
  pictures_ = GetOwner() ? corvellane::CollectPictures(GetWidgets().get()) : TParticlePictures{};
}

void TFunctionParticleSystem::SetStaticImages(bool on) {
  pictures_.clear();
  static_images_ = on;
  if (on) CollectPictures();
}

void TFunctionParticleSystem::SetSourceWidget(Ref<IWidget> widget) {
  if (widget) SetSurface(widget->GetImage());
}

void TFunctionParticleSystem::SetProperty(std::string_view name, const Variant& value) {
  TParticleGroupWidget::SetProperty(name, value);
  if (name.find('/') == std::string_view::npos) program_.WriteNumber(name, value);
}

void TFunctionParticleSystem::Advance(int32_t elapsed_ms) {
  TParticleGroupWidget::Advance(elapsed_ms);
  program_.SetTime(GetCurrentTime());
  if (init_creation_count_ > 0 && GetCurrentTime() >= 0) {
    Emit(init_creation_count_);
    init_creation_count_ = 0;
  }
  for (TMatrixParticle& p : particles_) AgeAndUpdate(p, elapsed_ms, program_.Update());
  Clock().Advance(*this, elapsed_ms, [this](int32_t span) {
    program_.SetTime(GetCurrentTime());
    if (GetCurrentTime() >= 0) EmitByRate(std::min(GetCurrentTime(), span));
  });
  std::erase_if(particles_, [](const TMatrixParticle& p) { return IsMarkedDead(p.cells); });
  RebuildBounds();
}

void TFunctionParticleSystem::RebuildBounds() {
  // Animated pictures are taken afresh for drawing; their present sizes
  // decide the box that the dirty pass reports.
  if (!static_images_) CollectPictures();
  ResetBounds();
  for (const TMatrixParticle& p : particles_) {
    const TRect r = ParticleRect(p.cells, pictures_);
    if (!r.IsEmpty()) AddParticleRect(r);
  }
  if (!static_images_) pictures_.clear();
  FinishBounds(!particles_.empty());
}

void TFunctionParticleSystem::EmitByRate(int32_t elapsed_ms) {
  IFunction* create = program_.Create();
  if (!create) return;
  program_.SetTime(GetCurrentTime());
  create->RunPreparation();
  rate_accumulator_ += create->GetValueByName("count") * static_cast<double>(elapsed_ms) / 1000.0;
  // A negative or broken rate emits nothing and must not pile up a debt.
  if (!std::isfinite(rate_accumulator_) || rate_accumulator_ < 0) rate_accumulator_ = 0;
  const double whole = std::trunc(rate_accumulator_);
  rate_accumulator_ -= whole;
  Emit(static_cast<int32_t>(std::min<double>(whole, kMaxParticles)));
}

void TFunctionParticleSystem::Emit(int32_t n) {
  IFunction* create = program_.Create();
  if (!program_.Function() || !create || !program_.Space()) return;
  n = std::min(n, kMaxParticles - ParticleCount());
  for (int32_t i = 0; i < n; ++i) {
    SetCreationIndex(create, i, n);
    AddParticle(NewParticle(*program_.Space(), create));
  }
}

void TFunctionParticleSystem::AddParticle(TMatrixParticle particle) {
  AgeAndUpdate(particle, 0, program_.Update());
  particles_.push_back(std::move(particle));
}

void TFunctionParticleSystem::EmitFromParameters(IParamCollection* params) {
  if (!program_.Space() || ParticleCount() >= kMaxParticles) return;
  SetCreationIndex(program_.Create(), 0, 1);
  TMatrixParticle particle = NewParticle(*program_.Space(), program_.Create());
  for (int i = 0; params && i < params->Count(); ++i) {
    Ref<IParam> param = params->GetParam(Variant(i));
    if (!param) continue;
    const auto cell = program_.CellOf(param->GetName());
    const std::optional<double> number = NumberOf(param->GetParamValue());
    if (cell && number) particle.cells.Set(cell->first, cell->second, static_cast<float>(*number));
  }
  AddParticle(std::move(particle));
}

void TFunctionParticleSystem::Notify(int32_t code, const Variant& value) {
  if (code == 1) {
    EmitFromParameters(value.ToObject<IParamCollection>().get());
  } else if (code == 2) {
    particles_.clear();
    UpdateDirtyRegion(true, true);
  }
}

void TFunctionParticleSystem::Draw(ISurface* surface, int32_t x, int32_t y) {
  if (particles_.empty()) return;
  if (!static_images_) CollectPictures();
  for (const TMatrixParticle& p : particles_) DrawParticle(surface, x, y, p.cells, pictures_, look_);
  if (!static_images_) pictures_.clear();
}

}  // namespace corvellane
