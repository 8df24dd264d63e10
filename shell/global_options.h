// global_options.h: the few settings shared by every player on the machine.
//
// Full-screen mode, wide-screen mode, music volume and sound volume survive
// between runs in "options.dat" in the settings folder: an XML document
//
//   <options><MusicVolume>30</MusicVolume><FullScreenMode>no</FullScreenMode></options>
//
// enciphered with the options key (cipher.h) and written as hexadecimal text.
// The store is loaded on first use and kept in memory; every SetOption saves
// the whole store at once, atomically (text_files.h).
//
// A store that exists but cannot be read, deciphered or parsed is moved aside
// (KeepFileAside: "options.dat.corrupt-<time>") and the options start empty,
// so a damaged file is never silently overwritten.
//
//   TGlobalOptions& options = GlobalOptions();
//   if (auto volume = options.GetOption("MusicVolume")) { ... *volume ... }
//   options.SetOption("MusicVolume", "45");   // false: not saved
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "persistence/storage.h"

namespace corvellane {

class TGlobalOptions {
 public:
  // The store file and the key it is enciphered with.
  TGlobalOptions(std::string file_path, std::string key);

  // The stored text of the option; none when the option was never stored.
  std::optional<std::string> GetOption(std::string_view name);
  // Stores the value and saves the store; false when the file could not be
  // written (the value stays set in memory).
  bool SetOption(std::string_view name, std::string_view value);

 private:
  IHierStorageRoot& Store();
  Ref<IHierStorageRoot> LoadStore();

  std::string file_path_;
  std::string key_;
  Ref<IHierStorageRoot> store_;
};

// The process-wide store: "options.dat" in the settings folder, created on
// first use.
TGlobalOptions& GlobalOptions();
// Forgets the process-wide store; the next GlobalOptions() opens the store of
// the settings folder as it is then (tests point it at a folder of their own).
void ResetGlobalOptions();

}  // namespace corvellane
