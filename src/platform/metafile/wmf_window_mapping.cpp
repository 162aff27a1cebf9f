#include "platform/metafile/wmf_window_mapping.h"

#include "platform/metafile/record_reader.h"
#include "platform/metafile/wmf_records.h"

namespace pg::platform::metafile {

bool KeepsToItsWindow(std::span<const std::uint8_t> standard) {
  constexpr std::uint16_t kAnisotropic = 8;
  if (standard.size() < wmr::kHeaderSize) return false;
  for (std::size_t at = wmr::kHeaderSize; at + 6 <= standard.size();) {
    RecordReader head(standard.subspan(at, 6));
    const std::uint32_t words = head.U32(0);
    if (words < 3 || words > (standard.size() - at) / 2) return false;
    RecordReader r(standard.subspan(at, static_cast<std::size_t>(words) * 2));
    switch (head.U16(4)) {
      case wmr::kEof: return true;
      case wmr::kSetViewportOrg:
      case wmr::kSetViewportExt:
      case wmr::kOffsetViewportOrg:
      case wmr::kScaleViewportExt:
      case wmr::kCreateRegion:
      case wmr::kSelectClipRegion:
      case wmr::kOffsetClipRgn: return false;
      case wmr::kSetMapMode:
        if (words < 4 || r.U16(6) != kAnisotropic) return false;
        break;
      case wmr::kRestoreDc:
        if (words < 4 || r.I16(6) > 0) return false;
        break;
      default: break;
    }
    at += static_cast<std::size_t>(words) * 2;
  }
  return true;
}

}  // namespace pg::platform::metafile
