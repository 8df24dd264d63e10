// paths.h: the one path normaliser, and the program folder it resolves against.
//
// Data files were written on a case-insensitive system with "\" as separator
// ("data\ini\Corvellane.ini", "%apppath%lang\default.lng"). NormalizePath turns
// such a path into the platform's form: "/" separators, no doubled separators,
// and a leading "%apppath%" (any letter case) replaced by the program folder.
// Letter case is left alone here; the resource reader matches names without
// regard to case.
#pragma once

#include <string>
#include <string_view>

namespace corvellane {

std::string NormalizePath(std::string_view path);

// The program folder, with a trailing "/". Set once at start-up.
void SetProgramFolder(std::string_view folder);
const std::string& ProgramFolder();

// Joins a folder and a relative path with exactly one "/" between them.
std::string JoinPath(std::string_view folder, std::string_view relative);
// The folder part of a normalised path ("a/b/c.txt" -> "a/b"; "c.txt" -> "").
std::string_view FolderOf(std::string_view path);
// The file name part ("a/b/c.txt" -> "c.txt").
std::string_view FileNameOf(std::string_view path);

}  // namespace corvellane
