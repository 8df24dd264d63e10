#include "tools/embed_archive/archive_writer.h"

#include <minizip/zip.h>
#include <zlib.h>

#include <algorithm>
#include <fstream>
#include <iterator>

namespace corvellane {

namespace {

constexpr int kDosEpochYear = 1980;

zip_fileinfo FixedFileInfo() {
  zip_fileinfo info{};
  info.tmz_date.tm_year = kDosEpochYear;
  info.tmz_date.tm_mday = 1;
  return info;
}

bool AddFile(zipFile zip, const ArchiveFile& file, ArchiveMethod method) {
  const zip_fileinfo info = FixedFileInfo();
  const bool deflate = method == ArchiveMethod::kDeflated;
  if (zipOpenNewFileInZip64(zip, file.name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr,
                            deflate ? Z_DEFLATED : 0, deflate ? Z_BEST_COMPRESSION : 0, 0) != ZIP_OK)
    return false;
  bool written = file.bytes.empty() ||
                 zipWriteInFileInZip(zip, file.bytes.data(), static_cast<unsigned>(file.bytes.size())) == ZIP_OK;
  return zipCloseFileInZip(zip) == ZIP_OK && written;
}

std::string ReadWholeFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

bool WriteZipArchive(const std::filesystem::path& path, std::span<const ArchiveFile> files, ArchiveMethod method) {
  zipFile zip = zipOpen64(path.string().c_str(), APPEND_STATUS_CREATE);
  if (!zip) return false;
  bool ok = std::all_of(files.begin(), files.end(), [&](const ArchiveFile& f) { return AddFile(zip, f, method); });
  return zipClose(zip, nullptr) == ZIP_OK && ok;
}

std::vector<ArchiveFile> CollectFolder(const std::filesystem::path& folder) {
  std::vector<ArchiveFile> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    if (!entry.is_regular_file()) continue;
    std::string name = entry.path().lexically_relative(folder).generic_string();
    files.push_back({std::move(name), ReadWholeFile(entry.path())});
  }
  std::sort(files.begin(), files.end(), [](const ArchiveFile& a, const ArchiveFile& b) { return a.name < b.name; });
  return files;
}

}  // namespace corvellane
