#include "framework/text/number_format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

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
  // A whole number below 10^15 is its own 18-digit decimal form: its digits
  // (the legend's values mostly are such).
  if (magnitude < 1e15 && magnitude == std::floor(magnitude)) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, static_cast<std::uint64_t>(magnitude)).ptr;
    result.integer.assign(digits, end);
    return result;
  }

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

  // Digit k stands for 10^(exponent - k); keep those down to 10^-places. One
  // more place than the digits for a carry.
  const std::int64_t keep = exponent + static_cast<std::int64_t>(places) + 1;
  char keptBuffer[sizeof buf + 1];
  char* kept = keptBuffer + 1;
  std::size_t keptSize = 0;
  if (keep <= 0) {
    if (keep < 0 || digits[0] < '5') return result;
    kept[keptSize++] = '1';  // rounds up to one unit of the last place
    exponent = -static_cast<std::int64_t>(places);
  } else if (keep < static_cast<std::int64_t>(digits.size())) {
    keptSize = static_cast<std::size_t>(keep);
    digits.copy(kept, keptSize);
    if (digits[keptSize] >= '5') {
      std::size_t i = keptSize;
      while (i > 0 && kept[i - 1] == '9') kept[--i] = '0';
      if (i == 0) {
        *--kept = '1';
        ++keptSize;
        ++exponent;
      } else {
        ++kept[i - 1];
      }
    }
  } else {
    keptSize = digits.copy(kept, digits.size());
  }

  auto digitAt = [&](std::int64_t index) {
    return index >= 0 && index < static_cast<std::int64_t>(keptSize) ? kept[static_cast<std::size_t>(index)] : '0';
  };
  for (std::int64_t i = 0; i <= exponent; ++i) result.integer.push_back(digitAt(i));
  const auto first = result.integer.find_first_not_of('0');
  result.integer.erase(0, first == std::string::npos ? result.integer.size() : first);
  for (std::size_t j = 0; j < places; ++j)
    result.fraction[j] = digitAt(exponent + 1 + static_cast<std::int64_t>(j));
  return result;
}

enum class TokenKind { kDigit, kPoint, kGroup, kLiteral };

// Calls visit(kind, text) for each token of a section in turn: a digit place
// (text "0" or "#"), the first decimal point, a grouping comma before it, or
// literal text. Read anew where needed: a paint formats thousands of numbers,
// and a token list would be a heap block each time.
template <typename Visit>
void ForEachToken(std::string_view section, Visit&& visit) {
  bool point = false;
  for (std::size_t i = 0; i < section.size(); ++i) {
    const char c = section[i];
    if (c == '0' || c == '#') {
      visit(TokenKind::kDigit, section.substr(i, 1));
    } else if (c == '.') {
      if (!point) visit(TokenKind::kPoint, std::string_view{});
      point = true;
    } else if (c == ',') {
      if (!point) visit(TokenKind::kGroup, std::string_view{});
    } else if (c == '"' || c == '\'') {
      const std::size_t close = section.find(c, i + 1);
      const std::size_t end = close == std::string_view::npos ? section.size() : close;
      visit(TokenKind::kLiteral, section.substr(i + 1, end - i - 1));
      i = end;
    } else {
      visit(TokenKind::kLiteral, section.substr(i, 1));
    }
  }
}

// One section of a picture and its digit counts.
struct Layout {
  std::string_view section;
  std::size_t integerPlaces = 0;
  std::size_t decimalPlaces = 0;
  std::size_t minIntegerDigits = 0;  // from the first '0' to the decimal point
  std::size_t minDecimalDigits = 0;  // from the decimal point to the last '0'
  bool grouping = false;
  bool hasPoint = false;
};

Layout ReadSection(std::string_view section) {
  Layout layout;
  layout.section = section;
  std::size_t firstZero = std::string_view::npos;  // among integer places
  ForEachToken(section, [&](TokenKind kind, std::string_view text) {
    switch (kind) {
      case TokenKind::kDigit:
        if (!layout.hasPoint) {
          if (text[0] == '0' && firstZero == std::string_view::npos) firstZero = layout.integerPlaces;
          ++layout.integerPlaces;
        } else {
          ++layout.decimalPlaces;
          if (text[0] == '0') layout.minDecimalDigits = layout.decimalPlaces;
        }
        break;
      case TokenKind::kPoint:
        layout.hasPoint = true;
        break;
      case TokenKind::kGroup:
        layout.grouping = true;
        break;
      case TokenKind::kLiteral:
        break;
    }
  });
  if (firstZero != std::string_view::npos) layout.minIntegerDigits = layout.integerPlaces - firstZero;
  return layout;
}

void Render(std::string& out, const Layout& layout, const RoundedDecimal& number, bool minus, char decimalSeparator,
            char thousandSeparator) {
  // The integer digits with the required leading zeros, digit p (0 = units) at n - 1 - p.
  const std::size_t zeros =
      number.integer.size() < layout.minIntegerDigits ? layout.minIntegerDigits - number.integer.size() : 0;
  const std::size_t n = zeros + number.integer.size();
  auto integerDigit = [&](std::size_t p) { return n - 1 - p < zeros ? '0' : number.integer[n - 1 - p - zeros]; };
  std::size_t fractionLength = number.fraction.find_last_not_of('0');
  fractionLength = fractionLength == std::string::npos ? 0 : fractionLength + 1;
  fractionLength = std::max(fractionLength, layout.minDecimalDigits);

  if (minus) out.push_back('-');
  // Integer digit at position p (0 = units), with its group separator.
  auto emitIntegerDigit = [&](std::size_t p) {
    out.push_back(integerDigit(p));
    if (layout.grouping && p > 0 && p % 3 == 0 && thousandSeparator != '\0') out.push_back(thousandSeparator);
  };
  auto emitIntegerFrom = [&](std::size_t lowest) {
    for (std::size_t p = n; p-- > lowest;) emitIntegerDigit(p);
  };

  std::size_t integerPlace = layout.integerPlaces;  // places still to come before the point
  std::size_t decimalPlace = 0;
  bool afterPoint = false;
  ForEachToken(layout.section, [&](TokenKind kind, std::string_view text) {
    switch (kind) {
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
      case TokenKind::kGroup:
        break;
      case TokenKind::kLiteral:
        out.append(text);
        break;
    }
  });
  if (layout.integerPlaces == 0 && !layout.hasPoint) emitIntegerFrom(0);
}

// The shortest form with 15 significant digits: "1234.5", "1E20", "1E-5".
void AppendGeneral(std::string& out, double value, char decimalSeparator) {
  char buf[64];
  const auto conv = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
  const std::string_view text(buf, static_cast<std::size_t>(conv.ptr - buf));
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

void AppendFloat(std::string& out, std::string_view picture, double value, char decimalSeparator,
                 char thousandSeparator) {
  if (std::isnan(value)) {
    out.append("NAN");
    return;
  }
  if (std::isinf(value)) {
    out.append(value < 0 ? "-INF" : "INF");
    return;
  }

  const Sections split = SplitSections(picture);
  const auto& sections = split.part;
  const bool negative = value < 0;
  std::size_t chosen = 0;
  bool minus = negative;
  if (negative && split.size > 1 && !sections[1].empty()) {
    chosen = 1;
    minus = false;
  }
  if (sections[chosen].empty()) {
    AppendGeneral(out, value, decimalSeparator);
    return;
  }

  Layout layout = ReadSection(sections[chosen]);
  RoundedDecimal number = RoundToPlaces(std::fabs(value), layout.decimalPlaces);
  if (number.IsZero()) {
    minus = false;
    if (split.size > 2 && !sections[2].empty()) {
      layout = ReadSection(sections[2]);
      number = RoundToPlaces(0, layout.decimalPlaces);
    }
  }
  Render(out, layout, number, minus, decimalSeparator, thousandSeparator);
}

std::string FormatFloat(std::string_view picture, double value, char decimalSeparator,
                        char thousandSeparator) {
  std::string out;
  AppendFloat(out, picture, value, decimalSeparator, thousandSeparator);
  return out;
}

}  // namespace pg::text
