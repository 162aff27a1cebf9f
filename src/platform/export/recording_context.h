#pragma once
// The base of the device contexts that record drawing into a file instead of
// keeping pixels. Text is measured exactly as the platform's raster measures it,
// so a chart lays itself out in a recording as it does on screen; reads of pixels
// give white, the colour of the page a recording is printed on.
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/device_context.h"

namespace pg::platform {

// The smallest and largest x and y of the points, right and bottom included (as
// an EMF record's bounds); empty for no points.
TRect PointExtent(std::span<const TPoint> points);

// A rectangle's width and height in 64 bits: one across the whole coordinate
// range, as a hostile picture may lay, is wider than an int holds.
inline long long WidthOf(const TRect& r) { return static_cast<long long>(r.right) - r.left; }
inline long long HeightOf(const TRect& r) { return static_cast<long long>(r.bottom) - r.top; }
// The box of width x height at (x, y), its far edges held to the coordinate range.
TRect BoxAt(int x, int y, int width, int height);

class RecordingContext : public DeviceContext {
 public:
  RecordingContext(int width, int height);
  ~RecordingContext() override;

  int Width() const { return width_; }
  int Height() const { return height_; }

  void MoveTo(int x, int y) override;
  TPoint CurrentPosition() const override { return position_; }
  std::uint32_t GetPixel(int, int) const override { return 0xFFFFFF; }
  TSize TextExtent(std::string_view text) override;
  TextMetrics GetFontMetrics() override;
  // As the platform's raster places them.
  std::vector<int> CharacterStarts(std::string_view text) override;
  bool RecordsDrawing() const override { return true; }
  TSize RecordingPage() const override { return {width_, height_}; }

 protected:
  void FontChanged() override { measureFontStale_ = true; }
  void SetPosition(TPoint p) { position_ = p; }
  // The text's characters as Unicode code points by the font's character set.
  std::u32string Unicode(std::string_view text) const;
  // Left and top of text drawn at (x, y) with the current alignment.
  TPoint TextOrigin(int x, int y, std::string_view text);
  // Whether text whose box is `size` at `origin` lies wholly off the page, a
  // line's height of overhang on every side allowed: nothing of it could show,
  // so it is left out of the file (a played metafile may lay thousands of such
  // spaces for one record).
  bool TextOffPage(TPoint origin, TSize size) const;
  // A copy whose source has more pixels than its destination is recorded as
  // the pixels the screen shows for the part of the destination on the page
  // (a photograph stretched behind the chart made an 18 MB EMF): true when it
  // was so (or nothing of it shows), false when the copy is to be recorded as
  // it is.
  bool CopiedShrunkOntoPage(const TRect& dest, const Bitmap& src, const TRect& srcRect, BlitRop rop);

 private:
  DeviceContext& Measure();
  int width_, height_;
  TPoint position_{};
  std::unique_ptr<Bitmap> measure_;
  bool measureFontStale_ = true;
};

}  // namespace pg::platform
