#pragma once
// The user locale's separators of numbers, in code page 1251.
#include <string_view>

namespace pg::platform {

// The user locale's decimal separator.
char DecimalSeparator();

// The user locale's thousands separator, never the decimal separator (see
// DistinctGroupSeparator); '\0' when the user chose to group digits without one.
char ThousandSeparator();

// The group separator to use beside `decimal`: `group` itself unless the two
// are the same character, which would make 1234.5 read as two numbers: then
// the no-break space (0xA0) where the decimal separator is the comma, as a
// Russian Windows groups, else the comma.
char DistinctGroupSeparator(char decimal, char group);

// A separator given by a locale as UTF-8 text, as the module's byte: one
// character of code page 1251, the no-break spaces of other widths (U+202F,
// U+2007, U+2009) as 0xA0; `fallback` for anything else or nothing.
char SeparatorFromLocaleText(std::string_view utf8, char fallback);

}  // namespace pg::platform
