// log.h: the one log channel of the program.
//
// Loading is forgiving: a missing file, an unknown type name or a value that
// does not convert is skipped and the game goes on. The log is how a content
// author learns what was skipped: one line per problem, naming the file and
// the node, on stderr.
//
//   LogWarning("options.dat could not be read; the defaults are used");
//   LogDataWarning(node, "unknown type \"fancy_widget\"; skipped");
//     -> warning: data/screens/main.xml, gamescreen/window/widgets/widget "logo":
//        unknown type "fancy_widget"; skipped
//   LogInfo("loaded 42 resources");          // only with --verbose
//
// Levels: warnings are shown by default, info lines only at LogLevel::Info
// (the program's --verbose). Test programs start silent (tests/support);
// a test that checks a warning captures the lines with a TLogCapture:
//
//   TLogCapture log;                  // silent otherwise, restored on exit
//   LoadScreen(...);
//   EXPECT_THAT(log.Lines(), Contains(HasSubstr("unknown type")));
//
// Single-threaded like everything that loads data; the sink is global.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace corvellane {

struct IHierStorage;

enum class LogLevel { Silent, Warning, Info };

void SetLogLevel(LogLevel level);
LogLevel GetLogLevel();

void LogWarning(std::string_view message);
void LogInfo(std::string_view message);
// A warning about data: prefixed with the node's file and place in it
// (GetLocation of the storage). A null node gives a plain warning.
void LogDataWarning(IHierStorage* node, std::string_view message);

// Inside a catch block: a warning of what failed and the exception's own
// message ("the language file could not be read: <what>").
void LogCaughtException(std::string_view what_failed);

// Where lines go; an empty sink means stderr. The sink sees every line the
// level lets through, without the "warning: " prefix.
using LogSink = std::function<void(LogLevel level, std::string_view line)>;
void SetLogSink(LogSink sink);

// Collects warnings (and info lines when asked) while it lives; the level
// and sink in force before are restored when it goes.
class TLogCapture {
 public:
  explicit TLogCapture(LogLevel level = LogLevel::Warning);
  ~TLogCapture();
  TLogCapture(const TLogCapture&) = delete;
  TLogCapture& operator=(const TLogCapture&) = delete;

  const std::vector<std::string>& Lines() const { return lines_; }
  // How many lines contain the text.
  int Count(std::string_view text) const;

 private:
  LogLevel saved_level_;
  LogSink saved_sink_;
  std::vector<std::string> lines_;
};

}  // namespace corvellane
