// A dialog's client area drawn through the portable drawing, as a scripted
// user sees it when it takes a picture.
#include "platform/bitmap.h"
#include "platform/dialog.h"
#include "platform/dialog_driver.h"

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

bool SnapshotDialog(const DialogTemplate& dialog, const DialogContext& state, const std::string& pngPath) {
  Bitmap bmp(dialog.clientWidth, dialog.clientHeight);
  if (bmp.Empty()) return false;
  DeviceContext& dc = bmp.Dc();
  dc.SetBrush({BrushStyle::bsSolid, dialog.background});
  dc.FillRect({0, 0, dialog.clientWidth, dialog.clientHeight});
  for (const auto& c : dialog.controls)
    if (c.visible) DrawDialogControl(dc, c, state);
  return bmp.SavePng(pngPath);
}

}  // namespace pg::platform
