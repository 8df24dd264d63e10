// Arbitrary text as the symbol table of a bitmap font (the file a font
// resource's "_outstorage" names, as data/fonts/*.xml), over a fixed sheet:
// the font is defined through the engine's resource definitions, and text
// widgets lay out and draw every character it may hold, in one line and in
// several, in each alignment, with and without a fixed width.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "engine/platform/headless_platform.h"
#include "engine/platform/png_writer.h"
#include "engine/surface.h"
#include "fuzz/fuzz_support.h"
#include "game/class_list.h"
#include "persistence/data_files.h"
#include "persistence/object_io.h"
#include "persistence/storage.h"
#include "persistence/whole_file.h"
#include "widgets/plain_widget_owner.h"
#include "widgets/widget_interface.h"

using namespace corvellane;

namespace {

constexpr size_t kMaxInputSize = 32 * 1024;
constexpr int32_t kSheetWidth = 256;
constexpr int32_t kSheetHeight = 64;
// Every printable ASCII character, a few accented and wide ones, a line break.
constexpr const char* kText = " !\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`"
                              "abcdefghijklmnopqrstuvwxyz{|}~\n\xC3\xA9\xC3\xBC\xE2\x82\xAC\xF0\x9F\x92\x96";

class TFontOwner : public TPlainWidgetOwner {
 public:
  explicit TFontOwner(IEngine* engine) : engine_(engine) {}
  IEngine* GetEngine() override { return engine_; }

 private:
  IEngine* engine_;
};

struct FontRig {
  FontRig() : platform(HeadlessOptions{}), engine(CreateEngine(platform)) {
    std::vector<uint32_t> pixels(size_t(kSheetWidth) * kSheetHeight);
    for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = 0xFF000000u | uint32_t(i * 2654435761u >> 8);
    const std::string path = FuzzSettingsFolder().Path() + "sheet.png";
    WritePngWithAlpha(path, {pixels, kSheetWidth, kSheetHeight, kSheetWidth});
    sheet_bytes = ReadDiskFile(path).value_or("");
  }
  THeadlessPlatform platform;
  Ref<TEngine> engine;
  std::string sheet_bytes;
};

FontRig& Rig() {
  static FontRig rig;
  return rig;
}

void DefineFont(const std::string& folder) {
  Ref<IHierStorageRoot> defs = OpenStorageText(
      "<defs><content><resource name=\"font\" type=\"FontResource\" file=\"" + folder + "sheet.png\" format=\"png\" "
      "_outstorage=\"\\file={" + folder + "font.xml}\"/></content></defs>");
  Rig().engine->LoadResourceDefs(defs.get(), "fuzz", false);
}

void LayOutAndDraw(const std::string& widget_xml) {
  Ref<IWidget> text = QueryInterface<IWidget>(CreateFromStorage(OpenStorageText(widget_xml).get()));
  if (!text) return;
  text->SetProperty("text", Variant(kText));
  Ref<TFontOwner> owner = MakeRef<TFontOwner>(Rig().engine.get());
  text->SetOwner(owner.get());
  Ref<TSurface> canvas = MakeSurface(64, 48, true);
  text->Update(16);
  text->UpdateDirtyRegion(false, false);
  text->Draw(canvas.get(), 0, 0);
  text->ClearOwner();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  FuzzQuietly();
  RegisterAllGameClasses();
  const std::string folder = FuzzSettingsFolder().Path();
  SetDataFileReader([folder](std::string_view path) -> std::optional<std::string> {
    if (path.substr(0, folder.size()) != folder) return std::nullopt;
    return ReadDiskFile(path);
  });
  Rig();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > kMaxInputSize) return 0;
  TFuzzSettingsFolder& folder = FuzzSettingsFolder();
  folder.Put("font.xml", AsText(data, size));
  WriteFileAtomically(folder.Path() + "sheet.png", Rig().sheet_bytes);
  ClearExternalStorageCache();
  DefineFont(folder.Path());
  for (const char* align : {"left", "center", "right"}) {
    for (const char* lines : {"no", "yes"}) {
      LayOutAndDraw(std::string("<widget type=\"text_widget\" visible=\"yes\" resourcename=\"font\" width=\"60\" "
                                "height=\"40\" textalign=\"") + align + "\" multiline=\"" + lines +
                    "\" textvertalign=\"center\" usefixedwidth=\"" + lines + "\" fixedwidth=\"7\"/>");
    }
  }
  Rig().engine->RemoveResources("fuzz");
  return 0;
}
