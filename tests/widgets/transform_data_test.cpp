// What the transform widgets and the transition read from data and write
// back: the keys always written, the ones written only when they differ
// from their defaults, and the zoom written as one value or two.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/widgets/group_fixture.h"

namespace corvellane::testing {
namespace {

struct DataCase {
  const char* element;
  std::vector<const char*> written;
  std::vector<const char*> left_out;
};

void PrintTo(const DataCase& c, std::ostream* out) { *out << c.element; }

class TransformDataTest : public ::testing::TestWithParam<DataCase> {
 protected:
  void SetUp() override { RegisterWidgetClasses(); }
};

TEST_P(TransformDataTest, SavesTheKeysItShould) {
  Ref<IWidget> widget = WidgetFromXml(GetParam().element);
  ASSERT_TRUE(widget);
  Ref<IPersistable> persistable = QueryInterface<IPersistable>(widget);
  const std::string saved = SavedXml(*persistable);
  for (const char* key : GetParam().written) EXPECT_NE(saved.find(key), std::string::npos) << key << " in " << saved;
  for (const char* key : GetParam().left_out) EXPECT_EQ(saved.find(key), std::string::npos) << key << " in " << saved;
}

INSTANTIATE_TEST_SUITE_P(
    Types, TransformDataTest,
    ::testing::Values(
        DataCase{R"(<widget type="zoom_widget" zoom="1.1"/>)",
                 {R"(zoom="1.1")", R"(centerx="0")", R"(centery="0")", R"(smooth="no")", R"(blendingmode="normal")"},
                 {"zoomx", "zoomy", "need_to_repaint"}},
        DataCase{R"(<widget type="zoom_widget" zoom="2" zoomy="0.5" smooth="yes" blendingmode="addition"/>)",
                 {R"(zoomx="2")", R"(zoomy="0.5")", R"(smooth="yes")", R"(blendingmode="addition")"},
                 {R"( zoom=)"}},
        DataCase{R"(<widget type="smooth_move_widget" anchor_left="10.6" sampling_step="0.5" caching="yes"/>)",
                 {R"(anchor_left="10.5")", R"(anchor_top="0")", R"(sampling_step="0.5")", R"(caching="yes")"},
                 {}},
        DataCase{R"(<widget type="smooth_move_widget"/>)", {R"(sampling_step="0.25")"}, {"caching", "anchor_left"}},
        DataCase{R"(<widget type="rotate_widget" angle="-30.5" centerx="3"/>)",
                 {R"(angle="-30.5")", R"(centerx="3")", R"(zoom="1")"},
                 {}},
        DataCase{R"(<widget type="rotate_widget_timed" startangle="15" rotate="yes"/>)",
                 {R"(angle="15")", R"(startangle="15")", R"(rotate="yes")", R"(rotationtime="1000")"},
                 {}},
        DataCase{R"(<widget type="contour_widget" smooth="yes" contourcolor="$80FF0000"/>)",
                 {R"(showcontour="yes")", R"(contourcolor="$80FF0000")", R"(contourthickness="1")",
                  R"(alphalimit="0")"},
                 {"smooth"}},
        DataCase{R"(<widget type="cutsector_widget" endangle="90"/>)",
                 {R"(centerx="0")", R"(centery="0")", R"(startangle="0")", R"(endangle="90")"},
                 {}},
        DataCase{R"(<widget type="scrollarea_widget" shifttop="3"/>)",
                 {R"(width="0")", R"(height="0")", R"(shifttop="3")"},
                 {"shiftleft"}},
        DataCase{R"(<widget type="masked_widget"/>)", {R"(resourcename="")"}, {}},
        DataCase{R"(<widget type="mask_widget"/>)", {R"(blendingmode="normal")"}, {"alphalimit"}},
        DataCase{R"(<widget type="sequience_transition_effect"/>)", {R"(durationtime="0")"}, {"surface"}}));

}  // namespace
}  // namespace corvellane::testing
