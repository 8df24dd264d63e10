// wav_writer.h: writes 16-bit PCM to a WAV file as it comes.
//
// The header is written first with zero sizes and completed by Close (or the
// destructor), so a finished file is a valid RIFF WAVE file of any length up
// to the format's 4 GiB limit; samples past that limit are dropped.
//
//   TWavWriter wav;
//   wav.Open("run.wav", 44100, 2);
//   wav.Append(samples);   // interleaved
//   wav.Close();
#pragma once

#include <cstdint>
#include <cstdio>
#include <span>
#include <string>

namespace corvellane {

class TWavWriter {
 public:
  TWavWriter() = default;
  ~TWavWriter();
  TWavWriter(const TWavWriter&) = delete;
  TWavWriter& operator=(const TWavWriter&) = delete;

  bool Open(const std::string& path, int sample_rate, int channels);
  bool Append(std::span<const int16_t> interleaved);
  // Completes the header; answers false when anything could not be written.
  bool Close();
  bool IsOpen() const { return file_ != nullptr; }

 private:
  bool WriteHeader();

  std::FILE* file_ = nullptr;
  int sample_rate_ = 0;
  int channels_ = 0;
  uint32_t data_bytes_ = 0;
  bool failed_ = false;
};

}  // namespace corvellane
