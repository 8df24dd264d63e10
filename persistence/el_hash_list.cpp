#include "persistence/el_hash_list.h"

#include <array>

namespace corvellane {

namespace {

constexpr std::array<uint32_t, 256> MakeCrcTable() {
  std::array<uint32_t, 256> table{};
  for (uint32_t n = 0; n < 256; ++n) {
    uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}

constexpr auto kCrcTable = MakeCrcTable();

unsigned char AsciiUpper(unsigned char c) { return (c >= 'a' && c <= 'z') ? c - ('a' - 'A') : c; }

}  // namespace

uint32_t HashKey(std::string_view key, bool upper_case) {
  uint32_t crc = 0xFFFFFFFFu;
  for (char ch : key) {
    unsigned char c = static_cast<unsigned char>(ch);
    if (upper_case) c = AsciiUpper(c);
    crc = kCrcTable[(crc ^ c) & 0xFF] ^ (crc >> 8);
  }
  return ~crc;
}

namespace el_hash_list_detail {

int GrownCapacity(int capacity) {
  if (capacity > 64) return capacity + capacity / 4;
  if (capacity < 9) return capacity + 4;
  return capacity + 16;
}

void Fail(const char* message) { throw EElHashListError(message); }

}  // namespace el_hash_list_detail

}  // namespace corvellane
