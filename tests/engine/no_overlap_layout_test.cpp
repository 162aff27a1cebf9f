// Marks laid out apart: on a few hundred generated pies (2 to 80 slices of very
// uneven sizes, flat and 3D, any view, explode, mark style and font size, small
// and large windows) no two boxes touch, every box is inside the window and
// off the legend and titles, and no two leader lines cross or pass through
// another box. The standard places on the same pies are counted for comparison.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <random>

#include "engine/series/marks_layout.h"
#include "legend_support.h"

namespace {

using pg::engine::LayoutMarksNoOverlap;
using pg::engine::LeadersCross;
using pg::engine::RectInside;
using pg::engine::RectsOverlap;
using pg::engine::SegmentMeetsRect;
using pg::engine::TMarkLayoutInput;
using pg::engine::TMarkLayoutOutput;
using pg::engine::TMarkLayoutSpace;
using pg::engine::TMarksLayout;
using pg::engine::TSeriesMarksStyle;
using pg::platform::TPoint;
using pg::platform::TRect;

struct Figures {
  int pies = 0, marks = 0, dropped = 0, overlaps = 0, outside = 0, crossings = 0, throughBox = 0, onText = 0;
  double displacement = 0;
  int placed = 0;
};

int Overlaps(const std::vector<TMarkLayoutOutput>& m) {
  int n = 0;
  for (std::size_t i = 0; i < m.size(); ++i)
    for (std::size_t j = i + 1; j < m.size(); ++j)
      if (!m[i].dropped && !m[j].dropped && RectsOverlap(m[i].box, m[j].box)) ++n;
  return n;
}

void Check(const std::vector<TMarkLayoutOutput>& m, const TRect& window, const std::vector<TRect>& text, Figures& f) {
  f.overlaps += Overlaps(m);
  for (std::size_t i = 0; i < m.size(); ++i) {
    ++f.marks;
    if (m[i].dropped) {
      ++f.dropped;
      continue;
    }
    if (!RectInside(m[i].box, window)) ++f.outside;
    for (const auto& t : text)
      if (RectsOverlap(m[i].box, t)) ++f.onText;
    for (std::size_t j = 0; j < m.size(); ++j) {
      if (j == i || m[j].dropped) continue;
      if (j > i && LeadersCross(m[i].leader, m[j].leader)) ++f.crossings;
      for (std::size_t k = 0; k + 1 < m[i].leader.size(); ++k)
        if (SegmentMeetsRect(m[i].leader[k], m[i].leader[k + 1], m[j].box)) ++f.throughBox;
    }
  }
}

struct RandomPie : legend_test::FourSlices {
  std::mt19937 rng;
  explicit RandomPie(unsigned seed) : rng(seed) {}
  int Uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }

  TRect Build() {
    pie.ClearPoints();
    const int n = Uniform(2, 80);
    for (int i = 0; i < n; ++i) {
      // Values spread over four decades: many tiny slices beside a few big ones.
      const double v = std::round(std::pow(10.0, std::uniform_real_distribution<double>(0, 4)(rng)));
      pie.AddPoint(v, i % 3 ? "Slice " + std::to_string(i) : "S" + std::to_string(i), pg::clDefault);
    }
    chart.SetView3D(Uniform(0, 1) == 1);
    auto& view = chart.View3DOptions();
    view.SetRotation(Uniform(0, 360));
    view.SetElevation(Uniform(270, 360));
    view.SetPerspective(Uniform(0, 60));
    view.SetZoom(Uniform(60, 160));
    pie.SetRotationAngle(Uniform(0, 359));
    for (int k = Uniform(0, 3); k > 0; --k) pie.SetExploded(Uniform(0, n - 1), Uniform(0, 60));
    pie.Marks().SetStyle(static_cast<TSeriesMarksStyle>(Uniform(0, 8)));
    auto font = pie.Marks().Font().Value();
    font.size = Uniform(6, 20);
    pie.Marks().SetFont(font);
    chart.Legend().SetVisible(Uniform(0, 3) != 0);
    return TRect{0, 0, Uniform(200, 1200), Uniform(150, 800)};
  }
};

TEST(NoOverlapLayout, GeneratedPiesKeepEveryMarkApart) {
  Figures laidOut, standard;
  const auto started = std::chrono::steady_clock::now();
  for (unsigned seed = 1; seed <= 300; ++seed) {
    RandomPie p(seed);
    const TRect window = p.Build();
    p.pie.Marks().SetLayout(TMarksLayout::mlStandard);
    p.Draw(window.right, window.bottom);
    const auto before = p.pie.Marks().LastMarks();
    p.pie.Marks().SetLayout(TMarksLayout::mlNoOverlap);
    p.Draw(window.right, window.bottom);
    const auto& after = p.pie.Marks().LastMarks();
    ASSERT_EQ(after.size(), before.size()) << seed;
    Check(after, window, p.chart.TextBlockAreas(), laidOut);
    Check(before, window, p.chart.TextBlockAreas(), standard);
    for (std::size_t i = 0; i < after.size(); ++i) {
      if (after[i].dropped) continue;
      const double dx = after[i].box.left - before[i].box.left, dy = after[i].box.top - before[i].box.top;
      laidOut.displacement += std::sqrt(dx * dx + dy * dy);
      ++laidOut.placed;
    }
    ++laidOut.pies;
    if (seed == 7 || seed == 12) p.picture->SavePng("no_overlap_" + std::to_string(seed) + ".png");
    EXPECT_EQ(laidOut.overlaps + laidOut.outside + laidOut.crossings + laidOut.throughBox + laidOut.onText, 0)
        << "first failing pie: seed " << seed;
    if (laidOut.overlaps + laidOut.outside + laidOut.crossings + laidOut.throughBox + laidOut.onText) break;
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  std::printf("%d pies, %d marks: NoOverlap dropped %d, mean displacement %.1f px; Standard: %d overlapping pairs, "
              "%d boxes outside, %d crossing lines, %d lines through boxes, %d on text blocks (%.1f s)\n",
              laidOut.pies, laidOut.marks, laidOut.dropped, laidOut.placed ? laidOut.displacement / laidOut.placed : 0,
              standard.overlaps, standard.outside, standard.crossings, standard.throughBox, standard.onText, seconds);
}

// A thousand marks in a 1-point font, in a tall window: columns of hundreds of
// tiny boxes whose leaders keep crossing (once seconds a paint, swapping them
// one pair at a time) keep their heaviest marks, and every rule still holds.
TEST(NoOverlapLayout, HundredsOfTinyMarksInAColumnStayApart) {
  legend_test::FourSlices p;
  p.pie.ClearPoints();
  for (int i = 0; i < 1000; ++i) p.pie.AddPoint(1, "L" + std::to_string(i), pg::clDefault);
  auto font = p.pie.Marks().Font().Value();
  font.size = 1;
  p.pie.Marks().SetFont(font);
  p.pie.Marks().SetLayout(TMarksLayout::mlNoOverlap);
  const TRect window{0, 0, 1080, 1920};
  p.Draw(window.right, window.bottom);
  Figures f;
  Check(p.pie.Marks().LastMarks(), window, p.chart.TextBlockAreas(), f);
  EXPECT_EQ(f.overlaps + f.outside + f.crossings + f.throughBox + f.onText, 0);
  EXPECT_EQ(f.marks, 1000);
  EXPECT_GE(f.marks - f.dropped, 2 * 64);  // both columns keep their heaviest
}

// A column beside the pie that is a few pixels short of its widest box gives
// up part of the gap to the pie rather than the mark; never all of it.
TEST(NoOverlapLayout, NarrowColumnShortensTheGapBeforeDroppingAMark) {
  TMarkLayoutSpace space;
  space.window = TRect{0, 0, 200, 100};
  space.pie = TRect{40, 10, 140, 90};
  space.centerX = 90;
  space.gap = 8;
  auto marks = [](int width) {
    // Two boxes on one another: the standard places will not do.
    return std::vector<TMarkLayoutInput>{{0, 5, TPoint{139, 40}, TPoint{147, 40}, TRect{147, 34, 147 + width, 46}},
                                         {1, 3, TPoint{139, 50}, TPoint{147, 50}, TRect{147, 38, 147 + width, 50}}};
  };
  // 52 pixels beyond the full gap of 8; 55 fit with a gap of 5.
  const auto kept = LayoutMarksNoOverlap(marks(55), space);
  ASSERT_EQ(kept.size(), 2u);
  for (const auto& m : kept) {
    ASSERT_FALSE(m.dropped) << m.index;
    EXPECT_TRUE(RectInside(m.box, space.window)) << m.index;
    EXPECT_GE(m.box.left - 140, 2) << m.index;  // the pie ends at 140
  }
  EXPECT_FALSE(RectsOverlap(kept[0].box, kept[1].box));
  EXPECT_FALSE(LeadersCross(kept[0].leader, kept[1].leader));
  // 60 would leave no gap at all: both marks go.
  for (const auto& m : LayoutMarksNoOverlap(marks(60), space)) EXPECT_TRUE(m.dropped) << m.index;
}

}  // namespace
