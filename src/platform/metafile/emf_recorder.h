#pragma once
// An enhanced metafile written from device-context calls: each call becomes the
// GDI record that does the same, with the caller's pixel coordinates, on a
// reference device of 96 pixels to the inch. Pen, brush and font records are
// written only when the object in use changes; text is EXTTEXTOUTW with the
// advances the raster measured, so any player places each character where the
// chart placed it.
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/export/export_description.h"
#include "platform/export/fill_queue.h"
#include "platform/export/recording_context.h"

namespace pg::platform::metafile {

class EmfRecordingContext final : public RecordingContext {
 public:
  EmfRecordingContext(int width, int height);

  // The whole file: the header with the picture's frame and the title, the
  // description as a comment, the records drawn, the end record.
  std::vector<std::uint8_t> Finish(const ExportDescription& description);

  void LineTo(int x, int y) override;
  void MoveTo(int x, int y) override;
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

 protected:
  void PenChanged() override { penStale_ = true; }
  void BrushChanged() override { brushStale_ = true; }
  void FontChanged() override;

 private:
  class Record;
  void Add(const Record& r);  // writes the waiting fills first
  void WriteFill(const SolidFill& f);
  // A rectangle of the file's brush with no pen, copying.
  void BrushOnly(const TRect& r);
  void Emit(std::uint32_t type, std::initializer_list<std::int32_t> fields);
  void Points(std::uint32_t type32, std::uint32_t type16, std::span<const TPoint> points);
  void Box(std::uint32_t type, int left, int top, int right, int bottom, std::initializer_list<std::int32_t> more);
  // Brings the file's pen, brush, font and attributes up to the context's.
  void SyncPen();
  void SyncBrush();
  void WriteBrush(const Brush& brush);
  void SyncFont();
  void SyncAttributes();
  void SyncShape() {
    SyncPen();
    SyncBrush();
    SyncAttributes();
  }
  // A new object in the free one of two slots, selected, and the old one deleted.
  std::uint32_t NextSlot(std::uint32_t& current, std::uint32_t first);

  std::vector<std::uint8_t> body_;
  std::uint32_t records_ = 0;
  bool penStale_ = true, brushStale_ = true, fontStale_ = true;
  std::uint32_t penSlot_ = 0, brushSlot_ = 0, fontSlot_ = 0;
  bool penNull_ = false, brushNull_ = false;
  // Whether the file's current position is the context's: a move is written just
  // before the line that starts there, after the line's pen (importers that start
  // a new path at each pen change drop a line whose move came before it).
  bool positionWritten_ = true;
  // The colour of the file's brush while it is a solid one.
  std::optional<Color> fileSolid_;
  // Solid fills wait here to reach under the fills drawn over them.
  FillQueue fills_;
  // What the file has set; -1 before the first record sets it.
  std::int64_t bkMode_ = -1, bkColor_ = -1, textColor_ = -1, textAlign_ = -1, fillMode_ = -1, rop2_ = -1;
};

}  // namespace pg::platform::metafile
