#pragma once
// The pages an author starts from, beside the action reference.
#include <string>
#include <string_view>

#include "reference_model.h"

namespace pg::host {

// The quick start as a reference-host script (UTF-8); pgChartBitmap writes
// sales.bmp.
std::string_view QuickStartScript();

std::string QuickStartHtml(const Reference& ref);
std::string TasksHtml(const Reference& ref);
std::string FormatsHtml(const Reference& ref);
// The reference host's own commands and options.
std::string HostHtml(const Reference& ref);

}  // namespace pg::host
