#pragma once
// The picture formats a chart is saved as, told by the file name's extension.
#include <string>
#include <string_view>

namespace pg::platform {

enum class ExportFormat { kUnknown, kEmf, kSvg, kPdf, kPng, kJpeg, kBmp };

// By the extension, in any letter case; kUnknown for anything else.
ExportFormat ExportFormatOf(std::string_view path);
bool IsVectorFormat(ExportFormat f);
// "SVG", "JPEG" …: how the notes of written files name each format.
std::string_view ExportFormatName(ExportFormat f);

// "emf, svg, pdf, png, jpg, jpeg, bmp": what a refusal names.
std::string_view ExportFormatList();

}  // namespace pg::platform
