// stochastic_particle_system.h: TStochasticParticleSystem
// ("stochastic_particle_system"), particles thrown at random within fixed
// ranges, each tinted through the picture of the system's first child.
//
//   <widget type="stochastic_particle_system" name="embers" visible="yes"
//           anchor_left="512" anchor_top="700" emission_radius="300"
//           emission_count="12" direction="270" spread="40"
//           speed_min="20" speed_max="50" lifetime_min="3000" lifetime_max="6000"
//           gravity_min="-4" gravity_max="0"
//           color_start="$FFFFD080" color_end="$FFFF4000" alfa_start="230" alfa_end="0"
//           color_variation="30" alfa_variation="20" blendingmode="addition">
//     <widgets><widget type="image_widget" name="dot" resourcename="image_ember"/></widgets>
//   </widget>
//
// A particle gets, from uniform random integers: a lifetime in
// [lifetime_min, lifetime_max), a speed in [speed_min, speed_max) pixels a
// second, a direction in [direction - spread/2, direction + spread/2)
// degrees (0 = right, growing downward), a downward gravity between the two
// gravity keys, and a start colour and alpha up to "color_variation" /
// "alfa_variation" percent of the way from start to end. Its place is
// computed in closed form from its age (no velocity is integrated):
//   x = x0 + nearest(cos(dir) speed age / 1000)
//   y = y0 + nearest(age^2 gravity / 2000000) + nearest(sin(dir) speed age / 1000)
// and its colour and alpha move linearly from its start values to the end
// values over its life. It dies at the first advance after its age exceeds
// its lifetime; a lifetime of 0 shows the end colour at once and dies at its
// first advance. Drawn oldest first: the end colour's channels filled
// through the picture's alpha at the system's transparency.
//
// Colours are "$AARRGGBB" (their alpha bytes are replaced by "alfa_start",
// "alfa_end"); "blendingmode" one of blend_mode.h's names. These keys are
// read from data and not written back; the motion keys (direction to
// gravity_max) also read and write by name.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "engine/blend_mode.h"
#include "engine/surface.h"
#include "particles/particle_system.h"

namespace corvellane {

struct TStochasticParticle {
  int32_t x0 = 0;
  int32_t y0 = 0;
  float x = 0;
  float y = 0;
  // x and y as whole pixels, where the particle is drawn.
  int32_t px = 0;
  int32_t py = 0;
  int32_t lifetime = 0;
  int32_t age = 0;
  // cos(direction) x speed and sin(direction) x speed, pixels a second.
  double speed_x = 0;
  double speed_y = 0;
  int32_t direction = 0;
  int32_t speed = 0;
  int32_t gravity = 0;
  uint8_t start[4] = {};  // alpha, red, green, blue at birth
  uint32_t colour = 0;    // 0xAARRGGBB now
};

// Puts a new particle at its birth point.
void PlaceAtBirth(TStochasticParticle& p, int32_t x, int32_t y);

class TStochasticParticleSystem : public TParticleSystem {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }

  void Cleanup() override;
  void SetOwner(IWidgetOwner* owner) override;

  int ParticleCount() const override { return static_cast<int>(particles_.size()); }
  const std::vector<TStochasticParticle>& Particles() const { return particles_; }

 protected:
  // None when no particle can be made.
  virtual std::optional<TStochasticParticle> CreateParticle();
  // Lifetime, speed, direction, gravity and colour, drawn from the ranges.
  void DrawRandomTraits(TStochasticParticle& p) const;
  int32_t GetAlfaVariation() const { return alfa_variation_; }
  void ApplyColour(TStochasticParticle& p) const;
  void ApplyColour(TStochasticParticle& p, const std::array<uint8_t, 4>& end) const;
  // Alpha, red, green, blue at the end of a life.
  std::array<uint8_t, 4> EndColour() const;

  void AdvanceParticles(int32_t elapsed_ms) override;
  void RemoveDeadParticles() override;
  void Emit(int32_t elapsed_ms) override;
  void AddParticleRects() override;
  void BeginDraw() override;
  void DrawParticles(ISurface* surface, int32_t x, int32_t y) override;

 private:
  void MoveParticle(TStochasticParticle& p, int32_t elapsed_ms, const std::array<uint8_t, 4>& end) const;
  // The first child's picture, taken once.
  const Ref<ISurface>& Picture();
  uint8_t EndByte(int index) const;
  uint8_t StartByte(int index) const;

  int32_t direction_ = 0;
  int32_t spread_ = 360;
  int32_t speed_min_ = 10;
  int32_t speed_max_ = 100;
  int32_t lifetime_min_ = 1000;
  int32_t lifetime_max_ = 5000;
  int32_t gravity_min_ = 0;
  int32_t gravity_max_ = 0;
  uint32_t color_start_ = 0xFFFFFFFF;
  uint32_t color_end_ = 0xFF000000;
  int32_t alfa_start_ = 255;
  int32_t alfa_end_ = 255;
  int32_t color_variation_ = 0;
  int32_t alfa_variation_ = 0;
  TBlendMode blend_mode_ = TBlendMode::Normal;
  std::vector<TStochasticParticle> particles_;
  // The particles' places and colours for the drawing, kept between frames.
  std::vector<TColourSpot> spots_;
  Ref<ISurface> picture_;
  bool picture_taken_ = false;
};

}  // namespace corvellane
