#include "platform/hatch_patterns.h"

namespace pg::platform {

namespace {

constexpr std::uint8_t kHorizontal[8] = {0, 0, 0, 0xFF, 0, 0, 0, 0};
constexpr std::uint8_t kVertical[8] = {0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10};
constexpr std::uint8_t kFDiagonal[8] = {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80};
constexpr std::uint8_t kBDiagonal[8] = {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01};
constexpr std::uint8_t kCross[8] = {0x10, 0x10, 0x10, 0xFF, 0x10, 0x10, 0x10, 0x10};
constexpr std::uint8_t kDiagCross[8] = {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81};

}  // namespace

const std::uint8_t* HatchRows(BrushStyle style) {
  switch (style) {
    case BrushStyle::bsHorizontal: return kHorizontal;
    case BrushStyle::bsVertical: return kVertical;
    case BrushStyle::bsFDiagonal: return kFDiagonal;
    case BrushStyle::bsBDiagonal: return kBDiagonal;
    case BrushStyle::bsCross: return kCross;
    case BrushStyle::bsDiagCross: return kDiagCross;
    default: return nullptr;
  }
}

BrushStyle HatchStyle(std::uint32_t number) {
  static constexpr BrushStyle kHatch[] = {BrushStyle::bsHorizontal, BrushStyle::bsVertical, BrushStyle::bsFDiagonal,
                                          BrushStyle::bsBDiagonal,  BrushStyle::bsCross,    BrushStyle::bsDiagCross};
  return number < 6 ? kHatch[number] : BrushStyle::bsSolid;
}

}  // namespace pg::platform
