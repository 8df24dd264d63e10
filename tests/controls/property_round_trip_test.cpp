// Every way into a property meets the same value: a key loaded from data
// reads back by name, saves back as it was, and a value written by name
// saves the same way, for a sample of keys from the widget, control and
// sound classes (the classes' property tables, persistence/property_table.h).
#include <gtest/gtest.h>

#include <string>

#include "persistence/object_io.h"
#include "persistence/storage.h"
#include "persistence/value_access.h"
#include "sound/sound_definitions.h"
#include "tests/controls/control_harness.h"

namespace corvellane::testing {
namespace {

struct KeyCase {
  const char* type;
  // Keys the one under test depends on, loaded in both objects.
  const char* context;
  const char* key;
  const char* data;  // as data holds it, and as it is saved
  const char* read;  // the text of the value read by name
};

Ref<TPropertyObject> Loaded(const KeyCase& c, bool with_key) {
  std::string xml = std::string("<item type=\"") + c.type + "\" " + c.context;
  if (with_key) xml += std::string(" ") + c.key + "=\"" + c.data + "\"";
  Ref<IHierStorageRoot> doc = OpenStorageText(xml + "/>");
  return QueryInterface<TPropertyObject>(CreateFromStorage(doc.get()));
}

std::string SavedValue(TPropertyObject& object, std::string_view key) {
  Ref<IHierStorageRoot> doc = CreateStorage("item");
  object.SaveTo(doc.get());
  return ReadText(doc.get(), key, "(not saved)");
}

class PropertyRoundTripTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    RegisterControlTestClasses();
    RegisterSoundClasses();
  }
};

TEST_F(PropertyRoundTripTest, LoadedReadWrittenAndSavedAlike) {
  const KeyCase cases[] = {
      {"image_widget", "", "drawmode", "fillcolor", "1"},
      {"image_widget", "", "fillcolor", "$80FF0000", "$80FF0000"},
      {"image_widget", "", "resourcetop", "7", "7"},
      {"animation_widget", "", "animationtime", "800", "800"},
      {"animation_widget", "", "framescount", "8", "8"},
      {"sequence_animation_widget", "", "framescount", "8", "8"},
      {"sequence_animation_widget", "", "resourcewidth", "64", "64"},
      {"blink_widget", R"(firstperiod="100")", "secondperiod", "300", "300"},
      {"blink_widget", R"(start_transparentlevel="20")", "end_transparentlevel", "40", "40"},
      {"blink_widget", "", "stoponfirst", "yes", "True"},
      {"text_widget", "", "textalign", "center", "center"},
      {"text_widget", "", "multiline", "yes", "True"},
      {"rect_widget", "", "color", "$80FF0000", "-2130771968"},
      {"surface_widget", "", "fillcolor", "$FF00FF00", "-16711936"},
      {"linked_surface_widget", "", "linked_widget_name", "../scene", "../scene"},
      {"replicator_widget", "", "rows", "3", "3"},
      {"group_widget", "", "caching", "yes", "True"},
      {"func_appearance_effect", "", "surfaceparamname", "picture/surface", "picture/surface"},
      {"func_appearance_effect", "", "durationtime", "300", "300"},
      {"appearance_effect_widget", "", "skip_process_mouse", "no", "False"},
      {"sound_widget", "", "resourcename", "sound_birds", "sound_birds"},
      {"Control", "", "maskwidget", "image_shape", "image_shape"},
      {"ButtonControl", "", "gamescreenname", "GS_Options", "GS_Options"},
      {"NumLabelControl", "", "maxincrementaldurationtime", "1000", "1000"},
      {"SequenceControl", "", "step_duration_time", "3000", "3000"},
      {"Sound", "", "volume", "80", "80"},
      {"Sound", R"(loop="yes" startdelaytime="300")", "startdelaytime_max", "900", "900"},
      {"Music", "", "resourcename", "music_theme", "music_theme"},
  };
  for (const KeyCase& c : cases) {
    SCOPED_TRACE(std::string(c.type) + " " + c.key);
    Ref<TPropertyObject> loaded = Loaded(c, true);
    ASSERT_TRUE(loaded);
    const Variant read = loaded->GetProperty(c.key);
    EXPECT_EQ(read.ToText(), c.read) << "read by name";
    EXPECT_EQ(SavedValue(*loaded, c.key), c.data) << "saved after loading";

    Ref<TPropertyObject> written = Loaded(c, false);
    written->SetProperty(c.key, read);
    EXPECT_EQ(written->GetProperty(c.key).ToText(), c.read) << "read after writing";
    EXPECT_EQ(SavedValue(*written, c.key), c.data) << "saved after writing";
  }
}

}  // namespace
}  // namespace corvellane::testing
