#include "charts/actions/chart_actions.h"
#include "framework/params/word_format.h"
#include "framework/text/int_parse.h"

namespace pg::charts {

namespace {
std::int32_t Value(const ActionParams& p) { return text::StrToInt(p.at(1)); }
}  // namespace

void View3DPicture(TChartImageForm& w, const ActionParams& p) {
  switch (params::ReadBoolWord(p.at(1))) {
    case params::BoolWord::On: w.Chart1().SetView3D(true); break;
    case params::BoolWord::Off: w.Chart1().SetView3D(false); break;
    case params::BoolWord::Neither: break;
  }
}

// The view accepts any integer; angles act modulo a full turn when drawn.
void View3DPerspective(TChartImageForm& w, const ActionParams& p) {
  w.Chart1().View3DOptions().SetPerspective(Value(p));
}
void View3DRotation(TChartImageForm& w, const ActionParams& p) {
  w.Chart1().View3DOptions().SetRotation(Value(p));
}
void View3DElevation(TChartImageForm& w, const ActionParams& p) {
  w.Chart1().View3DOptions().SetElevation(Value(p));
}
void View3DHoriz(TChartImageForm& w, const ActionParams& p) {
  w.Chart1().View3DOptions().SetHorizOffset(Value(p));
}
void View3DZoom(TChartImageForm& w, const ActionParams& p) {
  w.Chart1().View3DOptions().SetZoom(Value(p));
}
void View3DVert(TChartImageForm& w, const ActionParams& p) {
  w.Chart1().View3DOptions().SetVertOffset(Value(p));
}
// The chart refuses a depth outside 1..100 with an error; the frame swallows it.
void View3DDepth(TChartImageForm& w, const ActionParams& p) { w.Chart1().SetChart3DPercent(Value(p)); }

}  // namespace pg::charts
