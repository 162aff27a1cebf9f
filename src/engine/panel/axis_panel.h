#pragma once
// The layer that holds the series and drives the paint: the contents of one
// chart draw, step by step.
#include <vector>

#include "engine/panel/chart_panel_extended.h"

namespace pg::engine {

class TChartSeries;

class TCustomAxisPanel : public TCustomChartPanelExtended {
 public:
  TCustomAxisPanel() = default;
  ~TCustomAxisPanel() override;

  void AddSeries(TChartSeries& series) override;
  void RemoveSeries(TChartSeries& series) override;
  const std::vector<TChartSeries*>& SeriesList() const { return series_; }
  bool AnyActiveSeries() const;

  bool View3DWalls() const { return view3DWalls_; }
  void SetView3DWalls(bool v) { Store(view3DWalls_, v); }
  bool ClipPoints() const { return clipPoints_; }
  void SetClipPoints(bool v) { Store(clipPoints_, v); }
  bool AxisVisible() const { return axisVisible_; }
  void SetAxisVisible(bool v) { Store(axisVisible_, v); }

 protected:
  void DrawContents(const TRect& panelRect) override;
  virtual void LayoutAxes();
  virtual void LayoutSeriesArea() {}
  virtual void DrawTextBlocks() {}
  virtual void PaintWalls() {}
  // Detaches every series before the panel goes (series are owned elsewhere).
  void ReleaseSeries();

 private:
  std::vector<TChartSeries*> series_;
  bool view3DWalls_ = true;
  bool clipPoints_ = true;
  bool axisVisible_ = true;
  int topZSlot_ = 0;
};

}  // namespace pg::engine
