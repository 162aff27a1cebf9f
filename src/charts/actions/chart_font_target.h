#pragma once
// A font description landing on a chart font one field at a time, each a change
// of its own, so a failing field keeps the ones before it.
#include <cstdint>
#include <string>

#include "engine/core/chart_pen.h"
#include "framework/params/font_format.h"

namespace pg::charts {

class ChartFontTarget final : public params::FontTarget {
 public:
  explicit ChartFontTarget(engine::TChartFontObject& font) : font_(font) {}
  void SetName(const std::string& name) override { font_.SetName(name); }
  void SetColor(TColor color) override { font_.SetColor(color); }
  void SetSize(int points) override { font_.SetSize(points); }
  void AddStyles(std::uint8_t styles) override {
    font_.SetStyles(static_cast<std::uint8_t>(font_.Value().styles | styles));
  }
  void SetCharset(std::uint8_t charset) override { font_.SetCharset(charset); }

 private:
  engine::TChartFontObject& font_;
};

}  // namespace pg::charts
