#include "platform/soft/soft_device_context.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "platform/bitmap.h"
#include "platform/soft/picture/color_reduction.h"
#include "platform/hatch_patterns.h"
#include "platform/soft/raster/block_fill.h"
#include "platform/soft/raster/coord_clamp.h"
#include "platform/soft/raster/line_raster.h"
#include "platform/soft/raster/row_line.h"
#include "platform/soft/raster/shape_raster.h"
#include "platform/soft/raster/wide_line.h"

namespace pg::platform::soft {

namespace {

// Into buffers kept from shape to shape, so that a shape allocates nothing.
std::span<const TPoint> ClampAll(std::span<const TPoint> points) {
  static std::vector<TPoint> out;
  out.clear();
  for (const TPoint& p : points) out.push_back(Clamp(p));
  return out;
}

TRect Intersect(const TRect& a, const TRect& b) {
  TRect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
  if (r.right < r.left) r.right = r.left;
  if (r.bottom < r.top) r.bottom = r.top;
  return r;
}

TRect Inflate(const TRect& r, int d) { return TRect{r.left - d, r.top - d, r.right + d, r.bottom + d}; }

TRect BoxOf(std::span<const TPoint> points) {
  if (points.empty()) return {};
  TRect b{points[0].x, points[0].y, points[0].x + 1, points[0].y + 1};
  for (const TPoint& p : points) {
    b.left = std::min(b.left, p.x);
    b.top = std::min(b.top, p.y);
    b.right = std::max(b.right, p.x + 1);
    b.bottom = std::max(b.bottom, p.y + 1);
  }
  return b;
}

}  // namespace

SoftDeviceContext::SoftDeviceContext(Surface& surface) : surface_(surface) {
  PenChanged();
  BrushChanged();
  FontChanged();
}

// Wide pens draw solid whatever their style; the alternate pen is never wide.
void SoftDeviceContext::PenChanged() { dash_ = DashWalker(PenWidth() > 1 ? PenStyle::psSolid : GetPen().style); }

void SoftDeviceContext::BrushChanged() {
  pattern_.clear();
  patternWidth_ = patternHeight_ = 0;
  const Bitmap* pattern = GetBrush().pattern;
  if (!pattern || pattern->Empty()) return;
  patternWidth_ = pattern->Width();
  patternHeight_ = pattern->Height();
  pattern_.resize(static_cast<std::size_t>(patternWidth_) * patternHeight_);
  for (int y = 0; y < patternHeight_; ++y)
    for (int x = 0; x < patternWidth_; ++x) {
      const std::uint32_t p = pattern->Pixel(x, y);
      pattern_[static_cast<std::size_t>(y) * patternWidth_ + x] = surface_.Mono() ? ReduceCopiedColor(p) : p;
    }
}

void SoftDeviceContext::FontChanged() { fontResolved_ = false; }

const ResolvedFont* SoftDeviceContext::Font() {
  if (!fontResolved_) {
    // Selecting the font in use again (the marks select theirs for each mark)
    // keeps it without looking it up.
    if (!font_ || !ResolvesAlike(GetFont(), resolvedFor_)) {
      font_ = ResolveFont(GetFont());
      resolvedFor_ = GetFont();
    }
    fontResolved_ = true;
  }
  return font_.get();
}

int SoftDeviceContext::PenWidth() const {
  if (GetPen().style == PenStyle::psAlternate) return 1;
  return std::max(1, GetPen().width);
}

TRect SoftDeviceContext::WorkArea(const TRect& box) const {
  const int margin = PenWidth() + 2;
  return Intersect(Inflate(Normalized(box), margin), Inflate(surface_.Bounds(), margin));
}

std::uint32_t SoftDeviceContext::DrawColor(Color c) const {
  const std::uint32_t rgb = ToPixel(ColorToRgb(c));
  return surface_.Mono() ? ReduceDrawColor(rgb, ToPixel(ColorToRgb(GetBkColor()))) : rgb;
}

PaintSource SoftDeviceContext::PenSource() const {
  PaintSource s;
  s.color = DrawColor(GetPen().color);
  return s;
}

PaintSource SoftDeviceContext::BackgroundSource() const {
  PaintSource s;
  s.color = DrawColor(GetBkColor());
  return s;
}

bool SoftDeviceContext::HasBrush() const {
  return GetBrush().pattern ? patternWidth_ > 0 : GetBrush().style != BrushStyle::bsClear;
}

PaintSource SoftDeviceContext::BrushSource() const {
  PaintSource s;
  const Brush& b = GetBrush();
  if (b.pattern) {
    s.kind = PaintSource::Kind::kPattern;
    s.pattern = &pattern_;
    s.patternWidth = patternWidth_;
    s.patternHeight = patternHeight_;
    return s;
  }
  s.color = DrawColor(b.color);
  if (const std::uint8_t* rows = HatchRows(b.style)) {
    s.kind = PaintSource::Kind::kHatch;
    s.hatch = rows;
    s.background = DrawColor(GetBkColor());
    s.opaque = GetBkMode() == kOpaque;
  }
  return s;
}

void SoftDeviceContext::PaintCoverage(const Coverage& c, const PaintSource& s, int rop) {
  Paint(surface_, c, s, rop, clip_.get());
}

void SoftDeviceContext::StrokePath(std::span<const TPoint> points, bool closed, bool restartDash) {
  if (!HasPen() || points.empty()) return;
  if (restartDash) dash_.Restart();
  const std::size_t segments = closed ? points.size() : points.size() - 1;
  const int width = PenWidth();
  const bool gapsPainted = dash_.Dashed() && dash_.GapsTakeBackground() && GetBkMode() == kOpaque;
  const bool copied = width == 1 && !gapsPainted && Rop() == kRopCopy;
  // A solid copied path on the surface, without a clip, is its lines stored
  // into the rows: nothing to cut, no box to work out (thousands of slices
  // and mark arrows are each such a path).
  if (copied && !dash_.Dashed() && !clip_ &&
      std::all_of(points.begin(), points.end(), [&](const TPoint& p) { return surface_.Contains(p.x, p.y); })) {
    const std::uint32_t color = PenSource().color;
    for (std::size_t i = 0; i < segments; ++i)
      StoreLine(surface_.Row(0), surface_.Stride(), points[i], points[(i + 1) % points.size()], false, color);
    return;
  }
  const TRect area = WorkArea(BoxOf(points));
  if (copied) {
    // A copied pixel painted twice is painted once: the line's pixels go straight
    // onto the surface, without a coverage of its box.
    struct Direct {
      DashWalker& dash;
      SpanPainter pen;
    } direct{dash_, SpanPainter(surface_, area, PenSource(), kRopCopy, clip_.get())};
    // A solid pen sets every pixel it steps: no pattern to walk.
    const bool solid = !direct.dash.Dashed();
    for (std::size_t i = 0; i < segments; ++i) {
      const TPoint a = points[i], b = points[(i + 1) % points.size()];
      if (solid)
        direct.pen.Line(a, b, false, area);
      else
        StepLine(a, b, false, area, [&direct](int x, int y) {
          if (direct.dash.Next()) direct.pen.Add(x, y);
        });
    }
    return;
  }
  // What is collected is painted on the surface alone: a wide pen's discs
  // collected around it too cost their whole area again for every point.
  const TRect shown = Intersect(area, surface_.Bounds());
  Coverage on(shown);
  // Only a dashed pen has gaps to collect.
  std::optional<Coverage> off;
  if (dash_.Dashed()) off.emplace(shown);
  // One captured reference keeps the callback within std::function's own storage:
  // a line then allocates nothing.
  struct Targets {
    DashWalker& dash;
    Coverage& on;
    std::optional<Coverage>& off;
  } targets{dash_, on, off};
  const auto plot = [&targets](int x, int y) {
    if (targets.dash.Next()) targets.on.Add(x, y);
    else if (targets.off) targets.off->Add(x, y);
  };
  for (std::size_t i = 0; i < segments; ++i) {
    const TPoint a = points[i], b = points[(i + 1) % points.size()];
    if (width > 1) {
      AddWideSegment(on, a, b, width);
      continue;
    }
    StepLine(a, b, false, area, plot);
  }
  if (off && gapsPainted) PaintCoverage(*off, BackgroundSource(), Rop());
  PaintCoverage(on, PenSource(), Rop());
}

void SoftDeviceContext::MoveTo(int x, int y) { position_ = Clamp(TPoint{x, y}); }

void SoftDeviceContext::LineTo(int x, int y) {
  // Each line starts its dash pattern afresh.
  const TPoint path[] = {position_, Clamp(TPoint{x, y})};
  StrokePath(path, false, true);
  position_ = path[1];
}

void SoftDeviceContext::Polyline(std::span<const TPoint> points) {
  if (points.size() < 2) return;
  StrokePath(ClampAll(points), false, true);
}

void SoftDeviceContext::Polygon(std::span<const TPoint> input) {
  if (input.size() < 2) return;
  const std::span<const TPoint> points = ClampAll(input);
  if (HasBrush() && points.size() >= 3)
    FillShape(WorkArea(BoxOf(points)), BrushSource(),
              [&](SpanSink& out) { AddPolygon(out, points, GetPolyFillMode()); });
  StrokePath(points, true, true);
}

void SoftDeviceContext::Rectangle(int left, int top, int right, int bottom) {
  DrawClosedShape(TRect{left, top, right, bottom}, 0, 0, false);
}

void SoftDeviceContext::RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) {
  // |INT_MIN| is no int: such a corner is as round as any beyond the box.
  const auto size = [](int v) { return v == std::numeric_limits<int>::min() ? std::numeric_limits<int>::max() : std::abs(v); };
  DrawClosedShape(TRect{left, top, right, bottom}, size(cornerWidth), size(cornerHeight), false);
}

void SoftDeviceContext::Ellipse(int left, int top, int right, int bottom) {
  DrawClosedShape(TRect{left, top, right, bottom}, 0, 0, true);
}

void SoftDeviceContext::DrawClosedShape(const TRect& box, int cornerWidth, int cornerHeight, bool ellipse) {
  const TRect b = Normalized(Clamp(box));
  cornerWidth = std::min(cornerWidth, b.Width());
  cornerHeight = std::min(cornerHeight, b.Height());
  const TRect area = WorkArea(b);
  const bool plainRect = !ellipse && (cornerWidth < 2 || cornerHeight < 2);
  auto addRegion = [&](SpanSink& c, const TRect& r, int cw, int ch) {
    if (ellipse) AddEllipse(c, r);
    else if (cw >= 2 && ch >= 2) AddRoundRect(c, r, cw, ch);
    else
      for (int y = std::max(r.top, area.top); y < std::min(r.bottom, area.bottom); ++y) c.AddSpan(y, r.left, r.right);
  };
  auto region = [&](const TRect& r, int cw, int ch) {
    Coverage c(area);
    addRegion(c, r, cw, ch);
    return c;
  };

  // A plain rectangle's fill is rows: painted directly (the legend and the marks
  // are many small rectangles). The same pixels as the coverage below gives.
  const auto fillRows = [&](const TRect& r) { PaintBlock(surface_, r, BrushSource(), Rop(), clip_.get()); };
  if (!HasPen()) {
    // Without an outline GDI fills a rectangle one pixel less to the right and bottom.
    if (HasBrush() && plainRect) fillRows(TRect{b.left, b.top, b.right - 1, b.bottom - 1});
    else if (HasBrush())
      FillShape(area, BrushSource(), [&](SpanSink& out) { addRegion(out, b, cornerWidth, cornerHeight); });
    return;
  }
  if (plainRect && (b.Width() <= 1 || b.Height() <= 1)) return;

  const int w = PenWidth();
  if (w == 1 && plainRect) {
    // Inside the one-pixel outline; GDI walks the outline from the top-right
    // corner, leftwards first.
    if (HasBrush()) fillRows(TRect{b.left + 1, b.top + 1, b.right - 1, b.bottom - 1});
    if (!dash_.Dashed() && Rop() == kRopCopy) {
      // A solid copied outline is the whole border, in whatever order it is
      // walked: four runs instead of a step per pixel (every mark has a frame).
      if (!clip_) {
        // Straight into the rows: a chart of thousands of marks spent a fifth
        // of its paint passing these runs one by one through a span sink.
        const PaintSource pen = PenSource();
        const int lastRow = b.bottom - 1, lastColumn = b.right - 1;
        PaintSpan(surface_, b.top, b.left, b.right, pen, kRopCopy, nullptr);
        const int width = surface_.Width();
        const bool leftShows = b.left >= 0 && b.left < width, rightShows = lastColumn >= 0 && lastColumn < width;
        for (int y = std::max(b.top + 1, 0); y < std::min(lastRow, surface_.Height()); ++y) {
          std::uint32_t* row = surface_.Row(y);
          if (leftShows) row[b.left] = pen.color;
          if (rightShows) row[lastColumn] = pen.color;
        }
        PaintSpan(surface_, lastRow, b.left, b.right, pen, kRopCopy, nullptr);
        return;
      }
      FillShape(area, PenSource(), [&](SpanSink& out) {
        out.AddSpan(b.top, b.left, b.right);
        for (int y = std::max(b.top + 1, area.top); y < std::min(b.bottom - 1, area.bottom); ++y) {
          out.AddSpan(y, b.left, b.left + 1);
          out.AddSpan(y, b.right - 1, b.right);
        }
        out.AddSpan(b.bottom - 1, b.left, b.right);
      });
      return;
    }
    const TPoint corners[] = {{b.right - 1, b.top}, {b.left, b.top}, {b.left, b.bottom - 1}, {b.right - 1, b.bottom - 1}};
    StrokePath(corners, true, true);
    return;
  }
  if (w == 1) {
    Coverage shape = region(b, cornerWidth, cornerHeight);
    Coverage edge = Outline(shape);
    shape.Subtract(edge);
    if (HasBrush()) PaintCoverage(shape, BrushSource(), Rop());
    if (!dash_.Dashed()) {
      PaintCoverage(edge, PenSource(), Rop());
      return;
    }
    // Dashes run counter-clockwise round the outline from its right-hand point.
    std::vector<std::pair<double, TPoint>> ordered;
    const double cx = (b.left + b.right) / 2.0, cy = (b.top + b.bottom) / 2.0;
    edge.ForEachSpan([&](int y, int x0, int x1) {
      for (int x = x0; x < x1; ++x) {
        double a = std::atan2(cy - (y + 0.5), x + 0.5 - cx);
        if (a < 0) a += 2 * 3.14159265358979323846;
        ordered.push_back({a, TPoint{x, y}});
      }
    });
    std::sort(ordered.begin(), ordered.end(), [](const auto& l, const auto& r) { return l.first < r.first; });
    dash_.Restart();
    Coverage on(area), off(area);
    for (const auto& [angle, p] : ordered) {
      if (dash_.Next()) on.Add(p.x, p.y);
      else off.Add(p.x, p.y);
    }
    if (dash_.GapsTakeBackground() && GetBkMode() == kOpaque) PaintCoverage(off, BackgroundSource(), Rop());
    PaintCoverage(on, PenSource(), Rop());
    return;
  }

  // A wide pen: a band centred on the outline, or inside the box for the
  // inside-frame style; outer corners of rectangles are rounded like a round join.
  const bool inside = GetPen().style == PenStyle::psInsideFrame;
  const int h = w / 2;
  const TRect outer = inside ? b : TRect{b.left - h, b.top - h, b.right + w - 1 - h, b.bottom + w - 1 - h};
  const TRect inner = inside ? TRect{b.left + w, b.top + w, b.right - w, b.bottom - w}
                             : TRect{b.left + w - h, b.top + w - h, b.right - 1 - h, b.bottom - 1 - h};
  const int outerCw = plainRect ? w : cornerWidth + (inside ? 0 : w - 1);
  const int outerCh = plainRect ? w : cornerHeight + (inside ? 0 : w - 1);
  const int innerCw = plainRect ? 0 : std::max(0, cornerWidth - (inside ? 2 * w : w + 1));
  const int innerCh = plainRect ? 0 : std::max(0, cornerHeight - (inside ? 2 * w : w + 1));
  if (plainRect) {
    // Rows straight onto the surface: the band is the rounded outer box less the
    // inner rectangle, whose rows lie within the outer box's straight part. Only
    // the surface's rows are visited, so a pen far wider than the surface costs
    // what the surface does.
    struct BandRows final : SpanSink {
      SoftDeviceContext& dc;
      TRect bounds, inner;
      PaintSource pen, brush;
      bool fill;
      const TRect& Bounds() const override { return bounds; }
      void AddSpan(int y, int x0, int x1) override {
        x0 = std::max(x0, bounds.left);
        x1 = std::min(x1, bounds.right);
        if (x0 >= x1) return;
        auto paint = [&](int from, int to, const PaintSource& s) {
          if (from < to) PaintSpan(dc.surface_, y, from, to, s, dc.Rop(), dc.clip_.get());
        };
        if (y < inner.top || y >= inner.bottom || inner.left >= inner.right) {
          paint(x0, x1, pen);
          return;
        }
        paint(x0, std::min(x1, inner.left), pen);
        if (fill) paint(std::max(x0, inner.left), std::min(x1, inner.right), brush);
        paint(std::max(x0, inner.right), x1, pen);
      }
      BandRows(SoftDeviceContext& d, const TRect& b, const TRect& i, bool f)
          : dc(d), bounds(b), inner(i), pen(d.PenSource()), fill(f) {
        if (fill) brush = d.BrushSource();
      }
    } rows(*this, Intersect(area, surface_.Bounds()), inner, HasBrush());
    AddRoundRect(rows, outer, outerCw, outerCh);
    return;
  }
  Coverage band = region(outer, outerCw, outerCh);
  Coverage fill(area);
  if (inner.right > inner.left && inner.bottom > inner.top) fill = region(inner, innerCw, innerCh);
  band.Subtract(fill);
  if (HasBrush()) PaintCoverage(fill, BrushSource(), Rop());
  PaintCoverage(band, PenSource(), Rop());
}

void SoftDeviceContext::FillRect(const TRect& r) {
  if (!HasBrush()) return;
  const TRect area = Intersect(Normalized(Clamp(r)), surface_.Bounds());
  // A rectangle is its rows: painted directly, without collecting a coverage first.
  PaintBlock(surface_, area, BrushSource(), kRopCopy, clip_.get());
}

void SoftDeviceContext::SetPixel(int x, int y, Color c) {
  if (!surface_.Contains(x, y) || (clip_ && !clip_->Has(x, y))) return;
  const std::uint32_t rgb = ToPixel(ColorToRgb(c));
  surface_.Row(y)[x] = surface_.Mono() ? ReduceCopiedColor(rgb) : rgb;
}

std::uint32_t SoftDeviceContext::GetPixel(int x, int y) const {
  return surface_.Contains(x, y) ? surface_.At(x, y) : 0;
}

void SoftDeviceContext::ClipRect(const TRect& r) {
  const TRect area = Intersect(Normalized(Clamp(r)), surface_.Bounds());
  clip_ = std::make_unique<Coverage>(surface_.Bounds());
  for (int y = area.top; y < area.bottom; ++y) clip_->AddSpan(y, area.left, area.right);
}

void SoftDeviceContext::ClipPolygon(std::span<const TPoint> points) {
  clip_ = std::make_unique<Coverage>(surface_.Bounds());
  AddPolygon(*clip_, ClampAll(points), kAlternate);
}

void SoftDeviceContext::RemoveClip() { clip_.reset(); }

}  // namespace pg::platform::soft
