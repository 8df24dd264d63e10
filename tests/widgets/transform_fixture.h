// transform_fixture.h: transform widgets on a real headless engine, with
// pictures given to the surface widgets inside them.
//
// Trees are loaded from XML under a root group; a transform's inner widget
// is usually a surface widget named "picture", whose picture the test sets:
//
//   class MyTest : public TransformTest {};
//   TEST_F(MyTest, Draws) {
//     LoadRoot(Transform("zoom_widget", R"(zoom="2")"));
//     SetPicture("t/picture", Dot(9, 9, 4, 4));
//     ASSERT_TRUE(checker.RunFrame(*screen_));
//     EXPECT_EQ(Kept(20, 20), kRed);
//   }
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "tests/widgets/dirty_rect_checker.h"
#include "tests/widgets/resource_fixture.h"

namespace corvellane::testing {

inline constexpr uint32_t kRed = 0xFFFF0000;
inline constexpr uint32_t kGreen = 0xFF00FF00;
inline constexpr uint32_t kBlue = 0xFF0000FF;
inline constexpr uint32_t kWhite = 0xFFFFFFFF;

// A picture of one colour.
inline Ref<TSurface> Plain(int32_t width, int32_t height, uint32_t colour) {
  Ref<TSurface> s = MakeSurface(width, height, true);
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < width; ++x) s->SetPixel(x, y, colour);
  return s;
}

// A transparent picture with one opaque red pixel.
inline Ref<TSurface> Dot(int32_t width, int32_t height, int32_t x, int32_t y) {
  Ref<TSurface> s = MakeSurface(width, height, true);
  s->SetPixel(x, y, kRed);
  return s;
}

// Quarters red (top left), green (top right), blue (bottom left), white.
inline Ref<TSurface> Quarters(int32_t width, int32_t height) {
  Ref<TSurface> s = MakeSurface(width, height, true);
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < width; ++x)
      s->SetPixel(x, y, y < height / 2 ? (x < width / 2 ? kRed : kGreen) : (x < width / 2 ? kBlue : kWhite));
  return s;
}

// A transform widget named "t" around a visible surface widget "picture".
inline std::string Transform(std::string_view type, std::string_view attributes,
                             std::string_view inner_attributes = {}) {
  return "<widget type=\"" + std::string(type) + "\" name=\"t\" visible=\"yes\" mousestop=\"yes\" " +
         std::string(attributes) + "><widgets><widget type=\"surface_widget\" name=\"picture\" visible=\"yes\" " +
         std::string(inner_attributes) + "/></widgets></widget>";
}

class TransformTest : public ResourceWidgetTest {
 public:
  static constexpr int32_t kWidth = 160;
  static constexpr int32_t kHeight = 120;

  // A root group holding the elements, attached to the screen.
  Ref<IWidget> LoadRoot(std::string_view children_xml, std::string_view root_attributes = {}) {
    const std::string xml = "<widget type=\"group_widget\" name=\"root\" visible=\"yes\" mousestop=\"yes\" " +
                            std::string(root_attributes) + "><widgets>" + std::string(children_xml) +
                            "</widgets></widget>";
    return Attach<IWidget>(xml);
  }
  Ref<IWidget> Find(std::string_view path) { return screen_->Root()->FindWidget(path); }
  template <class T>
  Ref<T> Get(std::string_view path) {
    Ref<T> typed = QueryInterface<T>(Find(path));
    EXPECT_TRUE(typed) << path;
    return typed;
  }
  void SetPicture(std::string_view path, Ref<ISurface> picture) {
    Ref<IWidget> widget = Find(path);
    ASSERT_TRUE(widget) << path;
    widget->SetProperty("surface", Variant(picture));
  }
  uint32_t Kept(int32_t x, int32_t y) const { return checker.Kept().GetPixel(x, y); }

  // The root drawn on a transparent canvas: where it drew, alpha is not 0.
  Ref<TSurface> DrawnOnTransparency() {
    Ref<TSurface> canvas = MakeSurface(kWidth, kHeight, true);
    const Ref<IWidget>& root = screen_->Root();
    root->Draw(canvas.get(), RoundToPixel(root->GetAnchorLeft()), RoundToPixel(root->GetAnchorTop()));
    return canvas;
  }

  DirtyRectChecker checker{kWidth, kHeight, kBackground};
};

}  // namespace corvellane::testing
