#include "tools/sound_maker/sound_files.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

#include "engine/audio/wav_writer.h"
#include "tools/media_common/rgba_image.h"
#include "tools/media_common/tool_options.h"
#include "tools/sound_maker/synth.h"

namespace corvellane {
namespace {

constexpr int kOggSerial = 0x436F7276;
constexpr float kVorbisQuality = 0.4f;

bool EndsWith(const std::string& text, std::string_view ending) {
  return text.size() >= ending.size() && text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

void WriteWav(const std::string& path, const std::vector<float>& interleaved, int channels) {
  TWavWriter wav;
  const std::vector<int16_t> pcm = ToPcm16(interleaved);
  if (!wav.Open(path, kSampleRate, channels) || !wav.Append(pcm) || !wav.Close())
    throw EToolError("cannot write " + path);
}

// The libvorbis and libogg encoder state, released in the right order.
class TVorbisEncoder {
 public:
  TVorbisEncoder(int channels) {
    vorbis_info_init(&info_);
    if (vorbis_encode_init_vbr(&info_, channels, kSampleRate, kVorbisQuality) != 0) {
      vorbis_info_clear(&info_);
      throw EToolError("the Vorbis encoder refused the format");
    }
    vorbis_comment_init(&comment_);
    vorbis_analysis_init(&dsp_, &info_);
    vorbis_block_init(&dsp_, &block_);
    ogg_stream_init(&stream_, kOggSerial);
  }
  ~TVorbisEncoder() {
    ogg_stream_clear(&stream_);
    vorbis_block_clear(&block_);
    vorbis_dsp_clear(&dsp_);
    vorbis_comment_clear(&comment_);
    vorbis_info_clear(&info_);
  }
  TVorbisEncoder(const TVorbisEncoder&) = delete;
  TVorbisEncoder& operator=(const TVorbisEncoder&) = delete;

  bool WriteHeaders(std::FILE* file) {
    ogg_packet id, comments, codebooks;
    vorbis_analysis_headerout(&dsp_, &comment_, &id, &comments, &codebooks);
    ogg_stream_packetin(&stream_, &id);
    ogg_stream_packetin(&stream_, &comments);
    ogg_stream_packetin(&stream_, &codebooks);
    ogg_page page;
    while (ogg_stream_flush(&stream_, &page) != 0)
      if (!WritePage(file, page)) return false;
    return true;
  }

  // An empty span marks the end of the stream.
  bool Encode(std::FILE* file, const float* interleaved, int frames, int channels) {
    if (frames > 0) {
      float** buffer = vorbis_analysis_buffer(&dsp_, frames);
      for (int i = 0; i < frames; ++i)
        for (int c = 0; c < channels; ++c) buffer[c][i] = interleaved[i * channels + c];
    }
    vorbis_analysis_wrote(&dsp_, frames);
    while (vorbis_analysis_blockout(&dsp_, &block_) == 1) {
      vorbis_analysis(&block_, nullptr);
      vorbis_bitrate_addblock(&block_);
      ogg_packet packet;
      while (vorbis_bitrate_flushpacket(&dsp_, &packet) == 1) {
        ogg_stream_packetin(&stream_, &packet);
        ogg_page page;
        while (ogg_stream_pageout(&stream_, &page) != 0)
          if (!WritePage(file, page)) return false;
      }
    }
    return true;
  }

 private:
  static bool WritePage(std::FILE* file, const ogg_page& page) {
    return std::fwrite(page.header, 1, size_t(page.header_len), file) == size_t(page.header_len) &&
           std::fwrite(page.body, 1, size_t(page.body_len), file) == size_t(page.body_len);
  }

  vorbis_info info_;
  vorbis_comment comment_;
  vorbis_dsp_state dsp_;
  vorbis_block block_;
  ogg_stream_state stream_;
};

struct TFileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

void WriteOgg(const std::string& path, const std::vector<float>& interleaved, int channels) {
  TVorbisEncoder encoder(channels);
  std::unique_ptr<std::FILE, TFileCloser> file(std::fopen(path.c_str(), "wb"));
  if (!file) throw EToolError("cannot write " + path);
  bool ok = encoder.WriteHeaders(file.get());
  constexpr int kChunk = 4096;
  const int frames = int(interleaved.size() / size_t(channels));
  for (int at = 0; ok && at < frames; at += kChunk)
    ok = encoder.Encode(file.get(), interleaved.data() + size_t(at) * size_t(channels), std::min(kChunk, frames - at),
                        channels);
  ok = ok && encoder.Encode(file.get(), nullptr, 0, channels);
  ok = std::fflush(file.get()) == 0 && ok;
  if (!ok) throw EToolError("cannot write " + path);
}

}  // namespace

std::vector<int16_t> ToPcm16(const std::vector<float>& samples) {
  std::vector<int16_t> pcm(samples.size());
  for (size_t i = 0; i < samples.size(); ++i)
    pcm[i] = int16_t(std::lround(std::clamp(samples[i], -1.0f, 1.0f) * 32767.0f));
  return pcm;
}

void WriteSoundFile(const std::string& path, const std::vector<float>& interleaved, int channels) {
  if (!MakeFolderFor(path)) throw EToolError("cannot create the folder of " + path);
  if (EndsWith(path, ".wav")) return WriteWav(path, interleaved, channels);
  if (EndsWith(path, ".ogg")) return WriteOgg(path, interleaved, channels);
  throw EToolError("the file name must end in .wav or .ogg: " + path);
}

}  // namespace corvellane
