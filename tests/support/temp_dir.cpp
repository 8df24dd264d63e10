#include "tests/support/temp_dir.h"

#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace corvellane::testing {

TempDir::TempDir() {
  std::random_device rd;
  for (int attempt = 0; attempt < 100; ++attempt) {
    auto candidate = std::filesystem::temp_directory_path() / ("corvellane-test-" + std::to_string(rd()));
    if (std::filesystem::create_directory(candidate)) {
      path_ = candidate;
      return;
    }
  }
  throw std::runtime_error("cannot create a temporary folder");
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

std::string TempDir::File(std::string_view name) const { return (path_ / std::string(name)).string(); }

std::string TempDir::Write(std::string_view name, std::string_view bytes) const {
  auto file = path_ / std::string(name);
  std::filesystem::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return file.string();
}

std::string TempDir::Read(std::string_view name) const {
  std::ifstream in(path_ / std::string(name), std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

}  // namespace corvellane::testing
