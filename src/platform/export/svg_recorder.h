#pragma once
// An SVG picture written from device-context calls. Shapes keep GDI's pixel
// rules (outlines on the pixels the pen covers, aliased edges); text stays text,
// one <text> a call with a position for each character as the raster measured
// it. Clips are groups: a new clip closes the old group and opens another.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/export/export_description.h"
#include "platform/export/fill_queue.h"
#include "platform/export/recording_context.h"

namespace pg::platform {

class SvgRecordingContext final : public RecordingContext {
 public:
  SvgRecordingContext(int width, int height);

  // The whole document in UTF-8: role, title and description first.
  std::string Finish(const ExportDescription& description);

  void LineTo(int x, int y) override;
  void Polyline(std::span<const TPoint> points) override;
  void Polygon(std::span<const TPoint> points) override;
  void Rectangle(int left, int top, int right, int bottom) override;
  void RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) override;
  void Ellipse(int left, int top, int right, int bottom) override;
  void Pie(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4) override;
  void Arc(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4) override;
  void FillRect(const TRect& r) override;
  void SetPixel(int x, int y, Color c) override;
  void TextOutAt(int x, int y, std::string_view text) override;
  void ClipRect(const TRect& r) override;
  void ClipPolygon(std::span<const TPoint> points) override;
  void RemoveClip() override;
  void BitBlt(int x, int y, int width, int height, const Bitmap& src, int srcX, int srcY, BlitRop rop) override;
  void StretchBlt(const TRect& dest, const Bitmap& src, const TRect& srcRect, BlitRop rop) override;
  void BeginGroup(std::string_view label) override;
  void EndGroup() override;

 private:
  // The fill and stroke attributes of a shape with the current brush and pen
  // (outline: whether the shape has one).
  std::string FillAttributes();
  std::string StrokeAttributes();
  std::string HatchFill(const Brush& brush);
  void Shape(const std::string& element, const std::string& geometry, bool filled);
  void OpenClip(const std::string& shape);
  void CloseClip();
  std::string ArcPath(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4, bool pie);

  // The clip-path attribute of the clip in force, or nothing.
  std::string ClipAttribute() const;
  // The body, with the waiting fills written first.
  std::string& Body();
  void WriteFill(const SolidFill& f);

  std::string defs_, body_;
  // Solid fills wait here to reach under the fills drawn over them, all under
  // one clip.
  FillQueue fills_;
  std::string fillsClip_;
  std::map<std::string, std::string> patterns_;  // pattern definition -> id
  int clipCount_ = 0;
  bool clipOpen_ = false;
  int groupDepth_ = 0;
};

// Text as XML character data or an attribute value, in UTF-8.
std::string XmlEscape(std::u32string_view text);

}  // namespace pg::platform
