#include "tools/image_maker/recipes.h"

namespace corvellane {

std::span<const TRecipe> Recipes() {
  static const TRecipe recipes[] = {
      {"town_scene", 1024, 768, DrawTownScene, "the main screen: the small town at dusk"},
      {"logo_screen", 1024, 768, DrawLogoScreen, "studio and game logo on a dark background"},
      {"logo", 416, 300, DrawGameLogo, "emblem and title on transparency"},
      {"town_map", 1024, 768, DrawTownMap, "the map screen: the town as an old map on parchment"},
      {"panel", 512, 384, DrawPanel, "cream dialog panel with a gold border"},
      {"button_normal", 240, 60, DrawButtonNormal, "rose button"},
      {"button_hover", 240, 60, DrawButtonHover, "the button under the mouse"},
      {"button_pressed", 240, 60, DrawButtonPressed, "the button held down"},
      {"button_disabled", 240, 60, DrawButtonDisabled, "the button greyed out"},
      {"frame", 320, 240, DrawFrame, "gilded picture frame, open in the middle"},
      {"cursor", 32, 32, DrawCursorArrow, "mouse arrow, tip at the top left"},
      {"glow", 128, 128, DrawGlow, "soft warm light"},
      {"heart", 64, 64, DrawHeart, "glossy heart"},
      {"checkbox_off", 28, 28, DrawCheckBoxOff, "empty check box"},
      {"checkbox_on", 28, 28, DrawCheckBoxOn, "ticked check box"},
      {"slider_track", 240, 24, DrawSliderTrack, "groove of a track bar"},
      {"slider_knob", 24, 24, DrawSliderKnob, "knob of a track bar"},
      {"progress_frame", 320, 28, DrawProgressFrame, "empty progress bar"},
      {"progress_fill", 320, 28, DrawProgressFill, "progress bar's filling, drawn over the frame"},
      {"star_twinkle", 48 * kStarFrames, 48, DrawStarTwinkle, "twinkling star, 8 frames"},
      {"butterfly", 64 * kButterflyFrames, 64, DrawButterflyFlutter, "fluttering butterfly, 8 frames"},
      {"scene_flower_shop", 1024, 768, DrawFlowerShop, "story scene: the flower shop on a spring morning"},
      {"front_flower_bucket", 160, 200, DrawFlowerShopBucket, "the flower shop's bucket of flowers, in front"},
      {"scene_library", 1024, 768, DrawLibrary, "story scene: the library by lamplight"},
      {"front_book_pile", 120, 110, DrawLibraryBooks, "the library's pile of books, in front"},
      {"scene_park", 1024, 768, DrawPark, "story scene: the park on a summer afternoon"},
      {"front_rose_hedge", 200, 110, DrawParkRoses, "the park's rose hedge, in front"},
      {"scene_cafe", 1024, 768, DrawCafe, "story scene: the café on a quiet afternoon"},
      {"front_cafe_palm", 240, 200, DrawCafePalm, "the café's potted palm, in front"},
      {"scene_bakery", 1024, 768, DrawBakery, "story scene: the bakery before dawn"},
      {"front_bread_basket", 130, 150, DrawBakeryBasket, "the bakery's basket of baguettes, in front"},
      {"scene_attic", 1024, 768, DrawAttic, "story scene: the attic in late afternoon light"},
      {"front_hat_boxes", 140, 170, DrawAtticHatBoxes, "the attic's stack of hat boxes, in front"},
      {"scene_beach", 1024, 768, DrawBeach, "story scene: the beach at midday"},
      {"front_beach_rocks", 240, 110, DrawBeachRocks, "the beach's rocks with seaweed, in front"},
      {"scene_station", 1024, 768, DrawStation, "story scene: the railway station late in the afternoon"},
      {"front_luggage_trolley", 240, 180, DrawStationTrolley, "the station's luggage trolley, in front"},
  };
  return recipes;
}

const TRecipe* FindRecipe(std::string_view name) {
  for (const TRecipe& recipe : Recipes())
    if (recipe.name == name) return &recipe;
  return nullptr;
}

}  // namespace corvellane
