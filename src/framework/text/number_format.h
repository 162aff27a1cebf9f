#pragma once
// Numbers as marks and the legend show them: picture formats such as
// "#,##0.###" and "##0.## %".
#include <string>
#include <string_view>

namespace pg::text {

// Formats value under a picture:
//   0  a digit that is always shown (a zero when the value has none there);
//   #  a digit shown only when the value has one there;
//   .  the place of the decimal separator (the first one; later ones are ignored);
//   ,  anywhere before the decimal point: group the integer digits by three;
//   "x" or 'x'  text copied as it stands; any other character is copied too.
// Digits between the first 0 and the decimal point, and between the decimal
// point and the last 0, are required. Integer digits beyond the picture's
// places go before its first digit place. The value is rounded to the
// picture's decimal places, halves away from zero, on its 18-digit decimal
// form. The decimal separator appears only when a decimal digit follows it.
// Up to three sections "positive;negative;zero": without a negative section a
// negative value gets a leading "-" (unless it rounds to zero), and a value that
// rounds to zero uses the zero section when there is one. An empty picture or
// section gives the shortest general form of 15 significant digits.
// A thousandSeparator of '\0' groups without a separator character.
// NaN and infinities give "NAN", "INF" and "-INF".
std::string FormatFloat(std::string_view picture, double value, char decimalSeparator,
                        char thousandSeparator);
// FormatFloat appended to out: texts composed of numbers are built in place.
void AppendFloat(std::string& out, std::string_view picture, double value, char decimalSeparator,
                 char thousandSeparator);

}  // namespace pg::text
