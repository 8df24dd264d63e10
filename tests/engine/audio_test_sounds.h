// audio_test_sounds.h: small sound files built in memory for the audio tests
// and the mixer benchmark.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/audio/byte_order.h"
#include "engine/audio/pcm.h"

namespace corvellane::testing {

using Bytes = std::vector<uint8_t>;

inline void AppendTag(Bytes& b, const char* tag) { b.insert(b.end(), tag, tag + 4); }
inline void AppendLe16(Bytes& b, uint16_t v) {
  b.push_back(uint8_t(v));
  b.push_back(uint8_t(v >> 8));
}
inline void AppendLe32(Bytes& b, uint32_t v) {
  AppendLe16(b, uint16_t(v));
  AppendLe16(b, uint16_t(v >> 16));
}

// A RIFF WAVE file; 8-bit output takes the high byte of each sample.
inline Bytes MakeWav(int rate, int channels, int bits, const std::vector<int16_t>& samples) {
  Bytes data;
  for (int16_t s : samples) {
    if (bits == 8) {
      data.push_back(uint8_t((s >> 8) + 128));
    } else {
      AppendLe16(data, uint16_t(s));
    }
  }
  Bytes b;
  AppendTag(b, "RIFF");
  AppendLe32(b, uint32_t(36 + data.size()));
  AppendTag(b, "WAVE");
  AppendTag(b, "fmt ");
  AppendLe32(b, 16);
  AppendLe16(b, 1);
  AppendLe16(b, uint16_t(channels));
  AppendLe32(b, uint32_t(rate));
  AppendLe32(b, uint32_t(rate * channels * bits / 8));
  AppendLe16(b, uint16_t(channels * bits / 8));
  AppendLe16(b, uint16_t(bits));
  AppendTag(b, "data");
  AppendLe32(b, uint32_t(data.size()));
  b.insert(b.end(), data.begin(), data.end());
  return b;
}

// Stereo 44100 Hz PCM whose left and right samples are given by functions of the frame.
template <class Left, class Right>
MixerPcm MakePcm(size_t frames, Left left, Right right) {
  MixerPcm pcm;
  for (size_t f = 0; f < frames; ++f) {
    pcm.samples.push_back(int16_t(left(f)));
    pcm.samples.push_back(int16_t(right(f)));
  }
  return pcm;
}

inline MixerPcm ConstantPcm(size_t frames, int16_t value) {
  return MakePcm(frames, [=](size_t) { return value; }, [=](size_t) { return value; });
}

// A four-channel ProTracker module: one pattern of 64 rows at one tick a row
// (about 1.3 s), a looping square-wave instrument struck on the first row.
inline Bytes MakeTinyMod() {
  Bytes b(20, 0);
  const char title[] = "tiny";
  std::copy(title, title + 4, b.begin());
  const uint16_t length_words = 32;
  for (int i = 0; i < 31; ++i) {
    Bytes header(30, 0);
    if (i == 0) {
      header[22] = uint8_t(length_words >> 8);  // big-endian words
      header[23] = uint8_t(length_words);
      header[25] = 64;                         // full volume
      header[28] = uint8_t(length_words >> 8);  // loop the whole sample
      header[29] = uint8_t(length_words);
    } else {
      header[29] = 1;                          // "no loop"
    }
    b.insert(b.end(), header.begin(), header.end());
  }
  b.push_back(1);    // song length
  b.push_back(127);  // restart position
  b.insert(b.end(), 128, 0);
  AppendTag(b, "M.K.");
  Bytes pattern(64 * 4 * 4, 0);
  const uint16_t period = 428;
  pattern[0] = uint8_t(period >> 8);  // sample 1 (high nibble 0), period
  pattern[1] = uint8_t(period);
  pattern[2] = 0x10;                  // sample 1 low nibble, no effect
  pattern[4 + 2] = 0x0F;              // channel 2: speed ...
  pattern[4 + 3] = 0x01;              // ... one tick a row
  b.insert(b.end(), pattern.begin(), pattern.end());
  for (int i = 0; i < length_words * 2; ++i) b.push_back(uint8_t(i < length_words ? 100 : -100));
  return b;
}

}  // namespace corvellane::testing
