// record_file.h: reading and writing the enciphered files of the player
// records ("highscores.dat", "records.dat").
//
// Both files live in the settings folder; the game also ships copies in the
// program folder, which are read when the settings folder has none (a fresh
// installation starts with the shipped tables).
//
// A settings copy that exists but cannot be read, deciphered or parsed is the
// player's data, damaged: it is renamed aside (KeepFileAside,
// "highscores.dat.corrupt-<time>") before anything else happens, so that the
// next save writes a fresh file beside it instead of over it. A damaged
// program-folder copy is only skipped: that file belongs to the installation.
//
// Saving writes the whole document enciphered through the engine, which
// replaces the file in one step; a failed save leaves the old file as it was.
//
//   RecordFile file{"highscores.dat", key};
//   if (Ref<IHierStorageRoot> root = ReadRecordFile(*engine, file, false)) ...
//   bool saved = WriteRecordFile(*engine, file, scores, "highscores");
#pragma once

#include <string>
#include <string_view>

#include "engine/engine_interface.h"
#include "persistence/ref.h"
#include "persistence/storage.h"

namespace corvellane {

struct RecordFile {
  std::string file_name;
  std::string key;

  // The creation parameters "file" and "cryptkey" set it; true when the key
  // was one of them.
  bool SetParam(std::string_view param, std::string_view value);
};

// The path the file is read from: the settings folder's copy, or the program
// folder's when the settings folder has none or `from_program_folder` is set.
std::string RecordFilePath(IEngine& engine, const RecordFile& file, bool from_program_folder);

// The file's deciphered document; none when there is no file (or no file
// name) or it is damaged (a damaged settings copy is then kept aside).
Ref<IHierStorageRoot> ReadRecordFile(IEngine& engine, const RecordFile& file, bool from_program_folder);

// Saves the object as a document with that root element, enciphered, into
// the settings folder. False when it could not be written.
bool WriteRecordFile(IEngine& engine, const RecordFile& file, IPersistable& object, std::string_view root_name);

}  // namespace corvellane
