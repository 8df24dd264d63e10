#include "persistence/load_nesting.h"

#include <string>

namespace corvellane {
namespace {

int depth = 0;

}  // namespace

TLoadNestingScope::TLoadNestingScope() {
  if (depth >= kMaxLoadNesting)
    throw ELoadNestingError("objects nested deeper than " + std::to_string(kMaxLoadNesting) + " levels");
  ++depth;
}

TLoadNestingScope::~TLoadNestingScope() { --depth; }

}  // namespace corvellane
