#include "platform/metafile/emf_recorder.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/bitmap.h"
#include "platform/metafile/emf_records.h"

namespace pg::platform::metafile {

using namespace emr;

namespace {

// Slots of the handle table: 0 is the metafile's own; pens, brushes and fonts
// take two each, alternating.
constexpr std::uint32_t kPenSlots = 1, kBrushSlots = 3, kFontSlots = 5, kHandleCount = 7;
// The reference device: 960 pixels are 254 millimetres, 96 to the inch.
constexpr std::int32_t kDevicePixels = 960, kDeviceMillimetres = 254;

// Rounded down: players scale the frame onto the rectangle they are given, and
// a frame a shade too large plays everything a shade smaller, which turns the
// fonts' pixel heights down by one. A shade larger moves nothing by a pixel.
std::int32_t HundredthsOfMm(int pixels) {
  return static_cast<std::int32_t>(static_cast<std::int64_t>(pixels) * 2540 / 96);
}

bool Fits16(std::span<const TPoint> points) {
  return std::all_of(points.begin(), points.end(), [](const TPoint& p) {
    return p.x >= std::numeric_limits<std::int16_t>::min() && p.x <= std::numeric_limits<std::int16_t>::max() &&
           p.y >= std::numeric_limits<std::int16_t>::min() && p.y <= std::numeric_limits<std::int16_t>::max();
  });
}

// Players run an enhanced metafile in GDI's advanced graphics mode, where a
// rectangle, rounded rectangle or ellipse takes in its right and bottom edges
// (a pie or an arc does not): the box the caller means is written one pixel
// short on those sides (whichever way round its corners come).
TRect PlayedBox(int left, int top, int right, int bottom) {
  auto shorten = [](int& low, int& high) {
    if (high > low)
      --high;
    else if (low > high)
      --low;
  };
  shorten(left, right);
  shorten(top, bottom);
  return TRect{left, top, right, bottom};
}

}  // namespace

// One record's bytes, its type and size words first; the size is filled in when
// the record is added.
class EmfRecordingContext::Record {
 public:
  explicit Record(std::uint32_t type) { U32(type).U32(0); }
  Record& U32(std::uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes_.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    return *this;
  }
  Record& I32(std::int32_t v) { return U32(static_cast<std::uint32_t>(v)); }
  Record& U16(std::uint16_t v) {
    bytes_.push_back(static_cast<std::uint8_t>(v));
    bytes_.push_back(static_cast<std::uint8_t>(v >> 8));
    return *this;
  }
  Record& U8(std::uint8_t v) {
    bytes_.push_back(v);
    return *this;
  }
  Record& F32(float f) {
    std::uint32_t bits;
    static_assert(sizeof bits == sizeof f);
    __builtin_memcpy(&bits, &f, sizeof f);
    return U32(bits);
  }
  Record& Rect(const TRect& r) { return I32(r.left).I32(r.top).I32(r.right).I32(r.bottom); }
  Record& Bytes(const std::vector<std::uint8_t>& b) {
    bytes_.insert(bytes_.end(), b.begin(), b.end());
    return *this;
  }
  Record& Align() {
    while (bytes_.size() % 4) bytes_.push_back(0);
    return *this;
  }
  std::size_t Size() const { return bytes_.size(); }
  std::vector<std::uint8_t> Done() {
    Align();
    const auto n = static_cast<std::uint32_t>(bytes_.size());
    for (int i = 0; i < 4; ++i) bytes_[4 + i] = static_cast<std::uint8_t>(n >> (8 * i));
    return std::move(bytes_);
  }

 private:
  std::vector<std::uint8_t> bytes_;
};

EmfRecordingContext::EmfRecordingContext(int width, int height)
    : RecordingContext(width, height), fills_([this](const SolidFill& f) { WriteFill(f); }) {
  body_.reserve(16 * 1024);
  // Players start from the state of the context they play into: every attribute
  // the chart relies on is set at the start.
  Emit(kSetMapMode, {1});
  Emit(kSetStretchBltMode, {kStretchColorOnColor});
}

void EmfRecordingContext::WriteFill(const SolidFill& f) {
  if (fileSolid_ != f.color) {
    WriteBrush(Brush{BrushStyle::bsSolid, f.color, nullptr});
    brushStale_ = true;
  }
  BrushOnly(f.rect);
}

void EmfRecordingContext::BrushOnly(const TRect& r) {
  // The brush alone over the box, whatever the pen and its mode: a rectangle
  // with no pen (which covers one pixel less, taken back by the advanced mode
  // players use) and copying. A gradient's bands follow one another, so the
  // pen stays off until a shape needs it again.
  if (!penNull_) {
    Emit(kSelectObject, {static_cast<std::int32_t>(kStockObject | kNullPen)});
    penNull_ = true;
    penStale_ = true;
  }
  constexpr std::int64_t kCopyPen = 13;
  if (rop2_ != kCopyPen) {
    rop2_ = kCopyPen;
    Emit(kSetRop2, {static_cast<std::int32_t>(kCopyPen)});
  }
  Emit(kRectangle, {r.left, r.top, r.right, r.bottom});
}

void EmfRecordingContext::Add(const Record& r) {
  fills_.Flush();
  auto bytes = Record(r).Done();
  body_.insert(body_.end(), bytes.begin(), bytes.end());
  ++records_;
}

void EmfRecordingContext::Emit(std::uint32_t type, std::initializer_list<std::int32_t> fields) {
  Record r(type);
  for (const auto v : fields) r.I32(v);
  Add(r);
}

void EmfRecordingContext::FontChanged() {
  RecordingContext::FontChanged();
  fontStale_ = true;
}

std::uint32_t EmfRecordingContext::NextSlot(std::uint32_t& current, std::uint32_t first) {
  const std::uint32_t old = current;
  current = old == first ? first + 1 : first;
  (void)old;
  return current;
}

void EmfRecordingContext::SyncPen() {
  if (!penStale_) return;
  penStale_ = false;
  const Pen& pen = GetPen();
  const std::uint32_t old = penSlot_;
  if (pen.style == PenStyle::psClear) {
    Emit(kSelectObject, {static_cast<std::int32_t>(kStockObject | kNullPen)});
    penNull_ = true;
  } else {
    const std::uint32_t slot = NextSlot(penSlot_, kPenSlots);
    const std::uint32_t colour = ColorToRgb(pen.color);
    if (pen.style == PenStyle::psAlternate) {
      constexpr std::uint32_t kCosmeticAlternate = 8;
      Record r(kExtCreatePen);
      r.U32(slot).U32(52).U32(0).U32(52).U32(0);  // no bitmap: offsets point past the record
      r.U32(kCosmeticAlternate).U32(1).U32(0).U32(colour).U32(0).U32(0);
      Add(r);
    } else {
      const int width = std::clamp(pen.width, 1, kMaxPenWidth);
      static constexpr std::int32_t kStyles[] = {0, 1, 2, 3, 4, 5, 6, 0};
      Emit(kCreatePen, {static_cast<std::int32_t>(slot), kStyles[static_cast<int>(pen.style)], width, 0,
                        static_cast<std::int32_t>(colour)});
    }
    Emit(kSelectObject, {static_cast<std::int32_t>(slot)});
    penNull_ = false;
    if (old) Emit(kDeleteObject, {static_cast<std::int32_t>(old)});
    return;
  }
  if (old) Emit(kDeleteObject, {static_cast<std::int32_t>(old)});
  penSlot_ = 0;
}

void EmfRecordingContext::SyncBrush() {
  if (!brushStale_) return;
  brushStale_ = false;
  const Brush& brush = GetBrush();
  if (brush.style == BrushStyle::bsSolid && !brush.pattern && fileSolid_ == ColorToRgb(brush.color)) return;
  WriteBrush(brush);
}

void EmfRecordingContext::WriteBrush(const Brush& brush) {
  const std::uint32_t old = brushSlot_;
  fileSolid_.reset();
  if (brush.style == BrushStyle::bsClear && !brush.pattern) {
    Emit(kSelectObject, {static_cast<std::int32_t>(kStockObject | kNullBrush)});
    brushNull_ = true;
    if (old) Emit(kDeleteObject, {static_cast<std::int32_t>(old)});
    brushSlot_ = 0;
    return;
  }
  const std::uint32_t slot = NextSlot(brushSlot_, kBrushSlots);
  std::uint32_t colour = ColorToRgb(brush.color);
  std::int32_t style = 0, hatch = 0;  // BS_SOLID
  // A picture brush is written as the colour of its first pixel: the chart
  // itself paints with solid and hatched brushes only.
  if (brush.pattern) {
    colour = brush.pattern->Pixel(0, 0);
    colour = (colour >> 16 & 0xFF) | (colour & 0xFF00) | (colour & 0xFF) << 16;
  } else if (brush.style != BrushStyle::bsSolid) {
    style = 2;  // BS_HATCHED
    hatch = static_cast<int>(brush.style) - static_cast<int>(BrushStyle::bsHorizontal);
  } else {
    fileSolid_ = colour;
  }
  Emit(kCreateBrushIndirect, {static_cast<std::int32_t>(slot), style, static_cast<std::int32_t>(colour), hatch});
  Emit(kSelectObject, {static_cast<std::int32_t>(slot)});
  brushNull_ = false;
  if (old) Emit(kDeleteObject, {static_cast<std::int32_t>(old)});
}

void EmfRecordingContext::SyncFont() {
  if (!fontStale_) return;
  fontStale_ = false;
  const Font& f = GetFont();
  const std::uint32_t old = fontSlot_;
  const std::uint32_t slot = NextSlot(fontSlot_, kFontSlots);
  Record r(kExtCreateFontIndirectW);
  r.U32(slot).I32(f.height).I32(std::max(0, f.width)).I32(0).I32(0).I32(f.weight);
  constexpr std::uint8_t kNonAntialiased = 3, kAntialiased = 4;
  r.U8(f.italic ? 1 : 0).U8(f.underline ? 1 : 0).U8(f.strikeOut ? 1 : 0).U8(static_cast<std::uint8_t>(f.charset));
  r.U8(0).U8(0).U8(f.smooth ? kAntialiased : kNonAntialiased).U8(0);
  // The face in 32 UTF-16 units, the last always a terminator.
  const std::u32string face = Unicode(f.face);
  for (std::size_t i = 0; i < 32; ++i) r.U16(i < 31 && i < face.size() ? static_cast<std::uint16_t>(face[i]) : 0);
  Add(r);
  Emit(kSelectObject, {static_cast<std::int32_t>(slot)});
  if (old) Emit(kDeleteObject, {static_cast<std::int32_t>(old)});
}

void EmfRecordingContext::SyncAttributes() {
  auto set = [&](std::int64_t& written, std::int64_t value, std::uint32_t type) {
    if (written == value) return;
    written = value;
    Emit(type, {static_cast<std::int32_t>(value)});
  };
  set(bkMode_, GetBkMode(), kSetBkMode);
  set(bkColor_, ColorToRgb(GetBkColor()), kSetBkColor);
  set(textColor_, ColorToRgb(GetTextColor()), kSetTextColor);
  set(textAlign_, GetTextAlign(), kSetTextAlign);
  set(fillMode_, GetPolyFillMode(), kSetPolyFillMode);
  set(rop2_, static_cast<int>(GetPen().mode), kSetRop2);
}

void EmfRecordingContext::MoveTo(int x, int y) {
  RecordingContext::MoveTo(x, y);
  positionWritten_ = false;
}

void EmfRecordingContext::LineTo(int x, int y) {
  SyncPen();
  SyncAttributes();
  if (!positionWritten_) {
    const TPoint from = CurrentPosition();
    Emit(kMoveToEx, {from.x, from.y});
    positionWritten_ = true;
  }
  Emit(kLineTo, {x, y});
  SetPosition(TPoint{x, y});
}

void EmfRecordingContext::Points(std::uint32_t type32, std::uint32_t type16, std::span<const TPoint> points) {
  const bool small = Fits16(points);
  Record r(small ? type16 : type32);
  const TRect b = PointExtent(points);
  r.Rect(b).U32(static_cast<std::uint32_t>(points.size()));
  for (const auto& p : points) {
    if (small)
      r.U16(static_cast<std::uint16_t>(p.x)).U16(static_cast<std::uint16_t>(p.y));
    else
      r.I32(p.x).I32(p.y);
  }
  Add(r);
}

void EmfRecordingContext::Polyline(std::span<const TPoint> points) {
  if (points.empty()) return;
  SyncPen();
  SyncAttributes();
  Points(kPolyline, kPolyline16, points);
}

void EmfRecordingContext::Polygon(std::span<const TPoint> points) {
  if (points.empty()) return;
  SyncShape();
  Points(kPolygon, kPolygon16, points);
}

void EmfRecordingContext::Box(std::uint32_t type, int left, int top, int right, int bottom,
                              std::initializer_list<std::int32_t> more) {
  SyncShape();
  Record r(type);
  // Pies and arcs play as drawn; the other boxes as the advanced mode takes them.
  r.Rect(type == kPie ? TRect{left, top, right, bottom} : PlayedBox(left, top, right, bottom));
  for (const auto v : more) r.I32(v);
  Add(r);
}

void EmfRecordingContext::Rectangle(int l, int t, int r, int b) { Box(kRectangle, l, t, r, b, {}); }
void EmfRecordingContext::RoundRect(int l, int t, int r, int b, int cw, int ch) { Box(kRoundRect, l, t, r, b, {cw, ch}); }
void EmfRecordingContext::Ellipse(int l, int t, int r, int b) { Box(kEllipse, l, t, r, b, {}); }
void EmfRecordingContext::Pie(int l, int t, int r, int b, int x3, int y3, int x4, int y4) {
  Box(kPie, l, t, r, b, {x3, y3, x4, y4});
}
void EmfRecordingContext::Arc(int l, int t, int r, int b, int x3, int y3, int x4, int y4) {
  SyncPen();
  SyncAttributes();
  Record rec(kArc);
  rec.Rect(TRect{l, t, r, b}).I32(x3).I32(y3).I32(x4).I32(y4);
  Add(rec);
}

void EmfRecordingContext::FillRect(const TRect& r) {
  if (r.right <= r.left || r.bottom <= r.top) return;
  const Brush& brush = GetBrush();
  if (brush.style == BrushStyle::bsSolid && !brush.pattern) {
    fills_.Add(r, ColorToRgb(brush.color));
    return;
  }
  SyncBrush();
  SyncAttributes();
  BrushOnly(r);
}

void EmfRecordingContext::SetPixel(int x, int y, Color c) {
  Emit(kSetPixelV, {x, y, static_cast<std::int32_t>(ColorToRgb(c))});
}

void EmfRecordingContext::TextOutAt(int x, int y, std::string_view text) {
  if (text.empty()) return;
  const TPoint origin = TextOrigin(x, y, text);
  const TSize size = TextExtent(text);
  if (TextOffPage(origin, size)) return;
  SyncFont();
  SyncAttributes();
  const std::u32string chars = Unicode(text);
  const auto starts = CharacterStarts(text);
  // A player centres or right-aligns the text by the sum of its advances, which
  // can part by a pixel from the width the raster aligned it by: the reference
  // point is moved so the first character lands where the raster put it.
  const unsigned align = GetTextAlign();
  if ((align & kTaCenter) == kTaCenter)
    x = NextStart(origin.x, starts.back() / 2);
  else if (align & kTaRight)
    x = NextStart(origin.x, starts.back());
  const auto n = static_cast<std::uint32_t>(chars.size());
  const std::uint32_t offString = kExtTextOutWSize;
  const std::uint32_t offDx = offString + (n * 2 + 3) / 4 * 4;
  Record r(kExtTextOutW);
  r.Rect(TRect{origin.x, origin.y, origin.x + size.cx - 1, origin.y + size.cy - 1});
  r.U32(1).F32(0).F32(0);  // GM_COMPATIBLE
  r.I32(x).I32(y).U32(n).U32(offString).U32(0).Rect(TRect{}).U32(offDx);
  for (const char32_t c : chars) r.U16(static_cast<std::uint16_t>(c > 0xFFFF ? 0xFFFD : c));
  r.Align();
  for (std::size_t i = 0; i < n; ++i) r.I32(starts[i + 1] - starts[i]);
  Add(r);
}

void EmfRecordingContext::ClipRect(const TRect& r) {
  const bool empty = r.right <= r.left || r.bottom <= r.top;
  Record rec(kExtSelectClipRgn);
  rec.U32(empty ? 32 : 48).I32(kRgnCopy);
  rec.U32(32).U32(1).U32(empty ? 0 : 1).U32(empty ? 0 : 16);
  if (empty) {
    rec.Rect(TRect{});
  } else {
    rec.Rect(r).Rect(r);
  }
  Add(rec);
}

void EmfRecordingContext::ClipPolygon(std::span<const TPoint> points) {
  SyncAttributes();
  Emit(kBeginPath, {});
  Points(kPolygon, kPolygon16, points);
  Emit(kEndPath, {});
  Emit(kSelectClipPath, {kRgnCopy});
}

void EmfRecordingContext::RemoveClip() { Emit(kExtSelectClipRgn, {0, kRgnCopy}); }

void EmfRecordingContext::BitBlt(int x, int y, int width, int height, const Bitmap& src, int srcX, int srcY,
                                 BlitRop rop) {
  StretchBlt(BoxAt(x, y, width, height), src, BoxAt(srcX, srcY, width, height), rop);
}

void EmfRecordingContext::StretchBlt(const TRect& dest, const Bitmap& src, const TRect& srcRect, BlitRop rop) {
  if (CopiedShrunkOntoPage(dest, src, srcRect, rop)) return;
  // The record holds the destination's size in 32 bits.
  const long long sw = WidthOf(srcRect), sh = HeightOf(srcRect), dw = WidthOf(dest), dh = HeightOf(dest);
  auto fits = [](long long v) { return v >= INT32_MIN && v <= INT32_MAX; };
  if (sw <= 0 || sh <= 0 || dw == 0 || dh == 0 || !fits(sw) || !fits(sh) || !fits(dw) || !fits(dh)) return;
  const int w = static_cast<int>(sw), h = static_cast<int>(sh);
  if (!Bitmap::SizeAllowed(w, h)) return;
  const std::size_t stride = (static_cast<std::size_t>(w) * 3 + 3) / 4 * 4;
  const auto bitsSize = static_cast<std::uint32_t>(stride * static_cast<std::size_t>(h));
  Record r(kStretchDiBits);
  r.Rect(TRect{std::min(dest.left, dest.right), std::min(dest.top, dest.bottom),
               std::max(dest.left, dest.right) - 1, std::max(dest.top, dest.bottom) - 1});
  r.I32(dest.left).I32(dest.top).I32(0).I32(0).I32(w).I32(h);
  r.U32(kStretchDiBitsSize).U32(40).U32(kStretchDiBitsSize + 40).U32(bitsSize);
  r.U32(0).U32(static_cast<std::uint32_t>(rop)).I32(static_cast<int>(dw)).I32(static_cast<int>(dh));
  // BITMAPINFOHEADER: 24 bits, rows bottom-up, 96 dpi.
  r.U32(40).I32(w).I32(h).U16(1).U16(24).U32(0).U32(bitsSize).I32(3780).I32(3780).U32(0).U32(0);
  for (int y = h - 1; y >= 0; --y) {
    for (int x = 0; x < w; ++x) {
      const std::uint32_t p = src.Pixel(srcRect.left + x, srcRect.top + y);
      r.U8(static_cast<std::uint8_t>(p)).U8(static_cast<std::uint8_t>(p >> 8)).U8(static_cast<std::uint8_t>(p >> 16));
    }
    r.Align();
  }
  Add(r);
}

std::vector<std::uint8_t> EmfRecordingContext::Finish(const ExportDescription& description) {
  // The title goes into the header's description ("application\0title\0\0"),
  // the whole description into a comment.
  std::u32string headerText = U"Pirogram";
  headerText += U'\0';
  headerText += Unicode(description.title);
  headerText += U'\0';
  headerText += U'\0';
  Record comment(kGdiComment);
  const std::u32string text = Unicode(description.title + ": " + DescriptionText(description));
  comment.U32(static_cast<std::uint32_t>(text.size() * 2));
  for (const char32_t c : text) comment.U16(static_cast<std::uint16_t>(c));
  auto commentBytes = comment.Done();
  Emit(kEof, {0, 16, static_cast<std::int32_t>(kEofSize)});

  Record h(kHeader);
  const int w = std::max(Width(), 1), ht = std::max(Height(), 1);
  h.Rect(TRect{0, 0, w - 1, ht - 1}).Rect(TRect{0, 0, HundredthsOfMm(w), HundredthsOfMm(ht)});
  h.U32(kSignature).U32(0x10000).U32(0).U32(0);  // size and record count filled below
  h.U16(static_cast<std::uint16_t>(kHandleCount)).U16(0);
  h.U32(static_cast<std::uint32_t>(headerText.size())).U32(kHeaderSize).U32(0);
  h.I32(kDevicePixels).I32(kDevicePixels).I32(kDeviceMillimetres).I32(kDeviceMillimetres);
  h.U32(0).U32(0).U32(0).I32(kDeviceMillimetres * 1000).I32(kDeviceMillimetres * 1000);
  for (const char32_t c : headerText) h.U16(static_cast<std::uint16_t>(c));
  auto out = h.Done();
  out.insert(out.end(), commentBytes.begin(), commentBytes.end());
  out.insert(out.end(), body_.begin(), body_.end());
  auto put32 = [&](std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
  };
  put32(48, static_cast<std::uint32_t>(out.size()));
  put32(52, records_ + 2);  // header and comment besides the body's records
  return out;
}

}  // namespace pg::platform::metafile
