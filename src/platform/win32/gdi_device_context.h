#pragma once
// The device context of the Windows build: GDI itself on an HDC.
#include <windows.h>

#include "platform/device_context.h"

namespace pg::platform::win32 {

class GdiDeviceContext final : public DeviceContext {
 public:
  // Draws on `dc`, which the caller keeps alive; the pen, brush and font this
  // context creates are selected out and deleted when it is destroyed.
  explicit GdiDeviceContext(HDC dc);
  ~GdiDeviceContext() override;

  HDC Handle() const { return dc_; }

  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  TPoint CurrentPosition() const override { return position_; }
  void Polyline(std::span<const TPoint> points) override;
  void Polygon(std::span<const TPoint> points) override;
  void Rectangle(int left, int top, int right, int bottom) override;
  void RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) override;
  void Ellipse(int left, int top, int right, int bottom) override;
  void Pie(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4) override;
  void Arc(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4) override;
  void FillRect(const TRect& input) override;
  void SetPixel(int x, int y, Color c) override;
  std::uint32_t GetPixel(int x, int y) const override;
  void TextOutAt(int x, int y, std::string_view text) override;
  TSize TextExtent(std::string_view text) override;
  TextMetrics GetFontMetrics() override;
  std::vector<int> CharacterStarts(std::string_view text) override;
  void ClipRect(const TRect& input) override;
  void ClipPolygon(std::span<const TPoint> points) override;
  void RemoveClip() override;
  void BitBlt(int x, int y, int width, int height, const Bitmap& src, int srcX, int srcY, BlitRop rop) override;
  void StretchBlt(const TRect& destIn, const Bitmap& src, const TRect& srcIn, BlitRop rop) override;

 protected:
  void PenChanged() override;
  void BrushChanged() override;
  void FontChanged() override;
  void AttributesChanged() override;

 private:
  HDC dc_;
  TPoint position_;
  HGDIOBJ originalPen_ = nullptr;
  HGDIOBJ originalBrush_ = nullptr;
  HGDIOBJ originalFont_ = nullptr;
  HPEN pen_ = nullptr;
  HBRUSH brush_ = nullptr;
  HFONT font_ = nullptr;
  int fontHeight_ = 0;  // the selected font's cell height
};

// GDI objects made from the value types (the caller deletes them; null for a
// clear pen or brush means the stock null object).
HPEN MakePen(const Pen& pen);
HBRUSH MakeBrush(const Brush& brush);
// The GDI font of a request; MakeFont creates it. The PDF writer hands the same
// description to its font backend, so a page's letters are the screen's.
LOGFONTW MakeLogFont(const Font& font);
HFONT MakeFont(const Font& font);

}  // namespace pg::platform::win32
