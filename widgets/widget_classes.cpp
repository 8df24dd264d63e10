#include "widgets/widget_classes.h"

#include "persistence/class_registry.h"
#include "widgets/appearance_effect.h"
#include "widgets/appearance_effect_collection.h"
#include "widgets/appearance_effect_widget.h"
#include "widgets/circular_motion_widget.h"
#include "widgets/contour_widget.h"
#include "widgets/cut_sector_widget.h"
#include "widgets/linked_surface_widget.h"
#include "widgets/mask_widget.h"
#include "widgets/masked_surface_widget.h"
#include "widgets/move_widget.h"
#include "widgets/rect_widget.h"
#include "widgets/replicator_widget.h"
#include "widgets/resource_widget_classes.h"
#include "widgets/scroll_area_widget.h"
#include "widgets/smooth_move_widget.h"
#include "widgets/surface_widget.h"
#include "widgets/timed_rotate_widget.h"
#include "widgets/transition_effect_widget.h"
#include "widgets/visual_group_widget.h"
#include "widgets/widget_factory.h"

namespace corvellane {

// The base classes of this folder are not created from data by themselves;
// the containers and concrete widgets register their type names here.
void RegisterWidgetClasses() {
  RegisterClass<TVisualGroupWidget>("group_widget");
  RegisterClass<TSurfaceWidget>("surface_widget");
  RegisterClass<TLinkedSurfaceWidget>("linked_surface_widget");
  RegisterClass<TReplicatorWidget>("replicator_widget");
  RegisterResourceWidgetClasses();
  RegisterClass<TWidgetFactory>("WidgetFactory");
  RegisterClass<TFunctionAppearanceEffect>("func_appearance_effect");
  RegisterClass<TAppearanceEffectCollection>("appearance_effects");
  RegisterClass<TAppearanceEffectWidget>("appearance_effect_widget");
  RegisterClass<TRectWidget>("rect_widget");
  RegisterClass<TMoveWidget>("move_widget");
  RegisterClass<TCircularMotionWidget>("circular_motion_widget");
  RegisterClass<TSmoothMoveWidget>("smooth_move_widget");
  RegisterClass<TZoomWidget>("zoom_widget");
  RegisterClass<TRotateWidget>("rotate_widget");
  RegisterClass<TTimedRotateWidget>("rotate_widget_timed");
  RegisterClass<TMaskedSurfaceWidget>("masked_widget");
  RegisterClass<TContourWidget>("contour_widget");
  RegisterClass<TCutSectorWidget>("cutsector_widget");
  RegisterClass<TScrollAreaWidget>("scrollarea_widget");
  RegisterClass<TMaskWidget>("mask_widget");
  RegisterClass<TSequienceTransitionEffectWidget>("sequience_transition_effect");
}

}  // namespace corvellane
