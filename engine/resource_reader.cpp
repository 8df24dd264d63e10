#include "engine/resource_reader.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "engine/embedded_archives.h"
#include "engine/resource_folder_index.h"
#include "persistence/data_files.h"
#include "persistence/paths.h"
#include "persistence/whole_file.h"
#include "xml/ascii_case.h"

namespace corvellane {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kEmbeddedPrefix = "res:";

struct ReaderState {
  std::string archive_extension = ".zip";
  TFolderIndex folders;
  std::unique_ptr<TResourceReader> cached_archive;
};

ReaderState& State() {
  static ReaderState state;
  return state;
}

bool IsRegularFile(const std::string& path) {
  std::error_code ec;
  return fs::is_regular_file(path, ec);
}

bool IsFolder(const std::string& path) {
  std::error_code ec;
  return fs::is_directory(path, ec);
}

// The on-disk spelling of an existing regular file, or none.
std::optional<std::string> ExistingFile(std::string_view path) {
  std::optional<std::string> resolved = State().folders.Resolve(path);
  if (resolved && IsRegularFile(*resolved)) return resolved;
  return std::nullopt;
}

std::optional<std::string> ReadFileBytes(const std::string& path) {
  FileBytes file = ReadWholeFile(path);
  if (!file.ok()) return std::nullopt;
  return std::move(file.bytes);
}

// A bare file name is read from the current folder.
std::string ResourcePath(std::string_view name) {
  std::string path = NormalizePath(name);
  if (path.find('/') == std::string::npos) path.insert(0, "./");
  return path;
}

// Tries the locations of a path from the left (see the header) and answers
// the first result of `open` that holds something.
template <class Open>
auto OpenThroughLocations(std::string_view name, Open open) -> decltype(open(std::declval<TResourceReader&>(), name)) {
  const std::string path = ResourcePath(name);
  ReaderState& state = State();
  if (TResourceReader* cached = state.cached_archive.get()) {
    const std::string& location = cached->Location();
    if (path.size() > location.size() + 1 && path[location.size()] == '/' && StartsWithIgnoreAsciiCase(path, location))
      if (auto result = open(*cached, std::string_view(path).substr(location.size() + 1))) return result;
  }
  for (size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1)) {
    std::string location = path.substr(0, slash);
    std::string_view rest = std::string_view(path).substr(slash + 1);
    if (rest.empty()) break;
    const bool is_cached = state.cached_archive && EqualsIgnoreAsciiCase(state.cached_archive->Location(), location);
    std::unique_ptr<TResourceReader> made;
    TResourceReader& reader = is_cached ? *state.cached_archive : *(made = std::make_unique<TResourceReader>(location));
    if (reader.Kind() == ResourceLocationKind::kNone) continue;
    if (auto result = open(reader, rest)) {
      if (made && made->Kind() == ResourceLocationKind::kArchive) state.cached_archive = std::move(made);
      return result;
    }
  }
  return {};
}

}  // namespace

TResourceReader::TResourceReader(std::string location) : location_(std::move(location)) {
  std::string_view where = location_;
  while (where.size() > 1 && where.back() == '/') where.remove_suffix(1);
  OpenArchive(where);
  if (archive_) {
    kind_ = ResourceLocationKind::kArchive;
  } else if (!StartsWithIgnoreAsciiCase(where, kEmbeddedPrefix)) {
    std::optional<std::string> resolved = State().folders.Resolve(where);
    if (resolved && IsFolder(*resolved)) {
      kind_ = ResourceLocationKind::kFolder;
      folder_ = std::move(*resolved);
    }
  }
}

void TResourceReader::OpenArchive(std::string_view location) {
  if (StartsWithIgnoreAsciiCase(location, kEmbeddedPrefix)) {
    if (auto bytes = FindEmbeddedArchive(location.substr(kEmbeddedPrefix.size()))) archive_ = TZipArchive::OpenMemory(*bytes);
    return;
  }
  std::optional<std::string> file = ExistingFile(location);
  if (!file) file = ExistingFile(std::string(location) + ArchiveExtension());
  if (file) archive_ = TZipArchive::OpenFile(*file);
}

std::optional<std::string> TResourceReader::FolderEntryPath(std::string_view entry) const {
  if (kind_ != ResourceLocationKind::kFolder) return std::nullopt;
  return ExistingFile(JoinPath(folder_, entry));
}

std::unique_ptr<std::istream> TResourceReader::Open(std::string_view entry) {
  if (archive_) {
    std::optional<std::string> bytes = archive_->ReadEntry(entry);
    if (!bytes) return nullptr;
    return std::make_unique<std::istringstream>(std::move(*bytes));
  }
  std::optional<std::string> path = FolderEntryPath(entry);
  if (!path) return nullptr;
  auto stream = std::make_unique<std::ifstream>(*path, std::ios::binary);
  if (!*stream) return nullptr;
  return stream;
}

std::optional<std::string> TResourceReader::Read(std::string_view entry) {
  if (archive_) return archive_->ReadEntry(entry);
  std::optional<std::string> path = FolderEntryPath(entry);
  if (!path) return std::nullopt;
  return ReadFileBytes(*path);
}

std::vector<std::string> TResourceReader::EntryNames() const {
  return archive_ ? archive_->EntryNames() : std::vector<std::string>();
}

void SetArchiveExtension(std::string_view extension) { State().archive_extension = std::string(extension); }

const std::string& ArchiveExtension() { return State().archive_extension; }

std::unique_ptr<std::istream> OpenResourceForReading(std::string_view name) {
  return OpenThroughLocations(name, [](TResourceReader& reader, std::string_view entry) { return reader.Open(entry); });
}

std::optional<std::string> ReadResourceFile(std::string_view name) {
  return OpenThroughLocations(name, [](TResourceReader& reader, std::string_view entry) { return reader.Read(entry); });
}

std::string ReadResourceText(std::string_view name) { return ReadResourceFile(name).value_or(std::string()); }

std::unique_ptr<std::ostream> OpenResourceForWriting(std::string_view name) {
  std::string path = NormalizePath(name);
  if (path.empty() || StartsWithIgnoreAsciiCase(path, kEmbeddedPrefix)) return nullptr;
  TFolderIndex& folders = State().folders;
  std::string folder(FolderOf(path));
  if (folder.empty() && path.front() == '/') folder = "/";
  if (!folder.empty()) folder = folders.Resolve(folder).value_or(folder);
  // Overwrite an existing file of another spelling rather than add a second one.
  std::string target = folder.empty() ? std::string(FileNameOf(path)) : JoinPath(folder, FileNameOf(path));
  target = ExistingFile(target).value_or(target);
  auto stream = std::make_unique<std::ofstream>(target, std::ios::binary | std::ios::trunc);
  folders.Forget(folder);
  if (!*stream) return nullptr;
  return stream;
}

void ResetResourceReader() {
  State().cached_archive.reset();
  State().folders.Clear();
}

void InstallResourceReader() { SetDataFileReader(ReadResourceFile); }

}  // namespace corvellane
