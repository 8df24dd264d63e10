// widget_interface.h: IWidget, the interface through which everything uses a widget.
//
// Everything a screen shows is a tree of widgets. A widget is a property
// object created by type name from a data file; other parts of the game
// drive it almost entirely through property writes by name
// ("visible", "anchor_left", "panel/caption/visible").
//
// The tree. Every widget has one owner (IWidgetOwner, widget_owner_interface.h): a
// group or decorator that holds it, or the game screen that holds the root.
// Owners keep their children alive; a child keeps only a plain back link that
// the owner clears with ClearOwner before letting go. Through the chain of
// owners a widget reaches the screen (GetWindow, GetEventHandler) and the
// engine (GetEngine). Positions: a widget's anchor is a real position in its
// owner's space, whose origin is the owner's own rounded anchor, so a
// widget's screen position is the sum of the rounded anchors above it.
//
// One frame, as the screen drives it:
//   1. Time: root->Update(dt). Update scales dt by the widget's time rate and
//      calls Advance, which adds it to the widget's clock and may end its
//      life ("timetolive"); groups then update their children and remove the
//      dead ones. The advanced flag stops a second advance in the same frame.
//   2. Dirty pass: root->UpdateDirtyRegion(false, false). Each visible widget
//      compares what it drew last frame with what it would draw now and
//      reports the screen rectangles that changed (old and new) to its owner
//      with InvalidateRect; the screen hands them to the engine. A widget
//      that neither moved, resized, changed visibility nor called
//      SetChanged(true) reports nothing and costs no pixels.
//   3. Draw pass: root->Draw(canvas, x, y) at the root's rounded position.
//      The canvas clips every draw to the rectangles reported in step 2, so
//      the whole tree is walked but only changed areas are painted.
// Input arrives between frames: the screen hit-tests with WidgetAtPos and
// hands mouse and key messages to the widget hit, captured or focused.
//
//   Ref<IWidget> hint = window->FindWidget("ui_group/hint_group/button_hint");
//   hint->SetProperty("visible", true);
//   Variant shown = window->GetProperty("ui_group/hint_group/visible");
//   hint->SetAnchorLeft(120.5);   // drawn at 120 (ties to even)
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/audio/mixer.h"
#include "engine/surface.h"
#include "engine/surface_rect.h"
#include "persistence/object.h"
#include "persistence/ref.h"
#include "persistence/variant.h"

namespace corvellane {

struct ISound;
struct IWidgetCollection;
struct IWidgetOwner;
class TSoundCollection;

struct IWidget : virtual IPropertyObject {
  // ---- Place in the tree ----
  // Attaches the widget; re-defined parameters are applied at this point.
  virtual void SetOwner(IWidgetOwner* owner) = 0;
  virtual void ClearOwner() = 0;
  // Marks the widget (and, for containers, everything inside) for redrawing.
  virtual void Invalidate() = 0;
  // The plain back link; the owner outlives its attached children.
  virtual IWidgetOwner* GetOwner() const = 0;

  // ---- Time and life ----
  virtual bool IsDead() const = 0;
  virtual void SetDead(bool dead) = 0;
  virtual bool IsPaused() const = 0;
  virtual void SetPaused(bool paused) = 0;
  virtual bool IsAdvanced() const = 0;
  virtual void SetAdvanced(bool advanced) = 0;
  // The time-rate-scaled advance that containers call once per frame.
  virtual void Update(int32_t elapsed_ms) = 0;
  virtual void Restart() = 0;
  virtual void Resume() = 0;
  virtual void Pause() = 0;

  // ---- Children and paths ----
  // The collection of a group; none for other widgets.
  virtual Ref<IWidgetCollection> GetWidgets() = 0;
  // "/"-separated names, "." and "..", "window:" for the screen's root.
  virtual Ref<IWidget> FindWidget(std::string_view path) = 0;

  // ---- Geometry (owner space unless said otherwise) ----
  virtual bool IsVisible() const = 0;
  virtual void SetVisible(bool visible) = 0;
  virtual int32_t GetZ() const = 0;
  virtual void SetZ(int32_t z) = 0;
  virtual double GetAnchorLeft() const = 0;
  virtual void SetAnchorLeft(double x) = 0;
  virtual double GetAnchorTop() const = 0;
  virtual void SetAnchorTop(double y) = 0;
  // A screen-space point in this widget's owner space.
  virtual TPoint ScreenToLocal(TPoint screen_point) = 0;
  virtual double GetTop() = 0;
  virtual double GetLeft() = 0;
  virtual int32_t GetWidth() = 0;
  virtual int32_t GetHeight() = 0;
  // Right and bottom exclusive, positioned the way Draw places the widget.
  virtual TRect GetRect() = 0;
  virtual int32_t GetTransparentLevel() const = 0;
  virtual void SetTransparentLevel(int32_t level) = 0;

  // ---- Drawing ----
  // (x, y) is where the widget's origin lands on the target surface.
  virtual void Draw(ISurface* surface, int32_t x, int32_t y) = 0;
  // The widget rendered into a new surface with alpha; none when detached.
  virtual Ref<ISurface> GetImage() = 0;

  // ---- Controls and input ----
  virtual bool IsEnabled() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual bool IsTabStop() const = 0;
  virtual void SetTabStop(bool tab_stop) = 0;
  virtual bool IsMouseStop() const = 0;
  virtual void SetMouseStop(bool mouse_stop) = 0;
  // The widget hit at a point of owner space, or none.
  virtual Ref<IWidget> WidgetAtPos(TPoint point) = 0;
  virtual bool ContainsPoint(TPoint point, bool ignore_visibility) = 0;
  virtual void CaptureLost() = 0;
  virtual void FocusLost() = 0;
  virtual void FocusGained() = 0;
  // Message codes: input_messages.h. The point is in screen space.
  virtual bool HandleMouse(int32_t message, TPoint screen_point, uint32_t keys) = 0;
  virtual bool HandleKey(int32_t message, int32_t key, uint32_t keys) = 0;

  // ---- Sounds ----
  // With override_settings the sound plays at the given volume and pan once.
  // Answers the playing channel, 0 when nothing plays.
  virtual ChannelHandle PlaySound(std::string_view name, bool override_settings, int32_t volume,
                                  int32_t pan) = 0;
  virtual void StopSound(std::string_view name) = 0;
  virtual Ref<TSoundCollection> GetSounds() = 0;
  // The widget's own sound, else the nearest owner's (up to the game's).
  virtual Ref<ISound> FindSound(std::string_view name) = 0;

  virtual void Notify(int32_t code, const Variant& value) = 0;

  // ---- Dirty-rectangle pass ----
  virtual void UpdateDirtyRegion(bool force_old, bool force_new) = 0;
  virtual bool WasVisible() const = 0;
  virtual bool IsChanged() const = 0;
  virtual void SetChanged(bool changed) = 0;
  // Whether the latest dirty pass reported a rectangle for this widget.
  virtual bool IsInvalidated() const = 0;

  // SetVisible(visible), then SetPaused(!visible).
  virtual void Show(bool visible) = 0;
  virtual void SetExtraParam(std::string_view name, const Variant& value) = 0;
  // The owner's path, then "/" and this widget's name when it has one.
  virtual std::string GetPath() = 0;
};

}  // namespace corvellane
