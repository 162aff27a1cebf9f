// What the legend lists: how many items, and each item's text by style.
#include <gtest/gtest.h>

#include "engine/legend/series_item_text.h"
#include "legend_support.h"

namespace {

using namespace legend_test;
using pg::engine::SeriesItemText;
using pg::engine::TLegendTextStyle;
using pg::engine::TPieOtherStyle;

struct LegendText : ::testing::Test {
  TChart chart;
  TPieSeries pie;
  void SetUp() override {
    pg::charts::ApplyChartFormDesign(chart, pie);
    pie.AddPoint(1, "A");
    pie.AddPoint(3, "B");
  }
};

TEST_F(LegendText, ItemTextStyles) {
  const struct {
    TLegendTextStyle style;
    const char* first;
    const char* second;
  } cases[] = {
      {TLegendTextStyle::ltsPlain, "A", "B"},
      {TLegendTextStyle::ltsLeftValue, "1 A", "3 B"},
      {TLegendTextStyle::ltsRightValue, "A 1", "B 3"},
      {TLegendTextStyle::ltsLeftPercent, "25 % A", "75 % B"},
      {TLegendTextStyle::ltsRightPercent, "A 25 %", "B 75 %"},
      {TLegendTextStyle::ltsXValue, "0", "1"},
  };
  for (const auto& c : cases) {
    chart.Legend().SetTextStyle(c.style);
    EXPECT_EQ(chart.Legend().LegendText(0), c.first);
    EXPECT_EQ(chart.Legend().LegendText(1), c.second);
  }
  EXPECT_EQ(chart.Legend().LegendText(-1), "");
  EXPECT_EQ(chart.Legend().LegendText(2), "");
}

TEST_F(LegendText, CarriageReturnsBecomeBlanksAndSignsStay) {
  pie.ClearPoints();
  pie.AddPoint(-1, "two\rlines");
  pie.AddPoint(3, "");
  EXPECT_EQ(SeriesItemText(pie, 0, TLegendTextStyle::ltsPlain), "two lines");
  // The share of a negative value is shown with its sign; the empty label leaves the blank.
  EXPECT_EQ(SeriesItemText(pie, 0, TLegendTextStyle::ltsLeftPercent), "-25 % two lines");
  EXPECT_EQ(SeriesItemText(pie, 1, TLegendTextStyle::ltsLeftValue), "3 ");
}

TEST_F(LegendText, ItemCountSkipsTheOtherGroupAndFirstValue) {
  pie.ClearPoints();
  for (double v : {50.0, 3.0, 45.0, 2.0}) pie.AddPoint(v, "s" + std::to_string(static_cast<int>(v)));
  pie.OtherSlice().SetStyle(TPieOtherStyle::poBelowPercent);
  pie.OtherSlice().SetValue(10);
  pie.DoBeforeDrawChart();
  auto& legend = chart.Legend();
  legend.SetTextStyle(TLegendTextStyle::ltsPlain);
  EXPECT_EQ(legend.LegendItemCount(), 3);
  EXPECT_EQ(legend.LegendText(1), "s45");  // the grouped 3 is passed over
  EXPECT_EQ(legend.LegendText(2), "Other");
  legend.SetFirstValue(1);
  EXPECT_EQ(legend.LegendItemCount(), 2);
  legend.SetFirstValue(10);
  EXPECT_EQ(legend.LegendItemCount(), 0);
  legend.SetFirstValue(0);
  pie.SetShowInLegend(false);
  EXPECT_EQ(legend.LegendItemCount(), 0);
  pie.SetShowInLegend(true);
  pie.SetActive(false);
  EXPECT_EQ(legend.LegendItemCount(), 0);
  EXPECT_EQ(legend.LegendText(0), "");
}

}  // namespace
