#include "engine/blend_kernels.h"

#include "engine/cpu_features.h"

namespace corvellane {
namespace {

TBlendKernels BuildActiveKernels() {
  TBlendKernels table = ReferenceKernels();
  const TSimdLevel level = ActiveSimdLevel();
  // AVX2 entries overwrite SSE2 ones; whatever neither accelerates stays reference.
  if (level >= TSimdLevel::Sse2) InstallSse2Kernels(table);
  if (level >= TSimdLevel::Avx2) InstallAvx2Kernels(table);
  return table;
}

}  // namespace

const TBlendKernels& ActiveKernels() {
  static const TBlendKernels table = BuildActiveKernels();
  return table;
}

}  // namespace corvellane
