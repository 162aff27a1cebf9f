// Text records: the font scaled to the device, characters in the code page the
// context draws, placed one by one where the record gives their advances.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "platform/bitmap.h"

#include "platform/codepage_table.h"
#include "platform/metafile/pixel_outlines.h"
#include "platform/metafile/playback.h"

namespace pg::platform::metafile {

namespace {

constexpr std::uint32_t kEtoOpaque = 2, kEtoClipped = 4, kEtoGlyphIndex = 0x10;
constexpr unsigned kTaUpdateCp = 1, kTaHorizontal = 6, kTaVertical = 24;
// The code pages text falls back to, in order, when the font's own lacks a character.
constexpr int kFallbackCodePages[] = {1251, 1252, 1250, 1253, 1254, 1257};

// The text as bytes of one code page: the font's own when it holds every
// character, else the first other one the context knows that does (and the
// charset with it); else the font's own, with "?" for what it lacks, and
// `whole` false.
std::string Encode(const std::u16string& text, Font& font, bool& whole) {
  const auto encode = [&](int codePage, std::string& out) {
    bool all = true;
    out.clear();
    for (const char16_t c : text) {
      const int b = ByteOfCodePoint(c, codePage);
      all = all && b >= 0;
      out += b < 0 ? '?' : static_cast<char>(b);
    }
    return all;
  };
  std::string own, other;
  const int codePage = CodePageOfCharset(font.charset);
  whole = true;
  if (encode(codePage, own)) return own;
  for (const int next : kFallbackCodePages)
    if (next != codePage && encode(next, other)) {
      font.charset = CharsetOfCodePage(next);
      return other;
    }
  whole = false;
  return own;
}

// Text no one code page holds, character by character: each in the font's own
// code page when that holds it, else in the first other one that does (the
// charset of each beside it), else "?" in the font's own. Drawn one character
// at a time where a record places each, as GDI draws Unicode.
std::string EncodeEach(const std::u16string& text, const Font& font, std::vector<int>& charsets) {
  const int own = CodePageOfCharset(font.charset);
  std::string out;
  charsets.clear();
  for (const char16_t c : text) {
    int byte = ByteOfCodePoint(c, own), charset = font.charset;
    for (const int next : kFallbackCodePages) {
      if (byte >= 0) break;
      if ((byte = ByteOfCodePoint(c, next)) >= 0) charset = CharsetOfCodePage(next);
    }
    out += byte < 0 ? '?' : static_cast<char>(byte);
    charsets.push_back(charset);
  }
  return out;
}

// A turn by degrees counter-clockwise as the page shows it (y grows down), as
// a map of offsets.
Affine Turn(double degrees) {
  const double a = degrees * std::numbers::pi / 180, c = std::cos(a), s = std::sin(a);
  return {c, -s, s, c, 0, 0};
}

// The line drawn upright on a bitmap of its own, then set pixel by pixel where
// `turn` (a map of offsets from the reference point: a turn, or a world
// transform's turn, mirror and slant) takes it about `at`: the context writes
// only horizontal text. Only the surface's pixels are visited; allowance
// bounds the upright bitmap's and the visit's pixels together, and what they
// took is returned (nothing is drawn when they would take more).
template <typename Write>
long long TurnedText(DeviceContext& dc, const Write& write, PointD at, double left, double width, const Affine& turn,
                     const Font& font, Color colour, TSize surface, long long allowance) {
  const TextMetrics metrics = dc.GetFontMetrics();
  const int margin = 2 + metrics.height;
  // A width beyond any bitmap is not drawn turned (nor converted to int).
  if (!(std::fabs(width) <= Bitmap::kMaxSide) || !std::isfinite(at.x) || !std::isfinite(at.y) ||
      !std::isfinite(left) || !(std::fabs(left) <= Bitmap::kMaxSide) || !turn.Finite() || turn.Determinant() == 0)
    return 0;
  const int w = static_cast<int>(std::ceil(std::fabs(width))) + 2 * margin, h = metrics.height + 2 * margin;
  if (!Bitmap::SizeAllowed(w, h)) return 0;
  const Affine back = turn.Inverse();
  // The reference point sits at (margin - left, margin + ascent-or-top) of the bitmap.
  const unsigned vertical = dc.GetTextAlign() & kTaVertical;
  const int baseline = vertical == kTaBaseline ? metrics.ascent : vertical == kTaBottom ? metrics.height : 0;
  const double refX = margin - left, refY = margin + baseline;
  // The bitmap's corners turned, for the box of pixels to visit.
  double minX = 1e300, minY = 1e300, maxX = -1e300, maxY = -1e300;
  for (const PointD corner : {PointD{0, 0}, PointD{double(w), 0}, PointD{0, double(h)}, PointD{double(w), double(h)}}) {
    const PointD d = turn.ApplyLinear({corner.x - refX, corner.y - refY});
    const double px = at.x + d.x, py = at.y + d.y;
    minX = std::min(minX, px), maxX = std::max(maxX, px), minY = std::min(minY, py), maxY = std::max(maxY, py);
  }
  // Held to the surface before anything becomes an int.
  minX = std::max(minX, 0.0), minY = std::max(minY, 0.0);
  maxX = std::min(maxX, surface.cx - 1.0), maxY = std::min(maxY, surface.cy - 1.0);
  if (!(minX <= maxX && minY <= maxY)) return 0;
  const int x0 = static_cast<int>(std::floor(minX)), x1 = static_cast<int>(std::ceil(maxX)),
            y0 = static_cast<int>(std::floor(minY)), y1 = static_cast<int>(std::ceil(maxY));
  const long long cost = static_cast<long long>(w) * h + (static_cast<long long>(x1) - x0 + 1) * (y1 - y0 + 1);
  if (cost > allowance) return cost;
  Bitmap upright(w, h);
  if (upright.Empty()) return cost;
  upright.Dc().SetFont(font);
  upright.Dc().SetTextColor(0);
  upright.Dc().SetBkMode(kTransparent);
  write(upright.Dc(), margin, static_cast<int>(refY));
  for (int py = y0; py <= y1; ++py)
    for (int px = x0; px <= x1; ++px) {
      const PointD u = back.ApplyLinear({px - at.x, py - at.y});
      const double ux = refX + u.x, uy = refY + u.y;
      if (!(ux >= -0.5 && uy >= -0.5 && ux < w - 0.5 && uy < h - 0.5)) continue;
      const int tx = static_cast<int>(std::lround(ux)), ty = static_cast<int>(std::lround(uy));
      if (tx < 0 || ty < 0 || tx >= w || ty >= h) continue;
      const int shade = static_cast<int>(upright.Pixel(tx, ty) & 0xFF);
      if (!font.smooth || shade == 0) {
        if (shade < 128) dc.SetPixel(px, py, colour);
      } else if (shade < 255) {
        // A smoothed edge: as much of the colour as the upright glyph's grey.
        const Color beneath = ColorToRgb(dc.GetPixel(px, py)), ink = ColorToRgb(colour);
        auto channel = [&](int shift) {
          const int d = static_cast<int>((beneath >> shift) & 0xFF), c = static_cast<int>((ink >> shift) & 0xFF);
          return static_cast<Color>(d + ((c - d) * (255 - shade) + (c >= d ? 127 : -127)) / 255) << shift;
        };
        dc.SetPixel(px, py, channel(16) | channel(8) | channel(0));
      }
    }
  return cost;
}

// The line as figures for a path: drawn upright on a bitmap of its own, its
// pixels' outlines taken where `turn` takes them about `at`. What the bitmap
// and the outlines cost is added to work; nothing is made past allowance.
template <typename Write>
std::vector<std::vector<PointD>> TextOutline(DeviceContext& dc, const Write& write, PointD at, double left,
                                             double width, const Affine& turn, const Font& font,
                                             long long allowance, long long& work) {
  const TextMetrics metrics = dc.GetFontMetrics();
  const int margin = 2;
  if (!(std::fabs(width) <= Bitmap::kMaxSide) || !std::isfinite(at.x) || !std::isfinite(at.y) ||
      !std::isfinite(left) || !(std::fabs(left) <= Bitmap::kMaxSide) || !turn.Finite())
    return {};
  const int w = static_cast<int>(std::ceil(std::fabs(width))) + 2 * margin, h = metrics.height + 2 * margin;
  if (!Bitmap::SizeAllowed(w, h)) return {};
  // The bitmap, the walk over its pixels and the edges' index: about 16 steps a pixel.
  const long long cost = 16LL * w * h;
  work += cost;
  if (cost > allowance) return {};
  Bitmap upright(w, h);
  if (upright.Empty()) return {};
  upright.Dc().SetBrush(Brush{BrushStyle::bsSolid, 0xFFFFFF, nullptr});
  upright.Dc().FillRect(TRect{0, 0, w, h});
  upright.Dc().SetFont(font);
  upright.Dc().SetTextColor(0);
  upright.Dc().SetBkMode(kTransparent);
  const unsigned vertical = dc.GetTextAlign() & kTaVertical;
  const int baseline = vertical == kTaBaseline ? metrics.ascent : vertical == kTaBottom ? metrics.height : 0;
  const double refX = margin - left, refY = margin + baseline;
  write(upright.Dc(), margin, static_cast<int>(refY));
  auto figures = PixelOutlines(w, h, [&](int x, int y) { return (upright.Pixel(x, y) & 0xFF) < 128; });
  for (auto& figure : figures)
    for (PointD& p : figure) {
      const PointD d = turn.ApplyLinear({p.x - refX, p.y - refY});
      p = {at.x + d.x, at.y + d.y};
    }
  return figures;
}

// What a world transform does to text beyond its size, as the device shows it:
// its linear part seen through the page's axes (page * world * page^-1), its
// scale taken out (the font and the advances carry it). The identity when the
// world only scales along the axes, which leaves text upright.
Affine WorldTurn(const Affine& world, const Affine& page) {
  if (world.AxisAligned() && world.m11 > 0 && world.m22 > 0) return {};
  if (page.m11 == 0 || page.m22 == 0) return {};
  Affine seen{world.m11, world.m12 * page.m22 / page.m11, world.m21 * page.m11 / page.m22, world.m22, 0, 0};
  const double scale = seen.Scale();
  if (!(scale > 0) || !std::isfinite(scale)) return {};
  return {seen.m11 / scale, seen.m12 / scale, seen.m21 / scale, seen.m22 / scale, 0, 0};
}

bool Identity(const Affine& a) { return a.m11 == 1 && a.m12 == 0 && a.m21 == 0 && a.m22 == 1; }

// A line placed character by character still has its background (opaque
// mode) and its underline and strike-out laid across the whole of it, the
// spacing between characters included, as GDI lays them: spaces in the line's
// font fill [from, to) (the last one pulled back to end there). False, drawing
// nothing, when there is nothing to lay or it would take more than `allowed`
// spaces.
bool SpanLine(DeviceContext& dc, double from, double to, int y, double allowed) {
  const Font& font = dc.GetFont();
  if (!font.underline && !font.strikeOut && dc.GetBkMode() != kOpaque) return false;
  const double first = std::min(from, to), last = std::max(from, to);
  const int space = dc.TextExtent(" ").cx;
  if (space <= 0 || !(last - first >= space) || !((last - first) / space < allowed)) return false;
  for (double at = first;; at += space) {
    const double put = std::min(at, last - space);
    dc.TextOutAt(HeldInt(put), y, " ");
    if (put >= last - space) break;
  }
  return true;
}

// The escapement is an angle on the page: a map that stretches one axis more
// than the other shows the line at another angle on the device.
double DeviceDegrees(double degrees, const Affine& page) {
  const double ax = std::fabs(page.m11), ay = std::fabs(page.m22);
  if (page.m12 != 0 || page.m21 != 0 || !(ax > 0) || !(ay > 0) || !std::isfinite(ax / ay) || ax == ay) return degrees;
  const double a = degrees * std::numbers::pi / 180;
  return std::atan2(ay * std::sin(a), ax * std::cos(a)) * 180 / std::numbers::pi;
}

// Device pixels per logical unit along the line's device direction (where
// `turn` takes the upright baseline); 0 when the map cannot be undone.
double DeviceLengthPerUnit(const Affine& toDevice, const Affine& turn) {
  const PointD u = turn.ApplyLinear({1, 0});
  const double ul = std::hypot(u.x, u.y);
  if (!(ul > 0) || !std::isfinite(ul) || toDevice.Determinant() == 0 || !toDevice.Finite()) return 0;
  const PointD back = toDevice.Inverse().ApplyLinear({u.x / ul, u.y / ul});
  const double bl = std::hypot(back.x, back.y);
  return bl > 0 && std::isfinite(bl) ? 1 / bl : 0;
}

}  // namespace

void Playback::Text(const TextRun& run) {
  if (run.text.empty() || (run.options & kEtoGlyphIndex)) return;
  Charge(static_cast<long long>(run.text.size()) * 16);
  const Affine& m = ToDevice();
  Font font = state_.font.font;
  // The height grows with the map's vertical scale; its sign (cell or character) stays.
  const double scaleY = std::hypot(m.m21, m.m22);
  const double h = font.height * scaleY;
  font.height = std::isfinite(h) ? static_cast<int>(std::lround(std::clamp(h, -10000.0, 10000.0))) : 0;
  if (font.height == 0 && state_.font.font.height != 0) font.height = state_.font.font.height < 0 ? -1 : 1;
  // The width, asked in logical units along the baseline, grows with the map's
  // horizontal scale (a negative one is taken as its size, as GDI does).
  const double across = std::fabs(static_cast<double>(font.width)) * std::hypot(m.m11, m.m12);
  font.width = std::isfinite(across) ? static_cast<int>(std::lround(std::min(across, 10000.0))) : 0;
  std::string bytes;
  std::vector<int> charsets;  // each character's, when they differ
  if (run.wide) {
    bool whole = true;
    bytes = Encode(run.text, font, whole);
    if (!whole && run.dx.size() >= run.text.size()) bytes = EncodeEach(run.text, font, charsets);
  } else {
    for (const char16_t c : run.text) bytes += static_cast<char>(c & 0xFF);
  }
  dc_.SetFont(font);
  UseAttributes();

  if ((run.options & kEtoOpaque) && run.rect && !pathOpen_) {
    UseBrush(BrushObject{kBsSolid, 0, state_.bkColor, nullptr});
    const PointD a = run.rect->first, c = run.rect->second;
    if (m.AxisAligned()) {
      const TPoint p = Pixel(m.Apply(a)), q = Pixel(m.Apply(c));
      dc_.FillRect(TRect{std::min(p.x, q.x), std::min(p.y, q.y), std::max(p.x, q.x), std::max(p.y, q.y)});
    } else {
      // A world transform that turns or slants the line turns its box with it.
      const PointD corners[] = {m.Apply(a), m.Apply({c.x, a.y}), m.Apply(c), m.Apply({a.x, c.y})};
      UseNoPen();
      dc_.Polygon(Pixels(corners));
    }
  }
  // A clipped line is cut to its rectangle as well as to the clip, which stays.
  const bool clipped = (run.options & kEtoClipped) && run.rect && !pathOpen_;
  const Clip before = state_.clip;
  if (clipped) IntersectClipRect(run.rect->first, run.rect->second);

  const bool updateCp = state_.textAlign & kTaUpdateCp;
  const PointD at = m.Apply(updateCp ? state_.position : run.at);
  const unsigned horizontal = state_.textAlign & kTaHorizontal, vertical = state_.textAlign & kTaVertical;
  // A world transform that turns, mirrors or slants takes the line with it,
  // as GDI's advanced graphics mode draws it; the page's own mirror does not.
  const Affine page = PageTransform().Then(placement_);
  const Affine world = WorldTurn(state_.world, page);
  // Escapement turns the line about its reference point (counter-clockwise as
  // the page shows it; a map that mirrors turns it the other way).
  double degrees = state_.font.escapement % 3600 / 10.0;
  if (page.Determinant() < 0) degrees = -degrees;
  // Under a world transform on an upright page the glyphs take the whole map
  // to the device, a stretch of the page included: the line is drawn upright at
  // the height the map gives the glyphs' vertical and carried by the map over
  // that height. Otherwise the line turns (a page that stretches one axis more
  // shows it at another angle) and keeps its glyphs' shape.
  const bool wholeMap = !Identity(world) && page.AxisAligned() && page.m11 > 0 && page.m22 > 0 && scaleY > 0 &&
                        std::isfinite(scaleY);
  const Affine turn = wholeMap ? Turn(degrees).Then(Affine{m.m11 / scaleY, m.m12 / scaleY, m.m21 / scaleY,
                                                           m.m22 / scaleY, 0, 0})
                               : Turn(DeviceDegrees(degrees, page)).Then(world);
  // A spacing is a logical length along the line as it runs: under a map that
  // stretches one axis more than the other, a turned line's advances take the
  // scale along its own direction, not the horizontal one. Carried by the
  // whole map, the upright line's advances are at the glyphs' height's scale.
  const double perUnit = wholeMap ? scaleY : DeviceLengthPerUnit(m, turn);
  // The advances along the baseline, in device pixels (backwards where the page runs so).
  double total = 0;
  std::vector<double> advances;
  if (run.dx.size() >= run.text.size()) {
    for (std::size_t i = 0; i < run.text.size(); ++i) {
      const PointD d = m.ApplyLinear({run.dx[i], 0});
      const double along = Identity(world) ? d.x : page.m11 * run.dx[i];
      const double length = perUnit > 0 ? std::fabs(run.dx[i]) * perUnit : std::hypot(d.x, d.y);
      advances.push_back(std::copysign(length, along == 0 ? 1.0 : along));
      total += advances.back();
    }
  } else {
    total = dc_.TextExtent(bytes).cx;
  }
  // How many spaces laying the line's background and bars across its spacing
  // may take (0: each character lays its own).
  double spaces = 0;
  if (!advances.empty() && (font.underline || font.strikeOut || state_.bkMode == kOpaque)) {
    const int space = dc_.TextExtent(" ").cx;
    if (space > 0) spaces = std::floor(std::fabs(total) / space) + 2;
  }
  double x = at.x;
  if (horizontal == kTaCenter) x -= total / 2;
  else if (horizontal == kTaRight) x -= total;
  // The characters from (left, y), aligned on y as the record asks.
  const auto write = [&](DeviceContext& dc, double left, int y) {
    dc.SetTextAlign(kTaLeft | vertical);
    if (advances.empty()) {
      dc.TextOutAt(HeldInt(left), y, bytes);
      return;
    }
    const Font own = dc.GetFont();
    const int bkMode = dc.GetBkMode();
    const bool spanned = SpanLine(dc, left, left + total, y, spaces);
    if (spanned) {
      // The characters go over the line's background and bars as they are.
      Font plain = own;
      plain.underline = plain.strikeOut = false;
      dc.SetFont(plain);
      dc.SetBkMode(kTransparent);
    }
    double pen = left;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      if (!charsets.empty() && charsets[i] != dc.GetFont().charset) {
        Font each = dc.GetFont();
        each.charset = charsets[i];
        dc.SetFont(each);
      }
      dc.TextOutAt(HeldInt(pen), y, std::string_view(bytes).substr(i, 1));
      pen += advances[i];
    }
    if (spanned || !charsets.empty()) dc.SetFont(own);
    if (spanned) dc.SetBkMode(bkMode);
  };
  dc_.SetTextAlign(kTaLeft | vertical);
  // Each character costs about its cell's pixels to draw, on the surface or
  // not, and a small one at least what a call to draw it costs: text past the
  // play's allowance is left out.
  constexpr double kLeastCell = 512;
  const double cell = std::max(kLeastCell, double(font.height) * font.height);
  const long long glyphs = static_cast<long long>(std::min(cell * static_cast<double>(bytes.size()), 1e15));
  textWork_ += glyphs;
  // Spaces under a spaced line cost as characters do (a hostile spacing could
  // ask for millions).
  if (spaces > 0) {
    const double more = std::min(cell * spaces, 1e15);
    if (textWork_ + more <= kTextAllowance) textWork_ += static_cast<long long>(more);
    else spaces = 0;
  }
  if (pathOpen_) {
    if (textWork_ <= kTextAllowance) {
      for (const auto& figure : TextOutline(dc_, write, at, x - at.x, total, turn, font, kTextAllowance - textWork_,
                                            textWork_))
        AddToPath(figure, true, true);
    }
  } else if (textWork_ <= kTextAllowance && Identity(turn)) {
    write(dc_, x, Pixel(at).y);
  } else if (textWork_ <= kTextAllowance) {
    const long long cost = TurnedText(dc_, write, at, x - at.x, total, turn, font, state_.textColor, surface_,
                                      kTextAllowance - textWork_);
    textWork_ += cost;
  }
  if (clipped) {
    state_.clip = before;
    ApplyClip();
  }
  if (updateCp) {
    // Left-aligned text moves the position on by its width; right-aligned back.
    const double moved = horizontal == kTaRight ? -total : horizontal == kTaCenter ? 0 : total;
    state_.position = m.Inverse().Apply({at.x + moved, at.y});
  }
}

}  // namespace pg::platform::metafile
