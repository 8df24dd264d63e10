// temp_dir.h: a fresh, empty folder per test, removed afterwards.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace corvellane::testing {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // Path of a file inside the folder, as text.
  std::string File(std::string_view name) const;
  // Writes bytes to a file inside the folder (creating sub-folders).
  std::string Write(std::string_view name, std::string_view bytes) const;
  std::string Read(std::string_view name) const;

 private:
  std::filesystem::path path_;
};

}  // namespace corvellane::testing
