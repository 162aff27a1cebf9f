// The title and foot actions on a chart window: text, font fields in order,
// alignment, and where a failing field stops them.
#include <gtest/gtest.h>

#include "charts/actions/chart_actions.h"
#include "framework/text/codepage.h"

namespace {

using namespace pg::charts;
using pg::TAlignment;

TEST(TitleActions, TextFontAndAlignmentInOneCall) {
  TChartImageForm w("R");
  const std::string text("Продажи"_cp);
  SetTitleChart(w, {"R", text, "Arial|clNavy|14|fsBold |204", "Left"});
  auto& t = w.Chart1().Title();
  ASSERT_EQ(t.Text().size(), 1u);
  EXPECT_EQ(t.Text()[0], text);
  EXPECT_EQ(t.Font().Value(), (pg::TFontSpec{"Arial", pg::clNavy, 14, pg::fsBold, 204}));
  EXPECT_EQ(t.Alignment(), TAlignment::taLeftJustify);
  // The foot is another object.
  EXPECT_EQ(w.Chart1().Foot().Text()[0], "");
  EXPECT_EQ(w.Chart1().Foot().Alignment(), TAlignment::taCenter);

  // Styles are only ever added; an unknown word leaves the alignment.
  SetTitleChart(w, {"R", "", "Arial|clRed|10||204", "center"});
  EXPECT_EQ(t.Text()[0], "");
  EXPECT_EQ(t.Font().Value().styles, pg::fsBold);
  EXPECT_EQ(t.Font().Value().color, pg::clRed);
  EXPECT_EQ(t.Alignment(), TAlignment::taLeftJustify);

  // An empty description sets the text alone: the action stops before the alignment.
  const auto font = t.Font().Value();
  EXPECT_ANY_THROW(SetTitleChart(w, {"R", "new", "", "Right"}));
  EXPECT_EQ(t.Text()[0], "new");
  EXPECT_EQ(t.Font().Value(), font);
  EXPECT_EQ(t.Alignment(), TAlignment::taLeftJustify);
}

TEST(TitleActions, AFailingFontFieldStopsTheAction) {
  TChartImageForm w("R");
  auto& foot = w.Chart1().Foot();
  const std::string total("Итого"_cp);
  const auto before = foot.Font().Value();
  // Three fields: face, colour and size are set, style and charset stay, and so does the alignment.
  EXPECT_ANY_THROW(SetFootChart(w, {"R", total, "Times|clGreen|16", "Right"}));
  EXPECT_EQ(foot.Text()[0], total);
  EXPECT_EQ(foot.Font().Value(), (pg::TFontSpec{"Times", pg::clGreen, 16, before.styles, before.charset}));
  EXPECT_EQ(foot.Alignment(), TAlignment::taCenter);
  // A size that is no number: face and colour only.
  EXPECT_ANY_THROW(SetFootChart(w, {"R", "x", "Arial|clRed|big|fsItalic|0", "Right"}));
  EXPECT_EQ(foot.Font().Value().name, "Arial");
  EXPECT_EQ(foot.Font().Value().color, pg::clRed);
  EXPECT_EQ(foot.Font().Value().size, 16);
  EXPECT_EQ(foot.Alignment(), TAlignment::taCenter);
  // The title was never touched.
  EXPECT_EQ(w.Chart1().Title().Text()[0], "");
}

}  // namespace
