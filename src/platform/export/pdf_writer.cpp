#include "platform/export/pdf_writer.h"

#include <span>

#include "platform/export/pdf_recorder.h"
#include "platform/picture_file_io.h"

namespace pg::platform {

std::unique_ptr<DeviceContext> CreatePdfRecorder(int width, int height, const PdfDocumentInfo& info) {
  try {
    return std::make_unique<PdfRecorder>(width, height, info);
  } catch (...) {
    return nullptr;
  }
}

bool FinishPdf(DeviceContext& recorder, const std::string& path) {
  try {
    auto* pdf = dynamic_cast<PdfRecorder*>(&recorder);
    if (!pdf) return false;
    std::string bytes;
    if (!pdf->Finish(bytes) || bytes.empty()) return false;
    return WriteFileReplacing(
        path, std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
  } catch (...) {
    return false;
  }
}

}  // namespace pg::platform
