// Enhanced metafiles through libemf2svg, once their record framing is known to
// hold together.
#include <emf2svg.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/picture_headers.h"
#include "platform/soft/picture_decoders.h"

namespace pg::platform::soft {

std::unique_ptr<PictureImage> DecodeEmfFile(std::span<const std::uint8_t> bytes) {
  const auto extent = ReadEmfExtent(bytes);
  if (!extent) return nullptr;
  std::vector<char> contents(bytes.begin(), bytes.end());
  // No element prefix: the library leaks its copy of one.
  generatorOptions options{};
  options.svgDelimiter = true;
  options.emfplus = true;
  char* out = nullptr;
  std::size_t length = 0;
  const int ok = emf2svg(contents.data(), contents.size(), &out, &length, &options);
  std::string svg;
  if (out) {
    svg.assign(out, length);
    std::free(out);
  }
  if (!ok) return nullptr;
  return MakeSvgPicture(svg, *extent);
}

}  // namespace pg::platform::soft
