// particle_system.h: TParticleSystem, the emitter that the stochastic and
// Monte Carlo systems share: where particles are born and how many a
// second.
//
//   <widget type="stochastic_particle_system" name="sparks" visible="yes"
//           anchor_left="300" anchor_top="200" width="64" height="64"
//           emission_x="0" emission_y="0" emission_radius="10"
//           emission_count="200" delta_step="0"> <widgets>(the particle picture)</widgets>
//   </widget>
//
// Each advance: the group's advance (clock, children), every particle
// moves, the dead are removed, then the system emits for the elapsed time
// (emission_clock.h: whole "delta_step" steps when one is set; bounded
// after a stall), and the box around the particles is rebuilt
// (particle_group_widget.h). A new particle is born at a random point of
// the disc of "emission_radius" around ("emission_x", "emission_y"),
// relative to the system's origin.
//
// Keys (integers, default 0, read from data, not written back): "width",
// "height", "emission_x", "emission_y", "emission_radius",
// "emission_count" (particles a second), "delta_step" (ms). By name the
// same five emission keys read and write, and "count" reads the number of
// live particles.
#pragma once

#include <cstdint>

#include "particles/particle_group_widget.h"

namespace corvellane {

class TParticleSystem : public TParticleGroupWidget {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }

  void Advance(int32_t elapsed_ms) override;
  void Draw(ISurface* surface, int32_t x, int32_t y) override;

  virtual int ParticleCount() const = 0;
  int32_t GetEmissionCount() const { return emission_count_; }

 protected:
  virtual void AdvanceParticles(int32_t elapsed_ms) = 0;
  virtual void RemoveDeadParticles() = 0;
  virtual void Emit(int32_t elapsed_ms) = 0;
  // AddParticleRect for every particle.
  virtual void AddParticleRects() = 0;
  virtual void BeginDraw() {}
  // Every particle, oldest first, with the system's origin at (x, y).
  virtual void DrawParticles(ISurface* surface, int32_t x, int32_t y) = 0;
  virtual void EndDraw() {}
  // A random birth point: the emission point plus a point of the disc.
  TPoint BirthPoint() const;

 private:
  int32_t emission_x_ = 0;
  int32_t emission_y_ = 0;
  int32_t emission_radius_ = 0;
  int32_t emission_count_ = 0;
};

}  // namespace corvellane
