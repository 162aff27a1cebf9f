#pragma once
// The small text boxes beside the points, joined to them by an arrow.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/core/chart_pen.h"
#include "engine/series/marks_layout.h"
#include "platform/graphics.h"

namespace pg::engine {

class TCanvas3D;
class TCustomChart;

enum class TSeriesMarksStyle {
  smsValue, smsPercent, smsLabel, smsLabelPercent, smsLabelValue, smsLegend, smsPercentTotal,
  smsLabelPercentTotal, smsXValue
};

// The marks font's measures, taken once a paint: every box and every label
// point is made of them, and measuring them for each mark cost a text
// measure four times a mark.
struct TMarkFontMeasures {
  int wWidth = 0;  // of a "W": the room beside a box's text and beyond the pie
  int lineHeight = 0;
};

struct TSeriesMarkPosition {
  platform::TPoint anchorPoint;
  platform::TPoint labelPoint;
  int boxLeft = 0, boxTop = 0, boxWidth = 0, boxHeight = 0;
  bool isCustom = false;
};

class TSeriesMarks {
 public:
  explicit TSeriesMarks(ChangeHandler onChange);

  TChartPen& Arrow() { return arrow_; }
  const TChartPen& Arrow() const { return arrow_; }
  int ArrowLength() const { return arrowLength_; }
  void SetArrowLength(int v) { StoreIfChanged(arrowLength_, v, onChange_); }
  TColor BackColor() const { return backColor_; }
  void SetBackColor(TColor v) { StoreIfChanged(backColor_, v, onChange_); }
  bool Clip() const { return clip_; }
  void SetClip(bool v) { StoreIfChanged(clip_, v, onChange_); }
  TChartFontObject& Font() { return font_; }
  const TChartFontObject& Font() const { return font_; }
  TChartPen& Frame() { return frame_; }
  const TChartPen& Frame() const { return frame_; }
  // What a visible frame adds on each side of a box: its width as the pen draws
  // it, never below 0 nor beyond the widest pen (no width from a script can
  // overflow the layout); 0 for a hidden frame.
  int FrameRoom() const;
  // Copy the given font or pen into the marks' own object; any change repaints.
  void SetFont(const TFontSpec& font) { font_.Assign(font); }
  void SetArrow(const TChartPen& pen) { CopyPen(pen, arrow_); }
  void SetFrame(const TChartPen& pen) { CopyPen(pen, frame_); }
  TSeriesMarksStyle Style() const { return style_; }
  void SetStyle(TSeriesMarksStyle v) { StoreIfChanged(style_, v, onChange_); }
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool v) { StoreIfChanged(transparent_, v, onChange_); }
  bool Visible() const { return visible_; }
  void SetVisible(bool v) { StoreIfChanged(visible_, v, onChange_); }
  TMarksLayout Layout() const { return layout_; }
  void SetLayout(TMarksLayout v) { StoreIfChanged(layout_, v, onChange_); }

  // The marks the last paint drew, in window pixels: the box's rectangle as
  // given to the frame's drawing call and the line from the slice to it, or
  // dropped.
  const std::vector<TMarkLayoutOutput>& LastMarks() const { return lastMarks_; }
  std::vector<TMarkLayoutOutput>& LastMarksToFill() { return lastMarks_; }
  // A paint that draws no marks leaves none to report.
  void ForgetDrawn() { lastMarks_.clear(); }

  int ZPosition() const { return zPosition_; }
  void SetZPosition(int z) { zPosition_ = z; }

  // Stored positions, one per point, created on first use.
  TSeriesMarkPosition& PositionAt(int index);
  void InsertPosition(int index);
  void DeletePosition(int index);
  void ClearPositions() { positions_.clear(); }
  std::size_t PositionCount() const { return positions_.size(); }

  // The canvas font's measures the boxes are made of.
  static TMarkFontMeasures MeasureFont(TCanvas3D& canvas);
  // Box size of a mark text in the canvas font: the widest line plus a "W" by
  // the lines' height, both grown by the frame on each side when it is visible.
  void MeasureBox(TCanvas3D& canvas, const TMarkFontMeasures& font, std::string_view text,
                  TSeriesMarkPosition& position) const;
  // Stores the position of point index (a custom one wins), then draws the
  // arrow, the box and the text of one mark.
  // Writes the box as drawn and the line, in window pixels, into `drawn`
  // (whose line keeps its storage from paint to paint).
  void DrawMark(TCustomChart& chart, const TMarkFontMeasures& font, int index, std::string_view text,
                TColor pointColour, TSeriesMarkPosition position, TMarkLayoutOutput& drawn);
  // The position a mark is drawn at: the stored one when it is custom.
  TSeriesMarkPosition EffectivePosition(int index, const TSeriesMarkPosition& computed);
  // The box and the line where they stand on screen (3D projected).
  TMarkLayoutInput OnScreen(TCustomChart& chart, int index, const TSeriesMarkPosition& position) const;
  // Draws a laid-out mark flat: the line through its points, the box, the text.
  void DrawLaidOut(TCustomChart& chart, const TMarkFontMeasures& font, std::string_view text, TColor pointColour,
                   const TMarkLayoutOutput& mark);

 private:
  static void CopyPen(const TChartPen& from, TChartPen& to);
  void UseArrowPen(TCustomChart& chart, TColor pointColour);
  void DrawBoxAndText(TCustomChart& chart, const TMarkFontMeasures& font, std::string_view text, int left, int top,
                      int width, int height);

  ChangeHandler onChange_;
  TChartPen arrow_;
  int arrowLength_ = 8;
  TColor backColor_ = 0x80FFFF;
  bool clip_ = false;
  TChartFontObject font_;
  TChartPen frame_;
  TSeriesMarksStyle style_ = TSeriesMarksStyle::smsLabel;
  bool transparent_ = false;
  bool visible_ = false;
  TMarksLayout layout_ = TMarksLayout::mlStandard;
  int zPosition_ = 0;
  std::vector<std::optional<TSeriesMarkPosition>> positions_;
  std::vector<TMarkLayoutOutput> lastMarks_;
};

// Calls visit(line) for each line of a mark text, split at carriage returns (a
// trailing one adds no empty line; each line after a return is taken up to 255
// characters). The lines are views into `text`: marks are split for every point
// of every paint, twice.
template <typename Visit>
void ForEachMarkLine(std::string_view text, Visit&& visit) {
  std::size_t start = 0;
  bool first = true;
  do {
    const std::size_t cr = text.find('\r', start);
    std::string_view line = text.substr(start, cr == std::string_view::npos ? std::string_view::npos : cr - start);
    if (!first && line.size() > 255) line = line.substr(0, 255);
    visit(line);
    first = false;
    if (cr == std::string_view::npos) break;
    start = cr + 1;
  } while (start < text.size());
}

}  // namespace pg::engine
