// corvellane-fuzz-seeds OUT_DIR CORPUS_DIR: the seeds that are bytes rather
// than text, made at build time instead of kept in the repository. For each
// fuzzer a folder OUT_DIR/<fuzzer>/ receives:
//   jpeg_fuzzer      photographs the decoder takes (baseline, progressive,
//                    one pixel)
//   options_fuzzer, record_file_fuzzer, profiles_fuzzer
//                    the plain documents of CORPUS_DIR/<fuzzer>/*.xml,
//                    enciphered with the file's key as the game stores them
// The media the content tools make (pictures, sounds, music, fonts) are
// taken from the test build's program folder instead (fuzz/*.seeds).
// jpeglib.h uses size_t and FILE without including their headers.
#include <cstdio>

#include <jpeglib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "persistence/cipher.h"
#include "persistence/whole_file.h"
#include "shell/declarations.h"

namespace {

namespace fs = std::filesystem;
using namespace corvellane;

std::string EncodeJpeg(int width, int height, bool progressive) {
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr err{};
  cinfo.err = jpeg_std_error(&err);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = JDIMENSION(width);
  cinfo.image_height = JDIMENSION(height);
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 60, TRUE);
  if (progressive) jpeg_simple_progression(&cinfo);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<unsigned char> row(size_t(width) * 3);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      row[size_t(x) * 3] = static_cast<unsigned char>(x * 16);
      row[size_t(x) * 3 + 1] = static_cast<unsigned char>(y * 16);
      row[size_t(x) * 3 + 2] = static_cast<unsigned char>((x + y) * 8);
    }
    JSAMPROW rows[] = {row.data()};
    jpeg_write_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_compress(&cinfo);
  std::string bytes(reinterpret_cast<const char*>(buffer), size);
  jpeg_destroy_compress(&cinfo);
  std::free(buffer);
  return bytes;
}

bool Write(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path());
  return WriteFileAtomically(path.string(), bytes);
}

// The plain documents of a fuzzer's corpus, enciphered with the key.
bool EncipherCorpus(const fs::path& corpus, const fs::path& out, const std::string& fuzzer, product::FileKey key) {
  bool written = true;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(corpus / fuzzer, error)) {
    if (entry.path().extension() != ".xml") continue;
    FileBytes plain = ReadWholeFile(entry.path().string());
    fs::path target = out / fuzzer / entry.path().filename();
    target.replace_extension(".dat");
    written = written && plain.ok() && Write(target, EncryptText(product::FileKeyText(key), plain.bytes));
  }
  return written && !error;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: corvellane-fuzz-seeds OUT_DIR CORPUS_DIR\n");
    return 2;
  }
  const fs::path out = argv[1];
  const fs::path corpus = argv[2];
  bool ok = Write(out / "jpeg_fuzzer" / "baseline.jpg", EncodeJpeg(16, 12, false)) &&
            Write(out / "jpeg_fuzzer" / "progressive.jpg", EncodeJpeg(16, 12, true)) &&
            Write(out / "jpeg_fuzzer" / "pixel.jpg", EncodeJpeg(1, 1, false)) &&
            EncipherCorpus(corpus, out, "options_fuzzer", product::FileKey::Options) &&
            EncipherCorpus(corpus, out, "record_file_fuzzer", product::FileKey::HighScores) &&
            EncipherCorpus(corpus, out, "profiles_fuzzer", product::FileKey::Profiles);
  if (!ok) std::fprintf(stderr, "corvellane-fuzz-seeds: could not write the seeds into %s\n", argv[1]);
  return ok ? 0 : 1;
}
