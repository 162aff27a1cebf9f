#include "engine/panel/axis_panel.h"

#include <algorithm>

#include "engine/series/chart_series.h"
#include "framework/arith.h"

namespace pg::engine {

TCustomAxisPanel::~TCustomAxisPanel() { ReleaseSeries(); }

void TCustomAxisPanel::ReleaseSeries() {
  BeginDestruction();
  const auto list = series_;
  for (auto* s : list) s->SetParentChart(nullptr);
  series_.clear();
}

void TCustomAxisPanel::AddSeries(TChartSeries& series) {
  if (std::find(series_.begin(), series_.end(), &series) == series_.end()) series_.push_back(&series);
  RequestRepaint();
}

void TCustomAxisPanel::RemoveSeries(TChartSeries& series) {
  const auto it = std::find(series_.begin(), series_.end(), &series);
  if (it == series_.end()) return;
  series_.erase(it);
  RequestRepaint();
}

bool TCustomAxisPanel::AnyActiveSeries() const {
  return std::any_of(series_.begin(), series_.end(), [](const TChartSeries* s) { return s->Active(); });
}

void TCustomAxisPanel::LayoutAxes() {
  if (!View3D()) {
    chartDepth_ = seriesDepth_ = 0;
  } else {
    const double f = View3DOptions().Orthogonal() ? 1.0 : 2.0;
    // In floating point: a plot pushed millions of pixels wide overflows the
    // integer product (exact in a double for every smaller one).
    seriesDepth_ = Round(static_cast<double>(PlotWidth()) * Chart3DPercent() * 0.001 * f);
    chartDepth_ = std::max(1, topZSlot_ + 1) * seriesDepth_;
  }
  RecalcPlotSize();
}

void TCustomAxisPanel::DrawContents(const TRect& panelRect) {
  auto& canvas = Canvas();
  PaintBackground(panelRect);
  for (auto* s : series_)
    if (s->Active()) s->DoBeforeDrawChart();

  canvas.BeginFlatDrawing();
  DrawTextBlocks();
  canvas.EndFlatDrawing();

  // Every active series claims the next z slot in 3D; flat, all share slot 0.
  topZSlot_ = 0;
  if (View3D()) {
    topZSlot_ = -1;
    for (auto* s : series_)
      if (s->Active()) ++topZSlot_;
  }
  LayoutAxes();
  int order = 0;
  for (auto* s : series_) {
    if (!s->Active()) continue;
    const int slot = View3D() ? topZSlot_ - order++ : 0;
    const int front = seriesDepth_ * slot, back = front + seriesDepth_;
    s->SetDepthRange(front, back);
  }
  LayoutSeriesArea();
  canvas.SetProjectionCenter(chartDepth_, panelRect, PlotRect());
  PaintWalls();
  for (auto* s : series_) {
    if (!s->Active() || s->PointCount() == 0) {
      s->Marks().ForgetDrawn();
      continue;
    }
    s->DrawAllValues();
    if (s->MarksVisible())
      s->DrawMarks();
    else
      s->Marks().ForgetDrawn();
  }
  canvas.ResetCanvas();
}

}  // namespace pg::engine
