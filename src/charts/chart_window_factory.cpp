#include "charts/chart_window_factory.h"

namespace pg::charts {

// The module cannot make windows inside host windows yet: nothing is created.
bool CreateChartWindow(const std::string&, std::int32_t) { return false; }

}  // namespace pg::charts
