#include "engine/panel/custom_chart_panel.h"

#include <cstdint>
#include <cstdio>

#include "framework/arith.h"
#include "framework/errors.h"

namespace pg::engine {

namespace {
constexpr int kBtnHighlight = 20, kBtnShadow = 16, kBtnFace = 15;
constexpr TColor SysColour(int index) { return 0xFF000000u | static_cast<TColor>(index); }
}  // namespace

TCustomChartPanel::TCustomChartPanel()
    : canvas_(std::make_unique<TChartCanvas3D>([this] { RequestRepaint(); })),
      view3DOptions_(std::make_unique<TView3DOptions>([this] { RequestRepaint(); })),
      color_(SysColour(kBtnFace)) {}

TCustomChartPanel::~TCustomChartPanel() = default;

void TCustomChartPanel::RequestRepaint() {
  if (!repaintEnabled_) return;
  canvas_->MarkStale();
  if (site_) site_->InvalidatePanel();
}

void TCustomChartPanel::SetChart3DPercent(int v) {
  constexpr int kMin = 1, kMax = 100;
  if (v < kMin || v > kMax) {
    char msg[80];
    std::snprintf(msg, sizeof msg, "3D effect percent must be between %d and %d", kMin, kMax);
    throw ChartException(msg);
  }
  Store(chart3DPercent_, v);
}

void TCustomChartPanel::SetVisible(bool v) {
  if (v == visible_) return;
  visible_ = v;
  if (site_) site_->InvalidatePanel();
}

void TCustomChartPanel::SetBounds(int width, int height) {
  if (width == width_ && height == height_) return;
  width_ = width;
  height_ = height;
  RequestRepaint();
}

int TCustomChartPanel::PlotCenterX() const { return Div(plotRect_.left + plotRect_.right, 2); }
int TCustomChartPanel::PlotCenterY() const { return Div(plotRect_.top + plotRect_.bottom, 2); }

void TCustomChartPanel::SetPlotRect(const TRect& r) {
  plotRect_ = r;
  RecalcPlotSize();
}

void TCustomChartPanel::RecalcPlotSize() {
  auto& r = plotRect_;
  if (r.left < panelRect_.left) r.left = panelRect_.left;
  if (r.top < panelRect_.top) r.top = panelRect_.top;
  if (r.right < r.left)
    r.right = r.left + 1;
  else if (r.right == r.left)
    r.right = r.left + width_;
  if (r.bottom < r.top)
    r.bottom = r.top + 1;
  else if (r.bottom == r.top)
    r.bottom = r.top + height_;
}

void TCustomChartPanel::Paint(platform::DeviceContext& window, const TRect& clientRect) {
  struct Detach {
    TChartCanvas3D& canvas;
    ~Detach() { canvas.DetachWindow(); }
  } detach{*canvas_};
  canvas_->AttachWindow(window);
  if (!canvas_->RepaintFromBuffer()) DrawTo(window, clientRect);
}

void TCustomChartPanel::DrawTo(platform::DeviceContext& target, const TRect& rect) {
  panelRect_ = canvas_->BeginView(target, view3DOptions_.get(), view3D_, rect);
  const int w = panelRect_.Width(), h = panelRect_.Height();
  const std::int64_t b = borderWidth_;
  plotRect_ = TRect{ClampCoord(panelRect_.left + b + MulDiv(marginLeft_, w, 100)),
                    ClampCoord(panelRect_.top + b + MulDiv(marginTop_, h, 100)),
                    ClampCoord(panelRect_.right - b - MulDiv(marginRight_, w, 100)),
                    ClampCoord(panelRect_.bottom - b - MulDiv(marginBottom_, h, 100))};
  RecalcPlotSize();
  DrawContents(panelRect_);
  canvas_->PresentView(target, target, rect);
}

std::unique_ptr<platform::Bitmap> TCustomChartPanel::CreatePicture(TColor backColour, const TRect& rect) {
  auto picture = std::make_unique<platform::Bitmap>(rect.Width(), rect.Height());
  if (backColour != clWhite) {
    auto& dc = picture->Dc();
    dc.SetBrush(platform::Brush{platform::BrushStyle::bsSolid, platform::ColorToRgb(backColour), nullptr});
    dc.FillRect(TRect{0, 0, rect.Width(), rect.Height()});
  }
  DrawUnbuffered(picture->Dc(), TRect{0, 0, rect.Width(), rect.Height()});
  return picture;
}

void TCustomChartPanel::DrawUnbuffered(platform::DeviceContext& target, const TRect& rect) {
  const bool buffered = canvas_->IsBufferOn();
  canvas_->SetBufferOn(false);
  try {
    DrawTo(target, rect);
  } catch (...) {
    canvas_->SetBufferOn(buffered);
    throw;
  }
  canvas_->SetBufferOn(buffered);
}

void TCustomChartPanel::UseBrush(TColor colour, platform::BrushStyle style, TColor backColour) {
  auto& c = *canvas_;
  TColor brushColour = colour;
  if (style != platform::BrushStyle::bsSolid) {
    const TColor back = platform::ColorToRgb(backColour);
    c.SetBackgroundMode(platform::kOpaque);
    c.SetBackgroundColour(back);
    if (platform::ColorToRgb(colour) == back) brushColour = back == 0 ? clWhite : clBlack;
  } else {
    c.SetBackgroundMode(platform::kTransparent);
  }
  c.SetBrush(platform::Brush{style, brushColour, nullptr});
}

void TCustomChartPanel::UseFont(const TFontSpec& font) { canvas_->SetFont(font); }

void TCustomChartPanel::FillBackground(const TRect& rect) {
  canvas_->SetBrush(platform::Brush{platform::BrushStyle::bsSolid, color_, nullptr});
  canvas_->FillRectangle(rect);
}

void TCustomChartPanel::PaintBackground(const TRect& rect) {
  FillBackground(rect);
  DrawPanelPicture(rect);
  DrawPanelBorder(rect);
}

void TCustomChartPanel::DrawPanelBorder(const TRect& rect) {
  auto& c = *canvas_;
  c.SetPen(platform::Pen{});
  c.SetBrush(platform::Brush{platform::BrushStyle::bsClear, clWhite, nullptr});
  TRect r = rect;
  auto shrink = [&](int width) {
    r = TRect{ClampCoord(std::int64_t{r.left} + width), ClampCoord(std::int64_t{r.top} + width),
              ClampCoord(std::int64_t{r.right} - width), ClampCoord(std::int64_t{r.bottom} - width)};
  };
  // A 3D frame of `width` pixels, shrinking r by as much.
  auto frame3D = [&](TColor topLeft, TColor bottomRight, int width) {
    for (int i = 0; i < width; ++i) {
      const int right = r.right - 1, bottom = r.bottom - 1;
      platform::Pen p;
      p.color = topLeft;
      c.SetPen(p);
      c.FlatMoveTo(r.left, bottom);
      c.FlatLineTo(r.left, r.top);
      c.FlatLineTo(right, r.top);
      p.color = bottomRight;
      c.SetPen(p);
      c.FlatLineTo(right, bottom);
      c.FlatLineTo(r.left - 1, bottom);
      shrink(1);
    }
  };
  auto bevel = [&](TBevelCut cut) {
    if (cut == TBevelCut::bvNone || bevelWidth_ <= 0) return;
    const TColor hi = SysColour(kBtnHighlight), sh = SysColour(kBtnShadow);
    if (cut == TBevelCut::bvRaised) frame3D(hi, sh, bevelWidth_);
    if (cut == TBevelCut::bvLowered) frame3D(sh, hi, bevelWidth_);
    if (cut == TBevelCut::bvSpace) frame3D(hi, hi, bevelWidth_);
  };
  // The border band: the pixels that frames of one pixel each, drawn inwards
  // `width` times, would cover, filled at once so that any width paints at once.
  // Frames past the middle keep covering the rectangle, so a band wider than
  // half the rectangle fills all of it.
  auto band = [&](int width) {
    const TRect outer = r;
    shrink(width);
    if (outer.right <= outer.left || outer.bottom <= outer.top) return;
    c.SetBrush(platform::Brush{platform::BrushStyle::bsSolid, color_, nullptr});
    if (r.right <= r.left || r.bottom <= r.top) {
      c.FillRectangle(outer);
    } else {
      c.FillRectangle(TRect{outer.left, outer.top, outer.right, r.top});
      c.FillRectangle(TRect{outer.left, r.bottom, outer.right, outer.bottom});
      c.FillRectangle(TRect{outer.left, r.top, r.left, r.bottom});
      c.FillRectangle(TRect{r.right, r.top, outer.right, r.bottom});
    }
    c.SetBrush(platform::Brush{platform::BrushStyle::bsClear, clWhite, nullptr});
  };
  bevel(bevelOuter_);
  if (borderWidth_ > 0) band(borderWidth_);
  bevel(bevelInner_);
}

}  // namespace pg::engine
