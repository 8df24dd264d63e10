#include "engine/zip_archive.h"

#include <minizip/unzip.h>
#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstring>

#include "xml/ascii_case.h"

namespace corvellane {

namespace {

constexpr uint64_t kDefaultEntrySizeLimit = uint64_t{256} << 20;
constexpr size_t kLongestEntryName = 255;
constexpr size_t kInflateChunk = 64 * 1024;
constexpr unsigned long kEncryptedFlag = 1;
constexpr unsigned long kStored = 0;

uint64_t& EntrySizeLimitSlot() {
  static uint64_t limit = kDefaultEntrySizeLimit;
  return limit;
}

unzFile Handle(void* handle) { return static_cast<unzFile>(handle); }

std::string EntryKey(std::string_view name) {
  std::string key = ToUpperAscii(name);
  std::replace(key.begin(), key.end(), '\\', '/');
  return key;
}

// minizip reads the archive through these when it lives in memory. The
// stream handle is the MemorySource itself; the archive owns it.
using Source = TZipArchive::MemorySource;

voidpf ZCALLBACK OpenMemory(voidpf opaque, const void*, int mode) {
  if ((mode & ZLIB_FILEFUNC_MODE_READWRITEFILTER) != ZLIB_FILEFUNC_MODE_READ) return nullptr;
  static_cast<Source*>(opaque)->position = 0;
  return opaque;
}

uLong ZCALLBACK ReadMemory(voidpf, voidpf stream, void* buffer, uLong size) {
  auto* source = static_cast<Source*>(stream);
  uint64_t left = source->bytes.size() - source->position;
  uLong count = static_cast<uLong>(std::min<uint64_t>(size, left));
  if (count > 0) std::memcpy(buffer, source->bytes.data() + source->position, count);
  source->position += count;
  return count;
}

uLong ZCALLBACK WriteNothing(voidpf, voidpf, const void*, uLong) { return 0; }

ZPOS64_T ZCALLBACK TellMemory(voidpf, voidpf stream) { return static_cast<Source*>(stream)->position; }

long ZCALLBACK SeekMemory(voidpf, voidpf stream, ZPOS64_T offset, int origin) {
  auto* source = static_cast<Source*>(stream);
  const uint64_t size = source->bytes.size();
  uint64_t base = 0;
  if (origin == ZLIB_FILEFUNC_SEEK_CUR) base = source->position;
  else if (origin == ZLIB_FILEFUNC_SEEK_END) base = size;
  else if (origin != ZLIB_FILEFUNC_SEEK_SET) return -1;
  if (offset > size || base > size - offset) return -1;
  source->position = base + offset;
  return 0;
}

int ZCALLBACK CloseMemory(voidpf, voidpf) { return 0; }
int ZCALLBACK NoError(voidpf, voidpf) { return 0; }

zlib_filefunc64_def MemoryFunctions(Source* source) {
  zlib_filefunc64_def functions{};
  functions.zopen64_file = OpenMemory;
  functions.zread_file = ReadMemory;
  functions.zwrite_file = WriteNothing;
  functions.ztell64_file = TellMemory;
  functions.zseek64_file = SeekMemory;
  functions.zclose_file = CloseMemory;
  functions.zerror_file = NoError;
  functions.opaque = source;
  return functions;
}

bool IsReadableEntry(const unz_file_info64& info) {
  if (info.flag & kEncryptedFlag) return false;
  if (info.compression_method != kStored && info.compression_method != Z_DEFLATED) return false;
  return info.uncompressed_size <= ArchiveEntrySizeLimit();
}

}  // namespace

void SetArchiveEntrySizeLimit(uint64_t bytes) { EntrySizeLimitSlot() = bytes; }
uint64_t ArchiveEntrySizeLimit() { return EntrySizeLimitSlot(); }

std::unique_ptr<TZipArchive> TZipArchive::OpenFile(const std::string& path) {
  std::unique_ptr<TZipArchive> archive(new TZipArchive());
  if (!archive->Open(path, false)) return nullptr;
  return archive;
}

std::unique_ptr<TZipArchive> TZipArchive::OpenMemory(std::span<const unsigned char> bytes) {
  std::unique_ptr<TZipArchive> archive(new TZipArchive());
  archive->memory_ = std::make_unique<MemorySource>(MemorySource{bytes, 0});
  if (!archive->Open("memory", true)) return nullptr;
  return archive;
}

TZipArchive::~TZipArchive() {
  if (handle_) unzClose(Handle(handle_));
}

bool TZipArchive::Open(const std::string& path, bool from_memory) {
  zlib_filefunc64_def functions{};
  if (from_memory) functions = MemoryFunctions(memory_.get());
  else fill_fopen64_filefunc(&functions);
  handle_ = unzOpen2_64(path.c_str(), &functions);
  return handle_ != nullptr && BuildIndex();
}

bool TZipArchive::BuildIndex() {
  unzFile zip = Handle(handle_);
  unz_global_info64 global{};
  if (unzGetGlobalInfo64(zip, &global) != UNZ_OK) return false;
  if (global.number_entry == 0) return true;
  int status = unzGoToFirstFile(zip);
  for (; status == UNZ_OK; status = unzGoToNextFile(zip)) {
    unz_file_info64 info{};
    std::array<char, kLongestEntryName + 1> name{};
    if (unzGetCurrentFileInfo64(zip, &info, name.data(), name.size(), nullptr, 0, nullptr, 0) != UNZ_OK) return false;
    if (info.size_filename > kLongestEntryName || info.size_filename == 0) continue;
    std::string entry_name(name.data(), info.size_filename);
    std::replace(entry_name.begin(), entry_name.end(), '\\', '/');
    if (entry_name.back() == '/') continue;  // a folder entry
    unz64_file_pos position{};
    if (unzGetFilePos64(zip, &position) != UNZ_OK) return false;
    // The first of several spellings of one name wins, as in a folder listing.
    if (by_folded_name_.emplace(EntryKey(entry_name), entries_.size()).second)
      entries_.push_back({std::move(entry_name), position.pos_in_zip_directory, position.num_of_file});
  }
  // Anything but the end of the list is a damaged directory.
  return status == UNZ_END_OF_LIST_OF_FILE;
}

std::vector<std::string> TZipArchive::EntryNames() const {
  std::vector<std::string> names;
  names.reserve(entries_.size());
  for (const Entry& entry : entries_) names.push_back(entry.name);
  return names;
}

bool TZipArchive::Contains(std::string_view name) const { return Find(name) != nullptr; }

const TZipArchive::Entry* TZipArchive::Find(std::string_view name) const {
  if (name.size() > kLongestEntryName) return nullptr;
  auto found = by_folded_name_.find(EntryKey(name));
  return found == by_folded_name_.end() ? nullptr : &entries_[found->second];
}

std::optional<std::string> TZipArchive::ReadEntry(std::string_view name) {
  const Entry* entry = Find(name);
  if (!entry) return std::nullopt;
  unz64_file_pos position{entry->directory_offset, entry->file_number};
  if (unzGoToFilePos64(Handle(handle_), &position) != UNZ_OK) return std::nullopt;
  return ReadCurrentEntry();
}

std::optional<std::string> TZipArchive::ReadCurrentEntry() {
  unzFile zip = Handle(handle_);
  unz_file_info64 info{};
  if (unzGetCurrentFileInfo64(zip, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK) return std::nullopt;
  if (!IsReadableEntry(info)) return std::nullopt;
  if (unzOpenCurrentFile(zip) != UNZ_OK) return std::nullopt;

  // The buffer grows with the data actually unpacked, so a declared size that
  // lies costs nothing.
  std::string content;
  std::vector<char> chunk(kInflateChunk);
  bool damaged = false;
  for (;;) {
    int count = unzReadCurrentFile(zip, chunk.data(), static_cast<unsigned>(chunk.size()));
    if (count < 0 || content.size() + static_cast<size_t>(std::max(count, 0)) > info.uncompressed_size) {
      damaged = true;
      break;
    }
    if (count == 0) break;
    content.append(chunk.data(), static_cast<size_t>(count));
  }
  int closed = unzCloseCurrentFile(zip);
  if (damaged || closed != UNZ_OK || content.size() != info.uncompressed_size) return std::nullopt;
  auto crc = crc32_z(0L, reinterpret_cast<const Bytef*>(content.data()), content.size());
  if (crc != info.crc) return std::nullopt;
  return content;
}

}  // namespace corvellane
