#include "charts/actions/chart_actions.h"
#include "framework/errors.h"
#include "framework/params/font_format.h"
#include "framework/params/word_format.h"

namespace pg::charts {

namespace {

// A font description lands on a chart font one field at a time, each a change
// of its own, so a failing field keeps the ones before it.
class ChartFontTarget final : public params::FontTarget {
 public:
  explicit ChartFontTarget(engine::TChartFontObject& font) : font_(font) {}
  void SetName(const std::string& name) override { font_.SetName(name); }
  void SetColor(TColor color) override { font_.SetColor(color); }
  void SetSize(int points) override { font_.SetSize(points); }
  void AddStyles(std::uint8_t styles) override {
    font_.SetStyles(static_cast<std::uint8_t>(font_.Value().styles | styles));
  }
  void SetCharset(std::uint8_t charset) override { font_.SetCharset(charset); }

 private:
  engine::TChartFontObject& font_;
};

// Text of line 0, font, alignment; in this order, each kept when a later one fails.
void SetTitleBlock(engine::TChartTitle& title, const ActionParams& p) {
  auto lines = title.Text();
  if (lines.empty()) throw ListIndexError(0);
  lines[0] = p.at(1);
  title.SetText(std::move(lines));
  ChartFontTarget font(title.Font());
  params::ApplyFontDescription(p.at(2), font);
  if (const auto alignment = params::ReadAlignmentWord(p.at(3))) title.SetAlignment(*alignment);
}

}  // namespace

void SetTitleChart(TChartImageForm& w, const ActionParams& p) { SetTitleBlock(w.Chart1().Title(), p); }
void SetFootChart(TChartImageForm& w, const ActionParams& p) { SetTitleBlock(w.Chart1().Foot(), p); }

}  // namespace pg::charts
