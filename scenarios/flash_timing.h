// flash_timing.h: the "duration" text of a flash scenario, read and written.
//
//   "800"                        800 ms
//   "rnd:200"                    no base duration, up to 200 ms at random
//   "rnd:500:200"                501 .. 700 ms
//   "playsound:snd_swoosh"       as long as the sound plays
//   "playsound:snd_swoosh:300"   and 300 ms more
//   "playsound:snd_swoosh:300:1000"   the same, 1000 ms when the sound cannot play
//
//   TFlashTiming t = ParseFlashTiming("rnd:500:200");   // duration 500, extra 200
//   std::string text = FormatFlashTiming(t);           // "rnd:500:200"
//
// An unreadable number ends the reading with what was read so far (a sound
// then is not waited for); any other word before a ":" gives no duration.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace corvellane {

struct TFlashTiming {
  int32_t duration = -1;  // negative: none
  int32_t extra = 0;      // the random range, or the wait after the sound
  std::string sound;
  bool sound_mode = false;
};

TFlashTiming ParseFlashTiming(std::string_view text);
// "-1" when there is nothing to say.
std::string FormatFlashTiming(const TFlashTiming& timing);

}  // namespace corvellane
