#include "shell/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

#include "persistence/paths.h"
#include "persistence/whole_file.h"

namespace corvellane {
namespace {

constexpr size_t kMaxLockFileBytes = 64;

// The holder's id as the file says, first line only.
std::string HolderOf(const std::string& path) {
  FileBytes file = ReadWholeFile(path, kMaxLockFileBytes);
  std::string text = file.ok() ? file.bytes : std::string();
  return text.substr(0, text.find('\n'));
}

}  // namespace

TInstanceLock::TInstanceLock(const std::string& settings_folder)
    : folder_(settings_folder), path_(JoinPath(settings_folder, kInstanceLockFileName)) {
  fd_ = ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (fd_ < 0) {
    held_ = true;  // nothing to lock: nothing will be saved here either
    return;
  }
  if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
    holder_ = HolderOf(path_);
    return;
  }
  held_ = true;
  const std::string pid = std::to_string(::getpid()) + "\n";
  if (::ftruncate(fd_, 0) == 0) (void)!::pwrite(fd_, pid.data(), pid.size(), 0);
}

TInstanceLock::~TInstanceLock() {
  // Closing lets go of the lock; the file stays for the next start to reuse.
  if (fd_ >= 0) ::close(fd_);
}

std::string TInstanceLock::Describe() const {
  if (held_) return {};
  const std::string who = holder_.empty() ? "another copy of the game" : "another copy of the game (process " + holder_ + ")";
  return who + " is already running with the settings folder " + folder_ +
         "; this one ends, so that the two cannot overwrite each other's saves";
}

}  // namespace corvellane
