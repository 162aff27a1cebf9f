// Text records: the font scaled to the device, characters in the code page the
// context draws, placed one by one where the record gives their advances.
#include <algorithm>
#include <cmath>
#include <string>

#include "platform/codepage_table.h"
#include "platform/metafile/playback.h"

namespace pg::platform::metafile {

namespace {

constexpr std::uint32_t kEtoOpaque = 2, kEtoGlyphIndex = 0x10;
constexpr unsigned kTaUpdateCp = 1, kTaHorizontal = 6, kTaVertical = 24;

int CodePageOf(int charset) { return charset == 0 ? 1252 : 1251; }

// The text as bytes of one code page: the font's own when it holds every
// character, else the other one the context knows (and the charset with it).
std::string Encode(const std::u16string& text, Font& font) {
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
  const int codePage = CodePageOf(font.charset);
  if (encode(codePage, own)) return own;
  if (encode(codePage == 1252 ? 1251 : 1252, other)) {
    font.charset = codePage == 1252 ? 204 : 0;
    return other;
  }
  return own;
}

}  // namespace

void Playback::Text(const TextRun& run) {
  if (run.text.empty() || (run.options & kEtoGlyphIndex) || pathOpen_) return;
  Charge(static_cast<long long>(run.text.size()) * 16);
  const Affine& m = ToDevice();
  Font font = state_.font.font;
  // The height grows with the map's vertical scale; its sign (cell or character) stays.
  const double scaleY = std::hypot(m.m21, m.m22);
  const double h = font.height * scaleY;
  font.height = static_cast<int>(std::clamp<double>(std::lround(h), -10000, 10000));
  if (font.height == 0 && state_.font.font.height != 0) font.height = state_.font.font.height < 0 ? -1 : 1;
  std::string bytes;
  if (run.wide) {
    bytes = Encode(run.text, font);
  } else {
    for (const char16_t c : run.text) bytes += static_cast<char>(c & 0xFF);
  }
  dc_.SetFont(font);
  UseAttributes();

  if ((run.options & kEtoOpaque) && run.rect) {
    const TPoint p = Pixel(m.Apply(run.rect->first)), q = Pixel(m.Apply(run.rect->second));
    UseBrush(BrushObject{kBsSolid, 0, state_.bkColor, nullptr});
    dc_.FillRect(TRect{std::min(p.x, q.x), std::min(p.y, q.y), std::max(p.x, q.x), std::max(p.y, q.y)});
  }

  const bool updateCp = state_.textAlign & kTaUpdateCp;
  const PointD at = m.Apply(updateCp ? state_.position : run.at);
  const unsigned horizontal = state_.textAlign & kTaHorizontal, vertical = state_.textAlign & kTaVertical;
  // The advances along the baseline, in device pixels.
  double total = 0;
  std::vector<double> advances;
  if (run.dx.size() >= run.text.size()) {
    for (std::size_t i = 0; i < run.text.size(); ++i) {
      const PointD d = m.ApplyLinear({run.dx[i], 0});
      advances.push_back(std::copysign(std::hypot(d.x, d.y), d.x == 0 ? 1.0 : d.x));
      total += advances.back();
    }
  } else {
    total = dc_.TextExtent(bytes).cx;
  }
  double x = at.x;
  if (horizontal == kTaCenter) x -= total / 2;
  else if (horizontal == kTaRight) x -= total;
  const int y = Pixel(at).y;
  if (advances.empty()) {
    dc_.SetTextAlign(kTaLeft | vertical);
    dc_.TextOutAt(Pixel({x, at.y}).x, y, bytes);
  } else {
    dc_.SetTextAlign(kTaLeft | vertical);
    double pen = x;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      dc_.TextOutAt(static_cast<int>(std::lround(pen)), y, std::string_view(bytes).substr(i, 1));
      pen += advances[i];
    }
  }
  if (updateCp) {
    // Left-aligned text moves the position on by its width; right-aligned back.
    const double moved = horizontal == kTaRight ? -total : horizontal == kTaCenter ? 0 : total;
    state_.position = m.Inverse().Apply({at.x + moved, at.y});
  }
}

}  // namespace pg::platform::metafile
