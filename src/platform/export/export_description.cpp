#include "platform/export/export_description.h"

namespace pg::platform {

std::string DescriptionText(const ExportDescription& d) {
  std::string out;
  for (const auto& item : d.items) {
    if (!out.empty()) out += "; ";
    out += item;
  }
  return out;
}

}  // namespace pg::platform
