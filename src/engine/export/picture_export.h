#pragma once
// A picture written in the format its file name's extension names: vector
// formats from a drawing played into a recording context, raster formats from
// pixels. One place for both the module's export and the reference host's save.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/device_context.h"
#include "platform/export/export_description.h"
#include "platform/export/export_format.h"
#include "platform/image_files.h"

namespace pg::engine {

inline constexpr int kDefaultJpegQuality = 90;

struct VectorPicture {
  int width = 0;
  int height = 0;
  std::function<void(platform::DeviceContext&)> draw;
  platform::ExportDescription description;
};

// PNG, JPEG or BMP bytes of width x height pixels (bitsPerPixel 1 gives a
// black-and-white BMP); empty for other formats or when encoding fails.
std::vector<std::uint8_t> EncodeRasterPicture(platform::ExportFormat format, int width, int height,
                                              int bitsPerPixel, const platform::PixelSource& pixel,
                                              int jpegQuality = kDefaultJpegQuality);

// EMF, SVG or PDF bytes of the drawing; empty for other formats or when the
// file cannot be made.
std::vector<std::uint8_t> RecordVectorPicture(platform::ExportFormat format, const VectorPicture& picture);

// A message naming the formats, for a file name whose extension names none.
std::string UnknownFormatMessage(const std::string& fileName);

}  // namespace pg::engine
