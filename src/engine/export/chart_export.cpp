#include "engine/export/chart_export.h"

#include "engine/export/picture_export.h"
#include "engine/panel/chart.h"
#include "engine/panel/chart_description.h"
#include "engine/picture/picture_errors.h"
#include "platform/bitmap.h"
#include "platform/picture_file_io.h"

namespace pg::engine {

void ExportChart(TCustomChart& chart, const std::string& fileName) {
  const auto format = platform::ExportFormatOf(fileName);
  if (format == platform::ExportFormat::kUnknown) throw PictureError(UnknownFormatMessage(fileName));
  const TRect area = chart.GetDrawRect();
  std::vector<std::uint8_t> bytes;
  if (platform::IsVectorFormat(format)) {
    VectorPicture picture{area.Width(), area.Height(),
                          [&](platform::DeviceContext& dc) { chart.DrawUnbuffered(dc, area); }, DescribeChart(chart)};
    bytes = RecordVectorPicture(format, picture);
  } else {
    const auto picture = chart.CreatePicture(clWhite, area);
    if (!picture->Empty())
      bytes = EncodeRasterPicture(format, picture->Width(), picture->Height(), picture->BitsPerPixel(),
                                  [&](int x, int y) { return picture->Pixel(x, y); });
  }
  if (bytes.empty() || !platform::WriteFileReplacing(fileName, bytes))
    throw FileStreamError("Cannot create file \"" + fileName + "\"");
}

}  // namespace pg::engine
