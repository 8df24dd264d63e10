#include "shell/text_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <filesystem>

#include "persistence/log.h"
#include "persistence/number_text.h"
#include "persistence/paths.h"
#include "persistence/whole_file.h"

namespace corvellane {

namespace {

std::string TimeStamp(std::chrono::system_clock::time_point now) {
  std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  std::tm utc{};
  ::gmtime_r(&seconds, &utc);
  char text[32];
  std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &utc);
  return text;
}

}  // namespace

TextFileContent ReadTextLines(std::string_view path) {
  FileBytes file = ReadWholeFile(path, kMaxSettingsFileBytes);
  if (!file.ok()) return {file.status, {}};
  return {FileReadStatus::Ok, JoinLinesCrLf(file.bytes)};
}

std::string JoinLinesCrLf(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 32 + 2);
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      out += "\r\n";
    } else {
      out.push_back(c);
    }
  }
  if (!text.empty() && text.back() != '\r' && text.back() != '\n') out += "\r\n";
  return out;
}

bool WriteTextLinesAtomically(std::string_view path, std::string_view text) {
  return WriteFileAtomically(path, JoinLinesCrLf(text));
}

std::optional<std::string> KeepFileAside(std::string_view path, std::chrono::system_clock::time_point now) {
  namespace fs = std::filesystem;
  const std::string source(path);
  std::error_code ec;
  if (!fs::exists(fs::symlink_status(source, ec))) return std::nullopt;
  const std::string base = source + ".corrupt-" + TimeStamp(now);
  for (int attempt = 1; attempt < 1000; ++attempt) {
    std::string candidate = attempt == 1 ? base : base + "-" + FormatInt(attempt);
    if (fs::exists(fs::symlink_status(candidate, ec))) continue;
    if (::rename(source.c_str(), candidate.c_str()) != 0) break;
    LogWarning(source + " could not be read; it is kept as " + candidate + " and a fresh one is started");
    return candidate;
  }
  LogWarning(source + " could not be read, nor set aside");
  return std::nullopt;
}

}  // namespace corvellane
