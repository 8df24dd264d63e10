// zip_archive.h: read-only access to the entries of a zip archive.
//
// Resource folders may be shipped packed: a zip archive (named like the folder
// plus the archive extension) or an archive embedded in the program stands in
// for the folder. TZipArchive reads such an archive from a file or from bytes
// in memory, with minizip on top of zlib.
//
//   auto zip = TZipArchive::OpenFile("data/images.tgd");
//   if (zip) auto bytes = zip->ReadEntry("Menu\\Back.png");  // any letter case
//
// Entry names are matched without regard to ASCII letter case; "\" and "/"
// are the same separator. The directory is read once, when the archive is
// opened, into an index, so a lookup does not scan the archive.
//
// Archives come from outside the program and are read defensively: an
// archive whose directory cannot be read does not open at all, and an entry
// that is damaged reads as missing, never as garbage. An entry is rejected
// when it is enciphered, uses a compression method other than stored or
// deflate, declares an unpacked size above ArchiveEntrySizeLimit, unpacks to
// another size than it declares, or fails its CRC-32 check. Entries with
// names longer than 255 characters are not indexed.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace corvellane {

// The largest unpacked entry the reader accepts (default 256 MiB).
void SetArchiveEntrySizeLimit(uint64_t bytes);
uint64_t ArchiveEntrySizeLimit();

class TZipArchive {
 public:
  // None when the file does not exist or is not a readable zip archive.
  static std::unique_ptr<TZipArchive> OpenFile(const std::string& path);
  // The bytes must outlive the archive (embedded data lives for the program).
  static std::unique_ptr<TZipArchive> OpenMemory(std::span<const unsigned char> bytes);

  ~TZipArchive();
  TZipArchive(const TZipArchive&) = delete;
  TZipArchive& operator=(const TZipArchive&) = delete;

  // Entry names as stored (with "/" separators), in archive order.
  std::vector<std::string> EntryNames() const;
  bool Contains(std::string_view name) const;
  // The whole unpacked entry, or none when it is missing or damaged.
  std::optional<std::string> ReadEntry(std::string_view name);

  // The source of the archive's bytes while it is open (minizip callbacks).
  struct MemorySource {
    std::span<const unsigned char> bytes;
    uint64_t position = 0;
  };

 private:
  struct Entry {
    std::string name;
    uint64_t directory_offset = 0;  // minizip's position of the entry
    uint64_t file_number = 0;
  };

  TZipArchive() = default;
  bool Open(const std::string& path, bool from_memory);
  bool BuildIndex();
  const Entry* Find(std::string_view name) const;
  std::optional<std::string> ReadCurrentEntry();

  void* handle_ = nullptr;  // unzFile
  std::unique_ptr<MemorySource> memory_;
  std::vector<Entry> entries_;
  std::unordered_map<std::string, size_t> by_folded_name_;
};

}  // namespace corvellane
