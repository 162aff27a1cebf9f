// What a mark says in each of its styles.
#include <gtest/gtest.h>

#include "legend_support.h"

namespace {

using namespace legend_test;
using pg::engine::TLegendTextStyle;
using pg::engine::TSeriesMarksStyle;

struct MarkText : ::testing::Test {
  TChart chart;
  TPieSeries pie;
  void SetUp() override {
    pg::charts::ApplyChartFormDesign(chart, pie);
    pie.AddPoint(1, "A");
    pie.AddPoint(3, "");
  }
  std::string Text(TSeriesMarksStyle style, int index) {
    pie.Marks().SetStyle(style);
    return pie.MarkText(index);
  }
};

TEST_F(MarkText, EveryStyle) {
  EXPECT_EQ(Text(TSeriesMarksStyle::smsValue, 0), "1");
  EXPECT_EQ(Text(TSeriesMarksStyle::smsPercent, 0), "25 %");
  EXPECT_EQ(Text(TSeriesMarksStyle::smsPercent, 1), "75 %");
  EXPECT_EQ(Text(TSeriesMarksStyle::smsLabel, 0), "A");
  EXPECT_EQ(Text(TSeriesMarksStyle::smsLabel, 1), "3");  // no label: the value
  EXPECT_EQ(Text(TSeriesMarksStyle::smsLabelPercent, 0), "A 25 %");
  EXPECT_EQ(Text(TSeriesMarksStyle::smsLabelValue, 1), "3 3");
  EXPECT_EQ(Text(TSeriesMarksStyle::smsPercentTotal, 0), "25 % of 4");
  EXPECT_EQ(Text(TSeriesMarksStyle::smsPercentTotal, 1), "75 % of 4");
  EXPECT_EQ(Text(TSeriesMarksStyle::smsLabelPercentTotal, 0), "A 25 % of 4");
  EXPECT_EQ(Text(TSeriesMarksStyle::smsXValue, 1), "1");
  EXPECT_EQ(Text(TSeriesMarksStyle::smsValue, 2), "");  // no such point
}

TEST_F(MarkText, LegendStyleFollowsTheLegendsTextStyle) {
  pie.ClearPoints();
  pie.AddPoint(1, "two\rlines");
  pie.AddPoint(3, "B");
  EXPECT_EQ(Text(TSeriesMarksStyle::smsLegend, 0), "1 two lines");
  chart.Legend().SetTextStyle(TLegendTextStyle::ltsRightPercent);
  EXPECT_EQ(Text(TSeriesMarksStyle::smsLegend, 1), "B 75 %");
}

TEST_F(MarkText, ZeroTotalShowsAHundredPercentAndNegativesCountByAbsolute) {
  pie.ClearPoints();
  pie.AddPoint(0, "z");
  EXPECT_EQ(Text(TSeriesMarksStyle::smsPercentTotal, 0), "100 % of 0");
  pie.AddPoint(-1, "n");
  pie.AddPoint(3, "p");
  EXPECT_EQ(Text(TSeriesMarksStyle::smsPercent, 1), "25 %");
}

// The lines a mark is drawn in: a trailing return adds none, an empty text is
// one empty line, and only lines after a return are cut to 255 characters.
TEST(MarkLines, SplitAtReturns) {
  const auto lines = [](const std::string& text) {
    std::vector<std::string> out;
    pg::engine::ForEachMarkLine(text, [&](std::string_view line) { out.emplace_back(line); });
    return out;
  };
  using V = std::vector<std::string>;
  EXPECT_EQ(lines(""), V{""});
  EXPECT_EQ(lines("\r"), V{""});
  EXPECT_EQ(lines("a\r"), V{"a"});
  EXPECT_EQ(lines("a\r\rb"), (V{"a", "", "b"}));
  const std::string longLine(300, 'x');
  EXPECT_EQ(lines(longLine + "\r" + longLine), (V{longLine, std::string(255, 'x')}));
}

}  // namespace
