// The picture loaders: the first byte picks the format (bitmap, icon, enhanced
// metafile, metafile, JPEG), the rest is the file. Whatever loads is drawn, as
// the chart would draw its back image, into a small bitmap.
#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "engine/picture/jpeg_image.h"
#include "engine/picture/picture_formats.h"
#include "framework/errors.h"
#include "platform/bitmap.h"

namespace {

constexpr std::array<std::string_view, 5> kExtensions = {"bmp", "ico", "emf", "wmf", "jpg"};

void DrawEverywhere(pg::engine::TGraphic& graphic) {
  pg::platform::Bitmap target(48, 40);
  // Natural size, a shrunk and a stretched copy, partly outside, and inverted.
  const int w = graphic.Width(), h = graphic.Height();
  const pg::platform::TRect dests[] = {
      {0, 0, w, h}, {2, 3, 20, 15}, {-30, -20, 90, 70}, {30, 30, 10, 10}};
  for (const auto& dest : dests) graphic.Draw(target.Dc(), dest);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const auto* format = pg::engine::FindPictureFileFormat(kExtensions[data[0] % kExtensions.size()]);
  if (!format) return 0;
  auto graphic = format->create();
  try {
    graphic->LoadFromBytes(std::vector<std::uint8_t>(data + 1, data + size));
  } catch (const pg::Exception&) {
    return 0;
  }
  if (auto* jpeg = dynamic_cast<pg::engine::TJPEGImage*>(graphic.get())) {
    jpeg->SetScale((data[0] & 0x10) ? pg::engine::TJPEGScale::jsHalf : pg::engine::TJPEGScale::jsFullSize);
    jpeg->SetGrayscale((data[0] & 0x20) != 0);
    try {
      (void)jpeg->Bitmap();
    } catch (const pg::Exception&) {
    }
  }
  DrawEverywhere(*graphic);
  return 0;
}
