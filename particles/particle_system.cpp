#include "particles/particle_system.h"

#include <cmath>
#include <numbers>

#include "particles/particle_math.h"
#include "persistence/property_table.h"

namespace corvellane {

const TPropertyTable& TParticleSystem::Properties() {
  using S = TParticleSystem;
  using Table = TPropertyTableOf<S>;
  static const TPropertyTable table =
      Table(TParticleGroupWidget::Properties())
          .Int("width", &S::GetWidth, &S::SetWidth, 0, Table::Never())
          .Int("height", &S::GetHeight, &S::SetHeight, 0, Table::Never())
          .Int("emission_x", &S::emission_x_, 0, Table::Never())
          .Int("emission_y", &S::emission_y_, 0, Table::Never())
          .Int("emission_radius", &S::emission_radius_, 0, Table::Never())
          .Int("emission_count", &S::emission_count_, 0, Table::Never())
          .Int("delta_step", &S::GetDeltaStep, &S::SetDeltaStep, 0, Table::Never())
          .Computed("count", &S::ParticleCount);
  return table;
}

void TParticleSystem::Advance(int32_t elapsed_ms) {
  TParticleGroupWidget::Advance(elapsed_ms);
  AdvanceParticles(elapsed_ms);
  RemoveDeadParticles();
  Clock().Advance(*this, elapsed_ms, [this](int32_t span) { Emit(span); });
  ResetBounds();
  AddParticleRects();
  FinishBounds(ParticleCount() > 0);
}

void TParticleSystem::Draw(ISurface* surface, int32_t x, int32_t y) {
  if (ParticleCount() == 0) return;
  BeginDraw();
  DrawParticles(surface, x, y);
  EndDraw();
}

TPoint TParticleSystem::BirthPoint() const {
  const double angle = RandomBelow(360) * std::numbers::pi / 180.0;
  const int32_t r = RandomBelow(emission_radius_);
  return {Nearest(std::cos(angle) * r) + emission_x_, Nearest(std::sin(angle) * r) + emission_y_};
}

}  // namespace corvellane
