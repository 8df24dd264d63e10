// play_formulas.h: the small pieces of arithmetic the play layer shares.
//
//   FindPoints(5000)          -> 100    (the points of a find 5 s after the last)
//   EasedFraction(0.5)        -> 0.354  (where a flight is at half time)
//   MoveTime(150, 2, 250)     -> 250    (a flight of 150 px at 2 ms a pixel, at most 250 ms)
#pragma once

#include <cstdint>

namespace corvellane {

// The points of a find: the whole number nearest to sqrt(50 000 000 / t),
// t the milliseconds since the previous find; t below 1 counts as 1, so a
// find in the same millisecond gives the most, 7071.
int32_t FindPoints(int64_t elapsed_ms);

// How far along a flight is at fraction p of its time: p * sin(p * pi / 2),
// slow at the start and arriving at full speed. p is held to 0 .. 1.
double EasedFraction(double p);

// from + (to - from) * EasedFraction(p), to the nearest whole pixel.
int32_t EasedPosition(int32_t from, int32_t to, double p);

// The time of a flight: with ms_per_pixel below 1, max_time; otherwise the
// whole number nearest to distance * ms_per_pixel, cut to max_time when that
// is above 0. Never negative.
int32_t MoveTime(double distance, int32_t ms_per_pixel, int32_t max_time);

}  // namespace corvellane
