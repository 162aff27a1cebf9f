#pragma once
// Charts for the export tests: the engine's chart with the chart window's
// design, in the looks the round trips cover, and the pictures compared.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "charts/chart_form_design.h"
#include "engine/export/picture_export.h"
#include "engine/panel/chart_description.h"
#include "framework/text/codepage.h"
#include "platform/bitmap.h"

namespace pg::testing {

inline constexpr int kExportWidth = 524, kExportHeight = 246;

struct ExportChart {
  engine::TChart chart;
  engine::TPieSeries pie;
  ExportChart() {
    charts::ApplyChartFormDesign(chart, pie);
    chart.SetBounds(kExportWidth, kExportHeight);
  }
  // Slices labelled with month names, values as the benchmarks' standard chart.
  void AddSlices(int n) {
    static const char* const kMonths[] = {"Январь", "Февраль", "Март",     "Апрель",  "Май",    "Июнь",
                                          "Июль",   "Август",  "Сентябрь", "Октябрь", "Ноябрь", "Декабрь"};
    static const int kValues[] = {31, 28, 35, 40, 52, 61, 66, 63, 50, 41, 33, 30};
    for (int i = 0; i < n; ++i) pie.AddPoint(kValues[i % 12] + i % 7, text::Utf8ToCp1251(kMonths[i % 12]));
  }
  void Standard() {
    chart.Title().SetText({text::Utf8ToCp1251("Продажи за год")});
    chart.Foot().SetText({text::Utf8ToCp1251("Источник: годовой отчёт")});
    chart.Gradient().SetVisible(true);
    chart.Gradient().SetStartColor(clWhite);
    chart.Gradient().SetEndColor(0xF0B496);
    AddSlices(12);
  }
  platform::TRect Area() const { return platform::TRect{0, 0, kExportWidth, kExportHeight}; }
  std::unique_ptr<platform::Bitmap> Raster() { return chart.CreatePicture(clWhite, Area()); }
  std::vector<std::uint8_t> Vector(platform::ExportFormat f) {
    return engine::RecordVectorPicture(
        f, engine::VectorPicture{kExportWidth, kExportHeight,
                                 [this](platform::DeviceContext& dc) { chart.DrawUnbuffered(dc, Area()); },
                                 engine::DescribeChart(chart)});
  }
};

// Whether every channel of two pixels is within `tolerance` levels.
inline bool Close(std::uint32_t p, std::uint32_t q, int tolerance) {
  for (int s = 0; s <= 16; s += 8)
    if (std::abs(static_cast<int>((p >> s) & 0xFF) - static_cast<int>((q >> s) & 0xFF)) > tolerance) return false;
  return true;
}

// The share of pixels whose every channel is within `tolerance` levels.
inline double Agreement(const platform::Bitmap& a, const platform::Bitmap& b, int tolerance = 16) {
  if (a.Width() != b.Width() || a.Height() != b.Height() || a.Empty()) return 0;
  long long same = 0;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x) same += Close(a.Pixel(x, y), b.Pixel(x, y), tolerance);
  return static_cast<double>(same) / (static_cast<double>(a.Width()) * a.Height());
}

}  // namespace pg::testing
