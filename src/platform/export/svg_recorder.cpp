#include "platform/export/svg_recorder.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

#include "platform/bitmap.h"
#include "platform/codepage_table.h"
#include "platform/export/base64.h"
#include "platform/image_files.h"

namespace pg::platform {

namespace {

std::string Colour(Color c) {
  const Color rgb = ColorToRgb(c);
  char buf[8];
  std::snprintf(buf, sizeof buf, "#%02x%02x%02x", RedOf(rgb), GreenOf(rgb), BlueOf(rgb));
  return buf;
}

// Shortest decimal of a half-pixel coordinate.
std::string Num(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.3f", v);
  std::string s(buf);
  s.erase(s.find_last_not_of('0') + 1);
  if (!s.empty() && s.back() == '.') s.pop_back();
  if (s == "-0") s = "0";
  return s;
}

std::string Attr(std::string_view name, const std::string& value) {
  std::string s(" ");
  s += name;
  s += "=\"";
  s += value;
  s += '"';
  return s;
}

// GDI's dash lengths for a pen one pixel wide; wider pens scale them.
const char* DashPattern(PenStyle s) {
  switch (s) {
    case PenStyle::psDash: return "18 6";
    case PenStyle::psDot: return "3 3";
    case PenStyle::psDashDot: return "9 6 3 6";
    case PenStyle::psDashDotDot: return "9 3 3 3 3 3";
    case PenStyle::psAlternate: return "1 1";
    default: return nullptr;
  }
}

// The lines of an 8 x 8 hatch tile, as GDI draws them from the surface origin.
const char* HatchLines(BrushStyle s) {
  switch (s) {
    case BrushStyle::bsHorizontal: return "M0 3.5H8";
    case BrushStyle::bsVertical: return "M3.5 0V8";
    case BrushStyle::bsFDiagonal: return "M0 0L8 8";
    case BrushStyle::bsBDiagonal: return "M0 8L8 0";
    case BrushStyle::bsCross: return "M0 3.5H8M3.5 0V8";
    case BrushStyle::bsDiagCross: return "M0 0L8 8M0 8L8 0";
    default: return "";
  }
}

}  // namespace

std::string XmlEscape(std::u32string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char32_t c : text) {
    switch (c) {
      case U'&': out += "&amp;"; break;
      case U'<': out += "&lt;"; break;
      case U'>': out += "&gt;"; break;
      case U'"': out += "&quot;"; break;
      default:
        // Control characters have no place in XML 1.0: they show as a space.
        AppendUtf8(out, c < 0x20 && c != U'\t' && c != U'\n' ? U' ' : (c == 0xFFFE || c == 0xFFFF ? 0xFFFD : c));
    }
  }
  return out;
}

SvgRecordingContext::SvgRecordingContext(int width, int height)
    : RecordingContext(width, height), fills_([this](const SolidFill& f) { WriteFill(f); }) {
  body_.reserve(16 * 1024);
}

std::string SvgRecordingContext::HatchFill(const Brush& brush) {
  std::string tile;
  if (GetBkMode() == kOpaque) tile += "<rect width=\"8\" height=\"8\" fill=\"" + Colour(GetBkColor()) + "\"/>";
  tile += "<path d=\"" + std::string(HatchLines(brush.style)) + "\" stroke=\"" + Colour(brush.color) +
          "\" stroke-width=\"1\"/>";
  auto [it, added] = patterns_.emplace(tile, "h" + std::to_string(patterns_.size()));
  if (added)
    defs_ += "<pattern id=\"" + it->second +
             "\" width=\"8\" height=\"8\" patternUnits=\"userSpaceOnUse\">" + tile + "</pattern>";
  return "url(#" + it->second + ")";
}

std::string SvgRecordingContext::FillAttributes() {
  const Brush& b = GetBrush();
  if (b.pattern) {
    const std::uint32_t p = b.pattern->Pixel(0, 0);
    return Attr("fill", Colour(Rgb(static_cast<int>(p >> 16), static_cast<int>(p >> 8), static_cast<int>(p))));
  }
  if (b.style == BrushStyle::bsClear) return Attr("fill", "none");
  if (b.style == BrushStyle::bsSolid) return Attr("fill", Colour(b.color));
  return Attr("fill", HatchFill(b));
}

std::string SvgRecordingContext::StrokeAttributes() {
  const Pen& p = GetPen();
  if (p.style == PenStyle::psClear || p.mode == PenMode::pmNop) return "";
  Color c = p.color;
  if (p.mode == PenMode::pmBlack) c = 0;
  if (p.mode == PenMode::pmWhite) c = 0xFFFFFF;
  if (p.mode == PenMode::pmNotCopy) c = ~ColorToRgb(c) & 0xFFFFFF;
  const int width = p.style == PenStyle::psAlternate ? 1 : std::clamp(p.width, 1, kMaxPenWidth);
  std::string s = Attr("stroke", Colour(c));
  if (width != 1) s += Attr("stroke-width", std::to_string(width));
  if (width > 1) s += Attr("stroke-linecap", "round") + Attr("stroke-linejoin", "round");
  if (const char* dash = DashPattern(p.style)) {
    std::string pattern = dash;
    if (width > 1) {
      pattern.clear();
      int n = 0;
      for (const char* q = dash; *q;) {
        const int v = static_cast<int>(std::strtol(q, const_cast<char**>(&q), 10));
        pattern += (n++ ? " " : "") + std::to_string(v * width);
        while (*q == ' ') ++q;
      }
    }
    s += Attr("stroke-dasharray", pattern);
  }
  return s;
}

void SvgRecordingContext::Shape(const std::string& element, const std::string& geometry, bool filled) {
  const std::string clip = ClipAttribute();
  const std::string stroke = StrokeAttributes();
  const Pen& p = GetPen();
  // Gaps of a dashed outline show the background colour when it is opaque.
  if (!stroke.empty() && GetBkMode() == kOpaque && DashPattern(p.style) && p.style != PenStyle::psAlternate)
    Body() += "<" + element + geometry + Attr("fill", "none") + Attr("stroke", Colour(GetBkColor())) +
             (p.width > 1 ? Attr("stroke-width", std::to_string(p.width)) : "") + clip + "/>";
  const std::string fill = filled ? FillAttributes() : Attr("fill", "none");
  if (stroke.empty() && fill == " fill=\"none\"") return;
  Body() += "<" + element + geometry + fill + stroke + clip + "/>";
}

namespace {
// Geometry on GDI's pixel grid: an outlined shape's edges run through the
// centres of its outline pixels; without an outline it covers one pixel less.
struct Box {
  double l, t, r, b;
};
Box ShapeBox(int left, int top, int right, int bottom, bool outlined) {
  if (right < left) std::swap(left, right);
  if (bottom < top) std::swap(top, bottom);
  if (outlined) return Box{left + 0.5, top + 0.5, right - 0.5, bottom - 0.5};
  return Box{double(left), double(top), right - 1.0, bottom - 1.0};
}
}  // namespace

void SvgRecordingContext::LineTo(int x, int y) {
  const TPoint from = CurrentPosition();
  SetPosition(TPoint{x, y});
  const std::string d = "M" + Num(from.x + 0.5) + " " + Num(from.y + 0.5) + "L" + Num(x + 0.5) + " " + Num(y + 0.5);
  Shape("path", Attr("d", d), false);
}

void SvgRecordingContext::Polyline(std::span<const TPoint> points) {
  if (points.size() < 2) return;
  std::string pts;
  for (const auto& p : points) pts += (pts.empty() ? "" : " ") + Num(p.x + 0.5) + "," + Num(p.y + 0.5);
  Shape("polyline", Attr("points", pts), false);
}

void SvgRecordingContext::Polygon(std::span<const TPoint> points) {
  if (points.size() < 2) return;
  const double o = StrokeAttributes().empty() ? 0 : 0.5;
  std::string pts;
  for (const auto& p : points) pts += (pts.empty() ? "" : " ") + Num(p.x + o) + "," + Num(p.y + o);
  Shape("polygon", Attr("points", pts) + (GetPolyFillMode() == kAlternate ? Attr("fill-rule", "evenodd") : ""), true);
}

void SvgRecordingContext::Rectangle(int left, int top, int right, int bottom) {
  const Box b = ShapeBox(left, top, right, bottom, !StrokeAttributes().empty());
  if (b.r < b.l || b.b < b.t) return;
  Shape("rect", Attr("x", Num(b.l)) + Attr("y", Num(b.t)) + Attr("width", Num(b.r - b.l)) + Attr("height", Num(b.b - b.t)),
        true);
}

void SvgRecordingContext::RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) {
  const Box b = ShapeBox(left, top, right, bottom, !StrokeAttributes().empty());
  if (b.r < b.l || b.b < b.t) return;
  Shape("rect",
        Attr("x", Num(b.l)) + Attr("y", Num(b.t)) + Attr("width", Num(b.r - b.l)) + Attr("height", Num(b.b - b.t)) +
            Attr("rx", Num(std::abs(cornerWidth) / 2.0)) + Attr("ry", Num(std::abs(cornerHeight) / 2.0)),
        true);
}

void SvgRecordingContext::Ellipse(int left, int top, int right, int bottom) {
  const Box b = ShapeBox(left, top, right, bottom, !StrokeAttributes().empty());
  if (b.r < b.l || b.b < b.t) return;
  Shape("ellipse",
        Attr("cx", Num((b.l + b.r) / 2)) + Attr("cy", Num((b.t + b.b) / 2)) + Attr("rx", Num((b.r - b.l) / 2)) +
            Attr("ry", Num((b.b - b.t) / 2)),
        true);
}

std::string SvgRecordingContext::ArcPath(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4,
                                         bool pie) {
  const Box b = ShapeBox(left, top, right, bottom, !StrokeAttributes().empty());
  const double cx = (b.l + b.r) / 2, cy = (b.t + b.b) / 2, rx = (b.r - b.l) / 2, ry = (b.b - b.t) / 2;
  const double gx = (left + right) / 2.0, gy = (top + bottom) / 2.0;  // GDI's centre for the radials
  auto at = [&](double angle) {
    // Where the radial at angle meets the ellipse.
    const double c = std::cos(angle), s = std::sin(angle);
    const double d = std::hypot(ry * c, rx * s);
    return d == 0 ? std::pair{cx, cy} : std::pair{cx + rx * ry * c / d, cy - rx * ry * s / d};
  };
  const double a3 = std::atan2(-(y3 - gy), x3 - gx), a4 = std::atan2(-(y4 - gy), x4 - gx);
  double sweep = a4 - a3;
  while (sweep <= 0) sweep += 2 * std::numbers::pi;
  const auto [sx, sy] = at(a3);
  const auto [ex, ey] = at(a4);
  std::string d = pie ? "M" + Num(cx) + " " + Num(cy) + "L" : "M";
  d += Num(sx) + " " + Num(sy);
  const std::string radii = "A" + Num(rx) + " " + Num(ry) + " 0 ";
  if (sweep >= 2 * std::numbers::pi - 1e-9) {
    // A whole turn: two halves, as one arc from a point to itself draws nothing.
    const auto [mx, my] = at(a3 + std::numbers::pi);
    d += radii + "1 0 " + Num(mx) + " " + Num(my) + radii + "1 0 " + Num(sx) + " " + Num(sy);
  } else {
    d += radii + (sweep > std::numbers::pi ? "1" : "0") + " 0 " + Num(ex) + " " + Num(ey);
  }
  if (pie) d += "Z";
  return d;
}

void SvgRecordingContext::Pie(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4) {
  if (right == left || bottom == top) return;
  Shape("path", Attr("d", ArcPath(left, top, right, bottom, x3, y3, x4, y4, true)), true);
}

void SvgRecordingContext::Arc(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4) {
  if (right == left || bottom == top) return;
  Shape("path", Attr("d", ArcPath(left, top, right, bottom, x3, y3, x4, y4, false)), false);
}

namespace {
std::string RectElement(const TRect& r, const std::string& attributes) {
  return "<rect" + Attr("x", std::to_string(r.left)) + Attr("y", std::to_string(r.top)) +
         Attr("width", std::to_string(WidthOf(r))) + Attr("height", std::to_string(HeightOf(r))) + attributes + "/>";
}
}  // namespace

std::string SvgRecordingContext::ClipAttribute() const {
  return clipOpen_ ? Attr("clip-path", "url(#c" + std::to_string(clipCount_) + ")") : "";
}

void SvgRecordingContext::WriteFill(const SolidFill& f) {
  body_ += RectElement(f.rect, Attr("fill", Colour(f.color)) + fillsClip_);
}

std::string& SvgRecordingContext::Body() {
  fills_.Flush();
  return body_;
}

void SvgRecordingContext::FillRect(const TRect& r) {
  if (r.right <= r.left || r.bottom <= r.top) return;
  const std::string clip = ClipAttribute();
  const Brush& b = GetBrush();
  if (b.style != BrushStyle::bsSolid || b.pattern) {
    Body() += RectElement(r, FillAttributes() + clip);
    return;
  }
  // Fills under another clip may not reach under one another.
  if (clip != fillsClip_) Body();
  fillsClip_ = clip;
  fills_.Add(r, ColorToRgb(b.color));
}

void SvgRecordingContext::SetPixel(int x, int y, Color c) {
  Body() += "<rect" + Attr("x", std::to_string(x)) + Attr("y", std::to_string(y)) +
           " width=\"1\" height=\"1\"" + Attr("fill", Colour(c)) + "/>";
}

void SvgRecordingContext::TextOutAt(int x, int y, std::string_view text) {
  if (text.empty()) return;
  const Font& f = GetFont();
  const TextMetrics m = GetFontMetrics();
  const TPoint o = TextOrigin(x, y, text);
  const TSize size = TextExtent(text);
  if (TextOffPage(o, size)) return;
  const std::string clip = ClipAttribute();
  if (GetBkMode() == kOpaque)
    Body() += "<rect" + Attr("x", std::to_string(o.x)) + Attr("y", std::to_string(o.y)) +
             Attr("width", std::to_string(size.cx)) + Attr("height", std::to_string(size.cy)) +
             Attr("fill", Colour(GetBkColor())) + clip + "/>";
  const auto starts = CharacterStarts(text);
  std::string xs;
  for (std::size_t i = 0; i < text.size(); ++i) xs += (i ? " " : "") + std::to_string(o.x + starts[i]);
  const int em = f.height < 0 ? -f.height : std::max(1, f.height - m.internalLeading);
  std::string decoration;
  if (f.underline) decoration += "underline";
  if (f.strikeOut) decoration += decoration.empty() ? "line-through" : " line-through";
  Body() += "<text" + Attr("x", xs) + Attr("y", std::to_string(o.y + m.ascent)) +
           Attr("font-family", XmlEscape(Unicode(f.face))) + Attr("font-size", std::to_string(em) + "px") +
           (f.weight != 400 ? Attr("font-weight", std::to_string(std::clamp(f.weight, 1, 1000))) : "") +
           (f.italic ? Attr("font-style", "italic") : "") +
           (decoration.empty() ? "" : Attr("text-decoration", decoration)) + Attr("fill", Colour(GetTextColor())) +
           clip + " xml:space=\"preserve\">" + XmlEscape(Unicode(text)) + "</text>";
}

void SvgRecordingContext::OpenClip(const std::string& shape) {
  ++clipCount_;
  defs_ += "<clipPath id=\"c" + std::to_string(clipCount_) + "\">" + shape + "</clipPath>";
  clipOpen_ = true;
}

void SvgRecordingContext::CloseClip() { clipOpen_ = false; }

void SvgRecordingContext::ClipRect(const TRect& r) {
  const long long w = std::max(0LL, WidthOf(r)), h = std::max(0LL, HeightOf(r));
  OpenClip("<rect" + Attr("x", std::to_string(r.left)) + Attr("y", std::to_string(r.top)) +
           Attr("width", std::to_string(w)) + Attr("height", std::to_string(h)) + "/>");
}

void SvgRecordingContext::ClipPolygon(std::span<const TPoint> points) {
  std::string pts;
  for (const auto& p : points) pts += (pts.empty() ? "" : " ") + std::to_string(p.x) + "," + std::to_string(p.y);
  OpenClip("<polygon" + Attr("points", pts) + "/>");
}

void SvgRecordingContext::RemoveClip() { CloseClip(); }

void SvgRecordingContext::BitBlt(int x, int y, int width, int height, const Bitmap& src, int srcX, int srcY,
                                 BlitRop rop) {
  StretchBlt(BoxAt(x, y, width, height), src, BoxAt(srcX, srcY, width, height), rop);
}

void SvgRecordingContext::StretchBlt(const TRect& dest, const Bitmap& src, const TRect& srcRect, BlitRop rop) {
  // Copies that combine with what is below have no SVG form: an "and" with a
  // mask and an "xor" are left out, an "or" lands as a copy.
  if (rop == BlitRop::kSrcAnd || rop == BlitRop::kSrcInvert) return;
  if (CopiedShrunkOntoPage(dest, src, srcRect, rop)) return;
  const long long w = WidthOf(srcRect), h = HeightOf(srcRect);
  if (w <= 0 || h <= 0 || w > INT32_MAX || h > INT32_MAX || WidthOf(dest) <= 0 || HeightOf(dest) <= 0 ||
      !Bitmap::SizeAllowed(static_cast<int>(w), static_cast<int>(h)))
    return;
  const auto png = EncodePng(static_cast<int>(w), static_cast<int>(h),
                             [&](int x, int y) { return src.Pixel(srcRect.left + x, srcRect.top + y); });
  if (png.empty()) return;
  const std::string clip = ClipAttribute();
  Body() += "<image" + Attr("x", std::to_string(dest.left)) + Attr("y", std::to_string(dest.top)) +
           Attr("width", std::to_string(WidthOf(dest))) + Attr("height", std::to_string(HeightOf(dest))) +
           " preserveAspectRatio=\"none\" style=\"image-rendering:pixelated\"" +
           Attr("xlink:href", "data:image/png;base64," + Base64(png)) + clip + "/>";
}

void SvgRecordingContext::BeginGroup(std::string_view label) {
  Body() += "<g role=\"img\"" + Attr("aria-label", XmlEscape(Unicode(label))) + ">";
  ++groupDepth_;
}

void SvgRecordingContext::EndGroup() {
  if (groupDepth_ == 0) return;
  Body() += "</g>";
  --groupDepth_;
}

std::string SvgRecordingContext::Finish(const ExportDescription& description) {
  while (groupDepth_ > 0) EndGroup();
  const std::string w = std::to_string(std::max(Width(), 1)), h = std::to_string(std::max(Height(), 1));
  std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  // xlink:href, not SVG 2's plain href, which some editors (Inkscape 1.2) ignore.
  out += "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\"" + Attr("width", w) + Attr("height", h) +
         Attr("viewBox", "0 0 " + w + " " + h) +
         // Named by the title, described by the slices: "title desc" as the name
         // had screen readers read every slice twice, in the name and again as
         // the description browsers take from <desc>.
         " role=\"img\" aria-labelledby=\"title\" aria-describedby=\"desc\" shape-rendering=\"crispEdges\">\n";
  out += "<title id=\"title\">" + XmlEscape(Unicode(description.title)) + "</title>\n";
  out += "<desc id=\"desc\">" + XmlEscape(Unicode(DescriptionText(description))) + "</desc>\n";
  if (!defs_.empty()) out += "<defs>" + defs_ + "</defs>\n";
  out += Body();
  out += "\n</svg>\n";
  return out;
}

}  // namespace pg::platform
