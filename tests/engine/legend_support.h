#pragma once
// A chart as the chart window builds it, with four slices, drawn into a
// picture; and what tests ask of a drawn legend.
#include <memory>
#include <string>

#include "charts/chart_form_design.h"
#include "engine/panel/chart.h"
#include "engine/series/pie_series.h"
#include "platform/bitmap.h"

namespace legend_test {

using pg::engine::TChart;
using pg::engine::TPieSeries;
using pg::platform::TRect;

constexpr pg::TColor kRed = 0x0000FF, kGreen = 0x008000, kBlue = 0xFF0000, kYellow = 0x00FFFF;
// 0x00RRGGBB as the bitmap reads pixels.
constexpr std::uint32_t Px(pg::TColor c) { return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF); }
constexpr std::uint32_t kWhitePx = 0xFFFFFF;

struct FourSlices {
  TChart chart;
  TPieSeries pie;
  std::unique_ptr<pg::platform::Bitmap> picture;

  FourSlices() {
    pg::charts::ApplyChartFormDesign(chart, pie);
    pie.AddPoint(10, "North", kRed);
    pie.AddPoint(20, "East", kGreen);
    pie.AddPoint(30, "South", kBlue);
    pie.AddPoint(40, "West", kYellow);
  }
  pg::platform::Bitmap& Draw(int width = 524, int height = 246) {
    picture = chart.CreatePicture(pg::clWhite, TRect{0, 0, width, height});
    return *picture;
  }
  // Measured in the legend font on the last picture.
  int LineHeight() {
    chart.UseFont(chart.Legend().Font().Value());
    return chart.Canvas().LineHeight();
  }
  int TextWidth(const std::string& text) {
    chart.UseFont(chart.Legend().Font().Value());
    return chart.Canvas().MeasureTextWidth(text);
  }
  // The centre pixel of the colour box in row p of a side legend.
  std::uint32_t SymbolAt(int p) {
    const auto& legend = chart.Legend();
    const auto& box = legend.LegendBox();
    const int h = LineHeight();
    return picture->Pixel(box.left + 4 + legend.ColorBoxWidth() / 2, box.top + 1 + p * h + h / 2);
  }
  // The picture region r enlarged by factor, for looking at small details.
  void SaveZoomed(const TRect& r, int factor, const std::string& png) const {
    pg::platform::Bitmap zoomed(r.Width() * factor, r.Height() * factor);
    zoomed.Dc().StretchBlt(TRect{0, 0, zoomed.Width(), zoomed.Height()}, *picture, r);
    zoomed.SavePng(png);
  }
};

}  // namespace legend_test
