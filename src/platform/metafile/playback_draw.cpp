// Lines, shapes and paths of the playback, mapped to device pixels.
#include <algorithm>
#include <climits>
#include <cmath>
#include <functional>
#include <optional>

#include "platform/bitmap.h"
#include "platform/hatch_patterns.h"
#include "platform/metafile/curves.h"
#include "platform/metafile/dashes.h"
#include "platform/metafile/clip_combine.h"
#include "platform/metafile/pixel_outlines.h"
#include "platform/metafile/playback.h"
#include "platform/metafile/stroker.h"

namespace pg::platform::metafile {

namespace {

PenStyle DcPenStyle(std::uint32_t style) {
  switch (style & kPsStyleMask) {
    case kPsDash: return PenStyle::psDash;
    case kPsDot: return PenStyle::psDot;
    case kPsDashDot: return PenStyle::psDashDot;
    case kPsDashDotDot: return PenStyle::psDashDotDot;
    case kPsNull: return PenStyle::psClear;
    case kPsInsideFrame: return PenStyle::psInsideFrame;
    case kPsAlternate: return PenStyle::psAlternate;
    default: return PenStyle::psSolid;
  }
}

bool SamePen(const Pen& a, const Pen& b) {
  return a.style == b.style && a.width == b.width && a.color == b.color && a.mode == b.mode;
}
bool SameBrush(const Brush& a, const Brush& b) {
  return a.style == b.style && a.color == b.color && a.pattern == b.pattern;
}

}  // namespace

double Playback::PenDeviceWidth() {
  // Cosmetic pens come with width 0: one pixel whatever the scale.
  const PenObject& p = state_.pen;
  if (p.width <= 0) return 1;
  // GDI maps the width as a length along x: under a stretch that is not the
  // same both ways, the pen takes the horizontal scale.
  const PointD along = ToDevice().ApplyLinear({p.width, 0});
  return std::max(1.0, std::hypot(along.x, along.y));
}

bool Playback::PenNeedsOutline() {
  const std::uint32_t s = state_.pen.style;
  return PenShows() && PenDeviceWidth() >= 1.5 &&
         ((s & kPsEndCapMask) != kPsEndCapRound || (s & kPsJoinMask) != kPsJoinRound || !GeometricDashes().empty());
}

void Playback::UseAttributes() {
  dc_.SetBkMode(state_.bkMode);
  dc_.SetBkColor(state_.bkColor);
  dc_.SetTextColor(state_.textColor);
  dc_.SetPolyFillMode(state_.fillMode);
}

void Playback::UsePen() {
  Pen pen;
  pen.style = DcPenStyle(state_.pen.style);
  const double w = PenDeviceWidth();
  pen.width = static_cast<int>(std::lround(std::min<double>(w, DeviceContext::kMaxPenWidth)));
  pen.color = state_.pen.color;
  pen.mode = static_cast<PenMode>(std::clamp(state_.rop2, 1, 16));
  if (!SamePen(pen, dc_.GetPen())) dc_.SetPen(pen);
  UseAttributes();
}

void Playback::UseNoPen() {
  Pen pen;
  pen.style = PenStyle::psClear;
  pen.mode = static_cast<PenMode>(std::clamp(state_.rop2, 1, 16));
  if (!SamePen(pen, dc_.GetPen())) dc_.SetPen(pen);
  UseAttributes();
}

void Playback::UseBrush(const BrushObject& b) {
  Brush brush;
  brush.color = b.color;
  if (b.Null()) {
    brush.style = BrushStyle::bsClear;
  } else if (b.pattern) {
    brush.pattern = b.pattern.get();
  } else if (b.kind == kBsHatched) {
    brush.style = HatchStyle(b.hatch);
  }
  if (!SameBrush(brush, dc_.GetBrush())) dc_.SetBrush(brush);
}

bool Playback::AffordOutline(std::span<const PointD> points, bool closed, bool traced) {
  // The context steps a line pixel by pixel even where it runs off the surface
  // (up to a length past which it cuts the line first), and traces a box
  // shape's whole outline: a huge outline costs its length, and a wide pen
  // lays its width at every step.
  const double kUncut = traced ? 1e12 : 32768;
  double steps = 0;
  for (std::size_t i = 0; i + 1 < points.size() + (closed ? 1 : 0); ++i) {
    const PointD a = points[i], b = points[(i + 1) % points.size()];
    const double d = std::max(std::fabs(b.x - a.x), std::fabs(b.y - a.y));
    steps += std::isfinite(d) ? std::min(d, kUncut) : kUncut;
  }
  const double width = PenShows() ? std::min<double>(PenDeviceWidth(), DeviceContext::kMaxPenWidth) : 1;
  steps *= std::max(1.0, width / 4);
  const auto cost = static_cast<long long>(std::min(traced ? steps / 2 : steps / 4, 1e15));
  if (cost > budget_ - work_) return false;
  Charge(cost);
  return true;
}

std::vector<double> Playback::GeometricDashes() {
  const PenObject& p = state_.pen;
  const std::uint32_t kind = p.style & kPsStyleMask;
  if (!(p.style & kPsGeometric) || kind == kPsSolid || kind == kPsInsideFrame || kind == kPsNull) return {};
  const double width = PenDeviceWidth();
  if (!(width >= 1.5)) return {};  // the context's own dotted lines
  return DashPattern(p.style, width, p.dashes);
}

void Playback::StrokeDevice(std::span<const PointD> points, bool closed) {
  if (!PenShows() || points.size() < 2) return;
  Charge(static_cast<long long>(points.size()));
  if (!AffordOutline(points, closed)) return;
  if (const auto pattern = GeometricDashes(); !pattern.empty()) {
    // Each dash its own stroke, with the pen's ends and joins.
    constexpr std::size_t kMaxDashes = 20000;
    std::vector<std::vector<TPoint>> rings;
    for (const auto& piece : DashPieces(points, closed, pattern, kMaxDashes)) {
      Charge(16);
      for (const auto& ring : StrokeOutline(piece, false, PenDeviceWidth(), state_.pen.style, state_.miterLimit))
        rings.push_back(Pixels(ring));
    }
    if (rings.empty() || Spent()) return;
    UseNoPen();
    UseBrush(BrushObject{kBsSolid, 0, state_.pen.color, nullptr});
    dc_.SetPolyFillMode(kWinding);
    dc_.Polygon(Bridged(rings));
    return;
  }
  if (PenNeedsOutline()) {
    const auto pieces = StrokeOutline(points, closed, PenDeviceWidth(), state_.pen.style, state_.miterLimit);
    std::vector<std::vector<TPoint>> rings;
    for (const auto& piece : pieces) rings.push_back(Pixels(piece));
    UseNoPen();
    UseBrush(BrushObject{kBsSolid, 0, state_.pen.color, nullptr});
    dc_.SetPolyFillMode(kWinding);
    dc_.Polygon(Bridged(rings));
    return;
  }
  UsePen();
  if (const auto far = FarSegmentsCut(points, closed)) {
    for (const auto& piece : *far) dc_.Polyline(Pixels(piece));
    return;
  }
  std::vector<TPoint> px = Pixels(points);
  if (closed) px.push_back(px.front());
  dc_.Polyline(px);
}

std::optional<std::vector<std::vector<PointD>>> Playback::FarSegmentsCut(std::span<const PointD> points,
                                                                         bool closed) const {
  // The context steps a line of up to 32768 pixels whole, where it shows or
  // not: a line far longer than the surface is cut to the surface's
  // neighbourhood first (its shown pixels may then move by one).
  if (surface_.cx >= kAnySurface.cx || points.size() < 2) return std::nullopt;
  const double far = 2.0 * (surface_.cx + surface_.cy) + 256, margin = 64;
  const std::size_t n = points.size() + (closed ? 1 : 0) - 1;
  bool any = false;
  for (std::size_t i = 0; i < n && !any; ++i) {
    const PointD a = points[i], b = points[(i + 1) % points.size()];
    any = !(std::max(std::fabs(b.x - a.x), std::fabs(b.y - a.y)) <= far);
  }
  if (!any) return std::nullopt;
  const double left = -margin, top = -margin, right = surface_.cx + margin, bottom = surface_.cy + margin;
  std::vector<std::vector<PointD>> pieces;
  std::vector<PointD> current;
  for (std::size_t i = 0; i < n; ++i) {
    const PointD a = points[i], b = points[(i + 1) % points.size()];
    // Liang-Barsky: the part of a..b inside the neighbourhood.
    double t0 = 0, t1 = 1;
    const double dx = b.x - a.x, dy = b.y - a.y;
    bool inside = std::isfinite(dx) && std::isfinite(dy);
    for (const auto& [q, r] : {std::pair{-dx, a.x - left}, {dx, right - a.x}, {-dy, a.y - top}, {dy, bottom - a.y}}) {
      if (!inside) break;
      if (q == 0) {
        inside = r >= 0;
      } else if (q < 0) {
        t0 = std::max(t0, r / q);
      } else {
        t1 = std::min(t1, r / q);
      }
      inside = inside && t0 <= t1;
    }
    if (!inside) {
      if (current.size() >= 2) pieces.push_back(std::move(current));
      current.clear();
      continue;
    }
    const PointD from{a.x + t0 * dx, a.y + t0 * dy}, to{a.x + t1 * dx, a.y + t1 * dy};
    if (t0 > 0 || current.empty()) {
      if (current.size() >= 2) pieces.push_back(std::move(current));
      current = {from};
    }
    current.push_back(to);
    if (t1 < 1) {
      pieces.push_back(std::move(current));
      current.clear();
    }
  }
  if (current.size() >= 2) pieces.push_back(std::move(current));
  return pieces;
}

void Playback::FillDevice(std::span<const std::vector<PointD>> rings, int fillMode) {
  if (!BrushShows() || rings.empty()) return;
  std::vector<std::vector<TPoint>> px;
  for (const auto& r : rings) {
    Charge(static_cast<long long>(r.size()));
    if (r.size() >= 3) px.push_back(Pixels(r));
  }
  if (px.empty()) return;
  UseNoPen();
  UseBrush();
  dc_.SetPolyFillMode(fillMode);
  if (px.size() == 1) dc_.Polygon(px[0]);
  else dc_.Polygon(Bridged(px));
}

void Playback::FillAndStroke(std::span<const std::vector<PointD>> rings, bool stroke, bool fill) {
  if (pathOpen_) {
    for (const auto& r : rings) AddToPath(r, true, true);
    return;
  }
  if (stroke && fill && rings.size() == 1 && rings[0].size() >= 2 && !PenNeedsOutline() &&
      !FarSegmentsCut(rings[0], true)) {
    // One ring with a pen the context draws: one call, as GDI makes it.
    Charge(static_cast<long long>(rings[0].size()));
    if (!AffordOutline(rings[0], true)) {
      FillDevice(rings, state_.fillMode);
      return;
    }
    UsePen();
    UseBrush();
    dc_.Polygon(Pixels(rings[0]));
    return;
  }
  if (fill) FillDevice(rings, state_.fillMode);
  if (stroke)
    for (const auto& r : rings) StrokeDevice(r, true);
}

// --- lines -----------------------------------------------------------------

void Playback::OpenLine(std::span<const PointD> device, bool continues) {
  if (pathOpen_) AddToPath(device, false, !continues);
  else StrokeDevice(device, false);
}

void Playback::MoveTo(PointD p) {
  state_.position = p;
  if (pathOpen_) AddToPath(std::vector<PointD>{Device(p)}, false, true);
}

void Playback::LineTo(PointD p) {
  const PointD from = Device(state_.position), to = Device(p);
  state_.position = p;
  if (pathOpen_) {
    AddToPath(std::vector<PointD>{from, to}, false, false);
    return;
  }
  const PointD line[] = {from, to};
  StrokeDevice(line, false);
}

void Playback::Polyline(std::span<const PointD> points) {
  if (points.empty()) return;
  std::vector<PointD> d;
  for (const PointD& p : points) d.push_back(Device(p));
  OpenLine(d, false);
}

void Playback::PolylineTo(std::span<const PointD> points) {
  if (points.empty()) return;
  std::vector<PointD> d{Device(state_.position)};
  for (const PointD& p : points) d.push_back(Device(p));
  state_.position = points.back();
  OpenLine(d, true);
}

void Playback::PolyBezier(std::span<const PointD> points) {
  if (points.size() < 4) return;
  std::vector<PointD> control;
  for (std::size_t i = 1; i < points.size(); ++i) control.push_back(Device(points[i]));
  std::vector<PointD> d{Device(points[0])};
  FlattenBeziers(d[0], control, d);
  OpenLine(d, false);
}

void Playback::PolyBezierTo(std::span<const PointD> points) {
  if (points.size() < 3) return;
  std::vector<PointD> control;
  for (const PointD& p : points) control.push_back(Device(p));
  std::vector<PointD> d{Device(state_.position)};
  FlattenBeziers(d[0], control, d);
  state_.position = points[points.size() / 3 * 3 - 1];
  OpenLine(d, true);
}

void Playback::PolyDraw(std::span<const PointD> points, std::span<const std::uint8_t> types) {
  constexpr std::uint8_t kClose = 1, kLine = 2, kCurve = 4, kMove = 6;
  if (types.size() != points.size()) return;
  for (std::size_t i = 0; i < types.size();) {
    const std::uint8_t kind = types[i] & ~kClose;
    if (kind == kMove && types[i] == kMove) {
      ++i;
    } else if (kind == kLine) {
      ++i;
    } else if (kind == kCurve) {
      // The first two of a curve's points cannot close its figure.
      if (i + 2 >= types.size() || types[i] != kCurve || types[i + 1] != kCurve || (types[i + 2] & ~kClose) != kCurve)
        return;
      i += 3;
    } else {
      return;
    }
  }
  PointD start = state_.position;
  for (std::size_t i = 0; i < types.size();) {
    const std::uint8_t kind = types[i] & ~kClose;
    std::size_t end = i + 1;  // past the run of points drawn alike
    if (kind == kMove) {
      MoveTo(points[i]);
      start = points[i];
    } else {
      const std::size_t step = kind == kCurve ? 3 : 1;
      end = i + step;
      while (!(types[end - 1] & kClose) && end < types.size() && (types[end] & ~kClose) == kind) end += step;
      if (kind == kCurve) PolyBezierTo(points.subspan(i, end - i));
      else PolylineTo(points.subspan(i, end - i));
      if (types[end - 1] & kClose) {
        if (pathOpen_) {
          CloseFigure();
        } else {
          LineTo(start);
          state_.position = points[end - 1];
        }
      }
    }
    i = end;
  }
}

void Playback::Polygon(std::span<const PointD> points) {
  if (points.size() < 2) return;
  std::vector<std::vector<PointD>> rings(1);
  for (const PointD& p : points) rings[0].push_back(Device(p));
  FillAndStroke(rings);
}

void Playback::PolyPolygon(std::span<const PointD> points, std::span<const std::uint32_t> counts) {
  std::vector<std::vector<PointD>> rings;
  std::size_t at = 0;
  for (const std::uint32_t n : counts) {
    if (n > points.size() - at) break;
    std::vector<PointD> ring;
    for (std::size_t i = 0; i < n; ++i) ring.push_back(Device(points[at + i]));
    at += n;
    if (ring.size() >= 2) rings.push_back(std::move(ring));
  }
  if (!rings.empty()) FillAndStroke(rings);
}

void Playback::PolyPolyline(std::span<const PointD> points, std::span<const std::uint32_t> counts) {
  std::size_t at = 0;
  for (const std::uint32_t n : counts) {
    if (n > points.size() - at) break;
    Polyline(points.subspan(at, n));
    at += n;
  }
}

// --- shapes ----------------------------------------------------------------

bool Playback::BoxNatively(PointD a, PointD b, const std::function<void(const TRect&)>& draw) {
  const Affine& m = ToDevice();
  if (pathOpen_ || !m.AxisAligned() || PenNeedsOutline()) return false;
  const TPoint p = Pixel(m.Apply(a)), q = Pixel(m.Apply(b));
  Charge(8);
  // The context traces a box shape's whole outline, on the surface or not.
  const bool outlined = AffordOutline(std::vector<PointD>{{double(p.x), double(p.y)}, {double(q.x), double(p.y)}, {double(q.x), double(q.y)},
                                    {double(p.x), double(q.y)}},
                true, true);
  if (outlined) UsePen();
  else UseNoPen();
  UseBrush();
  // GDI plays an enhanced metafile in its advanced graphics mode, where boxes
  // take in their right and bottom edges.
  const int edge = advancedMode_ ? 1 : 0;
  draw(TRect{std::min(p.x, q.x), std::min(p.y, q.y), std::max(p.x, q.x) + edge, std::max(p.y, q.y) + edge});
  return true;
}

void Playback::Rectangle(PointD a, PointD b) {
  if (BoxNatively(a, b, [this](const TRect& r) { dc_.Rectangle(r.left, r.top, r.right, r.bottom); })) return;
  const Affine& m = ToDevice();
  std::vector<std::vector<PointD>> rings{{m.Apply(a), m.Apply({b.x, a.y}), m.Apply(b), m.Apply({a.x, b.y})}};
  FillAndStroke(rings);
}

void Playback::RoundRect(PointD a, PointD b, PointD corner) {
  const PointD c = ToDevice().ApplyLinear(corner);
  const int cw = HeldInt(std::fabs(c.x)), ch = HeldInt(std::fabs(c.y));
  if (BoxNatively(a, b, [&](const TRect& r) { dc_.RoundRect(r.left, r.top, r.right, r.bottom, cw, ch); })) return;
  std::vector<std::vector<PointD>> rings{RoundRectOutline(a, b, corner, ToDevice())};
  FillAndStroke(rings);
}

void Playback::Ellipse(PointD a, PointD b) {
  if (BoxNatively(a, b, [this](const TRect& r) { dc_.Ellipse(r.left, r.top, r.right, r.bottom); })) return;
  std::vector<std::vector<PointD>> rings{EllipseArc(a, b, {}, {}, false, ToDevice(), true)};
  FillAndStroke(rings);
}

void Playback::ArcShape(ArcKind kind, PointD a, PointD b, PointD start, PointD end, bool to) {
  const Affine& m = ToDevice();
  const bool clockwise = state_.clockwise;
  if (!pathOpen_ && !to && kind != ArcKind::kChord && m.AxisAligned() && !PenNeedsOutline()) {
    const TPoint p = Pixel(m.Apply(a)), q = Pixel(m.Apply(b));
    TPoint s = Pixel(m.Apply(start)), e = Pixel(m.Apply(end));
    // The context runs counter-clockwise as the device shows it.
    if (clockwise != (m.Determinant() < 0)) std::swap(s, e);
    Charge(8);
    UsePen();
    UseBrush();
    const int l = std::min(p.x, q.x), t = std::min(p.y, q.y), r = std::max(p.x, q.x), btm = std::max(p.y, q.y);
    if (kind == ArcKind::kPie) dc_.Pie(l, t, r, btm, s.x, s.y, e.x, e.y);
    else dc_.Arc(l, t, r, btm, s.x, s.y, e.x, e.y);
    return;
  }
  std::vector<PointD> arc = EllipseArc(a, b, start, end, clockwise, m);
  if (arc.empty()) return;
  if (to) {
    // ArcTo: a line from the current position to the arc's start, then the arc.
    arc.insert(arc.begin(), Device(state_.position));
    state_.position = m.Inverse().Apply(arc.back());
    OpenLine(arc, true);
    return;
  }
  if (kind == ArcKind::kArc) {
    OpenLine(arc, false);
    return;
  }
  if (kind == ArcKind::kPie) arc.push_back(m.Apply({(a.x + b.x) / 2, (a.y + b.y) / 2}));
  std::vector<std::vector<PointD>> rings{std::move(arc)};
  FillAndStroke(rings);
}

void Playback::SetPixel(PointD p, Color c) {
  const TPoint d = Pixel(Device(p));
  Charge(1);
  dc_.SetPixel(d.x, d.y, c);
}

// --- paths -----------------------------------------------------------------

void Playback::BeginPath() {
  path_.clear();
  pathOpen_ = true;
}

void Playback::AbortPath() {
  path_.clear();
  pathOpen_ = false;
}

void Playback::AddToPath(std::span<const PointD> device, bool closed, bool startNew) {
  // A path is bounded like everything else: points beyond the budget are dropped.
  Charge(static_cast<long long>(device.size()));
  if (Spent() || device.empty()) return;
  const bool fresh = startNew || path_.empty() || path_.back().closed;
  if (fresh) {
    // A figure of a lone starting point is replaced by the next one.
    if (!path_.empty() && path_.back().points.size() == 1 && !path_.back().closed) path_.pop_back();
    path_.push_back(Figure{});
  }
  auto& pts = path_.back().points;
  std::size_t from = 0;
  // A figure that goes on from its last point does not repeat it.
  if (!fresh && !pts.empty() && device.size() > 1) from = 1;
  pts.insert(pts.end(), device.begin() + static_cast<std::ptrdiff_t>(from), device.end());
  if (closed) path_.back().closed = true;
}

void Playback::CloseFigure() {
  if (!path_.empty()) path_.back().closed = true;
}

std::vector<std::vector<PointD>> Playback::PathRings() const {
  std::vector<std::vector<PointD>> rings;
  for (const Figure& f : path_)
    if (f.points.size() >= 2) rings.push_back(f.points);
  return rings;
}

void Playback::FillPath() {
  pathOpen_ = false;
  FillDevice(PathRings(), state_.fillMode);
  path_.clear();
}

void Playback::StrokePath() {
  pathOpen_ = false;
  for (const Figure& f : path_) StrokeDevice(f.points, f.closed);
  path_.clear();
}

void Playback::StrokeAndFillPath() {
  pathOpen_ = false;
  FillDevice(PathRings(), state_.fillMode);
  for (const Figure& f : path_) StrokeDevice(f.points, f.closed);
  path_.clear();
}

void Playback::WidenPath() {
  if (!PenShows()) return;
  // The stroke's pieces (bands, ends, joins) overlap, and filled by the
  // alternate rule their overlaps would be holes: the widened path is the
  // outline of the pixels they cover together, as the pen strokes them, kept
  // to the surface's neighbourhood (nothing beyond it shows).
  std::vector<std::vector<TPoint>> rings;
  TRect box{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
  for (const Figure& f : path_) {
    if (f.points.size() < 2 || !AffordOutline(f.points, f.closed)) continue;
    for (const auto& piece : StrokeOutline(f.points, f.closed, PenDeviceWidth(), state_.pen.style, state_.miterLimit)) {
      rings.push_back(Pixels(piece));
      for (const TPoint& p : rings.back())
        box = {std::min(box.left, p.x), std::min(box.top, p.y), std::max(box.right, p.x + 1), std::max(box.bottom, p.y + 1)};
    }
  }
  path_.clear();
  if (rings.empty()) return;
  box = Meet(box, TRect{-2, -2, surface_.cx + 2, surface_.cy + 2});
  const int w = box.right - box.left, h = box.bottom - box.top;
  // The mask, the fill and the walk over its pixels: about 8 steps a pixel,
  // asked before the mask is made.
  if (w <= 0 || h <= 0) return;
  Charge(8LL * w * h);
  if (Spent() || !Bitmap::SizeAllowed(w, h)) return;
  Bitmap mask(w, h);
  if (mask.Empty()) return;
  for (auto& ring : rings)
    for (TPoint& p : ring) p = {p.x - box.left, p.y - box.top};
  DeviceContext& dc = mask.Dc();
  dc.SetBrush(Brush{BrushStyle::bsSolid, 0xFFFFFF, nullptr});
  dc.FillRect(TRect{0, 0, w, h});
  dc.SetPen(Pen{PenStyle::psClear, 1, 0, PenMode::pmCopy});
  dc.SetBrush(Brush{BrushStyle::bsSolid, 0, nullptr});
  dc.SetPolyFillMode(kWinding);
  dc.Polygon(Bridged(rings));
  for (auto& figure : PixelOutlines(w, h, [&](int x, int y) { return mask.Pixel(x, y) == 0; })) {
    for (PointD& p : figure) p = {p.x + box.left, p.y + box.top};
    path_.push_back(Figure{std::move(figure), true});
  }
}

void Playback::SelectClipPath(int mode) {
  pathOpen_ = false;
  Clip c;
  c.kind = Clip::Kind::kArea;
  for (const auto& ring : PathRings()) c.rings.push_back(Pixels(ring));
  path_.clear();
  ClipWith(std::move(c), mode);
}

void Playback::FillRects(std::span<const TRect> rects, const BrushObject& brush, bool logical) {
  if (brush.Null()) return;
  const Affine& m = logical ? ToDevice() : placement_;
  std::vector<std::vector<TPoint>> rings;
  for (const TRect& r : rects) {
    rings.push_back({Pixel(m.Apply({double(r.left), double(r.top)})), Pixel(m.Apply({double(r.right), double(r.top)})),
                     Pixel(m.Apply({double(r.right), double(r.bottom)})),
                     Pixel(m.Apply({double(r.left), double(r.bottom)}))});
  }
  if (rings.empty()) return;
  Charge(static_cast<long long>(rings.size()) * 4);
  UseNoPen();
  UseBrush(brush);
  dc_.SetPolyFillMode(kWinding);
  dc_.Polygon(Bridged(rings));
}

}  // namespace pg::platform::metafile

namespace pg::platform::metafile {

void Playback::FrameRects(std::span<const TRect> rects, const BrushObject& brush, PointD stroke, bool logical) {
  // The stroke is in logical units whatever units the rectangles come in.
  const PointD d = ToDevice().ApplyLinear(stroke);
  const Affine& m = logical ? ToDevice() : placement_;
  const PointD unit = m.ApplyLinear({1, 1});
  const int sx = std::max(1, HeldInt(std::fabs(d.x / (unit.x == 0 ? 1 : unit.x)))),
            sy = std::max(1, HeldInt(std::fabs(d.y / (unit.y == 0 ? 1 : unit.y))));
  std::vector<TRect> bands;
  for (const TRect& r : rects) {
    if (r.Width() <= 0 || r.Height() <= 0) continue;
    const int w = std::min(sx, r.Width()), h = std::min(sy, r.Height());
    bands.push_back({r.left, r.top, r.right, r.top + h});
    bands.push_back({r.left, r.bottom - h, r.right, r.bottom});
    bands.push_back({r.left, r.top + h, r.left + w, r.bottom - h});
    bands.push_back({r.right - w, r.top + h, r.right, r.bottom - h});
  }
  FillRects(bands, brush, logical);
}

}  // namespace pg::platform::metafile
