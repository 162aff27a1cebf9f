#include <string_view>
#include <utility>

#include "charts/actions/chart_actions.h"
#include "charts/actions/param_readers.h"

namespace pg::charts {

namespace {

using engine::PenStyle;
using engine::TSeriesMarksStyle;

constexpr std::pair<std::string_view, TSeriesMarksStyle> kStyleWords[] = {
    {"Value", TSeriesMarksStyle::smsValue},
    {"Percent", TSeriesMarksStyle::smsPercent},
    {"Label", TSeriesMarksStyle::smsLabel},
    {"LabelPercent", TSeriesMarksStyle::smsLabelPercent},
    {"LabelValue", TSeriesMarksStyle::smsLabelValue},
    {"Legend", TSeriesMarksStyle::smsLegend},
    {"PercentTotal", TSeriesMarksStyle::smsPercentTotal},
    {"LabelPercentTotal", TSeriesMarksStyle::smsLabelPercentTotal},
    {"XValue", TSeriesMarksStyle::smsXValue},
};

constexpr std::pair<std::string_view, engine::TMarksLayout> kLayoutWords[] = {
    {"Standard", engine::TMarksLayout::mlStandard},
    {"NoOverlap", engine::TMarksLayout::mlNoOverlap},
};

constexpr std::pair<std::string_view, PenStyle> kFrameStyleWords[] = {
    {"Solid", PenStyle::psSolid},
    {"Dash", PenStyle::psDash},
    {"Dot", PenStyle::psDot},
    {"DashDot", PenStyle::psDashDot},
    {"DashDotDot", PenStyle::psDashDotDot},
    {"Clear", PenStyle::psClear},
};

engine::TSeriesMarks& MarksOf(TChartImageForm& w) { return w.Series1().Marks(); }

// The value of the word that equals the parameter exactly; other texts change nothing.
template <typename T, std::size_t N, typename Setter>
void ApplyChoice(const std::pair<std::string_view, T> (&table)[N], const ActionParams& p, std::size_t i, Setter set) {
  for (const auto& [word, value] : table) {
    if (word == p.at(i)) {
      set(value);
      return;
    }
  }
  IgnoreParam(p, i, OneOf(table));
}

}  // namespace

void MarksVisible(TChartImageForm& w, const ActionParams& p) {
  // Only the exact on and off words change anything.
  if (const auto on = BoolParam(p, 1)) MarksOf(w).SetVisible(*on);
}

void MarksStyle(TChartImageForm& w, const ActionParams& p) {
  ApplyChoice(kStyleWords, p, 1, [&](TSeriesMarksStyle s) { MarksOf(w).SetStyle(s); });
}

void MarksTransparent(TChartImageForm& w, const ActionParams& p) {
  if (const auto on = BoolParam(p, 1)) MarksOf(w).SetTransparent(*on);
}

// The fields of the font take effect one by one: a failing field keeps the
// background colour and the fields before it.
void MarksFontColor(TChartImageForm& w, const ActionParams& p) {
  auto& marks = MarksOf(w);
  marks.SetBackColor(ColourParam(p, 1));
  TFontSpec font = marks.Font().Value();
  params::FontSpecTarget target(font);
  try {
    FontParam(p, 2, target, false);
  } catch (...) {
    marks.SetFont(font);
    throw;
  }
  marks.SetFont(font);
}

// A bad width keeps the new colour.
void MarksFrame(TChartImageForm& w, const ActionParams& p) {
  auto& frame = MarksOf(w).Frame();
  frame.SetColor(ColourParam(p, 1));
  frame.SetWidth(IntParam(p, 2));
}

void MarksFrVisible(TChartImageForm& w, const ActionParams& p) {
  if (const auto on = BoolParam(p, 1)) MarksOf(w).Frame().SetVisible(*on);
}

void MarksFrStyle(TChartImageForm& w, const ActionParams& p) {
  ApplyChoice(kFrameStyleWords, p, 1, [&](PenStyle s) { MarksOf(w).Frame().SetStyle(s); });
}

void MarksLayout(TChartImageForm& w, const ActionParams& p) {
  ApplyChoice(kLayoutWords, p, 1, [&](engine::TMarksLayout l) { MarksOf(w).SetLayout(l); });
}

}  // namespace pg::charts
