#pragma once
// The device context behind CreatePdfRecorder: every call draws into the
// platform's own raster too, which measures text and answers GetPixel exactly
// as the screen does, and is recorded as cairo vectors on a PDF page placed on
// GDI's pixel rules (fills cover their pixels' squares, lines run through pixel
// centres and leave out their last pixel).
#include <cairo.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/bitmap.h"
#include "platform/export/fill_queue.h"
#include "platform/export/pdf_font_face.h"
#include "platform/export/pdf_writer.h"

namespace pg::platform {

class PdfRecorder final : public DeviceContext {
 public:
  PdfRecorder(int width, int height, const PdfDocumentInfo& info);
  ~PdfRecorder() override;

  // Ends the page once and gives the finished file's bytes; false when cairo
  // failed anywhere.
  bool Finish(std::string& bytes);

  // Pictures reach the page as played records or as the bitmap of what shows,
  // as in every recording: drawn as on a screen, most would find no pixels.
  bool RecordsDrawing() const override { return true; }
  TSize RecordingPage() const override { return {width_, height_}; }

  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  TPoint CurrentPosition() const override;
  void Polyline(std::span<const TPoint> points) override;
  void Polygon(std::span<const TPoint> points) override;
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
  void AttributesChanged() override;

 private:
  bool Live() const { return cr_ && !finished_; }
  // Writes the waiting fills, then whether the page still takes drawing: the
  // entry of every call that draws, but a solid FillRect.
  bool StartDrawing();
  void WriteFill(const SolidFill& f);
  void NoClip();
  void SetColor(Color c);
  // Sets the brush as the source; false for a hollow brush.
  bool UseBrush();
  // Sets the pen as the source and stroke style; false when the pen draws nothing.
  bool UsePen();
  // The brush over the current path, then the pen along `outline` (a path
  // through pixel centres), GDI's filled-shape order.
  void FillAndStroke(const std::vector<double>& outline, bool closed);
  void StrokeOpen(const std::vector<double>& outline);
  // The brush over the path `path` lays, then the pen along it again.
  void FillThenStroke(const std::function<void()>& path);
  // A shape's box, normalized: false when nothing is to be drawn as vectors
  // (finished, empty, or placed from the raster for its pen's mode).
  bool VectorBox(int left, int top, int right, int bottom, TRect& r);
  // The pen along the current path (which it clears).
  void StrokeCurrentPath();
  // A thin or wide line through the points' pixel centres.
  void StrokeLine(std::span<const TPoint> points);
  void AddPath(const std::vector<double>& xy, bool closed);
  // The raster's pixels of the box, as drawn there: what a raster operation with
  // no vector form left, and the pictures copied in.
  void PaintRasterBox(TRect box);
  // For pens whose mode has no vector form: false when the shape is drawn as
  // vectors; true when the raster's box was placed instead.
  bool RasterForPenMode(const TRect& box);
  const PdfFontFace* CurrentFace();

  int width_, height_;
  PdfDocumentInfo info_;
  std::unique_ptr<Bitmap> raster_;
  std::string bytes_;
  cairo_surface_t* surface_ = nullptr;
  cairo_t* cr_ = nullptr;
  bool finished_ = false;
  bool ok_ = false;
  cairo_pattern_t* brushPattern_ = nullptr;  // tile of a hatch or picture brush
  bool brushPatternStale_ = true;
  std::unique_ptr<PdfFontFace> face_;
  bool faceStale_ = true;
  // Solid fills wait here to reach under the fills drawn over them.
  FillQueue fills_;
};

}  // namespace pg::platform
