#pragma once
// Folder rule — src/platform: the interface the engine and the module draw, open windows
// and read files through, and the helpers every part of the platform uses; backends live
// in soft/ and win32/, shared implementations in the concern folders, and nothing here
// includes a backend.
// A drawing surface with GDI's current objects and raster rules: the only way the
// engine draws. Coordinates are device pixels; right and bottom edges of boxes are
// exclusive; a line leaves out its end point; a 1-pixel pen outlines Rectangle on
// columns left and right-1.
#include <span>
#include <string_view>
#include <vector>

#include "platform/graphics.h"

namespace pg::platform {

class Bitmap;

// Raster operations of bitmap copies (GDI's values).
enum class BlitRop : std::uint32_t {
  kSrcCopy = 0x00CC0020,
  kSrcPaint = 0x00EE0086,  // or
  kSrcAnd = 0x008800C6,
  kSrcInvert = 0x00660046,  // xor
};

class DeviceContext {
 public:
  DeviceContext() = default;
  DeviceContext(const DeviceContext&) = delete;
  DeviceContext& operator=(const DeviceContext&) = delete;
  virtual ~DeviceContext() = default;

  // Pens wider than this draw this wide.
  static constexpr int kMaxPenWidth = 1000;

  // Current objects and attributes. A new context has a black 1-pixel solid pen,
  // a white solid brush, Arial -11, black text, opaque white background, left/top
  // alignment and the alternate fill mode (GDI's defaults).
  void SetPen(const Pen& pen);
  void SetBrush(const Brush& brush);
  void SetFont(const Font& font);
  void SetTextColor(Color c);
  void SetBkColor(Color c);
  void SetBkMode(int mode);  // kTransparent or kOpaque; other values are ignored
  void SetTextAlign(unsigned flags);
  void SetPolyFillMode(int mode);  // kAlternate or kWinding

  const Pen& GetPen() const { return pen_; }
  const Brush& GetBrush() const { return brush_; }
  const Font& GetFont() const { return font_; }
  Color GetTextColor() const { return textColor_; }
  Color GetBkColor() const { return bkColor_; }
  int GetBkMode() const { return bkMode_; }
  unsigned GetTextAlign() const { return textAlign_; }
  int GetPolyFillMode() const { return fillMode_; }

  // Lines: the pen from the current position to (x, y), without the end pixel.
  virtual void MoveTo(int x, int y) = 0;
  virtual void LineTo(int x, int y) = 0;
  virtual TPoint CurrentPosition() const = 0;
  virtual void Polyline(std::span<const TPoint> points) = 0;

  // Filled shapes: brush inside, pen outline. Boxes are (left, top, right, bottom).
  virtual void Polygon(std::span<const TPoint> points) = 0;
  virtual void Rectangle(int left, int top, int right, int bottom) = 0;
  virtual void RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) = 0;
  virtual void Ellipse(int left, int top, int right, int bottom) = 0;
  // Pie and Arc run counter-clockwise from the radial through (x3, y3) to the one
  // through (x4, y4).
  virtual void Pie(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4) = 0;
  virtual void Arc(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4) = 0;
  // The brush over the rectangle, no outline, ignoring the pen mode.
  virtual void FillRect(const TRect& r) = 0;

  virtual void SetPixel(int x, int y, Color c) = 0;
  // 0x00RRGGBB of the pixel; 0 outside the surface.
  virtual std::uint32_t GetPixel(int x, int y) const = 0;

  // Text: bytes in the code page of the font's character set, placed by the text
  // alignment, in the text colour, on the background colour when opaque.
  virtual void TextOutAt(int x, int y, std::string_view text) = 0;
  virtual TSize TextExtent(std::string_view text) = 0;
  virtual TextMetrics GetFontMetrics() = 0;
  // Where each character of text starts as TextOutAt places it, relative to the
  // first; one more entry than characters: the end of the last. Characters stand
  // at whole-pixel advances without kerning, so by default the sums of their
  // single widths.
  virtual std::vector<int> CharacterStarts(std::string_view text);
  // starts[i] plus an advance, held to the int range (a long line of letters
  // condensed or expanded to the widest a font allows passes it).
  static int NextStart(int start, long long advance);

  // Clipping: each call replaces the clip; RemoveClip draws everywhere again.
  virtual void ClipRect(const TRect& r) = 0;
  virtual void ClipPolygon(std::span<const TPoint> points) = 0;
  virtual void RemoveClip() = 0;

  // Copies from a bitmap (a 1-bit source gives black and white; colours copied into
  // a 1-bit bitmap become whichever is nearer). StretchBlt scales by dropping or
  // repeating pixels.
  virtual void BitBlt(int x, int y, int width, int height, const Bitmap& src, int srcX, int srcY,
                      BlitRop rop = BlitRop::kSrcCopy) = 0;
  virtual void StretchBlt(const TRect& dest, const Bitmap& src, const TRect& srcRect,
                          BlitRop rop = BlitRop::kSrcCopy) = 0;

  // Contexts that write a file instead of keeping pixels: pictures play their
  // records into them rather than pixels, and they read no pixels back.
  virtual bool RecordsDrawing() const { return false; }
  // The page such a context records onto (empty for pixel surfaces).
  virtual TSize RecordingPage() const { return {}; }
  // What is drawn between the two calls is one part of the picture with a name
  // a screen reader says (a slice); pixel surfaces ignore them.
  virtual void BeginGroup(std::string_view /*label*/) {}
  virtual void EndGroup() {}

 protected:
  virtual void PenChanged() {}
  virtual void BrushChanged() {}
  virtual void FontChanged() {}
  virtual void AttributesChanged() {}

 private:
  Pen pen_;
  Brush brush_;
  Font font_;
  Color textColor_ = 0;
  Color bkColor_ = 0xFFFFFF;
  int bkMode_ = kOpaque;
  unsigned textAlign_ = kTaLeft | kTaTop;
  int fillMode_ = kAlternate;
};

}  // namespace pg::platform
