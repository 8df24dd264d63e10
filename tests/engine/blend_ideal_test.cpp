// The integer blend formulas against the ideal ones they approximate
// (engine/blend_pixel.h states each ideal formula and its bound). The other
// blend tests pin the integer results bit for bit; these record the intent:
// a change that keeps the code self-consistent but drifts from the ideal
// result beyond the stated bound fails here.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

#include "engine/blend_pixel.h"

namespace corvellane {
namespace {

using namespace pixel;

// Channels and weights as real numbers in [0, 1].
double Unit(uint32_t v) { return v / 255.0; }

struct IdealCase {
  const char* formula;
  std::function<uint32_t(uint32_t d, uint32_t s, uint32_t e)> integer;
  std::function<double(double d, double s, double e)> ideal;
  double bound;  // in channel steps (1/255)
};

// Every combination of a coarse grid that includes both ends and the middle.
constexpr uint32_t kGrid[] = {0, 1, 37, 64, 127, 128, 129, 200, 254, 255};

TEST(BlendIdeal, EachFormulaStaysWithinItsBoundOfTheIdealResult) {
  const IdealCase cases[] = {
      {"mix", Mix, [](double d, double s, double e) { return s * e + d * (1 - e); }, 1},
      {"toward", Toward, [](double d, double s, double e) { return d + (s - d) * e; }, 2},
      {"screen", ScreenChannel, [](double d, double s, double e) { return 1 - (1 - s * e) * (1 - d); }, 2},
      {"overlay", OverlayChannel,
       [](double d, double s, double e) {
         const double o = d < 0.5 ? 2 * s * d : 1 - 2 * (1 - s) * (1 - d);
         return d * (1 - e) + o * e;
       },
       4},
      {"linear light", LinearLightChannel,
       [](double d, double s, double e) { return std::clamp(d + e * (2 * s - 1), 0.0, 1.0); }, 2},
      {"addition", AdditionChannel, [](double d, double s, double e) { return std::min(d + s * e, 1.0); }, 2},
      // Alphas: the destination alpha in the place of d, the weight in e.
      {"cover alpha", [](uint32_t a, uint32_t, uint32_t e) { return CoverAlpha(a, e); },
       [](double a, double, double e) { return e + a * (1 - e); }, 2},
  };
  for (const IdealCase& c : cases) {
    double worst = 0;
    for (uint32_t d : kGrid)
      for (uint32_t s : kGrid)
        for (uint32_t e : kGrid) {
          const double got = c.integer(d, s, e);
          const double want = 255 * c.ideal(Unit(d), Unit(s), Unit(e));
          worst = std::max(worst, std::abs(got - want));
        }
    EXPECT_LE(worst, c.bound) << c.formula;
  }
}

// The deliberate constants make the end points exact, which plain shifts
// would not: an opaque source at full weight gives the source, a transparent
// one the destination, an opaque destination stays opaque.
TEST(BlendIdeal, DeliberateConstantsMakeTheEndPointsExact) {
  for (uint32_t v : kGrid) {
    EXPECT_EQ(Mix(v, 200, 255), 200u);
    EXPECT_EQ(Mix(v, 200, 0), v);
    EXPECT_EQ(ScreenChannel(0, v, 255), (v * 255) >> 8);  // over black: the weighted source
    EXPECT_EQ(ScreenChannel(255, v, 255), 255u);          // over white: white
    const uint32_t over_opaque = Alpha(NormalAlpha(0xFF000000u, (v << 24) | 0x00336699u, true));
    EXPECT_EQ(over_opaque, 255u) << "source alpha " << v;
    const uint32_t union_opaque = Alpha(NormalAlphaOpacity(0xFF000000u, 0xFF336699u, v, true));
    EXPECT_EQ(union_opaque, 255u) << "opacity " << v;
  }
  EXPECT_EQ(LinearLightChannel(90, 128, 255), 90u);  // the middle grey adds nothing
}

TEST(BlendIdeal, BilinearWeightsRoundToTheNearestStep) {
  for (uint32_t p : kGrid)
    for (uint32_t q : kGrid)
      for (uint32_t w = 0; w < 128; w += 9) {
        const double want = p + (double(q) - double(p)) * w / 128.0;
        EXPECT_LE(std::abs(double(Lerp7(p, q, w)) - want), 0.5) << p << " " << q << " " << w;
      }
}

}  // namespace
}  // namespace corvellane
