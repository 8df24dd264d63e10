#include "particles/montecarlo_particle_system.h"

#include <algorithm>

#include "particles/particle_math.h"
#include "persistence/property_table.h"
#include "widgets/pixel_rounding.h"

namespace corvellane {

namespace {

constexpr int kAttempts = 8;
constexpr uint32_t kMinimumAlpha = 20;

}  // namespace

const TPropertyTable& TMonteCarloParticleSystem::Properties() {
  using S = TMonteCarloParticleSystem;
  static const TPropertyTable table = TPropertyTableOf<S>(TStochasticParticleSystem::Properties())
                                          .Object<IWidget>("widget", &S::GetSource, &S::SetSource)
                                          .WriteOnly();
  return table;
}

void TMonteCarloParticleSystem::Cleanup() {
  source_image_ = nullptr;
  TStochasticParticleSystem::Cleanup();
}

void TMonteCarloParticleSystem::SetSource(Ref<IWidget> widget) {
  source_image_ = widget ? widget->GetImage() : nullptr;
  source_area_ = widget ? widget->GetRect() : TRect{};
}

std::optional<TStochasticParticle> TMonteCarloParticleSystem::CreateParticle() {
  if (!source_image_) return std::nullopt;
  const int32_t width = static_cast<int32_t>(std::min<int64_t>(source_area_.Width(), INT32_MAX));
  const int32_t height = static_cast<int32_t>(std::min<int64_t>(source_area_.Height(), INT32_MAX));
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    const int32_t x = RandomBelow(width);
    const int32_t y = RandomBelow(height);
    const uint32_t alpha = source_image_->GetPixel(x, y) >> 24;
    if (alpha < kMinimumAlpha) continue;
    TStochasticParticle p;
    PlaceAtBirth(p, SaturatingAdd(source_area_.left, x), SaturatingAdd(source_area_.top, y));
    DrawRandomTraits(p);
    p.start[0] = static_cast<uint8_t>(std::clamp<int32_t>(alpha - RandomBelow(GetAlfaVariation()), 0, 255));
    ApplyColour(p);
    return p;
  }
  return std::nullopt;
}

}  // namespace corvellane
