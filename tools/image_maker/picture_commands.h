// picture_commands.h: the image maker's commands that work on pictures
// rather than draw a recipe.
//
//   corvellane-imagemaker pieces WHOLE.png PREFIX COUNT [--seed N] [--report yes]
//   corvellane-imagemaker outline OBJECT.png OUT.png
//   corvellane-imagemaker sheet OUT.png PICTURE.png...
//   corvellane-imagemaker contact-sheet GAME_FOLDER OUT.png [--scene NAME] [--names yes] [--grid yes]
//
// Each command takes the tool's options (the command's name is positional
// word 0) and answers the exit status; failures raise EToolError.
#pragma once

#include <span>
#include <string_view>

#include "tools/media_common/tool_options.h"

namespace corvellane {

struct TPictureCommand {
  std::string_view name;
  int (*run)(const TToolOptions& options);
  std::string_view usage;
};

std::span<const TPictureCommand> PictureCommands();
// None for a name that is no command (it may be a recipe).
const TPictureCommand* FindPictureCommand(std::string_view name);

int CutPieces(const TToolOptions& options);         // picture_pieces.cpp
int MakeOutline(const TToolOptions& options);       // picture_outline.cpp
int MakeSheet(const TToolOptions& options);         // picture_sheet.cpp
int MakeContactSheet(const TToolOptions& options);  // contact_sheet.cpp

}  // namespace corvellane
