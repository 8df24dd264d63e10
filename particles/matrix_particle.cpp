#include "particles/matrix_particle.h"

#include <algorithm>

#include "functions/function_collection.h"
#include "particles/particle_math.h"
#include "widgets/widget_collection_interface.h"
#include "widgets/widget_interface.h"

namespace corvellane {

namespace {

constexpr int kResults = 0;
constexpr int kState = 1;

// The picture the particle names; none outside the list.
ISurface* PictureOf(const TParamMatrix& cells, const TParticlePictures& pictures) {
  if (cells.ColumnLength(kResults) <= 3) return pictures.empty() ? nullptr : pictures.front().get();
  const int32_t index = Nearest(cells.Get(kResults, 3));
  if (index < 0 || index >= static_cast<int32_t>(pictures.size())) return nullptr;
  return pictures[index].get();
}

TRect CentredRect(const TParamMatrix& cells, const ISurface& picture) {
  const int32_t w = picture.GetWidth();
  const int32_t h = picture.GetHeight();
  const int32_t left = Nearest(cells.Get(kResults, 1)) - w / 2;
  const int32_t top = Nearest(cells.Get(kResults, 2)) - h / 2;
  return {left, top, left + w, top + h};
}

}  // namespace

TParticleFunctions TParticleFunctions::Of(IFunction* function) {
  TParticleFunctions found;
  Ref<IFunctionCollection> subs = function ? function->GetSubFunctions() : nullptr;
  if (!subs) return found;
  found.create = subs->GetFunctionByName("Create");
  found.update = subs->GetFunctionByName("Update");
  return found;
}

TParticlePictures CollectPictures(IWidgetCollection* widgets) {
  TParticlePictures pictures;
  for (int i = 0; widgets && i < widgets->Count(); ++i) {
    Ref<IWidget> widget = widgets->GetWidgetAt(i);
    pictures.push_back(widget ? widget->GetImage() : nullptr);
  }
  return pictures;
}

TMatrixParticle NewParticle(IParamSpace& space, IFunction* create) {
  TMatrixParticle particle{space.NewMatrix(), 0, {}};
  if (!create) return particle;
  create->Calculate();
  const int n = std::min(create->ResultCount(), particle.cells.ColumnLength(kState));
  for (int i = 0; i < n; ++i) particle.cells.Set(kState, i, create->GetResult(i));
  return particle;
}

void AgeAndUpdate(TMatrixParticle& particle, int32_t elapsed_ms, IFunction* update) {
  TParamMatrix& cells = particle.cells;
  cells.Set(kState, 0, cells.Get(kState, 0) + static_cast<float>(elapsed_ms));
  if (!update) return;
  const int args = std::min(update->ArgumentCount(), cells.ColumnLength(kState));
  for (int i = 0; i < args; ++i) update->SetArgument(i, cells.Get(kState, i));
  update->RunPreparation();
  update->Calculate();
  const int results = std::min(update->ResultCount(), cells.ColumnLength(kResults));
  for (int i = 0; i < results; ++i) cells.Set(kResults, i, update->GetResult(i));
}

bool IsMarkedDead(const TParamMatrix& cells) { return cells.Get(kResults, 0) > 0; }

TRect ParticleRect(const TParamMatrix& cells, const TParticlePictures& pictures) {
  ISurface* picture = PictureOf(cells, pictures);
  return picture ? CentredRect(cells, *picture) : TRect{};
}

void DrawParticle(ISurface* surface, int32_t x, int32_t y, const TParamMatrix& cells,
                  const TParticlePictures& pictures, const TParticleLook& look) {
  ISurface* picture = PictureOf(cells, pictures);
  if (!picture) return;
  const uint8_t alpha = ByteOf(cells.Get(kResults, 7));
  const TRect at = CentredRect(cells, *picture);
  const TRect dest{at.left + x, at.top + y, at.right + x, at.bottom + y};
  const TRect whole{0, 0, picture->GetWidth(), picture->GetHeight()};
  if (look.draw_mode == TDrawMode::CopyRect) {
    surface->DrawImage(picture, whole, look.blend_mode, alpha * look.opacity / 256, dest);
    return;
  }
  const uint32_t colour = PackColour(alpha, ByteOf(cells.Get(kResults, 4)), ByteOf(cells.Get(kResults, 5)),
                                     ByteOf(cells.Get(kResults, 6)));
  surface->FillColor(colour, picture, look.blend_mode, look.opacity, dest, whole);
}

void SetCreationIndex(IFunction* create, int32_t index, int32_t total) {
  if (!create) return;
  create->SetValueByName("total_index", static_cast<float>(total));
  create->SetValueByName("index", static_cast<float>(index));
}

}  // namespace corvellane
