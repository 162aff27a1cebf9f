#include "engine/series/chart_series.h"

#include <algorithm>
#include <utility>

#include "engine/series/color_palette.h"
#include "framework/errors.h"
#include "framework/text/number_format.h"
#include "platform/locale.h"

namespace pg::engine {

TChartSeries::TChartSeries(bool colorEachPoint)
    : marks_(std::make_unique<TSeriesMarks>([this] { Repaint(); })),
      xValues_(std::make_unique<TChartValueList>(*this, "X")),
      yValues_(std::make_unique<TChartValueList>(*this, "Y")),
      valueLists_{xValues_.get(), yValues_.get()},
      colorEachPoint_(colorEachPoint) {
  // Set before the series has a chart: no repaint.
  xValues_->SetOrder(TChartListOrder::loAscending);
}

TChartSeries::~TChartSeries() {
  // A chart that frees its series while it is destroyed is not called back.
  if (parentChart_ != nullptr && !parentChart_->IsDestroying()) parentChart_->RemoveSeries(*this);
}

void TChartSeries::SetParentChart(TSeriesOwner* chart) {
  if (chart == parentChart_) return;
  TSeriesOwner* old = parentChart_;
  if (old != nullptr) old->RemoveSeries(*this);
  parentChart_ = chart;
  if (chart != nullptr) chart->AddSeries(*this);
  OnParentChartChanged(old);
}

void TChartSeries::Repaint() {
  if (parentChart_ != nullptr) parentChart_->RequestRepaint();
}

int TChartSeries::AddPoint(double value, const std::string& label, TColor color) {
  return AddPointXY(static_cast<double>(PointCount()), value, label, color);
}

int TChartSeries::AddPointXY(double x, double y, const std::string& label, TColor color) {
  const int index = xValues_->AddOrdered(x);
  yValues_->InsertAt(index, y);
  const auto at = static_cast<std::size_t>(index);
  // Short colour or label lists are padded first so the new entry lands at its index.
  if (pointColors_.size() < at) pointColors_.resize(at, clDefault);
  pointColors_.insert(pointColors_.begin() + index, color);
  if (pointLabels_.size() < at) pointLabels_.resize(at);
  pointLabels_.insert(pointLabels_.begin() + index, label);
  OnPointInserted(index);
  if (active_) Repaint();
  return index;
}

void TChartSeries::DeletePoint(int index) {
  if (index < 0 || index >= PointCount()) throw ListIndexError(index);
  for (TChartValueList* list : valueLists_)
    if (index < list->Count()) list->Delete(index);
  const auto at = static_cast<std::size_t>(index);
  if (at < pointColors_.size()) pointColors_.erase(pointColors_.begin() + index);
  if (at < pointLabels_.size()) pointLabels_.erase(pointLabels_.begin() + index);
  OnPointDeleted(index);
  if (active_) Repaint();
}

void TChartSeries::ClearPoints() {
  for (TChartValueList* list : valueLists_) list->Clear();
  pointColors_.clear();
  pointLabels_.clear();
  OnPointsCleared();
  if (active_ && parentChart_ != nullptr && !parentChart_->IsDestroying()) Repaint();
}

void TChartSeries::SwapPoints(int a, int b) {
  for (const int index : {a, b})
    if (index < 0 || index >= PointCount()) throw ListIndexError(index);
  for (TChartValueList* list : valueLists_) list->Exchange(a, b);
  const auto high = static_cast<std::size_t>(std::max(a, b));
  if (pointColors_.size() <= high) pointColors_.resize(high + 1, clDefault);
  std::swap(pointColors_[static_cast<std::size_t>(a)], pointColors_[static_cast<std::size_t>(b)]);
  if (pointLabels_.size() <= high) pointLabels_.resize(high + 1);
  std::swap(pointLabels_[static_cast<std::size_t>(a)], pointLabels_[static_cast<std::size_t>(b)]);
}

int TChartSeries::CompareValues(const TChartValueList& list, int a, int b) const {
  const double va = list.ValueAt(a);
  const double vb = list.ValueAt(b);
  const int result = va < vb ? -1 : (va > vb ? 1 : 0);
  return list.Order() == TChartListOrder::loDescending ? -result : result;
}

// Quicksort on point indices: the pivot is the point at the middle index, and
// its index follows it when an exchange moves it. Not stable. The two parts
// are independent, so sorting the smaller part first (to bound the recursion)
// gives the same result as the plain left-then-right order.
void TChartSeries::QuickSort(const TChartValueList& list, int left, int right) {
  while (left < right) {
    int i = left;
    int j = right;
    int pivot = left + (right - left) / 2;
    while (i < j) {
      while (CompareValues(list, i, pivot) < 0) ++i;
      while (CompareValues(list, pivot, j) < 0) --j;
      if (i < j) {
        SwapPoints(i, j);
        if (i == pivot)
          pivot = j;
        else if (j == pivot)
          pivot = i;
      }
      if (i <= j) {
        ++i;
        --j;
      }
    }
    // Now [left, j] and [i, right] remain to be sorted.
    if (j - left < right - i) {
      if (left < j) QuickSort(list, left, j);
      left = i;
    } else {
      if (i < right) QuickSort(list, i, right);
      right = j;
    }
  }
}

void TChartSeries::SortByValues(TChartValueList& list) {
  if (list.Order() == TChartListOrder::loNone) return;
  QuickSort(list, 0, list.Count() - 1);
}

TColor TChartSeries::PointColor(int index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= pointColors_.size()) return seriesColor_;
  const TColor stored = pointColors_[static_cast<std::size_t>(index)];
  if (stored != clDefault) return stored;
  if (colorEachPoint_) return PaletteColor(index);
  return seriesColor_;
}

const std::string& TChartSeries::PointLabel(int index) const {
  static const std::string kNone;
  if (index < 0 || static_cast<std::size_t>(index) >= pointLabels_.size()) return kNone;
  return pointLabels_[static_cast<std::size_t>(index)];
}

std::string TChartSeries::FormatValue(double value) const {
  std::string out;
  AppendValue(out, value);
  return out;
}

std::string TChartSeries::FormatPercent(double percent) const {
  std::string out;
  AppendPercent(out, percent);
  return out;
}

void TChartSeries::AppendValue(std::string& out, double value) const {
  text::AppendFloat(out, valueFormat_, value, platform::DecimalSeparator(), platform::ThousandSeparator());
}

void TChartSeries::AppendPercent(std::string& out, double percent) const {
  text::AppendFloat(out, percentFormat_, percent, platform::DecimalSeparator(), platform::ThousandSeparator());
}

void TChartSeries::SetSeriesColor(TColor color) {
  if (color == seriesColor_) return;
  seriesColor_ = color;
  Repaint();
}

void TChartSeries::SetColorEachPoint(bool value) {
  bool changed = value != colorEachPoint_;
  colorEachPoint_ = value;
  if (!value) {
    // Explicit colours are dropped too: every point then takes SeriesColor.
    for (TColor& color : pointColors_) {
      changed = changed || color != clDefault;
      color = clDefault;
    }
  }
  if (changed) Repaint();
}

void TChartSeries::SetValueFormat(std::string format) {
  if (format == valueFormat_) return;
  valueFormat_ = std::move(format);
  Repaint();
}

void TChartSeries::SetPercentFormat(std::string format) {
  if (format == percentFormat_) return;
  percentFormat_ = std::move(format);
  Repaint();
}

void TChartSeries::SetActive(bool value) {
  if (value == active_) return;
  active_ = value;
  Repaint();
}

void TChartSeries::SetShowInLegend(bool value) {
  if (value == showInLegend_) return;
  showInLegend_ = value;
  Repaint();
}

void TChartSeries::SetTitle(std::string title) {
  if (title == title_) return;
  title_ = std::move(title);
  Repaint();
}

}  // namespace pg::engine
