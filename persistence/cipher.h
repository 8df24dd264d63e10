// cipher.h: the file cipher of protected data files and player data.
//
// A 32-round block cipher on 8-byte blocks with a 128-bit key taken from the
// first 16 bytes of a key text (shorter keys are padded with zero bytes). Its
// round mixes the key in differently from textbook XTEA, so files enciphered
// by other XTEA programs do not decipher here. Blocks are enciphered
// independently; a final part shorter than a block is XORed with the previous
// enciphered block (or a value derived from the key for texts under 8 bytes).
// The enciphered text has exactly the length of the plain text: no padding, no
// check value, so a wrong key is only noticed when the result does not parse.
//
// The hexadecimal form writes each byte as two upper-case digits:
//   EncryptText("key", "abc")  -> "B37E2D"
//   DecryptText("key", "b37e2d\r\n") -> "abc"
// Reading hexadecimal takes digits of either case in pairs, skips blanks, tabs
// and line breaks and drops a final unpaired digit. DecryptText also skips any
// other character; TryDecryptText instead reports such text as corrupted.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace corvellane {

enum class CipherDirection { Encipher, Decipher };
// RawCopy works on the bytes as they are; Hexadecimal writes (enciphering) or
// reads (deciphering) the enciphered side in the hexadecimal form.
enum class CipherForm { RawCopy, Hexadecimal };

class TCipher_Xtea {
 public:
  explicit TCipher_Xtea(std::string_view key);

  std::string Apply(std::string_view text, CipherDirection direction, CipherForm form) const;

  std::string Encipher(std::string_view plain) const;
  std::string Decipher(std::string_view enciphered) const;

 private:
  void EncipherBlock(uint32_t& y, uint32_t& z) const;
  void DecipherBlock(uint32_t& y, uint32_t& z) const;
  // The 8 bytes a final short part is XORed with when there is no whole block.
  std::array<uint8_t, 8> ShortTextPad() const;

  std::array<uint32_t, 4> key_{};
};

// The hexadecimal form: two upper-case digits per byte.
std::string ToHexText(std::string_view bytes);
// Reads the hexadecimal form; none when a character other than a hexadecimal
// digit, blank, tab or line break occurs.
std::optional<std::string> ParseHexText(std::string_view text);
// The same, skipping every character that is not a hexadecimal digit.
std::string ParseHexTextLeniently(std::string_view text);

std::string EncryptText(std::string_view key, std::string_view text);
std::string DecryptText(std::string_view key, std::string_view hex);
// None when the text is not in the hexadecimal form (see ParseHexText).
std::optional<std::string> TryDecryptText(std::string_view key, std::string_view hex);

}  // namespace corvellane
