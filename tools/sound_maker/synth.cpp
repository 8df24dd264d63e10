#include "tools/sound_maker/synth.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace corvellane {
namespace {

constexpr int kTableSize = 4096;

const std::array<float, kTableSize + 1>& SineTable() {
  static const std::array<float, kTableSize + 1> table = [] {
    std::array<float, kTableSize + 1> t{};
    for (int i = 0; i <= kTableSize; ++i) t[size_t(i)] = float(std::sin(2.0 * M_PI * i / kTableSize));
    return t;
  }();
  return table;
}

}  // namespace

double NoteFrequency(double midi_note) { return 440.0 * std::pow(2.0, (midi_note - 69.0) / 12.0); }

float Sine(double phase) {
  phase -= std::floor(phase);
  const double position = phase * kTableSize;
  const int index = std::min(int(position), kTableSize - 1);
  const float fraction = float(position - index);
  const auto& table = SineTable();
  return table[size_t(index)] + (table[size_t(index) + 1] - table[size_t(index)]) * fraction;
}

float Decay(double t, double time_constant) { return float(std::exp(-t / time_constant)); }

TDecay::TDecay(double time_constant) : factor_(std::exp(-1.0 / (time_constant * kSampleRate))) {}

float AttackRelease(double t, double attack, double release, double length) {
  if (t < 0 || t >= length) return 0.0f;
  float level = 1.0f;
  if (attack > 0 && t < attack) level = float(t / attack);
  if (release > 0 && t > length - release) level = std::min(level, float((length - t) / release));
  return level;
}

float TBandFilter::Step(float input, double cutoff) {
  const float f = float(2.0 * std::sin(M_PI * std::min(cutoff, kSampleRate / 6.0) / kSampleRate));
  low_ += f * band_;
  const float high = input - low_ - float(damping_) * band_;
  band_ += f * high;
  return band_;
}

void Normalise(std::vector<float>& samples, float peak) {
  float loudest = 0.0f;
  for (float s : samples) loudest = std::max(loudest, std::fabs(s));
  if (loudest <= 0.0f) return;
  const float scale = peak / loudest;
  for (float& s : samples) s *= scale;
}

}  // namespace corvellane
