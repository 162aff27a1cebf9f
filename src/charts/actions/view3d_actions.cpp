#include "charts/actions/chart_actions.h"
#include "charts/actions/param_readers.h"

namespace pg::charts {

namespace {
std::int32_t Value(const ActionParams& p) { return IntParam(p, 1); }

using ViewSetter = void (engine::TView3DOptions::*)(int);
void SetView(TChartImageForm& w, const ActionParams& p, ViewSetter set) {
  (w.Chart1().View3DOptions().*set)(Value(p));
}
}  // namespace

void View3DPicture(TChartImageForm& w, const ActionParams& p) {
  if (const auto v = BoolParam(p, 1)) w.Chart1().SetView3D(*v);
}

// The view accepts any integer; angles act modulo a full turn when drawn.
void View3DPerspective(TChartImageForm& w, const ActionParams& p) {
  SetView(w, p, &engine::TView3DOptions::SetPerspective);
}
void View3DRotation(TChartImageForm& w, const ActionParams& p) {
  SetView(w, p, &engine::TView3DOptions::SetRotation);
}
void View3DElevation(TChartImageForm& w, const ActionParams& p) {
  SetView(w, p, &engine::TView3DOptions::SetElevation);
}
void View3DHoriz(TChartImageForm& w, const ActionParams& p) {
  SetView(w, p, &engine::TView3DOptions::SetHorizOffset);
}
void View3DZoom(TChartImageForm& w, const ActionParams& p) {
  SetView(w, p, &engine::TView3DOptions::SetZoom);
}
void View3DVert(TChartImageForm& w, const ActionParams& p) {
  SetView(w, p, &engine::TView3DOptions::SetVertOffset);
}
// The chart refuses a depth outside 1..100 with an error; the frame swallows it.
void View3DDepth(TChartImageForm& w, const ActionParams& p) {
  const std::int32_t depth = Value(p);
  StepWithParam(p, 1, "is not within 1 to 100", false, [&] { w.Chart1().SetChart3DPercent(depth); });
}

}  // namespace pg::charts
