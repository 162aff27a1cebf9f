#pragma once
// Memory for coverages, handed out again once a coverage is done with it: a paint
// takes a few buffers the size of the window and allocates nothing per shape.
#include <cstddef>
#include <cstdint>
#include <memory>

namespace pg::platform::soft {

class CoverageBuffer {
 public:
  // A buffer with room for `pixels` bytes and 3 x `rows` row numbers, from those
  // given back earlier when one is large enough. Its contents are undefined.
  static std::unique_ptr<CoverageBuffer> Take(std::size_t pixels, std::size_t rows);
  // Keeps the buffer for the next Take (or frees it when it is very large).
  static void GiveBack(std::unique_ptr<CoverageBuffer> buffer);

  std::uint8_t* Bits() { return bits_.get(); }
  int* RowNumbers() { return rows_.get(); }

 private:
  std::unique_ptr<std::uint8_t[]> bits_;
  std::unique_ptr<int[]> rows_;
  std::size_t pixelCapacity_ = 0;
  std::size_t rowCapacity_ = 0;
};

}  // namespace pg::platform::soft
