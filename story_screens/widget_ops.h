// widget_ops.h: the few things the story screens do to widget trees again
// and again, each in one place.
//
//   Ref<TParamCollection> params = MakeParams({{"name", "hint"}, {"radius", 35}});
//   FinishChild(animation_group.get(), "hint_activation");     // gone this frame
//   RemoveAllChildren(objects_group.get());
//   TRect on_screen = ScreenRectOf(widget.get());
#pragma once

#include <initializer_list>
#include <string_view>
#include <utility>

#include "engine/surface_rect.h"
#include "persistence/params.h"
#include "records/record_value.h"
#include "widgets/widget_interface.h"

namespace corvellane {

Ref<TParamCollection> MakeParams(std::initializer_list<std::pair<std::string_view, Variant>> values);
// A parameter as a whole number; `fallback` when it is missing or no
// number. (ParamText, the text form, is records/record_value.h's.)
int32_t ParamInt(IParamCollection* params, std::string_view name, int32_t fallback);

// Every parameter of `from` written into `to`.
void CopyParams(IParamCollection& from, IParamCollection& to);

// The widget of the nearest factory of that name from `holder` up (a
// screen's window asks its own factories); none without such a factory.
Ref<IWidget> MakeFromFactory(IWidget* holder, std::string_view name, IParamCollection* params);

// The child of that name is marked finished and the group's finished
// children are removed (their areas are redrawn).
void FinishChild(IWidget* group, std::string_view name);
void RemoveAllChildren(IWidget* group);
// Adds the widget to the group in place of a child of the same name.
void ReplaceChild(IWidget* group, Ref<IWidget> widget);

// Where the widget's owner space lies on the screen.
TPoint ScreenOffsetOf(IWidget* widget);
// The widget's rectangle on the screen.
TRect ScreenRectOf(IWidget* widget);
// Writes the property when the widget is there.
void SetWidgetProperty(IWidget* widget, std::string_view name, const Variant& value);

}  // namespace corvellane
