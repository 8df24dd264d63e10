// function_particle_system.h: TFunctionParticleSystem
// ("function_particle_system"), particles computed by data-defined
// functions (matrix_particle.h, particle_program.h).
//
//   <widget type="function_particle_system" name="swirl" visible="yes"
//           width="200" height="200" init_creation_count="20" delta_step="0"
//           static_images="yes" drawmode="fillcolor" blendingmode="addition">
//     <paramspace> (the particle's cells) </paramspace>
//     <function type="function_complex"> (Create, Update) </function>
//     <widgets> (the pictures: particle image index 0, 1, ...) </widgets>
//   </widget>
//
// Each advance: the function's argument 0 becomes the system's time; the
// initial burst of "init_creation_count" particles is made once (when the
// time is not negative); every particle ages and is updated; then "Create"
// is asked for its cell "count" (particles a second) and that many are made
// for the elapsed time (fractions carried over; whole "delta_step" steps
// when one is set; bounded after a stall); particles whose dead cell is
// positive are removed. Each particle is drawn centred on its (x, y) with
// the picture of its index: "copyrect" draws the picture at the particle's
// alpha, "fillcolor" fills the particle's colour through it. With
// "static_images" the pictures are taken once when the system is attached,
// otherwise at every drawing (animated pictures).
//
// Notify(1, parameters): one particle is made and every parameter naming a
// cell of the particles' space sets that cell. Notify(2, _): all particles
// go. By name: "count" (read), "delta_step", "init_creation_count",
// "static_images", "widget" (its picture becomes "surface"), "surface"
// (for "function_montecarlo"); any name given a number also writes the
// function's cell of that name.
#pragma once

#include <cstdint>
#include <vector>

#include "particles/particle_group_widget.h"
#include "particles/particle_program.h"

namespace corvellane {

class TFunctionParticleSystem : public TParticleGroupWidget {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }

  void Cleanup() override;
  void SetOwner(IWidgetOwner* owner) override;
  void Advance(int32_t elapsed_ms) override;
  void Draw(ISurface* surface, int32_t x, int32_t y) override;
  void SetProperty(std::string_view name, const Variant& value) override;
  void Notify(int32_t code, const Variant& value) override;

  int ParticleCount() const { return static_cast<int>(particles_.size()); }
  const std::vector<TMatrixParticle>& Particles() const { return particles_; }
  bool GetStaticImages() const { return static_images_; }
  void SetStaticImages(bool on);
  void SetSourceWidget(Ref<IWidget> widget);
  void SetSurface(Ref<ISurface> surface) { program_.SetSurface(std::move(surface)); }

 private:
  void Emit(int32_t n);
  void EmitByRate(int32_t elapsed_ms);
  void AddParticle(TMatrixParticle particle);
  void EmitFromParameters(IParamCollection* params);
  void CollectPictures();
  void RebuildBounds();

  int32_t init_creation_count_ = 0;
  bool static_images_ = true;
  TParticleLook look_;
  TParticleProgram program_;
  std::vector<TMatrixParticle> particles_;
  TParticlePictures pictures_;
  double rate_accumulator_ = 0;
};

}  // namespace corvellane
