// A dialog's client area drawn through the portable drawing, as a scripted
// user sees it when it takes a picture.
#include <algorithm>

#include "platform/bitmap.h"
#include "platform/dialog.h"
#include "platform/dialog/dialog_driver.h"

namespace pg::platform {
namespace {

constexpr Color kFace = 0xF0F0F0;
constexpr Color kShadow = 0xA0A0A0;

void Frame(DeviceContext& dc, const TRect& r, Color light, Color dark) {
  dc.SetPen({PenStyle::psSolid, 1, light});
  dc.MoveTo(r.left, r.bottom - 1);
  dc.LineTo(r.left, r.top);
  dc.LineTo(r.right - 1, r.top);
  dc.SetPen({PenStyle::psSolid, 1, dark});
  dc.LineTo(r.right - 1, r.bottom - 1);
  dc.LineTo(r.left, r.bottom - 1);
}

// Labels may hold line feeds: one text line per line, at the font's line height.
void DrawLines(DeviceContext& dc, int x, int y, std::string_view text) {
  const int step = dc.GetFontMetrics().height;
  std::size_t start = 0;
  while (start <= text.size()) {
    const auto end = text.find('\n', start);
    const auto line = text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
    if (!line.empty()) dc.TextOutAt(x, y, line);
    if (end == std::string_view::npos) break;
    start = end + 1;
    y += step;
  }
}

}  // namespace

void DrawDialogControl(DeviceContext& dc, const DialogControl& c, const DialogContext& state) {
  const TRect& r = c.bounds;
  dc.SetFont(c.font);
  dc.SetTextColor(c.textColor);
  dc.SetBkMode(kTransparent);
  switch (c.kind) {
    case ControlKind::kPicture:
      if (c.picture) dc.StretchBlt(r, *c.picture, {0, 0, c.picture->Width(), c.picture->Height()});
      break;
    case ControlKind::kLabel:
      DrawLines(dc, r.left, r.top, c.text);
      break;
    case ControlKind::kEdit:
      dc.SetTextAlign(kTaLeft | kTaTop);
      dc.TextOutAt(r.left + 1, r.top + 2, state.Text(c.name));
      break;
    case ControlKind::kList: {
      dc.SetPen({PenStyle::psSolid, 1, kShadow});
      dc.SetBrush({BrushStyle::bsSolid, 0xFFFFFF});
      dc.Rectangle(r.left, r.top, r.right, r.bottom);
      const TRect arrow{r.right - 18, r.top + 1, r.right - 1, r.bottom - 1};
      dc.SetBrush({BrushStyle::bsSolid, kFace});
      dc.FillRect(arrow);
      const int cx = (arrow.left + arrow.right) / 2, cy = (arrow.top + arrow.bottom) / 2;
      const TPoint tri[3] = {{cx - 4, cy - 2}, {cx + 4, cy - 2}, {cx, cy + 2}};
      dc.SetPen({PenStyle::psSolid, 1, 0});
      dc.SetBrush({BrushStyle::bsSolid, 0});
      dc.Polygon(tri);
      dc.TextOutAt(r.left + 4, r.top + 4, state.Text(c.name));
      break;
    }
    case ControlKind::kPictureButton:
      if (c.picture)
        dc.BitBlt(r.left + (r.Width() - c.picture->Width()) / 2, r.top + (r.Height() - c.picture->Height()) / 2,
                  c.picture->Width(), c.picture->Height(), *c.picture, 0, 0);
      break;
    case ControlKind::kButton: {
      dc.SetBrush({BrushStyle::bsSolid, kFace});
      dc.FillRect(r);
      Frame(dc, r, 0xFFFFFF, c.isDefault ? 0 : kShadow);
      const TSize ext = dc.TextExtent(c.text);
      dc.TextOutAt(r.left + (r.Width() - ext.cx) / 2, r.top + (r.Height() - ext.cy) / 2, c.text);
      break;
    }
  }
}

// The window around the client area, as the system frames a dialog: a fixed
// border and the caption bar with the icon, the caption and the close box.
constexpr int kBorder = 3;
constexpr int kCaptionHeight = 19;
constexpr int kColorActiveCaption = 2, kColorWindowFrame = 6, kColorCaptionText = 9, kColorBtnFace = 15, kColorBtnShadow = 16,
              kColorBtnHighlight = 20, kColorInfoText = 23, kColorInfoBk = 24, kColorGradientActiveCaption = 27;

void DrawCaptionBar(DeviceContext& dc, const DialogTemplate& dialog, int width) {
  const TRect bar{kBorder, kBorder, width - kBorder, kBorder + kCaptionHeight - 1};
  // Left to right from the caption colour to its gradient partner, as Windows does.
  const Color from = SysColor(kColorActiveCaption), to = SysColor(kColorGradientActiveCaption);
  const int span = std::max(1, bar.Width() - 1);
  for (int x = bar.left; x < bar.right; ++x) {
    const int k = x - bar.left;
    const auto mix = [&](int a, int b) { return a + (b - a) * k / span; };
    dc.SetBrush({BrushStyle::bsSolid, Rgb(mix(RedOf(from), RedOf(to)), mix(GreenOf(from), GreenOf(to)),
                                          mix(BlueOf(from), BlueOf(to)))});
    dc.FillRect({x, bar.top, x + 1, bar.bottom});
  }
  int textLeft = bar.left + 4;
  if (dialog.icon && !dialog.icon->Empty()) {
    const int side = kCaptionHeight - 3;
    dc.StretchBlt({bar.left + 2, bar.top + 1, bar.left + 2 + side, bar.top + 1 + side}, *dialog.icon,
                  {0, 0, dialog.icon->Width(), dialog.icon->Height()});
    textLeft = bar.left + side + 5;
  }
  dc.SetFont(Font{"Tahoma", -11, 700, false, false, false, 204});
  dc.SetTextColor(SysColor(kColorCaptionText));
  dc.SetBkMode(kTransparent);
  dc.SetTextAlign(kTaLeft | kTaTop);
  const int textTop = bar.top + (bar.Height() - dc.GetFontMetrics().height) / 2;
  dc.TextOutAt(textLeft, textTop, dialog.caption);
  // The close box: a raised button with a cross.
  const TRect box{bar.right - 18, bar.top + 2, bar.right - 2, bar.bottom - 2};
  dc.SetBrush({BrushStyle::bsSolid, SysColor(kColorBtnFace)});
  dc.FillRect(box);
  Frame(dc, box, SysColor(kColorBtnHighlight), SysColor(kColorBtnShadow));
  dc.SetPen({PenStyle::psSolid, 1, 0});
  const int cx = (box.left + box.right) / 2, cy = (box.top + box.bottom) / 2;
  for (int d = 0; d < 2; ++d) {
    dc.MoveTo(cx - 4 + d, cy - 3);
    dc.LineTo(cx + 3 + d, cy + 4);
    dc.MoveTo(cx + 2 + d, cy - 3);
    dc.LineTo(cx - 5 + d, cy + 4);
  }
}

bool SnapshotTooltip(std::string_view text, const std::string& pngPath) {
  // Measured first: the box fits the text with the system's margins.
  Bitmap probe(1, 1);
  if (probe.Empty()) return false;
  const Font font{"Tahoma", -11, 400, false, false, false, 204};
  probe.Dc().SetFont(font);
  const TSize size = probe.Dc().TextExtent(text);
  const int width = size.cx + 6, height = size.cy + 6;
  Bitmap tip(width, height);
  if (tip.Empty()) return false;
  DeviceContext& dc = tip.Dc();
  dc.SetPen({PenStyle::psSolid, 1, SysColor(kColorWindowFrame)});
  dc.SetBrush({BrushStyle::bsSolid, SysColor(kColorInfoBk)});
  dc.Rectangle(0, 0, width, height);
  dc.SetFont(font);
  dc.SetTextColor(SysColor(kColorInfoText));
  dc.SetBkMode(kTransparent);
  dc.SetTextAlign(kTaLeft | kTaTop);
  dc.TextOutAt(3, 3, text);
  return tip.SavePng(pngPath);
}

bool SnapshotDialog(const DialogTemplate& dialog, const DialogContext& state, const std::string& pngPath) {
  Bitmap client(dialog.clientWidth, dialog.clientHeight);
  if (client.Empty()) return false;
  DeviceContext& dc = client.Dc();
  dc.SetBrush({BrushStyle::bsSolid, dialog.background});
  dc.FillRect({0, 0, dialog.clientWidth, dialog.clientHeight});
  for (const auto& c : dialog.controls)
    if (c.visible) DrawDialogControl(dc, c, state);

  const int width = dialog.clientWidth + 2 * kBorder, height = dialog.clientHeight + 2 * kBorder + kCaptionHeight;
  Bitmap window(width, height);
  if (window.Empty()) return false;
  DeviceContext& frame = window.Dc();
  frame.SetBrush({BrushStyle::bsSolid, SysColor(kColorBtnFace)});
  frame.FillRect({0, 0, width, height});
  Frame(frame, {0, 0, width, height}, SysColor(kColorBtnHighlight), SysColor(kColorBtnShadow));
  DrawCaptionBar(frame, dialog, width);
  frame.BitBlt(kBorder, kBorder + kCaptionHeight, dialog.clientWidth, dialog.clientHeight, client, 0, 0);
  return window.SavePng(pngPath);
}

}  // namespace pg::platform
