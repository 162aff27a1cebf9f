#include "platform/export/recording_context.h"

#include <algorithm>

#include "platform/bitmap.h"
#include "platform/codepage_table.h"

namespace pg::platform {

RecordingContext::RecordingContext(int width, int height)
    : width_(width), height_(height), measure_(std::make_unique<Bitmap>(1, 1)) {}

RecordingContext::~RecordingContext() = default;

void RecordingContext::MoveTo(int x, int y) { position_ = TPoint{x, y}; }

DeviceContext& RecordingContext::Measure() {
  auto& dc = measure_->Dc();
  if (measureFontStale_) {
    dc.SetFont(GetFont());
    measureFontStale_ = false;
  }
  return dc;
}

TSize RecordingContext::TextExtent(std::string_view text) { return Measure().TextExtent(text); }

TextMetrics RecordingContext::GetFontMetrics() { return Measure().GetFontMetrics(); }

std::vector<int> RecordingContext::CharacterStarts(std::string_view text) {
  return Measure().CharacterStarts(text);
}

bool RecordingContext::CopiedShrunkOntoPage(const TRect& dest, const Bitmap& src, const TRect& srcRect, BlitRop rop) {
  const long long sw = WidthOf(srcRect), sh = HeightOf(srcRect), dw = WidthOf(dest), dh = HeightOf(dest);
  if (sw <= 0 || sh <= 0 || dw <= 0 || dh <= 0 || sw * sh <= dw * dh) return false;
  const TRect part{std::max(dest.left, 0), std::max(dest.top, 0), std::min(dest.right, width_),
                   std::min(dest.bottom, height_)};
  if (part.Width() <= 0 || part.Height() <= 0) return true;
  Bitmap shrunk(part.Width(), part.Height());
  if (shrunk.Empty()) return true;
  shrunk.Dc().StretchBlt(TRect{dest.left - part.left, dest.top - part.top, dest.right - part.left, dest.bottom - part.top},
                         src, srcRect, BlitRop::kSrcCopy);
  StretchBlt(part, shrunk, TRect{0, 0, part.Width(), part.Height()}, rop);  // one to one: recorded as it is
  return true;
}

std::u32string RecordingContext::Unicode(std::string_view text) const {
  const int codePage = CodePageOfCharset(GetFont().charset);
  std::u32string out;
  out.reserve(text.size());
  for (const char c : text) out += static_cast<char32_t>(CodePointOf(static_cast<unsigned char>(c), codePage));
  return out;
}

TPoint RecordingContext::TextOrigin(int x, int y, std::string_view text) {
  const unsigned align = GetTextAlign();
  const TSize size = TextExtent(text);
  TPoint p{x, y};
  if ((align & kTaCenter) == kTaCenter)
    p.x -= size.cx / 2;
  else if (align & kTaRight)
    p.x -= size.cx;
  if ((align & kTaBaseline) == kTaBaseline)
    p.y -= GetFontMetrics().ascent;
  else if (align & kTaBottom)
    p.y -= size.cy;
  return p;
}

bool RecordingContext::TextOffPage(TPoint origin, TSize size) const {
  const long long margin = std::max(0, size.cy);
  const long long left = origin.x, top = origin.y;
  return left + std::max(0, size.cx) + margin <= 0 || top + std::max(0, size.cy) + margin <= 0 ||
         left - margin >= width_ || top - margin >= height_;
}

TRect BoxAt(int x, int y, int width, int height) {
  auto edge = [](int from, int size) {
    return static_cast<int>(std::clamp<long long>(static_cast<long long>(from) + size, INT32_MIN, INT32_MAX));
  };
  return TRect{x, y, edge(x, width), edge(y, height)};
}

TRect PointExtent(std::span<const TPoint> points) {
  if (points.empty()) return TRect{};
  TRect r{points[0].x, points[0].y, points[0].x, points[0].y};
  for (const auto& p : points) {
    r.left = std::min(r.left, p.x);
    r.top = std::min(r.top, p.y);
    r.right = std::max(r.right, p.x);
    r.bottom = std::max(r.bottom, p.y);
  }
  return r;
}

}  // namespace pg::platform
