#include "particles/stochastic_particle_system.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "particles/particle_math.h"
#include "persistence/property_table.h"
#include "widgets/pixel_rounding.h"
#include "widgets/widget_collection_interface.h"

namespace corvellane {

namespace {

// A uniform integer in [low, high); low when the range is empty. The
// difference is taken in 64 bits so that any two keys are safe.
int32_t RandomFrom(int32_t low, int32_t high) {
  const int64_t span = std::clamp<int64_t>(int64_t{high} - low, 0, INT32_MAX);
  return static_cast<int32_t>(std::clamp<int64_t>(low + int64_t{RandomBelow(static_cast<int32_t>(span))},
                                                  INT32_MIN, INT32_MAX));
}

uint8_t Channel(uint32_t colour, int index) { return static_cast<uint8_t>(colour >> (24 - 8 * index)); }

// start + nearest((end - start) x fraction).
uint8_t Between(uint8_t start, uint8_t end, double fraction) {
  return ByteOf(start + static_cast<double>(Nearest((end - start) * fraction)));
}

}  // namespace

const TPropertyTable& TStochasticParticleSystem::Properties() {
  using S = TStochasticParticleSystem;
  using Table = TPropertyTableOf<S>;
  static const TPropertyTable table =
      Table(TParticleSystem::Properties())
          .Int("direction", &S::direction_, 0, Table::Never())
          .Int("spread", &S::spread_, 360, Table::Never())
          .Int("speed_min", &S::speed_min_, 10, Table::Never())
          .Int("speed_max", &S::speed_max_, 100, Table::Never())
          .Int("lifetime_min", &S::lifetime_min_, 1000, Table::Never())
          .Int("lifetime_max", &S::lifetime_max_, 5000, Table::Never())
          .Int("gravity_min", &S::gravity_min_, 0, Table::Never())
          .Int("gravity_max", &S::gravity_max_, 0, Table::Never())
          .Color("color_start", &S::color_start_, 0xFFFFFFFF, Table::Never()).DataOnly()
          .Color("color_end", &S::color_end_, 0xFF000000, Table::Never()).DataOnly()
          .Int("alfa_start", &S::alfa_start_, 255, Table::Never()).DataOnly()
          .Int("alfa_end", &S::alfa_end_, 255, Table::Never()).DataOnly()
          .Int("color_variation", &S::color_variation_, 0, Table::Never()).DataOnly()
          .Int("alfa_variation", &S::alfa_variation_, 0, Table::Never()).DataOnly()
          .Enum("blendingmode", kBlendModeNames, &S::blend_mode_, &S::blend_mode_, TBlendMode::Normal,
                Table::Never())
          .DataOnly();
  return table;
}

void TStochasticParticleSystem::Cleanup() {
  particles_.clear();
  picture_ = nullptr;
  TParticleSystem::Cleanup();
}

void TStochasticParticleSystem::SetOwner(IWidgetOwner* owner) {
  TParticleSystem::SetOwner(owner);
  picture_ = nullptr;
}

uint8_t TStochasticParticleSystem::StartByte(int index) const {
  return index == 0 ? ByteOf(alfa_start_) : Channel(color_start_, index);
}

uint8_t TStochasticParticleSystem::EndByte(int index) const {
  return index == 0 ? ByteOf(alfa_end_) : Channel(color_end_, index);
}

void TStochasticParticleSystem::DrawRandomTraits(TStochasticParticle& p) const {
  p.lifetime = RandomFrom(lifetime_min_, lifetime_max_);
  p.speed = RandomFrom(speed_min_, speed_max_);
  p.direction = RandomBelow(spread_) + direction_ - spread_ / 2;
  p.gravity = RandomFrom(std::min(gravity_min_, gravity_max_), std::max(gravity_min_, gravity_max_));
  const double radians = p.direction * std::numbers::pi / 180.0;
  p.speed_x = std::cos(radians) * p.speed;
  p.speed_y = std::sin(radians) * p.speed;
  const double f = RandomBelow(color_variation_) / 100.0;
  for (int i = 1; i < 4; ++i) p.start[i] = Between(StartByte(i), EndByte(i), f);
  const double g = RandomBelow(alfa_variation_) / 100.0;
  p.start[0] = Between(StartByte(0), EndByte(0), g);
}

std::optional<TStochasticParticle> TStochasticParticleSystem::CreateParticle() {
  TStochasticParticle p;
  const TPoint birth = BirthPoint();
  PlaceAtBirth(p, birth.x, birth.y);
  DrawRandomTraits(p);
  ApplyColour(p);
  return p;
}

void TStochasticParticleSystem::ApplyColour(TStochasticParticle& p) const {
  const std::array<uint8_t, 4> end = EndColour();
  ApplyColour(p, end);
}

std::array<uint8_t, 4> TStochasticParticleSystem::EndColour() const {
  return {EndByte(0), EndByte(1), EndByte(2), EndByte(3)};
}

void TStochasticParticleSystem::ApplyColour(TStochasticParticle& p, const std::array<uint8_t, 4>& end) const {
  // A lifetime of 0 has nothing to divide by: such a particle shows its end
  // colour and is gone at its first advance.
  const double t = p.lifetime > 0 ? static_cast<double>(p.age) / p.lifetime : 1.0;
  p.colour = PackColour(Between(p.start[0], end[0], t), Between(p.start[1], end[1], t), Between(p.start[2], end[2], t),
                        Between(p.start[3], end[3], t));
}

void PlaceAtBirth(TStochasticParticle& p, int32_t x, int32_t y) {
  // Held to the safe pixel range, so that adding the (equally held) motion
  // terms cannot overflow.
  p.x0 = p.px = std::clamp(x, -kMaxPixelCoordinate, kMaxPixelCoordinate);
  p.y0 = p.py = std::clamp(y, -kMaxPixelCoordinate, kMaxPixelCoordinate);
  p.x = static_cast<float>(x);
  p.y = static_cast<float>(y);
}

void TStochasticParticleSystem::MoveParticle(TStochasticParticle& p, int32_t elapsed_ms,
                                             const std::array<uint8_t, 4>& end) const {
  p.age = static_cast<int32_t>(std::clamp<int64_t>(int64_t{p.age} + elapsed_ms, 0, INT32_MAX));
  // In doubles: age^2 x gravity overflows 32 bits after a few seconds. Each
  // term is held to the safe pixel range, so the sums still fit.
  const double age = p.age;
  p.px = Nearest(p.speed_x * age / 1000.0) + p.x0;
  const double fall = age * age * p.gravity / 1000000.0 / 2.0;
  p.py = Nearest(fall) + Nearest(p.speed_y * age / 1000.0) + p.y0;
  p.x = static_cast<float>(p.px);
  p.y = static_cast<float>(p.py);
  ApplyColour(p, end);
}

void TStochasticParticleSystem::AdvanceParticles(int32_t elapsed_ms) {
  const std::array<uint8_t, 4> end = EndColour();
  for (TStochasticParticle& p : particles_) MoveParticle(p, elapsed_ms, end);
}

void TStochasticParticleSystem::RemoveDeadParticles() {
  std::erase_if(particles_, [](const TStochasticParticle& p) { return p.age > p.lifetime; });
}

void TStochasticParticleSystem::Emit(int32_t elapsed_ms) {
  const int32_t wanted = Nearest(static_cast<double>(elapsed_ms) * GetEmissionCount() / 1000.0);
  const int32_t n = std::min(wanted, kMaxParticles - ParticleCount());
  for (int32_t i = 0; i < n; ++i)
    if (std::optional<TStochasticParticle> p = CreateParticle()) particles_.push_back(*p);
}

const Ref<ISurface>& TStochasticParticleSystem::Picture() {
  if (!picture_ && GetOwner() && Children().Count() > 0)
    if (Ref<IWidget> first = Children().GetWidgetAt(0)) picture_ = first->GetImage();
  return picture_;
}

void TStochasticParticleSystem::AddParticleRects() {
  const Ref<ISurface>& picture = Picture();
  const int32_t w = picture ? picture->GetWidth() : 0;
  const int32_t h = picture ? picture->GetHeight() : 0;
  if (particles_.empty()) return;
  TRect box{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
  for (const TStochasticParticle& p : particles_) {
    box.left = std::min(box.left, p.px);
    box.top = std::min(box.top, p.py);
    box.right = std::max(box.right, p.px);
    box.bottom = std::max(box.bottom, p.py);
  }
  AddParticleRect({box.left, box.top, box.right + w, box.bottom + h});
}

void TStochasticParticleSystem::BeginDraw() { Picture(); }

void TStochasticParticleSystem::DrawParticles(ISurface* surface, int32_t x, int32_t y) {
  if (!picture_) return;
  // One call for all the particles: the surface clips and sets up once.
  spots_.clear();
  for (const TStochasticParticle& p : particles_) spots_.push_back({p.px + x, p.py + y, p.colour});
  surface->FillColorSpots(picture_.get(), blend_mode_, GetTransparentLevel(), spots_);
}

}  // namespace corvellane
