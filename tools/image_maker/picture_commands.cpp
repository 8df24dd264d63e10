#include "tools/image_maker/picture_commands.h"

namespace corvellane {

std::span<const TPictureCommand> PictureCommands() {
  static const TPictureCommand commands[] = {
      {"pieces", CutPieces,
       "pieces WHOLE.png PREFIX COUNT [--seed N] [--report yes]: cut a picture into 3 or 4 puzzle pieces"},
      {"outline", MakeOutline, "outline OBJECT.png OUT.png: the empty place where an object belongs"},
      {"sheet", MakeSheet, "sheet OUT.png PICTURE.png...: the pictures side by side, named, for review"},
      {"contact-sheet", MakeContactSheet,
       "contact-sheet GAME_FOLDER OUT.png [--scene NAME]: every scene with all its objects in place"},
  };
  return commands;
}

const TPictureCommand* FindPictureCommand(std::string_view name) {
  for (const TPictureCommand& command : PictureCommands())
    if (command.name == name) return &command;
  return nullptr;
}

}  // namespace corvellane
