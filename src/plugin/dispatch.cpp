#include "plugin/dispatch.h"

#include <array>

#include "plugin/actions/plain_actions.h"

namespace pg::plugin {

namespace {

// Indexed by id - 1. Chart handlers left null still run the frame (lookup and
// the missing-chart message) and then do nothing.
constexpr std::array<ActionEntry, 42> kActions = {{
    {1, nullptr, &ChartCreateAction},  // 1 pgChartCreate
    {1, nullptr, &ChartDeleteAction},  // 2 pgChartDelete
    {4, nullptr, nullptr},             // 3 pgSetTitleChart
    {4, nullptr, nullptr},             // 4 pgSetFootChart
    {4, nullptr, nullptr},             // 5 pgAddSeriesChart
    {2, nullptr, nullptr},             // 6 pgDeleteSeries
    {1, nullptr, nullptr},             // 7 pgClearSeries
    {2, nullptr, nullptr},             // 8 pgChartVisible
    {2, nullptr, nullptr},             // 9 pgChartMonochrome
    {2, nullptr, nullptr},             // 10 pgChartColor
    {4, nullptr, nullptr},             // 11 pgChartGradient
    {4, nullptr, nullptr},             // 12 pgChartPicture
    {2, nullptr, nullptr},             // 13 pgView3DPicture
    {2, nullptr, nullptr},             // 14 pgView3DPerspective
    {2, nullptr, nullptr},             // 15 pgView3DRotation
    {2, nullptr, nullptr},             // 16 pgView3DElevation
    {2, nullptr, nullptr},             // 17 pgView3DHoriz
    {2, nullptr, nullptr},             // 18 pgView3DZoom
    {2, nullptr, nullptr},             // 19 pgView3DVert
    {2, nullptr, nullptr},             // 20 pgView3DDepth
    {5, nullptr, nullptr},             // 21 pgChartMargin
    {2, nullptr, nullptr},             // 22 pgChartBorderWidth
    {2, nullptr, nullptr},             // 23 pgLegendVisible
    {2, nullptr, nullptr},             // 24 pgSetLegendFont
    {2, nullptr, nullptr},             // 25 pgLegendColor
    {2, nullptr, nullptr},             // 26 pgLegendColorWidth
    {2, nullptr, nullptr},             // 27 pgLegendInverted
    {2, nullptr, nullptr},             // 28 pgLegendResize
    {3, nullptr, nullptr},             // 29 pgLegendShadow
    {2, nullptr, nullptr},             // 30 pgMarksVisible
    {2, nullptr, nullptr},             // 31 pgMarksStyle
    {2, nullptr, nullptr},             // 32 pgMarksTransparent
    {3, nullptr, nullptr},             // 33 pgMarksFontColor
    {3, nullptr, nullptr},             // 34 pgMarksFrame
    {2, nullptr, nullptr},             // 35 pgMarksFrVisible
    {2, nullptr, nullptr},             // 36 pgMarksFrStyle
    {1, nullptr, &ColourBoxAction},    // 37 pgColorBox
    {1, nullptr, &FontDialogAction},   // 38 pgFontDialog
    {2, nullptr, nullptr},             // 39 pgChartBitmap
    {2, nullptr, &ColourToRgbAction},  // 40 pgColorToRGB
    {2, nullptr, &RgbToColourAction},  // 41 pgRGBToColor
    {4, nullptr, nullptr},             // 42 pgChartRoll
}};

}  // namespace

const ActionEntry* ActionFor(std::int32_t id) {
  if (id < 1 || id > 42) return nullptr;
  return &kActions[static_cast<std::size_t>(id - 1)];
}

bool DispatchAction(std::int32_t id, abi::ParamBlock block) {
  const ActionEntry* entry = ActionFor(id);
  if (!entry) return false;
  const Params params = CopyParams(block, entry->slots);
  if (entry->plain) return entry->plain(params);
  return RunChartAction(params, entry->chart);
}

}  // namespace pg::plugin
