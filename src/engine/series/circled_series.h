#pragma once
// The round-series base: the pie's rectangle, radii, rotation and the conversion
// between angles and screen points.
#include "engine/series/chart_series.h"
#include "platform/graphics.h"

namespace pg::engine {

class TCustomChart;

class TCircledSeries : public TChartSeries {
 public:
  explicit TCircledSeries(bool colorEachPoint);

  bool Circled() const { return circled_; }
  void SetCircled(bool v);
  int CustomXRadius() const { return customXRadius_; }
  void SetCustomXRadius(int v);
  int CustomYRadius() const { return customYRadius_; }
  void SetCustomYRadius(int v);
  int RotationAngle() const { return rotationAngle_; }
  // Throws ChartException for a negative angle; stores the angle modulo 360.
  void SetRotationAngle(int degrees);
  double RotationRadians() const { return rotationRadians_; }
  TColor CircleBackColor() const { return circleBackColor_; }
  void SetCircleBackColor(TColor v);

  const platform::TRect& PieRect() const { return pieRect_; }
  int RadiusX() const { return radiusX_; }
  int RadiusY() const { return radiusY_; }
  int CenterX() const { return centerX_; }
  int CenterY() const { return centerY_; }
  int PieWidth() const { return pieWidth_; }
  int PieHeight() const { return pieHeight_; }

  platform::TPoint PointAtAngle(double angle, int radiusX, int radiusY) const;
  double AngleAtPoint(int x, int y) const;

  // The chart panel this series draws on, or null.
  TCustomChart* Chart() const;

 protected:
  void SetPieRect(const platform::TRect& r) { pieRect_ = r; }
  // Evens out and enforces a 4-pixel minimum; derives size and centre.
  void NormalizePieRect();
  void ComputeRadii();
  // The geometry step: the pie's rectangle within the plot, room for marks, circle.
  void AdjustCircleRect();
  // Width of the widest mark text, in the canvas font.
  virtual int MaxMarkWidth();

  int radiusX_ = 0, radiusY_ = 0;

 private:
  template <typename T>
  void StoreProp(T& field, const T& v) {
    if (field == v) return;
    field = v;
    Repaint();
  }
  bool circled_ = false;
  int customXRadius_ = 0, customYRadius_ = 0;
  int rotationAngle_ = 0;
  double rotationRadians_ = 0;
  TColor circleBackColor_ = clDefault;
  platform::TRect pieRect_{};
  int centerX_ = 0, centerY_ = 0, pieWidth_ = 0, pieHeight_ = 0;
};

}  // namespace pg::engine
