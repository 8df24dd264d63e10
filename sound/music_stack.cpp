#include "sound/music_stack.h"

#include <algorithm>

namespace corvellane {

void TMusicStack::Push(TMusicEntry entry) {
  std::erase_if(entries_, [&](const TMusicEntry& e) { return e.channel == entry.channel; });
  entries_.push_back(std::move(entry));
  if (entries_.size() > kMaxDepth) entries_.erase(entries_.begin(), entries_.end() - std::ptrdiff_t(kMaxDepth));
}

void TMusicStack::Pop() {
  if (!entries_.empty()) entries_.pop_back();
}

void TMusicStack::Prune(const TMixer& mixer) {
  std::erase_if(entries_, [&](const TMusicEntry& e) { return !mixer.IsValid(e.channel); });
}

}  // namespace corvellane
