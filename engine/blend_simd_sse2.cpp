#include "engine/blend_kernels.h"
namespace corvellane {
void InstallSse2Kernels(TBlendKernels&) {}
}
