#pragma once
// Decimal-number parameters, read with the locale's decimal separator.
#include <string_view>

namespace pg::text {

// Reads the whole text as a double: blanks around it, an optional sign, digits
// with at most one decimalSeparator (at least one digit), an optional exponent.
// Throws pg::ConvertError "'<text>' is not a valid floating point value" for any
// other text and for values beyond the range of a double. Values too small to
// represent become zero. Independent of the C locale.
double StrToFloat(std::string_view text, char decimalSeparator);

}  // namespace pg::text
