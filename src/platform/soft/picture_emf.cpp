// Enhanced metafiles through libemf2svg, once their record framing is known to
// hold together.
#include <emf2svg.h>

#include <algorithm>
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
  // The converter reads the header's description wherever it is said to be, up
  // to a zero when it has no length. Drawing needs none: one that does not lie
  // within the header record is dropped.
  constexpr std::size_t kDescriptionLength = 60, kDescriptionOffset = 64;
  const std::uint32_t headerSize = ReadLe32(bytes, 4), described = ReadLe32(bytes, kDescriptionLength),
                      offset = ReadLe32(bytes, kDescriptionOffset);
  if (offset != 0 && (described == 0 || offset > headerSize || described > (headerSize - offset) / 2))
    std::fill_n(contents.begin() + kDescriptionLength, 8, '\0');
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
