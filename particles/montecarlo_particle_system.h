// montecarlo_particle_system.h: TMonteCarloParticleSystem
// ("montecarlo_particle_system"), a stochastic system whose particles are
// born on the opaque pixels of another widget's picture.
//
//   <widget type="montecarlo_particle_system" name="dust_off_vase" visible="yes"
//           emission_count="300" speed_min="5" speed_max="30" lifetime_min="400"
//           lifetime_max="900" alfa_variation="60" color_start="$FFFFFFFF"
//           color_end="$FFFFE080" alfa_end="0"
//           redefinedparams="\widget=../vase/owner"> ... </widget>
//
// Writing the property "widget" (a widget) takes that widget's rectangle
// as the source area and its picture as the source image. A new particle
// tries up to 8 random points of the area and is born on the first whose
// pixel has an alpha of at least 20 (after 8 misses none is born, so a
// transparent source emits nothing); it starts at that point (the source
// area's corner plus the point, relative to this system's origin), its
// start alpha is the pixel's alpha less a random part of "alfa_variation";
// everything else is drawn as in the stochastic system.
#pragma once

#include "particles/stochastic_particle_system.h"

namespace corvellane {

class TMonteCarloParticleSystem : public TStochasticParticleSystem {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }

  void Cleanup() override;
  void SetSource(Ref<IWidget> widget);
  Ref<IWidget> GetSource() const { return nullptr; }
  const Ref<ISurface>& GetSourceImage() const { return source_image_; }

 protected:
  std::optional<TStochasticParticle> CreateParticle() override;

 private:
  TRect source_area_;
  Ref<ISurface> source_image_;
};

}  // namespace corvellane
