#pragma once
// The 3D drawing interface the chart draws through: flat operations in screen
// pixels and operations placed at a depth z of the chart box.
#include <span>
#include <string_view>

#include "engine/canvas/chart_canvas.h"
#include "engine/canvas/view3d_options.h"
#include "engine/panel/chart_gradient.h"
#include "platform/graphics.h"

namespace pg::platform {
class Bitmap;
}

namespace pg::engine {

using platform::TPoint;
using platform::TRect;

class TChartPen;

class TCanvas3D : public TChartCanvas {
 public:
  virtual TColor GetBackgroundColour() const = 0;
  virtual int GetBackgroundMode() const = 0;
  virtual bool Monochrome() const = 0;
  virtual unsigned GetTextAlignment() const = 0;
  virtual bool IsBufferOn() const = 0;
  virtual void SetBackgroundColour(TColor c) = 0;
  virtual void SetBackgroundMode(int mode) = 0;
  virtual void SetMonochrome(bool v) = 0;
  virtual void FlatPixel(int x, int y, TColor c) = 0;
  virtual void SetTextAlignment(unsigned flags) = 0;
  virtual void SetBufferOn(bool v) = 0;
  virtual void FlatArc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) = 0;
  virtual void DrawPicture(int x, int y, const platform::Bitmap* picture) = 0;
  virtual void FlatEllipse(int x1, int y1, int x2, int y2) = 0;
  virtual void FillRectangle(const TRect& r) = 0;
  virtual void FlatLineTo(int x, int y) = 0;
  virtual void FlatMoveTo(int x, int y) = 0;
  virtual void PieSlice(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) = 0;
  virtual void FlatRectangle(int left, int top, int right, int bottom) = 0;
  void FlatRectangle(const TRect& r) { FlatRectangle(r.left, r.top, r.right, r.bottom); }
  virtual void FlatRoundRect(int x1, int y1, int x2, int y2, int w, int h) = 0;
  virtual void StretchPicture(const TRect& r, const platform::Bitmap* picture) = 0;
  virtual void FlatTextOut(int x, int y, std::string_view text) = 0;
  virtual void ClipToRect(const TRect& r) = 0;
  virtual void FlatHorizLine(int x0, int x1, int y) = 0;
  virtual void FlatVertLine(int x, int y0, int y1) = 0;
  virtual void MarkStale() = 0;
  virtual void FlatLine(int x0, int y0, int x1, int y1) = 0;
  virtual void FlatPolygon(std::span<const TPoint> points) = 0;
  virtual void Unclip() = 0;
  virtual bool SupportsFullRotation() const = 0;
  virtual bool SupportsText3D() const = 0;
  virtual void UnprojectPoint(int xp, int yp, int z, int& x, int& y) const = 0;
  virtual TPoint ProjectPoint(int x, int y, int z) const = 0;
  // Returns the rectangle the chart is drawn into (origin 0,0 when buffered).
  virtual TRect BeginView(platform::DeviceContext& target, const TView3DOptions* options, bool is3D,
                          const TRect& rect) = 0;
  virtual void SetProjectionCenter(int chartDepth, const TRect& panelRect, const TRect& plotRect) = 0;
  virtual void PresentView(platform::DeviceContext& destination, platform::DeviceContext& window,
                           const TRect& rect) = 0;
  virtual bool RepaintFromBuffer() = 0;
  virtual void ClipChartBox(const TRect& r, int zMin, int zMax) = 0;
  virtual void BeginFlatDrawing() = 0;
  virtual void EndFlatDrawing() = 0;
  virtual void LineAtDepth(int x0, int y0, int x1, int y1, int z) = 0;
  virtual void PieSlice3D(int xCenter, int yCenter, int xRadius, int yRadius, int z0, int z1, double startAngle,
                          double endAngle, bool darkSides, bool drawSides) = 0;
  virtual void RectangleAtDepth(const TRect& r, int z) = 0;
  virtual void TextOutAtDepth(int x, int y, int z, std::string_view text) = 0;

  // Height of a line of text in the canvas font.
  int LineHeight() { return MeasureTextHeight("W"); }
  // Pen black 1 solid, brush white solid, font black 10, background white, transparent.
  void ResetCanvas();
  void UseChartPen(const TChartPen& pen);
  // Fills r from colourA to colourB (exchanged for every direction but top-bottom
  // and left-right, so a gradient always starts with its start colour).
  void FillGradient(TRect r, TColor colourA, TColor colourB, TGradientDirection direction);
};

}  // namespace pg::engine
