#include "engine/canvas/view3d_options.h"

namespace pg::engine {

void TView3DOptions::Assign(const TView3DOptions& o) {
  const bool changed = elevation_ != o.elevation_ || horizOffset_ != o.horizOffset_ ||
                       orthogonal_ != o.orthogonal_ || perspective_ != o.perspective_ ||
                       rotation_ != o.rotation_ || tilt_ != o.tilt_ || vertOffset_ != o.vertOffset_ ||
                       zoom_ != o.zoom_ || zoomText_ != o.zoomText_;
  elevation_ = o.elevation_;
  horizOffset_ = o.horizOffset_;
  orthogonal_ = o.orthogonal_;
  perspective_ = o.perspective_;
  rotation_ = o.rotation_;
  tilt_ = o.tilt_;
  vertOffset_ = o.vertOffset_;
  zoom_ = o.zoom_;
  zoomText_ = o.zoomText_;
  if (changed && onChange_) onChange_();
}

}  // namespace pg::engine
