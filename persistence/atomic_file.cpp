#include "persistence/atomic_file.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

namespace corvellane {

namespace {

std::string TemporaryNameFor(std::string_view path) {
  static std::mt19937 generator{std::random_device{}()};
  return std::string(path) + ".tmp" + std::to_string(generator() % 1000000);
}

bool WriteAndSync(const std::string& path, std::string_view bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  ok = std::fflush(file) == 0 && ok;
  ok = ::fsync(::fileno(file)) == 0 && ok;
  ok = std::fclose(file) == 0 && ok;
  return ok;
}

}  // namespace

bool WriteFileAtomically(std::string_view path, std::string_view bytes) {
  std::string temporary = TemporaryNameFor(path);
  std::error_code error;
  if (WriteAndSync(temporary, bytes)) {
    std::filesystem::rename(temporary, std::string(path), error);
    if (!error) return true;
  }
  std::filesystem::remove(temporary, error);
  return false;
}

}  // namespace corvellane
