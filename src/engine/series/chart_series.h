#pragma once
// The series base: the points of a chart (values, labels, colours), adding,
// deleting, clearing and ordering them, and the repaint of the chart on every
// change. The pie series builds on it.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/series/series_marks.h"
#include "engine/series/series_owner.h"
#include "engine/series/value_list.h"
#include "framework/colour.h"

namespace pg::engine {

class TChartSeries {
 public:
  // colorEachPoint: whether points without a colour take palette colours
  // (false for the base series; the pie passes true).
  explicit TChartSeries(bool colorEachPoint = false);
  TChartSeries(const TChartSeries&) = delete;
  TChartSeries& operator=(const TChartSeries&) = delete;
  // Leaves its chart (if any) without asking it for a repaint; see RemoveSeries.
  virtual ~TChartSeries();

  // The chart that owns, draws and repaints the series (none at first).
  // Setting it leaves the old chart's series list and joins the new one's.
  TSeriesOwner* ParentChart() const { return parentChart_; }
  void SetParentChart(TSeriesOwner* chart);

  // Asks the chart for a repaint; nothing without a chart.
  void Repaint();

  // Value lists: XValues ("X", ascending) and YValues ("Y", unordered), and the
  // list of all lists (X first, then Y).
  TChartValueList& XValues() { return *xValues_; }
  const TChartValueList& XValues() const { return *xValues_; }
  TChartValueList& YValues() { return *yValues_; }
  const TChartValueList& YValues() const { return *yValues_; }
  const std::vector<TChartValueList*>& ValueLists() const { return valueLists_; }
  // The list whose values the series shows (YValues for the base and the pie).
  virtual TChartValueList& MandatoryValueList() { return YValues(); }
  virtual const TChartValueList& MandatoryValueList() const { return YValues(); }

  // Points.
  int PointCount() const { return xValues_->Count(); }
  // AddPointXY with x = PointCount(): the mandatory values are the Y values.
  int AddPoint(double value, const std::string& label = {}, TColor color = clDefault);
  // Inserts x into XValues by its order; the position it gets is the point's
  // index, at which y, the colour and the label are inserted. Returns the index.
  int AddPointXY(double x, double y, const std::string& label = {}, TColor color = clDefault);
  // Throws pg::ListIndexError (index) outside the points, before any change.
  void DeletePoint(int index);
  // Removes every point; repaints even when there was none.
  void ClearPoints();
  // Exchanges two points in every list; throws pg::ListIndexError outside the
  // points. No repaint: sorting uses it while the chart paints.
  virtual void SwapPoints(int a, int b);
  // Orders all points by list (nothing when its Order is loNone); each exchange
  // is a SwapPoints, so labels and colours travel with their values.
  void SortByValues(TChartValueList& list);

  // The colour the point is drawn in: its own colour, else with ColorEachPoint
  // the palette colour of its index, else SeriesColor.
  TColor PointColor(int index) const;
  // The point's label, or "" when it has none.
  const std::string& PointLabel(int index) const;

  // Formats numbers with ValueFormat / PercentFormat and the locale's separators
  // (the Append forms add the number to a text being composed).
  std::string FormatValue(double value) const;
  std::string FormatPercent(double percent) const;
  void AppendValue(std::string& out, double value) const;
  void AppendPercent(std::string& out, double percent) const;

  // Properties: setters store a changed value and repaint the chart.
  TColor SeriesColor() const { return seriesColor_; }
  void SetSeriesColor(TColor color);
  bool ColorEachPoint() const { return colorEachPoint_; }
  // Switching it off also resets every stored point colour to clDefault.
  void SetColorEachPoint(bool value);
  const std::string& ValueFormat() const { return valueFormat_; }
  void SetValueFormat(std::string format);
  const std::string& PercentFormat() const { return percentFormat_; }
  void SetPercentFormat(std::string format);
  bool Active() const { return active_; }
  void SetActive(bool value);
  bool ShowInLegend() const { return showInLegend_; }
  void SetShowInLegend(bool value);
  const std::string& Title() const { return title_; }
  void SetTitle(std::string title);

  // Marks: the text boxes beside the points.
  TSeriesMarks& Marks() { return *marks_; }
  const TSeriesMarks& Marks() const { return *marks_; }
  bool MarksVisible() const { return marks_->Visible(); }
  // The text of point i's mark for the marks' style; AppendMarkText adds it to out.
  std::string MarkText(int index) const;
  virtual void AppendMarkText(std::string& out, int index) const;

  // Legend items: how many the series shows and the point behind item k (a
  // series that hides points from the legend maps past them).
  virtual int LegendItemCount() const { return PointCount(); }
  virtual int LegendToPoint(int item) const { return item; }
  // The series' say in its legend colour box for point valueIndex (-1: the
  // series as a whole): it may change the background colour and brush style.
  virtual void PrepareLegendSymbol(int /*valueIndex*/, TColor& /*backColour*/, platform::BrushStyle& /*style*/) const {}

  // Paint steps the chart calls: before the layout, to draw the values, to draw the marks.
  virtual void DoBeforeDrawChart() {}
  virtual void DrawAllValues() {}
  // Every point's mark that has a colour and a text: measured in the marks
  // font, placed by the series, then drawn (clipped to the plot with Clip).
  virtual void DrawMarks();
  // Depths of the series in the chart box, set by the chart before drawing.
  void SetDepthRange(int startZ, int endZ) {
    startZ_ = startZ;
    endZ_ = endZ;
    middleZ_ = (startZ + endZ) / 2;
    marks_->SetZPosition(middleZ_);
  }
  int StartZ() const { return startZ_; }
  int EndZ() const { return endZ_; }
  int MiddleZ() const { return middleZ_; }

 protected:
  // Hooks that keep per-point data of derived parts parallel to the points:
  // the marks' stored positions (and the pie's explode entries) follow here.
  virtual void OnPointInserted(int index) { marks_->InsertPosition(index); }
  virtual void OnPointDeleted(int index) { marks_->DeletePosition(index); }
  virtual void OnPointsCleared() { marks_->ClearPositions(); }
  // Called after ParentChart changed (the pie sets up its new chart here).
  virtual void OnParentChartChanged(TSeriesOwner* /*oldChart*/) {}
  // Places point index's mark of measured size: anchor, label point and box
  // corner. False draws no mark (a series without placement draws none).
  // DrawMarks calls it, on a chart panel, with the marks font selected.
  // Where laid-out marks may go, for a series that lays its marks out; false
  // keeps the standard places.
  virtual bool MarksSpace(TMarkLayoutSpace& /*space*/) { return false; }
  // How much a mark's point weighs when marks must be dropped.
  virtual double MarkWeight(int /*index*/) const { return 0; }
  virtual bool PlaceMark(int /*index*/, const TMarkFontMeasures& /*font*/, TSeriesMarkPosition& /*position*/) {
    return false;
  }
  // Every point's mark text composed once for a paint, for measuring the widest
  // and for drawing them (a paint used to compose each text twice, and each in
  // a heap block of its own). The buffer is reused from paint to paint.
  void ComposeMarkTexts();
  // Point i's composed text; ComposeMarkTexts must have run in this paint.
  std::string_view ComposedMarkText(int index) const;

 private:
  int CompareValues(const TChartValueList& list, int a, int b) const;
  void QuickSort(const TChartValueList& list, int left, int right);

  TSeriesOwner* parentChart_ = nullptr;
  std::unique_ptr<TSeriesMarks> marks_;
  int startZ_ = 0, endZ_ = 0, middleZ_ = 0;
  std::unique_ptr<TChartValueList> xValues_;
  std::unique_ptr<TChartValueList> yValues_;
  std::vector<TChartValueList*> valueLists_;
  // Parallel to the values; may be shorter (a missing entry is no colour / no label).
  std::vector<TColor> pointColors_;
  std::vector<std::string> pointLabels_;  // "" is no label
  // The composed mark texts, one after another, and where each ends; valid from
  // ComposeMarkTexts to the end of DrawMarks.
  std::string markTexts_;
  std::vector<std::size_t> markTextEnds_;
  bool markTextsComposed_ = false;

  TColor seriesColor_ = clDefault;
  bool colorEachPoint_;
  std::string valueFormat_ = "#,##0.###";
  std::string percentFormat_ = "##0.## %";
  bool active_ = true;
  bool showInLegend_ = true;
  std::string title_;
};

}  // namespace pg::engine
