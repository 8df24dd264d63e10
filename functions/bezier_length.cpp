#include "functions/bezier_length.h"

#include <cmath>

namespace corvellane {

namespace {

bool IsFinite(const TPathPoint& p) { return std::isfinite(p.x) && std::isfinite(p.y); }

bool Coincide(const TBezierPoints& c) {
  auto same = [](TPathPoint a, TPathPoint b) { return a.x == b.x && a.y == b.y; };
  return same(c.p0, c.b1) && same(c.p0, c.b2) && same(c.p0, c.p3);
}

// (a + b) / 2, (a + 2b + c) / 4 and (a + 3b + 3c + d) / 8, per coordinate.
TPathPoint Half(TPathPoint a, TPathPoint b) { return {(a.x + b.x) / 2, (a.y + b.y) / 2}; }
TPathPoint Quarter(TPathPoint a, TPathPoint b, TPathPoint c) {
  return {(a.x + 2 * b.x + c.x) / 4, (a.y + 2 * b.y + c.y) / 4};
}
TPathPoint Eighth(const TBezierPoints& k) {
  return {(k.p0.x + 3 * k.b1.x + 3 * k.b2.x + k.p3.x) / 8, (k.p0.y + 3 * k.b1.y + 3 * k.b2.y + k.p3.y) / 8};
}

double PieceLength(const TBezierPoints& c, int halvings_left) {
  if (Coincide(c)) return 0.0;
  const double a = c.p3.y - c.p0.y;
  const double b = c.p0.x - c.p3.x;
  const double k = (c.p3.x - c.p0.x) * c.p0.y - (c.p3.y - c.p0.y) * c.p0.x;
  const double q = std::nearbyint(a * a + b * b);
  auto off_chord = [&](TPathPoint p) { return (a * p.x + b * p.y + k) * (a * p.x + b * p.y + k); };
  if ((off_chord(c.b1) < q && off_chord(c.b2) < q) || halvings_left == 0) return std::sqrt(q);
  const TPathPoint middle = Eighth(c);
  const TBezierPoints left{c.p0, Half(c.p0, c.b1), Quarter(c.p0, c.b1, c.b2), middle};
  const TBezierPoints right{middle, Quarter(c.b1, c.b2, c.p3), Half(c.b2, c.p3), c.p3};
  return PieceLength(left, halvings_left - 1) + PieceLength(right, halvings_left - 1);
}

}  // namespace

double BezierLength(const TBezierPoints& curve) {
  if (!IsFinite(curve.p0) || !IsFinite(curve.b1) || !IsFinite(curve.b2) || !IsFinite(curve.p3)) return 0.0;
  return PieceLength(curve, kMaxBezierHalvings);
}

}  // namespace corvellane
