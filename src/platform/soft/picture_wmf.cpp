// Windows metafiles through libwmf's SVG output, once their record framing is
// known to hold together.
#include <libwmf/api.h>
#include <libwmf/svg.h>

#include <string>
#include <vector>

#include "platform/picture_headers.h"
#include "platform/soft/picture_decoders.h"

namespace pg::platform::soft {

namespace {

// The SVG of the metafile; empty when libwmf cannot play it.
std::string PlayToSvg(std::vector<unsigned char>& contents) {
  wmfAPI* api = nullptr;
  wmfAPI_Options options{};
  options.function = wmf_svg_function;
  const unsigned long flags = WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
  if (wmf_api_create(&api, flags, &options) != wmf_E_None) {
    if (api) wmf_api_destroy(api);
    return {};
  }
  std::string svg;
  wmfD_Rect bbox{};
  if (wmf_mem_open(api, contents.data(), static_cast<long>(contents.size())) == wmf_E_None) {
    unsigned int width = 0, height = 0;
    if (wmf_scan(api, 0, &bbox) == wmf_E_None && wmf_display_size(api, &width, &height, 96, 96) == wmf_E_None &&
        width > 0 && height > 0) {
      wmf_svg_t* device = WMF_SVG_GetData(api);
      char description[] = "picture";
      device->out = wmf_stream_create(api, nullptr);
      device->Description = description;
      device->bbox = bbox;
      device->width = width;
      device->height = height;
      const bool played = device->out && wmf_play(api, 0, &bbox) == wmf_E_None;
      char* text = nullptr;
      unsigned long length = 0;
      if (device->out) wmf_stream_destroy(api, device->out, &text, &length);
      // The stream's memory belongs to libwmf and goes with the API object.
      if (played && text) svg.assign(text, length);
    }
    wmf_mem_close(api);
  }
  wmf_api_destroy(api);
  return svg;
}

}  // namespace

std::unique_ptr<PictureImage> DecodeWmfFile(std::span<const std::uint8_t> bytes) {
  const auto layout = ReadWmfLayout(bytes);
  if (!layout) return nullptr;
  std::vector<unsigned char> contents(bytes.begin(), bytes.end());
  const std::string svg = PlayToSvg(contents);
  return svg.empty() ? nullptr : MakeSvgPicture(svg, layout->extent);
}

}  // namespace pg::platform::soft
