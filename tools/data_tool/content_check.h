// content_check.h: "corvellane-data check FOLDER", every data file of a
// program folder loaded the way the game loads it, and each problem found
// reported on one line with its file and node.
//
// What is read: the game definition ("data\ini\Corvellane.ini") with its
// screens and resource files, every resource definition file of "data\ini",
// the scene list and every scene, the categories and the scenario. What
// counts as a problem:
//   - anything the loading itself logs (an unknown type name, a file that is
//     missing or not well-formed, a value that does not convert...);
//   - a resource definition of an unknown type, or whose file does not exist;
//   - a resource named by an object, a map label or a person that no
//     definition provides;
//   - an object whose caption has no text in the language file;
//   - a location outside the picture of its scene;
//   - a category named by an object or a person that the category list lacks;
//   - a task whose scene is missing, cannot be read or cannot supply the
//     objects the task asks for (the generator is run for every task of both
//     copies, with a fixed seed).
//
//   std::vector<std::string> problems = CheckProgramFolder("build/game");
//   // "data\ini\scenes\cafe.ini, object_def "cup": caption "%obj_cup%" has no text"
#pragma once

#include <string>
#include <vector>

namespace corvellane::data_tool {

std::vector<std::string> CheckProgramFolder(const std::string& folder);

}  // namespace corvellane::data_tool
