// single_precision.h: properties kept in single precision, as the data that
// sets them is written.
//
// Zooms, centres and sector angles are floats. Read back as doubles they
// would show the float's binary error (1.1f is 1.10000002384...), which is
// what data files and property readers would then see; instead a float is
// read as the shortest decimal that names it:
//
//   float zoom = ToSingle(1.1);       // stored
//   double shown = FromSingle(zoom);  // 1.1 again, not 1.1000000238
#pragma once

namespace corvellane {

// Rounded to the nearest float; values beyond the float range saturate.
float ToSingle(double value);
// The double with the shortest decimal text that reads back to `value`.
double FromSingle(float value);

}  // namespace corvellane
