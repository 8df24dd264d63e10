#include "tools/sound_maker/sound_effects.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "tools/sound_maker/play_sound_effects.h"
#include "tools/sound_maker/synth.h"

namespace corvellane {
namespace {

// A soft button click: a short woody knock (two damped partials) with a
// breath of filtered noise at its start.
std::vector<float> Click() {
  std::vector<float> out(Frames(0.06));
  TPhase low, high;
  TNoise noise(1);
  TBandFilter filter(1.5);
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = Seconds(i);
    const float knock = 0.7f * Sine(low.Step(1250)) * Decay(t, 0.008) + 0.3f * Sine(high.Step(2750)) * Decay(t, 0.004);
    const float breath = filter.Step(noise.Next(), 3000) * Decay(t, 0.003);
    out[i] = knock + 0.5f * breath;
  }
  Normalise(out, 0.6f);
  return out;
}

// The tick when the mouse goes over a button: very short and high.
std::vector<float> Hover() {
  std::vector<float> out(Frames(0.03));
  TPhase phase;
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = Seconds(i);
    out[i] = Sine(phase.Step(3400)) * Decay(t, 0.004) * std::min(1.0f, float(t / 0.0005));
  }
  Normalise(out, 0.3f);
  return out;
}

// Air moving: noise through a band-pass whose centre sweeps from `from` to
// `to` Hz, swelling and fading over the length.
std::vector<float> Whoosh(double length, double from, double to, uint64_t seed) {
  std::vector<float> out(Frames(length));
  TNoise noise(seed);
  TBandFilter filter(2.0);
  for (size_t i = 0; i < out.size(); ++i) {
    const double progress = double(i) / out.size();
    const double cutoff = from * std::pow(to / from, progress);
    const float swell = float(std::pow(std::sin(M_PI * progress), 1.5));
    out[i] = filter.Step(noise.Next(), cutoff) * swell;
  }
  Normalise(out, 0.45f);
  return out;
}

std::vector<float> WindowShow() { return Whoosh(0.42, 350, 2600, 2); }
std::vector<float> WindowHide() { return Whoosh(0.34, 2400, 300, 3); }

// A bell: a sine carrier with a frequency-modulating partner at a
// non-integer ratio, whose brightness dies away faster than the tone.
void AddBell(std::vector<float>& out, double start, double frequency, float level, double ring) {
  TPhase carrier, modulator;
  for (size_t i = Frames(start); i < out.size(); ++i) {
    const double t = Seconds(i) - start;
    const double index = 2.0 * Decay(t, ring * 0.25);
    const float mod = Sine(modulator.Step(frequency * 3.5));
    out[i] += level * Sine(carrier.Step(frequency) + index * mod / (2 * M_PI)) * Decay(t, ring) *
              std::min(1.0f, float(t / 0.002));
  }
}

// A magic sparkle: a rising arpeggio of small bells with glints above it.
std::vector<float> Sparkle() {
  std::vector<float> out(Frames(1.6));
  const double notes[] = {84, 88, 91, 96, 100};  // C6 E6 G6 C7 E7
  for (size_t n = 0; n < std::size(notes); ++n) AddBell(out, 0.055 * n, NoteFrequency(notes[n]), 0.5f, 0.45);
  TSeededRandom random(4);
  for (int i = 0; i < 14; ++i) AddBell(out, random.Range(0.05, 0.9), random.Range(4500, 8000), 0.12f, 0.05);
  Normalise(out, 0.55f);
  return out;
}

// An object found: two bright bells a fifth apart.
std::vector<float> Found() {
  std::vector<float> out(Frames(0.9));
  AddBell(out, 0.0, NoteFrequency(79), 0.6f, 0.3);   // G5
  AddBell(out, 0.09, NoteFrequency(86), 0.6f, 0.4);  // D6
  Normalise(out, 0.55f);
  return out;
}

// A level finished: a quick rising run of bells into a held major chord.
std::vector<float> Complete() {
  std::vector<float> out(Frames(2.4));
  const double run[] = {72, 76, 79, 84};  // C5 E5 G5 C6
  for (size_t n = 0; n < std::size(run); ++n) AddBell(out, 0.11 * n, NoteFrequency(run[n]), 0.45f, 0.3);
  for (double note : {72.0, 76.0, 79.0, 84.0, 88.0}) AddBell(out, 0.5, NoteFrequency(note), 0.3f, 0.9);
  Normalise(out, 0.6f);
  return out;
}

// A wrong click: a low, muffled double bump, not harsh.
std::vector<float> Wrong() {
  std::vector<float> out(Frames(0.32));
  TPhase phase;
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = Seconds(i);
    const double bump = t < 0.14 ? t : t - 0.14;
    const double frequency = 180 - 60 * (bump / 0.14);
    const double p = phase.Step(frequency);
    out[i] = (Sine(p) + 0.3f * Sine(2 * p)) * Decay(bump, 0.05) * std::min(1.0f, float(bump / 0.003));
  }
  Normalise(out, 0.5f);
  return out;
}

}  // namespace

std::span<const TSoundEffect> SoundEffects() {
  static const TSoundEffect effects[] = {
      {"click", Click, "soft button click"},
      {"hover", Hover, "tick when the mouse goes over a button"},
      {"window_show", WindowShow, "rising whoosh as a window appears"},
      {"window_hide", WindowHide, "falling whoosh as a window goes"},
      {"sparkle", Sparkle, "magic chime"},
      {"found", Found, "an object found"},
      {"wrong", Wrong, "a click on nothing"},
      {"complete", Complete, "a level finished"},
      {"find_zoom", FindZoomSound, "a found object swells"},
      {"find_fly", FindFlySound, "a found object flies into the panel"},
      {"success_click", SuccessClickSound, "a find"},
      {"chain1", ChainSound1, "the third find in a row"},
      {"chain2", ChainSound2, "the sixth find in a row"},
      {"chain3", ChainSound3, "the ninth find in a row"},
      {"chain4", ChainSound4, "the twelfth find in a row"},
      {"wrong_click", WrongClickSound, "a miss in the scene"},
      {"penalty", PenaltySound, "six quick misses cost a minute"},
      {"hint_ready", HintReadySound, "the hint can be used again"},
      {"hint_indicate", HintIndicateSound, "the hinted object pulses"},
      {"add_scores", AddScoresSound, "the score counting up"},
      {"level_start", LevelStartSound, "a level begins"},
      {"level_failed", LevelFailedSound, "the clock ran out"},
      {"accent_time", AccentTimeSound, "the last ten seconds of a timed level"},
      {"panel_pick", PanelPickSound, "an object taken from the panel"},
      {"panel_slide", PanelSlideSound, "items sliding along the panel"},
      {"map_select", MapSelectSound, "a task chosen on the map"},
  };
  return effects;
}

const TSoundEffect* FindSoundEffect(std::string_view name) {
  for (const TSoundEffect& effect : SoundEffects())
    if (effect.name == name) return &effect;
  return nullptr;
}

}  // namespace corvellane
