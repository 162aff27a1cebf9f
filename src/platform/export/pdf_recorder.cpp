#include "platform/export/pdf_recorder.h"

#include <cairo-pdf.h>

#include <algorithm>
#include <functional>
#include <array>
#include <cmath>
#include <numbers>
#include <utility>

#include "platform/codepage_table.h"
#include "platform/export/pdf_structure.h"
#include "platform/export/recording_context.h"

namespace pg::platform {

namespace {

// 96 pixels to the inch on a page of 72 points to the inch.
constexpr double kPointsPerPixel = 0.75;
// Readers take pages of at most 14 400 points (200 inches) a side.
constexpr int kMaxPageSide = 19200;

// cairo keeps paths in 24.8 fixed point of points: coordinates beyond this
// wrap. Nothing this far out is on a page.
constexpr double kCoordLimit = 4.0e6;
double C(double v) { return std::clamp(v, -kCoordLimit, kCoordLimit); }

// Strokes are this much (in pixels) narrower than their pens. Rasterizers that
// count a sample on a shape's far edge as inside (poppler's does, for a path
// with any slanted segment) shade the next pixel beside a line exactly one pixel
// wide; a line this little narrower covers the same pixels, and nobody can see
// the difference in print.
constexpr double kStrokeInset = 1.0 / 256;

// No exception may cross cairo's C frames: a failed append fails the file.
cairo_status_t AppendBytes(void* closure, const unsigned char* data, unsigned int length) {
  try {
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
  } catch (...) {
    return CAIRO_STATUS_WRITE_ERROR;
  }
}

TRect Normalized(int left, int top, int right, int bottom) {
  return TRect{std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
}

TRect BoundsOf(std::span<const TPoint> points, int margin) {
  const TRect r = PointExtent(points);
  auto grow = [](int v, int by) { return static_cast<int>(std::clamp<long long>(static_cast<long long>(v) + by, INT32_MIN, INT32_MAX)); };
  return TRect{grow(r.left, -margin), grow(r.top, -margin), grow(r.right, margin + 1), grow(r.bottom, margin + 1)};
}

TRect Grown(const TRect& r, int margin) { return BoundsOf(std::array{TPoint{r.left, r.top}, TPoint{r.right, r.bottom}}, margin); }

// An elliptic arc of the ellipse centred at (cx, cy) with radii rx, ry, from
// angle a1 to a2 of its circle, counter-clockwise on the page (y runs down) or
// clockwise; a line across a flat ellipse.
void EllipseArc(cairo_t* cr, double cx, double cy, double rx, double ry, double a1, double a2, bool counterClockwise) {
  if (rx < 1e-6 || ry < 1e-6) {
    cairo_line_to(cr, C(cx + rx * std::cos(a1)), C(cy + ry * std::sin(a1)));
    cairo_line_to(cr, C(cx + rx * std::cos(a2)), C(cy + ry * std::sin(a2)));
    return;
  }
  cairo_save(cr);
  cairo_translate(cr, C(cx), C(cy));
  cairo_scale(cr, std::min(rx, kCoordLimit), std::min(ry, kCoordLimit));
  if (counterClockwise)
    cairo_arc_negative(cr, 0, 0, 1, a1, a2);
  else
    cairo_arc(cr, 0, 0, 1, a1, a2);
  cairo_restore(cr);
}

// The pixel-centre box of a GDI shape drawn in (left, top, right, bottom).
struct CentreBox {
  double cx, cy, rx, ry;
  CentreBox(const TRect& r)
      : cx((static_cast<double>(r.left) + r.right) / 2), cy((static_cast<double>(r.top) + r.bottom) / 2),
        rx(std::max(0.0, (static_cast<double>(r.right) - r.left - 1) / 2)),
        ry(std::max(0.0, (static_cast<double>(r.bottom) - r.top - 1) / 2)) {}
  // The angle on the ellipse's circle of the radial through pixel (x, y).
  double AngleOf(int x, int y) const {
    const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
    return std::atan2(ry > 1e-6 ? dy / ry : dy, rx > 1e-6 ? dx / rx : dx);
  }
  // The angles from radial (x3, y3) counter-clockwise to radial (x4, y4); the
  // same radial twice is the whole ellipse.
  std::pair<double, double> Sweep(int x3, int y3, int x4, int y4) const {
    const double a1 = AngleOf(x3, y3), a2 = AngleOf(x4, y4);
    return {a1, a2 == a1 ? a1 - 2 * std::numbers::pi : a2};
  }
};

// GDI's cosmetic dash patterns in pixels.
std::span<const double> DashesOf(PenStyle style) {
  static constexpr double kDash[] = {18, 6}, kDot[] = {3, 3}, kDashDot[] = {9, 6, 3, 6},
                          kDashDotDot[] = {9, 3, 3, 3, 3, 3}, kAlternate[] = {1, 1};
  switch (style) {
    case PenStyle::psDash: return kDash;
    case PenStyle::psDot: return kDot;
    case PenStyle::psDashDot: return kDashDot;
    case PenStyle::psDashDotDot: return kDashDotDot;
    case PenStyle::psAlternate: return kAlternate;
    default: return {};
  }
}

struct SurfaceDeleter {
  void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
using SurfacePtr = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;

// An image of the bitmap's pixels; transparent where `other` (the same drawing
// on another ground) differs.
SurfacePtr ImageOf(const Bitmap& bitmap, const Bitmap* other) {
  const int w = bitmap.Width(), h = bitmap.Height();
  SurfacePtr image(cairo_image_surface_create(other ? CAIRO_FORMAT_ARGB32 : CAIRO_FORMAT_RGB24, w, h));
  if (cairo_surface_status(image.get()) != CAIRO_STATUS_SUCCESS) return nullptr;
  cairo_surface_flush(image.get());
  unsigned char* data = cairo_image_surface_get_data(image.get());
  const int stride = cairo_image_surface_get_stride(image.get());
  for (int y = 0; y < h; ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
    for (int x = 0; x < w; ++x) {
      const std::uint32_t p = bitmap.Pixel(x, y);
      row[x] = other && other->Pixel(x, y) != p ? 0u : 0xFF000000u | p;
    }
  }
  cairo_surface_mark_dirty(image.get());
  return image;
}

}  // namespace

PdfRecorder::PdfRecorder(int width, int height, const PdfDocumentInfo& info)
    : width_(std::clamp(width, 1, kMaxPageSide)),
      height_(std::clamp(height, 1, kMaxPageSide)),
      info_(info),
      fills_([this](const SolidFill& f) { WriteFill(f); }) {
  // The raster for measures and read-backs stays small on a huge page: beyond
  // it GetPixel answers 0, as outside any surface.
  constexpr long long kMaxRasterPixels = 1LL << 21;
  int rw = width_, rh = height_;
  Bitmap::FitAllowedSize(rw, rh);
  if (static_cast<long long>(rw) * rh > kMaxRasterPixels) rh = static_cast<int>(std::max(1LL, kMaxRasterPixels / rw));
  raster_ = std::make_unique<Bitmap>(rw, rh);
  surface_ = cairo_pdf_surface_create_for_stream(AppendBytes, &bytes_, width_ * kPointsPerPixel,
                                                 height_ * kPointsPerPixel);
  if (cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS) return;
  // What cairo cannot write as vectors it draws as an image at this resolution:
  // the chart's own pixels, not 300 dpi over the whole page.
  cairo_surface_set_fallback_resolution(surface_, 96, 96);
  if (!info_.titleUtf8.empty())
    cairo_pdf_surface_set_metadata(surface_, CAIRO_PDF_METADATA_TITLE, info_.titleUtf8.c_str());
  cairo_pdf_surface_set_metadata(surface_, CAIRO_PDF_METADATA_CREATOR, "Pirogram");
  cr_ = cairo_create(surface_);
  cairo_scale(cr_, kPointsPerPixel, kPointsPerPixel);
  // The whole chart is one figure: its alternate text stands for all it draws.
  cairo_tag_begin(cr_, "Document", "");
  cairo_tag_begin(cr_, "Figure", "");
  NoClip();
  // The raster's white ground: also the content that keeps the figure from
  // being empty, which cairo refuses.
  cairo_set_source_rgb(cr_, 1, 1, 1);
  cairo_rectangle(cr_, 0, 0, width_, height_);
  cairo_fill(cr_);
}

// cairo takes an opaque fill of the whole page without a clip for a new
// page's background and drops what came before, the figure's opening tag
// with it (the file then fails). A clip a pixel beyond the page keeps every
// fill a fill.
void PdfRecorder::NoClip() {
  cairo_reset_clip(cr_);
  cairo_rectangle(cr_, -1, -1, width_ + 2.0, height_ + 2.0);
  cairo_clip(cr_);
}

PdfRecorder::~PdfRecorder() {
  if (brushPattern_) cairo_pattern_destroy(brushPattern_);
  if (cr_) cairo_destroy(cr_);
  if (surface_) cairo_surface_destroy(surface_);
}

bool PdfRecorder::Finish(std::string& bytes) {
  if (!finished_) {
    finished_ = true;
    if (cr_) {
      fills_.Flush();
      cairo_tag_end(cr_, "Figure");
      cairo_tag_end(cr_, "Document");
      ok_ = cairo_status(cr_) == CAIRO_STATUS_SUCCESS;
      cairo_destroy(cr_);
      cr_ = nullptr;
      cairo_surface_finish(surface_);
      ok_ = ok_ && cairo_surface_status(surface_) == CAIRO_STATUS_SUCCESS;
      ok_ = ok_ && AddFigureTextAndLanguage(bytes_, info_.altTextUtf8, info_.lang);
    }
    if (!ok_) bytes_.clear();
  }
  bytes = bytes_;
  return ok_;
}

// ---- state ----

void PdfRecorder::PenChanged() { raster_->Dc().SetPen(GetPen()); }

void PdfRecorder::BrushChanged() {
  raster_->Dc().SetBrush(GetBrush());
  if (brushPattern_) cairo_pattern_destroy(brushPattern_);
  brushPattern_ = nullptr;
  brushPatternStale_ = true;
  const Brush& b = GetBrush();
  if (!b.pattern) return;
  // A picture brush: its tile now, while the picture is the caller's to lend.
  constexpr int kMaxTile = 256;
  int w = std::min(b.pattern->Width(), kMaxTile), h = std::min(b.pattern->Height(), kMaxTile);
  if (w < 1 || h < 1) return;
  Bitmap tile(w, h);
  tile.Dc().SetBrush(b);
  tile.Dc().FillRect(TRect{0, 0, w, h});
  if (SurfacePtr image = ImageOf(tile, nullptr)) brushPattern_ = cairo_pattern_create_for_surface(image.get());
  brushPatternStale_ = false;
}

void PdfRecorder::FontChanged() {
  raster_->Dc().SetFont(GetFont());
  face_.reset();
  faceStale_ = true;
}

void PdfRecorder::AttributesChanged() {
  DeviceContext& r = raster_->Dc();
  r.SetTextColor(GetTextColor());
  r.SetBkColor(GetBkColor());
  r.SetBkMode(GetBkMode());
  r.SetTextAlign(GetTextAlign());
  r.SetPolyFillMode(GetPolyFillMode());
  // A hatch's ground is the background colour, or nothing when transparent.
  if (!GetBrush().pattern && brushPattern_) {
    cairo_pattern_destroy(brushPattern_);
    brushPattern_ = nullptr;
    brushPatternStale_ = true;
  }
}

void PdfRecorder::SetColor(Color c) {
  const Color rgb = ColorToRgb(c);
  cairo_set_source_rgb(cr_, RedOf(rgb) / 255.0, GreenOf(rgb) / 255.0, BlueOf(rgb) / 255.0);
}

bool PdfRecorder::UseBrush() {
  const Brush& b = GetBrush();
  if (!b.pattern) {
    if (b.style == BrushStyle::bsClear) return false;
    if (b.style == BrushStyle::bsSolid) {
      SetColor(b.color);
      return true;
    }
  }
  if (brushPatternStale_) {
    // A hatch as the platform fills it, on two grounds to find its gaps when the
    // background is transparent.
    brushPatternStale_ = false;
    Bitmap onWhite(8, 8), onBlack(8, 8);
    onBlack.Dc().SetBrush(Brush{BrushStyle::bsSolid, 0, nullptr});
    onBlack.Dc().FillRect(TRect{0, 0, 8, 8});
    for (Bitmap* tile : {&onWhite, &onBlack}) {
      DeviceContext& dc = tile->Dc();
      dc.SetBkMode(GetBkMode());
      dc.SetBkColor(GetBkColor());
      dc.SetBrush(b);
      dc.FillRect(TRect{0, 0, 8, 8});
    }
    if (SurfacePtr image = ImageOf(onWhite, GetBkMode() == kTransparent ? &onBlack : nullptr))
      brushPattern_ = cairo_pattern_create_for_surface(image.get());
  }
  if (!brushPattern_) return false;
  // Tiles line up with the page's pixel grid from its origin, as GDI's do.
  cairo_pattern_set_extend(brushPattern_, CAIRO_EXTEND_REPEAT);
  cairo_pattern_set_filter(brushPattern_, CAIRO_FILTER_NEAREST);
  cairo_set_source(cr_, brushPattern_);
  return true;
}

bool PdfRecorder::UsePen() {
  const Pen& p = GetPen();
  if (p.style == PenStyle::psClear || p.mode == PenMode::pmNop) return false;
  Color c = p.color;
  if (p.mode == PenMode::pmBlack) c = 0;
  if (p.mode == PenMode::pmWhite) c = 0xFFFFFF;
  if (p.mode == PenMode::pmNotCopy) c = ~ColorToRgb(c) & 0xFFFFFF;
  SetColor(c);
  cairo_set_line_width(cr_, p.width - kStrokeInset);
  // Cosmetic pens have square pixel ends; wider ones are GDI's geometric pens
  // with round ends and joins, and draw solid whatever their style.
  const bool thin = p.width <= 1;
  cairo_set_line_cap(cr_, thin ? CAIRO_LINE_CAP_BUTT : CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr_, thin ? CAIRO_LINE_JOIN_MITER : CAIRO_LINE_JOIN_ROUND);
  const auto dashes = thin ? DashesOf(p.style) : std::span<const double>{};
  cairo_set_dash(cr_, dashes.data(), static_cast<int>(dashes.size()), 0);
  return true;
}

bool PdfRecorder::RasterForPenMode(const TRect& box) {
  switch (GetPen().mode) {
    case PenMode::pmCopy:
    case PenMode::pmBlack:
    case PenMode::pmWhite:
    case PenMode::pmNotCopy:
    case PenMode::pmNop: return false;
    default: PaintRasterBox(box); return true;
  }
}

// ---- paths ----

void PdfRecorder::AddPath(const std::vector<double>& xy, bool closed) {
  for (std::size_t i = 0; i + 1 < xy.size(); i += 2)
    (i == 0 ? cairo_move_to : cairo_line_to)(cr_, C(xy[i]), C(xy[i + 1]));
  if (closed) cairo_close_path(cr_);
}

bool PdfRecorder::VectorBox(int left, int top, int right, int bottom, TRect& r) {
  if (!StartDrawing()) return false;
  r = Normalized(left, top, right, bottom);
  if (r.right <= r.left || r.bottom <= r.top) return false;  // empty; no subtraction that could overflow
  return !RasterForPenMode(Grown(r, GetPen().width));
}

void PdfRecorder::FillThenStroke(const std::function<void()>& path) {
  if (UseBrush()) {
    path();
    cairo_fill(cr_);
  }
  if (UsePen()) {
    path();
    StrokeCurrentPath();
  }
}

void PdfRecorder::StrokeOpen(const std::vector<double>& outline) {
  if (!UsePen()) return;
  AddPath(outline, false);
  StrokeCurrentPath();
}

void PdfRecorder::FillAndStroke(const std::vector<double>& outline, bool closed) {
  if (UseBrush()) {
    cairo_set_fill_rule(cr_, GetPolyFillMode() == kWinding ? CAIRO_FILL_RULE_WINDING : CAIRO_FILL_RULE_EVEN_ODD);
    cairo_fill(cr_);
  } else {
    cairo_new_path(cr_);
  }
  if (!UsePen()) return;
  AddPath(outline, closed);
  StrokeCurrentPath();
}

void PdfRecorder::StrokeCurrentPath() {
  const Pen& p = GetPen();
  const auto dashes = p.width <= 1 ? DashesOf(p.style) : std::span<const double>{};
  if (dashes.empty()) {
    cairo_stroke(cr_);
    return;
  }
  // Dashes run on along the whole path, as GDI's do. Each segment is cut to
  // the page before it is stroked with its phase: cairo measures every dash of
  // a stroke, and a line out to the far end of the coordinate range has
  // millions.
  cairo_path_t* flat = cairo_copy_path_flat(cr_);
  cairo_new_path(cr_);
  if (flat->status != CAIRO_STATUS_SUCCESS) {
    cairo_path_destroy(flat);
    return;
  }
  // An opaque background shows in the gaps.
  if (p.style != PenStyle::psAlternate && GetBkMode() == kOpaque) {
    cairo_save(cr_);
    SetColor(GetBkColor());
    cairo_set_dash(cr_, nullptr, 0, 0);
    cairo_append_path(cr_, flat);
    cairo_stroke(cr_);
    cairo_restore(cr_);
  }
  double period = 0;
  for (const double d : dashes) period += d;
  const double x0 = -2, y0 = -2, x1 = width_ + 2.0, y1 = height_ + 2.0;
  double walked = 0;
  auto segment = [&](double ax, double ay, double bx, double by) {
    const double dx = bx - ax, dy = by - ay, length = std::hypot(dx, dy);
    if (length == 0) return;
    // The part within the page's box (Liang-Barsky).
    double t0 = 0, t1 = 1;
    const double ps[4] = {-dx, dx, -dy, dy}, qs[4] = {ax - x0, x1 - ax, ay - y0, y1 - ay};
    bool visible = true;
    for (int i = 0; i < 4 && visible; ++i) {
      if (ps[i] == 0) {
        visible = qs[i] >= 0;
      } else {
        const double t = qs[i] / ps[i];
        if (ps[i] < 0)
          t0 = std::max(t0, t);
        else
          t1 = std::min(t1, t);
        visible = t0 < t1;
      }
    }
    if (visible) {
      cairo_set_dash(cr_, dashes.data(), static_cast<int>(dashes.size()), std::fmod(walked + t0 * length, period));
      cairo_move_to(cr_, ax + t0 * dx, ay + t0 * dy);
      cairo_line_to(cr_, ax + t1 * dx, ay + t1 * dy);
      cairo_stroke(cr_);
    }
    walked = std::fmod(walked + length, period);
  };
  double cx = 0, cy = 0, sx = 0, sy = 0;
  for (int i = 0; i < flat->num_data; i += flat->data[i].header.length) {
    const cairo_path_data_t& d = flat->data[i];
    switch (d.header.type) {
      case CAIRO_PATH_MOVE_TO:
        cx = sx = flat->data[i + 1].point.x;
        cy = sy = flat->data[i + 1].point.y;
        break;
      case CAIRO_PATH_LINE_TO:
        segment(cx, cy, flat->data[i + 1].point.x, flat->data[i + 1].point.y);
        cx = flat->data[i + 1].point.x;
        cy = flat->data[i + 1].point.y;
        break;
      case CAIRO_PATH_CLOSE_PATH:
        segment(cx, cy, sx, sy);
        cx = sx;
        cy = sy;
        break;
      default: break;
    }
  }
  cairo_path_destroy(flat);
}

// ---- lines ----

void PdfRecorder::MoveTo(int x, int y) { raster_->Dc().MoveTo(x, y); }

TPoint PdfRecorder::CurrentPosition() const { return raster_->Dc().CurrentPosition(); }

void PdfRecorder::LineTo(int x, int y) {
  const TPoint from = CurrentPosition();
  raster_->Dc().LineTo(x, y);
  StrokeLine(std::array{from, TPoint{x, y}});
}

void PdfRecorder::Polyline(std::span<const TPoint> points) {
  raster_->Dc().Polyline(points);
  StrokeLine(points);
}

void PdfRecorder::StrokeLine(std::span<const TPoint> points) {
  if (!StartDrawing() || points.size() < 2) return;
  if (RasterForPenMode(BoundsOf(points, GetPen().width))) return;
  std::vector<double> xy;
  xy.reserve(points.size() * 2);
  for (const auto& p : points) {
    xy.push_back(p.x + 0.5);
    xy.push_back(p.y + 0.5);
  }
  if (GetPen().width <= 1) {
    // A thin line covers its first pixel and leaves out its last: both ends move
    // half a pixel back along the major axis of their segment.
    auto pull = [&xy](std::size_t at, std::size_t towards) {
      const double dx = xy[towards] - xy[at], dy = xy[towards + 1] - xy[at + 1];
      const double major = std::max(std::abs(dx), std::abs(dy));
      if (major == 0) return;
      xy[at] -= 0.5 * dx / major;
      xy[at + 1] -= 0.5 * dy / major;
    };
    const std::size_t last = xy.size() - 2;
    // The end first: it moves along its segment as the caller gave it.
    const double endDx = xy[last] - xy[last - 2], endDy = xy[last + 1] - xy[last - 1];
    const double endMajor = std::max(std::abs(endDx), std::abs(endDy));
    pull(0, 2);
    if (endMajor > 0) {
      xy[last] -= 0.5 * endDx / endMajor;
      xy[last + 1] -= 0.5 * endDy / endMajor;
    }
  }
  StrokeOpen(xy);
}

// ---- filled shapes ----

void PdfRecorder::Polygon(std::span<const TPoint> points) {
  raster_->Dc().Polygon(points);
  if (!StartDrawing() || points.size() < 2) return;
  if (RasterForPenMode(BoundsOf(points, GetPen().width))) return;
  // The fill covers the squares of the pixels inside; the outline runs through
  // the centres of the vertices' pixels.
  std::vector<double> fill, outline;
  for (const auto& p : points) {
    fill.push_back(p.x);
    fill.push_back(p.y);
    outline.push_back(p.x + 0.5);
    outline.push_back(p.y + 0.5);
  }
  AddPath(fill, true);
  FillAndStroke(outline, true);
}

void PdfRecorder::Rectangle(int left, int top, int right, int bottom) {
  raster_->Dc().Rectangle(left, top, right, bottom);
  TRect r;
  if (!VectorBox(left, top, right, bottom, r)) return;
  const Pen& p = GetPen();
  const bool hollowPen = p.style == PenStyle::psClear || p.mode == PenMode::pmNop;
  // Without a pen GDI fills one pixel less to the right and below.
  const double fr = hollowPen ? r.right - 1 : r.right, fb = hollowPen ? r.bottom - 1 : r.bottom;
  AddPath({double(r.left), double(r.top), fr, double(r.top), fr, fb, double(r.left), fb}, true);
  double inset = 0.5;
  if (p.style == PenStyle::psInsideFrame && p.width > 1) inset = p.width / 2.0;
  const double l = r.left + inset, t = r.top + inset, rr = r.right - inset, b = r.bottom - inset;
  FillAndStroke({l, t, rr, t, rr, b, l, b}, true);
}

void PdfRecorder::RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) {
  raster_->Dc().RoundRect(left, top, right, bottom, cornerWidth, cornerHeight);
  TRect r;
  if (!VectorBox(left, top, right, bottom, r)) return;
  const CentreBox box(r);
  const double rx = std::clamp(std::abs(static_cast<double>(cornerWidth)) / 2, 0.0, box.rx);
  const double ry = std::clamp(std::abs(static_cast<double>(cornerHeight)) / 2, 0.0, box.ry);
  const double l = box.cx - box.rx, t = box.cy - box.ry, rr = box.cx + box.rx, b = box.cy + box.ry;
  constexpr double kPi = std::numbers::pi;
  auto path = [&] {
    cairo_new_sub_path(cr_);
    EllipseArc(cr_, rr - rx, t + ry, rx, ry, -kPi / 2, 0, false);
    EllipseArc(cr_, rr - rx, b - ry, rx, ry, 0, kPi / 2, false);
    EllipseArc(cr_, l + rx, b - ry, rx, ry, kPi / 2, kPi, false);
    EllipseArc(cr_, l + rx, t + ry, rx, ry, kPi, 3 * kPi / 2, false);
    cairo_close_path(cr_);
  };
  FillThenStroke(path);
}

void PdfRecorder::Ellipse(int left, int top, int right, int bottom) {
  raster_->Dc().Ellipse(left, top, right, bottom);
  TRect r;
  if (!VectorBox(left, top, right, bottom, r)) return;
  const CentreBox box(r);
  auto path = [&] {
    cairo_new_sub_path(cr_);
    EllipseArc(cr_, box.cx, box.cy, box.rx, box.ry, 0, 2 * std::numbers::pi, false);
    cairo_close_path(cr_);
  };
  FillThenStroke(path);
}

void PdfRecorder::Pie(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4) {
  raster_->Dc().Pie(left, top, right, bottom, x3, y3, x4, y4);
  TRect r;
  if (!VectorBox(left, top, right, bottom, r)) return;
  const CentreBox box(r);
  const auto sweep = box.Sweep(x3, y3, x4, y4);
  auto path = [&] {
    cairo_move_to(cr_, C(box.cx), C(box.cy));
    EllipseArc(cr_, box.cx, box.cy, box.rx, box.ry, sweep.first, sweep.second, true);
    cairo_close_path(cr_);
  };
  FillThenStroke(path);
}

void PdfRecorder::Arc(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4) {
  raster_->Dc().Arc(left, top, right, bottom, x3, y3, x4, y4);
  TRect r;
  if (!VectorBox(left, top, right, bottom, r)) return;
  const CentreBox box(r);
  const auto [a1, a2] = box.Sweep(x3, y3, x4, y4);
  if (!UsePen()) return;
  cairo_new_path(cr_);
  EllipseArc(cr_, box.cx, box.cy, box.rx, box.ry, a1, a2, true);
  StrokeCurrentPath();
}

void PdfRecorder::FillRect(const TRect& r) {
  raster_->Dc().FillRect(r);
  if (!Live() || r.right <= r.left || r.bottom <= r.top) return;
  const Brush& b = GetBrush();
  if (!b.pattern && b.style == BrushStyle::bsSolid) {
    fills_.Add(r, ColorToRgb(b.color));
    return;
  }
  fills_.Flush();
  if (!UseBrush()) return;
  cairo_rectangle(cr_, C(r.left), C(r.top), C(r.right) - C(r.left), C(r.bottom) - C(r.top));
  cairo_fill(cr_);
}

void PdfRecorder::WriteFill(const SolidFill& f) {
  SetColor(f.color);
  const TRect& r = f.rect;
  cairo_rectangle(cr_, C(r.left), C(r.top), C(r.right) - C(r.left), C(r.bottom) - C(r.top));
  cairo_fill(cr_);
}

bool PdfRecorder::StartDrawing() {
  if (!Live()) return false;
  fills_.Flush();
  return true;
}

void PdfRecorder::SetPixel(int x, int y, Color c) {
  raster_->Dc().SetPixel(x, y, c);
  if (!StartDrawing() || x < 0 || y < 0 || x >= width_ || y >= height_) return;
  SetColor(c);
  cairo_rectangle(cr_, x, y, 1, 1);
  cairo_fill(cr_);
}

std::uint32_t PdfRecorder::GetPixel(int x, int y) const { return raster_->Dc().GetPixel(x, y); }

// ---- text ----

TSize PdfRecorder::TextExtent(std::string_view text) { return raster_->Dc().TextExtent(text); }

TextMetrics PdfRecorder::GetFontMetrics() { return raster_->Dc().GetFontMetrics(); }

const PdfFontFace* PdfRecorder::CurrentFace() {
  if (faceStale_) {
    faceStale_ = false;
    face_ = MakePdfFontFace(GetFont(), GetFontMetrics());
  }
  return face_ && face_->Face() ? face_.get() : nullptr;
}

void PdfRecorder::TextOutAt(int x, int y, std::string_view text) {
  raster_->Dc().TextOutAt(x, y, text);
  if (!StartDrawing() || text.empty()) return;
  const TextMetrics m = GetFontMetrics();
  const int width = TextExtent(text).cx;
  const unsigned align = GetTextAlign();
  double left = x, top = y;
  if ((align & kTaCenter) == kTaCenter)
    left = x - width / 2;
  else if (align & kTaRight)
    left = static_cast<double>(x) - width;
  if ((align & kTaBaseline) == kTaBaseline)
    top = static_cast<double>(y) - m.ascent;
  else if (align & kTaBottom)
    top = static_cast<double>(y) - m.height;
  if (GetBkMode() == kOpaque) {
    SetColor(GetBkColor());
    cairo_rectangle(cr_, C(left), C(top), width, m.height);
    cairo_fill(cr_);
  }
  const PdfFontFace* face = CurrentFace();
  if (!face || face->Em() <= 0) return;
  const double baseline = top + m.ascent;
  cairo_set_font_face(cr_, face->Face());
  cairo_set_font_size(cr_, face->Em());
  SetColor(GetTextColor());
  const int codePage = CodePageOfCharset(GetFont().charset);
  const std::string utf8 = CodePageToUtf8(text, codePage);
  // The run as wide as the platform measures it: the font's own advances,
  // stretched or narrowed evenly. Glyphs placed one by one at the screen's
  // whole-pixel advances opened gaps that text extraction took for spaces.
  cairo_text_extents_t natural;
  cairo_text_extents(cr_, utf8.c_str(), &natural);
  if (natural.x_advance > 0 && width > 0) {
    const double stretch = std::clamp(width / natural.x_advance, 0.5, 2.0);
    cairo_matrix_t matrix;
    cairo_matrix_init_scale(&matrix, face->Em() * stretch, face->Em());
    cairo_set_font_matrix(cr_, &matrix);
  }
  cairo_move_to(cr_, C(left), C(baseline));
  cairo_show_text(cr_, utf8.c_str());
  cairo_new_path(cr_);

  const Font& f = GetFont();
  if (f.underline || f.strikeOut) {
    const double thickness = std::max(1.0, std::round(face->Em() / 14));
    if (f.underline) cairo_rectangle(cr_, C(left), C(baseline + std::max(1.0, std::round(m.descent / 3.0))), width, thickness);
    if (f.strikeOut) cairo_rectangle(cr_, C(left), C(baseline - std::round(face->Em() * 0.3)), width, thickness);
    cairo_fill(cr_);
  }
}

// ---- clipping ----

void PdfRecorder::ClipRect(const TRect& r) {
  raster_->Dc().ClipRect(r);
  if (!StartDrawing()) return;
  NoClip();
  const double l = C(r.left), t = C(r.top);
  cairo_rectangle(cr_, l, t, std::max(0.0, C(r.right) - l), std::max(0.0, C(r.bottom) - t));
  cairo_clip(cr_);
}

void PdfRecorder::ClipPolygon(std::span<const TPoint> points) {
  raster_->Dc().ClipPolygon(points);
  if (!StartDrawing()) return;
  NoClip();
  cairo_new_path(cr_);
  for (const auto& p : points) cairo_line_to(cr_, C(p.x), C(p.y));
  cairo_close_path(cr_);
  cairo_set_fill_rule(cr_, GetPolyFillMode() == kWinding ? CAIRO_FILL_RULE_WINDING : CAIRO_FILL_RULE_EVEN_ODD);
  cairo_clip(cr_);
}

void PdfRecorder::RemoveClip() {
  raster_->Dc().RemoveClip();
  if (StartDrawing()) NoClip();
}

// ---- pictures ----

void PdfRecorder::PaintRasterBox(TRect box) {
  box.left = std::max(box.left, 0);
  box.top = std::max(box.top, 0);
  box.right = std::min(box.right, raster_->Width());
  box.bottom = std::min(box.bottom, raster_->Height());
  if (box.right <= box.left || box.bottom <= box.top) return;
  SurfacePtr image(cairo_image_surface_create(CAIRO_FORMAT_RGB24, box.Width(), box.Height()));
  if (cairo_surface_status(image.get()) != CAIRO_STATUS_SUCCESS) return;
  cairo_surface_flush(image.get());
  unsigned char* data = cairo_image_surface_get_data(image.get());
  const int stride = cairo_image_surface_get_stride(image.get());
  for (int y = box.top; y < box.bottom; ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y - box.top) * stride);
    for (int x = box.left; x < box.right; ++x) row[x - box.left] = raster_->Pixel(x, y);
  }
  cairo_surface_mark_dirty(image.get());
  // poppler widens an image whose far edges fall on pixel edges by a pixel,
  // which smears every pixel of it into its neighbour (a tiled bitmap agreed
  // with the screen on 84 % of its pixels, now 97 %): the image stops short of
  // them by a 64th of a pixel, which no viewer shows.
  constexpr double kShort = 1.0 / 64;
  cairo_save(cr_);
  cairo_translate(cr_, box.left, box.top);
  cairo_scale(cr_, (box.Width() - kShort) / box.Width(), (box.Height() - kShort) / box.Height());
  cairo_set_source_surface(cr_, image.get(), 0, 0);
  cairo_pattern_set_filter(cairo_get_source(cr_), CAIRO_FILTER_NEAREST);
  cairo_rectangle(cr_, 0, 0, box.Width(), box.Height());
  cairo_fill(cr_);
  cairo_restore(cr_);
}

// A copied picture lands as the platform's raster shows it: copies, stretches
// and raster operations give exactly the screen's pixels, embedded as an image.
void PdfRecorder::BitBlt(int x, int y, int width, int height, const Bitmap& src, int srcX, int srcY, BlitRop rop) {
  raster_->Dc().BitBlt(x, y, width, height, src, srcX, srcY, rop);
  if (!StartDrawing()) return;
  PaintRasterBox(BoxAt(x, y, width, height));
}

void PdfRecorder::StretchBlt(const TRect& dest, const Bitmap& src, const TRect& srcRect, BlitRop rop) {
  raster_->Dc().StretchBlt(dest, src, srcRect, rop);
  if (!StartDrawing()) return;
  PaintRasterBox(Normalized(dest.left, dest.top, dest.right, dest.bottom));
}

}  // namespace pg::platform
