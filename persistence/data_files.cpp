#include "persistence/data_files.h"

#include <filesystem>
#include <fstream>

#include "persistence/paths.h"

namespace corvellane {

namespace {

DataFileReader& ReaderSlot() {
  static DataFileReader reader;
  return reader;
}

}  // namespace

void SetDataFileReader(DataFileReader reader) { ReaderSlot() = std::move(reader); }

std::optional<std::string> ReadDataFile(std::string_view path) {
  if (ReaderSlot()) return ReaderSlot()(path);
  return ReadDiskFile(path);
}

std::optional<std::string> ReadDiskFile(std::string_view path) {
  // A folder opens as a stream on Linux and then fails to read: only regular
  // files (or links to them) count as data files.
  std::string file = NormalizePath(path);
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) return std::nullopt;
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes;
  char buffer[64 * 1024];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) bytes.append(buffer, static_cast<size_t>(in.gcount()));
  if (in.bad()) return std::nullopt;
  return bytes;
}

}  // namespace corvellane
