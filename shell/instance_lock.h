// instance_lock.h: one running copy of the game per settings folder.
//
// Two copies of the game writing the same settings folder would overwrite
// each other's options, profiles and records, silently, the last save
// winning. So the game holds a lock on "corvellane.lock" in its settings
// folder for as long as it runs: an advisory lock (flock) on the open file,
// which the system lets go of however the process ends. A copy killed with
// SIGKILL leaves the file behind but no lock, so the next start simply takes
// it over. The file holds the holder's process id, for the message a second
// copy gives before it ends:
//
//   TInstanceLock lock(GetSettingsFolder());
//   if (!lock.IsHeld()) {
//     LogWarning(lock.Describe());   // "another copy of the game (process 4242) ..."
//     return 1;
//   }
//   ... run the game; the lock goes with `lock`.
//
// A folder where no lock file can be made (read-only, gone) does not keep
// the game from running: it could not save there anyway, and says so then.
#pragma once

#include <string>

namespace corvellane {

inline constexpr const char* kInstanceLockFileName = "corvellane.lock";

class TInstanceLock {
 public:
  // Tries once, without waiting.
  explicit TInstanceLock(const std::string& settings_folder);
  ~TInstanceLock();
  TInstanceLock(const TInstanceLock&) = delete;
  TInstanceLock& operator=(const TInstanceLock&) = delete;

  // False only when another live process holds the lock.
  bool IsHeld() const { return held_; }
  // Why the lock is not held, naming the other process and the folder.
  std::string Describe() const;

 private:
  std::string folder_;
  std::string path_;
  int fd_ = -1;
  bool held_ = false;
  std::string holder_;  // the other process's id, as its file says
};

}  // namespace corvellane
