#include <array>
#include <string_view>

#include "charts/actions/chart_actions.h"
#include "charts/actions/param_readers.h"

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

constexpr std::string_view kDirectionWords =
    "is not one of TopBottom, BottomTop, LeftRight, RightLeft, FromCenter, FromTopLeft, FromBottomLeft, "
    "FromTopRight or FromBottomRight";

}  // namespace

void ChartMonochrome(TChartImageForm& w, const ActionParams& p) {
  if (const auto on = BoolParam(p, 1)) w.Chart1().SetMonochrome(*on);
}

void ChartColor(TChartImageForm& w, const ActionParams& p) {
  const TColor colour = ColourParam(p, 1);
  w.Chart1().Gradient().SetVisible(false);
  w.Chart1().SetColor(colour);
}

void ChartGradient(TChartImageForm& w, const ActionParams& p) {
  const TColor c1 = ColourParam(p, 1);
  const TColor c2 = ColourParam(p, 2);
  auto& g = w.Chart1().Gradient();
  g.SetVisible(true);
  g.SetStartColor(c1);
  g.SetEndColor(c2);
  for (const auto& d : kDirections) {
    if (d.word != p.at(3)) continue;
    g.SetStartColor(d.swapColours ? c2 : c1);
    g.SetEndColor(d.swapColours ? c1 : c2);
    g.SetDirection(d.direction);
    return;
  }
  IgnoreParam(p, 3, kDirectionWords);
}

void ChartPicture(TChartImageForm& w, const ActionParams& p) {
  auto& chart = w.Chart1();
  // A picture that does not load ends the action: the old one and its settings stay.
  StepWithParam(p, 2, "cannot be loaded", true, [&] { chart.BackImage().LoadFromFile(p.at(2)); });
  // "True" puts the picture over the whole panel, "False" inside the plot.
  if (const auto whole = BoolParam(p, 1)) chart.SetBackImageInside(!*whole);
  const std::string& mode = p.at(3);
  if (mode == "Stretch")
    chart.SetBackImageMode(TBackImageMode::pbmStretch);
  else if (mode == "Tile")
    chart.SetBackImageMode(TBackImageMode::pbmTile);
  else if (mode == "Center")
    chart.SetBackImageMode(TBackImageMode::pbmCenter);
  else
    IgnoreParam(p, 3, "is not one of Stretch, Tile or Center");
}

void ChartMargin(TChartImageForm& w, const ActionParams& p) {
  auto& chart = w.Chart1();
  chart.SetMarginLeft(IntParam(p, 1));
  chart.SetMarginRight(IntParam(p, 2));
  chart.SetMarginTop(IntParam(p, 3));
  chart.SetMarginBottom(IntParam(p, 4));
}

void ChartBorderWidth(TChartImageForm& w, const ActionParams& p) { w.Chart1().SetBorderWidth(IntParam(p, 1)); }

}  // namespace pg::charts
