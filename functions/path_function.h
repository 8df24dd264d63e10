// path_function.h: IPathFunction and TAbstractPathFunction, functions that
// turn elapsed time into a point along a path.
//
// A path is a function (function.h) whose cells have fixed places:
//
//   c[0][0], c[0][1]   result x, y
//   c[1][0]            time (ms)
//   c[2][0], c[2][1]   start point      c[2][2], c[2][3]   end point
//   c[2][4]            duration (ms, truncated)
//   c[2][5]            length, written by RunPreparation
//   c[2][6] ..         what the kind of path needs besides (see its header)
//
//   <function type="path_segment" loop="yes">
//     <paramspace><paramdefs>
//       <paramdef name="x" col="0"/> <paramdef name="y" col="0"/>
//       <paramdef name="time" col="1" static="yes"/>
//       <paramdef col="2" static="yes" value="0"/>   <paramdef col="2" static="yes" value="0"/>
//       <paramdef col="2" static="yes" value="100"/> <paramdef col="2" static="yes" value="0"/>
//       <paramdef col="2" static="yes" value="1000"/>
//       <paramdef col="2" static="yes" value="0"/>
//     </paramdefs></paramspace>
//   </function>
//
//   Ref<IPathFunction> path = QueryInterface<IPathFunction>(created);
//   path->Prepare(owner);
//   path->RunPreparation();              // once: lengths, derived cells
//   path->CalculateAt(elapsed_ms);       // per frame
//   float x = path->GetX(), y = path->GetY();
//
// Time: T = trunc(c[1][0]); a looping path takes T modulo its duration.
// Progress p = T / duration is not clamped: times past the duration
// extrapolate. A path of no duration has already arrived: p = 1 at every
// time, and looping it changes nothing (there is nothing to wrap around).
// Results that would not be finite numbers are not written, so a position
// read from a path is always a usable coordinate.
#pragma once

#include <cstdint>

#include "engine/surface_rect.h"
#include "functions/function.h"

namespace corvellane {

struct IPathFunction : virtual IFunction {
  // trunc(c[2][4]).
  virtual int32_t GetDuration() = 0;
  // c[2][5], the length RunPreparation stored.
  virtual float GetLength() = 0;
  // Integer box around the path; all 0 for paths that do not know theirs.
  virtual TRect GetBounds() = 0;
  virtual float GetX() = 0;
  virtual float GetY() = 0;
  // c[1][0] := time, then Calculate.
  virtual void CalculateAt(double time_ms) = 0;
};

// One cell of the fixed layout, c[col][row].
struct TPathCell {
  int col;
  int row;
};

inline constexpr TPathCell kPathX{0, 0};
inline constexpr TPathCell kPathY{0, 1};
inline constexpr TPathCell kPathTime{1, 0};
inline constexpr TPathCell kPathStartX{2, 0};
inline constexpr TPathCell kPathStartY{2, 1};
inline constexpr TPathCell kPathEndX{2, 2};
inline constexpr TPathCell kPathEndY{2, 3};
inline constexpr TPathCell kPathDuration{2, 4};
inline constexpr TPathCell kPathLength{2, 5};

// A point of the path's plane, in the precision paths compute in.
struct TPathPoint {
  double x = 0.0;
  double y = 0.0;
};

class TAbstractPathFunction : public TFunction, public virtual IPathFunction {
 public:
  void LoadProperties(IHierStorage* node) override;
  void SaveProperties(IHierStorage* node) override;

  int32_t GetDuration() override;
  float GetLength() override { return Matrix().Get(kPathLength.col, kPathLength.row); }
  TRect GetBounds() override { return {}; }
  float GetX() override { return GetResult(kPathX.row); }
  float GetY() override { return GetResult(kPathY.row); }
  void CalculateAt(double time_ms) override;

  // What RunPreparation stores as the length; 0 in the base.
  virtual double GetPathLength() { return 0.0; }

  bool IsLoop() const { return loop_; }
  void SetLoop(bool loop) { loop_ = loop; }

 protected:
  // Stores GetPathLength into c[2][5].
  void PreparationHook() override;

  double Cell(TPathCell cell) { return Matrix().Get(cell.col, cell.row); }
  // Not written when the value is not finite; held within the float range.
  void SetCell(TPathCell cell, double value);
  TPathPoint StartPoint() { return {Cell(kPathStartX), Cell(kPathStartY)}; }
  TPathPoint EndPoint() { return {Cell(kPathEndX), Cell(kPathEndY)}; }
  // Writes the result cells x and y.
  void SetPoint(TPathPoint point);

  // T: the time cell truncated, wrapped into the duration when looping.
  int32_t PathTime();
  // T / duration, 1 for a path of no duration.
  double Progress(int32_t time);

 private:
  bool loop_ = false;
};

}  // namespace corvellane
