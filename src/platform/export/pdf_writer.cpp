#include "platform/export/pdf_writer.h"

#include "platform/codepage_table.h"
#include "platform/export/pdf_export.h"

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

// The export dispatcher's entry: the description (code page 1251) becomes the
// document's title and the figure's alternate text.
std::vector<std::uint8_t> WritePdf(int width, int height, const std::function<void(DeviceContext&)>& draw,
                                   const ExportDescription& description) {
  try {
    PdfDocumentInfo info;
    info.titleUtf8 = CodePageToUtf8(description.title, 1251);
    info.altTextUtf8 = CodePageToUtf8(DescriptionText(description), 1251);
    auto recorder = CreatePdfRecorder(width, height, info);
    auto* pdf = dynamic_cast<PdfRecorder*>(recorder.get());
    if (!pdf) return {};
    draw(*pdf);
    std::string bytes;
    if (!pdf->Finish(bytes)) return {};
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
  } catch (...) {
    return {};
  }
}

}  // namespace pg::platform
