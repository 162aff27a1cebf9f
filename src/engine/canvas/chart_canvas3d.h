#pragma once
// The 3D canvas on the platform's device context: projection of the chart box,
// the off-screen image the chart is drawn into, and the monochrome switch.
#include <memory>

#include "engine/canvas/canvas3d.h"
#include "platform/bitmap.h"

namespace pg::engine {

class TChartCanvas3D final : public TCanvas3D {
 public:
  // onMonochromeChange repaints the panel when the switch changes.
  explicit TChartCanvas3D(ChangeHandler onMonochromeChange = {});
  ~TChartCanvas3D() override;

  TColor GetBackgroundColour() const override;
  int GetBackgroundMode() const override;
  bool Monochrome() const override { return monochrome_; }
  unsigned GetTextAlignment() const override;
  bool IsBufferOn() const override { return bufferOn_; }
  void SetBackgroundColour(TColor c) override;
  void SetBackgroundMode(int mode) override;
  void SetMonochrome(bool v) override;
  void FlatPixel(int x, int y, TColor c) override;
  void SetTextAlignment(unsigned flags) override;
  void SetBufferOn(bool v) override;
  void FlatArc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
  void DrawPicture(int x, int y, const platform::Bitmap* picture) override;
  void FlatEllipse(int x1, int y1, int x2, int y2) override;
  void FillRectangle(const TRect& r) override;
  void FlatLineTo(int x, int y) override;
  void FlatMoveTo(int x, int y) override;
  void PieSlice(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
  using TCanvas3D::FlatRectangle;
  void FlatRectangle(int left, int top, int right, int bottom) override;
  void FlatRoundRect(int x1, int y1, int x2, int y2, int w, int h) override;
  void StretchPicture(const TRect& r, const platform::Bitmap* picture) override;
  void FlatTextOut(int x, int y, std::string_view text) override;
  void ClipToRect(const TRect& r) override;
  void FlatHorizLine(int x0, int x1, int y) override;
  void FlatVertLine(int x, int y0, int y1) override;
  void MarkStale() override { bufferStale_ = true; }
  void FlatLine(int x0, int y0, int x1, int y1) override;
  void FlatPolygon(std::span<const TPoint> points) override;
  void Unclip() override;
  bool SupportsFullRotation() const override { return false; }
  bool SupportsText3D() const override { return false; }
  void UnprojectPoint(int xp, int yp, int z, int& x, int& y) const override;
  TPoint ProjectPoint(int x, int y, int z) const override;
  TRect BeginView(platform::DeviceContext& target, const TView3DOptions* options, bool is3D,
                  const TRect& rect) override;
  void SetProjectionCenter(int chartDepth, const TRect& panelRect, const TRect& plotRect) override;
  void PresentView(platform::DeviceContext& destination, platform::DeviceContext& window,
                   const TRect& rect) override;
  bool RepaintFromBuffer() override;
  void ClipChartBox(const TRect& r, int zMin, int zMax) override;
  void BeginFlatDrawing() override;
  void EndFlatDrawing() override;
  void LineAtDepth(int x0, int y0, int x1, int y1, int z) override;
  void PieSlice3D(int xCenter, int yCenter, int xRadius, int yRadius, int z0, int z1, double startAngle,
                  double endAngle, bool darkSides, bool drawSides) override;
  void RectangleAtDepth(const TRect& r, int z) override;
  void TextOutAtDepth(int x, int y, int z, std::string_view text) override;

  // The window the next paint copies the buffer to.
  void AttachWindow(platform::DeviceContext& window) {
    window_ = &window;
    SetTarget(&window);
  }
  // A window's device context lives only through its paint: forget it after.
  void DetachWindow() {
    window_ = nullptr;
    SetTarget(nullptr);
  }
  bool BufferStale() const { return bufferStale_; }
  const platform::Bitmap* Buffer() const { return buffer_.get(); }
  // The view fields, for inspection.
  struct Projection {
    double rxx = 0, rxy = 0, rxz = 0, ryx = 0, ryy = 0, ryz = 0, pdx = 0, pdy = 0, pdz = 0;
    double scaleFactor = 1.0, perspectiveFactor = 0;
    int pivotX = 0, pivotY = 0, pivotZ = 0, screenPivotX = 0, screenPivotY = 0;
    bool projectionOn = false, savedProjectionOn = false, obliqueMode = false;
  };
  const Projection& View() const { return view_; }

 private:
  void ComputeCoefficients();
  // Darkens the fill colour (brush when solid, else background) by d from `base`.
  void ApplyFill(TColor base, int darken);

  ChangeHandler onMonochromeChange_;
  const TView3DOptions* options_ = nullptr;
  Projection view_;
  bool scaleText_ = true;
  TRect viewRect_{};
  bool bufferOn_ = true;
  bool bufferStale_ = true;
  bool monochrome_ = false;
  std::unique_ptr<platform::Bitmap> buffer_;
  platform::DeviceContext* window_ = nullptr;
};

// a arc points for a slice spanning |endAngle - startAngle| radians: one per 10
// degrees, at least 2 and at most 32.
int PieSliceArcPoints(double startAngle, double endAngle);

// Each of red, green and blue reduced by d, never below 0 (system colours resolved first).
TColor DarkenColour(TColor c, int d);

}  // namespace pg::engine
