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
      {"obj_vase", 160, 200, DrawVase, "porcelain vase of flowers, broken into pieces in the hidden-parts levels"},
      {"obj_layer_cake", 180, 180, DrawLayerCake, "three-tier cake with cherries"},
      {"obj_china_teapot", 180, 150, DrawChinaTeapot, "china teapot with a garland of roses"},
      {"obj_mantel_clock", 160, 180, DrawMantelClock, "walnut mantel clock"},
      {"obj_birdhouse", 140, 180, DrawBirdhouse, "bird house on its post"},
      {"deco_fern", 120, 100, DrawDecoFern, "decoration: fern fronds"},
      {"deco_ivy", 120, 100, DrawDecoIvy, "decoration: a strand of ivy"},
      {"deco_books", 120, 100, DrawDecoBooks, "decoration: a stack of books"},
      {"deco_teacups", 120, 100, DrawDecoTeacups, "decoration: teacups"},
      {"deco_yarn_basket", 120, 100, DrawDecoYarnBasket, "decoration: a basket of yarn"},
      {"deco_flower_pot", 120, 100, DrawDecoFlowerPot, "decoration: a pot of flowers"},
      {"deco_jam_jars", 120, 100, DrawDecoJamJars, "decoration: jars of jam"},
      {"deco_candles", 120, 100, DrawDecoCandles, "decoration: lit candles"},
      {"deco_sheet_music", 120, 100, DrawDecoSheetMusic, "decoration: sheets of music"},
      {"deco_suitcase", 120, 100, DrawDecoSuitcase, "decoration: an old suitcase"},
      {"deco_shells", 120, 100, DrawDecoShells, "decoration: shells on the sand"},
      {"deco_leaves", 120, 100, DrawDecoLeaves, "decoration: fallen leaves"},
      {"deco_loaves", 120, 100, DrawDecoLoaves, "decoration: a basket of rolls"},
      {"portrait_marguerite", 180, 220, DrawPortraitMarguerite, "portrait of Marguerite for the story cards"},
      {"portrait_julien", 180, 220, DrawPortraitJulien, "portrait of Julien for the story cards"},
      {"portrait_bert", 180, 220, DrawPortraitBert, "portrait of Bert for the story cards"},
      {"portrait_nerissa", 180, 220, DrawPortraitNerissa, "portrait of Nerissa for the story cards"},
      {"portrait_agatha", 180, 220, DrawPortraitAgatha, "portrait of Agatha for the story cards"},
      {"portrait_silas", 180, 220, DrawPortraitSilas, "portrait of Silas for the story cards"},
      {"label_flower_shop", 80, 100, DrawLabelFlowerShop, "map label: the flower shop"},
      {"label_library", 80, 100, DrawLabelLibrary, "map label: the library"},
      {"label_park", 80, 100, DrawLabelPark, "map label: the park"},
      {"label_cafe", 80, 100, DrawLabelCafe, "map label: the café"},
      {"label_bakery", 80, 100, DrawLabelBakery, "map label: the bakery"},
      {"label_attic", 80, 100, DrawLabelAttic, "map label: the attic"},
      {"label_beach", 80, 100, DrawLabelBeach, "map label: the beach"},
      {"label_station", 80, 100, DrawLabelStation, "map label: the station"},
      {"label_date", 80, 100, DrawLabelDate, "map label: the first date"},
  };
  return recipes;
}

const TRecipe* FindRecipe(std::string_view name) {
  for (const TRecipe& recipe : Recipes())
    if (recipe.name == name) return &recipe;
  return nullptr;
}

}  // namespace corvellane
