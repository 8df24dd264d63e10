// particle_program.h: TParticleProgram, the parameter space and function
// that compute a function system's (or a particle type's) particles.
//
//   <paramspace><paramdefs> (the particle's cells, all static) </paramdefs></paramspace>
//   <function type="function_complex" name="root">
//     <paramspace> ... </paramspace>
//     <functions>
//       <function type="function_eval" name="Create"> ... </function>
//       <function type="function_eval" name="Update"> ... </function>
//     </functions>
//   </function>
//
// Loading links the space to no owner; Prepare prepares the function with
// a function owner (none for a function system, which does so right after
// loading; a particle type's owner when it is attached); Attach runs the
// function's preparation and looks up "Create" and "Update" (either may be
// missing: without "Create" nothing is emitted, without "Update" particles
// only age). Numbers written by name go into the function's cell of that
// name; a surface goes into its cell "surface", where "function_montecarlo"
// finds it.
#pragma once

#include <optional>
#include <string_view>

#include "functions/param_space.h"
#include "particles/matrix_particle.h"
#include "persistence/storage.h"

namespace corvellane {

class TParticleProgram {
 public:
  void Load(IHierStorage* node);
  void Save(IHierStorage* node);
  // Links the function's cells to the owner's (none: its own only).
  void Prepare(IFunctionOwner* function_owner);
  // The preparation is run and "Create" / "Update" are looked up.
  void Attach();
  // Unprepares the function and lets everything go, the surface included.
  void Release();

  IParamSpace* Space() const { return space_.get(); }
  IFunction* Function() const { return function_.get(); }
  IFunction* Create() const { return functions_.create.get(); }
  IFunction* Update() const { return functions_.update.get(); }
  // Argument 0 of the function: the owner's current time.
  void SetTime(int32_t ms);

  // A number (integer, real or numeric text) into the function's cell of
  // that name; false when the value is no number.
  bool WriteNumber(std::string_view name, const Variant& value);
  // Replaces the surface held in the function's cell "surface".
  void SetSurface(Ref<ISurface> surface);
  // The cell definition of that name in the particles' space: (col, row).
  std::optional<std::pair<int, int>> CellOf(std::string_view name) const;

 private:
  Ref<TParamSpace> space_;
  Ref<IFunction> function_;
  TParticleFunctions functions_;
};

// A variant as a number: integers, reals, booleans and numeric texts; none
// for empty, null, objects and other texts.
std::optional<double> NumberOf(const Variant& value);

}  // namespace corvellane
