#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "engine/series/chart_series.h"
#include "engine/series/series_owner.h"
#include "framework/errors.h"
#include "framework/text/codepage.h"
#include "platform/locale.h"
#include "platform/module_loader.h"
#ifdef _WIN32
#include <windows.h>
#endif

namespace {

using namespace pg;
using engine::TChartListOrder;
using engine::TChartSeries;

// A chart that counts the repaints its series ask for.
class FakeChart : public engine::TSeriesOwner {
 public:
  int repaints = 0;
  bool destroying = false;
  std::vector<TChartSeries*> series;

  void RequestRepaint() override { ++repaints; }
  bool IsDestroying() const override { return destroying; }
  void AddSeries(TChartSeries& s) override { series.push_back(&s); }
  void RemoveSeries(TChartSeries& s) override { std::erase(series, &s); }
};

// Keeps data of its own per point, as the marks' positions and the pie's
// explode entries must, to see that the hooks keep it in step.
class TrackingSeries : public TChartSeries {
 public:
  TrackingSeries() : TChartSeries(true) {}
  std::vector<int> tags;
  int nextTag = 0;

  void SwapPoints(int a, int b) override {
    TChartSeries::SwapPoints(a, b);
    std::swap(tags[static_cast<std::size_t>(a)], tags[static_cast<std::size_t>(b)]);
  }

 protected:
  void OnPointInserted(int index) override { tags.insert(tags.begin() + index, nextTag++); }
  void OnPointDeleted(int index) override { tags.erase(tags.begin() + index); }
  void OnPointsCleared() override { tags.clear(); }
};

std::vector<double> Values(const engine::TChartValueList& list) {
  std::vector<double> out;
  for (int i = 0; i < list.Count(); ++i) out.push_back(list.ValueAt(i));
  return out;
}

class Series : public ::testing::Test {
 protected:
  void SetUp() override {
    pie.SetParentChart(&chart);
    pie.SetSeriesColor(clRed);
    chart.repaints = 0;
  }
  FakeChart chart;
  TrackingSeries pie;
};

TEST_F(Series, PointColours) {
  pie.AddPoint(1);
  pie.AddPoint(1, "", 0x123456);  // explicit: kept, and the palette still goes by index
  for (int i = 2; i < 17; ++i) pie.AddPoint(1);
  const TColor expected[] = {clRed, 0x123456, clYellow, clBlue, clWhite};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(pie.PointColor(i), expected[i]) << i;
  EXPECT_EQ(pie.PointColor(15), clBlack);
  EXPECT_EQ(pie.PointColor(16), clRed);
  EXPECT_EQ(pie.PointColor(-1), clRed);  // no such point: SeriesColor

  pie.SetSeriesColor(clNavy);
  pie.SetColorEachPoint(false);  // explicit colours go too
  EXPECT_EQ(pie.PointColor(1), clNavy);
  pie.SetColorEachPoint(true);
  EXPECT_EQ(pie.PointColor(1), clGreen);
}

TEST_F(Series, DeletingOutsideThePointsThrowsAndChangesNothing) {
  pie.AddPoint(10, "a", clBlue);
  pie.AddPoint(20, "b");
  pie.AddPoint(30, "c");
  chart.repaints = 0;
  try {
    pie.DeletePoint(pie.PointCount());
    ADD_FAILURE() << "no error";
  } catch (const ListIndexError& e) {
    EXPECT_STREQ(e.what(), "List index out of bounds (3)");
  }
  EXPECT_THROW(pie.DeletePoint(-1), ListIndexError);
  EXPECT_EQ(Values(pie.YValues()), (std::vector<double>{10, 20, 30}));
  EXPECT_EQ(pie.tags, (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(chart.repaints, 0);

  pie.DeletePoint(0);
  EXPECT_EQ(Values(pie.YValues()), (std::vector<double>{20, 30}));
  EXPECT_EQ(pie.PointLabel(0), "b");
  EXPECT_EQ(pie.PointColor(0), clRed);  // uncoloured, now at palette index 0
  EXPECT_EQ(pie.tags, (std::vector<int>{1, 2}));
  EXPECT_EQ(chart.repaints, 1);
}

TEST_F(Series, AddingAfterDeletionsFollowsTheStaleXValues) {
  for (double v : {1, 2, 3}) pie.AddPoint(v);
  pie.DeletePoint(0);  // X 1, 2; the new X 2 equals the last: appended
  EXPECT_EQ(pie.AddPoint(4), 2);

  pie.ClearPoints();
  for (double v : {1, 2, 3, 4}) pie.AddPoint(v, "p" + std::to_string(static_cast<int>(v)));
  pie.DeletePoint(0);
  pie.DeletePoint(0);  // X 2, 3; the new X 2 goes before the old fourth point
  EXPECT_EQ(pie.AddPoint(5, "new", clAqua), 1);
  EXPECT_EQ(Values(pie.YValues()), (std::vector<double>{3, 5, 4}));
  EXPECT_EQ(pie.PointLabel(1), "new");
  EXPECT_EQ(pie.PointLabel(2), "p4");
  EXPECT_EQ(pie.PointColor(1), clAqua);
  EXPECT_EQ(pie.tags, (std::vector<int>{6, 8, 7}));
}

TEST_F(Series, RepaintsOfPointOperations) {
  pie.ClearPoints();  // even when empty
  pie.AddPoint(1);
  pie.AddPointXY(5, 2);
  pie.DeletePoint(0);
  EXPECT_EQ(chart.repaints, 4);
  pie.SwapPoints(0, 0);  // used while painting: no repaint
  EXPECT_EQ(chart.repaints, 4);

  pie.SetActive(false);
  pie.AddPoint(3);
  pie.DeletePoint(0);
  pie.ClearPoints();
  EXPECT_EQ(chart.repaints, 5);
  pie.SetActive(true);
  chart.destroying = true;
  pie.ClearPoints();
  EXPECT_EQ(chart.repaints, 6);
}

TEST_F(Series, MultiplierAndLabels) {
  pie.YValues().SetMultiplier(2);
  pie.AddPoint(5, "");
  pie.AddPoint(-1, std::string("Ёж"_cp));
  EXPECT_EQ(pie.YValues().ValueAt(0), 10);
  EXPECT_EQ(pie.YValues().MaxValue(), 10);
  EXPECT_EQ(pie.YValues().TotalABS(), 12);
  EXPECT_EQ(pie.PointLabel(0), "");
  EXPECT_EQ(pie.PointLabel(1), "Ёж"_cp);
  EXPECT_EQ(pie.PointLabel(2), "");
}

TEST_F(Series, SortingMovesWholePoints) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> pick(0, 20);
  for (int n : {0, 1, 2, 5, 300}) {
    pie.ClearPoints();
    pie.nextTag = 0;
    pie.YValues().SetOrder(TChartListOrder::loNone);
    std::vector<double> expected;
    for (int i = 0; i < n; ++i) {
      expected.push_back(pick(random));
      pie.AddPoint(expected.back(), std::to_string(i), static_cast<TColor>(i));
    }
    pie.SortByValues(pie.YValues());  // loNone: nothing moves
    EXPECT_EQ(Values(pie.YValues()), expected);
    for (TChartListOrder order : {TChartListOrder::loAscending, TChartListOrder::loDescending}) {
      pie.YValues().SetOrder(order);
      pie.YValues().Sort();
      std::sort(expected.begin(), expected.end());
      if (order == TChartListOrder::loDescending) std::reverse(expected.begin(), expected.end());
      EXPECT_EQ(Values(pie.YValues()), expected) << n;
      for (int i = 0; i < n; ++i) {  // X, label, colour and tag all still name the same point
        const int x = static_cast<int>(pie.XValues().ValueAt(i));
        EXPECT_EQ(pie.PointLabel(i), std::to_string(x));
        EXPECT_EQ(pie.PointColor(i), static_cast<TColor>(x));
        EXPECT_EQ(pie.tags[static_cast<std::size_t>(i)], x);
      }
    }
  }
}

TEST_F(Series, PropertySettersRepaintOnlyOnChange) {
  pie.SetSeriesColor(clRed);
  pie.SetColorEachPoint(true);
  pie.SetValueFormat("#,##0.###");
  pie.SetPercentFormat("##0.## %");
  pie.SetActive(true);
  pie.SetShowInLegend(true);
  pie.SetTitle("");
  pie.YValues().SetName("Y");
  pie.YValues().SetMultiplier(1);
  pie.YValues().SetOrder(TChartListOrder::loNone);
  EXPECT_EQ(chart.repaints, 0);
  pie.SetSeriesColor(clBlue);
  pie.SetValueFormat("0.0");
  pie.SetPercentFormat("0 %");
  pie.SetShowInLegend(false);
  pie.SetTitle("Sales");
  pie.YValues().SetName("Pie");
  pie.YValues().SetMultiplier(2);
  pie.YValues().SetOrder(TChartListOrder::loAscending);
  pie.SetColorEachPoint(false);
  EXPECT_EQ(chart.repaints, 9);
  pie.SetColorEachPoint(false);  // no colours to reset
  EXPECT_EQ(chart.repaints, 9);
}

TEST_F(Series, ParentChartMovesTheSeries) {
  EXPECT_EQ(chart.series, (std::vector<TChartSeries*>{&pie}));
  FakeChart other;
  pie.SetParentChart(&other);
  EXPECT_TRUE(chart.series.empty());
  pie.AddPoint(1);
  EXPECT_EQ(other.repaints, 1);
  {
    TChartSeries temporary;
    temporary.SetParentChart(&other);
    EXPECT_EQ(other.series.size(), 2u);
  }
  EXPECT_EQ(other.series.size(), 1u);  // a destroyed series leaves its chart
  other.destroying = true;  // ... except one its chart destroys while it goes
  {
    TChartSeries temporary;
    temporary.SetParentChart(&other);
  }
  EXPECT_EQ(other.series.size(), 2u);
  other.series.pop_back();
  other.destroying = false;
  pie.SetParentChart(nullptr);
  EXPECT_TRUE(other.series.empty());
}

// The module's separators as a host sets them; whatever it sets, a number never
// groups with its decimal separator (1234.5 would read "1,234,5").
TEST_F(Series, FormatsWithTheLocaleSeparatorsNeverTheSameTwice) {
#ifdef _WIN32
  // This program's own imports, where the platform asks the locale.
  const platform::ModuleHandle self = ::GetModuleHandleA(nullptr);
#else
  const platform::ModuleHandle self = nullptr;
#endif
  const char group = platform::ThousandSeparator();
  const std::string point(1, platform::DecimalSeparator());
  EXPECT_NE(group, point[0]);
  EXPECT_EQ(pie.FormatValue(1234.5), "1" + (group ? std::string(1, group) : "") + "234" + point + "5");

  auto use = [&](char decimal, char groupChar) {
    platform::OverrideDecimalSeparator(self, decimal);
    platform::OverrideGroupSeparator(self, groupChar);
  };
  use('.', ',');
  EXPECT_EQ(pie.FormatValue(1234.5), "1,234.5");
  use(',', ' ');
  EXPECT_EQ(pie.FormatValue(1234567.891), "1 234 567,891");
  EXPECT_EQ(pie.FormatPercent(200.0 / 3), "66,67 %");
  use(',', ',');
  EXPECT_EQ(pie.FormatValue(1234.5), "1\xA0" "234,5");
  use('.', '.');
  EXPECT_EQ(pie.FormatValue(1234.5), "1,234.5");
  use('\0', '\0');
  EXPECT_EQ(platform::ThousandSeparator(), group);
  EXPECT_EQ(platform::DecimalSeparator(), point[0]);
}

// What locales name their separators with, as the module's bytes.
TEST(LocaleSeparators, ComeInTheModulesCodePage) {
  EXPECT_EQ(platform::SeparatorFromLocaleText(",", '.'), ',');
  EXPECT_EQ(platform::SeparatorFromLocaleText("\u00A0", ','), '\xA0');
  EXPECT_EQ(platform::SeparatorFromLocaleText("\u202F", ','), '\xA0');  // glibc's Russian group
  EXPECT_EQ(platform::SeparatorFromLocaleText("\u2019", ','), '\x92');  // a Swiss group
  EXPECT_EQ(platform::SeparatorFromLocaleText("\u066B", '.'), '.');      // none in the code page
  EXPECT_EQ(platform::SeparatorFromLocaleText("", ','), ',');             // the C locale groups with none
  EXPECT_EQ(platform::SeparatorFromLocaleText(",,", '.'), '.');
  EXPECT_EQ(platform::SeparatorFromLocaleText("\xE2\x80", '.'), '.');
  EXPECT_EQ(platform::DistinctGroupSeparator('.', ','), ',');
  EXPECT_EQ(platform::DistinctGroupSeparator(',', '\xA0'), '\xA0');
  EXPECT_EQ(platform::DistinctGroupSeparator(',', ','), '\xA0');
  EXPECT_EQ(platform::DistinctGroupSeparator('.', '.'), ',');
  EXPECT_EQ(platform::DistinctGroupSeparator(',', '\0'), '\0');
}

}  // namespace
