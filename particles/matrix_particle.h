// matrix_particle.h: particles whose state is a matrix of float cells,
// computed by data-defined functions: the function system's particles and
// the particles of a multi system's particle types.
//
// A particle's matrix is made from a parameter space (NewMatrix: its own
// copy of every constant cell) and read this way:
//
//   column 1, row 0       age in ms, grown by every advance
//   column 1, rows 1..    state and arguments, first set by "Create"
//   column 0, row 0       > 0: dead
//   column 0, rows 1, 2   centre x, y
//   column 0, row 3       index of the picture among the collected ones
//   column 0, rows 4..7   red, green, blue, alpha (rounded, 0..255)
//
//   TParticleFunctions f = TParticleFunctions::Of(function.get());
//   TMatrixParticle p = NewParticle(*space, f.create.get());
//   AdvanceParticle(p, 16, f.update.get());
//   DrawParticle(canvas, x, y, p.cells, pictures, look);
#pragma once

#include <cstdint>
#include <vector>

#include "engine/blend_mode.h"
#include "engine/surface.h"
#include "functions/function.h"
#include "functions/param_space.h"

namespace corvellane {

struct IWidgetCollection;

struct TMatrixParticle {
  TParamMatrix cells;
  // Multi systems only: which child type of its parent's type this
  // particle is, and the particles of the child types below it.
  int32_t type_index = 0;
  std::vector<TMatrixParticle> children;
};

// The sub-functions "Create" and "Update" of a system's function.
struct TParticleFunctions {
  Ref<IFunction> create;
  Ref<IFunction> update;
  static TParticleFunctions Of(IFunction* function);
};

// How a particle's picture is put on the canvas.
struct TParticleLook {
  TDrawMode draw_mode = TDrawMode::FillColor;
  TBlendMode blend_mode = TBlendMode::Normal;
  int opacity = 255;
};

using TParticlePictures = std::vector<Ref<ISurface>>;

// The picture (GetImage) of every widget of the collection, in order.
TParticlePictures CollectPictures(IWidgetCollection* widgets);

// A new matrix from the space; "Create" (when given) is calculated and its
// results copied into column 1, as far as both reach.
TMatrixParticle NewParticle(IParamSpace& space, IFunction* create);
// Age += ms; then "Update" (when given) takes column 1 as its arguments,
// runs its preparation, calculates, and its results become column 0.
void AgeAndUpdate(TMatrixParticle& particle, int32_t elapsed_ms, IFunction* update);
bool IsMarkedDead(const TParamMatrix& cells);
// The picture's rectangle centred on the particle, relative to the
// system's origin; empty when the index names no picture.
TRect ParticleRect(const TParamMatrix& cells, const TParticlePictures& pictures);
void DrawParticle(ISurface* surface, int32_t x, int32_t y, const TParamMatrix& cells,
                  const TParticlePictures& pictures, const TParticleLook& look);

// "Create"'s "total_index" and "index" for the i-th of n particles.
void SetCreationIndex(IFunction* create, int32_t index, int32_t total);

}  // namespace corvellane
