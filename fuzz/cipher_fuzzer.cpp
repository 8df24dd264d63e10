// Arbitrary text through the hexadecimal decipherer, and the round trip
// encipher -> decipher in both forms, which must give the plain text back.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "persistence/cipher.h"

namespace {

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  // The first byte chooses how much of the rest is the key (0 to 20 bytes).
  size_t key_length = input.empty() ? 0 : static_cast<uint8_t>(input[0]) % 21;
  if (!input.empty()) input.remove_prefix(1);
  key_length = std::min(key_length, input.size());
  std::string_view key = input.substr(0, key_length);
  std::string_view text = input.substr(key_length);

  corvellane::DecryptText(key, text);
  if (auto strict = corvellane::TryDecryptText(key, text))
    Check(*strict == corvellane::DecryptText(key, text));

  std::string hex = corvellane::EncryptText(key, text);
  Check(hex.size() == 2 * text.size());
  Check(corvellane::DecryptText(key, hex) == text);
  corvellane::TCipher_Xtea cipher(key);
  std::string raw = cipher.Apply(text, corvellane::CipherDirection::Encipher, corvellane::CipherForm::RawCopy);
  Check(corvellane::ToHexText(raw) == hex);
  Check(cipher.Apply(raw, corvellane::CipherDirection::Decipher, corvellane::CipherForm::RawCopy) == text);
  return 0;
}
