// appearance_effect.h: TAppearanceEffect and TFunctionAppearanceEffect
// ("func_appearance_effect"), one animation that plays while a group is
// shown or hidden.
//
// An effect is a decorator whose inner widget draws the picture taken of the
// group (usually a surface widget), animated by bound functions or anything
// else that writes its properties. It runs for "durationtime" milliseconds
// of its own clock, or until something writes its "state" to 1:
//
//   <widget type="func_appearance_effect" name="show_effect" durationtime="300"
//           surfaceparamname="picture/surface">
//     <widgets>
//       <widget type="surface_widget" name="picture" visible="yes"/>
//     </widgets>
//   </widget>
//
//   effect->StartEffect(picture, params);   // state 0, clock at 0
//   effect->Update(16);                     // ... state 1 once 300 ms passed
//
// States: -1 never started, 0 running, 1 done. The parameters an effect is
// started with are kept as a private copy and read and written as extra
// properties of the effect (after "durationtime" and "state", before the
// decorator's own names).
//
// The picture reaches the effect as a property value: StartEffect writes it
// to the property "surfaceparamname" names, usually a path to a surface
// widget's "surface" inside the effect, like any other property write;
// ReleaseEffectSurface writes none there.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "persistence/params.h"
#include "widgets/behaviour_widget.h"

namespace corvellane {

struct IAppearanceEffect : virtual IWidget {
  // Hands the picture to the effect and starts it from time 0.
  virtual void StartEffect(Ref<ISurface> surface, IParamCollection* parameters) = 0;
  // Lets go of the picture once the effect is over: the group it was taken
  // of is drawn itself again, and a screen stays in the game's catalogue
  // after it closes, so a picture kept here would live until the game ends.
  virtual void ReleaseEffectSurface() = 0;
  virtual int32_t GetEffectState() const = 0;
  virtual void SetEffectState(int32_t state) = 0;
};

inline constexpr int32_t kEffectNeverStarted = -1;
inline constexpr int32_t kEffectRunning = 0;
inline constexpr int32_t kEffectDone = 1;

class TAppearanceEffect : public TBehaviourWidget, public virtual IAppearanceEffect {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }

  void StartEffect(Ref<ISurface> surface, IParamCollection* parameters) override;
  void ReleaseEffectSurface() override { SetEffectSurface(nullptr); }
  int32_t GetEffectState() const override { return state_; }
  void SetEffectState(int32_t state) override { state_ = state; }
  // The decorator's advance; the effect is done once its clock reaches the duration.
  void Advance(int32_t elapsed_ms) override;

  int32_t GetDuration() const { return duration_; }
  const Ref<IParamCollection>& GetEffectParams() const { return params_; }

 protected:
  virtual void SetEffectSurface(Ref<ISurface> surface) = 0;
  // The start parameters, whose names are known only once started.
  std::optional<Variant> ReadDynamicProperty(std::string_view name) override;
  bool WriteDynamicProperty(std::string_view name, const Variant& value) override;

 private:
  // A start parameter of that name, unless the name is one of this class's
  // own rows, which come first.
  bool IsParameter(std::string_view name) const;

  int32_t state_ = kEffectNeverStarted;
  int32_t duration_ = 0;
  Ref<IParamCollection> params_;
};

class TFunctionAppearanceEffect : public TAppearanceEffect {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }

  const std::string& GetSurfaceParamName() const { return surface_param_name_; }

 protected:
  // Writes the picture to the property named by "surfaceparamname", which
  // names a surface widget inside the effect ("picture/surface").
  void SetEffectSurface(Ref<ISurface> surface) override;

 private:
  std::string surface_param_name_;
};

}  // namespace corvellane
