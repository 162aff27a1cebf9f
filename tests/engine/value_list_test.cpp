#include <gtest/gtest.h>

#include "engine/series/chart_series.h"
#include "engine/series/value_list.h"
#include "framework/errors.h"

namespace {

using pg::engine::TChartListOrder;
using pg::engine::TChartSeries;
using pg::engine::TChartValueList;

TEST(ValueList, OrderedInsertionKeepsEqualValuesInArrivalOrder) {
  TChartSeries series;
  TChartValueList& up = series.XValues();
  for (double v : {1.0, 3.0, 3.0}) up.AddOrdered(v);
  EXPECT_EQ(up.AddOrdered(2), 1);
  up.SetValue(1, 3);  // 1 3 3 3: a new 3 goes after all of them
  EXPECT_EQ(up.AddOrdered(3), 4);
  EXPECT_EQ(up.AddOrdered(-1), 0);

  TChartValueList& down = series.YValues();
  down.SetOrder(TChartListOrder::loDescending);
  for (double v : {5.0, 5.0, 7.0, 6.0, 1.0}) down.AddOrdered(v);
  const double expected[] = {7, 6, 5, 5, 1};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(down.ValueAt(i), expected[i]);
  down.SetOrder(TChartListOrder::loNone);
  EXPECT_EQ(down.AddOrdered(100), 5);
}

TEST(ValueList, StatisticsAreOfTheValuesAsRead) {
  TChartSeries series;
  TChartValueList& list = series.YValues();
  EXPECT_EQ(list.MinValue(), 0);
  EXPECT_EQ(list.TotalABS(), 0);
  for (double v : {3.0, -5.0, 2.0}) list.InsertAt(list.Count(), v);
  EXPECT_EQ(list.MinValue(), -5);
  EXPECT_EQ(list.MaxValue(), 3);
  EXPECT_EQ(list.Total(), 0);
  EXPECT_EQ(list.TotalABS(), 10);
  list.SetMultiplier(2);
  EXPECT_EQ(list.MinValue(), -10);
  list.SetTotalABS(99);  // held until the values change
  EXPECT_EQ(list.TotalABS(), 99);
  list.SetValue(2, 4);
  EXPECT_EQ(list.TotalABS(), 24);
  EXPECT_EQ(list.Locate(8), 2);  // compares values as read
  EXPECT_EQ(list.Locate(4), -1);
  list.FillSequence();
  EXPECT_EQ(list.ValueAt(2), 4.0);
}

TEST(ValueList, BadIndicesThrow) {
  TChartSeries series;
  TChartValueList& list = series.YValues();
  list.InsertAt(0, 1);
  EXPECT_THROW(list.ValueAt(1), pg::ListIndexError);
  EXPECT_THROW(list.ValueAt(-1), pg::ListIndexError);
  EXPECT_THROW(list.Delete(1), pg::ListIndexError);
  EXPECT_THROW(list.InsertAt(2, 0), pg::ListIndexError);
  EXPECT_EQ(list.Count(), 1);
}

}  // namespace
