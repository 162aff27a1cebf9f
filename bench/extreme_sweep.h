#pragma once
// The extreme-value sweep: every integer property that an action sets, at the
// ends of the integer range and a few large values, each painted on the
// standard chart. Whatever an action accepts, the paint that follows must end
// at once; the test suite catches a freeze, the benchmarks time the slowest.
#include <string>
#include <vector>

#include "module_driver.h"

namespace pg::bench {

struct SweepStep {
  std::string action;
  std::vector<std::string> args;  // UTF-8
};

struct SweepCase {
  std::string name;  // e.g. "pgChartBorderWidth 2147483647"
  SweepStep set;
  SweepStep restore;  // the standard chart's value again
  bool tick = false;  // the change shows in a timer tick (the roll)
};

std::vector<SweepCase> ExtremeSweepCases(const std::string& rectangle);

// Sets the case's value and delivers the paint it causes: for the roll, one
// timer period of the host's loop, whose tick turns the chart and paints it.
void PaintSweepCase(ModuleDriver& driver, const SweepCase& c);
// Puts the standard value back and paints it.
void RestoreSweepCase(ModuleDriver& driver, const SweepCase& c);

}  // namespace pg::bench
