#include "shell/command_line.h"

#include <gtest/gtest.h>

namespace corvellane {
namespace {

TEST(CommandLine, OnlyTheFirstArgumentDecidesWithoutRegardToCase) {
  struct Case {
    std::vector<std::string> arguments;
    CommandAction expected;
  };
  const Case cases[] = {
      {{}, CommandAction::RunGame},
      {{"-install"}, CommandAction::Install},
      {{"-INSTALL"}, CommandAction::Install},
      {{"-Uninstall", "more"}, CommandAction::Uninstall},
      {{"--help"}, CommandAction::ShowHelp},
      {{"-h"}, CommandAction::ShowHelp},
      {{"-changepath", "sub\\"}, CommandAction::RunGame},
      {{"game", "-install"}, CommandAction::RunGame},
      {{""}, CommandAction::RunGame},
      {{"-install-now"}, CommandAction::RunGame},
      {{std::string("-inst\0all", 9)}, CommandAction::RunGame},
  };
  for (const Case& c : cases) {
    std::string joined;
    for (const auto& a : c.arguments) joined += "[" + a + "]";
    EXPECT_EQ(ChooseAction(c.arguments), c.expected) << joined;
  }
}

TEST(CommandLine, UsageListsEveryOption) {
  std::string usage = UsageText("corvellane");
  EXPECT_EQ(usage.rfind("Usage: corvellane", 0), 0u);
  for (const CommandOption& option : CommandOptions())
    EXPECT_NE(usage.find(std::string(option.name) + " "), std::string::npos) << option.name;
}

}  // namespace
}  // namespace corvellane
