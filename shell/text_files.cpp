#include "shell/text_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <filesystem>

#include "persistence/log.h"
#include "persistence/number_text.h"
#include "persistence/paths.h"

namespace corvellane {

namespace {

// Closes a descriptor once; the owner may close early to check the result.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() { Close(); }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;

  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  bool Close() {
    if (fd_ < 0) return true;
    int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

// Removes the temporary file unless the save went through.
class TemporaryFile {
 public:
  explicit TemporaryFile(std::string path) : path_(std::move(path)) {}
  ~TemporaryFile() {
    if (!kept_) ::unlink(path_.c_str());
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  const std::string& path() const { return path_; }
  void Keep() { kept_ = true; }

 private:
  std::string path_;
  bool kept_ = false;
};

bool ReadAll(int fd, std::string& out) {
  char buffer[16384];
  for (;;) {
    ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n == 0) return true;
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    out.append(buffer, static_cast<size_t>(n));
  }
}

bool WriteAll(int fd, std::string_view data) {
  while (!data.empty()) {
    ssize_t n = ::write(fd, data.data(), data.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

// A replaced file keeps its permissions; a new one is readable by everyone,
// like the files the other players of this machine share.
mode_t ModeFor(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0) return st.st_mode & 07777;
  return 0644;
}

// Makes the rename itself durable. Failure here does not undo the save.
void SyncFolder(const std::string& path) {
  std::string folder(FolderOf(path));
  if (folder.empty()) folder = ".";
  FileDescriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.valid()) ::fsync(dir.get());
}

std::string TimeStamp(std::chrono::system_clock::time_point now) {
  std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  std::tm utc{};
  ::gmtime_r(&seconds, &utc);
  char text[32];
  std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &utc);
  return text;
}

}  // namespace

TextFileContent ReadTextLines(std::string_view path) {
  const std::string file(path);
  FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
  if (!fd.valid()) {
    bool missing = errno == ENOENT || errno == ENOTDIR;
    return {missing ? FileReadStatus::Missing : FileReadStatus::Unreadable, {}};
  }
  // Reading a folder fails here with EISDIR: it exists, yet is no text.
  std::optional<std::string> bytes = ReadWholeDescriptor(fd.get());
  if (!bytes) return {FileReadStatus::Unreadable, {}};
  return {FileReadStatus::Ok, JoinLinesCrLf(*bytes)};
}

std::optional<std::string> ReadWholeDescriptor(int fd) {
  std::string bytes;
  if (!ReadAll(fd, bytes)) return std::nullopt;
  return bytes;
}

std::string JoinLinesCrLf(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 32 + 2);
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      out += "\r\n";
    } else {
      out.push_back(c);
    }
  }
  if (!text.empty() && text.back() != '\r' && text.back() != '\n') out += "\r\n";
  return out;
}

bool WriteTextLinesAtomically(std::string_view path, std::string_view text) {
  const std::string target(path);
  std::string pattern = target + ".tmp-XXXXXX";
  FileDescriptor fd(::mkostemp(pattern.data(), O_CLOEXEC));
  if (!fd.valid()) return false;
  TemporaryFile temporary(pattern);
  if (::fchmod(fd.get(), ModeFor(target)) != 0) return false;
  if (!WriteAll(fd.get(), JoinLinesCrLf(text))) return false;
  if (::fsync(fd.get()) != 0) return false;
  if (!fd.Close()) return false;
  if (::rename(temporary.path().c_str(), target.c_str()) != 0) return false;
  temporary.Keep();
  SyncFolder(target);
  return true;
}

std::optional<std::string> KeepFileAside(std::string_view path, std::chrono::system_clock::time_point now) {
  namespace fs = std::filesystem;
  const std::string source(path);
  std::error_code ec;
  if (!fs::exists(fs::symlink_status(source, ec))) return std::nullopt;
  const std::string base = source + ".corrupt-" + TimeStamp(now);
  for (int attempt = 1; attempt < 1000; ++attempt) {
    std::string candidate = attempt == 1 ? base : base + "-" + FormatInt(attempt);
    if (fs::exists(fs::symlink_status(candidate, ec))) continue;
    if (::rename(source.c_str(), candidate.c_str()) != 0) break;
    LogWarning(source + " could not be read; it is kept as " + candidate + " and a fresh one is started");
    return candidate;
  }
  LogWarning(source + " could not be read, nor set aside");
  return std::nullopt;
}

}  // namespace corvellane
