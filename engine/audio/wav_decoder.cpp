#include "engine/audio/wav_decoder.h"

#include "engine/audio/byte_order.h"

namespace corvellane {

namespace {

constexpr uint16_t kFormatPcm = 1;
constexpr uint16_t kFormatExtensible = 0xFFFE;

struct WavFormat {
  int channels = 0;
  int sample_rate = 0;
  int bits_per_sample = 0;
};

std::optional<WavFormat> ReadFormat(std::span<const uint8_t> chunk) {
  if (chunk.size() < 16) return std::nullopt;
  uint16_t tag = GetLe16(chunk.data());
  if (tag == kFormatExtensible) {
    // The sub-format GUID starts with the plain format tag.
    if (chunk.size() < 26) return std::nullopt;
    tag = GetLe16(chunk.data() + 24);
  }
  if (tag != kFormatPcm) return std::nullopt;
  WavFormat f{GetLe16(chunk.data() + 2), int(GetLe32(chunk.data() + 4)), GetLe16(chunk.data() + 14)};
  if (f.channels != 1 && f.channels != 2) return std::nullopt;
  if (f.bits_per_sample != 8 && f.bits_per_sample != 16) return std::nullopt;
  if (f.sample_rate < kMinSourceRate || f.sample_rate > kMaxSourceRate) return std::nullopt;
  return f;
}

DecodedPcm ConvertSamples(const WavFormat& f, std::span<const uint8_t> data) {
  size_t bytes_per_sample = size_t(f.bits_per_sample / 8);
  size_t frame_bytes = bytes_per_sample * size_t(f.channels);
  size_t frames = data.size() / frame_bytes;
  DecodedPcm pcm{f.sample_rate, f.channels, {}};
  pcm.samples.resize(frames * size_t(f.channels));
  for (size_t i = 0; i < pcm.samples.size(); ++i) {
    const uint8_t* p = data.data() + i * bytes_per_sample;
    // 8-bit WAV samples are unsigned around 128.
    pcm.samples[i] = f.bits_per_sample == 8 ? int16_t((int(p[0]) - 128) << 8) : int16_t(GetLe16(p));
  }
  return pcm;
}

}  // namespace

bool LooksLikeWav(std::span<const uint8_t> bytes) { return HasTag(bytes, 0, "RIFF") && HasTag(bytes, 8, "WAVE"); }

std::optional<DecodedPcm> DecodeWav(std::span<const uint8_t> bytes) {
  if (!LooksLikeWav(bytes)) return std::nullopt;
  std::optional<WavFormat> format;
  size_t at = 12;
  while (at + 8 <= bytes.size()) {
    uint32_t size = GetLe32(bytes.data() + at + 4);
    size_t body = at + 8;
    size_t available = bytes.size() - body;
    if (HasTag(bytes, at, "data")) {
      if (!format) return std::nullopt;
      return ConvertSamples(*format, bytes.subspan(body, std::min<size_t>(size, available)));
    }
    if (size > available) return std::nullopt;
    if (HasTag(bytes, at, "fmt ")) {
      format = ReadFormat(bytes.subspan(body, size));
      if (!format) return std::nullopt;
    }
    at = body + size + (size & 1);
  }
  return std::nullopt;
}

}  // namespace corvellane
