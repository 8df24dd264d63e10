#include "scenarios/flash_timing.h"

#include <optional>

#include "persistence/number_text.h"

namespace corvellane {

namespace {

// Cuts the text at its first ":" into head and (kept in `text`) tail.
std::string_view TakeHead(std::string_view& text) {
  const size_t colon = text.find(':');
  const std::string_view head = text.substr(0, colon);
  text = colon == std::string_view::npos ? std::string_view() : text.substr(colon + 1);
  return head;
}

// The next number of the text; none when it is missing or unreadable.
std::optional<int32_t> TakeNumber(std::string_view& text) {
  if (text.empty()) return std::nullopt;
  return ParseInt(TakeHead(text));
}

}  // namespace

TFlashTiming ParseFlashTiming(std::string_view text) {
  TFlashTiming t;
  if (text.find(':') == std::string_view::npos) {
    t.duration = ParseInt(text).value_or(-1);
    return t;
  }
  const std::string_view head = TakeHead(text);
  if (head == "rnd") {
    const std::optional<int32_t> first = TakeNumber(text);
    if (!first) return t;
    const std::optional<int32_t> second = TakeNumber(text);
    if (second) {
      t.duration = *first;
      t.extra = *second;
    } else {
      t.extra = *first;
    }
  } else if (head == "playsound") {
    const std::string_view sound = TakeHead(text);
    if (text.empty()) {
      t.sound = std::string(sound);
      t.sound_mode = !sound.empty();
      return t;
    }
    const std::optional<int32_t> extra = TakeNumber(text);
    if (!extra) return t;
    t.extra = *extra;
    if (!text.empty()) {
      const std::optional<int32_t> duration = TakeNumber(text);
      if (!duration) return t;
      t.duration = *duration;
    }
    t.sound = std::string(sound);
    t.sound_mode = !sound.empty();
  }
  return t;
}

std::string FormatFlashTiming(const TFlashTiming& t) {
  if (t.sound_mode) {
    std::string text = "playsound:" + t.sound;
    if (t.extra > 0 || t.duration >= 0) text += ":" + FormatInt(t.extra);
    if (t.duration >= 0) text += ":" + FormatInt(t.duration);
    return text;
  }
  if (t.extra < 1) return FormatInt(t.duration);
  std::string text = "rnd";
  if (t.duration >= 0) text += ":" + FormatInt(t.duration);
  return text + ":" + FormatInt(t.extra);
}

}  // namespace corvellane
