// text_files.h: whole-file text reading and safe whole-file text writing
// (over persistence/whole_file.h).
//
// The game keeps its options, profiles, high scores and level records as
// small text files that are replaced as a whole on every save. Two rules keep
// a player's data from being lost:
//
//   - A save never leaves a half-written file. The text goes to a temporary
//     file in the same folder, is flushed to the disk and then renamed over
//     the old file in one step. If anything fails, the old file stays as it
//     was, the temporary file is removed and the caller is told.
//   - A file that exists but cannot be read is not the same as a missing one.
//     ReadTextLines says which; a caller that finds a file it cannot read or
//     decipher moves it aside with KeepFileAside before saving a fresh one, so
//     the damaged data is still there for someone to look at.
//
// Texts are handled as lines: reading joins the file's lines with CR LF (each
// line, the last one included, ends with CR LF); writing splits the text at
// CR LF, CR or LF and ends every line with CR LF.
//
//   TextFileContent content = ReadTextLines("/home/p/.local/share/.../users.dat");
//   if (content.status == FileReadStatus::Unreadable) KeepFileAside(path);
//   if (!WriteTextLinesAtomically(path, text)) { ... the old file is intact ... }
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "persistence/whole_file.h"

namespace corvellane {

struct TextFileContent {
  FileReadStatus status = FileReadStatus::Missing;
  std::string text;  // empty unless the status is Ok

  bool ok() const { return status == FileReadStatus::Ok; }
};

// At most kMaxSettingsFileBytes; a file that is no regular file or is larger
// is Unreadable.
TextFileContent ReadTextLines(std::string_view path);

// The text's lines, each followed by CR LF ("a\nb" -> "a\r\nb\r\n").
std::string JoinLinesCrLf(std::string_view text);

// True when the file now holds the text; false (old file untouched) otherwise.
bool WriteTextLinesAtomically(std::string_view path, std::string_view text);

// Renames the file to path + ".corrupt-" + a UTC time stamp (and "-2", "-3"...
// when that name is taken). Answers the new path, or none when the file does
// not exist or cannot be renamed.
std::optional<std::string> KeepFileAside(std::string_view path,
                                         std::chrono::system_clock::time_point now = std::chrono::system_clock::now());

}  // namespace corvellane
