#include "fuzz/fuzz_support.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "persistence/cipher.h"
#include "persistence/data_files.h"
#include "persistence/log.h"
#include "persistence/whole_file.h"

namespace corvellane {

void FuzzQuietly() {
  SetLogLevel(LogLevel::Silent);
  SetDataFileReader([](std::string_view) { return std::optional<std::string>(); });
}

std::string StoredForm(std::string_view input, std::string_view key) {
  if (!input.empty() && input.front() == '<') return EncryptText(key, input);
  return std::string(input);
}

TFuzzSettingsFolder::TFuzzSettingsFolder() {
  namespace fs = std::filesystem;
  std::error_code error;
  const fs::path memory = fs::is_directory("/dev/shm", error) ? fs::path("/dev/shm") : fs::temp_directory_path();
  path_ = (memory / ("corvellane-fuzz-" + std::to_string(::getpid()))).string() + "/";
  fs::create_directories(path_, error);
  ::setenv("CORVELLANE_SETTINGS_DIR", path_.c_str(), 1);
}

TFuzzSettingsFolder::~TFuzzSettingsFolder() {
  std::error_code error;
  std::filesystem::remove_all(path_, error);
}

void TFuzzSettingsFolder::Put(std::string_view file_name, std::string_view bytes) {
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(path_, error)) std::filesystem::remove(entry, error);
  WriteFileAtomically(path_ + std::string(file_name), bytes);
}

TFuzzSettingsFolder& FuzzSettingsFolder() {
  static TFuzzSettingsFolder folder;
  return folder;
}

}  // namespace corvellane
