#include "functions/montecarlo_function.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "engine/random_source.h"
#include "engine/surface.h"
#include "functions/cell_math.h"

namespace corvellane {

namespace {

struct Hit {
  int32_t x, y;
  uint32_t pixel;
};

int AttemptsOf(const TParamMatrix& cells) {
  if (cells.ColumnLength(1) < 3) return 1;
  const int64_t attempts = TruncToInt64(std::nearbyint(cells.Get(1, 2)));
  return static_cast<int>(std::clamp<int64_t>(attempts, 0, kMaxMonteCarloAttempts));
}

bool Search(const ISurface& image, double threshold, int attempts, Hit& hit) {
  const int32_t width = image.GetWidth();
  const int32_t height = image.GetHeight();
  if (width <= 0 || height <= 0) return false;
  for (int i = 0; i < attempts; ++i) {
    const auto x = static_cast<int32_t>(GlobalRandom().Uniform(static_cast<uint32_t>(width)));
    const auto y = static_cast<int32_t>(GlobalRandom().Uniform(static_cast<uint32_t>(height)));
    const uint32_t pixel = image.GetPixel(x, y);
    if ((pixel >> 24) >= threshold) {
      hit = {x, y, pixel};
      return true;
    }
  }
  return false;
}

}  // namespace

void TMonteCarloFunction::Calculate() {
  TParamMatrix& cells = Matrix();
  if (cells.ColumnLength(0) == 0) return;
  cells.Set(0, 0, 0.0f);
  Ref<ISurface> image = QueryInterface<ISurface>(cells.GetObject(1, 0));
  const double threshold = cells.ColumnLength(1) >= 2 ? cells.Get(1, 1) : 1.0;
  Hit hit{};
  if (!image || !Search(*image, threshold, AttemptsOf(cells), hit)) return;
  const float results[] = {1.0f,
                           static_cast<float>(hit.x),
                           static_cast<float>(hit.y),
                           static_cast<float>((hit.pixel >> 16) & 0xFF),
                           static_cast<float>((hit.pixel >> 8) & 0xFF),
                           static_cast<float>(hit.pixel & 0xFF),
                           static_cast<float>(hit.pixel >> 24)};
  for (int row = 0; row < 7; ++row) cells.Set(0, row, results[row]);
}

}  // namespace corvellane
