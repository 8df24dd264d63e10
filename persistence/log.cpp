#include "persistence/log.h"

#include <exception>
#include <iostream>

#include "persistence/storage.h"

namespace corvellane {

namespace {

struct LogState {
  LogLevel level = LogLevel::Warning;
  LogSink sink;
};

LogState& State() {
  static LogState state;
  return state;
}

void Emit(LogLevel level, std::string_view line) {
  LogState& state = State();
  if (state.level < level) return;
  if (state.sink) {
    state.sink(level, line);
    return;
  }
  std::cerr << (level == LogLevel::Warning ? "warning: " : "info: ") << line << '\n';
}

}  // namespace

void SetLogLevel(LogLevel level) { State().level = level; }
LogLevel GetLogLevel() { return State().level; }

void LogWarning(std::string_view message) { Emit(LogLevel::Warning, message); }
void LogInfo(std::string_view message) { Emit(LogLevel::Info, message); }

void LogDataWarning(IHierStorage* node, std::string_view message) {
  if (State().level < LogLevel::Warning) return;
  const std::string location = node ? node->GetLocation() : std::string();
  if (location.empty()) {
    LogWarning(message);
    return;
  }
  LogWarning(location + ": " + std::string(message));
}

void LogCaughtException(std::string_view what_failed) {
  std::string reason = "an unknown error";
  try {
    throw;
  } catch (const std::exception& error) {
    reason = error.what();
  } catch (...) {
  }
  LogWarning(std::string(what_failed) + ": " + reason);
}

void SetLogSink(LogSink sink) { State().sink = std::move(sink); }

TLogCapture::TLogCapture(LogLevel level) : saved_level_(State().level), saved_sink_(State().sink) {
  State().level = level;
  State().sink = [this](LogLevel, std::string_view line) { lines_.emplace_back(line); };
}

TLogCapture::~TLogCapture() {
  State().level = saved_level_;
  State().sink = std::move(saved_sink_);
}

int TLogCapture::Count(std::string_view text) const {
  int count = 0;
  for (const std::string& line : lines_)
    if (line.find(text) != std::string::npos) ++count;
  return count;
}

}  // namespace corvellane
