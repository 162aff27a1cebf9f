#include "platform/metafile/record_check_parts.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/picture/picture_headers.h"

namespace pg::platform::metafile::check {

void WorkAccount::Restore(long long level) {
  if (level < 0)
    depth_ = std::max(0LL, depth_ + level);
  else if (level >= 1 && level <= depth_)
    depth_ = level - 1;
}

std::string WorkAccount::Exceeded() const {
  const auto past = [](const char* what, std::uint64_t n, std::uint64_t limit) {
    return "brings the " + std::string(what) + " to " + std::to_string(n) + " of the " + std::to_string(limit) +
           " a picture may have";
  };
  if (records_ > limits_.records) return past("records", records_, limits_.records);
  if (points_ > limits_.points) return past("points", points_, limits_.points);
  if (characters_ > limits_.characters) return past("characters", characters_, limits_.characters);
  return past("bitmap pixels", pixels_, limits_.pixels);
}

std::string Claims(std::uint64_t recordSize, std::uint64_t at, std::uint64_t count, std::uint64_t itemSize,
                   const char* noun) {
  if (at > recordSize)
    return "puts its " + std::string(noun) + " at byte " + std::to_string(at) + " of " + std::to_string(recordSize);
  return "claims " + std::to_string(count) + " " + noun + (itemSize != 1 ? " of " + std::to_string(itemSize) + " bytes" : "") +
         " in " + std::to_string(recordSize - at) + " bytes";
}

bool RecordCheckBase::Holds(const RecordReader& r, std::uint64_t at, std::uint64_t count, std::uint64_t itemSize,
                            const char* noun) {
  return (at <= r.Size() && count <= (r.Size() - at) / itemSize) || Fail(Claims(r.Size(), at, count, itemSize, noun));
}

bool BitmapFits(std::span<const std::uint8_t> record, std::uint64_t headerAt, std::uint64_t headerSize,
                std::uint64_t bitsAt, std::uint64_t bitsSize, Palette palette, std::uint64_t rows,
                WorkAccount& work) {
  const std::uint64_t size = record.size();
  if (headerSize == 0 || headerAt > size || headerSize > size - headerAt || bitsAt > size || bitsSize > size - bitsAt)
    return false;
  const auto header = record.subspan(headerAt, headerSize);
  const auto bits = record.subspan(bitsAt, bitsSize);
  // The header reader wants the pixels right after the palette: the usual
  // layout is read where it lies, any other is put together first.
  // Without a palette, room for the largest is made where the reader looks
  // for one.
  constexpr std::size_t kLargestPalette = 256 * 4;
  const std::size_t room = palette == Palette::kNone ? kLargestPalette : 0;
  std::vector<std::uint8_t> joined;
  std::span<const std::uint8_t> dib;
  if (bitsAt == headerAt + headerSize && rows == 0 && room == 0) {
    dib = record.subspan(headerAt, headerSize + bitsSize);
  } else {
    joined.assign(header.begin(), header.end());
    if (rows != 0 && joined.size() >= 12) {
      // A transfer of some scan lines carries only those rows.
      if (ReadLe32(joined, 0) == 12) {
        const auto held = static_cast<std::uint16_t>(std::min<std::uint64_t>(rows, ReadLe16(joined, 6)));
        joined[6] = static_cast<std::uint8_t>(held), joined[7] = static_cast<std::uint8_t>(held >> 8);
      } else {
        const auto height = static_cast<std::int32_t>(ReadLe32(joined, 8));
        const std::int64_t whole = height < 0 ? -static_cast<std::int64_t>(height) : height;
        const auto held = static_cast<std::int64_t>(std::min<std::uint64_t>(rows, static_cast<std::uint64_t>(whole)));
        const auto patched = static_cast<std::uint32_t>(static_cast<std::int32_t>(height < 0 ? -held : held));
        for (int i = 0; i < 4; ++i) joined[8 + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(patched >> (8 * i));
      }
    }
    joined.resize(joined.size() + room);
    joined.insert(joined.end(), bits.begin(), bits.end());
    dib = joined;
  }
  const auto layout = ReadPackedBitmapLayout(dib, palette == Palette::kIndices);
  // The palette must end within the header part, and plain pixels be all there.
  if (!layout || layout->bitsOffset > headerSize + room) return false;
  constexpr std::uint32_t kRle8 = 1, kRle4 = 2;
  if (layout->compression != kRle8 && layout->compression != kRle4 && layout->bitsSize > bitsSize) return false;
  work.Pixels(static_cast<std::uint64_t>(layout->width) * static_cast<std::uint64_t>(layout->height));
  return true;
}

}  // namespace pg::platform::metafile::check
