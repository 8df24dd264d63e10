// cpu_features.h: which packed-integer instruction sets the processor offers.
//
// Asked once, at first use. CORVELLANE_NO_SIMD=1 (any value but "" and "0")
// in the environment reports none, which makes every surface operation run
// the reference per-pixel code.
#pragma once

namespace corvellane {

enum class TSimdLevel { None, Sse2, Avx2 };

// What the processor supports, ignoring the environment switch.
TSimdLevel DetectSimdLevel();
// True when CORVELLANE_NO_SIMD asks for the reference path.
bool SimdDisabledByEnvironment();
// DetectSimdLevel(), or None when disabled; decided once per process.
TSimdLevel ActiveSimdLevel();

}  // namespace corvellane
