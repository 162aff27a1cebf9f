#pragma once
// The pages an author starts from, beside the action reference.
#include <string>
#include <string_view>

#include "reference_model.h"

namespace pg::host {

// The quick start as a reference-host script (UTF-8); {bitmap} is the path
// pgChartBitmap writes to, "sales" on the page.
std::string_view QuickStartScript();

std::string QuickStartHtml(const Reference& ref);
std::string TasksHtml(const Reference& ref);
std::string FormatsHtml(const Reference& ref);

}  // namespace pg::host
