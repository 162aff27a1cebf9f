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
      // Each row straight from the pixel source into the encoder's row: no
      // copy of the whole picture. A source that throws fails the file.
      struct Rows {
        const platform::PixelSource& pixel;
        bool failed = false;
      } rows{pixel};
      const auto fill = [](void* context, int y, std::uint32_t* out, int w) {
        auto& r = *static_cast<Rows*>(context);
        try {
          for (int x = 0; x < w; ++x) out[x] = r.pixel(x, y);
        } catch (...) {
          r.failed = true;
        }
      };
      std::vector<std::uint8_t> out;
      if (jpeg::Encode(width, height, fill, &rows, std::clamp(jpegQuality, 1, 100), false, false, out) != 0 ||
          rows.failed)
        return {};
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
