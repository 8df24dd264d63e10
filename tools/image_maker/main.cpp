// corvellane-imagemaker: the demo game's pictures, drawn from code.
//
//   corvellane-imagemaker RECIPE OUT.png [--width W --height H]
//   corvellane-imagemaker emoji CHARACTER OUT.png [--size N] [--font FILE]
//   corvellane-imagemaker list
//   corvellane-imagemaker pieces | outline | sheet | contact-sheet ...  (picture_commands.h)
//
// CHARACTER is "U+1F490", "1F490" or the emoji itself. Sizes default to the
// recipe's own (the one the game uses); emoji pictures to 64 x 64.
#include <iostream>

#include "tools/image_maker/cairo_canvas.h"
#include "tools/image_maker/emoji_picture.h"
#include "tools/image_maker/picture_commands.h"
#include "tools/image_maker/recipes.h"
#include "tools/media_common/tool_options.h"

namespace {

using namespace corvellane;

void Save(const TRgbaImage& picture, const std::string& file) {
  if (!picture.Save(file)) throw EToolError("cannot write " + file);
}

int MakeEmoji(const TToolOptions& options) {
  const std::string& text = options.Require(1, "emoji character");
  std::optional<char32_t> character = ParseEmoji(text);
  if (!character) throw EToolError("not a character: " + text);
  const std::string font = options.Text("font", kEmojiFont);
  Save(DrawEmoji(font.c_str(), *character, options.Int("size", 64)), options.Require(2, "output file"));
  return 0;
}

int MakeRecipe(const TToolOptions& options) {
  const std::string& name = options.Require(0, "recipe name");
  const TRecipe* recipe = FindRecipe(name);
  if (!recipe) throw EToolError("unknown recipe " + name + " (see: corvellane-imagemaker list)");
  const int width = options.Int("width", recipe->width);
  const int height = options.Int("height", recipe->height);
  if (width < 1 || height < 1 || width > 8192 || height > 8192) throw EToolError("size must be 1..8192");
  TCairoCanvas canvas(width, height);
  recipe->draw(canvas.Context(), width, height);
  Save(canvas.Picture(), options.Require(1, "output file"));
  return 0;
}

int Run(const TToolOptions& options) {
  const std::string& command = options.Require(0, "recipe name");
  if (command == "list") {
    for (const TRecipe& recipe : Recipes())
      std::cout << recipe.name << "  " << recipe.width << "x" << recipe.height << "  " << recipe.about << "\n";
    return 0;
  }
  if (command == "emoji") return MakeEmoji(options);
  if (const TPictureCommand* picture = FindPictureCommand(command)) return picture->run(options);
  return MakeRecipe(options);
}

}  // namespace

int main(int argc, char** argv) { return corvellane::RunTool("corvellane-imagemaker", argc, argv, Run); }
