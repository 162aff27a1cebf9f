#include "platform/export/base64.h"

namespace pg::platform {

std::string Base64(std::span<const std::uint8_t> bytes) {
  static constexpr char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  std::size_t i = 0;
  for (; i + 2 < bytes.size(); i += 3) {
    const std::uint32_t v = bytes[i] << 16 | bytes[i + 1] << 8 | bytes[i + 2];
    for (int k = 18; k >= 0; k -= 6) out += kDigits[(v >> k) & 63];
  }
  if (i < bytes.size()) {
    const std::uint32_t v = bytes[i] << 16 | (i + 1 < bytes.size() ? bytes[i + 1] << 8 : 0);
    out += kDigits[(v >> 18) & 63];
    out += kDigits[(v >> 12) & 63];
    out += i + 1 < bytes.size() ? kDigits[(v >> 6) & 63] : '=';
    out += '=';
  }
  return out;
}

}  // namespace pg::platform
