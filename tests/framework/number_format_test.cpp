#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "framework/text/number_format.h"

namespace {

std::string Fmt(const char* picture, double value, char decimal = '.', char thousands = ',') {
  return pg::text::FormatFloat(picture, value, decimal, thousands);
}

constexpr const char* kValue = "#,##0.###";
constexpr const char* kPercent = "##0.## %";

TEST(FormatFloat, ValueAndPercentPictures) {
  EXPECT_EQ(Fmt(kValue, 1234.5), "1,234.5");
  EXPECT_EQ(Fmt(kValue, 0.1234), "0.123");
  EXPECT_EQ(Fmt(kValue, 0), "0");
  EXPECT_EQ(Fmt(kValue, 999), "999");
  EXPECT_EQ(Fmt(kValue, 1234567.891), "1,234,567.891");
  EXPECT_EQ(Fmt(kValue, -1234.5), "-1,234.5");
  EXPECT_EQ(Fmt(kValue, -0.0001), "0");  // rounds to zero: no sign
  EXPECT_EQ(Fmt(kPercent, 200.0 / 3), "66.67 %");
  EXPECT_EQ(Fmt(kPercent, 25), "25 %");
  EXPECT_EQ(Fmt(kPercent, 12345.6), "12345.6 %");  // no ',': no grouping
  EXPECT_EQ(Fmt(kPercent, -25), "-25 %");
  EXPECT_EQ(Fmt(kValue, 1234567.891, ',', ' '), "1 234 567,891");
  EXPECT_EQ(Fmt(kValue, 1234.5, ',', '.'), "1.234,5");
  EXPECT_EQ(Fmt(kValue, 1234.5, '.', '\0'), "1234.5");
}

TEST(FormatFloat, RoundsHalvesAwayFromZeroOnTheDecimalForm) {
  EXPECT_EQ(Fmt("0.###", 0.0005), "0.001");
  EXPECT_EQ(Fmt("0", 2.5), "3");
  EXPECT_EQ(Fmt("0", -2.5), "-3");
  EXPECT_EQ(Fmt("0.##", 0.125), "0.13");
  EXPECT_EQ(Fmt("0.##", 1.005), "1");  // 1.00499999999999989...
  EXPECT_EQ(Fmt(kValue, 999.9996), "1,000");
  EXPECT_EQ(Fmt("0.0", 0.96), "1.0");
  EXPECT_EQ(Fmt("0.000000000000000000000000", 1e-20), "0.000000000000000000010000");
  EXPECT_EQ(Fmt("0", 1e300).size(), 301u);
}

TEST(FormatFloat, DigitPlacesAndLiterals) {
  EXPECT_EQ(Fmt("000.00", 5.1), "005.10");
  EXPECT_EQ(Fmt("#.##", 0.5), ".5");
  EXPECT_EQ(Fmt("#.##", 0), "");
  EXPECT_EQ(Fmt("#0#", 5), "05");        // required from the first 0 on
  EXPECT_EQ(Fmt("0.#0#", 0.5), "0.50");  // and up to the last 0
  EXPECT_EQ(Fmt(".##", 12.346), "12.35");
  EXPECT_EQ(Fmt("0.0.0", 1.25), "1.25");
  EXPECT_EQ(Fmt("$#,##0.00", -1234.5), "-$1,234.50");
  EXPECT_EQ(Fmt("0-0", 123), "12-3");  // extra digits before the first place
  EXPECT_EQ(Fmt("0 \"pcs.\" '#'", 3), "3 pcs. #");
}

TEST(FormatFloat, SectionsGeneralFormAndSpecialValues) {
  EXPECT_EQ(Fmt("0.0;(0.0);zero", 1.25), "1.3");
  EXPECT_EQ(Fmt("0.0;(0.0);zero", -1.25), "(1.3)");
  EXPECT_EQ(Fmt("0.0;(0.0);zero", -0.01), "zero");
  EXPECT_EQ(Fmt("0;;zero", -3), "-3");
  EXPECT_EQ(Fmt("0;(0)", 0), "0");
  EXPECT_EQ(Fmt("\"a;b\"0;x", 4), "a;b4");
  // A fourth section is ignored: the third ends at its ';'.
  EXPECT_EQ(Fmt("0;(0);zero;more", 0), "zero");
  EXPECT_EQ(Fmt("0.000;;'z'", 0.0004), "z");
  EXPECT_EQ(Fmt("0.000", 0.0005), "0.001");
  EXPECT_EQ(Fmt("", 1234.5, ','), "1234,5");
  EXPECT_EQ(Fmt("", -1.5e-7), "-1.5E-7");
  EXPECT_EQ(Fmt("", 1e20), "1E20");
  EXPECT_EQ(Fmt(kValue, NAN), "NAN");
  EXPECT_EQ(Fmt(kValue, -INFINITY), "-INF");
}

// Marks and legend rows compose their texts in place: the number lands after
// what the text holds, whichever way it is formatted, and nothing before it changes.
TEST(FormatFloat, AppendsAfterTheText) {
  for (const char* picture : {kValue, kPercent, "", "0;(0);zero"})
    for (const double value : {1234.5, -2.0, 0.0, 1e20, double{NAN}}) {
      std::string text = "Mar ";
      pg::text::AppendFloat(text, picture, value, '.', ',');
      EXPECT_EQ(text, "Mar " + Fmt(picture, value)) << picture << " " << value;
    }
}

}  // namespace
