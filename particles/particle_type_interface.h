// particle_type_interface.h: IParticleType and IParticleTypeOwner, the
// levels of a multi particle system (multi_particle_system.h).
//
// A multi system owns one root particle type and is its owner; a type owns
// its child types and is their owner. Going down, an owner hands its types
// the function owner whose cells their functions may alias and the
// pictures they draw with unless they have local ones; the types' local
// widgets are attached to the widget owner given with them.
#pragma once

#include <cstdint>

#include "functions/function.h"
#include "particles/matrix_particle.h"
#include "persistence/object.h"

namespace corvellane {

struct IWidgetOwner;

struct IParticleTypeOwner : virtual IObject {
  // None: the type's function has only cells of its own.
  virtual IFunctionOwner* GetTypeFunctionOwner() = 0;
  virtual const TParticlePictures& GetOwnerPictures() = 0;
};

struct IParticleType : virtual INamedObject {
  virtual void AttachTo(IParticleTypeOwner* owner, IWidgetOwner* widget_owner) = 0;
  virtual void Detach() = 0;
  // The function's argument 0 (and its child types') := time; the local
  // widgets advance by elapsed_ms.
  virtual void TakeTime(int32_t time, int32_t elapsed_ms) = 0;
  virtual TMatrixParticle NewParticle() = 0;
  // Ages and updates the particle, advances its sub-particles, lets the
  // child types emit into it and removes its dead sub-particles. At most
  // `budget` particles are made; the budget shrinks by each one.
  virtual void AdvanceParticle(TMatrixParticle& particle, int32_t elapsed_ms, int32_t& budget) = 0;
  virtual void DrawParticle(ISurface* surface, int32_t x, int32_t y, const TMatrixParticle& particle) = 0;
  // The particle's picture rectangle united with its sub-particles'.
  virtual TRect ParticleRect(const TMatrixParticle& particle) = 0;
};

}  // namespace corvellane
