#include "engine/audio/wav_writer.h"

#include <array>
#include <limits>

#include "engine/audio/byte_order.h"

namespace corvellane {

namespace {

constexpr uint32_t kHeaderBytes = 44;
constexpr uint32_t kMaxDataBytes = std::numeric_limits<uint32_t>::max() - kHeaderBytes;

}  // namespace

TWavWriter::~TWavWriter() { Close(); }

bool TWavWriter::Open(const std::string& path, int sample_rate, int channels) {
  Close();
  if (sample_rate <= 0 || channels <= 0 || channels > 8) return false;
  file_ = std::fopen(path.c_str(), "wb");
  if (!file_) return false;
  sample_rate_ = sample_rate;
  channels_ = channels;
  data_bytes_ = 0;
  failed_ = !WriteHeader();
  return !failed_;
}

bool TWavWriter::WriteHeader() {
  std::array<uint8_t, kHeaderBytes> h{};
  uint32_t block_align = uint32_t(channels_) * 2;
  PutTag(h.data() + 0, "RIFF");
  PutLe32(h.data() + 4, 36 + data_bytes_);
  PutTag(h.data() + 8, "WAVE");
  PutTag(h.data() + 12, "fmt ");
  PutLe32(h.data() + 16, 16);
  PutLe16(h.data() + 20, 1);  // integer PCM
  PutLe16(h.data() + 22, uint16_t(channels_));
  PutLe32(h.data() + 24, uint32_t(sample_rate_));
  PutLe32(h.data() + 28, uint32_t(sample_rate_) * block_align);
  PutLe16(h.data() + 32, uint16_t(block_align));
  PutLe16(h.data() + 34, 16);
  PutTag(h.data() + 36, "data");
  PutLe32(h.data() + 40, data_bytes_);
  return std::fseek(file_, 0, SEEK_SET) == 0 && std::fwrite(h.data(), 1, h.size(), file_) == h.size();
}

bool TWavWriter::Append(std::span<const int16_t> interleaved) {
  if (!file_) return false;
  size_t frame_samples = size_t(channels_);
  size_t room = (kMaxDataBytes - data_bytes_) / 2 / frame_samples * frame_samples;
  size_t count = std::min(interleaved.size() / frame_samples * frame_samples, room);
  std::array<uint8_t, 4096> bytes;
  for (size_t done = 0; done < count;) {
    size_t n = std::min(count - done, bytes.size() / 2);
    for (size_t i = 0; i < n; ++i) PutLe16(bytes.data() + 2 * i, uint16_t(interleaved[done + i]));
    if (std::fwrite(bytes.data(), 2, n, file_) != n) failed_ = true;
    done += n;
  }
  data_bytes_ += uint32_t(count * 2);
  return !failed_ && count == interleaved.size();
}

bool TWavWriter::Close() {
  if (!file_) return false;
  bool ok = WriteHeader() && !failed_;
  ok = std::fclose(file_) == 0 && ok;
  file_ = nullptr;
  return ok;
}

}  // namespace corvellane
