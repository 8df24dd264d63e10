#include "engine/blend_kernels.h"
namespace corvellane {
void InstallAvx2Kernels(TBlendKernels&) {}
}
