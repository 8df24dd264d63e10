// multi_particle_system.h: TMultiParticleSystem ("multi_particle_system"),
// particles that hold particles: nested particle types (particle_type.h).
//
//   <widget type="multi_particle_system" name="fireworks" visible="yes"
//           width="400" height="300" delta_step="0" use_local_images="yes">
//     <paramspace/> <function type="function_complex"> ... </function>  (the root type)
//     <particle_types>
//       <particle_type name="rocket"> ... <particle_types>
//           <particle_type name="spark"> ... </particle_type></particle_types>
//       </particle_type>
//     </particle_types>
//     <widgets> (the root type's local pictures) </widgets>
//   </widget>
//
// The system's own element is also its root particle type. Attaching makes
// the root particle; every advance (in whole "delta_step" steps when one is
// set) hands the system's time to every type, advances the root particle
// (its sub-particles, their emission and removal, level by level) and
// rebuilds the box around everything, which is also the system's size.
// Drawing draws the root particle and everything below it.
//
// Notify(1, parameters): a particle of the child type named by the
// parameter "particle_type" (else the first) is made, after every parameter
// was written into that type's "Create" by name. Notify(2, _): everything
// goes and a new root particle is made. By name: "count" (particles below
// the root, all levels), "delta_step", "static_images" (the root type's),
// "surface" and numbers (the root type's function cells). "width",
// "height" and "delta_step" are written back.
#pragma once

#include <cstdint>

#include "particles/emission_clock.h"
#include "particles/particle_type.h"
#include "widgets/container_widget.h"

namespace corvellane {

class TMultiParticleSystem : public TContainerWidget, public virtual IParticleTypeOwner {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }

  void Init() override;
  void Cleanup() override;
  void LoadProperties(IHierStorage* node) override;
  void SaveProperties(IHierStorage* node) override;

  void SetOwner(IWidgetOwner* owner) override;
  void ClearOwner() override;
  void Advance(int32_t elapsed_ms) override;
  void Draw(ISurface* surface, int32_t x, int32_t y) override;
  TRect GetRect() override { return bounds_; }
  int32_t GetWidth() override { return static_cast<int32_t>(bounds_.Width()); }
  int32_t GetHeight() override { return static_cast<int32_t>(bounds_.Height()); }
  void SetProperty(std::string_view name, const Variant& value) override;
  void Notify(int32_t code, const Variant& value) override;

  // IParticleTypeOwner: the system lends no cells and no pictures.
  IFunctionOwner* GetTypeFunctionOwner() override { return nullptr; }
  const TParticlePictures& GetOwnerPictures() override { return no_pictures_; }

  int ParticleCount() const;
  TParticleType& RootType() { return *root_type_; }
  const TMatrixParticle& RootParticle() const { return root_; }

 private:
  void Step(int32_t elapsed_ms);
  void RebuildBounds();
  void EmitFromParameters(IParamCollection* params);

  int32_t width_ = 0;
  int32_t height_ = 0;
  TEmissionClock clock_;
  Ref<TParticleType> root_type_;
  TMatrixParticle root_;
  TRect bounds_{};
  bool had_content_ = false;
  TParticlePictures no_pictures_;
};

}  // namespace corvellane
