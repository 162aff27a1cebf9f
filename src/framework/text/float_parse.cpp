#include "framework/text/number_prefix.h"
#include "framework/text/float_parse.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <system_error>

#include "framework/errors.h"

namespace pg::text {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Decimal exponents beyond this saturate; no text is long enough for its digit
// count to matter against it.
constexpr std::int64_t kExponentCap = 1'000'000'000'000'000;

std::optional<double> Parse(std::string_view s, char separator) {
  std::size_t i = 0;
  const std::size_t n = s.size();
  const bool negative = SkipBlanksAndSign(s, i);
  const std::size_t intBegin = i;
  while (i < n && IsDigit(s[i])) ++i;
  const std::string_view intDigits = s.substr(intBegin, i - intBegin);
  std::string_view fracDigits;
  if (i < n && s[i] == separator) {
    const std::size_t fracBegin = ++i;
    while (i < n && IsDigit(s[i])) ++i;
    fracDigits = s.substr(fracBegin, i - fracBegin);
  }
  if (intDigits.empty() && fracDigits.empty()) return std::nullopt;

  std::int64_t exponent = 0;
  if (i < n && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    bool expNegative = false;
    if (i < n && (s[i] == '-' || s[i] == '+')) {
      expNegative = s[i] == '-';
      ++i;
    }
    if (i == n || !IsDigit(s[i])) return std::nullopt;
    for (; i < n && IsDigit(s[i]); ++i)
      if (exponent < kExponentCap) exponent = exponent * 10 + (s[i] - '0');
    if (expNegative) exponent = -exponent;
  }
  while (i < n && s[i] == ' ') ++i;
  if (i != n) return std::nullopt;

  const double zero = negative ? -0.0 : 0.0;
  // Decimal magnitude of the first significant digit, to tell overflow from
  // underflow without trusting what the conversion leaves on a range error.
  const std::size_t firstInt = intDigits.find_first_not_of('0');
  std::int64_t magnitude;
  if (firstInt != std::string_view::npos) {
    magnitude = static_cast<std::int64_t>(intDigits.size() - firstInt) + exponent;
  } else {
    const std::size_t firstFrac = fracDigits.find_first_not_of('0');
    if (firstFrac == std::string_view::npos) return zero;
    magnitude = exponent - static_cast<std::int64_t>(firstFrac);
  }
  if (magnitude > 400) return std::nullopt;
  if (magnitude < -400) return zero;

  // A normalised copy with '.' for std::from_chars, which ignores the locale.
  std::string normal;
  normal.reserve(intDigits.size() + fracDigits.size() + 24);
  normal.append(intDigits.empty() ? std::string_view("0") : intDigits);
  normal.push_back('.');
  normal.append(fracDigits.empty() ? std::string_view("0") : fracDigits);
  normal.push_back('e');
  normal.append(std::to_string(exponent));

  double value = 0.0;
  const auto [end, error] = std::from_chars(normal.data(), normal.data() + normal.size(), value);
  if (error == std::errc::result_out_of_range) {
    if (magnitude > 0) return std::nullopt;
    return zero;
  }
  if (error != std::errc() || end != normal.data() + normal.size()) return std::nullopt;
  if (std::isinf(value)) return std::nullopt;
  return negative ? -value : value;
}

}  // namespace

double StrToFloat(std::string_view text, char decimalSeparator) {
  if (const auto value = Parse(text, decimalSeparator)) return *value;
  throw ConvertError("'" + std::string(text) + "' is not a valid floating point value");
}

}  // namespace pg::text
