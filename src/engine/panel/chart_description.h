#pragma once
// The chart in words, built once for every file format that carries it (a
// screen reader's label, a document's alternate text): the title, and each
// slice as "label: value (percent)" with the numbers formatted as the marks
// format them.
#include <string>

#include "platform/export/export_description.h"

namespace pg::engine {

class TChartSeries;
class TCustomChart;

std::string SliceDescription(const TChartSeries& series, int index);
platform::ExportDescription DescribeChart(TCustomChart& chart);

}  // namespace pg::engine
