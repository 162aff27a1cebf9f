#include <cmath>
#include <string_view>
#include <utility>

#include "charts/actions/chart_actions.h"
#include "charts/actions/param_readers.h"

namespace pg::charts {

namespace {

using engine::TPieOtherStyle;

constexpr std::pair<std::string_view, TPieOtherStyle> kOtherWords[] = {
    {"None", TPieOtherStyle::poNone},
    {"BelowPercent", TPieOtherStyle::poBelowPercent},
    {"BelowValue", TPieOtherStyle::poBelowValue},
};

}  // namespace

// Every field is read before any is stored: a bad threshold changes nothing.
// "None" needs no threshold; an empty text keeps the Other slice's label.
void OtherSlice(TChartImageForm& w, const ActionParams& p) {
  const TPieOtherStyle* style = nullptr;
  for (const auto& [word, value] : kOtherWords)
    if (word == p.at(1)) style = &value;
  if (!style) {
    IgnoreParam(p, 1, "is not one of None, BelowPercent or BelowValue");
    return;
  }
  auto& other = w.Series1().OtherSlice();
  if (*style == TPieOtherStyle::poNone) {
    other.SetStyle(*style);
    return;
  }
  const double threshold = NumberParam(p, 2);
  if (!std::isfinite(threshold)) {
    IgnoreParam(p, 2, "is not a finite number");
    return;
  }
  if (!p.at(3).empty()) other.SetText(p.at(3));
  other.SetValue(threshold);
  other.SetStyle(*style);
}

// Points are numbered from 0; a point that does not exist, or a negative
// percent, changes nothing.
void ExplodeSlice(TChartImageForm& w, const ActionParams& p) {
  const std::int32_t index = IntParam(p, 1);
  const std::int32_t percent = IntParam(p, 2);
  auto& pie = w.Series1();
  if (index < 0 || index >= pie.PointCount()) {
    IgnoreParam(p, 1, "is not the index of a record (from 0)");
    return;
  }
  if (percent < 0) {
    IgnoreParam(p, 2, "is below 0");
    return;
  }
  pie.SetExploded(index, percent);
}

void ExplodeBiggest(TChartImageForm& w, const ActionParams& p) {
  const std::int32_t percent = IntParam(p, 1);
  if (percent < 0) {
    IgnoreParam(p, 1, "is below 0");
    return;
  }
  w.Series1().SetExplodeBiggest(percent);
}

void SlicePatterns(TChartImageForm& w, const ActionParams& p) {
  if (const auto on = BoolParam(p, 1)) w.Series1().SetUsePatterns(*on);
}

void PieCircled(TChartImageForm& w, const ActionParams& p) {
  if (const auto on = BoolParam(p, 1)) w.Series1().SetCircled(*on);
}

}  // namespace pg::charts
