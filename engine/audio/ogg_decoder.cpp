#include "engine/audio/ogg_decoder.h"

#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cstring>

#include "engine/audio/byte_order.h"

namespace corvellane {

namespace {

struct MemoryStream {
  std::span<const uint8_t> bytes;
  size_t position = 0;
};

size_t ReadMemory(void* out, size_t size, size_t count, void* source) {
  auto* s = static_cast<MemoryStream*>(source);
  if (size == 0) return 0;
  size_t items = std::min(count, (s->bytes.size() - s->position) / size);
  std::memcpy(out, s->bytes.data() + s->position, items * size);
  s->position += items * size;
  return items;
}

// Owns an open vorbisfile decoder.
class VorbisFile {
 public:
  explicit VorbisFile(MemoryStream& stream) {
    // Decoding runs front to back, so the stream is opened as not seekable:
    // vorbisfile then does not hunt for the last page, and a file that was
    // cut short still opens and plays what it holds.
    ov_callbacks callbacks{ReadMemory, nullptr, nullptr, nullptr};
    open_ = ov_open_callbacks(&stream, &file_, nullptr, 0, callbacks) == 0;
  }
  ~VorbisFile() {
    if (open_) ov_clear(&file_);
  }
  VorbisFile(const VorbisFile&) = delete;
  VorbisFile& operator=(const VorbisFile&) = delete;
  bool IsOpen() const { return open_; }
  OggVorbis_File* Get() { return &file_; }

 private:
  OggVorbis_File file_{};
  bool open_ = false;
};

bool SameFormat(vorbis_info* info, const DecodedPcm& pcm) {
  return info && info->channels == pcm.channels && info->rate == pcm.sample_rate;
}

}  // namespace

bool LooksLikeOgg(std::span<const uint8_t> bytes) { return HasTag(bytes, 0, "OggS"); }

std::optional<DecodedPcm> DecodeOgg(std::span<const uint8_t> bytes) {
  if (!LooksLikeOgg(bytes)) return std::nullopt;
  MemoryStream stream{bytes};
  VorbisFile vorbis(stream);
  if (!vorbis.IsOpen()) return std::nullopt;
  vorbis_info* info = ov_info(vorbis.Get(), -1);
  if (!info || info->channels < 1 || info->channels > 2) return std::nullopt;
  DecodedPcm pcm{int(info->rate), info->channels, {}};
  // The mixer keeps at most kMaxMixerFrames; decoding further is wasted work.
  const uint64_t limit = uint64_t(kMaxMixerFrames) * uint64_t(pcm.channels) * uint64_t(pcm.sample_rate) / 44100;
  char buffer[16384];
  for (;;) {
    int section = 0;
    long got = ov_read(vorbis.Get(), buffer, sizeof buffer, 0 /* little endian */, 2, 1, &section);
    if (got == OV_HOLE) continue;  // a gap in the data: carry on after it
    if (got <= 0) break;           // end, or damage: keep what was decoded
    if (!SameFormat(ov_info(vorbis.Get(), section), pcm)) return std::nullopt;
    for (long i = 0; i + 1 < got; i += 2) {
      pcm.samples.push_back(int16_t(GetLe16(reinterpret_cast<const uint8_t*>(buffer) + i)));
    }
    if (pcm.samples.size() >= limit) break;
  }
  return pcm;
}

}  // namespace corvellane
