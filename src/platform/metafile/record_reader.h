#pragma once
// Fields of one record, read only within it: a field past its end reads as 0 and
// marks the reader short, so no count or offset can lead a read out of the record.
#include <cstddef>
#include <cstdint>
#include <span>

namespace pg::platform::metafile {

class RecordReader {
 public:
  explicit RecordReader(std::span<const std::uint8_t> record) : bytes_(record) {}

  std::size_t Size() const { return bytes_.size(); }
  bool Short() const { return short_; }
  // Whether count items of itemSize bytes lie inside the record from at.
  bool Holds(std::size_t at, std::size_t count, std::size_t itemSize) const {
    if (at > bytes_.size()) return false;
    return itemSize == 0 || count <= (bytes_.size() - at) / itemSize;
  }
  std::uint32_t U32(std::size_t at) {
    if (!Holds(at, 1, 4)) return Miss();
    return static_cast<std::uint32_t>(bytes_[at]) | static_cast<std::uint32_t>(bytes_[at + 1]) << 8 |
           static_cast<std::uint32_t>(bytes_[at + 2]) << 16 | static_cast<std::uint32_t>(bytes_[at + 3]) << 24;
  }
  std::int32_t I32(std::size_t at) { return static_cast<std::int32_t>(U32(at)); }
  std::uint16_t U16(std::size_t at) {
    if (!Holds(at, 1, 2)) return static_cast<std::uint16_t>(Miss());
    return static_cast<std::uint16_t>(bytes_[at] | bytes_[at + 1] << 8);
  }
  std::int16_t I16(std::size_t at) { return static_cast<std::int16_t>(U16(at)); }
  std::uint8_t U8(std::size_t at) {
    if (at >= bytes_.size()) return static_cast<std::uint8_t>(Miss());
    return bytes_[at];
  }
  float F32(std::size_t at) {
    const std::uint32_t bits = U32(at);
    float f;
    static_assert(sizeof f == sizeof bits);
    __builtin_memcpy(&f, &bits, sizeof f);
    return f;
  }
  // The bytes [at, at + length), empty when they are not all inside.
  std::span<const std::uint8_t> Bytes(std::size_t at, std::size_t length) const {
    if (!Holds(at, length, 1)) return {};
    return bytes_.subspan(at, length);
  }

 private:
  std::uint32_t Miss() {
    short_ = true;
    return 0;
  }
  std::span<const std::uint8_t> bytes_;
  bool short_ = false;
};

}  // namespace pg::platform::metafile
