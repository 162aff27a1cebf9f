#pragma once
// The pie: slice angles, the Other slice, explode, drawing order and slices,
// and the marks placed around them.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/core/chart_pen.h"
#include "engine/series/circled_series.h"

namespace pg::engine {

enum class TPieOtherStyle { poNone, poBelowPercent, poBelowValue };

class TPieOtherSlice {
 public:
  explicit TPieOtherSlice(ChangeHandler onChange) : onChange_(std::move(onChange)) {}
  TPieOtherStyle Style() const { return style_; }
  void SetStyle(TPieOtherStyle v) { StoreIfChanged(style_, v, onChange_); }
  const std::string& Text() const { return text_; }
  void SetText(const std::string& v) { StoreIfChanged(text_, v, onChange_); }
  double Value() const { return value_; }
  void SetValue(double v) { StoreIfChanged(value_, v, onChange_); }

 private:
  ChangeHandler onChange_;
  TPieOtherStyle style_ = TPieOtherStyle::poNone;
  std::string text_ = "Other";
  double value_ = 0;
};

struct TPieSliceSpan {
  double fromAngle = 0, centerAngle = 0, toAngle = 0;
};

class TPieSeries : public TCircledSeries {
 public:
  static constexpr double kOtherX = 2147483647.0;  // X value of the Other slice
  static constexpr double kGroupedX = -1.0;        // X value of points grouped into it

  TPieSeries();

  TChartValueList& PieValues() { return YValues(); }
  const TChartValueList& PieValues() const { return YValues(); }
  bool Dark3D() const { return dark3D_; }
  void SetDark3D(bool v);
  int ExplodeBiggest() const { return explodeBiggest_; }
  // Also applies it at once.
  void SetExplodeBiggest(int percent);
  TPieOtherSlice& OtherSlice() { return otherSlice_; }
  TChartPen& PiePen() { return piePen_; }
  bool UsePatterns() const { return usePatterns_; }
  void SetUsePatterns(bool v);
  int Exploded(int index) const;
  void SetExploded(int index, int percent);

  bool IsGrouped(int index) const { return XValues().ValueAt(index) == kGroupedX; }
  const std::vector<TPieSliceSpan>& Spans() const { return spans_; }
  bool AnyExploded() const { return anyExploded_; }
  // The point indices in the order the last paint drew their slices.
  const std::vector<int>& DrawOrder() const { return drawOrder_; }
  // Points grouped into the Other slice have no legend item.
  int LegendItemCount() const override;
  int LegendToPoint(int item) const override;
  // The circle background behind the box; with patterns, the slice's hatch.
  void PrepareLegendSymbol(int valueIndex, TColor& backColour, BrushStyle& style) const override;

  void SwapPoints(int a, int b) override;
  void DoBeforeDrawChart() override;
  void DrawAllValues() override;

  // Computes the slice spans from the current values.
  void CalcAngles();
  // Explode offset (dx, dy) and exploded radii of a slice, for the current radii.
  platform::TPoint ExplodeOffset(int index) const;
  platform::TPoint ExplodedRadii(int index) const;

 protected:
  void OnPointInserted(int index) override;
  void OnPointDeleted(int index) override;
  void OnPointsCleared() override;
  void OnParentChartChanged(TSeriesOwner* oldChart) override;
  int MaxMarkWidth() override;
  // Outside the slice: the box grows away from the centre from the arrow's end.
  bool PlaceMark(int index, const TMarkFontMeasures& font, TSeriesMarkPosition& position) override;
  // The window, the panel's text blocks and the pie with its exploded slices, on screen.
  bool MarksSpace(TMarkLayoutSpace& space) override;
  double MarkWeight(int index) const override;

 private:
  void DrawSlice(TCustomChart& chart, int index);
  // The point of each legend item, in order.
  const std::vector<int>& LegendPoints() const;

  bool dark3D_ = true;
  int explodeBiggest_ = 0;
  TPieOtherSlice otherSlice_;
  TChartPen piePen_;
  bool usePatterns_ = false;
  std::vector<int> explode_;
  std::vector<TPieSliceSpan> spans_;
  // The order slices are drawn in and its sort keys, reused from paint to paint.
  std::vector<int> drawOrder_;
  std::vector<double> drawOrderKeys_;
  bool anyExploded_ = false;
  platform::TPoint sliceStart_{};
  // Kept while the X values (which mark the grouped points) stay as they were.
  mutable struct {
    bool valid = false;
    std::uint64_t version = 0;
    int pointCount = 0;
    std::vector<int> points;
  } legendPoints_;
};

}  // namespace pg::engine
