// fuzz_support.h: what the fuzz targets share.
//
//   extern "C" int LLVMFuzzerInitialize(int*, char***) { FuzzQuietly(); return 0; }
//   extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
//     std::string_view input = AsText(data, size);
//     TFuzzSettingsFolder& settings = FuzzSettingsFolder();   // /dev/shm/..., emptied
//     settings.Put("options.dat", StoredForm(input, key));
//     ...
//     FuzzCheck(loaded_twice == loaded_once);   // a broken promise is a finding
//   }
//
// Files a player keeps (options, records, profiles) are read by the game
// from its settings folder; their fuzzers write each input there, into a
// private folder in memory (/dev/shm when there is one), emptied before
// every input so that files the readers set aside do not pile up.
//
// Enciphered files take two forms of input: text starting with "<" is the
// plain document, enciphered before it is written, so that mutations reach
// the loaders behind the cipher; anything else is the stored file as it is,
// which exercises the decipherer on damaged text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace corvellane {

// The log silent, no data files to be found (an input may name any path,
// /dev/zero included).
void FuzzQuietly();

inline std::string_view AsText(const uint8_t* data, size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// Traps: libFuzzer reports the input that broke a promise.
inline void FuzzCheck(bool promise) {
  if (!promise) __builtin_trap();
}

// The input as the stored file: enciphered when it is a plain document.
std::string StoredForm(std::string_view input, std::string_view key);

class TFuzzSettingsFolder {
 public:
  TFuzzSettingsFolder();
  ~TFuzzSettingsFolder();
  TFuzzSettingsFolder(const TFuzzSettingsFolder&) = delete;
  TFuzzSettingsFolder& operator=(const TFuzzSettingsFolder&) = delete;

  // With a trailing slash; CORVELLANE_SETTINGS_DIR names it.
  const std::string& Path() const { return path_; }
  // Empties the folder, then writes the file.
  void Put(std::string_view file_name, std::string_view bytes);

 private:
  std::string path_;
};

// One folder for the process, made on first use.
TFuzzSettingsFolder& FuzzSettingsFolder();

}  // namespace corvellane
