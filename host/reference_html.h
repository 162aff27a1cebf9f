#pragma once
// The reference as one HTML page and its style sheet: no script, no web font.
#include <string>

#include "reference_model.h"

namespace pg::host {

std::string ReferenceHtml(const Reference& ref);
std::string ReferenceCss();
// Text with &, <, > and " written as entities.
std::string EscapeHtml(const std::string& text);

}  // namespace pg::host
