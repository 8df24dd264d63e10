// Particle systems: one frame of a system holding N particles spread over
// a 1024 x 768 screen, advanced (motion, fading, removal, emission, the box
// around them) and drawn into a canvas whose whole area is dirty, as the
// engine draws a frame in which the system moves everywhere. `of_8ms` is
// the frame's share of the 8 ms frame period (ignore the "s" Google
// Benchmark prints after it), from the CPU time, which stays meaningful on
// a shared, busy machine; the goal is 50,000 stochastic particles
// within half of it on one core.
//
// The stochastic system keeps a steady population: emission_count
// particles a second, each living one second. The function system does
// the same through "Create" and an eval "Update" that moves, tints and
// ends each particle, the way the demo's data does.
#include <benchmark/benchmark.h>

#include <string>
#include <string_view>

#include "engine/engine.h"
#include "engine/platform/headless_platform.h"
#include "engine/random_source.h"
#include "engine/surface.h"
#include "functions/function_classes.h"
#include "particles/particle_classes.h"
#include "persistence/object_io.h"
#include "persistence/storage.h"
#include "widgets/plain_widget_owner.h"
#include "widgets/pixel_rounding.h"
#include "widgets/widget_classes.h"
#include "widgets/widget_interface.h"
#include "widgets/visual_group_widget.h"

namespace {

using namespace corvellane;

constexpr int32_t kWidth = 1024;
constexpr int32_t kHeight = 768;
constexpr int32_t kFrameMs = 16;
constexpr double kFramePeriodMs = 8.0;

// The screen above the system: an engine for the particles' picture.
class TBenchScreen : public TPlainWidgetOwner {
 public:
  explicit TBenchScreen(IEngine* engine) : engine_(engine) {}
  IEngine* GetEngine() override { return engine_; }

 private:
  IEngine* engine_;
};

const char* kDotPicture =
    R"(<widgets><widget type="rect_widget" name="dot" width="4" height="4" color="$FFFFFFFF"/></widgets>)";

std::string StochasticSystem(int64_t particles) {
  return R"(<widget type="stochastic_particle_system" name="ps" visible="yes" emission_x="512" emission_y="384"
                    emission_radius="380" speed_min="10" speed_max="60" lifetime_min="1000" lifetime_max="1001"
                    gravity_min="0" gravity_max="20" color_start="$FFFFE080" color_end="$FFFF4000"
                    alfa_start="255" alfa_end="0" color_variation="30" emission_count=")" +
         std::to_string(particles) + "\">" + kDotPicture + "</widget>";
}

// A particle's cells (results: dead, x, y, picture, red, green, blue,
// alpha; state: age and birth place), which "Update" shares by name.
constexpr std::string_view kParticleCells = R"(<paramspace><paramdefs>
    <paramdef name="dead" col="0" static="yes"/><paramdef name="x" col="0" static="yes"/>
    <paramdef name="y" col="0" static="yes"/><paramdef name="image" col="0" static="yes"/>
    <paramdef name="r" col="0" static="yes"/><paramdef name="g" col="0" static="yes"/>
    <paramdef name="b" col="0" static="yes"/><paramdef name="a" col="0" static="yes"/>
    <paramdef name="age" col="1" static="yes"/><paramdef name="x0" col="1" static="yes"/>
    <paramdef name="y0" col="1" static="yes"/>
  </paramdefs></paramspace>)";

// Each particle is born at a random place, drifts right and down, fades
// out and ends after a second.
std::string FunctionSystem(int64_t particles) {
  return R"(<widget type="function_particle_system" name="fp" visible="yes" drawmode="fillcolor" blendingmode="addition">)" +
         std::string(kParticleCells) + R"(
  <function type="function_complex" name="root"><paramspace><paramdefs>
      <paramdef name="time" col="1" static="yes"/>
      <paramdef name="count" col="2" static="yes" value=")" +
         std::to_string(particles) + R"("/>
    </paramdefs></paramspace><functions>
    <function type="function_eval" name="Create"><paramspace><paramdefs>
        <paramdef name="c_age" col="0" static="yes"/><paramdef name="c_x0" col="0" static="yes"/>
        <paramdef name="c_y0" col="0" static="yes"/>
        <paramdef name="index" col="1" static="yes"/><paramdef name="total_index" col="1" static="yes"/>
        <paramdef name="count" col="2" outname="count"/>
      </paramdefs></paramspace>
      <expression>c_age := 0
c_x0 := random*1000
c_y0 := random*740</expression></function>
    <function type="function_eval" name="Update">)" +
         std::string(kParticleCells) + R"(
      <expression>x := x0 + age*0.02
y := y0 + 10*sin(age*0.006)
r := 255
g := 200 - age*0.15
b := 80
a := 255*(1 - age/1000)
dead := age > 1000</expression></function>
  </functions></function>)" +
         kDotPicture + "</widget>";
}

struct TSetup {
  TSetup() : platform(HeadlessOptions{}), engine(CreateEngine(platform)) {
    RegisterWidgetClasses();
    RegisterFunctionClasses();
    RegisterParticleClasses();
    GlobalRandom().Seed(7);
    canvas->SetSize(kWidth, kHeight);
  }
  THeadlessPlatform platform;
  Ref<TEngine> engine;
  Ref<TSurface> canvas = MakeRef<TSurface>();
};

void RunFrames(benchmark::State& state, const std::string& xml) {
  TSetup setup;
  Ref<TBenchScreen> screen = MakeRef<TBenchScreen>(setup.engine.get());
  Ref<IHierStorageRoot> doc = OpenStorageText(xml);
  Ref<IWidget> system = QueryInterface<IWidget>(CreateFromStorage(doc.get()));
  system->SetOwner(screen.get());
  // Two seconds of frames first: the population is steady from then on.
  for (int i = 0; i < 2000 / kFrameMs; ++i) system->Update(kFrameMs);
  int64_t particles = 0;
  for (auto _ : state) {
    system->Update(kFrameMs);
    system->UpdateDirtyRegion(false, false);
    setup.canvas->AddDirtyRect({0, 0, kWidth, kHeight});
    system->Draw(setup.canvas.get(), 0, 0);
    setup.canvas->ClearDirtyRegion();
    particles += system->GetProperty("count").ToInt();
  }
  state.counters["particles"] = static_cast<double>(particles) / static_cast<double>(state.iterations());
  state.counters["of_8ms"] = benchmark::Counter(static_cast<double>(state.iterations()) * kFramePeriodMs / 1000.0,
                                                benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  system->ClearOwner();
}

void BM_StochasticFrame(benchmark::State& state) { RunFrames(state, StochasticSystem(state.range(0))); }
void BM_FunctionFrame(benchmark::State& state) { RunFrames(state, FunctionSystem(state.range(0))); }

BENCHMARK(BM_StochasticFrame)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FunctionFrame)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
