#include "functions/bezier_path_function.h"

#include "functions/bezier_length.h"

namespace corvellane {

namespace {

constexpr TPathCell kFirstControlX{2, 6};
constexpr TPathCell kFirstControlY{2, 7};
constexpr TPathCell kSecondControlX{2, 8};
constexpr TPathCell kSecondControlY{2, 9};

}  // namespace

void TBezierPathFunction::Calculate() {
  const double p = Progress(PathTime());
  const double q = 1 - p;
  // The Bernstein weights of the four points.
  const double w0 = q * q * q;
  const double w1 = 3 * p * q * q;
  const double w2 = 3 * p * p * q;
  const double w3 = p * p * p;
  const TPathPoint a = StartPoint();
  const TPathPoint b = EndPoint();
  SetPoint({w0 * a.x + w1 * Cell(kFirstControlX) + w2 * Cell(kSecondControlX) + w3 * b.x,
            w0 * a.y + w1 * Cell(kFirstControlY) + w2 * Cell(kSecondControlY) + w3 * b.y});
}

double TBezierPathFunction::GetPathLength() {
  return BezierLength({StartPoint(),
                       {Cell(kFirstControlX), Cell(kFirstControlY)},
                       {Cell(kSecondControlX), Cell(kSecondControlY)},
                       EndPoint()});
}

}  // namespace corvellane
