// particle_type.h: TParticleType (element "particle_type") and
// TParticleTypeCollection ("particle_types"), the levels of a multi
// particle system.
//
//   <particle_type name="spark" static_images="yes" use_local_images="yes"
//                  drawmode="fillcolor" blendingmode="addition" transparentlevel="255">
//     <paramspace> (the particle's cells, matrix_particle.h) </paramspace>
//     <function type="function_complex"> (Create, Update) </function>
//     <particle_types> (child types: their particles live inside this type's) </particle_types>
//     <widgets> (local pictures, hidden) </widgets>
//   </particle_type>
//
// A type particle ages and is updated like a function system's particle;
// then its sub-particles advance through their own types, and while its
// dead cell is 0 (or it has at most one result cell) each child type emits
// into it once per advance: "Create"'s argument cells take the parent
// particle's cells of the same (source) names, its "count" particles a
// second give nearest(count x ms / 1000) new ones. Sub-particles whose dead
// cell is positive (or that have at most one result cell) go once their
// own sub-particles are gone. Pictures: the type's own "widgets" with
// "use_local_images" (taken afresh at each drawing unless
// "static_images"), otherwise its owner's. All keys are written back.
#pragma once

#include "particles/particle_program.h"
#include "particles/particle_type_interface.h"
#include "persistence/collections.h"
#include "widgets/widget_collections.h"

namespace corvellane {

class TParticleTypeCollection;

class TParticleType : public TPropertyObject, public virtual IParticleType, public virtual IParticleTypeOwner {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }

  void Init() override;
  void Cleanup() override;
  void LoadProperties(IHierStorage* node) override;
  void SaveProperties(IHierStorage* node) override;

  // IParticleType
  void AttachTo(IParticleTypeOwner* owner, IWidgetOwner* widget_owner) override;
  void Detach() override;
  void TakeTime(int32_t time, int32_t elapsed_ms) override;
  TMatrixParticle NewParticle() override;
  void AdvanceParticle(TMatrixParticle& particle, int32_t elapsed_ms, int32_t& budget) override;
  void DrawParticle(ISurface* surface, int32_t x, int32_t y, const TMatrixParticle& particle) override;
  TRect ParticleRect(const TMatrixParticle& particle) override;

  // IParticleTypeOwner
  IFunctionOwner* GetTypeFunctionOwner() override;
  const TParticlePictures& GetOwnerPictures() override { return Pictures(); }

  TParticleProgram& Program() { return program_; }
  int ChildTypeCount() const;
  // None outside the list.
  IParticleType* ChildType(int index) const;
  // The child type of that name, else the first; none without child types.
  int ChildTypeIndex(std::string_view name) const;
  // Local pictures that are not static are taken afresh / let go.
  void RefreshPictures();
  void DropPictures();
  bool GetStaticImages() const { return static_images_; }
  void SetStaticImages(bool on);

 private:
  const TParticlePictures& Pictures();
  void EmitChildren(TMatrixParticle& parent, int32_t elapsed_ms, int32_t& budget);
  // "Create"'s arguments from the parent particle's cells of the same names.
  void FeedCreate(const TMatrixParticle& parent, const TParticleProgram& parent_program);
  bool UsesLocalPictures() const { return use_local_images_; }

  bool static_images_ = true;
  bool use_local_images_ = false;
  TParticleLook look_;
  TParticleProgram program_;
  Ref<TParticleTypeCollection> child_types_;
  Ref<TWidgetCollection> widgets_;
  TParticlePictures pictures_;
  IParticleTypeOwner* owner_ = nullptr;
};

class TParticleTypeCollection : public TStaticCreationPersistItemCollection {
 public:
  void Init() override;
  Ref<TParticleType> GetType(int index) { return GetItemAs<TParticleType>(Variant(index)); }
};

}  // namespace corvellane
