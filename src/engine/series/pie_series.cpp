#include "engine/series/pie_series.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "engine/panel/chart.h"
#include "engine/panel/chart_description.h"
#include "framework/arith.h"

namespace pg::engine {

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

// A slice pulled out further than a hundred radii is off any window; beyond
// that the offsets would leave the pixel range.
constexpr int kMaxExplode = 10000;

constexpr BrushStyle kPatterns[6] = {BrushStyle::bsHorizontal, BrushStyle::bsVertical, BrushStyle::bsFDiagonal,
                                     BrushStyle::bsBDiagonal,  BrushStyle::bsCross,    BrushStyle::bsDiagCross};

// Repaint requests made while the chart paints would only schedule another paint.
class RepaintPause {
 public:
  explicit RepaintPause(TCustomChart* chart) : chart_(chart), was_(chart && chart->RepaintEnabled()) {
    if (chart_) chart_->SetRepaintEnabled(false);
  }
  ~RepaintPause() {
    if (chart_) chart_->SetRepaintEnabled(was_);
  }
  RepaintPause(const RepaintPause&) = delete;
  RepaintPause& operator=(const RepaintPause&) = delete;

 private:
  TCustomChart* chart_;
  bool was_;
};

}  // namespace

TPieSeries::TPieSeries()
    : TCircledSeries(true), otherSlice_([this] { Repaint(); }), piePen_([this] { Repaint(); }) {
  XValues().SetName("");
  PieValues().SetName("Pie");
  Marks().SetVisible(true);
  Marks().SetArrowLength(8);
}

void TPieSeries::SetDark3D(bool v) {
  if (v == dark3D_) return;
  dark3D_ = v;
  Repaint();
}

void TPieSeries::SetUsePatterns(bool v) {
  if (v == usePatterns_) return;
  usePatterns_ = v;
  Repaint();
}

int TPieSeries::Exploded(int index) const {
  const auto i = static_cast<std::size_t>(index);
  return index >= 0 && i < explode_.size() ? explode_[i] : 0;
}

void TPieSeries::SetExploded(int index, int percent) {
  if (index < 0 || Exploded(index) == percent) return;
  const auto i = static_cast<std::size_t>(index);
  if (explode_.size() <= i) explode_.resize(i + 1, 0);
  explode_[i] = percent;
  Repaint();
}

void TPieSeries::SetExplodeBiggest(int percent) {
  if (percent == explodeBiggest_) return;
  explodeBiggest_ = percent;
  if (percent > 0 && PointCount() > 0) {
    const int i = PieValues().Locate(PieValues().MaxValue());
    if (i >= 0) SetExploded(i, percent);
  }
  Repaint();
}

void TPieSeries::SwapPoints(int a, int b) {
  TCircledSeries::SwapPoints(a, b);
  const auto hi = static_cast<std::size_t>(std::max(a, b));
  if (explode_.size() <= hi) explode_.resize(hi + 1, 0);
  std::swap(explode_[static_cast<std::size_t>(a)], explode_[static_cast<std::size_t>(b)]);
}

void TPieSeries::OnPointInserted(int index) {
  TCircledSeries::OnPointInserted(index);
  const auto i = static_cast<std::size_t>(index);
  if (i < explode_.size()) explode_.insert(explode_.begin() + static_cast<std::ptrdiff_t>(i), 0);
}

void TPieSeries::OnPointDeleted(int index) {
  TCircledSeries::OnPointDeleted(index);
  const auto i = static_cast<std::size_t>(index);
  if (i < explode_.size()) explode_.erase(explode_.begin() + static_cast<std::ptrdiff_t>(i));
}

void TPieSeries::OnPointsCleared() {
  TCircledSeries::OnPointsCleared();
  explode_.clear();
}

void TPieSeries::OnParentChartChanged(TSeriesOwner* oldChart) {
  TCircledSeries::OnParentChartChanged(oldChart);
  TCustomChart* chart = Chart();
  if (!chart || chart->IsDestroying()) return;
  chart->SetAxisVisible(false);
  chart->SetClipPoints(false);
  chart->SetView3DWalls(false);
  chart->Frame().SetVisible(false);
  chart->BackWall().Brush().SetStyle(BrushStyle::bsClear);
  chart->SetAllowZoom(false);
  chart->SetAllowPanning(TPanningMode::pmNone);
  auto& v = chart->View3DOptions();
  v.SetOrthogonal(false);
  v.SetRotation(360);
  v.SetElevation(315);
  v.SetPerspective(0);
  v.SetTilt(0);
}

// A legend asks for every item's point while it paints: looking each one up
// from the start made a paint quadratic in the slices.
const std::vector<int>& TPieSeries::LegendPoints() const {
  auto& map = legendPoints_;
  if (map.valid && map.version == XValues().Version() && map.pointCount == PointCount()) return map.points;
  map.valid = false;
  map.points.clear();
  for (int i = 0; i < PointCount(); ++i)
    if (!IsGrouped(i)) map.points.push_back(i);
  map.version = XValues().Version();
  map.pointCount = PointCount();
  map.valid = true;
  return map.points;
}

int TPieSeries::LegendItemCount() const { return static_cast<int>(LegendPoints().size()); }

int TPieSeries::LegendToPoint(int item) const {
  const auto& points = LegendPoints();
  return item >= 0 && static_cast<std::size_t>(item) < points.size() ? points[static_cast<std::size_t>(item)] : item;
}

void TPieSeries::DoBeforeDrawChart() {
  RepaintPause pause(Chart());
  if (PieValues().Order() != TChartListOrder::loNone) SortByValues(PieValues());
  for (int i = 0; i < PointCount(); ++i) {
    if (XValues().ValueAt(i) == kOtherX) {
      DeletePoint(i);
      break;
    }
  }
  XValues().FillSequence();
  const auto style = otherSlice_.Style();
  const double total = PieValues().TotalABS();
  if (style == TPieOtherStyle::poNone || !(total > 0)) return;
  // The grouped slices' room in the pie, which counts every value by its size:
  // a signed sum left a gap where a negative slice had been (20 and -20 summed
  // to no Other slice at all).
  double sum = 0;
  for (int i = 0; i < PointCount(); ++i) {
    const double v = PieValues().ValueAt(i);
    const double compared = style == TPieOtherStyle::poBelowPercent ? PieValues().PercentOfTotalABS(v) : v;
    if (compared < otherSlice_.Value()) {
      XValues().SetValue(i, kGroupedX);
      sum += std::fabs(v);
    }
  }
  if (sum != 0) {
    AddPointXY(kOtherX, sum, otherSlice_.Text(), clDefault);
    PieValues().SetTotalABS(PieValues().TotalABS() - sum, PieValues().TotalABSWide() - sum);
  }
}

void TPieSeries::CalcAngles() {
  const int n = PointCount();
  spans_.assign(static_cast<std::size_t>(n), TPieSliceSpan{});
  const double total = PieValues().TotalABS();
  const double k = total != 0 ? kTwoPi / total : 0;
  // A total past the double's range (values near 1e308) or so small that k
  // overflows (subnormal values) gave one slice the whole pie: such pies add
  // up in extended precision.
  auto lay = [&](auto sumTotal, auto factor) {
    decltype(sumTotal) s = 0;
    double previous = 0;
    for (int i = 0; i < n; ++i) {
      auto& span = spans_[static_cast<std::size_t>(i)];
      span.fromAngle = previous;
      if (sumTotal == 0) {
        span.toAngle = kTwoPi;
      } else {
        if (!IsGrouped(i)) s += std::fabs(PieValues().ValueAt(i));
        span.toAngle = s == sumTotal ? kTwoPi : static_cast<double>(s * factor);
        if (span.toAngle - span.fromAngle > kTwoPi) span.toAngle = span.fromAngle + kTwoPi;
      }
      span.centerAngle = (span.fromAngle + span.toAngle) * 0.5;
      previous = span.toAngle;
    }
  };
  if (total != 0 && !(std::isfinite(total) && std::isfinite(k))) {
    const long double wideTotal = PieValues().TotalABSWide();
    lay(wideTotal, kTwoPi / wideTotal);
  } else {
    lay(total, k);
  }
}

platform::TPoint TPieSeries::ExplodeOffset(int index) const {
  const int e = std::min(Exploded(index), kMaxExplode);
  if (!anyExploded_ || e <= 0 || static_cast<std::size_t>(index) >= spans_.size()) return {0, 0};
  const double f = e / 100.0;
  const double angle = spans_[static_cast<std::size_t>(index)].centerAngle + RotationRadians();
  return {Round(std::cos(angle) * radiusX_ * f), Round(std::sin(angle) * f * radiusY_)};
}

platform::TPoint TPieSeries::ExplodedRadii(int index) const {
  const double f = 1 + std::min(Exploded(index), kMaxExplode) / 100.0;
  return {Round(radiusX_ * f), Round(f * radiusY_)};
}

int TPieSeries::MaxMarkWidth() {
  TCustomChart* chart = Chart();
  if (!chart) return 0;
  ComposeMarkTexts();  // drawn by DrawMarks later in this paint
  int widest = 0;
  for (int i = 0; i < PointCount(); ++i)
    widest = std::max(widest, chart->Canvas().MeasureTextWidth(ComposedMarkText(i)));
  return widest;
}

void TPieSeries::DrawAllValues() {
  TCustomChart* chart = Chart();
  if (!chart) return;
  RepaintPause pause(chart);
  AdjustCircleRect();
  if (explodeBiggest_ > 0 && PointCount() > 0) {
    const int i = PieValues().Locate(PieValues().MaxValue());
    if (i >= 0) {
      const auto at = static_cast<std::size_t>(i);
      if (explode_.size() <= at) explode_.resize(at + 1, 0);
      explode_[at] = explodeBiggest_;
    }
  }
  int biggest = -1;
  for (int i = 0; i < PointCount(); ++i)
    if (Exploded(i) > 0 && (biggest < 0 || Exploded(i) > Exploded(biggest))) biggest = i;
  CalcAngles();
  anyExploded_ = biggest >= 0;
  if (anyExploded_) {
    const platform::TPoint d = ExplodeOffset(biggest);
    auto r = PieRect();
    r.left += Div(std::abs(d.x), 2);
    r.right -= Div(std::abs(d.x), 2);
    r.top += Div(std::abs(d.y), 2);
    r.bottom -= Div(std::abs(d.y), 2);
    SetPieRect(r);
    NormalizePieRect();
    ComputeRadii();
  }
  sliceStart_ = PointAtAngle(0, radiusX_, radiusY_);

  auto& order = drawOrder_;
  order.resize(static_cast<std::size_t>(PointCount()));
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
  if (chart->View3D() && anyExploded_) {
    // Back to front: by the distance of each slice's centre from the top of the pie.
    auto& key = drawOrderKeys_;
    key.resize(order.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
      double a = spans_[i].centerAngle + RotationRadians();
      if (a > kTwoPi) a -= kTwoPi;
      key[i] = std::fabs(a - std::numbers::pi / 2);
      if (key[i] > std::numbers::pi) key[i] = kTwoPi - key[i];
    }
    auto quick = [&](auto&& self, int l, int r) -> void {
      int i = l, j = r;
      const double pivot = key[static_cast<std::size_t>(order[static_cast<std::size_t>(Div(l + r, 2))])];
      while (i <= j) {
        while (key[static_cast<std::size_t>(order[static_cast<std::size_t>(i)])] < pivot) ++i;
        while (key[static_cast<std::size_t>(order[static_cast<std::size_t>(j)])] > pivot) --j;
        if (i <= j) std::swap(order[static_cast<std::size_t>(i++)], order[static_cast<std::size_t>(j--)]);
      }
      if (l < j) self(self, l, j);
      if (i < r) self(self, i, r);
    };
    if (!order.empty()) quick(quick, 0, static_cast<int>(order.size()) - 1);
  }
  // A recording names each slice's shapes with what the slice says in words.
  platform::DeviceContext* target = chart->Canvas().Target();
  const bool named = target && target->RecordsDrawing();
  for (int i : order) {
    const bool group = named && !IsGrouped(i);  // a grouped slice draws nothing to name
    if (group) target->BeginGroup(SliceDescription(*this, i));
    DrawSlice(*chart, i);
    if (group) target->EndGroup();
  }
}

void TPieSeries::DrawSlice(TCustomChart& chart, int i) {
  if (PieWidth() < 5 || PieHeight() < 5 || IsGrouped(i)) return;
  auto& canvas = chart.Canvas();
  TColor back = CircleBackColor();
  if (back == clDefault) back = chart.BackColor();
  if (back == clDefault) back = chart.Color();
  chart.UseBrush(PointColor(i), usePatterns_ ? kPatterns[i % 6] : BrushStyle::bsSolid, back);
  canvas.UseChartPen(piePen_);
  const platform::TPoint d = ExplodeOffset(i);
  const auto& span = spans_[static_cast<std::size_t>(i)];
  if (chart.View3D()) {
    canvas.PieSlice3D(CenterX() + d.x, CenterY() - d.y, radiusX_, radiusY_, StartZ(), EndZ(),
                      span.fromAngle + RotationRadians(), span.toAngle + RotationRadians(), dark3D_, anyExploded_);
    return;
  }
  const platform::TPoint end = PointAtAngle(span.toAngle, radiusX_, radiusY_);
  const bool draw = !(end == sliceStart_) || PointCount() == 1 ||
                    (PointCount() > 1 && span.toAngle - span.fromAngle > 1.0);
  if (!draw) return;
  const auto& r = PieRect();
  canvas.PieSlice(r.left + d.x, r.top - d.y, r.right + d.x, r.bottom - d.y, sliceStart_.x + d.x, sliceStart_.y - d.y,
                  end.x + d.x, end.y - d.y);
  sliceStart_ = end;
}

bool TPieSeries::PlaceMark(int i, const TMarkFontMeasures& font, TSeriesMarkPosition& position) {
  if (IsGrouped(i) || i < 0 || static_cast<std::size_t>(i) >= spans_.size()) return false;
  auto& marks = Marks();
  const platform::TPoint radii = ExplodedRadii(i);
  const double angle = spans_[static_cast<std::size_t>(i)].centerAngle;
  marks.SetZPosition(EndZ());
  const int w = font.wWidth, h = font.lineHeight;
  position.labelPoint = PointAtAngle(angle, radii.x + w + marks.ArrowLength(), radii.y + h + marks.ArrowLength());
  position.anchorPoint = PointAtAngle(angle, radii.x, radii.y);
  const platform::TPoint& label = position.labelPoint;
  position.boxLeft = label.x > CenterX() ? label.x : label.x - position.boxWidth;
  position.boxTop = label.y > CenterY() ? label.y : label.y - position.boxHeight;
  return true;
}

bool TPieSeries::MarksSpace(TMarkLayoutSpace& space) {
  TCustomChart* chart = Chart();
  if (!chart) return false;
  space.window = chart->PanelRect();
  space.obstacles = chart->TextBlockAreas();
  space.gap = std::clamp(Marks().ArrowLength(), 2, 64);
  // Each slice lies within its ellipse's box, moved by its own pull.
  int left = CenterX() - radiusX_, right = CenterX() + radiusX_;
  int top = CenterY() - radiusY_, bottom = CenterY() + radiusY_;
  if (anyExploded_) {
    for (int i = 0; i < PointCount(); ++i) {
      const platform::TPoint d = ExplodeOffset(i);
      left = std::min(left, ClampCoord(std::int64_t{CenterX()} + d.x - radiusX_));
      right = std::max(right, ClampCoord(std::int64_t{CenterX()} + d.x + radiusX_));
      top = std::min(top, ClampCoord(std::int64_t{CenterY()} - d.y - radiusY_));
      bottom = std::max(bottom, ClampCoord(std::int64_t{CenterY()} - d.y + radiusY_));
    }
  }
  if (!chart->View3D()) {
    space.pie = platform::TRect{left, top, right + 1, bottom + 1};
    space.centerX = CenterX();
    return true;
  }
  // The solid pie lies within the box of its ellipse between its two faces.
  auto& c = chart->Canvas();
  space.pie = platform::TRect{kCoordLimit, kCoordLimit, -kCoordLimit, -kCoordLimit};
  for (const int z : {StartZ(), EndZ()}) {
    for (const platform::TPoint corner : {platform::TPoint{left, top}, platform::TPoint{right, top},
                                          platform::TPoint{left, bottom}, platform::TPoint{right, bottom}}) {
      const platform::TPoint p = c.ProjectPoint(corner.x, corner.y, z);
      space.pie.left = std::min(space.pie.left, p.x);
      space.pie.top = std::min(space.pie.top, p.y);
      space.pie.right = std::max(space.pie.right, p.x + 1);
      space.pie.bottom = std::max(space.pie.bottom, p.y + 1);
    }
  }
  space.centerX = c.ProjectPoint(CenterX(), CenterY(), Marks().ZPosition()).x;
  return true;
}

double TPieSeries::MarkWeight(int index) const { return std::fabs(PieValues().ValueAt(index)); }

void TPieSeries::PrepareLegendSymbol(int valueIndex, TColor& backColour, BrushStyle& style) const {
  backColour = CircleBackColor();
  if (usePatterns_ && valueIndex >= 0) style = kPatterns[valueIndex % 6];
}

}  // namespace pg::engine
