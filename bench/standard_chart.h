#pragma once
// The charts the benchmarks paint: the standard one (524 x 246, 12 labelled
// slices, legend, marks, title, foot, gradient) and larger ones built the same way.
#include <string>

#include "module_driver.h"

namespace pg::bench {

inline constexpr int kChartWidth = 524;
inline constexpr int kChartHeight = 246;

struct ChartLook {
  int slices = 12;
  bool view3D = true;
};

// Makes the rectangle (if new) and a chart in it with the look asked for, then
// delivers the paints, so the chart has been drawn once. Answers the chart window.
platform::WindowHandle BuildChart(ModuleDriver& driver, const std::string& rectangle, const ChartLook& look);

// The label and value of slice i, as the standard chart and the peer use them.
std::string SliceLabel(int i);
int SliceValue(int i);

}  // namespace pg::bench
