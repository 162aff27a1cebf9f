#include "engine/series/circled_series.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

#include "engine/panel/chart.h"
#include "framework/arith.h"
#include "framework/errors.h"
#include "platform/screen_metrics.h"

namespace pg::engine {

TCircledSeries::TCircledSeries(bool colorEachPoint) : TChartSeries(colorEachPoint) { XValues().SetName("Angle"); }

TCustomChart* TCircledSeries::Chart() const { return dynamic_cast<TCustomChart*>(ParentChart()); }

void TCircledSeries::SetCircled(bool v) { StoreProp(circled_, v); }
void TCircledSeries::SetCustomXRadius(int v) { StoreProp(customXRadius_, v); }
void TCircledSeries::SetCustomYRadius(int v) { StoreProp(customYRadius_, v); }
void TCircledSeries::SetCircleBackColor(TColor v) { StoreProp(circleBackColor_, v); }

void TCircledSeries::SetRotationAngle(int degrees) {
  if (degrees < 0) {
    char msg[80];
    std::snprintf(msg, sizeof msg, "%s Angle must be between 0 and 359 degrees", "Rotation");
    throw ChartException(msg);
  }
  const int v = degrees % 360;
  if (v == rotationAngle_) return;
  rotationAngle_ = v;
  rotationRadians_ = v * std::numbers::pi / 180;
  Repaint();
}

platform::TPoint TCircledSeries::PointAtAngle(double angle, int rx, int ry) const {
  return {centerX_ + Round(std::cos(angle + rotationRadians_) * rx),
          centerY_ - Round(std::sin(angle + rotationRadians_) * ry)};
}

double TCircledSeries::AngleAtPoint(int x, int y) const {
  constexpr double kTwoPi = 2 * std::numbers::pi;
  double a;
  if (x == centerX_) {
    a = y > centerY_ ? -std::numbers::pi / 2 : std::numbers::pi / 2;
  } else if (radiusX_ != 0 && radiusY_ != 0) {
    a = std::atan2(static_cast<double>(centerY_ - y) / radiusY_, static_cast<double>(x - centerX_) / radiusX_);
  } else {
    a = 0;
  }
  if (a < 0) a += kTwoPi;
  a -= rotationRadians_;
  if (a < 0) a += kTwoPi;
  return a;
}

void TCircledSeries::NormalizePieRect() {
  auto& r = pieRect_;
  if (r.Width() % 2 != 0) --r.right;
  if (r.Height() % 2 != 0) --r.bottom;
  if (r.Width() < 4) r.right = r.left + 4;
  if (r.Height() < 4) r.bottom = r.top + 4;
  pieWidth_ = r.Width();
  pieHeight_ = r.Height();
  centerX_ = Div(r.left + r.right, 2);
  centerY_ = Div(r.top + r.bottom, 2);
}

void TCircledSeries::ComputeRadii() {
  if (customXRadius_ != 0) {
    radiusX_ = customXRadius_;
    pieWidth_ = 2 * customXRadius_;
  } else {
    radiusX_ = Div(pieWidth_, 2);
  }
  if (customYRadius_ != 0) {
    radiusY_ = customYRadius_;
    pieHeight_ = 2 * customYRadius_;
  } else {
    radiusY_ = Div(pieHeight_, 2);
  }
  pieRect_ = platform::TRect{centerX_ - radiusX_, centerY_ - radiusY_, centerX_ + radiusX_, centerY_ + radiusY_};
}

int TCircledSeries::MaxMarkWidth() { return 0; }

void TCircledSeries::AdjustCircleRect() {
  TCustomChart* chart = Chart();
  if (!chart) return;
  pieRect_ = chart->PlotRect();
  NormalizePieRect();
  if (Marks().Visible()) {
    auto& canvas = chart->Canvas();
    const int a = Marks().ArrowLength() + 2 * Marks().FrameRoom();
    chart->UseFont(Marks().Font().Value());
    const int h = canvas.LineHeight();
    pieRect_.top += a + h;
    pieRect_.bottom -= a + h;
    const int w = canvas.MeasureTextWidth("W") + MaxMarkWidth() + a;
    pieRect_.left += w;
    pieRect_.right -= w;
    NormalizePieRect();
  }
  if (circled_) {
    const auto s = platform::Screen();
    double ratio = s.heightPixels ? static_cast<double>(s.widthPixels) / s.heightPixels : 1.0;
    if (s.heightMm != 0) {
      const double mm = static_cast<double>(s.widthMm) / s.heightMm;
      if (mm != 0) ratio /= mm;
    }
    ComputeRadii();
    if (Round(radiusY_ * ratio) < radiusX_) {
      const int d = radiusX_ - Round(radiusY_ * ratio);
      pieRect_.left += d;
      pieRect_.right -= d;
    } else {
      const int d = radiusY_ - Round(radiusX_ / ratio);
      pieRect_.top += d;
      pieRect_.bottom -= d;
    }
    NormalizePieRect();
  }
  ComputeRadii();
}

}  // namespace pg::engine
