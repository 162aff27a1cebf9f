#include "framework/text/number_prefix.h"
#include "framework/text/int_parse.h"

#include <optional>
#include <string>

#include "framework/errors.h"

namespace pg::text {
namespace {

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// All arithmetic is unsigned so that hexadecimal patterns and the negation of
// the most negative value wrap instead of overflowing.
std::optional<std::int32_t> Parse(std::string_view s) {
  std::size_t i = 0;
  const std::size_t n = s.size();
  const bool negative = SkipBlanksAndSign(s, i);
  bool hex = false;
  if (i < n && (s[i] == '$' || s[i] == 'x' || s[i] == 'X')) {
    hex = true;
    ++i;
  } else if (i + 1 < n && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
    hex = true;
    i += 2;
  }
  if (i == n) return std::nullopt;  // no digit at all

  std::uint32_t value = 0;
  if (hex) {
    for (; i < n; ++i) {
      const int digit = HexDigitValue(s[i]);
      if (digit < 0) return std::nullopt;
      // One more digit would push significant bits out of 32.
      if (value > 0x0FFFFFFFu) return std::nullopt;
      value = (value << 4) | static_cast<std::uint32_t>(digit);
    }
  } else {
    const std::uint32_t limit = negative ? 0x80000000u : 0x7FFFFFFFu;
    for (; i < n; ++i) {
      if (s[i] < '0' || s[i] > '9') return std::nullopt;
      const auto digit = static_cast<std::uint32_t>(s[i] - '0');
      if (value > (limit - digit) / 10) return std::nullopt;
      value = value * 10 + digit;
    }
  }
  if (negative) value = 0u - value;
  return static_cast<std::int32_t>(value);
}

}  // namespace

std::int32_t StrToInt(std::string_view text) {
  if (const auto value = Parse(text)) return *value;
  throw ConvertError("'" + std::string(text) + "' is not a valid integer value");
}

bool TryStrToInt(std::string_view text, std::int32_t& value) {
  const auto parsed = Parse(text);
  if (!parsed) return false;
  value = *parsed;
  return true;
}

}  // namespace pg::text
