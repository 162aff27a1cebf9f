#pragma once
// What a series needs of the chart that owns it. The chart panel implements it;
// the series only asks for repaints and tells the chart when it joins or leaves.

namespace pg::engine {

class TChartSeries;

class TSeriesOwner {
 public:
  TSeriesOwner(const TSeriesOwner&) = delete;
  TSeriesOwner& operator=(const TSeriesOwner&) = delete;

  // Marks the chart's picture stale; it is drawn again at the next paint.
  virtual void RequestRepaint() = 0;
  // True while the chart is being destroyed: series then stop asking for repaints.
  virtual bool IsDestroying() const = 0;
  // The series list: a series given this chart with SetParentChart joins it;
  // one given another chart (or none), or destroyed, leaves it. Neither call
  // passes ownership. A series destroyed while IsDestroying() is true does not
  // call RemoveSeries, so the chart can free its own series in its destructor.
  virtual void AddSeries(TChartSeries& series) = 0;
  virtual void RemoveSeries(TChartSeries& series) = 0;

 protected:
  TSeriesOwner() = default;
  ~TSeriesOwner() = default;
};

}  // namespace pg::engine
