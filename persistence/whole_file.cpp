#include "persistence/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "persistence/paths.h"

namespace corvellane {

namespace {

// Keeps errno through a clean-up step, so that a failure's cause survives
// the undoing of what came before it.
class TErrnoKeeper {
 public:
  TErrnoKeeper() : saved_(errno) {}
  ~TErrnoKeeper() { errno = saved_; }
  TErrnoKeeper(const TErrnoKeeper&) = delete;
  TErrnoKeeper& operator=(const TErrnoKeeper&) = delete;

 private:
  int saved_;
};

// Closes a descriptor once; the owner may close early to check the result.
class TFileDescriptor {
 public:
  explicit TFileDescriptor(int fd) : fd_(fd) {}
  ~TFileDescriptor() {
    TErrnoKeeper keep;
    Close();
  }
  TFileDescriptor(const TFileDescriptor&) = delete;
  TFileDescriptor& operator=(const TFileDescriptor&) = delete;

  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  bool Close() {
    if (fd_ < 0) return true;
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

// Removes the temporary file unless the save went through.
class TTemporaryFile {
 public:
  explicit TTemporaryFile(std::string path) : path_(std::move(path)) {}
  ~TTemporaryFile() {
    TErrnoKeeper keep;
    if (!kept_) ::unlink(path_.c_str());
  }
  TTemporaryFile(const TTemporaryFile&) = delete;
  TTemporaryFile& operator=(const TTemporaryFile&) = delete;

  const std::string& path() const { return path_; }
  void Keep() { kept_ = true; }

 private:
  std::string path_;
  bool kept_ = false;
};

// Appends what the descriptor still holds; false on a read error or when
// more than `max_bytes` would have to be kept.
bool ReadAll(int fd, std::string& out, size_t max_bytes) {
  char buffer[64 * 1024];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n == 0) return true;
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (out.size() + static_cast<size_t>(n) > max_bytes) return false;
    out.append(buffer, static_cast<size_t>(n));
  }
}

bool WriteAll(int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t n = ::write(fd, data.data(), data.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

mode_t ModeFor(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0) return st.st_mode & 07777;
  return 0644;
}

std::string FolderOrCurrent(const std::string& path) {
  std::string folder(FolderOf(path));
  return folder.empty() ? "." : folder;
}

// Makes the rename itself durable. Failure here does not undo the save.
void SyncFolder(const std::string& path) {
  TFileDescriptor dir(::open(FolderOrCurrent(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.valid()) ::fsync(dir.get());
}

// Temporaries of this target that a killed save left behind. Their names are
// the target's followed by ".tmp-" and six characters of mkostemp.
void RemoveStaleTemporaries(const std::string& target) {
  namespace fs = std::filesystem;
  const std::string prefix = fs::path(target).filename().string() + ".tmp-";
  std::error_code error;
  for (fs::directory_iterator it(FolderOrCurrent(target), error), end; !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (name.size() == prefix.size() + 6 && name.compare(0, prefix.size(), prefix) == 0)
      fs::remove(it->path(), error);
  }
}

}  // namespace

FileBytes ReadWholeFile(std::string_view path, size_t max_bytes) {
  const std::string file(path);
  // O_NONBLOCK: opening a FIFO without a writer would otherwise wait for ever.
  TFileDescriptor fd(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (!fd.valid()) {
    const bool missing = errno == ENOENT || errno == ENOTDIR;
    return {missing ? FileReadStatus::Missing : FileReadStatus::Unreadable, {}};
  }
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode) || static_cast<uint64_t>(st.st_size) > max_bytes)
    return {FileReadStatus::Unreadable, {}};
  FileBytes result{FileReadStatus::Ok, {}};
  result.bytes.reserve(static_cast<size_t>(st.st_size));
  if (!ReadAll(fd.get(), result.bytes, max_bytes)) return {FileReadStatus::Unreadable, {}};
  return result;
}

std::optional<std::string> ReadWholeDescriptor(int fd, size_t max_bytes) {
  std::string bytes;
  if (!ReadAll(fd, bytes, max_bytes)) return std::nullopt;
  return bytes;
}

bool WriteFileAtomically(std::string_view path, std::string_view bytes) {
  const std::string target(path);
  RemoveStaleTemporaries(target);
  std::string pattern = target + ".tmp-XXXXXX";
  TFileDescriptor fd(::mkostemp(pattern.data(), O_CLOEXEC));
  if (!fd.valid()) return false;
  TTemporaryFile temporary(pattern);
  if (::fchmod(fd.get(), ModeFor(target)) != 0) return false;
  if (!WriteAll(fd.get(), bytes)) return false;
  if (::fsync(fd.get()) != 0) return false;
  if (!fd.Close()) return false;
  if (::rename(temporary.path().c_str(), target.c_str()) != 0) return false;
  temporary.Keep();
  SyncFolder(target);
  return true;
}

}  // namespace corvellane
