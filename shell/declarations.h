// declarations.h: the product's fixed declarations.
//
// Everything that makes the engine this particular game rather than another:
// file names, folder names, the persisted option names, the default record
// tables, the version, and the cipher keys of the files the game keeps.
// They never change while the program runs, so they are constants, not
// settings; the two record-table texts are parameter strings (param_string.h)
// built from their pieces.
//
//   std::string tables = product::DefaultHighScoreTables();
//   std::string_view key = product::FileKeyText(product::FileKey::Options);
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace corvellane::product {

// Data paths keep the "\" separators of the data files; NormalizePath turns
// them into the platform's form where they are opened.
inline constexpr std::string_view GameDefinitionFile = "data\\ini\\Corvellane.ini";
inline constexpr std::string_view ProductShortName = "corvellane";
inline constexpr std::string_view ProductVersion = "1.1";
inline constexpr std::string_view CompanyFolderName = "TolvoGames";
inline constexpr std::string_view SiteAddress = "https://www.tolvogames.example/";
inline constexpr std::string_view UninstallPagePath = "cgi-bin/uninstall.cgi";
inline constexpr std::string_view RegistryPath = "Software\\TolvoGames\\Corvellane\\";
inline constexpr std::string_view PersistedOptionNames = ";FullScreenMode;WideScreenMode;MusicVolume;SoundVolume;";
inline constexpr std::string_view OptionsFileName = "options.dat";
inline constexpr std::string_view HighScoresFileName = "highscores.dat";
inline constexpr std::string_view LevelRecordsFileName = "records.dat";
inline constexpr std::string_view UserProfilesFileName = "users.dat";
inline constexpr std::string_view ArchiveExtension = ".tgd";
inline constexpr std::string_view DefaultLanguageFile = "lang\\default.lng";
// The optional file in the program folder that may name another language file.
inline constexpr std::string_view ParamsFileName = "params.ini";
inline constexpr std::string_view LanguageFileParam = "default_resource_name";

// Creation parameters of the high-score object: tables "0" and "1", each of at
// most 10 records with the fields Score, Player, Level and Const, then its
// settings file and cipher key ("\file=highscores.dat\cryptkey={...}").
std::string DefaultHighScoreTables();
// Creation parameters of the level-record object: tables "0" and "1", then
// its settings file and cipher key.
std::string DefaultLevelRecordTables();
// Creation parameters of the player profiles: their settings file and cipher key.
std::string DefaultUserProfiles();

// The cipher keys of the files the game keeps. A key must stay the same from
// one release to the next, or stored files no longer decipher.
enum class FileKey { Options, Profiles, HighScores, LevelRecords, Definitions };

struct FileKeyEntry {
  FileKey key;
  std::string_view name;  // the name the data tool knows it by
  std::string_view text;
};

std::span<const FileKeyEntry> FileKeys();
std::string_view FileKeyText(FileKey key);
// The key of that name ("options", "profiles", "highscores", "records",
// "definitions"); none for any other name.
std::optional<FileKey> FindFileKey(std::string_view name);

}  // namespace corvellane::product
