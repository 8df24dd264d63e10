// synth.h: the sound maker's building blocks, all deterministic.
//
// Sounds are float buffers at kSampleRate, mono or interleaved stereo, in
// -1 .. 1. Oscillators read one shared sine table by phase (cheap enough to
// render a minute of music with a dozen voices in well under a second even
// in a checked build); envelopes, a state-variable filter and a seeded noise
// source cover the effects.
//
//   std::vector<float> tone(Frames(0.2));
//   TPhase phase;
//   for (size_t i = 0; i < tone.size(); ++i)
//     tone[i] = Sine(phase.Step(880.0)) * Decay(Seconds(i), 0.05);
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "tools/media_common/seeded_random.h"

namespace corvellane {

inline constexpr int kSampleRate = 44100;

inline size_t Frames(double seconds) { return size_t(seconds * kSampleRate + 0.5); }
inline double Seconds(size_t frame) { return double(frame) / kSampleRate; }
// Equal temperament, A4 = 440 Hz = note 69.
double NoteFrequency(double midi_note);

// sin(2 pi phase) for a phase in cycles, from the table.
float Sine(double phase);

// A running oscillator phase in cycles (kept in 0..1).
class TPhase {
 public:
  // Advances by one sample at the frequency; answers the phase before the step.
  double Step(double frequency) {
    const double now = phase_;
    phase_ += frequency / kSampleRate;
    phase_ -= double(int64_t(phase_));
    return now;
  }

 private:
  double phase_ = 0.0;
};

// exp(-t / time_constant)
float Decay(double t, double time_constant);

// The same curve sample by sample, by one multiplication each: for voices
// that run for seconds.
class TDecay {
 public:
  explicit TDecay(double time_constant);
  // Answers the level at this sample, then moves on by one.
  float Step() {
    const float now = float(level_);
    level_ *= factor_;
    return now;
  }

 private:
  double level_ = 1.0;
  double factor_;
};
// Linear rise over `attack`, hold at 1, linear fall over `release` ending at `length`.
float AttackRelease(double t, double attack, double release, double length);

// Uniform white noise in -1 .. 1.
class TNoise {
 public:
  explicit TNoise(uint64_t seed) : random_(seed) {}
  float Next() { return float(random_.Range(-1.0, 1.0)); }

 private:
  TSeededRandom random_;
};

// Chamberlin state-variable filter; the cutoff may change every sample.
class TBandFilter {
 public:
  explicit TBandFilter(double resonance) : damping_(1.0 / resonance) {}
  // Answers the band-pass output; LowPass() the low-pass one of the same step.
  float Step(float input, double cutoff);
  float LowPass() const { return low_; }

 private:
  double damping_;
  float low_ = 0.0f;
  float band_ = 0.0f;
};

// Scales the buffer so that its loudest sample reaches `peak`.
void Normalise(std::vector<float>& samples, float peak);

}  // namespace corvellane
