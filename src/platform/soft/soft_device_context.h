#pragma once
// The device context of the portable build: GDI's raster rules on a soft surface.
#include <memory>
#include <utility>
#include <vector>

#include "platform/device_context.h"
#include "platform/soft/raster/coverage.h"
#include "platform/soft/raster/dash_pattern.h"
#include "platform/soft/text/font_resolver.h"
#include "platform/soft/raster/painter.h"
#include "platform/soft/surface.h"

namespace pg::platform::soft {

class SoftDeviceContext final : public DeviceContext {
 public:
  // Draws on `surface`, which the caller keeps alive.
  explicit SoftDeviceContext(Surface& surface);

  Surface& Target() { return surface_; }

  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  TPoint CurrentPosition() const override { return position_; }
  void Polyline(std::span<const TPoint> points) override;
  void Polygon(std::span<const TPoint> input) override;
  void Rectangle(int left, int top, int right, int bottom) override;
  void RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) override;
  void Ellipse(int left, int top, int right, int bottom) override;
  void Pie(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4) override;
  void Arc(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4) override;
  void FillRect(const TRect& r) override;
  void SetPixel(int x, int y, Color c) override;
  std::uint32_t GetPixel(int x, int y) const override;
  void TextOutAt(int x, int y, std::string_view text) override;
  TSize TextExtent(std::string_view text) override;
  TextMetrics GetFontMetrics() override;
  void ClipRect(const TRect& r) override;
  void ClipPolygon(std::span<const TPoint> points) override;
  void RemoveClip() override;
  void BitBlt(int x, int y, int width, int height, const Bitmap& src, int srcX, int srcY, BlitRop rop) override;
  void StretchBlt(const TRect& dest, const Bitmap& src, const TRect& srcRect, BlitRop rop) override;

 protected:
  void PenChanged() override;
  void BrushChanged() override;
  void FontChanged() override;

 private:
  bool HasPen() const { return GetPen().style != PenStyle::psClear; }
  int PenWidth() const;
  int Rop() const { return static_cast<int>(GetPen().mode); }
  // The area a shape inside `box` may touch, kept near the surface so huge
  // coordinates cost nothing.
  TRect WorkArea(const TRect& box) const;
  TRect WorkArea() const { return WorkArea(surface_.Bounds()); }
  std::uint32_t DrawColor(Color c) const;
  PaintSource PenSource() const;
  PaintSource BackgroundSource() const;
  PaintSource BrushSource() const;
  bool HasBrush() const;

  void PaintCoverage(const Coverage& c, const PaintSource& s, int rop);
  // Paints the runs `shape` adds to a SpanSink within `area` with the current ROP.
  template <typename Shape>
  void FillShape(const TRect& area, const PaintSource& s, Shape&& shape) {
    PaintShape(surface_, area, s, Rop(), clip_.get(), std::forward<Shape>(shape));
  }
  // The selected font, resolved at its first use: a paint makes a new device
  // context, and many never write text in its first font.
  const ResolvedFont* Font();
  // Pixels of an open path drawn with the pen: on and (for dashes) off pixels.
  void StrokePath(std::span<const TPoint> points, bool closed, bool restartDash);
  // A closed shape: fill region and outline by the pen's width and style.
  void DrawClosedShape(const TRect& box, int cornerWidth, int cornerHeight, bool ellipse);
  void DrawArcShape(const TRect& box, TPoint start, TPoint end, bool pie);
  // StretchBlt's copy when nothing is scaled or mirrored and the source is another surface.
  void CopyUnscaled(const TRect& dest, const Surface& from, int srcX, int srcY, BlitRop rop);

  Surface& surface_;
  TPoint position_;
  DashWalker dash_{PenStyle::psSolid};
  std::unique_ptr<Coverage> clip_;
  std::vector<std::uint32_t> pattern_;
  int patternWidth_ = 0;
  int patternHeight_ = 0;
  std::shared_ptr<const ResolvedFont> font_;
  platform::Font resolvedFor_;  // the request font_ was resolved for
  bool fontResolved_ = false;
};

}  // namespace pg::platform::soft
