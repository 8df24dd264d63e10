// archive_writer.h: writing zip archives (build step and tests).
//
// The build packs content folders into archives that are compiled into the
// program; tests build archives to read back. Archives are written with fixed
// time stamps and entries in the given order, so the same input always gives
// the same bytes.
//
//   WriteZipArchive("pack.tgd", {{"ini/a.ini", "<a/>"}});
//   auto files = CollectFolder("content/iniresource");   // sorted, "/" names
#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace corvellane {

struct ArchiveFile {
  std::string name;   // path inside the archive, "/" separators
  std::string bytes;
};

enum class ArchiveMethod { kStored, kDeflated };

// False when the archive cannot be written.
bool WriteZipArchive(const std::filesystem::path& path, std::span<const ArchiveFile> files,
                     ArchiveMethod method = ArchiveMethod::kDeflated);
// Every regular file below the folder, named relative to it, sorted by name.
std::vector<ArchiveFile> CollectFolder(const std::filesystem::path& folder);

}  // namespace corvellane
