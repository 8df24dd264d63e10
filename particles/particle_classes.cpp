#include "particles/particle_classes.h"

#include "particles/function_particle_system.h"
#include "particles/montecarlo_particle_system.h"
#include "particles/multi_particle_system.h"
#include "persistence/class_registry.h"

namespace corvellane {

void RegisterParticleClasses() {
  RegisterClass<TStochasticParticleSystem>("stochastic_particle_system");
  RegisterClass<TMonteCarloParticleSystem>("montecarlo_particle_system");
  RegisterClass<TFunctionParticleSystem>("function_particle_system");
  RegisterClass<TMultiParticleSystem>("multi_particle_system");
}

}  // namespace corvellane
