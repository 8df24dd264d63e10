#include "tools/sound_maker/play_sound_effects.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "tools/sound_maker/synth.h"

namespace corvellane {
namespace {

// A struck glass: the tone with a quieter octave, a 2 ms attack and an
// exponential ring.
void AddPing(std::vector<float>& out, double start, double frequency, float level, double ring) {
  TPhase tone, octave;
  for (size_t i = Frames(start); i < out.size(); ++i) {
    const double t = Seconds(i) - start;
    const float attack = std::min(1.0f, float(t / 0.002));
    out[i] += level * attack * Decay(t, ring) * (Sine(tone.Step(frequency)) + 0.25f * Sine(octave.Step(2 * frequency)));
  }
}

// A tone gliding from one pitch to another over its length, softly in and out.
void AddGlide(std::vector<float>& out, double start, double length, double from, double to, float level) {
  TPhase phase;
  const size_t first = Frames(start);
  const size_t count = std::min(out.size() - std::min(out.size(), first), Frames(length));
  for (size_t k = 0; k < count; ++k) {
    const double progress = double(k) / count;
    const double frequency = from * std::pow(to / from, progress);
    const float envelope = float(std::sin(M_PI * progress));
    const double p = phase.Step(frequency);
    out[first + k] += level * envelope * (Sine(p) + 0.2f * Sine(3 * p));
  }
}

// Breath through a narrow band that moves from one centre to another.
void AddAir(std::vector<float>& out, double from, double to, float level, uint64_t seed) {
  TNoise noise(seed);
  TBandFilter band(3.0);
  for (size_t i = 0; i < out.size(); ++i) {
    const double progress = double(i) / out.size();
    const double centre = from + (to - from) * progress * progress;
    out[i] += level * band.Step(noise.Next(), centre) * float(progress * (1 - progress) * 4);
  }
}

std::vector<float> Arpeggio(std::initializer_list<double> notes, double step, double ring, double length) {
  std::vector<float> out(Frames(length));
  double start = 0;
  for (double note : notes) {
    AddPing(out, start, NoteFrequency(note), 0.5f, ring);
    start += step;
  }
  Normalise(out, 0.55f);
  return out;
}

}  // namespace

std::vector<float> FindZoomSound() {
  std::vector<float> out(Frames(0.35));
  AddGlide(out, 0, 0.3, 520, 1040, 0.6f);
  AddPing(out, 0.18, NoteFrequency(91), 0.3f, 0.08);
  Normalise(out, 0.45f);
  return out;
}

std::vector<float> FindFlySound() {
  std::vector<float> out(Frames(0.45));
  AddAir(out, 800, 3200, 1.0f, 21);
  Normalise(out, 0.35f);
  return out;
}

std::vector<float> SuccessClickSound() { return Arpeggio({88, 95}, 0.06, 0.12, 0.5); }

std::vector<float> ChainSound1() { return Arpeggio({79, 83, 86}, 0.07, 0.18, 0.8); }
std::vector<float> ChainSound2() { return Arpeggio({79, 83, 86, 91}, 0.07, 0.2, 0.9); }
std::vector<float> ChainSound3() { return Arpeggio({79, 83, 86, 91, 95}, 0.065, 0.22, 1.0); }
std::vector<float> ChainSound4() { return Arpeggio({79, 83, 86, 91, 95, 98, 103}, 0.06, 0.25, 1.3); }

std::vector<float> WrongClickSound() {
  std::vector<float> out(Frames(0.22));
  AddGlide(out, 0, 0.2, 240, 150, 0.8f);
  Normalise(out, 0.4f);
  return out;
}

std::vector<float> PenaltySound() {
  std::vector<float> out(Frames(1.1));
  for (int i = 0; i < 3; ++i) AddGlide(out, i * 0.3, 0.35, 300 - i * 45, 220 - i * 45, 0.7f);
  Normalise(out, 0.5f);
  return out;
}

std::vector<float> HintReadySound() {
  std::vector<float> out(Frames(1.0));
  AddPing(out, 0.0, NoteFrequency(84), 0.4f, 0.3);
  AddPing(out, 0.12, NoteFrequency(91), 0.35f, 0.35);
  AddAir(out, 4000, 7000, 0.15f, 22);
  Normalise(out, 0.45f);
  return out;
}

std::vector<float> HintIndicateSound() {
  std::vector<float> out(Frames(1.2));
  for (int i = 0; i < 6; ++i) AddPing(out, i * 0.09, NoteFrequency(96 + (i % 3) * 4), 0.25f, 0.12);
  Normalise(out, 0.45f);
  return out;
}

std::vector<float> AddScoresSound() {
  std::vector<float> out(Frames(0.025));
  AddPing(out, 0, 2600, 1.0f, 0.004);
  Normalise(out, 0.12f);
  return out;
}

std::vector<float> LevelStartSound() { return Arpeggio({72, 79, 84, 88}, 0.12, 0.5, 1.6); }

std::vector<float> LevelFailedSound() {
  std::vector<float> out(Frames(1.8));
  const double notes[] = {76, 72, 69, 64};
  for (int i = 0; i < 4; ++i) AddPing(out, i * 0.22, NoteFrequency(notes[i]), 0.5f, 0.4);
  Normalise(out, 0.5f);
  return out;
}

std::vector<float> AccentTimeSound() {
  std::vector<float> out(Frames(0.6));
  AddPing(out, 0, 1800, 0.6f, 0.015);
  AddPing(out, 0.3, 1500, 0.6f, 0.015);
  Normalise(out, 0.5f);
  return out;
}

std::vector<float> PanelPickSound() {
  std::vector<float> out(Frames(0.15));
  AddGlide(out, 0, 0.12, 600, 900, 0.8f);
  Normalise(out, 0.35f);
  return out;
}

std::vector<float> PanelSlideSound() {
  std::vector<float> out(Frames(0.3));
  AddAir(out, 1500, 900, 1.0f, 23);
  Normalise(out, 0.2f);
  return out;
}

std::vector<float> MapSelectSound() {
  std::vector<float> out(Frames(0.3));
  AddPing(out, 0, NoteFrequency(81), 0.5f, 0.06);
  AddPing(out, 0.05, NoteFrequency(88), 0.4f, 0.08);
  Normalise(out, 0.45f);
  return out;
}

}  // namespace corvellane
