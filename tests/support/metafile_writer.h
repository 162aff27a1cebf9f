#pragma once
// Small metafiles written record by record, for tests that play them.
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <vector>

namespace pg::testing {

// An enhanced metafile whose recording device has 10 pixels per millimetre, so
// a frame of (0, 0, 10 w, 10 h) hundredths of a millimetre is w x h pixels.
class EmfWriter {
 public:
  EmfWriter(int width, int height) {
    const std::int32_t header[] = {1, 88, 0, 0, width - 1, height - 1, 0, 0, width * 10, height * 10,
                                   0x464D4520, 0x10000, 0, 0, 0, 0, 0, 0, 1000, 1000, 100, 100};
    for (const std::int32_t v : header) Put32(v);
    // Size and record count are set at Finish; the handle count is ample.
    Put16At(56, 64);
  }
  // A record of 32-bit fields after type and size.
  EmfWriter& Record(std::uint32_t type, std::initializer_list<std::int32_t> fields) {
    return Raw(type, Words(fields));
  }
  // A record of given bytes after type and size (padded to 4).
  EmfWriter& Raw(std::uint32_t type, std::vector<std::uint8_t> body) {
    while (body.size() % 4) body.push_back(0);
    Put32(static_cast<std::int32_t>(type));
    Put32(static_cast<std::int32_t>(body.size() + 8));
    bytes_.insert(bytes_.end(), body.begin(), body.end());
    ++records_;
    return *this;
  }
  std::vector<std::uint8_t> Finish() {
    Record(14, {0, 0, 20});
    Put32At(48, static_cast<std::uint32_t>(bytes_.size()));
    Put32At(52, records_ + 1);
    return bytes_;
  }

  static std::vector<std::uint8_t> Words(std::initializer_list<std::int32_t> fields) {
    std::vector<std::uint8_t> b;
    for (const std::int32_t v : fields)
      for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * i)));
    return b;
  }

 private:
  void Put32(std::int32_t v) {
    for (int i = 0; i < 4; ++i) bytes_.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * i)));
  }
  void Put32At(std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes_[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
  }
  void Put16At(std::size_t at, std::uint16_t v) {
    bytes_[at] = static_cast<std::uint8_t>(v);
    bytes_[at + 1] = static_cast<std::uint8_t>(v >> 8);
  }
  std::vector<std::uint8_t> bytes_;
  std::uint32_t records_ = 0;
};

// A Windows metafile with a placeable header whose box is (0, 0, w, h) at 96
// units per inch, and a window of the same size.
class WmfWriter {
 public:
  WmfWriter(int width, int height) {
    const std::uint16_t placeable[] = {0xCDD7, 0x9AC6, 0, 0, 0, static_cast<std::uint16_t>(width),
                                       static_cast<std::uint16_t>(height), 96, 0, 0};
    std::uint16_t sum = 0;
    for (const std::uint16_t w : placeable) {
      Put16(w);
      sum ^= w;
    }
    Put16(sum);
    // Room for 16 objects: players keep a table of the size the header says.
    for (const std::uint16_t w : {1, 9, 0x0300, 0, 0, 16, 0, 0, 0}) Put16(w);
    Record(0x020C, {static_cast<std::int16_t>(height), static_cast<std::int16_t>(width)});
  }
  // Parameters as 16-bit words, in the order the record stores them.
  WmfWriter& Record(std::uint16_t function, std::initializer_list<std::int16_t> words) {
    std::vector<std::uint8_t> b;
    for (const std::int16_t w : words) {
      b.push_back(static_cast<std::uint8_t>(w));
      b.push_back(static_cast<std::uint8_t>(static_cast<std::uint16_t>(w) >> 8));
    }
    return Raw(function, b);
  }
  WmfWriter& Raw(std::uint16_t function, std::vector<std::uint8_t> body) {
    if (body.size() % 2) body.push_back(0);
    const std::uint32_t words = static_cast<std::uint32_t>(body.size() / 2 + 3);
    Put16(static_cast<std::uint16_t>(words));
    Put16(static_cast<std::uint16_t>(words >> 16));
    Put16(function);
    bytes_.insert(bytes_.end(), body.begin(), body.end());
    return *this;
  }
  std::vector<std::uint8_t> Finish() {
    Record(0, {});
    return bytes_;
  }

 private:
  void Put16(std::uint16_t v) {
    bytes_.push_back(static_cast<std::uint8_t>(v));
    bytes_.push_back(static_cast<std::uint8_t>(v >> 8));
  }
  std::vector<std::uint8_t> bytes_;
};

}  // namespace pg::testing
