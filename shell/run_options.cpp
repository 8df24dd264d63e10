#include "shell/run_options.h"

#include <functional>
#include <climits>
#include <map>

#include "persistence/number_text.h"
#include "shell/command_line.h"

namespace corvellane {
namespace {

// A whole number within the range, or nothing.
std::optional<int64_t> ReadWhole(const std::string& text, int64_t low, int64_t high) {
  std::optional<int32_t> value = ParseInt(text);
  if (!value || *value < low || *value > high) return std::nullopt;
  return value;
}

using Setter = std::function<bool(RunOptions&, const std::string&)>;

Setter WholeNumber(int64_t low, int64_t high, std::function<void(RunOptions&, int64_t)> store) {
  return [=](RunOptions& options, const std::string& text) {
    std::optional<int64_t> value = ReadWhole(text, low, high);
    if (value) store(options, *value);
    return value.has_value();
  };
}

Setter NonEmptyText(std::string RunOptions::*field) {
  return [=](RunOptions& options, const std::string& text) {
    options.*field = text;
    return !text.empty();
  };
}

const std::map<std::string, Setter>& ValueSetters() {
  static const std::map<std::string, Setter> setters = {
      {"--frames", WholeNumber(1, 100'000'000, [](RunOptions& o, int64_t v) { o.frames = int32_t(v); })},
      {"--dt", WholeNumber(1, 100, [](RunOptions& o, int64_t v) { o.frame_step_ms = int32_t(v); })},
      // Any 32-bit pattern is a seed; "-1" and "$FFFFFFFF" are the same one.
      {"--seed", WholeNumber(INT32_MIN, INT32_MAX, [](RunOptions& o, int64_t v) { o.seed = uint32_t(v); })},
      {"--capture-every", WholeNumber(1, 100'000'000, [](RunOptions& o, int64_t v) { o.capture_every = int32_t(v); })},
      // A day at most: the game time stays within the virtual clock's 32 bits.
      {"--soak", WholeNumber(1, 86'400, [](RunOptions& o, int64_t v) {
         o.soak_seconds = int32_t(v);
         o.headless = true;
       })},
      {"--input", NonEmptyText(&RunOptions::input_file)},
      {"--capture", NonEmptyText(&RunOptions::capture_dir)},
      {"--audio-out", NonEmptyText(&RunOptions::audio_out)},
      {"--trace", NonEmptyText(&RunOptions::trace_file)},
  };
  return setters;
}

const CommandOption* FindOption(const std::string& name) {
  for (const CommandOption& option : CommandOptions())
    if (option.name == name) return &option;
  return nullptr;
}

}  // namespace

RunRequest ParseRunOptions(std::span<const std::string> arguments) {
  RunRequest request;
  auto fail = [&](std::string message) {
    request.error = std::move(message) + " (see --help)";
    return request;
  };
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& name = arguments[i];
    const CommandOption* option = FindOption(name);
    // The shell's first-argument options are compared without case.
    if (!option && i == 0 && ChooseAction(arguments) != CommandAction::RunGame) return request;
    if (!option) return fail("unknown option \"" + name + "\"");
    if (name == "--headless") {
      request.options.headless = true;
      continue;
    }
    if (name == "--verbose" || name == "--quiet") {
      request.options.log_level = name == "--verbose" ? LogLevel::Info : LogLevel::Silent;
      continue;
    }
    if (option->argument.empty()) continue;
    if (i + 1 >= arguments.size()) return fail(name + " needs " + std::string(option->argument));
    const std::string& value = arguments[++i];
    auto setter = ValueSetters().find(name);
    if (setter != ValueSetters().end() && !setter->second(request.options, value)) {
      return fail("bad value \"" + value + "\" for " + name);
    }
  }
  return request;
}

}  // namespace corvellane
