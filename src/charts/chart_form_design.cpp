#include "charts/chart_form_design.h"

namespace pg::charts {

void ApplyChartFormDesign(engine::TChart& chart, engine::TPieSeries& series) {
  using engine::BrushStyle;
  chart.SetRepaintEnabled(false);
  chart.SetBounds(kFormClientWidth, kFormClientHeight);
  chart.SetAxisVisible(false);
  chart.SetAllowZoom(false);
  chart.SetAllowPanning(engine::TPanningMode::pmNone);
  chart.SetBevelWidth(0);
  chart.SetColor(clWhite);
  chart.Frame().SetVisible(false);
  chart.SetView3DWalls(false);
  auto& view = chart.View3DOptions();
  view.SetElevation(315);
  view.SetRotation(360);
  view.SetPerspective(0);
  view.SetOrthogonal(false);
  auto& title = chart.Title();
  title.SetText({""});
  title.Brush().SetStyle(BrushStyle::bsClear);
  title.Brush().SetColor(clWhite);
  title.SetColor(clWhite);
  auto& foot = chart.Foot();
  foot.SetText({""});
  foot.Font().Assign(TFontSpec{"Arial", clBlack, 8, 0, 1});
  chart.BackWall().Brush().SetColor(clWhite);
  chart.BackWall().Brush().SetStyle(BrushStyle::bsClear);
  chart.BackWall().Pen().SetVisible(false);

  series.SetParentChart(&chart);
  series.SetSeriesColor(clRed);
  series.Marks().SetVisible(true);
  series.Marks().SetArrowLength(8);
  series.OtherSlice().SetText("Other");
  series.OtherSlice().SetValue(1.0);
  series.PieValues().SetName("Pie");
  series.PieValues().SetOrder(engine::TChartListOrder::loNone);
  chart.SetRepaintEnabled(true);
}

}  // namespace pg::charts
