#include "tools/sound_maker/music_score.h"

#include <cstddef>

namespace corvellane {
namespace {

constexpr TChord kF{41, {65, 69, 72}}, kDm{38, {62, 65, 69}}, kBb{46, {62, 65, 70}}, kC{36, {64, 67, 72}},
    kAm{45, {64, 69, 72}};
constexpr std::array<TChord, kMusicBars> kChords = {kF, kDm, kBb, kC, kF, kAm, kBb, kC,
                                                     kDm, kBb, kF, kC, kBb, kC, kF, kF};

// Bar by bar: (beat in the bar, length in beats, note); length 0 ends a bar early.
constexpr int F4 = 65, G4 = 67, A4 = 69, Bb4 = 70, C5 = 72, D5 = 74, E5 = 76, F5 = 77;
constexpr std::array<std::array<std::array<double, 3>, 4>, kMusicBars> kTune = {{
    {{{0, 1.5, A4}, {1.5, 0.5, G4}, {2, 1, F4}, {3, 1, A4}}},
    {{{0, 2, D5}, {2, 1, C5}, {3, 1, A4}, {0, 0, 0}}},
    {{{0, 1.5, Bb4}, {1.5, 0.5, A4}, {2, 1, G4}, {3, 1, F4}}},
    {{{0, 3, G4}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}}},
    {{{0, 1.5, A4}, {1.5, 0.5, C5}, {2, 1, F5}, {3, 1, E5}}},
    {{{0, 2, E5}, {2, 1, C5}, {3, 1, A4}, {0, 0, 0}}},
    {{{0, 1.5, D5}, {1.5, 0.5, C5}, {2, 1, Bb4}, {3, 1, D5}}},
    {{{0, 3, C5}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}}},
    {{{0, 1.5, F5}, {1.5, 0.5, E5}, {2, 1, D5}, {3, 1, A4}}},
    {{{0, 1, Bb4}, {1, 1, D5}, {2, 2, F5}, {0, 0, 0}}},
    {{{0, 1.5, E5}, {1.5, 0.5, D5}, {2, 1, C5}, {3, 1, A4}}},
    {{{0, 2, G4}, {2, 1, A4}, {3, 1, Bb4}, {0, 0, 0}}},
    {{{0, 1.5, D5}, {1.5, 0.5, C5}, {2, 1, Bb4}, {3, 1, A4}}},
    {{{0, 1, G4}, {1, 1, A4}, {2, 1, Bb4}, {3, 1, E5}}},
    {{{0, 2, F5}, {2, 1, C5}, {3, 1, A4}, {0, 0, 0}}},
    {{{0, 3, F4}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}}},
}};

}  // namespace

const TChord& ChordOfBar(int bar) { return kChords[size_t(bar % kMusicBars)]; }

std::vector<TTuneNote> TuneNotes(int bars) {
  std::vector<TTuneNote> notes;
  for (int bar = 0; bar < bars; ++bar)
    for (const auto& n : kTune[size_t(bar % kMusicBars)])
      if (n[1] > 0) notes.push_back({4.0 * bar + n[0], n[1], int(n[2])});
  return notes;
}

std::array<int, 8> ArpeggioOfBar(int bar) {
  const TChord& chord = ChordOfBar(bar);
  const int pattern[] = {0, 1, 2, 1, 0, 1, 2, 1};
  std::array<int, 8> notes{};
  for (size_t step = 0; step < 8; ++step)
    notes[step] = chord.tones[size_t(pattern[step])] + (step == 2 || step == 6 ? 12 : 0);
  return notes;
}

std::array<int, 2> BassOfBar(int bar) {
  const int root = ChordOfBar(bar).root;
  return {root, root + (bar % 2 == 0 ? 7 : 12)};
}

}  // namespace corvellane
