#pragma once
// PDF files of a chart: the chart draws once onto a recording device context,
// and finishing it writes one page the chart's size (96 px = 72 pt) with vector
// shapes, real text in embedded font subsets, the title and language in the
// metadata, and the chart tagged as a figure whose alternate text describes it.
#include <memory>
#include <string>

#include "platform/device_context.h"

namespace pg::platform {

struct PdfDocumentInfo {
  std::string titleUtf8;
  std::string lang = "ru";
  std::string altTextUtf8;  // what a screen reader says for the chart
};

// A context drawing width x height pixels into a PDF page (sides are taken
// into 1 .. 19 200, the 200 inches readers accept). It measures text and answers GetPixel as the platform's own
// raster would, so the chart lays out exactly as on the screen. Null when
// there is no memory for it.
std::unique_ptr<DeviceContext> CreatePdfRecorder(int width, int height, const PdfDocumentInfo& info);

// Ends the page and writes the file at path (bytes in code page 1251, as every
// path the module handles) atomically: the complete file or, on any failure,
// false and the old file untouched. Further drawing on the recorder is ignored.
// False, too, for a context CreatePdfRecorder did not make. Never throws.
bool FinishPdf(DeviceContext& recorder, const std::string& path);

}  // namespace pg::platform
