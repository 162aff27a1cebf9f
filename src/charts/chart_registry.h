#pragma once
// The module-wide ordered list of chart windows, absent until the first window
// is added and again after the host's shutdown message.
#include <memory>
#include <string_view>

#include "charts/chart_image_form.h"

namespace pg::charts {

// First window whose rectangle name matches (ASCII letters case-insensitive), or null.
TChartImageForm* FindChartWindow(std::string_view rectangleName);
// Appends a window, creating the registry if it is absent.
void AppendChartWindow(std::unique_ptr<TChartImageForm> window);
// Destroys the first matching window; false when there is none.
bool DeleteChartWindow(std::string_view rectangleName);
// Destroys every window in registry order, then the registry itself.
void DestroyChartRegistry();
bool ChartRegistryExists();

}  // namespace pg::charts
