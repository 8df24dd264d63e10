// whole_file.h: the one way files are read and replaced as a whole.
//
// Reading takes only regular files (or links to them) and only up to a size
// limit: a settings file that is really a link to /dev/zero, a FIFO that
// nobody writes, or a folder is unreadable, never a hang nor an exhausted
// memory. The file is opened without blocking, so a FIFO is refused at once.
//
// Replacing never leaves a half-written file: the bytes go to a temporary
// file in the same folder ("<target>.tmp-XXXXXX"), which is flushed to disk
// and renamed over the target in one step; the folder is then flushed too. If
// any step fails the target is unchanged, the temporary file is removed and
// the caller is told. A temporary left over by a process killed in the middle
// of a save is removed by the next save of the same file: only one copy of
// the game writes a settings folder at a time (shell/instance_lock.h).
//
//   FileBytes file = ReadWholeFile(path, kMaxSettingsFileBytes);
//   if (file.status == FileReadStatus::Unreadable) ...   // exists, but no use
//   if (!WriteFileAtomically(path, text)) ...            // the old file is intact
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace corvellane {

// Data files: pictures, music, archives.
inline constexpr size_t kMaxDataFileBytes = size_t(256) << 20;
// Options, profiles, records, input scripts: small texts.
inline constexpr size_t kMaxSettingsFileBytes = size_t(16) << 20;

enum class FileReadStatus { Ok, Missing, Unreadable };

struct FileBytes {
  FileReadStatus status = FileReadStatus::Missing;
  std::string bytes;  // empty unless the status is Ok

  bool ok() const { return status == FileReadStatus::Ok; }
};

// `path` is a platform path. A file that exists but is no regular file, is
// larger than the limit or fails to read is Unreadable.
FileBytes ReadWholeFile(std::string_view path, size_t max_bytes = kMaxDataFileBytes);

// Everything that can still be read from an open descriptor (standard
// input, a pipe), up to the limit; none on a read error or beyond the limit.
std::optional<std::string> ReadWholeDescriptor(int fd, size_t max_bytes = kMaxDataFileBytes);

// `path` is a platform path. False when any step failed; the target is then
// unchanged, no temporary file is left behind, and errno still says why
// (ENOSPC, EROFS, EACCES...). A replaced file keeps its permissions; a new
// one is readable by everyone (0644).
bool WriteFileAtomically(std::string_view path, std::string_view bytes);

}  // namespace corvellane
