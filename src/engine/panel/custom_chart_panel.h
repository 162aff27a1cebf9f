#pragma once
// The chart panel's base layer: the 3D canvas and view, depth percent, margins,
// monochrome, the plot rectangle, repaint control, bevels and border.
#include <memory>

#include "engine/canvas/chart_canvas3d.h"
#include "engine/panel/panel_site.h"
#include "engine/series/series_owner.h"

namespace pg::engine {

enum class TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

class TCustomChartPanel : public TSeriesOwner {
 public:
  TCustomChartPanel();
  virtual ~TCustomChartPanel();

  // Where invalidations go (the chart window); none draws nothing but marks stale.
  void SetSite(TPanelSite* site) { site_ = site; }

  // Repaint request: marks the picture stale and invalidates the window, unless
  // repainting is disabled.
  void RequestRepaint() override;
  bool IsDestroying() const override { return destroying_; }
  bool RepaintEnabled() const { return repaintEnabled_; }
  void SetRepaintEnabled(bool v) { repaintEnabled_ = v; }

  // The paint message: copy the fresh buffer, or draw the chart anew.
  void Paint(platform::DeviceContext& window, const TRect& clientRect);
  // Draws the whole chart onto canvas within rect.
  void DrawTo(platform::DeviceContext& canvas, const TRect& rect);
  // A new bitmap of rect's size holding the chart, drawn unbuffered (so in colour).
  std::unique_ptr<platform::Bitmap> CreatePicture(TColor backColour, const TRect& rect);
  // Draws the whole chart onto target within rect straight, without the buffer
  // (a recording gets every call).
  void DrawUnbuffered(platform::DeviceContext& target, const TRect& rect);

  TChartCanvas3D& Canvas() { return *canvas_; }
  TView3DOptions& View3DOptions() { return *view3DOptions_; }
  const TView3DOptions& View3DOptions() const { return *view3DOptions_; }

  TColor Color() const { return color_; }
  void SetColor(TColor v) { Store(color_, v); }
  TBevelCut BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TBevelCut v) { Store(bevelOuter_, v); }
  TBevelCut BevelInner() const { return bevelInner_; }
  void SetBevelInner(TBevelCut v) { Store(bevelInner_, v); }
  int BevelWidth() const { return bevelWidth_; }
  void SetBevelWidth(int v) { Store(bevelWidth_, v); }
  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int v) { Store(borderWidth_, v); }
  int MarginLeft() const { return marginLeft_; }
  void SetMarginLeft(int v) { Store(marginLeft_, v); }
  int MarginTop() const { return marginTop_; }
  void SetMarginTop(int v) { Store(marginTop_, v); }
  int MarginRight() const { return marginRight_; }
  void SetMarginRight(int v) { Store(marginRight_, v); }
  int MarginBottom() const { return marginBottom_; }
  void SetMarginBottom(int v) { Store(marginBottom_, v); }
  bool Monochrome() const { return canvas_->Monochrome(); }
  void SetMonochrome(bool v) { canvas_->SetMonochrome(v); }
  bool View3D() const { return view3D_; }
  void SetView3D(bool v) { Store(view3D_, v); }
  int Chart3DPercent() const { return chart3DPercent_; }
  // Throws ChartException outside 1..100 and keeps the old value.
  void SetChart3DPercent(int v);

  // Whether the control shows in its window; hidden, the window's own colour shows.
  bool Visible() const { return visible_; }
  void SetVisible(bool v);

  // The control's size (the window aligns it to its client area).
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetBounds(int width, int height);

  const TRect& PanelRect() const { return panelRect_; }
  const TRect& PlotRect() const { return plotRect_; }
  void SetPlotRect(const TRect& r);
  int PlotWidth() const { return plotRect_.Width(); }
  int PlotHeight() const { return plotRect_.Height(); }
  int PlotCenterX() const;
  int PlotCenterY() const;
  // Raises Left/Top to the panel's, keeps Right/Bottom beyond them.
  void RecalcPlotSize();
  int ChartDepth() const { return chartDepth_; }
  int SeriesDepth() const { return seriesDepth_; }

  // Brush colour and style; hatches get an opaque background of backColour and
  // stay visible when their colour equals it.
  void UseBrush(TColor colour, platform::BrushStyle style, TColor backColour);
  // The font becomes the canvas font.
  void UseFont(const TFontSpec& font);

 protected:
  // Paint hooks, in the order the panel calls them.
  virtual void DrawContents(const TRect& panelRect) = 0;
  virtual void DrawPanelBorder(const TRect& rect);
  virtual void FillBackground(const TRect& rect);
  virtual void DrawPanelPicture(const TRect&) {}
  virtual void PaintBackground(const TRect& rect);

  template <typename T>
  void Store(T& field, const T& v) {
    if (field == v) return;
    field = v;
    RequestRepaint();
  }
  void BeginDestruction() { destroying_ = true; }

  int chartDepth_ = 0;
  int seriesDepth_ = 0;

 private:
  TPanelSite* site_ = nullptr;
  std::unique_ptr<TChartCanvas3D> canvas_;
  std::unique_ptr<TView3DOptions> view3DOptions_;
  bool repaintEnabled_ = false;
  bool destroying_ = false;
  TColor color_;
  TBevelCut bevelOuter_ = TBevelCut::bvRaised;
  TBevelCut bevelInner_ = TBevelCut::bvNone;
  int bevelWidth_ = 1;
  int borderWidth_ = 0;
  int marginLeft_ = 3, marginTop_ = 4, marginRight_ = 3, marginBottom_ = 4;
  bool visible_ = true;
  bool view3D_ = true;
  int chart3DPercent_ = 15;
  int width_ = 400, height_ = 250;
  TRect panelRect_{};
  TRect plotRect_{};
};

}  // namespace pg::engine
