#include "platform/export/export_format.h"

#include <cstddef>

namespace pg::platform {

namespace {

struct Extension {
  std::string_view text;
  ExportFormat format;
};
constexpr Extension kExtensions[] = {
    {".emf", ExportFormat::kEmf}, {".svg", ExportFormat::kSvg},  {".pdf", ExportFormat::kPdf},
    {".png", ExportFormat::kPng}, {".jpg", ExportFormat::kJpeg}, {".jpeg", ExportFormat::kJpeg},
    {".bmp", ExportFormat::kBmp},
};

bool EndsWithNoCase(std::string_view s, std::string_view tail) {
  if (s.size() < tail.size()) return false;
  for (std::size_t i = 0; i < tail.size(); ++i) {
    char c = s[s.size() - tail.size() + i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != tail[i]) return false;
  }
  return true;
}

}  // namespace

ExportFormat ExportFormatOf(std::string_view path) {
  for (const auto& e : kExtensions)
    if (EndsWithNoCase(path, e.text)) return e.format;
  return ExportFormat::kUnknown;
}

bool IsVectorFormat(ExportFormat f) {
  return f == ExportFormat::kEmf || f == ExportFormat::kSvg || f == ExportFormat::kPdf;
}

std::string_view ExportFormatName(ExportFormat f) {
  switch (f) {
    case ExportFormat::kEmf: return "EMF";
    case ExportFormat::kSvg: return "SVG";
    case ExportFormat::kPdf: return "PDF";
    case ExportFormat::kJpeg: return "JPEG";
    case ExportFormat::kBmp: return "BMP";
    case ExportFormat::kPng: return "PNG";
    case ExportFormat::kUnknown: break;
  }
  return "";
}

std::string_view ExportFormatList() { return "emf, svg, pdf, png, jpg, jpeg, bmp"; }

}  // namespace pg::platform
