#include "engine/canvas/chart_canvas3d.h"

#include <algorithm>
#include <cmath>

#include "engine/core/chart_pen.h"
#include "framework/arith.h"

namespace pg::engine {

namespace {
constexpr long double kDegToRad = 0.017453292519943295L;
}

TChartCanvas3D::TChartCanvas3D(ChangeHandler onMonochromeChange)
    : onMonochromeChange_(std::move(onMonochromeChange)) {}

TChartCanvas3D::~TChartCanvas3D() = default;

TColor TChartCanvas3D::GetBackgroundColour() const { return Target() ? Target()->GetBkColor() : clWhite; }
int TChartCanvas3D::GetBackgroundMode() const { return Target() ? Target()->GetBkMode() : platform::kOpaque; }
unsigned TChartCanvas3D::GetTextAlignment() const { return Target() ? Target()->GetTextAlign() : 0; }

void TChartCanvas3D::SetBackgroundColour(TColor c) {
  if (Target()) Target()->SetBkColor(platform::ColorToRgb(c));
}
void TChartCanvas3D::SetBackgroundMode(int mode) {
  if (Target()) Target()->SetBkMode(mode);
}
void TChartCanvas3D::SetTextAlignment(unsigned flags) {
  if (Target()) Target()->SetTextAlign(flags);
}

void TChartCanvas3D::SetMonochrome(bool v) {
  if (monochrome_ == v) return;
  monochrome_ = v;
  buffer_.reset();
  bufferStale_ = true;
  if (onMonochromeChange_) onMonochromeChange_();
}

void TChartCanvas3D::SetBufferOn(bool v) {
  if (bufferOn_ == v) return;
  bufferOn_ = v;
  if (!v) {
    buffer_.reset();
    bufferStale_ = true;
  }
}

void TChartCanvas3D::FlatPixel(int x, int y, TColor c) {
  if (Target()) Target()->SetPixel(x, y, platform::ColorToRgb(c));
}
void TChartCanvas3D::FlatArc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  if (Target()) Target()->Arc(x1, y1, x2, y2, x3, y3, x4, y4);
}
void TChartCanvas3D::FlatEllipse(int x1, int y1, int x2, int y2) {
  if (Target()) Target()->Ellipse(x1, y1, x2, y2);
}
void TChartCanvas3D::FillRectangle(const TRect& r) {
  if (Target()) Target()->FillRect(r);
}
void TChartCanvas3D::FlatLineTo(int x, int y) {
  if (Target()) Target()->LineTo(x, y);
}
void TChartCanvas3D::FlatMoveTo(int x, int y) {
  if (Target()) Target()->MoveTo(x, y);
}
void TChartCanvas3D::PieSlice(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  if (Target()) Target()->Pie(x1, y1, x2, y2, x3, y3, x4, y4);
}
void TChartCanvas3D::FlatRectangle(int left, int top, int right, int bottom) {
  if (Target()) Target()->Rectangle(left, top, right, bottom);
}
void TChartCanvas3D::FlatRoundRect(int x1, int y1, int x2, int y2, int w, int h) {
  if (Target()) Target()->RoundRect(x1, y1, x2, y2, w, h);
}
void TChartCanvas3D::FlatTextOut(int x, int y, std::string_view text) {
  if (Target()) Target()->TextOutAt(x, y, text);
}
void TChartCanvas3D::ClipToRect(const TRect& r) {
  if (Target()) Target()->ClipRect(r);
}
void TChartCanvas3D::FlatHorizLine(int x0, int x1, int y) { FlatLine(x0, y, x1, y); }
void TChartCanvas3D::FlatVertLine(int x, int y0, int y1) { FlatLine(x, y0, x, y1); }
void TChartCanvas3D::FlatLine(int x0, int y0, int x1, int y1) {
  if (!Target()) return;
  Target()->MoveTo(x0, y0);
  Target()->LineTo(x1, y1);
}
void TChartCanvas3D::FlatPolygon(std::span<const TPoint> points) {
  if (Target()) Target()->Polygon(points);
}
void TChartCanvas3D::Unclip() {
  if (Target()) Target()->RemoveClip();
}

void TChartCanvas3D::DrawPicture(int x, int y, const platform::Bitmap* picture) {
  if (!Target() || !picture || picture->Empty()) return;
  // One-bit pictures take these two colours.
  Target()->SetBkColor(platform::ColorToRgb(Brush().color));
  Target()->SetTextColor(platform::ColorToRgb(Font().color));
  Target()->BitBlt(x, y, picture->Width(), picture->Height(), *picture, 0, 0);
}

void TChartCanvas3D::StretchPicture(const TRect& r, const platform::Bitmap* picture) {
  if (!Target() || !picture || picture->Empty()) return;
  Target()->StretchBlt(r, *picture, TRect{0, 0, picture->Width(), picture->Height()});
}

TRect TChartCanvas3D::BeginView(platform::DeviceContext& target, const TView3DOptions* options, bool is3D,
                                const TRect& rect) {
  viewRect_ = rect;
  options_ = options;
  view_.projectionOn = is3D;
  view_.obliqueMode = false;
  view_.scaleFactor = 1.0;
  if (view_.projectionOn && options_) {
    view_.obliqueMode = options_->Orthogonal();
    view_.scaleFactor = options_->Zoom() * 0.01;
    scaleText_ = options_->ZoomText();
    if (!view_.obliqueMode) ComputeCoefficients();
  }
  window_ = &target;
  if (!bufferOn_) {
    SetTarget(&target);
    return rect;
  }
  const int w = rect.Width(), h = rect.Height();
  if (buffer_ && (buffer_->Width() != w || buffer_->Height() != h)) buffer_.reset();
  if (!buffer_) buffer_ = std::make_unique<platform::Bitmap>(w, h, monochrome_ ? 1 : 32);
  if (buffer_->Empty()) {
    // Too large to buffer: this paint draws on the target itself.
    buffer_.reset();
    SetTarget(&target);
    return rect;
  }
  SetTarget(&buffer_->Dc());
  return TRect{0, 0, w, h};
}

void TChartCanvas3D::ComputeCoefficients() {
  const long double e = options_->Elevation() * kDegToRad, r = options_->Rotation() * kDegToRad,
                    t = options_->Tilt() * kDegToRad;
  const long double sE = std::sin(e), cE = std::cos(e), sR = std::sin(r), cR = std::cos(r), sT = std::sin(t),
                    cT = std::cos(t);
  view_.perspectiveFactor = 0;
  // The floor keeps UnprojectPoint from dividing by zero.
  view_.rxx = static_cast<double>(std::max(sR * sE * sT + cR * cT, 0.00001L));
  view_.rxy = static_cast<double>(cE * sT);
  view_.rxz = static_cast<double>(cR * sE * sT - cT * sR);
  view_.ryx = static_cast<double>(cT * sR * sE - cR * sT);
  view_.ryy = static_cast<double>(std::max(cE * cT, 0.00001L));
  view_.ryz = static_cast<double>(cR * cT * sE + sR * sT);
  view_.pdx = static_cast<double>(cE * sR);
  view_.pdy = static_cast<double>(sE);
  view_.pdz = static_cast<double>(cR * cE);
}

void TChartCanvas3D::SetProjectionCenter(int chartDepth, const TRect&, const TRect& plotRect) {
  view_.pivotX = Div(plotRect.left + plotRect.right, 2);
  view_.pivotY = Div(plotRect.top + plotRect.bottom, 2);
  view_.pivotZ = Div(chartDepth, 2);
  view_.screenPivotX = view_.pivotX;
  view_.screenPivotY = view_.pivotY;
  if (options_) {
    // Offsets are any integers a script gives; they wrap as the engine's integers do.
    view_.screenPivotX = WrapAdd(view_.screenPivotX, options_->HorizOffset());
    view_.screenPivotY = WrapAdd(view_.screenPivotY, options_->VertOffset());
    if (options_->Perspective() > 0) view_.perspectiveFactor = options_->Perspective() / 35000.0;
  }
}

namespace {
// Projected points of extreme views land far off any picture but stay well
// inside the integer range, so the sizes later added to them cannot overflow.
constexpr std::int64_t kFarCoordinate = 1 << 29;
int Place(int offset, int pivot) {
  return static_cast<int>(
      std::clamp<std::int64_t>(static_cast<std::int64_t>(offset) + pivot, -kFarCoordinate, kFarCoordinate));
}
}  // namespace

TPoint TChartCanvas3D::ProjectPoint(int x, int y, int z) const {
  const auto& v = view_;
  if (v.obliqueMode) {
    return TPoint{Place(Round(v.scaleFactor * (static_cast<double>(x) + z - v.pivotX)), v.screenPivotX),
                  Place(Round((static_cast<double>(y) - v.pivotY - z) * v.scaleFactor), v.screenPivotY)};
  }
  if (!v.projectionOn) return TPoint{x, y};
  const double dx = static_cast<double>(x) - v.pivotX, dy = static_cast<double>(y) - v.pivotY,
               dz = static_cast<double>(z) - v.pivotZ;
  double f = v.scaleFactor;
  if (v.perspectiveFactor > 0) f = v.scaleFactor * (1 - v.perspectiveFactor * (dx * v.pdx - dy * v.pdy + dz * v.pdz));
  return TPoint{Place(Round((dx * v.rxx + dy * v.rxy + dz * v.rxz) * f), v.screenPivotX),
                Place(Round((dx * v.ryx + dy * v.ryy + dz * v.ryz) * f), v.screenPivotY)};
}

void TChartCanvas3D::UnprojectPoint(int xp, int yp, int z, int& x, int& y) const {
  const auto& v = view_;
  if (v.scaleFactor == 0) return;
  const double g = 1 / v.scaleFactor;
  // Differences in doubles and sums that wrap: a wrapped pivot must not overflow here.
  const double sx = static_cast<double>(xp) - v.screenPivotX, sy = static_cast<double>(yp) - v.screenPivotY;
  if (v.obliqueMode) {
    x = WrapSub(WrapAdd(Round(g * sx), v.pivotX), z);
    y = WrapAdd(WrapAdd(z, Round(g * sy)), v.pivotY);
  } else if (v.projectionOn) {
    if (v.rxx == 0 || v.ryy == 0) return;
    const double dz = static_cast<double>(z) - v.pivotZ;
    x = WrapAdd(Round((g * sx - dz * v.rxz - (static_cast<double>(yp) - v.pivotY) * v.rxy) / v.rxx), v.pivotX);
    y = WrapAdd(Round((g * sy - dz * v.ryz - (static_cast<double>(xp) - v.pivotX) * v.ryx) / v.ryy), v.pivotY);
  } else {
    x = xp;
    y = yp;
  }
}

void TChartCanvas3D::PresentView(platform::DeviceContext& destination, platform::DeviceContext& window,
                                 const TRect& rect) {
  if (bufferOn_ && buffer_) {
    destination.BitBlt(rect.left, rect.top, buffer_->Width(), buffer_->Height(), *buffer_, 0, 0);
    bufferStale_ = false;
  }
  window_ = &window;
  SetTarget(&window);
}

bool TChartCanvas3D::RepaintFromBuffer() {
  if (bufferStale_ || !buffer_ || !window_) return false;
  SetTarget(window_);
  window_->BitBlt(0, 0, buffer_->Width(), buffer_->Height(), *buffer_, 0, 0);
  return true;
}

void TChartCanvas3D::ClipChartBox(const TRect& r, int zMin, int zMax) {
  if (!view_.projectionOn) {
    ClipToRect(TRect{r.left + 1, r.top + 1, r.right, r.bottom - 1});
    return;
  }
  const TPoint box[4] = {ProjectPoint(r.left, r.top, zMax), ProjectPoint(r.right, r.top, zMax),
                         ProjectPoint(r.right, r.bottom, zMin), ProjectPoint(r.left, r.bottom, zMin)};
  if (Target()) Target()->ClipPolygon(box);
}

void TChartCanvas3D::BeginFlatDrawing() {
  view_.savedProjectionOn = view_.projectionOn;
  view_.projectionOn = false;
}

void TChartCanvas3D::EndFlatDrawing() { view_.projectionOn = view_.savedProjectionOn; }

void TChartCanvas3D::LineAtDepth(int x0, int y0, int x1, int y1, int z) {
  const TPoint a = ProjectPoint(x0, y0, z), b = ProjectPoint(x1, y1, z);
  FlatLine(a.x, a.y, b.x, b.y);
}

void TChartCanvas3D::RectangleAtDepth(const TRect& r, int z) {
  const TPoint pts[4] = {ProjectPoint(r.left, r.top, z), ProjectPoint(r.right, r.top, z),
                         ProjectPoint(r.right, r.bottom, z), ProjectPoint(r.left, r.bottom, z)};
  FlatPolygon(pts);
}

void TChartCanvas3D::TextOutAtDepth(int x, int y, int z, std::string_view text) {
  const TPoint p = ProjectPoint(x, y, z);
  if (!scaleText_ || view_.scaleFactor == 1.0) {
    FlatTextOut(p.x, p.y, text);
    return;
  }
  const int size = std::max(1, Round(Font().size * view_.scaleFactor));
  if (size == Font().size) {
    FlatTextOut(p.x, p.y, text);
    return;
  }
  TFontSpec zoomed = Font();
  zoomed.size = size;
  SelectTemporaryFont(ToPlatformFont(zoomed, PixelsPerInch()));
  FlatTextOut(p.x, p.y, text);
  RestoreFont();
}

}  // namespace pg::engine
