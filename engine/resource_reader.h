// resource_reader.h: opening every file the game reads, by name.
//
// Data files, language files, images, fonts, sounds and music are all opened
// through here. A name is a relative or absolute path ("\" or "/", a leading
// "%apppath%" for the program folder); any leading part of it may be
//
//   a real folder                     data/images/logo.png
//   a zip archive standing in for it  data/images.tgd holding logo.png
//   an archive built into the program res:iniresource/default.lng
//
// so the game ships its data loose or packed without the callers knowing.
// Names were written on a case-insensitive system and match files, folders
// and archive entries without regard to ASCII letter case.
//
// Resolution walks the path from the left: each leading part in turn is made
// a location (an archive file of that name, else that name plus
// ArchiveExtension(), else a folder), and the first location that holds the
// rest of the path answers. The last archive that answered stays open and is
// asked first by later names below it; when it lacks a name, the walk runs
// as usual, so what is found never depends on what was read before.
//
//   InstallResourceReader();                          // data files go through here
//   auto bytes = ReadResourceFile("data\\ini\\scenes.ini");
//   auto stream = OpenResourceForReading("Images/Back.PNG");
//
// Every failure (missing location or entry, damaged archive, unreadable file)
// gives none; nothing is reported.
#pragma once

#include <istream>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "engine/zip_archive.h"

namespace corvellane {

enum class ResourceLocationKind { kNone, kFolder, kArchive };

// One location: a folder, or an archive that stands in for a folder.
class TResourceReader {
 public:
  // The location as given by the caller (normalised, "/" separators).
  explicit TResourceReader(std::string location);

  ResourceLocationKind Kind() const { return kind_; }
  const std::string& Location() const { return location_; }

  // The entry below the location ("/" separators), or none.
  std::unique_ptr<std::istream> Open(std::string_view entry);
  std::optional<std::string> Read(std::string_view entry);
  // The entries of an archive location; empty for folders.
  std::vector<std::string> EntryNames() const;

 private:
  void OpenArchive(std::string_view location);
  std::optional<std::string> FolderEntryPath(std::string_view entry) const;

  std::string location_;
  ResourceLocationKind kind_ = ResourceLocationKind::kNone;
  std::string folder_;  // on-disk spelling of a folder location
  std::unique_ptr<TZipArchive> archive_;
};

// The extension that turns a folder name into the name of the archive that
// stands in for it; ".zip" until start-up sets the game's own (".tgd").
void SetArchiveExtension(std::string_view extension);
const std::string& ArchiveExtension();

std::unique_ptr<std::istream> OpenResourceForReading(std::string_view name);
// The whole file, or none.
std::optional<std::string> ReadResourceFile(std::string_view name);
// The whole file as text; empty when it cannot be read.
std::string ReadResourceText(std::string_view name);
// Creates or truncates a file (matching existing folders and files without
// regard to letter case); none for "res:" names and unwritable paths.
std::unique_ptr<std::ostream> OpenResourceForWriting(std::string_view name);

// Closes the archive kept open and forgets every folder listing (start-up,
// end of program, and after files were changed behind the reader's back).
void ResetResourceReader();
// Makes the data-file reader of the persistence layer (OpenStorageFile and
// friends) read through this resource reader.
void InstallResourceReader();

}  // namespace corvellane
