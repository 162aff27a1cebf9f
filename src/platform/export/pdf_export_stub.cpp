// Stands in for the PDF writer until it lands: a PDF cannot be made yet, so a
// save to .pdf fails as any failed save does and writes nothing.
#include "platform/export/pdf_export.h"

namespace pg::platform {

std::vector<std::uint8_t> WritePdf(int, int, const std::function<void(DeviceContext&)>&, const ExportDescription&) {
  return {};
}

}  // namespace pg::platform
