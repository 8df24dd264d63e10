// test_widgets.h: small concrete widgets and loading helpers for the tests.
//
// TTestBox is a single widget that paints its rectangle in one colour at its
// transparency level, through the canvas's clipped drawing, so the dirty
// rectangle tests see real pixels (data key "colour", default $FF3366CC).
// It counts advances and keeps the input it received.
//
//   Ref<TTestBox> box = LoadWidget<TTestBox>(R"(<widget visible="yes" width="4" height="3"/>)");
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "engine/surface.h"
#include "persistence/object_io.h"
#include "persistence/storage.h"
#include "persistence/value_access.h"
#include "widgets/single_widget.h"

namespace corvellane::testing {

class TTestBox : public TSingleWidget {
 public:
  uint32_t colour = 0xFF3366CC;
  int advances = 0;
  std::vector<int32_t> mouse_messages;
  std::vector<std::string> notes;  // "capture lost", "focus lost", "focus gained", "key 65"
  bool handles_keys = true;

  void LoadProperties(IHierStorage* node) override {
    TSingleWidget::LoadProperties(node);
    colour = ReadHexInt(node, "colour", colour);
  }

  void Advance(int32_t elapsed_ms) override {
    ++advances;
    TSingleWidget::Advance(elapsed_ms);
  }
  void Draw(ISurface* surface, int32_t x, int32_t y) override {
    if (GetWidth() <= 0 || GetHeight() <= 0) return;
    Ref<TSurface> ink = MakeSurface(GetWidth(), GetHeight(), true);
    for (int32_t row = 0; row < GetHeight(); ++row)
      for (int32_t col = 0; col < GetWidth(); ++col) ink->SetPixel(col, row, colour);
    surface->DrawImage(ink.get(), {0, 0, GetWidth(), GetHeight()}, TBlendMode::Normal, GetTransparentLevel(),
                       {x, y, x + GetWidth(), y + GetHeight()});
  }
  bool HandleMouse(int32_t message, TPoint, uint32_t) override {
    mouse_messages.push_back(message);
    return true;
  }
  bool HandleKey(int32_t message, int32_t key, uint32_t) override {
    notes.push_back("key " + std::to_string(key));
    return handles_keys;
  }
  void CaptureLost() override { notes.push_back("capture lost"); }
  void FocusLost() override { notes.push_back("focus lost"); }
  void FocusGained() override { notes.push_back("focus gained"); }
  bool IsTabStop() const override { return tab_stop_; }
  void SetTabStop(bool on) override { tab_stop_ = on; }

 private:
  bool tab_stop_ = false;
};

// A widget of class T loaded from the text of its element.
template <class T>
Ref<T> LoadWidget(std::string_view element_xml) {
  Ref<IHierStorageRoot> doc = OpenStorageText(element_xml);
  Ref<T> widget = CreateObject<T>();
  widget->LoadFrom(doc.get());
  return widget;
}

// The element a widget saves itself into, as XML text.
inline std::string SavedXml(IPersistable& widget) {
  Ref<IHierStorageRoot> doc = CreateStorage("widget");
  widget.SaveTo(doc.get());
  return doc->GetXml();
}

}  // namespace corvellane::testing
