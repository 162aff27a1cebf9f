#pragma once
// The user-settable view of the chart box. Any integer is accepted: angles are
// used modulo a full turn by the trigonometry.
#include "engine/core/change_handler.h"

namespace pg::engine {

class TView3DOptions {
 public:
  explicit TView3DOptions(ChangeHandler onChange = {}) : onChange_(std::move(onChange)) {}

  int Elevation() const { return elevation_; }
  void SetElevation(int v) { StoreIfChanged(elevation_, v, onChange_); }
  int HorizOffset() const { return horizOffset_; }
  void SetHorizOffset(int v) { StoreIfChanged(horizOffset_, v, onChange_); }
  bool Orthogonal() const { return orthogonal_; }
  void SetOrthogonal(bool v) { StoreIfChanged(orthogonal_, v, onChange_); }
  int Perspective() const { return perspective_; }
  void SetPerspective(int v) { StoreIfChanged(perspective_, v, onChange_); }
  int Rotation() const { return rotation_; }
  void SetRotation(int v) { StoreIfChanged(rotation_, v, onChange_); }
  int Tilt() const { return tilt_; }
  void SetTilt(int v) { StoreIfChanged(tilt_, v, onChange_); }
  int VertOffset() const { return vertOffset_; }
  void SetVertOffset(int v) { StoreIfChanged(vertOffset_, v, onChange_); }
  int Zoom() const { return zoom_; }
  void SetZoom(int v) { StoreIfChanged(zoom_, v, onChange_); }
  bool ZoomText() const { return zoomText_; }
  void SetZoomText(bool v) { StoreIfChanged(zoomText_, v, onChange_); }

  // Copies all nine fields (one repaint at most).
  void Assign(const TView3DOptions& other);

 private:
  ChangeHandler onChange_;
  int elevation_ = 345;
  int horizOffset_ = 0;
  bool orthogonal_ = true;
  int perspective_ = 15;
  int rotation_ = 345;
  int tilt_ = 0;
  int vertOffset_ = 0;
  int zoom_ = 100;
  bool zoomText_ = true;
};

}  // namespace pg::engine
