#include "engine/series/value_list.h"

#include <cmath>
#include <utility>

#include "engine/series/chart_series.h"
#include "framework/errors.h"

namespace pg::engine {

TChartValueList::TChartValueList(TChartSeries& owner, std::string name) : owner_(owner), name_(std::move(name)) {}

void TChartValueList::SetName(std::string name) {
  if (name == name_) return;
  name_ = std::move(name);
  owner_.Repaint();
}

void TChartValueList::SetMultiplier(double multiplier) {
  if (multiplier == multiplier_) return;
  multiplier_ = multiplier;
  Changed();  // the statistics are of the values as read
  owner_.Repaint();
}

void TChartValueList::SetOrder(TChartListOrder order) {
  if (order == order_) return;
  order_ = order;
  owner_.Repaint();
}

void TChartValueList::SetDateTime(bool dateTime) {
  if (dateTime == dateTime_) return;
  dateTime_ = dateTime;
  owner_.Repaint();
}

void TChartValueList::SetValueSource(std::string valueSource) {
  if (valueSource == valueSource_) return;
  valueSource_ = std::move(valueSource);
  owner_.Repaint();
}

void TChartValueList::CheckIndex(int index) const {
  if (index < 0 || index >= Count()) throw ListIndexError(index);
}

double TChartValueList::ValueAt(int index) const {
  CheckIndex(index);
  return values_[static_cast<std::size_t>(index)] * multiplier_;
}

void TChartValueList::SetValue(int index, double value) {
  CheckIndex(index);
  values_[static_cast<std::size_t>(index)] = value;
  Changed();
}

void TChartValueList::InsertAt(int index, double value) {
  if (index < 0 || index > Count()) throw ListIndexError(index);
  values_.insert(values_.begin() + index, value);
  Changed();
}

// loNone, or an empty list: append. loAscending: a value not below the last one
// is appended; otherwise it goes after the last entry not greater than it (at 0
// when there is none), so equal values keep the order they came in.
// loDescending mirrors that. Stored values are compared.
int TChartValueList::AddOrdered(double value) {
  int index = Count();
  if (order_ != TChartListOrder::loNone && !values_.empty()) {
    const bool ascending = order_ == TChartListOrder::loAscending;
    auto staysBefore = [&](double entry) { return ascending ? entry <= value : entry >= value; };
    if (!staysBefore(values_.back())) {
      index = Count() - 1;
      while (index > 0 && !staysBefore(values_[static_cast<std::size_t>(index - 1)])) --index;
    }
  }
  InsertAt(index, value);
  return index;
}

void TChartValueList::Delete(int index) {
  CheckIndex(index);
  values_.erase(values_.begin() + index);
  Changed();
}

void TChartValueList::Clear() {
  values_.clear();
  Changed();
}

void TChartValueList::Exchange(int a, int b) {
  CheckIndex(a);
  CheckIndex(b);
  std::swap(values_[static_cast<std::size_t>(a)], values_[static_cast<std::size_t>(b)]);
  Changed();
}

int TChartValueList::Locate(double value) const {
  for (int i = 0; i < Count(); ++i)
    if (ValueAt(i) == value) return i;
  return -1;
}

void TChartValueList::FillSequence() {
  for (std::size_t i = 0; i < values_.size(); ++i) values_[i] = static_cast<double>(i);
  Changed();
}

void TChartValueList::Sort() { owner_.SortByValues(*this); }

void TChartValueList::Recalculate() const {
  if (!dirty_) return;
  dirty_ = false;
  minValue_ = maxValue_ = total_ = totalAbs_ = 0;
  totalAbsWide_ = 0;
  if (values_.empty()) return;
  minValue_ = maxValue_ = total_ = ValueAt(0);
  totalAbs_ = std::fabs(total_);
  totalAbsWide_ = totalAbs_;
  for (int i = 1; i < Count(); ++i) {
    const double v = ValueAt(i);
    if (v < minValue_)
      minValue_ = v;
    else if (v > maxValue_)
      maxValue_ = v;
    total_ += v;
    totalAbs_ += std::fabs(v);
    totalAbsWide_ += std::fabs(v);
  }
}

double TChartValueList::MinValue() const {
  Recalculate();
  return minValue_;
}

double TChartValueList::MaxValue() const {
  Recalculate();
  return maxValue_;
}

double TChartValueList::Total() const {
  Recalculate();
  return total_;
}

double TChartValueList::TotalABS() const {
  Recalculate();
  return totalAbs_;
}

long double TChartValueList::TotalABSWide() const {
  Recalculate();
  return totalAbsWide_;
}

double TChartValueList::PercentOfTotalABS(double value) const {
  const double total = TotalABS();
  if (total == 0) return 100.0;
  const double percent = value * 100 / total;
  if (std::isfinite(percent) && std::isfinite(total)) return percent;
  return static_cast<double>(static_cast<long double>(value) * 100 / totalAbsWide_);
}

void TChartValueList::SetTotalABS(double total, long double wideTotal) {
  Recalculate();
  totalAbs_ = total;
  totalAbsWide_ = wideTotal;
}

}  // namespace pg::engine
