#include "tools/sound_maker/tracker_module_writer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <fstream>

#include "tools/media_common/rgba_image.h"
#include "tools/media_common/tool_options.h"
#include "tools/sound_maker/music_score.h"
#include "tools/sound_maker/synth.h"

namespace corvellane {
namespace {

constexpr int kChannels = 4;
constexpr int kRows = 64;
constexpr int kRowsPerBeat = 4;
constexpr int kBarsPerPattern = kRows / (4 * kRowsPerBeat);
// A sample played at the note C-2 (period 428) runs at this rate on a PAL Amiga.
constexpr double kC2Rate = 7093789.2 / (428 * 2);
// MIDI note that the tracker's C-2 stands for in each instrument: the
// instruments are synthesised so that C-2 plays this pitch.
constexpr int kHarpBase = 60, kBassBase = 36, kBellBase = 60;

enum TInstrument { kHarp = 1, kBass = 2, kBell = 3 };

// ProTracker periods for C-1 .. B-3 (finetune 0).
constexpr std::array<uint16_t, 36> kPeriods = {856, 808, 762, 720, 678, 640, 604, 570, 538, 508, 480, 453,
                                               428, 404, 381, 360, 339, 320, 302, 285, 269, 254, 240, 226,
                                               214, 202, 190, 180, 170, 160, 151, 143, 135, 127, 120, 113};

struct TCell {
  uint16_t period = 0;
  uint8_t instrument = 0;
  uint8_t effect = 0;
  uint8_t parameter = 0;
};

using TPattern = std::array<std::array<TCell, kChannels>, kRows>;

// The period of a MIDI note for an instrument whose C-2 is `base`, moved by
// octaves into the three octaves a module can play.
uint16_t PeriodOf(int note, int base) {
  int index = note - base + 12;
  while (index < 0) index += 12;
  while (index >= int(kPeriods.size())) index -= 12;
  return kPeriods[size_t(index)];
}

// A note at its instrument's own volume.
TCell Note(int note, TInstrument instrument, int base) { return {PeriodOf(note, base), uint8_t(instrument), 0, 0}; }

// The same at another volume (0..64).
TCell Note(int note, TInstrument instrument, int base, uint8_t volume) {
  return {PeriodOf(note, base), uint8_t(instrument), 0x0C, volume};  // Cxx: set volume
}

// 8-bit signed sample data of a decaying tone at the instrument's C-2 rate.
std::vector<int8_t> Pluck(double frequency, double seconds, double brightness, double ratio, double ring) {
  const size_t length = size_t(seconds * kC2Rate) & ~size_t(1);
  std::vector<float> tone(length);
  for (size_t i = 0; i < length; ++i) {
    const double t = double(i) / kC2Rate;
    const double index = brightness * std::exp(-t / (ring * 0.2));
    const double modulator = std::sin(2 * M_PI * frequency * ratio * t);
    tone[i] = float(std::sin(2 * M_PI * frequency * t + index * modulator) * std::exp(-t / ring) *
                    std::min(1.0, t / 0.002));
  }
  Normalise(tone, 0.95f);
  std::vector<int8_t> data(length);
  for (size_t i = 0; i < length; ++i) data[i] = int8_t(std::lround(tone[i] * 127.0f));
  return data;
}

void PutText(std::vector<uint8_t>& out, std::string_view text, size_t width) {
  for (size_t i = 0; i < width; ++i) out.push_back(i < text.size() ? uint8_t(text[i]) : 0);
}

void PutWord(std::vector<uint8_t>& out, size_t value) {  // big-endian
  out.push_back(uint8_t(value >> 8));
  out.push_back(uint8_t(value));
}

void PutSampleHeader(std::vector<uint8_t>& out, std::string_view name, const std::vector<int8_t>& data,
                     uint8_t volume) {
  PutText(out, name, 22);
  PutWord(out, data.size() / 2);
  out.push_back(0);  // finetune
  out.push_back(volume);
  PutWord(out, 0);    // loop start
  PutWord(out, 1);    // loop length 1 word: no loop
}

void PutCell(std::vector<uint8_t>& out, const TCell& c) {
  out.push_back(uint8_t((c.instrument & 0xF0) | ((c.period >> 8) & 0x0F)));
  out.push_back(uint8_t(c.period));
  out.push_back(uint8_t(((c.instrument & 0x0F) << 4) | (c.effect & 0x0F)));
  out.push_back(c.parameter);
}

std::vector<TPattern> Arrange(int bars) {
  const int patterns = (bars + kBarsPerPattern - 1) / kBarsPerPattern;
  std::vector<TPattern> arranged(static_cast<size_t>(patterns), TPattern{});
  const auto cell = [&](double beat, int channel) -> TCell& {
    const int row = int(std::lround(beat * kRowsPerBeat));
    return arranged[size_t(row / kRows)][size_t(row % kRows)][size_t(channel)];
  };
  for (int bar = 0; bar < patterns * kBarsPerPattern; ++bar) {
    const std::array<int, 2> bass = BassOfBar(bar);
    cell(4.0 * bar, 1) = Note(bass[0], kBass, kBassBase);
    cell(4.0 * bar + 2, 1) = Note(bass[1], kBass, kBassBase, 40);
    const std::array<int, 8> arpeggio = ArpeggioOfBar(bar);
    // Two channels in turn, so each note rings on under the next; the
    // off-beats a little softer.
    for (size_t step = 0; step < arpeggio.size(); ++step) {
      TCell& c = cell(4.0 * bar + 0.5 * double(step), 2 + int(step % 2));
      c = step % 2 == 0 ? Note(arpeggio[step], kHarp, kHarpBase) : Note(arpeggio[step], kHarp, kHarpBase, 16);
    }
  }
  for (const TTuneNote& n : TuneNotes(patterns * kBarsPerPattern)) cell(n.beat, 0) = Note(n.note, kBell, kBellBase);
  // Speed 6 and the tempo on the first row, where the third channel's note
  // plays at its own volume and the fourth channel is silent.
  arranged[0][0][2].effect = 0x0F;
  arranged[0][0][2].parameter = 6;
  arranged[0][0][3].effect = 0x0F;
  arranged[0][0][3].parameter = uint8_t(kMusicTempo);
  return arranged;
}

}  // namespace

std::vector<uint8_t> MakeThemeModule(int bars) {
  bars = std::clamp(bars, 1, kMusicBars);
  const std::vector<TPattern> patterns = Arrange(bars);
  const std::array<std::vector<int8_t>, 3> samples = {
      Pluck(NoteFrequency(kHarpBase), 1.4, 1.2, 1.0, 0.45),   // harp
      Pluck(NoteFrequency(kBassBase), 1.6, 0.8, 1.0, 0.6),    // bass
      Pluck(NoteFrequency(kBellBase), 1.8, 1.6, 3.5, 0.55),   // music-box bell
  };
  const std::array<std::string_view, 3> names = {"harp", "bass", "music box"};
  const std::array<uint8_t, 3> volumes = {22, 48, 44};

  std::vector<uint8_t> out;
  PutText(out, "Corvellane theme", 20);
  for (size_t i = 0; i < 31; ++i) {
    if (i < samples.size()) {
      PutSampleHeader(out, names[i], samples[i], volumes[i]);
    } else {
      PutText(out, "", 22);
      PutWord(out, 0);
      out.push_back(0);
      out.push_back(0);
      PutWord(out, 0);
      PutWord(out, 1);
    }
  }
  out.push_back(uint8_t(patterns.size()));  // song length
  out.push_back(127);                       // restart byte, as ProTracker writes it
  for (size_t i = 0; i < 128; ++i) out.push_back(i < patterns.size() ? uint8_t(i) : 0);
  PutText(out, "M.K.", 4);
  for (const TPattern& pattern : patterns)
    for (const auto& row : pattern)
      for (const TCell& c : row) PutCell(out, c);
  for (const auto& data : samples)
    for (int8_t s : data) out.push_back(uint8_t(s));
  return out;
}

void WriteModuleFile(const std::string& path, const std::vector<uint8_t>& module) {
  if (!MakeFolderFor(path)) throw EToolError("cannot create the folder of " + path);
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(module.data()), std::streamsize(module.size()));
  if (!file.flush()) throw EToolError("cannot write " + path);
}

}  // namespace corvellane
