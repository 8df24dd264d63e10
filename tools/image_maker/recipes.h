// recipes.h: the named pictures the image maker can draw.
//
// Each recipe draws into a cairo context at any size; the size given with
// the recipe is the one the game uses. Recipes that are a strip of
// animation frames say how many frames they hold (side by side).
//
//   const TRecipe* recipe = FindRecipe("button_normal");
//   TCairoCanvas canvas(recipe->width, recipe->height);
//   recipe->draw(canvas.Context(), canvas.Width(), canvas.Height());
#pragma once

#include <cairo.h>

#include <span>
#include <string_view>

namespace corvellane {

using TDrawRecipe = void (*)(cairo_t* cr, int width, int height);

struct TRecipe {
  std::string_view name;
  int width;
  int height;
  TDrawRecipe draw;
  std::string_view about;
};

std::span<const TRecipe> Recipes();
// None for an unknown name.
const TRecipe* FindRecipe(std::string_view name);

// The drawing functions, one file per family of pictures.
void DrawTownScene(cairo_t* cr, int width, int height);      // town_scene.cpp
void DrawLogoScreen(cairo_t* cr, int width, int height);     // logo_screen.cpp
void DrawGameLogo(cairo_t* cr, int width, int height);
void DrawTownMap(cairo_t* cr, int width, int height);        // town_map.cpp
void DrawPanel(cairo_t* cr, int width, int height);          // interface_art.cpp
void DrawButtonNormal(cairo_t* cr, int width, int height);
void DrawButtonHover(cairo_t* cr, int width, int height);
void DrawButtonPressed(cairo_t* cr, int width, int height);
void DrawButtonDisabled(cairo_t* cr, int width, int height);
void DrawFrame(cairo_t* cr, int width, int height);
void DrawCursorArrow(cairo_t* cr, int width, int height);
void DrawGlow(cairo_t* cr, int width, int height);
void DrawHeart(cairo_t* cr, int width, int height);
void DrawHalo(cairo_t* cr, int width, int height);
void DrawAppIcon(cairo_t* cr, int width, int height);     // app_icon.cpp
void DrawCheckBoxOff(cairo_t* cr, int width, int height);    // control_art.cpp
void DrawCheckBoxOn(cairo_t* cr, int width, int height);
void DrawSliderTrack(cairo_t* cr, int width, int height);
void DrawSliderKnob(cairo_t* cr, int width, int height);
void DrawProgressFrame(cairo_t* cr, int width, int height);
void DrawProgressFill(cairo_t* cr, int width, int height);
void DrawTextField(cairo_t* cr, int width, int height);      // dialog_art.cpp
void DrawListHighlight(cairo_t* cr, int width, int height);
void DrawArrowUp(cairo_t* cr, int width, int height);
void DrawArrowUpHover(cairo_t* cr, int width, int height);
void DrawArrowDown(cairo_t* cr, int width, int height);
void DrawArrowDownHover(cairo_t* cr, int width, int height);
void DrawDesk(cairo_t* cr, int width, int height);           // book_art.cpp
void DrawPersonCard(cairo_t* cr, int width, int height);
void DrawPairsBook(cairo_t* cr, int width, int height);
void DrawPageEdge(cairo_t* cr, int width, int height);
void DrawPageEdgeRight(cairo_t* cr, int width, int height);
void DrawBookTab(cairo_t* cr, int width, int height);
void DrawCategoryTick(cairo_t* cr, int width, int height);
void DrawStarTwinkle(cairo_t* cr, int width, int height);    // sprite_sheets.cpp
void DrawButterflyFlutter(cairo_t* cr, int width, int height);
void DrawSparkle(cairo_t* cr, int width, int height);      // particle_art.cpp
void DrawEmber(cairo_t* cr, int width, int height);
void DrawDustMote(cairo_t* cr, int width, int height);
void DrawCatIdle(cairo_t* cr, int width, int height);
// The story scenes (scene_*.cpp), each with the sprites that stand in front of its objects.
void DrawFlowerShop(cairo_t* cr, int width, int height);
void DrawFlowerShopBucket(cairo_t* cr, int width, int height);
void DrawLibrary(cairo_t* cr, int width, int height);
void DrawLibraryBooks(cairo_t* cr, int width, int height);
void DrawPark(cairo_t* cr, int width, int height);
void DrawParkRoses(cairo_t* cr, int width, int height);
void DrawCafe(cairo_t* cr, int width, int height);
void DrawCafePalm(cairo_t* cr, int width, int height);
void DrawBakery(cairo_t* cr, int width, int height);
void DrawBakeryBasket(cairo_t* cr, int width, int height);
void DrawAttic(cairo_t* cr, int width, int height);
void DrawAtticHatBoxes(cairo_t* cr, int width, int height);
void DrawBeach(cairo_t* cr, int width, int height);
void DrawBeachRocks(cairo_t* cr, int width, int height);
void DrawStation(cairo_t* cr, int width, int height);
void DrawStationTrolley(cairo_t* cr, int width, int height);
// The play screen's interface (play_interface_art.cpp).
void DrawPlayTopBar(cairo_t* cr, int width, int height);
void DrawPlayBottomBar(cairo_t* cr, int width, int height);
void DrawHintButtonNormal(cairo_t* cr, int width, int height);
void DrawHintButtonHover(cairo_t* cr, int width, int height);
void DrawHintButtonPressed(cairo_t* cr, int width, int height);
void DrawHintButtonDisabled(cairo_t* cr, int width, int height);
void DrawHintArrow(cairo_t* cr, int width, int height);
void DrawHintRing(cairo_t* cr, int width, int height);
void DrawClockFace(cairo_t* cr, int width, int height);
void DrawClockHandMinute(cairo_t* cr, int width, int height);
void DrawClockHandSecond(cairo_t* cr, int width, int height);
void DrawRelaxedBadge(cairo_t* cr, int width, int height);
void DrawSmallButtonNormal(cairo_t* cr, int width, int height);
void DrawSmallButtonHover(cairo_t* cr, int width, int height);
void DrawSmallButtonPressed(cairo_t* cr, int width, int height);
void DrawCompletePartBack(cairo_t* cr, int width, int height);
void DrawRibbonBanner(cairo_t* cr, int width, int height);
void DrawCountBadge(cairo_t* cr, int width, int height);
// Keepsakes broken into pieces in the hidden-parts levels (object_art.cpp).
void DrawVase(cairo_t* cr, int width, int height);
void DrawLayerCake(cairo_t* cr, int width, int height);
void DrawChinaTeapot(cairo_t* cr, int width, int height);
void DrawMantelClock(cairo_t* cr, int width, int height);
void DrawBirdhouse(cairo_t* cr, int width, int height);
// Decorations scattered over the scenes (decoration_art.cpp).
void DrawDecoFern(cairo_t* cr, int width, int height);
void DrawDecoIvy(cairo_t* cr, int width, int height);
void DrawDecoBooks(cairo_t* cr, int width, int height);
void DrawDecoTeacups(cairo_t* cr, int width, int height);
void DrawDecoYarnBasket(cairo_t* cr, int width, int height);
void DrawDecoFlowerPot(cairo_t* cr, int width, int height);
void DrawDecoJamJars(cairo_t* cr, int width, int height);
void DrawDecoCandles(cairo_t* cr, int width, int height);
void DrawDecoSheetMusic(cairo_t* cr, int width, int height);
void DrawDecoSuitcase(cairo_t* cr, int width, int height);
void DrawDecoShells(cairo_t* cr, int width, int height);
void DrawDecoLeaves(cairo_t* cr, int width, int height);
void DrawDecoLoaves(cairo_t* cr, int width, int height);
// The people of the story (portraits.cpp) and the town map's labels (map_labels.cpp).
void DrawPortraitMarguerite(cairo_t* cr, int width, int height);
void DrawPortraitJulien(cairo_t* cr, int width, int height);
void DrawPortraitBert(cairo_t* cr, int width, int height);
void DrawPortraitNerissa(cairo_t* cr, int width, int height);
void DrawPortraitAgatha(cairo_t* cr, int width, int height);
void DrawPortraitSilas(cairo_t* cr, int width, int height);
void DrawLabelFlowerShop(cairo_t* cr, int width, int height);
void DrawLabelLibrary(cairo_t* cr, int width, int height);
void DrawLabelPark(cairo_t* cr, int width, int height);
void DrawLabelCafe(cairo_t* cr, int width, int height);
void DrawLabelBakery(cairo_t* cr, int width, int height);
void DrawLabelAttic(cairo_t* cr, int width, int height);
void DrawLabelBeach(cairo_t* cr, int width, int height);
void DrawLabelStation(cairo_t* cr, int width, int height);
void DrawLabelDate(cairo_t* cr, int width, int height);
void DrawCoupleMarguerite(cairo_t* cr, int width, int height);
void DrawCoupleBert(cairo_t* cr, int width, int height);
void DrawCoupleAgatha(cairo_t* cr, int width, int height);

inline constexpr int kStarFrames = 8;
// Poses of the main screen's cat (particle_art.cpp), 80 x 64 each.
inline constexpr int kCatPoses = 5;
inline constexpr int kButterflyFrames = 8;

}  // namespace corvellane
