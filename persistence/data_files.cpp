#include "persistence/data_files.h"

#include <fstream>
#include <iterator>
#include <sstream>

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
  std::ifstream in(NormalizePath(path), std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream bytes;
  bytes << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return std::move(bytes).str();
}

}  // namespace corvellane
