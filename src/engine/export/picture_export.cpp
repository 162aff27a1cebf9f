#include "engine/export/picture_export.h"

#include <algorithm>

#include "engine/picture/jpeg_codec.h"
#include "platform/export/pdf_export.h"
#include "platform/export/svg_recorder.h"
#include "platform/metafile/emf_recorder.h"

namespace pg::engine {

using platform::ExportFormat;

std::vector<std::uint8_t> EncodeRasterPicture(ExportFormat format, int width, int height, int bitsPerPixel,
                                              const platform::PixelSource& pixel, int jpegQuality) {
  switch (format) {
    case ExportFormat::kPng: return platform::EncodePng(width, height, pixel);
    case ExportFormat::kBmp: return platform::EncodeBmp(width, height, bitsPerPixel, pixel);
    case ExportFormat::kJpeg: {
      if (width <= 0 || height <= 0) return {};
      std::vector<std::uint32_t> pixels;
      pixels.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
      for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) pixels.push_back(pixel(x, y));
      std::vector<std::uint8_t> out;
      if (jpeg::Encode(pixels, width, height, std::clamp(jpegQuality, 1, 100), false, false, out) != 0) return {};
      return out;
    }
    default: return {};
  }
}

std::vector<std::uint8_t> RecordVectorPicture(ExportFormat format, const VectorPicture& picture) {
  const int w = std::max(picture.width, 0), h = std::max(picture.height, 0);
  switch (format) {
    case ExportFormat::kEmf: {
      platform::metafile::EmfRecordingContext dc(w, h);
      picture.draw(dc);
      return dc.Finish(picture.description);
    }
    case ExportFormat::kSvg: {
      platform::SvgRecordingContext dc(w, h);
      picture.draw(dc);
      const std::string text = dc.Finish(picture.description);
      return std::vector<std::uint8_t>(text.begin(), text.end());
    }
    case ExportFormat::kPdf: return platform::WritePdf(w, h, picture.draw, picture.description);
    default: return {};
  }
}

std::string UnknownFormatMessage(const std::string& fileName) {
  return "Cannot save \"" + fileName + "\": the name must end in one of " +
         std::string(platform::ExportFormatList());
}

}  // namespace pg::engine
