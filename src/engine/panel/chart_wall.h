#pragma once
#include "engine/core/chart_pen.h"

namespace pg::engine {

// A wall of the chart box: pen outline, brush fill, a colour of its own or none.
class TChartWall {
 public:
  TChartWall(ChangeHandler onChange, TColor brushColor, BrushStyle brushStyle)
      : onChange_(onChange), pen_(onChange), brush_(onChange, brushColor, brushStyle) {}

  TChartPen& Pen() { return pen_; }
  const TChartPen& Pen() const { return pen_; }
  TChartBrush& Brush() { return brush_; }
  const TChartBrush& Brush() const { return brush_; }
  TColor Color() const { return color_; }
  void SetColor(TColor v) { StoreIfChanged(color_, v, onChange_); }
  bool Dark3D() const { return dark3D_; }
  int Size() const { return size_; }

 private:
  ChangeHandler onChange_;
  TChartPen pen_;
  TChartBrush brush_;
  TColor color_ = clDefault;
  bool dark3D_ = true;
  int size_ = 0;
};

}  // namespace pg::engine
