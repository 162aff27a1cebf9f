#include "framework/text/number_format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace pg::text {
namespace {

// The magnitude of a value rounded to a number of decimal places.
struct RoundedDecimal {
  std::string integer;   // no leading zeros; empty when the integer part is 0
  std::string fraction;  // exactly as many digits as decimal places

  bool IsZero() const {
    return integer.empty() && fraction.find_first_not_of('0') == std::string::npos;
  }
};

// Rounds on the value's 18 significant decimal digits, the way the engine has
// always printed numbers, so 0.0005 becomes 0.001 although its binary value lies
// a hair above or below the half.
RoundedDecimal RoundToPlaces(double magnitude, std::size_t places) {
  RoundedDecimal result;
  result.fraction.assign(places, '0');
  if (magnitude == 0) return result;

  char buf[64];
  const auto conv = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific, 17);
  const std::string_view text(buf, static_cast<std::size_t>(conv.ptr - buf));  // d.ddd...e+XX
  // The 18 digits without the point, kept on the stack: this runs for every
  // number a paint shows.
  const std::size_t e = text.find('e');
  char digitBuffer[sizeof buf];
  digitBuffer[0] = text[0];
  text.copy(digitBuffer + 1, e - 2, 2);
  const std::string_view digits(digitBuffer, e - 1);
  std::int64_t exponent = 0;
  const std::size_t sign = e + 1 + (text[e + 1] == '+' ? 1 : 0);  // from_chars takes no '+'
  std::from_chars(text.data() + sign, text.data() + text.size(), exponent);

  // Digit k stands for 10^(exponent - k); keep those down to 10^-places.
  const std::int64_t keep = exponent + static_cast<std::int64_t>(places) + 1;
  std::string kept;
  if (keep <= 0) {
    if (keep < 0 || digits[0] < '5') return result;
    kept = "1";  // rounds up to one unit of the last place
    exponent = -static_cast<std::int64_t>(places);
  } else if (keep < static_cast<std::int64_t>(digits.size())) {
    const auto k = static_cast<std::size_t>(keep);
    kept.assign(digits.substr(0, k));
    if (digits[k] >= '5') {
      std::size_t i = k;
      while (i > 0 && kept[i - 1] == '9') kept[--i] = '0';
      if (i == 0) {
        kept.insert(kept.begin(), '1');
        ++exponent;
      } else {
        ++kept[i - 1];
      }
    }
  } else {
    kept.assign(digits);
  }

  auto digitAt = [&](std::int64_t index) {
    return index >= 0 && index < static_cast<std::int64_t>(kept.size()) ? kept[static_cast<std::size_t>(index)]
                                                                         : '0';
  };
  for (std::int64_t i = 0; i <= exponent; ++i) result.integer.push_back(digitAt(i));
  const auto first = result.integer.find_first_not_of('0');
  result.integer.erase(0, first == std::string::npos ? result.integer.size() : first);
  for (std::size_t j = 0; j < places; ++j)
    result.fraction[j] = digitAt(exponent + 1 + static_cast<std::int64_t>(j));
  return result;
}

enum class TokenKind { kDigit, kPoint, kLiteral };

struct Token {
  TokenKind kind;
  std::string_view text;  // literal text
};

// One section of a picture, read into tokens and digit counts.
struct Layout {
  std::vector<Token> tokens;
  std::size_t integerPlaces = 0;
  std::size_t decimalPlaces = 0;
  std::size_t minIntegerDigits = 0;  // from the first '0' to the decimal point
  std::size_t minDecimalDigits = 0;  // from the decimal point to the last '0'
  bool grouping = false;
  bool hasPoint = false;
};

Layout ReadSection(std::string_view section) {
  Layout layout;
  layout.tokens.reserve(section.size());  // at most a token a character: one allocation
  std::size_t firstZero = std::string_view::npos;  // among integer places
  for (std::size_t i = 0; i < section.size(); ++i) {
    const char c = section[i];
    if (c == '0' || c == '#') {
      layout.tokens.push_back({TokenKind::kDigit, {}});
      if (!layout.hasPoint) {
        if (c == '0' && firstZero == std::string_view::npos) firstZero = layout.integerPlaces;
        ++layout.integerPlaces;
      } else {
        ++layout.decimalPlaces;
        if (c == '0') layout.minDecimalDigits = layout.decimalPlaces;
      }
    } else if (c == '.') {
      if (!layout.hasPoint) layout.tokens.push_back({TokenKind::kPoint, {}});
      layout.hasPoint = true;
    } else if (c == ',') {
      if (!layout.hasPoint) layout.grouping = true;
    } else if (c == '"' || c == '\'') {
      const std::size_t close = section.find(c, i + 1);
      const std::size_t end = close == std::string_view::npos ? section.size() : close;
      layout.tokens.push_back({TokenKind::kLiteral, section.substr(i + 1, end - i - 1)});
      i = end;
    } else {
      layout.tokens.push_back({TokenKind::kLiteral, section.substr(i, 1)});
    }
  }
  if (firstZero != std::string_view::npos) layout.minIntegerDigits = layout.integerPlaces - firstZero;
  return layout;
}

std::string Render(const Layout& layout, const RoundedDecimal& number, bool minus, char decimalSeparator,
                   char thousandSeparator) {
  std::string integer = number.integer;
  if (integer.size() < layout.minIntegerDigits) integer.insert(0, layout.minIntegerDigits - integer.size(), '0');
  std::size_t fractionLength = number.fraction.find_last_not_of('0');
  fractionLength = fractionLength == std::string::npos ? 0 : fractionLength + 1;
  fractionLength = std::max(fractionLength, layout.minDecimalDigits);

  std::string out = minus ? "-" : "";
  const std::size_t n = integer.size();
  // Integer digit at position p (0 = units), with its group separator.
  auto emitIntegerDigit = [&](std::size_t p) {
    out.push_back(integer[n - 1 - p]);
    if (layout.grouping && p > 0 && p % 3 == 0 && thousandSeparator != '\0') out.push_back(thousandSeparator);
  };
  auto emitIntegerFrom = [&](std::size_t lowest) {
    for (std::size_t p = n; p-- > lowest;) emitIntegerDigit(p);
  };

  std::size_t integerPlace = layout.integerPlaces;  // places still to come before the point
  std::size_t decimalPlace = 0;
  bool afterPoint = false;
  for (const Token& token : layout.tokens) {
    switch (token.kind) {
      case TokenKind::kDigit:
        if (!afterPoint) {
          const std::size_t p = --integerPlace;
          if (p == layout.integerPlaces - 1)
            emitIntegerFrom(p);  // the first place also takes the digits beyond the picture
          else if (p < n)
            emitIntegerDigit(p);
        } else {
          if (decimalPlace < fractionLength) out.push_back(number.fraction[decimalPlace]);
          ++decimalPlace;
        }
        break;
      case TokenKind::kPoint:
        if (layout.integerPlaces == 0) emitIntegerFrom(0);
        if (fractionLength > 0) out.push_back(decimalSeparator);
        afterPoint = true;
        break;
      case TokenKind::kLiteral:
        out.append(token.text);
        break;
    }
  }
  if (layout.integerPlaces == 0 && !layout.hasPoint) emitIntegerFrom(0);
  return out;
}

// The shortest form with 15 significant digits: "1234.5", "1E20", "1E-5".
std::string FormatGeneral(double value, char decimalSeparator) {
  char buf[64];
  const auto conv = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
  std::string text(buf, conv.ptr);
  std::string out;
  const std::size_t e = text.find('e');
  for (char c : text.substr(0, e)) out.push_back(c == '.' ? decimalSeparator : c);
  if (e != std::string::npos) {
    out.push_back('E');
    std::size_t i = e + 1;
    if (text[i] == '-') out.push_back('-');
    if (text[i] == '-' || text[i] == '+') ++i;
    while (i + 1 < text.size() && text[i] == '0') ++i;
    out.append(text.substr(i));
  }
  return out;
}

// Up to three sections; ';' inside quoted text does not split, and sections
// after the third are ignored.
struct Sections {
  std::array<std::string_view, 3> part;
  std::size_t size = 0;
};

Sections SplitSections(std::string_view picture) {
  Sections sections;
  std::size_t start = 0, end = picture.size();
  char quote = '\0';
  for (std::size_t i = 0; i < picture.size(); ++i) {
    const char c = picture[i];
    if (quote != '\0') {
      if (c == quote) quote = '\0';
    } else if (c == '"' || c == '\'') {
      quote = c;
    } else if (c == ';') {
      if (sections.size == sections.part.size() - 1) {
        end = i;
        break;
      }
      sections.part[sections.size++] = picture.substr(start, i - start);
      start = i + 1;
    }
  }
  sections.part[sections.size++] = picture.substr(start, end - start);
  return sections;
}

}  // namespace

std::string FormatFloat(std::string_view picture, double value, char decimalSeparator,
                        char thousandSeparator) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";

  const Sections split = SplitSections(picture);
  const auto& sections = split.part;
  const bool negative = value < 0;
  std::size_t chosen = 0;
  bool minus = negative;
  if (negative && split.size > 1 && !sections[1].empty()) {
    chosen = 1;
    minus = false;
  }
  if (sections[chosen].empty()) return FormatGeneral(value, decimalSeparator);

  Layout layout = ReadSection(sections[chosen]);
  RoundedDecimal number = RoundToPlaces(std::fabs(value), layout.decimalPlaces);
  if (number.IsZero()) {
    minus = false;
    if (split.size > 2 && !sections[2].empty()) {
      layout = ReadSection(sections[2]);
      number = RoundToPlaces(0, layout.decimalPlaces);
    }
  }
  return Render(layout, number, minus, decimalSeparator, thousandSeparator);
}

}  // namespace pg::text
