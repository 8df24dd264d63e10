// byte_order.h: little-endian fields of audio file headers (RIFF, MOD).
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace corvellane {

inline uint16_t GetLe16(const uint8_t* p) { return uint16_t(p[0] | (p[1] << 8)); }
inline uint32_t GetLe32(const uint8_t* p) {
  return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}
inline void PutLe16(uint8_t* p, uint16_t v) {
  p[0] = uint8_t(v);
  p[1] = uint8_t(v >> 8);
}
inline void PutLe32(uint8_t* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = uint8_t(v >> (8 * i));
}
// Four-character chunk identifiers such as "RIFF".
inline void PutTag(uint8_t* p, std::string_view tag) {
  for (size_t i = 0; i < 4; ++i) p[i] = uint8_t(tag[i]);
}
inline bool HasTag(std::span<const uint8_t> bytes, size_t at, std::string_view tag) {
  if (bytes.size() < at + 4) return false;
  for (size_t i = 0; i < 4; ++i) {
    if (bytes[at + i] != uint8_t(tag[i])) return false;
  }
  return true;
}

}  // namespace corvellane
