#include "platform/soft/picture/color_reduction.h"

namespace pg::platform::soft {

namespace {

constexpr std::uint32_t kBlack = 0;
constexpr std::uint32_t kWhite = 0xFFFFFF;

}  // namespace

std::uint32_t ReduceCopiedColor(std::uint32_t color) {
  const unsigned sum = ((color >> 16) & 0xFF) + ((color >> 8) & 0xFF) + (color & 0xFF);
  return sum > 382 ? kWhite : kBlack;
}

std::uint32_t ReduceDrawColor(std::uint32_t color, std::uint32_t background) {
  color &= kWhite;
  background &= kWhite;
  if (color == kBlack || color == kWhite) return color;
  // The background's own pixel is the nearer of the two.
  const std::uint32_t backgroundPixel = ReduceCopiedColor(background);
  if (color == background) return backgroundPixel;
  return backgroundPixel == kWhite ? kBlack : kWhite;
}

}  // namespace pg::platform::soft
