// story_file.h: reading the story's data files.
//
// The scene list, the scene definitions, the categories and the scenario are
// definition files: plain XML during development, or enciphered with the
// product's definitions key in a shipped program folder (the engine's game
// definition follows the same rule). They are read through the data-file
// reader, so folders and archives serve alike.
//
// A file that is missing, does not decipher or is not well-formed gives none
// and one log line naming the file and what is wrong with it:
//
//   Ref<IHierStorageRoot> root = OpenStoryFile("data\\ini\\scenes.ini");
//   if (!root) return;   // already reported
#pragma once

#include <string>
#include <string_view>

#include "persistence/storage.h"

namespace corvellane {

inline constexpr std::string_view kSceneDefRefsFile = "data\\ini\\scenes.ini";
inline constexpr std::string_view kCategoriesFile = "data\\ini\\categories.ini";
inline constexpr std::string_view kScenarioFile = "data\\ini\\scenarios\\default.ini";

// `what` names the file's role in the message ("scene definition").
Ref<IHierStorageRoot> OpenStoryFile(std::string_view path, std::string_view what);

// The document of a definition text, plain or enciphered; none when it is
// neither (nothing is logged: the caller knows where the text came from).
// Raises EStorageParseError for text that deciphers but does not parse.
Ref<IHierStorageRoot> ParseStoryText(std::string_view text, std::string_view source_name);

// The object written into a new document with that root, as text.
std::string StoryDocumentText(IPersistable* object, std::string_view root_name);

}  // namespace corvellane
