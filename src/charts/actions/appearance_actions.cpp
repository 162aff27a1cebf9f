#include <array>
#include <string_view>

#include "charts/actions/chart_actions.h"
#include "framework/params/colour_format.h"
#include "framework/params/word_format.h"
#include "framework/text/int_parse.h"

namespace pg::charts {

namespace {

using engine::TBackImageMode;
using engine::TGradientDirection;

struct DirectionWord {
  std::string_view word;
  bool swapColours;  // the end colour given first
  TGradientDirection direction;
};

// The two last words reach the other two corners with the colours exchanged.
constexpr std::array<DirectionWord, 9> kDirections = {{
    {"TopBottom", false, TGradientDirection::gdTopBottom},
    {"BottomTop", true, TGradientDirection::gdBottomTop},
    {"LeftRight", false, TGradientDirection::gdLeftRight},
    {"RightLeft", true, TGradientDirection::gdRightLeft},
    {"FromCenter", false, TGradientDirection::gdFromCenter},
    {"FromTopLeft", false, TGradientDirection::gdFromTopLeft},
    {"FromBottomLeft", false, TGradientDirection::gdFromBottomLeft},
    {"FromTopRight", true, TGradientDirection::gdFromTopLeft},
    {"FromBottomRight", true, TGradientDirection::gdFromBottomLeft},
}};

}  // namespace

void ChartMonochrome(TChartImageForm& w, const ActionParams& p) {
  if (const auto on = params::ReadBoolValue(p.at(1))) w.Chart1().SetMonochrome(*on);
}

void ChartColor(TChartImageForm& w, const ActionParams& p) {
  const TColor colour = params::ReadColourTriple(p.at(1));
  w.Chart1().Gradient().SetVisible(false);
  w.Chart1().SetColor(colour);
}

void ChartGradient(TChartImageForm& w, const ActionParams& p) {
  const TColor c1 = params::ReadColourTriple(p.at(1));
  const TColor c2 = params::ReadColourTriple(p.at(2));
  auto& g = w.Chart1().Gradient();
  g.SetVisible(true);
  g.SetStartColor(c1);
  g.SetEndColor(c2);
  for (const auto& d : kDirections) {
    if (d.word != p.at(3)) continue;
    g.SetStartColor(d.swapColours ? c2 : c1);
    g.SetEndColor(d.swapColours ? c1 : c2);
    g.SetDirection(d.direction);
    break;
  }
}

void ChartPicture(TChartImageForm& w, const ActionParams& p) {
  auto& chart = w.Chart1();
  // A picture that does not load ends the action: the old one and its settings stay.
  chart.BackImage().LoadFromFile(p.at(2));
  // "True" puts the picture over the whole panel, "False" inside the plot.
  if (const auto whole = params::ReadBoolValue(p.at(1))) chart.SetBackImageInside(!*whole);
  const std::string& mode = p.at(3);
  if (mode == "Stretch") chart.SetBackImageMode(TBackImageMode::pbmStretch);
  if (mode == "Tile") chart.SetBackImageMode(TBackImageMode::pbmTile);
  if (mode == "Center") chart.SetBackImageMode(TBackImageMode::pbmCenter);
}

void ChartMargin(TChartImageForm& w, const ActionParams& p) {
  auto& chart = w.Chart1();
  chart.SetMarginLeft(text::StrToInt(p.at(1)));
  chart.SetMarginRight(text::StrToInt(p.at(2)));
  chart.SetMarginTop(text::StrToInt(p.at(3)));
  chart.SetMarginBottom(text::StrToInt(p.at(4)));
}

void ChartBorderWidth(TChartImageForm& w, const ActionParams& p) { w.Chart1().SetBorderWidth(text::StrToInt(p.at(1))); }

}  // namespace pg::charts
