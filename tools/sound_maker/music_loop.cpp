#include "tools/sound_maker/music_loop.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "tools/sound_maker/music_score.h"
#include "tools/sound_maker/synth.h"

namespace corvellane {
namespace {

constexpr double kBeatSeconds = 60.0 / kMusicTempo;

// Where a voice sits between the speakers: -1 left .. 1 right, equal power.
struct TPan {
  float left, right;
  explicit TPan(double position)
      : left(float(std::cos((position + 1.0) * M_PI / 4))), right(float(std::sin((position + 1.0) * M_PI / 4))) {}
};

// A stereo ring buffer: writes past the end wrap round to the start.
class TRing {
 public:
  explicit TRing(size_t frames) : samples_(frames * 2, 0.0f) {}
  size_t FrameCount() const { return samples_.size() / 2; }
  void Add(size_t frame, float value, const TPan& pan) {
    const size_t at = (frame % FrameCount()) * 2;
    samples_[at] += value * pan.left;
    samples_[at + 1] += value * pan.right;
  }
  std::vector<float>& Samples() { return samples_; }

 private:
  std::vector<float> samples_;
};

size_t BeatFrame(double beat) { return Frames(beat * kBeatSeconds); }

// Warm pad: three soft harmonics, slightly detuned pairs spread left and right.
void Pad(TRing& ring, double beat, double beats, int note) {
  const double length = beats * kBeatSeconds + 0.9;
  const double f = NoteFrequency(note);
  const TPan left_side(-0.6), right_side(0.6);
  TPhase a1, a2, b1, b2;
  for (size_t i = 0; i < Frames(length); ++i) {
    const float env = 0.055f * AttackRelease(Seconds(i), 0.45, 0.9, length);
    const float left = Sine(a1.Step(f * 0.998)) + 0.25f * Sine(a2.Step(f * 2.0));
    const float right = Sine(b1.Step(f * 1.002)) + 0.25f * Sine(b2.Step(f * 2.004));
    ring.Add(BeatFrame(beat) + i, env * left, left_side);
    ring.Add(BeatFrame(beat) + i, env * right, right_side);
  }
}

// Round bass: sine with a little second harmonic and a plucked envelope.
void Bass(TRing& ring, double beat, int note) {
  const double length = 2 * kBeatSeconds;
  const double f = NoteFrequency(note);
  const TPan centre(0.0);
  TPhase phase;
  TDecay decay(0.6);
  for (size_t i = 0; i < Frames(length); ++i) {
    const double t = Seconds(i);
    const double p = phase.Step(f);
    const float env = 0.22f * decay.Step() * AttackRelease(t, 0.006, 0.15, length);
    ring.Add(BeatFrame(beat) + i, env * (Sine(p) + 0.2f * Sine(2 * p)), centre);
  }
}

// Electric-piano-like FM tone: bright at the attack, mellow as it rings.
void Keys(TRing& ring, double beat, int note, float level, float position, double ring_time) {
  const double length = ring_time * 4;
  const double f = NoteFrequency(note);
  const TPan pan(position);
  TPhase carrier, modulator;
  TDecay brightness(0.12), fade(ring_time);
  for (size_t i = 0; i < Frames(length); ++i) {
    const double t = Seconds(i);
    const double index = 1.4 * brightness.Step() + 0.2;
    const double p = carrier.Step(f) + index * Sine(modulator.Step(f)) / (2 * M_PI);
    const float env = level * fade.Step() * AttackRelease(t, 0.003, 0.05, length);
    ring.Add(BeatFrame(beat) + i, env * Sine(p), pan);
  }
}

// Melody: a bell-ish FM voice with a gentle vibrato that sets in late.
void Lead(TRing& ring, double beat, double beats, int note) {
  const double length = beats * kBeatSeconds + 0.6;
  const double f = NoteFrequency(note);
  const TPan pan(0.1);
  TPhase carrier, modulator, vibrato;
  TDecay brightness(0.25), settle(0.4);
  for (size_t i = 0; i < Frames(length); ++i) {
    const double t = Seconds(i);
    const double wobble = 1.0 + 0.004 * std::min(1.0, t / 0.6) * Sine(vibrato.Step(5.2));
    const double index = 0.9 * brightness.Step() + 0.15;
    const double p = carrier.Step(f * wobble) + index * Sine(modulator.Step(f * 2 * wobble)) / (2 * M_PI);
    const float env = 0.16f * AttackRelease(t, 0.01, 0.5, length) * (0.55f + 0.45f * settle.Step());
    ring.Add(BeatFrame(beat) + i, env * Sine(p), pan);
  }
}

// Two echoes of the melody's side, round the ring like everything else.
void Echo(std::vector<float>& stereo, double delay_beats, float feedback) {
  const size_t frames = stereo.size() / 2;
  const size_t delay = BeatFrame(delay_beats);
  std::vector<float> dry = stereo;
  for (size_t i = 0; i < frames; ++i) {
    const size_t once = ((i + frames - delay % frames) % frames) * 2;
    const size_t twice = ((i + 2 * frames - (2 * delay) % frames) % frames) * 2;
    stereo[i * 2] += feedback * dry[once + 1] + feedback * feedback * dry[twice];
    stereo[i * 2 + 1] += feedback * dry[once] + feedback * feedback * dry[twice + 1];
  }
}

}  // namespace

std::vector<float> ComposeMusicLoop(int bars) {
  bars = std::clamp(bars, 1, kMusicBars);
  TRing ring(BeatFrame(4.0 * bars));
  for (int bar = 0; bar < bars; ++bar) {
    const double start = 4.0 * bar;
    for (int tone : ChordOfBar(bar).tones) Pad(ring, start, 4, tone);
    const std::array<int, 2> bass = BassOfBar(bar);
    Bass(ring, start, bass[0]);
    Bass(ring, start + 2, bass[1]);
    const std::array<int, 8> arpeggio = ArpeggioOfBar(bar);
    for (size_t step = 0; step < arpeggio.size(); ++step)
      Keys(ring, start + 0.5 * double(step), arpeggio[step], step % 2 == 0 ? 0.07f : 0.05f,
           step % 2 == 0 ? -0.45f : 0.45f, 0.35);
  }
  for (const TTuneNote& n : TuneNotes(bars)) Lead(ring, n.beat, n.beats, n.note);
  std::vector<float> stereo = std::move(ring.Samples());
  Echo(stereo, 0.75, 0.22f);
  Normalise(stereo, 0.8f);
  return stereo;
}

}  // namespace corvellane
