// Title and foot: the room they take from the plot and where their text lands.
#include <gtest/gtest.h>

#include "charts/chart_form_design.h"
#include "engine/core/chart_pen.h"
#include "framework/arith.h"
#include "platform/bitmap.h"
#include "platform/screen_metrics.h"

namespace {

using namespace pg::engine;
using pg::platform::TRect;

struct TitledChart : ::testing::Test {
  TChart chart;
  TPieSeries pie;
  void SetUp() override {
    pg::charts::ApplyChartFormDesign(chart, pie);
    chart.Legend().SetVisible(false);
    chart.SetView3D(false);
  }
  std::unique_ptr<pg::platform::Bitmap> Draw() { return chart.CreatePicture(pg::clWhite, TRect{0, 0, 524, 246}); }
  // Width and height of text in a chart font, measured on a bitmap of our own.
  static pg::platform::TSize Extent(const pg::TFontSpec& font, const std::string& text) {
    pg::platform::Bitmap b(1, 1);
    b.Dc().SetFont(ToPlatformFont(font, pg::platform::ScreenPixelsPerInch()));
    return b.Dc().TextExtent(text);
  }
  // Columns holding a pixel of colour in rows [top, bottom).
  static TRect Ink(const pg::platform::Bitmap& b, std::uint32_t colour, int top, int bottom) {
    TRect r{b.Width(), top, -1, bottom};
    for (int y = top; y < bottom; ++y)
      for (int x = 0; x < b.Width(); ++x)
        if (b.Pixel(x, y) == colour) r.left = std::min(r.left, x), r.right = std::max(r.right, x + 1);
    return r;
  }
};

TEST_F(TitledChart, EachLineTakesItsHeightAndFiveMore) {
  chart.Title().SetText({});
  chart.Foot().SetText({});
  Draw();
  const TRect bare = chart.PlotRect();
  EXPECT_EQ(bare, (TRect{16, 10, 508, 236}));

  const int h = Extent(chart.Title().Font().Value(), "W").cy;
  chart.Title().SetText({""});  // as the form leaves it: one empty line
  Draw();
  EXPECT_EQ(chart.PlotRect().top, bare.top + h + 5);
  chart.Title().SetText({"one", "two"});
  Draw();
  EXPECT_EQ(chart.PlotRect().top, bare.top + 2 * h + 5);

  const int footH = Extent(chart.Foot().Font().Value(), "W").cy;
  chart.Foot().SetText({""});
  Draw();
  EXPECT_EQ(chart.PlotRect().bottom, bare.bottom - footH - 5);
  // A frame adds its width above and below the text.
  chart.Title().SetText({"framed"});
  chart.Title().Frame().SetVisible(true);
  chart.Title().Frame().SetWidth(3);
  Draw();
  EXPECT_EQ(chart.PlotRect().top, bare.top + h + 2 * 3 + 5);
  // A hidden title takes nothing.
  chart.Title().SetVisible(false);
  Draw();
  EXPECT_EQ(chart.PlotRect().top, bare.top);
}

TEST_F(TitledChart, AlignmentPlacesTheLine) {
  const pg::TFontSpec font{"Arial", 0x0000FF, 14, 0, 1};
  chart.Title().Font().Assign(font);
  chart.Title().SetText({"WWW"});
  const int w = Extent(font, "WWW").cx, wd = Extent(font, "W").cx, h = Extent(font, "W").cy;
  const int left = 16, right = 508, top = 10;  // the plot before the title
  auto inkFor = [&](pg::TAlignment a) {
    chart.Title().SetAlignment(a);
    auto p = Draw();
    p->SavePng("title_alignment.png");
    return Ink(*p, 0xFF0000, top, top + h);
  };
  const TRect l = inkFor(pg::TAlignment::taLeftJustify), c = inkFor(pg::TAlignment::taCenter),
              r = inkFor(pg::TAlignment::taRightJustify);
  ASSERT_GT(l.right, l.left);
  EXPECT_EQ(l.right - l.left, c.right - c.left);
  // The same glyphs, moved by exactly the difference of their start points.
  EXPECT_EQ(c.left - l.left, (pg::Div(left + right, 2) - pg::Div(w, 2)) - (left + pg::Div(wd, 2)));
  EXPECT_EQ(r.left - l.left, (right - w - pg::Div(wd, 2)) - (left + pg::Div(wd, 2)));
  EXPECT_NEAR(l.left, left + pg::Div(wd, 2), 2);
}

TEST_F(TitledChart, AnAdjustedBackgroundHugsTheText) {
  const pg::TFontSpec font{"Arial", pg::clBlack, 12, 0, 1};
  auto& t = chart.Title();
  t.Font().Assign(font);
  t.SetText({"Wide title", "two"});
  t.SetColor(0x00FFFF);  // yellow, solid
  t.Brush().SetStyle(BrushStyle::bsSolid);
  const int width = Extent(font, "Wide title").cx + Extent(font, "W").cx, mid = pg::Div(16 + 508, 2);
  auto p = Draw();
  p->SavePng("title_background.png");
  const TRect box = Ink(*p, 0xFFFF00, 10, 12);
  EXPECT_NEAR(box.left, mid - pg::Div(width, 2), 1);
  EXPECT_NEAR(box.right, mid + pg::Div(width, 2), 1);
  t.SetAdjustFrame(false);
  const TRect full = Ink(*Draw(), 0xFFFF00, 10, 12);
  EXPECT_NEAR(full.left, 16, 1);
  EXPECT_NEAR(full.right, 508, 1);
}

}  // namespace
