// Text output and measurement of the soft device context.
#include <algorithm>

#include "platform/soft/soft_device_context.h"
#include "platform/soft/text/text_render.h"

namespace pg::platform::soft {

void SoftDeviceContext::TextOutAt(int x, int y, std::string_view text) {
  const ResolvedFont* font = Font();
  if (!font || text.empty()) return;
  const int width = MeasureText(*font, text);
  const TextMetrics& m = font->metrics;
  const unsigned align = GetTextAlign();
  int left = std::clamp(x, -(1 << 27), 1 << 27), top = std::clamp(y, -(1 << 27), 1 << 27);
  if ((align & kTaCenter) == kTaCenter) left -= width / 2;
  else if (align & kTaRight) left -= width;
  if ((align & kTaBaseline) == kTaBaseline) top -= m.ascent;
  else if (align & kTaBottom) top -= m.height;

  const TRect cell{left, top, left + width, top + m.height};
  const TRect around{cell.left - m.height - 2, cell.top - m.height - 2, cell.right + m.height + 2,
                     cell.bottom + m.height + 2};
  const TRect bounds = WorkArea();
  const TRect area{std::max(around.left, bounds.left), std::max(around.top, bounds.top),
                   std::max(std::min(around.right, bounds.right), bounds.left),
                   std::max(std::min(around.bottom, bounds.bottom), bounds.top)};
  // Text is always copied: its pixels go straight onto the surface.
  if (GetBkMode() == kOpaque) {
    PaintShape(surface_, area, BackgroundSource(), kRopCopy, clip_.get(), [&](SpanSink& box) {
      for (int row = cell.top; row < cell.bottom; ++row) box.AddSpan(row, cell.left, cell.right);
    });
  }
  PaintSource ink;
  ink.color = DrawColor(GetTextColor());
  if (GetFont().smooth && BlendSmoothTextPixels(surface_, area, ink.color, clip_.get(), *font, text, width, left, top,
                                                 GetFont().underline, GetFont().strikeOut))
    return;
  if (!clip_) {
    FillTextPixels(surface_, area, ink.color, *font, text, width, left, top, GetFont().underline, GetFont().strikeOut);
    return;
  }
  PaintShape(surface_, area, ink, kRopCopy, clip_.get(), [&](SpanSink& glyphs) {
    AddTextPixels(glyphs, *font, text, width, left, top, GetFont().underline, GetFont().strikeOut);
  });
}

TSize SoftDeviceContext::TextExtent(std::string_view text) {
  const ResolvedFont* font = Font();
  if (!font) return {};
  return TSize{MeasureText(*font, text), font->metrics.height};
}

TextMetrics SoftDeviceContext::GetFontMetrics() {
  const ResolvedFont* font = Font();
  return font ? font->metrics : TextMetrics{};
}

}  // namespace pg::platform::soft
