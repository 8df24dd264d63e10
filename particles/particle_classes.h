// particle_classes.h: registers the particle systems of this folder with
// the class registry ("stochastic_particle_system",
// "montecarlo_particle_system", "function_particle_system",
// "multi_particle_system"); called once from game/class_list.cpp.
#pragma once

namespace corvellane {

void RegisterParticleClasses();

}  // namespace corvellane
