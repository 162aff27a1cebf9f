#pragma once
// One list of point values of a series (the X values, the Y values ...), with
// its order rule, multiplier and cached statistics.
#include <cstdint>
#include <string>
#include <vector>

namespace pg::engine {

class TChartSeries;

enum class TChartListOrder { loNone, loAscending, loDescending };

class TChartValueList {
 public:
  // The list belongs to its series for life; the series keeps it in its list
  // of lists and repaints when a property of the list changes.
  TChartValueList(TChartSeries& owner, std::string name);
  TChartValueList(const TChartValueList&) = delete;
  TChartValueList& operator=(const TChartValueList&) = delete;

  TChartSeries& Owner() const { return owner_; }

  // Properties: setters store a changed value and repaint the chart.
  const std::string& Name() const { return name_; }
  void SetName(std::string name);
  double Multiplier() const { return multiplier_; }
  void SetMultiplier(double multiplier);
  TChartListOrder Order() const { return order_; }
  void SetOrder(TChartListOrder order);
  bool DateTime() const { return dateTime_; }
  void SetDateTime(bool dateTime);
  const std::string& ValueSource() const { return valueSource_; }
  void SetValueSource(std::string valueSource);

  // Values. These change only the list: the series operations repaint, and the
  // pie rewrites values while it paints, which must not ask for another paint.
  int Count() const { return static_cast<int>(values_.size()); }
  // Stored value times Multiplier; throws pg::ListIndexError outside the list.
  double ValueAt(int index) const;
  // Stores a value as given (not divided by Multiplier).
  void SetValue(int index, double value);
  // Inserts before index; index Count() appends. Throws outside 0..Count().
  void InsertAt(int index, double value);
  // Inserts by Order and returns the index the value got (see the .cpp).
  int AddOrdered(double value);
  void Delete(int index);
  void Clear();
  void Exchange(int a, int b);
  // First index whose ValueAt equals value, else -1.
  int Locate(double value) const;
  // Stores i at every index i (the pie numbers its points this way).
  void FillSequence();
  // Orders all points of the owning series by this list (nothing for loNone).
  void Sort();

  // Statistics of the values as read (Multiplier included); all 0 when empty.
  double MinValue() const;
  double MaxValue() const;
  double Total() const;
  double TotalABS() const;
  // The same total in extended precision: values near the limits of a double
  // neither overflow it nor vanish beside it.
  long double TotalABSWide() const;
  // value x 100 / TotalABS (100 when the total is 0), in extended precision
  // only where the double total has overflowed.
  double PercentOfTotalABS(double value) const;
  // Overrides the cached totals of absolute values until the next change: the
  // pie keeps the total from before it grouped small slices together.
  void SetTotalABS(double total, long double wideTotal);
  void SetTotalABS(double total) { SetTotalABS(total, total); }

  // Counts every change of the values or the multiplier: what is worked out
  // from the values can be kept until this moves on.
  std::uint64_t Version() const { return version_; }

 private:
  void CheckIndex(int index) const;
  void Changed() {
    dirty_ = true;
    ++version_;
  }
  void Recalculate() const;

  TChartSeries& owner_;
  std::string name_;
  std::vector<double> values_;
  double multiplier_ = 1.0;
  TChartListOrder order_ = TChartListOrder::loNone;
  bool dateTime_ = false;
  std::string valueSource_;

  std::uint64_t version_ = 0;
  mutable bool dirty_ = true;
  mutable double minValue_ = 0;
  mutable double maxValue_ = 0;
  mutable double total_ = 0;
  mutable double totalAbs_ = 0;
  mutable long double totalAbsWide_ = 0;
};

}  // namespace pg::engine
