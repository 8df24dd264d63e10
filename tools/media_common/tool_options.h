// tool_options.h: the command lines of the content tools.
//
// Words that start with "--" name an option and take the next word as its
// value; every other word is positional. Values are read with the project's
// number routines; colours are written as in data files, "$AARRGGBB".
// A missing value or one that does not convert raises EToolError, which the
// tools report on one line before ending with status 2.
//
//   TToolOptions options(argc, argv);          // font.ttf --size 24
//   int size = options.Int("size", 16);
//   uint32_t fill = options.Colour("fill", 0xFFFFFFFF);
#pragma once

#include <cstdint>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace corvellane {

class EToolError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TToolOptions;

// The whole main routine of a content tool: runs `run` with the parsed
// options; any error is one line "name: message" on stderr and exit code 2.
int RunTool(const char* name, int argc, char** argv, int (*run)(const TToolOptions&));

class TToolOptions {
 public:
  // argv[0] (the program) is skipped.
  TToolOptions(int argc, const char* const* argv);

  const std::vector<std::string>& Positional() const { return positional_; }
  // The positional word at `index`; raises EToolError naming `what` when absent.
  const std::string& Require(size_t index, std::string_view what) const;
  bool Has(std::string_view name) const { return named_.count(std::string(name)) > 0; }
  std::string Text(std::string_view name, std::string_view fallback) const;
  int Int(std::string_view name, int fallback) const;
  double Float(std::string_view name, double fallback) const;
  uint32_t Colour(std::string_view name, uint32_t fallback) const;

 private:
  std::map<std::string, std::string> named_;
  std::vector<std::string> positional_;
};

}  // namespace corvellane
