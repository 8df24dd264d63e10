// music_stack.h: TMusicStack, the musics that were played over each other.
//
// The last entry is the music playing now; the entries below it were faded
// out when a newer music started and come back, one at a time, as the newer
// ones are stopped. The stack only keeps the bookkeeping; the sound manager
// does the fading.
//
// Sound rules kept here: a music is on the stack at most once (playing it
// again moves it to the top), the stack keeps at most kMaxDepth entries (the
// oldest are forgotten), and Prune drops entries whose channel the mixer no
// longer knows (their resource was unloaded), so no stale handle is ever
// resumed.
//
//   TMusicStack stack;
//   stack.Push({"music_map", channel});
//   stack.Prune(mixer);
//   if (const TMusicEntry* top = stack.Top()) mixer.SlideGain(top->channel, 0, 2000, true);
#pragma once

#include <string>
#include <vector>

#include "engine/audio/mixer.h"

namespace corvellane {

struct TMusicEntry {
  std::string resource_name;
  ChannelHandle channel = 0;
};

class TMusicStack {
 public:
  static constexpr size_t kMaxDepth = 8;

  // The music playing now, or none.
  const TMusicEntry* Top() const { return entries_.empty() ? nullptr : &entries_.back(); }
  // On top; an entry with the same channel further down is taken out.
  void Push(TMusicEntry entry);
  void Pop();
  void Prune(const TMixer& mixer);
  void Clear() { entries_.clear(); }
  const std::vector<TMusicEntry>& Entries() const { return entries_; }

 private:
  std::vector<TMusicEntry> entries_;
};

}  // namespace corvellane
