// records_fixture.h: a settings folder and a program folder of the test's
// own, and a headless engine that answers with them.
//
// CORVELLANE_SETTINGS_DIR points at <temp>/settings and the program folder
// is <temp>/program for the test's lifetime; both are put back afterwards.
// The engine can be told to fail every save, as a full disk would.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "engine/engine.h"
#include "engine/platform/headless_platform.h"
#include "persistence/cipher.h"
#include "persistence/object_io.h"
#include "persistence/paths.h"
#include "tests/support/temp_dir.h"

namespace corvellane::testing {

class TRecordsTestEngine : public TEngine {
 public:
  using TEngine::TEngine;
  bool fail_writes = false;
  int writes = 0;

  bool WriteSettingsText(std::string_view text, std::string_view file_name) override {
    ++writes;
    if (fail_writes) return false;
    return TEngine::WriteSettingsText(text, file_name);
  }
};

class RecordsTest : public ::testing::Test {
 protected:
  RecordsTest() : platform_(HeadlessOptions{}) {
    if (const char* old = std::getenv("CORVELLANE_SETTINGS_DIR")) saved_settings_ = old;
    saved_program_ = ProgramFolder();
    std::filesystem::create_directories(dir_.path() / "settings");
    std::filesystem::create_directories(dir_.path() / "program");
    setenv("CORVELLANE_SETTINGS_DIR", dir_.File("settings").c_str(), 1);
    SetProgramFolder(dir_.File("program") + "/");
    engine_ = MakeRef<TRecordsTestEngine>(platform_);
    InitObject(*engine_, {});
  }
  ~RecordsTest() override {
    engine_ = nullptr;
    if (saved_settings_)
      setenv("CORVELLANE_SETTINGS_DIR", saved_settings_->c_str(), 1);
    else
      unsetenv("CORVELLANE_SETTINGS_DIR");
    SetProgramFolder(saved_program_);
  }

  TRecordsTestEngine* engine() { return engine_.get(); }

  // "settings/<name>" or "program/<name>" inside the temporary folder.
  std::string Write(std::string_view relative, std::string_view bytes) { return dir_.Write(relative, bytes); }
  std::string Read(std::string_view relative) { return dir_.Read(relative); }
  bool Exists(std::string_view relative) { return std::filesystem::exists(dir_.File(relative)); }
  void Remove(std::string_view relative) { std::filesystem::remove(dir_.File(relative)); }
  void WriteEnciphered(std::string_view relative, std::string_view key, std::string_view xml) {
    Write(relative, EncryptText(key, xml));
  }
  // The deciphered text of a file; empty when it does not decipher.
  std::string ReadDeciphered(std::string_view relative, std::string_view key) {
    return TryDecryptText(key, Read(relative)).value_or(std::string());
  }

  // The files of the settings folder that were kept aside for that name.
  std::vector<std::string> AsideCopies(std::string_view file_name) {
    std::vector<std::string> names;
    const std::string prefix = std::string(file_name) + ".corrupt-";
    for (const auto& entry : std::filesystem::directory_iterator(dir_.path() / "settings")) {
      std::string name = entry.path().filename().string();
      if (name.rfind(prefix, 0) == 0) names.push_back("settings/" + name);
    }
    return names;
  }

 private:
  TempDir dir_;
  std::optional<std::string> saved_settings_;
  std::string saved_program_;
  THeadlessPlatform platform_;
  Ref<TRecordsTestEngine> engine_;
};

}  // namespace corvellane::testing
