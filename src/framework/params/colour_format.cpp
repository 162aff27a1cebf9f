#include "framework/params/colour_format.h"

#include <cstdint>

#include "framework/text/ascii_text.h"
#include "framework/text/int_parse.h"
#include "framework/text/list_split.h"

namespace pg::params {
namespace {

TColor LowByteOfItem(const std::vector<std::string>& items, std::size_t index) {
  return static_cast<std::uint32_t>(text::StrToInt(text::ListItem(items, index))) & 0xFFu;
}

}  // namespace

TColor ReadColourTriple(std::string_view triple) {
  const auto items = text::SplitList(triple, ',');
  const TColor red = LowByteOfItem(items, 0);
  const TColor green = LowByteOfItem(items, 1);
  const TColor blue = LowByteOfItem(items, 2);
  return red | (green << 8) | (blue << 16);
}

std::string ColourTripleText(TColor colour) {
  return std::to_string(colour & 0xFFu) + "," + std::to_string((colour >> 8) & 0xFFu) + "," +
         std::to_string((colour >> 16) & 0xFFu);
}

TColor ReadColourText(std::string_view colourText) {
  for (const auto& entry : kColourTable)
    if (text::SameTextAsciiCase(colourText, entry.name)) return entry.value;
  return static_cast<TColor>(text::StrToInt(colourText));
}

std::string ColourToText(TColor colour) {
  for (const auto& entry : kColourTable)
    if (entry.value == colour) return std::string(entry.name);
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out = "$";
  for (int shift = 28; shift >= 0; shift -= 4) out.push_back(kHex[(colour >> shift) & 0xFu]);
  return out;
}

}  // namespace pg::params
