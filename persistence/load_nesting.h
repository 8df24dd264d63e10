// load_nesting.h: the bound on how deeply loaded objects may nest.
//
// Loading recurses once per level of a tree (a group loads its widget list,
// the list each widget, each widget its own children). A data file from
// outside may nest elements deep enough to exhaust the stack, so every
// persistent object loads inside a TLoadNestingScope: the object that would
// sit deeper than kMaxLoadNesting throws ELoadNestingError instead of
// loading. The collection holding it catches that like any other failed item
// and logs it against the node (file and element path): that branch is
// skipped, everything above it loads.
//
// The demo content nests about twenty objects deep; the bound leaves ample
// room above that and keeps the deepest tree far below the stack's size,
// sanitizers included.
//
//   void TPersistObject::LoadFrom(IHierStorage* node) {
//     TLoadNestingScope nesting;          // throws when too deep
//     ...
//   }
//
// Single-threaded like all loading; a frame run from inside a load (the
// loading screen) nests its own loads inside, as the stack does.
#pragma once

#include <stdexcept>

namespace corvellane {

inline constexpr int kMaxLoadNesting = 100;

class ELoadNestingError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TLoadNestingScope {
 public:
  TLoadNestingScope();
  ~TLoadNestingScope();
  TLoadNestingScope(const TLoadNestingScope&) = delete;
  TLoadNestingScope& operator=(const TLoadNestingScope&) = delete;
};

}  // namespace corvellane
