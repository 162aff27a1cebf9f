#pragma once
#include <cstdint>
#include <string>

namespace pg::charts {

// Creates a chart window inside the host window `hostWindow`, fitted to its client
// area and registered under rectangleName. False when no window could be made.
bool CreateChartWindow(const std::string& rectangleName, std::int32_t hostWindow);

}  // namespace pg::charts
