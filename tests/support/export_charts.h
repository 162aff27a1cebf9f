#pragma once
// Charts built straight in the engine for the file writers' checks and
// benchmarks: the standard chart (524 x 246, twelve months, title, foot,
// gradient, 3D, legend and marks) and harder ones.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/panel/chart.h"
#include "engine/series/pie_series.h"
#include "platform/device_context.h"

namespace export_test {

inline constexpr int kWidth = 524, kHeight = 246;

struct Chart {
  pg::engine::TChart chart;
  pg::engine::TPieSeries pie;
  std::vector<std::string> words;  // the title, foot and labels it shows, UTF-8

  Chart();
  // Draws the chart alone onto `dc`, as a picture of it is drawn.
  void DrawTo(pg::platform::DeviceContext& dc);
};

struct NamedChart {
  std::string name;
  std::function<void(Chart&)> build;
};

// The standard chart first. `pictures` is the folder of the examples'
// pictures, `testPictures` that of the tests' (tests/data/pictures); the
// charts of an empty one's pictures draw without them.
std::vector<NamedChart> ExportCharts(const std::string& pictures, const std::string& testPictures = "");

}  // namespace export_test
