// Arbitrary bytes as the options store, options.dat in the settings folder
// (fuzz_support.h: "<" text is enciphered first): the store reads it or sets
// it aside, and answers every persisted option with a value that is either
// usable or refused by the game's rules; a change is saved and read back by
// a fresh store as it was written.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_support.h"
#include "game/option_values.h"
#include "shell/declarations.h"
#include "shell/global_options.h"

using namespace corvellane;

namespace {

constexpr size_t kMaxInputSize = 32 * 1024;
constexpr const char* kPersisted[] = {"FullScreenMode", "WideScreenMode", "MusicVolume", "SoundVolume"};

std::string Key() { return std::string(product::FileKeyText(product::FileKey::Options)); }

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  FuzzQuietly();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > kMaxInputSize) return 0;
  TFuzzSettingsFolder& settings = FuzzSettingsFolder();
  settings.Put(product::OptionsFileName, StoredForm(AsText(data, size), Key()));
  const std::string path = settings.Path() + std::string(product::OptionsFileName);

  TGlobalOptions store(path, Key());
  for (const char* name : kPersisted)
    if (std::optional<std::string> value = store.GetOption(name)) IsUsableOptionValue(name, *value);
  if (!store.SetOption("MusicVolume", "45")) return 0;
  TGlobalOptions again(path, Key());
  FuzzCheck(again.GetOption("MusicVolume") == "45");
  for (const char* name : kPersisted) FuzzCheck(again.GetOption(name) == store.GetOption(name));
  return 0;
}
