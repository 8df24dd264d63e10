// particle_group_widget.h: TParticleGroupWidget, what the particle systems
// built on a group have in common.
//
// Such a system is a group whose children are not shown: they lend their
// pictures to the particles. Attaching the system hides every child. Its
// size by name is the data's "width" and "height"; its rectangle (GetRect,
// owner space) is the box around its particles, which the subclass rebuilds
// after every advance (ResetBounds, AddParticleRect, FinishBounds). While
// there are particles, or were before the advance, the old and the new box
// are both reported to the dirty pass, so particles leave no trails.
//
//   void TMySystem::Advance(int32_t ms) {
//     TParticleGroupWidget::Advance(ms);        // clock and children
//     ... move, emit, remove ...
//     ResetBounds();
//     for (auto& p : particles_) AddParticleRect({x, y, x + w, y + h});
//     FinishBounds(!particles_.empty());
//   }
//
// Keys "width", "height", "delta_step" belong to each system's own table.
#pragma once

#include <cstdint>

#include "particles/emission_clock.h"
#include "widgets/group_widget.h"

namespace corvellane {

class TParticleGroupWidget : public TGroupWidget {
 public:
  void SetOwner(IWidgetOwner* owner) override;
  int32_t GetWidth() override { return width_; }
  int32_t GetHeight() override { return height_; }
  // The box around the particles; (-1, -1, -1, -1) when there are none.
  TRect GetRect() override { return bounds_; }

  void SetWidth(int32_t width) { width_ = width; }
  void SetHeight(int32_t height) { height_ = height; }
  int32_t GetDeltaStep() const { return clock_.GetStep(); }
  void SetDeltaStep(int32_t ms) { clock_.SetStep(ms); }

 protected:
  TEmissionClock& Clock() { return clock_; }
  void ResetBounds();
  // A particle's rectangle relative to the system's origin.
  void AddParticleRect(const TRect& rect);
  // Shifts the box by the rounded anchor and marks the widget for the dirty
  // pass while it has (or just had) content.
  void FinishBounds(bool has_content);
  void HideChildren();

 private:
  int32_t width_ = 0;
  int32_t height_ = 0;
  TEmissionClock clock_;
  TRect bounds_{-1, -1, -1, -1};
  bool any_rect_ = false;
  bool had_content_ = false;
};

}  // namespace corvellane
