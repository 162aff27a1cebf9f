#include "engine/panel/chart_panel_extended.h"

#include <exception>

#include "engine/picture/picture_errors.h"
#include "framework/arith.h"
#include "platform/image_files.h"
#include "platform/picture_file_io.h"

namespace pg::engine {

TCustomChartPanelExtended::TCustomChartPanelExtended()
    : gradient_([this] { RequestRepaint(); }), backImage_(std::make_unique<TPicture>([this] { RequestRepaint(); })) {}

TCustomChartPanelExtended::~TCustomChartPanelExtended() = default;

void TCustomChartPanelExtended::FillBackground(const TRect& rect) {
  if (!gradient_.Visible()) {
    TCustomChartPanel::FillBackground(rect);
    return;
  }
  const auto d = gradient_.Direction();
  if (d == TGradientDirection::gdTopBottom || d == TGradientDirection::gdLeftRight)
    Canvas().FillGradient(rect, gradient_.StartColor(), gradient_.EndColor(), d);
  else
    Canvas().FillGradient(rect, gradient_.EndColor(), gradient_.StartColor(), d);
}

void TCustomChartPanelExtended::DrawBackPicture(const TRect& rect, int depth) {
  auto& c = Canvas();
  const bool perspective3D = View3D() && !View3DOptions().Orthogonal();
  TGraphic* graphic = backImage_->Graphic();
  platform::DeviceContext* target = c.Target();
  if (!graphic || backImage_->Empty() || !target || (depth != 0 && perspective3D)) return;

  // In an orthogonal 3D view the picture lies on the back of the chart box.
  TRect r = rect;
  if (depth > 0 && View3D()) {
    const TPoint a = c.ProjectPoint(rect.left, rect.top, depth), b = c.ProjectPoint(rect.right, rect.bottom, depth);
    r = TRect{a.x, a.y, b.x, b.y};
  }
  try {
    if (backImageMode_ == TBackImageMode::pbmStretch) {
      graphic->Draw(*target, r);
      return;
    }
    if (depth > 0 && View3D())
      c.ClipChartBox(PlotRect(), 0, depth);
    else
      c.ClipToRect(r);
    const int w = graphic->Width(), h = graphic->Height();
    if (backImageMode_ == TBackImageMode::pbmTile) {
      if (w > 0 && h > 0) graphic->DrawTiled(*target, r);
    } else {
      FillBackground(r);
      const int x = r.left + Div(r.Width() - w, 2), y = r.top + Div(r.Height() - h, 2);
      graphic->Draw(*target, TRect{x, y, x + w, y + h});
    }
  } catch (const std::exception&) {
    // A picture that cannot be drawn leaves the background as it is.
  }
  c.Unclip();
}

void TCustomChartPanelExtended::SaveChartBitmap(const std::string& fileName) {
  const auto picture = CreatePicture(clWhite, GetDrawRect());
  // A chart too large for a bitmap must not leave an empty picture in place of the file.
  if (picture->Empty()) throw FileStreamError("Cannot create file \"" + fileName + "\"");
  const auto bytes = platform::EncodeBmp(picture->Width(), picture->Height(), picture->BitsPerPixel(),
                                         [&](int x, int y) { return picture->Pixel(x, y); });
  if (!platform::WriteFileReplacing(fileName, bytes)) throw FileStreamError("Cannot create file \"" + fileName + "\"");
}

}  // namespace pg::engine
