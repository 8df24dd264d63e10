// full_disk.h: a disk that is full for as long as the object lives.
//
// No file of the process may grow beyond a few bytes, so every save fails
// with "File too large" (EFBIG), root or not, and the signal a too-large
// write would raise is ignored meanwhile.
//
//   {
//     TFullDisk full;
//     ... saves fail here ...
//   }   // the limit and the signal are put back
#pragma once

#include <signal.h>
#include <sys/resource.h>

namespace corvellane::testing {

class TFullDisk {
 public:
  TFullDisk() {
    old_handler_ = ::signal(SIGXFSZ, SIG_IGN);
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit tiny = saved_;
    tiny.rlim_cur = 8;
    ::setrlimit(RLIMIT_FSIZE, &tiny);
  }
  ~TFullDisk() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    ::signal(SIGXFSZ, old_handler_);
  }
  TFullDisk(const TFullDisk&) = delete;
  TFullDisk& operator=(const TFullDisk&) = delete;

 private:
  rlimit saved_{};
  sighandler_t old_handler_ = SIG_DFL;
};

}  // namespace corvellane::testing
