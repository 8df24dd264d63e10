// Arbitrary bytes as a ".tgd" archive standing in for a folder: the resource
// reader lists every entry and reads each one, by its own name and by an
// upper-cased one, and the same bytes are read once more as an archive held
// in memory (the way archives built into the program are read). Whatever
// reads must come back as an entry CRC-checked to the size it declares.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "engine/resource_reader.h"
#include "engine/zip_archive.h"
#include "xml/ascii_case.h"

namespace {

namespace fs = std::filesystem;
using namespace corvellane;

// Entries of a few megabytes are plenty to reach every path.
constexpr uint64_t kEntrySizeLimit = uint64_t{16} << 20;

const fs::path& ScratchFolder() {
  static const fs::path folder = [] {
    std::string pattern = (fs::temp_directory_path() / "zip-fuzzer-XXXXXX").string();
    if (!mkdtemp(pattern.data())) std::abort();
    std::atexit([] {
      std::error_code ec;
      fs::remove_all(ScratchFolder(), ec);
    });
    return fs::path(pattern);
  }();
  return folder;
}

void ReadThroughResourceReader(const uint8_t* data, size_t size) {
  const fs::path archive = ScratchFolder() / "pack.tgd";
  {
    std::ofstream out(archive, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  ResetResourceReader();
  const std::string location = (ScratchFolder() / "pack").string();
  TResourceReader reader(location);
  for (const std::string& name : reader.EntryNames()) {
    auto bytes = ReadResourceFile(location + "\\" + name);
    auto again = ReadResourceFile(location + "/" + ToUpperAscii(name));
    if (bytes.has_value() != again.has_value()) __builtin_trap();
    if (auto stream = OpenResourceForReading(location + "/" + name); stream && !bytes) __builtin_trap();
  }
}

void ReadFromMemory(const uint8_t* data, size_t size) {
  auto zip = TZipArchive::OpenMemory({data, size});
  if (!zip) return;
  for (const std::string& name : zip->EntryNames()) zip->ReadEntry(name);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  SetArchiveEntrySizeLimit(kEntrySizeLimit);
  SetArchiveExtension(".tgd");
  ReadThroughResourceReader(data, size);
  ReadFromMemory(data, size);
  return 0;
}
