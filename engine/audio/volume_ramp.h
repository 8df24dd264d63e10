// volume_ramp.h: a level that can move linearly to a target, frame by frame.
//
// The mixer keeps two of these per channel: the volume the game sets for the
// player, and the gain that fades move. A ramp counts frames, so a slide of
// 2205 frames ends on exactly the 2205th frame whatever the block sizes.
//
//   TVolumeRamp gain;                 // level 1, still
//   gain.Start(0.0f, 4410, true);     // to silence over 0.1 s, then stop
//   float now = gain.Level();         // where it is
//   float step = gain.Step();         // change per frame while it runs
//   bool stop = gain.Advance(512);    // true once it arrived with a stop
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

namespace corvellane {

class TVolumeRamp {
 public:
  TVolumeRamp() = default;
  explicit TVolumeRamp(float level) : level_(level) {}

  // Where the ramp is now.
  float Level() const {
    if (!moving_) return level_;
    return from_ + (to_ - from_) * float(done_) / float(total_);
  }
  // Change per frame; 0 when still.
  float Step() const { return moving_ ? (to_ - from_) / float(total_) : 0.0f; }
  bool IsMoving() const { return moving_; }
  // Frames until the ramp arrives; unbounded when still.
  uint64_t Remaining() const { return moving_ ? total_ - done_ : std::numeric_limits<uint64_t>::max(); }

  // Stops any movement at a level.
  void Set(float level) {
    level_ = level;
    moving_ = false;
  }
  // Moves from where it is to the target over the frames (0: at once).
  // Answers Advance(0): true when it arrived at once and should stop.
  bool Start(float target, uint64_t frames, bool stop_at_end) {
    from_ = Level();
    to_ = target;
    total_ = frames;
    done_ = 0;
    stop_at_end_ = stop_at_end;
    moving_ = true;
    return Advance(0);
  }
  // Moves on by frames; true when it arrived just now and asked to stop.
  bool Advance(uint64_t frames) {
    if (!moving_) return false;
    done_ = std::min(total_, done_ + frames);
    if (done_ < total_) return false;
    Set(to_);
    return stop_at_end_;
  }

 private:
  float level_ = 1;
  bool moving_ = false;
  float from_ = 0;
  float to_ = 0;
  uint64_t total_ = 0;
  uint64_t done_ = 0;
  bool stop_at_end_ = false;
};

}  // namespace corvellane
