#pragma once
// The chart: title, foot, legend and walls on top of the series panel.
#include <memory>
#include <vector>

#include "engine/legend/chart_legend.h"
#include "engine/panel/axis_panel.h"
#include "engine/panel/chart_title.h"
#include "engine/panel/chart_wall.h"

namespace pg::engine {

class TCustomChart : public TCustomAxisPanel {
 public:
  TCustomChart();
  ~TCustomChart() override;

  TChartTitle& Title() { return *title_; }
  TChartTitle& Foot() { return *foot_; }
  TChartWall& BackWall() { return *backWall_; }
  TChartWall& LeftWall() { return *leftWall_; }
  TChartWall& BottomWall() { return *bottomWall_; }
  // The frame is the back wall's pen.
  TChartPen& Frame() { return backWall_->Pen(); }
  TColor BackColor() const { return backWall_->Color(); }
  void SetBackColor(TColor c);
  bool BackImageInside() const { return backImageInside_; }
  void SetBackImageInside(bool v) { Store(backImageInside_, v); }

  TChartLegend& Legend() { return *legend_; }
  const TChartLegend& Legend() const { return *legend_; }

  // Draws a title (onTop) or the foot and takes its room from the plot.
  void DrawTitle(TChartTitle& title, bool onTop);
  // What the title, the foot and the legend covered in this paint: marks laid
  // out apart from them keep off these.
  const std::vector<TRect>& TextBlockAreas() const { return textBlockAreas_; }

 protected:
  void DrawTextBlocks() override;
  void PaintWalls() override;
  // The panel-wide back picture, unless it belongs inside the plot.
  void DrawPanelPicture(const TRect& rect) override;

 private:
  std::unique_ptr<TChartTitle> title_, foot_;
  std::unique_ptr<TChartWall> backWall_, leftWall_, bottomWall_;
  std::unique_ptr<TChartLegend> legend_;
  bool backImageInside_ = false;
  std::vector<TRect> textBlockAreas_;
};

class TChart : public TCustomChart {
 public:
  // Construction done: changes repaint from now on.
  TChart() { SetRepaintEnabled(true); }
  ~TChart() override;
};

}  // namespace pg::engine
