#include <string_view>
#include <utility>

#include "charts/actions/chart_actions.h"
#include "framework/params/colour_format.h"
#include "framework/params/font_format.h"
#include "framework/params/word_format.h"
#include "framework/text/int_parse.h"

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

// The value of the word that equals text exactly; other texts change nothing.
template <typename T, std::size_t N, typename Setter>
void ApplyChoice(const std::pair<std::string_view, T> (&table)[N], const std::string& text, Setter set) {
  for (const auto& [word, value] : table) {
    if (word == text) {
      set(value);
      return;
    }
  }
}

}  // namespace

void MarksVisible(TChartImageForm& w, const ActionParams& p) {
  // Only the exact on and off words change anything.
  if (const auto on = params::ReadBoolValue(p.at(1))) MarksOf(w).SetVisible(*on);
}

void MarksStyle(TChartImageForm& w, const ActionParams& p) {
  ApplyChoice(kStyleWords, p.at(1), [&](TSeriesMarksStyle s) { MarksOf(w).SetStyle(s); });
}

void MarksTransparent(TChartImageForm& w, const ActionParams& p) {
  if (const auto on = params::ReadBoolValue(p.at(1))) MarksOf(w).SetTransparent(*on);
}

// The fields of the font take effect one by one: a failing field keeps the
// background colour and the fields before it.
void MarksFontColor(TChartImageForm& w, const ActionParams& p) {
  auto& marks = MarksOf(w);
  marks.SetBackColor(params::ReadColourTriple(p.at(1)));
  TFontSpec font = marks.Font().Value();
  params::FontSpecTarget target(font);
  try {
    params::ApplyFontDescription(p.at(2), target);
  } catch (...) {
    marks.SetFont(font);
    throw;
  }
  marks.SetFont(font);
}

// A bad width keeps the new colour.
void MarksFrame(TChartImageForm& w, const ActionParams& p) {
  auto& frame = MarksOf(w).Frame();
  frame.SetColor(params::ReadColourTriple(p.at(1)));
  frame.SetWidth(text::StrToInt(p.at(2)));
}

void MarksFrVisible(TChartImageForm& w, const ActionParams& p) {
  if (const auto on = params::ReadBoolValue(p.at(1))) MarksOf(w).Frame().SetVisible(*on);
}

void MarksFrStyle(TChartImageForm& w, const ActionParams& p) {
  ApplyChoice(kFrameStyleWords, p.at(1), [&](PenStyle s) { MarksOf(w).Frame().SetStyle(s); });
}

void MarksLayout(TChartImageForm& w, const ActionParams& p) {
  ApplyChoice(kLayoutWords, p.at(1), [&](engine::TMarksLayout l) { MarksOf(w).SetLayout(l); });
}

}  // namespace pg::charts
