// reentry_guard.h: refuses a second entry into an operation still running.
//
// Functions hold other functions (sub-functions, a preparation function),
// and code can put a function inside itself. The guard turns what would be
// endless recursion into a skipped call:
//
//   void TComplexFunction::Calculate() {
//     TReentryGuard guard(busy_);
//     if (!guard.Entered()) return;    // already calculating further up
//     ...
//   }
#pragma once

namespace corvellane {

class TReentryGuard {
 public:
  explicit TReentryGuard(bool& busy) : busy_(busy), entered_(!busy) { busy_ = true; }
  ~TReentryGuard() {
    if (entered_) busy_ = false;
  }
  TReentryGuard(const TReentryGuard&) = delete;
  TReentryGuard& operator=(const TReentryGuard&) = delete;

  bool Entered() const { return entered_; }

 private:
  bool& busy_;
  bool entered_;
};

}  // namespace corvellane
