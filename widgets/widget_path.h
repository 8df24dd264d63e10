// widget_path.h: splitting widget paths and property paths.
//
// A path is "/"-separated: "ui_group/hint_group/button_hint", with "." (the
// widget itself), ".." (its owner's level) and "window:" (the screen's root)
// as special heads. Property names use the same form: "panel/caption/visible"
// is the property "visible" of the widget "panel/caption".
//
//   PathHead p = SplitWidgetPath("panel/caption/visible");
//   // p.head == "panel", p.rest == "caption/visible"
//   SplitWidgetPath("/x");   // head "/", rest "x"
//   SplitWidgetPath("x");    // head "x", rest ""
#pragma once

#include <string_view>

namespace corvellane {

inline constexpr std::string_view kWindowPathHead = "window:";

struct PathHead {
  std::string_view head;
  std::string_view rest;
};

PathHead SplitWidgetPath(std::string_view path);

}  // namespace corvellane
