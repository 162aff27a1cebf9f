// Where the legend goes, what it shows in which order, and the room it takes.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>

#include "framework/arith.h"
#include "framework/errors.h"
#include "legend_support.h"

namespace {

using namespace legend_test;
using pg::engine::TLegendAlignment;
using pg::engine::TLegendTextStyle;

struct Legend : ::testing::Test, FourSlices {};

// The plot before any text block: margins 3 % and 4 % of 524 x 246.
constexpr TRect kPlot{16, 10, 508, 236};

TEST_F(Legend, DefaultBoxAtTheRightAndInverted) {
  chart.SetView3D(false);
  Draw();
  SaveZoomed(TRect{400, 15, 524, 100}, 4, "legend_default_zoom.png");
  const auto& legend = chart.Legend();
  const auto& box = legend.LegendBox();
  const int h = LineHeight();
  const int w = std::max({TextWidth("10 North"), TextWidth("20 East"), TextWidth("30 South"), TextWidth("40 West")});
  EXPECT_EQ(legend.RowCount(), 4);
  EXPECT_EQ(legend.ColumnCount(), 1);
  EXPECT_EQ(box.top, pg::Round(246 * 10 * 0.01));
  EXPECT_EQ(box.bottom, box.top + 2 + 4 * h);
  EXPECT_EQ(box.right, kPlot.right - 2 - 3);  // frame width + 1, shadow
  EXPECT_EQ(legend.ColorBoxWidth(), pg::Round((w + 10) * 12 * 0.01));
  EXPECT_EQ(box.left, box.right - w - 2 - legend.ColorBoxWidth() - 8);
  // Rows in slice order, colour boxes in slice colours; the frame just outside the box.
  EXPECT_EQ(SymbolAt(0), Px(kRed));
  EXPECT_EQ(SymbolAt(3), Px(kYellow));
  EXPECT_EQ(picture->Pixel(box.left - 1, box.top + 5), 0u);
  EXPECT_EQ(picture->Pixel(box.left + 2, box.top + 5), kWhitePx);
  // The plot ends at the box, less the automatic gap of 3 % of its width.
  EXPECT_EQ(chart.PlotRect().right, box.left - pg::MulDiv(3, kPlot.Width(), 100));
  EXPECT_LT(pie.PieRect().right, box.left);

  chart.Legend().SetInverted(true);
  Draw();
  EXPECT_EQ(SymbolAt(0), Px(kYellow));
  EXPECT_EQ(SymbolAt(1), Px(kBlue));
  EXPECT_EQ(SymbolAt(3), Px(kRed));
}

TEST_F(Legend, WithoutResizeOnlyTheGapIsTaken) {
  chart.SetView3D(false);
  chart.Legend().SetResizeChart(false);
  pie.Marks().SetVisible(false);
  Draw();
  EXPECT_EQ(chart.PlotRect().right, kPlot.right - pg::MulDiv(3, kPlot.Width(), 100));
  EXPECT_GT(pie.PieRect().right, chart.Legend().LegendBox().left);
}

// The refused value leaves the old one, with the legend's own message.
template <typename Set>
void ExpectRefused(Set set, int value, const char* message) {
  try {
    set(value);
    ADD_FAILURE() << value;
  } catch (const pg::LegendException& e) {
    EXPECT_STREQ(e.what(), message);
  }
}

TEST_F(Legend, RangesAndZeroWidthBoxes) {
  auto& legend = chart.Legend();
  auto colorWidth = [&](int v) { legend.SetColorWidth(v); };
  ExpectRefused(colorWidth, 101, "Legend Color Width must be between 0 and 100 %");
  ExpectRefused(colorWidth, -1, "Legend Color Width must be between 0 and 100 %");
  ExpectRefused([&](int v) { legend.SetTopPos(v); }, 101, "Top Legend Position must be between 0 and 100 %");
  ExpectRefused([&](int v) { legend.SetFirstValue(v); }, -1, "First Legend Value must be > 0");
  EXPECT_EQ(legend.ColorWidth(), 12);
  EXPECT_EQ(legend.TopPos(), 10);
  EXPECT_EQ(legend.FirstValue(), 0);
  legend.SetColorWidth(0);
  Draw();
  EXPECT_EQ(legend.ColorBoxWidth(), 0);
  const auto& box = legend.LegendBox();
  const int w = std::max({TextWidth("10 North"), TextWidth("20 East"), TextWidth("30 South"), TextWidth("40 West")});
  EXPECT_EQ(box.right - box.left, w + 10);
}

TEST_F(Legend, ShadowOffsetAndColour) {
  chart.SetView3D(false);
  auto& legend = chart.Legend();
  legend.SetShadowSize(0);
  Draw();
  TRect box = legend.LegendBox();
  EXPECT_EQ(picture->Pixel(box.right + 1, box.bottom + 1), kWhitePx);

  legend.SetShadowSize(10);
  legend.SetShadowColor(kRed);
  Draw();
  SaveZoomed(TRect{380, 15, 524, 110}, 4, "legend_shadow10_zoom.png");
  box = legend.LegendBox();
  // The frame's last column is box.right; the shadow reaches 10 pixels beyond it.
  EXPECT_EQ(picture->Pixel(box.right, box.top + 12), 0u);
  EXPECT_EQ(picture->Pixel(box.right + 10, box.top + 12), Px(kRed));
  EXPECT_EQ(picture->Pixel(box.right + 11, box.top + 12), kWhitePx);
  EXPECT_EQ(picture->Pixel(box.left + 12, box.bottom + 10), Px(kRed));
  EXPECT_EQ(picture->Pixel(box.left + 9, box.bottom + 5), kWhitePx);
}

// A shadow of 0 or less draws nothing, but the box keeps the shadow in its
// arithmetic: -5 places a side legend 5 pixels further out than 0 does.
TEST_F(Legend, NegativeShadowDrawsNothingButMovesTheBox) {
  chart.SetView3D(false);
  auto& legend = chart.Legend();
  legend.SetShadowColor(kRed);
  auto noRed = [&] {
    for (int y = 0; y < picture->Height(); ++y)
      for (int x = 0; x < picture->Width(); ++x)
        if (picture->Pixel(x, y) == Px(kRed)) return false;
    return true;
  };
  pie.ClearPoints();
  pie.AddPoint(10, "North", kGreen);
  pie.AddPoint(20, "East", kBlue);
  for (const auto alignment : {TLegendAlignment::laRight, TLegendAlignment::laBottom}) {
    legend.SetAlignment(alignment);
    legend.SetShadowSize(0);
    Draw();
    const TRect zero = legend.LegendBox();
    const TRect plotZero = chart.PlotRect();
    legend.SetShadowSize(-5);
    Draw();
    const TRect minus5 = legend.LegendBox();
    EXPECT_TRUE(noRed());
    if (alignment == TLegendAlignment::laRight) {
      EXPECT_EQ(minus5.left, zero.left + 5);
      EXPECT_EQ(minus5.right, zero.right + 5);
      EXPECT_EQ(minus5.top, zero.top);
    } else {
      EXPECT_EQ(minus5.top, zero.top + 5);
      EXPECT_EQ(minus5.bottom, zero.bottom + 5);
      // Two shadows less of width: 2 x ShadowSize is part of it.
      EXPECT_EQ(minus5.Width(), zero.Width() - 10);
      EXPECT_EQ(chart.PlotRect().bottom, plotZero.bottom + 5);
    }
  }
  legend.SetAlignment(TLegendAlignment::laTop);
  legend.SetShadowSize(0);
  Draw();
  const int plotTop = chart.PlotRect().top;
  legend.SetShadowSize(-5);
  Draw();
  EXPECT_EQ(chart.PlotRect().top, plotTop - 5);
  EXPECT_TRUE(noRed());
}

// Any shadow size lays out and draws without overflow (the sanitized build
// checks the arithmetic); the box and plot stay within the coordinate range.
TEST_F(Legend, ExtremeShadowsLayOutWithoutOverflow) {
  auto& legend = chart.Legend();
  for (const auto alignment : {TLegendAlignment::laRight, TLegendAlignment::laLeft, TLegendAlignment::laTop,
                               TLegendAlignment::laBottom})
    for (const int shadow : {INT_MIN, INT_MIN + 1, -1000000, 1000000, INT_MAX}) {
      SCOPED_TRACE(shadow);
      legend.SetAlignment(alignment);
      legend.SetShadowSize(shadow);
      Draw();
      const TRect box = legend.LegendBox(), plot = chart.PlotRect();
      for (const int v : {box.left, box.top, box.right, box.bottom, plot.left, plot.top, plot.right, plot.bottom}) {
        EXPECT_LE(v, pg::kCoordLimit + 1000);
        EXPECT_GE(v, -pg::kCoordLimit - 1000);
      }
    }
}

TEST_F(Legend, EmptyTextGetsNeitherTextNorBox) {
  chart.Legend().SetTextStyle(TLegendTextStyle::ltsPlain);
  pie.ClearPoints();
  pie.AddPoint(1, "one", kRed);
  pie.AddPoint(1, "", kGreen);
  pie.AddPoint(1, "three", kBlue);
  Draw();
  EXPECT_EQ(SymbolAt(0), Px(kRed));
  EXPECT_EQ(SymbolAt(1), kWhitePx);
  EXPECT_EQ(SymbolAt(2), Px(kBlue));
}

TEST_F(Legend, BoxInTheLegendColourKeepsAnOutline) {
  chart.SetView3D(false);
  chart.Legend().SetColor(pg::clBlack);
  pie.ClearPoints();
  pie.AddPoint(1, "dark", pg::clBlack);
  pie.AddPoint(1, "light", kYellow);
  Draw();
  const auto& legend = chart.Legend();
  const auto& box = legend.LegendBox();
  const int h = LineHeight();
  // White pen on black for both boxes; the black box is black inside its outline.
  EXPECT_EQ(picture->Pixel(box.left + 4, box.top + 1 + h / 2), kWhitePx);
  EXPECT_EQ(SymbolAt(0), 0u);
  EXPECT_EQ(picture->Pixel(box.left + 4, box.top + 1 + h + h / 2), kWhitePx);
  EXPECT_EQ(SymbolAt(1), Px(kYellow));
}

TEST_F(Legend, NoRoomShowsNothingAndTakesNothing) {
  chart.SetView3D(false);
  chart.Legend().SetTopPos(100);
  Draw();
  EXPECT_EQ(chart.Legend().RowCount(), 0);
  EXPECT_EQ(chart.PlotRect().right, kPlot.right);
  // Too short for all rows: as many as fit above the plot's bottom, less the frame.
  chart.Legend().SetTopPos(10);
  Draw(524, 50);
  const int top = 5, plotBottom = 50 - 2;
  EXPECT_EQ(chart.Legend().RowCount(), (plotBottom - 2 - top) / LineHeight());
  EXPECT_LT(chart.Legend().RowCount(), 4);
}

TEST_F(Legend, BottomLegendInColumns) {
  chart.SetView3D(false);
  auto& legend = chart.Legend();
  legend.SetAlignment(TLegendAlignment::laBottom);
  chart.Title().SetVisible(false);
  chart.Foot().SetVisible(false);
  Draw();
  picture->SavePng("legend_bottom.png");
  EXPECT_EQ(legend.ColumnCount(), 4);
  EXPECT_EQ(legend.RowCount(), 1);
  const auto& box = legend.LegendBox();
  const int h = LineHeight();
  EXPECT_EQ(box.bottom, kPlot.bottom - 3 - 2);
  EXPECT_EQ(box.top, box.bottom - 2 - h);
  EXPECT_LT(chart.PlotRect().bottom, box.top);
  // MaxNumRows caps the rows of a legend that needs more.
  legend.SetMaxNumRows(1);
  Draw(200, 246);
  EXPECT_EQ(legend.RowCount(), 1);
  EXPECT_LT(legend.ColumnCount(), 4);
}

// A side legend is as wide as the rows it shows: an item below them, however
// long its text, changes nothing (a paint with thousands of items measures
// only the rows it shows).
TEST_F(Legend, SideLegendIsAsWideAsItsShownRows) {
  chart.SetView3D(false);
  auto& legend = chart.Legend();
  legend.SetTopPos(80);
  Draw();
  const int rows = legend.RowCount();
  ASSERT_GE(rows, 1);
  ASSERT_LT(rows, 4);  // the items below do not fit
  const TRect box = legend.LegendBox();
  pie.AddPoint(50, std::string(80, 'W'), kRed);
  Draw();
  EXPECT_EQ(legend.RowCount(), rows);
  EXPECT_EQ(legend.LegendBox().left, box.left);
  EXPECT_EQ(legend.LegendBox().right, box.right);
}

}  // namespace
