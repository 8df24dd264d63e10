// Every control is hit exactly on its width and height: its last column and
// row are part of it, the pixels just right of and below it are not, nor
// are those before its anchor, whatever the control's kind.
#include <gtest/gtest.h>

#include <string>

#include "tests/controls/control_harness.h"

namespace corvellane::testing {
namespace {

// A control of 30 x 15 at (10, 20): columns 10 .. 39, rows 20 .. 34.
std::string Tree(std::string_view type) {
  return R"(<widget name="root" visible="yes" mousestop="yes"><widgets><widget type=")" + std::string(type) +
         R"(" name="control" visible="yes" mousestop="yes" enabled="yes" anchor_left="10" anchor_top="20" width="30" height="15"/></widgets></widget>)";
}

TEST(ControlHitArea, EveryKindOfControlCoversExactlyItsWidthAndHeight) {
  const char* types[] = {"ButtonControl",      "LabelControl",     "CheckBoxControl",   "EditControl",
                         "ListBoxControl",     "TrackBarControl",  "ProgressBarControl", "RadioGroupControl",
                         "SequenceControl",    "control_text_vizualization"};
  struct Point {
    TPoint p;
    bool inside;
  };
  const Point points[] = {{{10, 20}, true},  {{39, 34}, true},  {{39, 20}, true},  {{10, 34}, true},
                          {{40, 25}, false}, {{25, 35}, false}, {{40, 35}, false}, {{9, 25}, false},
                          {{25, 19}, false}};
  for (const char* type : types) {
    SCOPED_TRACE(type);
    ControlHarness h(Tree(type));
    Ref<IWidget> control = h.Get<IWidget>("control");
    ASSERT_TRUE(control);
    for (const Point& point : points) {
      SCOPED_TRACE(::testing::Message() << point.p.x << "," << point.p.y);
      EXPECT_EQ(control->ContainsPoint(point.p, false), point.inside);
      EXPECT_EQ(h.Root().WidgetAtPos(point.p) == control, point.inside);
    }
  }
}

}  // namespace
}  // namespace corvellane::testing
