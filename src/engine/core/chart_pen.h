#pragma once
// Pen, brush and font objects of the chart: a platform pen, brush or font plus a
// visibility flag; every change repaints the chart that owns them.
#include "engine/core/change_handler.h"
#include "framework/colour.h"
#include "framework/font_spec.h"
#include "platform/graphics.h"

namespace pg::engine {

using platform::BrushStyle;
using platform::PenMode;
using platform::PenStyle;

class TChartPen {
 public:
  explicit TChartPen(ChangeHandler onChange = {}, TColor color = clBlack, bool visible = true)
      : onChange_(std::move(onChange)), color_(color), visible_(visible) {}
  virtual ~TChartPen() = default;

  TColor Color() const { return color_; }
  void SetColor(TColor v) { StoreIfChanged(color_, v, onChange_); }
  int Width() const { return width_; }
  void SetWidth(int v) { StoreIfChanged(width_, v, onChange_); }
  PenStyle Style() const { return style_; }
  void SetStyle(PenStyle v) { StoreIfChanged(style_, v, onChange_); }
  PenMode Mode() const { return mode_; }
  void SetMode(PenMode v) { StoreIfChanged(mode_, v, onChange_); }
  bool Visible() const { return visible_; }
  void SetVisible(bool v) { StoreIfChanged(visible_, v, onChange_); }
  // Draws every other pixel (a cosmetic alternate pen) when the width is 1.
  bool SmallDots() const { return smallDots_; }
  void SetSmallDots(bool v) { StoreIfChanged(smallDots_, v, onChange_); }
  void SetOnChange(ChangeHandler h) { onChange_ = std::move(h); }

 private:
  ChangeHandler onChange_;
  TColor color_;
  int width_ = 1;
  PenStyle style_ = PenStyle::psSolid;
  PenMode mode_ = PenMode::pmCopy;
  bool visible_;
  bool smallDots_ = false;
};

// A pen that starts invisible.
class TChartHiddenPen : public TChartPen {
 public:
  explicit TChartHiddenPen(ChangeHandler onChange = {}) : TChartPen(std::move(onChange), clBlack, false) {}
};

class TChartBrush {
 public:
  explicit TChartBrush(ChangeHandler onChange = {}, TColor color = clWhite, BrushStyle style = BrushStyle::bsSolid)
      : onChange_(std::move(onChange)), color_(color), style_(style) {}

  TColor Color() const { return color_; }
  void SetColor(TColor v) { StoreIfChanged(color_, v, onChange_); }
  BrushStyle Style() const { return style_; }
  void SetStyle(BrushStyle v) { StoreIfChanged(style_, v, onChange_); }
  void SetOnChange(ChangeHandler h) { onChange_ = std::move(h); }

 private:
  ChangeHandler onChange_;
  TColor color_;
  BrushStyle style_;
};

// A font: face, colour, size in points, styles and character set.
class TChartFontObject {
 public:
  static TFontSpec DefaultSpec() { return TFontSpec{"Arial", clBlack, 8, 0, 1}; }
  explicit TChartFontObject(ChangeHandler onChange = {}, TFontSpec fontSpec = DefaultSpec())
      : onChange_(std::move(onChange)), spec_(std::move(fontSpec)) {}

  const TFontSpec& Value() const { return spec_; }
  void Assign(const TFontSpec& fontSpec) { StoreIfChanged(spec_, fontSpec, onChange_); }
  void SetName(const std::string& v) { Set(&TFontSpec::name, v); }
  void SetColor(TColor v) { Set(&TFontSpec::color, v); }
  void SetSize(int v) { Set(&TFontSpec::size, v); }
  void SetStyles(std::uint8_t v) { Set(&TFontSpec::styles, v); }
  void SetCharset(std::uint8_t v) { Set(&TFontSpec::charset, v); }
  // Pixel height the font has on a surface of the given pixels per inch.
  int HeightPixels(int pixelsPerInch) const;
  void SetOnChange(ChangeHandler h) { onChange_ = std::move(h); }

 private:
  template <typename T>
  void Set(T TFontSpec::*field, const T& v) {
    TFontSpec next = spec_;
    next.*field = v;
    Assign(next);
  }
  ChangeHandler onChange_;
  TFontSpec spec_;
};

// The platform font of a chart font at a given pixels per inch (negative height:
// character height, as fonts in points are made).
platform::Font ToPlatformFont(const TFontSpec& fontSpec, int pixelsPerInch);

}  // namespace pg::engine
