#include "play/fly_widget.h"

#include "play/play_formulas.h"

namespace corvellane {

void TFlyWidget::UpdatePosition() {
  const double p = GetCurrentTime() <= 0 ? 0.0 : MotionFraction();
  SetAnchorLeft(EasedPosition(GetStartPoint().x, GetEndPoint().x, p));
  SetAnchorTop(EasedPosition(GetStartPoint().y, GetEndPoint().y, p));
}

}  // namespace corvellane
