#pragma once
// A chart saved as a picture file of the format its name's extension names:
// EMF, SVG and PDF drawn as vectors from the chart itself, PNG, JPEG and BMP
// from its pixels. The file is replaced in one step or left as it was.
#include <string>

namespace pg::engine {

class TCustomChart;

// Throws PictureError for a name whose extension names no format (nothing is
// written), FileStreamError when the file cannot be made or written.
void ExportChart(TCustomChart& chart, const std::string& fileName);

}  // namespace pg::engine
