// The Windows build writes no PDF yet: cairo and pixman cross-build, but the
// module's link with them is unchecked (see the platform in CMakeLists.txt).
// A caller gets no recorder, and a PDF save fails as any failed save does.
#include "platform/export/pdf_export.h"
#include "platform/export/pdf_writer.h"

namespace pg::platform {

std::unique_ptr<DeviceContext> CreatePdfRecorder(int, int, const PdfDocumentInfo&) { return nullptr; }

bool FinishPdf(DeviceContext&, const std::string&) { return false; }

std::vector<std::uint8_t> WritePdf(int, int, const std::function<void(DeviceContext&)>&, const ExportDescription&) {
  return {};
}

}  // namespace pg::platform
