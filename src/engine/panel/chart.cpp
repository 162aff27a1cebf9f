#include "engine/panel/chart.h"

#include <algorithm>

#include "framework/arith.h"

namespace pg::engine {

TCustomChart::TCustomChart() {
  auto repaint = [this] { RequestRepaint(); };
  title_ = std::make_unique<TChartTitle>(repaint);
  foot_ = std::make_unique<TChartTitle>(repaint);
  backWall_ = std::make_unique<TChartWall>(repaint, clWhite, BrushStyle::bsClear);
  leftWall_ = std::make_unique<TChartWall>(repaint, 0x80FFFF, BrushStyle::bsSolid);
  bottomWall_ = std::make_unique<TChartWall>(repaint, clWhite, BrushStyle::bsSolid);
  legend_ = std::make_unique<TChartLegend>(*this);
}

TCustomChart::~TCustomChart() { ReleaseSeries(); }

TChart::~TChart() = default;

void TCustomChart::SetBackColor(TColor c) {
  backWall_->SetColor(c);
  backWall_->Brush().SetStyle(BrushStyle::bsSolid);
}

void TCustomChart::DrawTextBlocks() {
  auto titles = [this] {
    if (title_->Visible()) DrawTitle(*title_, true);
    if (foot_->Visible()) DrawTitle(*foot_, false);
  };
  textBlockAreas_.clear();
  auto legend = [this] {
    legend_->PaintLegend();
    const TRect area = legend_->DrawnArea();
    if (area.Width() > 0 && area.Height() > 0) textBlockAreas_.push_back(area);
  };
  // A side legend goes first, so the titles centre over the plot it leaves.
  if (!legend_->Visible() || !AnyActiveSeries()) {
    titles();
  } else if (legend_->Vertical()) {
    legend();
    titles();
  } else {
    titles();
    legend();
  }
}

void TCustomChart::DrawTitle(TChartTitle& title, bool onTop) {
  auto& c = Canvas();
  UseFont(title.Font().Value());
  const int h = c.LineHeight();

  // Background.
  const auto& brush = title.Brush();
  if (title.Color() == clDefault) {
    if (brush.Style() != BrushStyle::bsSolid) {
      c.SetBrush(platform::Brush{brush.Style(), brush.Color(), nullptr});
      c.SetBackgroundMode(platform::kTransparent);
    } else if (brush.Color() == clDefault) {
      c.SetBrush(platform::Brush{BrushStyle::bsClear, clWhite, nullptr});
    } else {
      title.SetColor(brush.Color());
      c.SetBrush(platform::Brush{BrushStyle::bsSolid, brush.Color(), nullptr});
    }
  } else if (brush.Style() != BrushStyle::bsSolid) {
    c.SetBrush(platform::Brush{brush.Style(), brush.Color(), nullptr});
    c.SetBackgroundMode(platform::kOpaque);
    c.SetBackgroundColour(title.Color());
  } else {
    c.SetBrush(platform::Brush{BrushStyle::bsSolid, title.Color(), nullptr});
  }

  // Frame.
  const bool framed = title.Frame().Visible() && title.Frame().Color() != clDefault;
  const int f = framed ? title.Frame().Width() : 0;
  if (framed)
    c.UseChartPen(title.Frame());
  else
    c.SetPenStyle(platform::PenStyle::psClear);

  const TRect plot = PlotRect();
  const auto& lines = title.Text();
  const int n = static_cast<int>(lines.size());
  TRect text{plot.left + f, 0, plot.right - f, 0};
  if (onTop) {
    text.top = plot.top + f;
    text.bottom = text.top + n * h;
  } else {
    text.bottom = plot.bottom - f;
    text.top = text.bottom - n * h;
  }
  TRect back{text.left - f, text.top - f, text.right + f, text.bottom + f};

  if (framed || c.Brush().style != BrushStyle::bsClear) {
    if (title.AdjustFrame()) {
      int widest = 0;
      for (const auto& l : lines) widest = std::max(widest, c.MeasureTextWidth(l));
      const int width = widest + c.MeasureTextWidth("W");
      switch (title.Alignment()) {
        case TAlignment::taLeftJustify:
          back.right = back.left + width;
          break;
        case TAlignment::taRightJustify:
          back.left = back.right - width;
          break;
        case TAlignment::taCenter: {
          const int mid = Div(back.left + back.right, 2);
          back.left = mid - Div(width, 2);
          back.right = mid + Div(width, 2);
          break;
        }
      }
    }
    c.FlatRectangle(back);
  }

  c.SetBackgroundMode(platform::kTransparent);
  const int wd = c.MeasureTextWidth("W");
  auto lineX = [&](const std::string& line) {
    const int w = c.MeasureTextWidth(line);
    switch (title.Alignment()) {
      case TAlignment::taLeftJustify:
        return text.left + Div(wd, 2);
      case TAlignment::taRightJustify:
        return text.right - w - Div(wd, 2);
      case TAlignment::taCenter:
        break;
    }
    return Div(text.left + text.right, 2) - Div(w, 2);
  };
  if (n > 0) textBlockAreas_.push_back(TRect{std::min(back.left, plot.left), back.top, std::max(back.right, plot.right), back.bottom});
  TRect next = plot;
  if (onTop) {
    int y = plot.top + f;
    for (const auto& line : lines) {
      c.FlatTextOut(lineX(line), y, line);
      y += h;
    }
    next.top = (n ? y : plot.top + f - 5) + (framed ? f : 0) + 5;
  } else {
    int y = plot.bottom - f - h;
    for (int i = n - 1; i >= 0; --i) {
      c.FlatTextOut(lineX(lines[static_cast<std::size_t>(i)]), y, lines[static_cast<std::size_t>(i)]);
      y -= h;
    }
    next.bottom = (n ? y + h : plot.bottom - f + 5) - (framed ? f : 0) - 5;
  }
  SetPlotRect(next);
}

void TCustomChart::PaintWalls() {
  auto& wall = *backWall_;
  auto& c = Canvas();
  c.UseChartPen(wall.Pen());
  if (wall.Color() == clDefault && wall.Brush().Style() == BrushStyle::bsSolid)
    c.SetBrush(platform::Brush{BrushStyle::bsClear, clWhite, nullptr});
  else
    UseBrush(wall.Color(), wall.Brush().Style(), wall.Brush().Color());
  if (!View3D()) {
    const TRect p = PlotRect();
    c.FlatRectangle(p.left, p.top, p.right + 1, p.bottom + 1);
  }
  if (backImageInside_ && !BackImage().Empty()) {
    TRect r = PlotRect();
    if (wall.Pen().Visible()) r = TRect{r.left, r.top + 1, r.right, r.bottom - 1};
    DrawBackPicture(r, ChartDepth());
  }
}

void TCustomChart::DrawPanelPicture(const TRect& rect) {
  if (!backImageInside_ && !BackImage().Empty()) DrawBackPicture(rect, 0);
}

}  // namespace pg::engine
