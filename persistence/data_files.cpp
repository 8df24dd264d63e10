#include "persistence/data_files.h"

#include "persistence/log.h"
#include "persistence/paths.h"
#include "persistence/whole_file.h"

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
  FileBytes file = ReadWholeFile(NormalizePath(path));
  if (file.status == FileReadStatus::Unreadable) LogWarning(std::string(path) + " exists but cannot be read as a data file");
  if (!file.ok()) return std::nullopt;
  return std::move(file.bytes);
}

}  // namespace corvellane
