#include "persistence/cipher.h"

#include <algorithm>

namespace corvellane {

namespace {

constexpr uint32_t kDelta = 2654435769u;
constexpr uint32_t kDecipherStart = 3337565984u;  // 32 * kDelta modulo 2^32
constexpr int kRounds = 32;
constexpr size_t kBlock = 8;

uint32_t LoadLittleEndian(const uint8_t* bytes) {
  return uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 | uint32_t(bytes[3]) << 24;
}

void StoreLittleEndian(uint32_t word, uint8_t* bytes) {
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<uint8_t>(word >> (8 * i));
}

uint32_t Mix(uint32_t v, uint32_t s) { return ((v << 4) ^ (v >> 5)) + (v ^ s); }

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

bool IsSkippedInHex(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Reads digit pairs; `strict` refuses characters that are neither digits nor
// blanks and line breaks, otherwise they are skipped.
std::optional<std::string> ReadHex(std::string_view text, bool strict) {
  std::string bytes;
  bytes.reserve(text.size() / 2);
  int high = -1;
  for (char c : text) {
    int value = HexValue(c);
    if (value < 0) {
      if (strict && !IsSkippedInHex(c)) return std::nullopt;
      continue;
    }
    if (high < 0) {
      high = value;
    } else {
      bytes.push_back(static_cast<char>(high << 4 | value));
      high = -1;
    }
  }
  return bytes;
}

}  // namespace

TCipher_Xtea::TCipher_Xtea(std::string_view key) {
  std::array<uint8_t, 16> bytes{};
  std::copy_n(key.begin(), std::min(key.size(), bytes.size()), bytes.begin());
  for (int i = 0; i < 4; ++i) key_[i] = LoadLittleEndian(&bytes[4 * i]);
}

void TCipher_Xtea::EncipherBlock(uint32_t& y, uint32_t& z) const {
  uint32_t s = 0;
  for (int round = 0; round < kRounds; ++round) {
    y += key_[s & 3] + Mix(z, s);
    s += kDelta;
    z += key_[(s >> 11) & 3] + Mix(y, s);
  }
}

void TCipher_Xtea::DecipherBlock(uint32_t& y, uint32_t& z) const {
  uint32_t s = kDecipherStart;
  for (int round = 0; round < kRounds; ++round) {
    z -= key_[(s >> 11) & 3] + Mix(y, s);
    s -= kDelta;
    y -= key_[s & 3] + Mix(z, s);
  }
}

std::array<uint8_t, 8> TCipher_Xtea::ShortTextPad() const {
  std::array<uint8_t, 8> pad;
  StoreLittleEndian(key_[0] ^ key_[2] ^ kDelta, &pad[0]);
  StoreLittleEndian(key_[1] ^ key_[3] ^ kDelta, &pad[4]);
  return pad;
}

std::string TCipher_Xtea::Encipher(std::string_view plain) const {
  std::string out(plain);
  auto* bytes = reinterpret_cast<uint8_t*>(out.data());
  size_t whole = out.size() / kBlock * kBlock;
  for (size_t at = 0; at < whole; at += kBlock) {
    uint32_t y = LoadLittleEndian(bytes + at), z = LoadLittleEndian(bytes + at + 4);
    EncipherBlock(y, z);
    StoreLittleEndian(y, bytes + at);
    StoreLittleEndian(z, bytes + at + 4);
  }
  // The tail is XORed with the last enciphered block, which the decipherer
  // sees unchanged in the enciphered text.
  std::array<uint8_t, 8> pad = ShortTextPad();
  if (whole > 0) std::copy_n(bytes + whole - kBlock, kBlock, pad.begin());
  for (size_t i = whole; i < out.size(); ++i) bytes[i] ^= pad[i - whole];
  return out;
}

std::string TCipher_Xtea::Decipher(std::string_view enciphered) const {
  std::string out(enciphered);
  auto* bytes = reinterpret_cast<uint8_t*>(out.data());
  size_t whole = out.size() / kBlock * kBlock;
  std::array<uint8_t, 8> pad = ShortTextPad();
  if (whole > 0) std::copy_n(bytes + whole - kBlock, kBlock, pad.begin());
  for (size_t i = whole; i < out.size(); ++i) bytes[i] ^= pad[i - whole];
  for (size_t at = 0; at < whole; at += kBlock) {
    uint32_t y = LoadLittleEndian(bytes + at), z = LoadLittleEndian(bytes + at + 4);
    DecipherBlock(y, z);
    StoreLittleEndian(y, bytes + at);
    StoreLittleEndian(z, bytes + at + 4);
  }
  return out;
}

std::string TCipher_Xtea::Apply(std::string_view text, CipherDirection direction, CipherForm form) const {
  bool hex = form == CipherForm::Hexadecimal;
  if (!hex && form != CipherForm::RawCopy) return {};
  if (direction == CipherDirection::Encipher) {
    std::string enciphered = Encipher(text);
    return hex ? ToHexText(enciphered) : enciphered;
  }
  return Decipher(hex ? ParseHexTextLeniently(text) : std::string(text));
}

std::string ToHexText(std::string_view bytes) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(bytes.size() * 2);
  for (char b : bytes) {
    auto c = static_cast<uint8_t>(b);
    out.push_back(kDigits[c >> 4]);
    out.push_back(kDigits[c & 15]);
  }
  return out;
}

std::optional<std::string> ParseHexText(std::string_view text) { return ReadHex(text, true); }

std::string ParseHexTextLeniently(std::string_view text) { return *ReadHex(text, false); }

std::string EncryptText(std::string_view key, std::string_view text) {
  return TCipher_Xtea(key).Apply(text, CipherDirection::Encipher, CipherForm::Hexadecimal);
}

std::string DecryptText(std::string_view key, std::string_view hex) {
  return TCipher_Xtea(key).Apply(hex, CipherDirection::Decipher, CipherForm::Hexadecimal);
}

std::optional<std::string> TryDecryptText(std::string_view key, std::string_view hex) {
  std::optional<std::string> bytes = ParseHexText(hex);
  if (!bytes) return std::nullopt;
  return TCipher_Xtea(key).Decipher(*bytes);
}

}  // namespace corvellane
