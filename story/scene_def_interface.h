// scene_def_interface.h: a scene of the story as every other part sees it.
//
// A scene definition says which objects may appear in one painted scene, what
// each looks like (a rectangle of an image resource), its role in play and
// the places (locations) where it may stand. The scene reference list names
// every scene and its definition file. See scene_def.h for the file form.
//
//   Ref<ISceneDef> cafe = refs->Get(Variant("cafe"))->OpenSceneDef();
//   cafe->SetOwner(level);                      // resources attach to its manager
//   Ref<ISceneObjectDef> cup = cafe->GetObjectDefs()->Get(Variant("cup"));
//   cup->FillWidgetParams("l2", params.get());  // an image widget named cup_l2
//   cafe->ClearOwner();                         // resources go again
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/resource_definition.h"
#include "engine/resource_engine_interface.h"
#include "persistence/object.h"
#include "persistence/params.h"
#include "story/story_collection.h"
#include "widgets/widget_interface.h"

namespace corvellane {

// The play role of an object ("objecttype"); the key prefix of each role is
// that of the generator's lists ("ho_names", "io_count"...).
enum class TSceneObjectType : int32_t {
  HiddenObject = 0,     // ho: a target of the hidden-shapes and hidden-names modes
  IdenticalObject = 1,  // io: a target of the find-identical mode, chosen once per case
  HiddenPart = 2,       // hp: a part of a broken object
  CompleteObject = 3,   // co: the whole object whose parts are hidden
  ObjectToPlace = 4,    // do: a target of the find-places mode
  Decoration = 5,       // d: a decoration chosen at random (the default)
  FixedDecoration = 6,  // i: always present, at every one of its locations
};

// The reserved location name: a special place, used by the generator only
// when it is the object's only location.
inline constexpr std::string_view kSpecialLocation = "spec";

struct ISceneObjectLocation : virtual INamedObject {
  virtual int32_t GetAnchorLeft() const = 0;
  virtual void SetAnchorLeft(int32_t x) = 0;
  virtual int32_t GetAnchorTop() const = 0;
  virtual void SetAnchorTop(int32_t y) = 0;
  virtual int32_t GetZ() const = 0;
  virtual void SetZ(int32_t z) = 0;
  virtual int32_t GetTransparentLevel() const = 0;
  virtual void SetTransparentLevel(int32_t level) = 0;
  virtual double GetZoomX() const = 0;
  virtual void SetZoomX(double zoom) = 0;
  virtual double GetZoomY() const = 0;
  virtual void SetZoomY(double zoom) = 0;
  virtual double GetAngle() const = 0;
  virtual void SetAngle(double angle) = 0;
  // "anchor_left", "anchor_top", "z", "transparentlevel" (decimal), "zoomx",
  // "zoomy", "angle" (float text) into the parameters of a widget.
  virtual void WriteWidgetParams(IParamCollection* params) = 0;
};

struct ISceneObjectLocationCollection : virtual IStoryCollection<ISceneObjectLocation> {
  // A new location named "l" + its position (the next free such name).
  virtual Ref<ISceneObjectLocation> AddLocation(int32_t anchor_left, int32_t anchor_top, int32_t z,
                                                int32_t transparent_level, double zoom_x, double zoom_y,
                                                double angle) = 0;
  // Deletes the location and renumbers the rest: each but "spec" is named
  // "l" + its position counted from 1.
  virtual void DeleteLocation(const Variant& key) = 0;
};

struct ISceneObjectDef : virtual INamedObject {
  virtual int32_t GetObjectType() const = 0;
  virtual void SetObjectType(int32_t type) = 0;
  virtual std::string GetCaption() const = 0;
  virtual void SetCaption(std::string_view caption) = 0;
  virtual std::string GetCategory() const = 0;
  virtual void SetCategory(std::string_view category) = 0;
  virtual std::string GetOnActivationFactory() const = 0;
  virtual void SetOnActivationFactory(std::string_view name) = 0;
  virtual std::string GetIfActivatedOnStartFactory() const = 0;
  virtual void SetIfActivatedOnStartFactory(std::string_view name) = 0;
  virtual bool GetHideOnActivation() const = 0;
  virtual void SetHideOnActivation(bool hide) = 0;
  virtual bool GetFirstGeneration() const = 0;
  virtual void SetFirstGeneration(bool first) = 0;
  virtual std::string GetResourceName() const = 0;
  virtual void SetResourceName(std::string_view name) = 0;
  virtual int32_t GetResourceLeft() const = 0;
  virtual void SetResourceLeft(int32_t left) = 0;
  virtual int32_t GetResourceTop() const = 0;
  virtual void SetResourceTop(int32_t top) = 0;
  virtual int32_t GetWidth() const = 0;
  virtual void SetWidth(int32_t width) = 0;
  virtual int32_t GetHeight() const = 0;
  virtual void SetHeight(int32_t height) = 0;
  virtual Ref<ISceneObjectLocationCollection> GetLocations() = 0;
  // The description of the object's image widget: "name", the picture
  // rectangle and its centre; at a location of that name also the location's
  // values, and the name becomes object + "_" + location.
  virtual void FillWidgetParams(std::string_view location_name, IParamCollection* params) = 0;
};

struct ISceneObjectDefCollection : virtual IStoryCollection<ISceneObjectDef> {
  // A new object named by the first free name among base, base1, base2...
  virtual Ref<ISceneObjectDef> AddObjectDef(std::string_view base_name, std::string_view resource_name,
                                            int32_t resource_left, int32_t resource_top, int32_t width,
                                            int32_t height) = 0;
};

// What a scene's owner (a level, the map screen) lends it: the manager its
// resources are loaded into. A plain back link, cleared with ClearOwner.
struct ISceneDefOwner : virtual IObject {
  virtual IResourceEngine* GetSceneResourceManager() = 0;
};

struct ISceneDef : virtual INamedObject {
  // Remembers the owner and attaches the scene's resource definitions to the
  // owner's resource manager.
  virtual void SetOwner(ISceneDefOwner* owner) = 0;
  // Removes every resource of the scene, then forgets the owner.
  virtual void ClearOwner() = 0;
  virtual void LoadSceneResources() = 0;
  virtual void UnloadSceneResources() = 0;
  // The definition as the text of a "scene_def" document.
  virtual std::string SaveSceneDefText() = 0;
  virtual std::string GetCategories() const = 0;
  virtual void SetCategories(std::string_view categories) = 0;
  virtual int32_t GetIdenticalPartShift() const = 0;
  virtual void SetIdenticalPartShift(int32_t shift) = 0;
  virtual std::string GetSceneShowFactories() const = 0;
  virtual void SetSceneShowFactories(std::string_view names) = 0;
  virtual std::string GetIdenticalShowFactories() const = 0;
  virtual void SetIdenticalShowFactories(std::string_view names) = 0;
  // The widget the scene's own factory of that name makes; none otherwise.
  virtual Ref<IWidget> CreateSceneWidget(std::string_view factory_name, IParamCollection* params) = 0;
  virtual Ref<IResourceDefCollection> GetResourceDefs() = 0;
  virtual Ref<ISceneObjectDefCollection> GetObjectDefs() = 0;
  // Whether the definition was read from its file (false for the empty
  // definition a missing or unreadable file gives).
  virtual bool IsLoadedFromFile() const = 0;
};

struct ISceneDefRef : virtual INamedObject {
  virtual std::string GetFileName() const = 0;
  virtual void SetFileName(std::string_view file_name) = 0;
  // A fresh definition read from the file, bearing the reference's name; an
  // empty one (logged) when the file is missing or unreadable.
  virtual Ref<ISceneDef> OpenSceneDef() = 0;
};

struct ISceneDefRefCollection : virtual IStoryCollection<ISceneDefRef> {
  // The list as the text of a "scene_defs" document.
  virtual std::string SaveSceneDefRefsText() = 0;
};

}  // namespace corvellane
