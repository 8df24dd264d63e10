#include "shell/startup.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>
#include <stdexcept>

#include "persistence/class_registry.h"
#include "persistence/localization.h"
#include "persistence/object.h"
#include "persistence/paths.h"
#include "shell/declarations.h"
#include "tests/support/temp_dir.h"

namespace corvellane {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

// What the fake engine saw, in order, and the state of the process at Start.
struct EngineLog {
  std::vector<std::string> calls;
  std::string current_directory;
  std::string program_folder;
  std::string language_file;
  std::string greeting;
  bool registered = false;
};

enum class Failing { Nothing, StartAnswersFalse, StartThrows, RunThrows, RunFails, FinishThrows };

class TFakeEngine : public TAbstractObject, public virtual IEngineRunner {
 public:
  TFakeEngine(EngineLog& log, Failing failing) : log_(log), failing_(failing) {}

  bool Start(std::string_view game_definition_file) override {
    log_.calls.push_back("Start " + std::string(game_definition_file));
    log_.current_directory = fs::current_path().string() + "/";
    log_.program_folder = ProgramFolder();
    log_.language_file = DefaultLanguageFile();
    log_.greeting = Localize("%greeting%");
    log_.registered = FindClass("startup_test_object") != nullptr;
    if (failing_ == Failing::StartThrows) throw std::runtime_error("no display");
    return failing_ != Failing::StartAnswersFalse;
  }
  bool Run() override {
    log_.calls.push_back("Run");
    if (failing_ == Failing::RunThrows) throw std::runtime_error("frame failed");
    return failing_ != Failing::RunFails;
  }
  void Finish() override {
    log_.calls.push_back("Finish");
    if (failing_ == Failing::FinishThrows) throw std::runtime_error("cannot release");
  }

 private:
  EngineLog& log_;
  Failing failing_;
};

class TStartupTestObject : public TNamedObject {};

void RegisterTestClasses() { RegisterClass<TStartupTestObject>("startup_test_object"); }

class Startup : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_directory_ = fs::current_path();
    saved_program_folder_ = ProgramFolder();
    exe_folder_ = dir_.path().string() + "/";
    parts_.register_classes = {RegisterTestClasses};
  }
  void TearDown() override {
    fs::current_path(saved_directory_);
    SetProgramFolder(saved_program_folder_);
  }

  EngineFactory Factory(Failing failing = Failing::Nothing) {
    return [this, failing] { return Ref<IEngineRunner>(MakeRef<TFakeEngine>(log_, failing)); };
  }
  int Run(std::vector<std::string> arguments) {
    return RunMainRoutine({std::move(arguments), exe_folder_}, parts_, out_);
  }
  void WriteLanguage(std::string_view path, std::string_view id, std::string_view greeting) {
    dir_.Write(path, "<language id=\"" + std::string(id) + "\"><strings><string name=\"greeting\">" +
                         std::string(greeting) + "</string></strings></language>");
  }

  TempDir dir_;
  std::string exe_folder_;
  ProgramParts parts_;
  EngineLog log_;
  std::ostringstream out_;
  fs::path saved_directory_;

 private:
  std::string saved_program_folder_;
};

TEST_F(Startup, RunsTheGameFromTheProgramFolderWithTheDefaultLanguage) {
  WriteLanguage("lang/default.lng", "en", "Hello");
  parts_.create_engine = Factory();
  EXPECT_EQ(Run({}), 0);
  EXPECT_EQ(log_.calls, (std::vector<std::string>{"Start data\\ini\\Corvellane.ini", "Run", "Finish"}));
  EXPECT_EQ(log_.current_directory, exe_folder_);
  EXPECT_EQ(log_.program_folder, exe_folder_);
  EXPECT_EQ(log_.language_file, "lang\\default.lng");
  EXPECT_EQ(log_.greeting, "Hello");
  EXPECT_TRUE(log_.registered);
  // The process-wide objects are gone afterwards.
  EXPECT_EQ(FindClass("startup_test_object"), nullptr);
  EXPECT_EQ(MultiLanguages(), nullptr);
}

TEST_F(Startup, ChangePathMovesProgramFolderAndCurrentDirectory) {
  fs::create_directories(dir_.path() / "sub");
  WriteLanguage("sub/lang/default.lng", "en", "From sub");
  parts_.create_engine = Factory();
  EXPECT_EQ(Run({"-ChangePath", "SUB\\"}), 0);
  EXPECT_EQ(log_.current_directory, exe_folder_ + "sub/");
  EXPECT_EQ(log_.program_folder, exe_folder_ + "sub/");
  EXPECT_EQ(log_.greeting, "From sub");
}

TEST_F(Startup, ChangePathWithAThirdArgumentIsIgnored) {
  fs::create_directories(dir_.path() / "sub");
  parts_.create_engine = Factory();
  EXPECT_EQ(Run({"-changepath", "sub\\", "extra"}), 0);
  EXPECT_EQ(log_.current_directory, exe_folder_);
  EXPECT_EQ(log_.calls.size(), 3u);
}

TEST_F(Startup, ParamsIniMayNameAnotherLanguageFile) {
  WriteLanguage("lang/default.lng", "en", "Hello");
  WriteLanguage("lang/other.lng", "fr", "Bonjour");
  struct Case {
    std::optional<std::string> params_ini;
    std::string expected_file, expected_greeting;
  };
  const Case cases[] = {
      {std::nullopt, "lang\\default.lng", "Hello"},
      {"<params><param name=\"default_resource_name\" value=\"lang\\other.lng\"/></params>", "lang\\other.lng",
       "Bonjour"},
      {"<params><param name=\"DEFAULT_RESOURCE_NAME\" value=\"lang\\other.lng\"/></params>", "lang\\other.lng",
       "Bonjour"},
      {"<params><param name=\"something_else\" value=\"x\"/></params>", "lang\\default.lng", "Hello"},
      {"<params><param name=\"default_resource_name\" value=\"\"/></params>", "lang\\default.lng", "Hello"},
      {"<params><param name=\"default_resource_name\" value=", "lang\\default.lng", "Hello"},
  };
  parts_.create_engine = Factory();
  for (const Case& c : cases) {
    fs::remove(dir_.path() / "params.ini");
    if (c.params_ini) dir_.Write("params.ini", *c.params_ini);
    EXPECT_EQ(Run({}), 0);
    EXPECT_EQ(log_.language_file, c.expected_file) << c.params_ini.value_or("(no params.ini)");
    EXPECT_EQ(log_.greeting, c.expected_greeting) << c.params_ini.value_or("(no params.ini)");
  }
}

TEST_F(Startup, MalformedLanguageFileStillRunsTheGame) {
  dir_.Write("lang/default.lng", "<language id=\"en\"><strings><string name=\"greeting\">Hel");
  parts_.create_engine = Factory();
  EXPECT_EQ(Run({}), 0);
  EXPECT_EQ(log_.calls.size(), 3u);
  EXPECT_EQ(log_.greeting, "");
}

TEST_F(Startup, EngineFailuresEndTheProgramQuietly) {
  struct Case {
    Failing failing;
    std::vector<std::string> calls;
    int exit_code;
  };
  const std::string start = "Start data\\ini\\Corvellane.ini";
  const Case cases[] = {
      {Failing::Nothing, {start, "Run", "Finish"}, 0},
      {Failing::StartAnswersFalse, {start, "Finish"}, 1},
      {Failing::StartThrows, {start}, 1},
      {Failing::RunThrows, {start, "Run", "Finish"}, 0},
      {Failing::RunFails, {start, "Run", "Finish"}, 1},
      {Failing::FinishThrows, {start, "Run", "Finish"}, 0},
  };
  for (const Case& c : cases) {
    log_ = {};
    parts_.create_engine = Factory(c.failing);
    EXPECT_EQ(Run({}), c.exit_code) << static_cast<int>(c.failing);
    EXPECT_EQ(log_.calls, c.calls) << static_cast<int>(c.failing);
  }
}

TEST_F(Startup, EngineFactoryThatThrowsOrIsMissing) {
  parts_.create_engine = []() -> Ref<IEngineRunner> { throw std::runtime_error("no engine"); };
  EXPECT_EQ(Run({}), 1);
  parts_.create_engine = [] { return Ref<IEngineRunner>(); };
  EXPECT_EQ(Run({}), 1);
  parts_.create_engine = nullptr;
  EXPECT_EQ(Run({"-whatever"}), 0);
}

TEST_F(Startup, HooksRunInsteadOfTheGame) {
  std::vector<std::string> hooks_called;
  parts_.create_engine = Factory();
  parts_.hooks.install = [&] {
    hooks_called.push_back("install");
    return true;
  };
  parts_.hooks.uninstall = [&] {
    hooks_called.push_back("uninstall");
    return false;
  };
  EXPECT_EQ(Run({"-INSTALL"}), 0);
  EXPECT_EQ(Run({"-Uninstall"}), 1);
  EXPECT_EQ(hooks_called, (std::vector<std::string>{"install", "uninstall"}));
  EXPECT_TRUE(log_.calls.empty());

  parts_.hooks = {};
  EXPECT_EQ(Run({"-install"}), 0);
  EXPECT_TRUE(log_.calls.empty());
}

TEST_F(Startup, HelpPrintsUsageAndSetsNothingUp) {
  parts_.create_engine = Factory();
  EXPECT_EQ(Run({"--help"}), 0);
  EXPECT_NE(out_.str().find("-uninstall"), std::string::npos);
  EXPECT_TRUE(log_.calls.empty());
  EXPECT_EQ(fs::current_path(), saved_directory_);
  EXPECT_NE(ProgramFolder(), exe_folder_);
}

TEST_F(Startup, UninstallOpensThePageWithTheLanguageOfTheDefaultFile) {
  WriteLanguage("lang/default.lng", "en gb", "Hello");
  std::vector<std::string> opened;
  parts_.hooks = GameProductHooks([&](std::string_view address) {
    opened.emplace_back(address);
    return true;
  });
  EXPECT_EQ(Run({"-uninstall"}), 0);
  EXPECT_EQ(opened, std::vector<std::string>{
                        "https://www.tolvogames.example/cgi-bin/uninstall.cgi?product=corvellane&v=1.1&language=en%20gb"});
}

TEST_F(Startup, UninstallReportsABrowserThatCannotBeOpened) {
  parts_.hooks = GameProductHooks([](std::string_view) { return false; });
  EXPECT_EQ(Run({"-uninstall"}), 1);
}

}  // namespace
}  // namespace corvellane
